#include "shell/ui/qbtndlg.h"

#include "app/commandids.h"
#include "app/wellsettings.h"
#include "platform/services.h"

#include <QLayout>
#include <QMenuBar>

namespace shell {

QBTNDLG::QBTNDLG(shell::BarLinks links, int mode)
    : Dialog(links.window, QStringLiteral("Quick View")), links_(std::move(links)), mode_(mode),
      rowHeight_(links_.state->layout.format.pixelsPerStep)
{
    // A tool window without a frame, sitting on the owner's menu line.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    AddButton(ID_5INCH, QStringLiteral("5 Inch"));
    AddButton(ID_1INCH, QStringLiteral("1 Inch"));
    AddButton(ID_HORZ, QStringLiteral("View Horz"));
    AddButton(ID_SURVEY, QStringLiteral("Svy On"));
    AddButton(ID_ZOOM, QStringLiteral("Zoom"));
    AddButton(ID_CUSTOM, QStringLiteral("C/T ON"));
    AddButton(ID_PICTURES, QStringLiteral("Pics On"));
    // The bar takes the width its place leaves it, cutting off buttons at its right end if need be.
    if (QLayout* l = layout()) {
        l->setContentsMargins(0, 0, 0, 0);
        l->setSpacing(0);
        l->setSizeConstraint(QLayout::SetNoConstraint);
    }
    setMinimumSize(0, 0);
    // Keys belong to the log: the bar never takes the focus, and each press leaves it with the log.
    NeverTakeFocus();
    const auto pressed = [this](void (QBTNDLG::*command)()) {
        return [this, command] {
            (this->*command)();
            links_.focusLog();
        };
    };
    On(ID_SURVEY, platform::BN_CLICKED, pressed(&QBTNDLG::CmSurvey));
    On(ID_ZOOM, platform::BN_CLICKED, pressed(&QBTNDLG::CmZoom));
    On(ID_CUSTOM, platform::BN_CLICKED, pressed(&QBTNDLG::CmCustomTracks));
    On(ID_PICTURES, platform::BN_CLICKED, pressed(&QBTNDLG::CmPictures));
    // A view opened keeps the focus; else (closed, or none to show) the log takes it back.
    On(ID_HORZ, platform::BN_CLICKED, [this] {
        CmHorizontalView();
        if (!links_.tools->horzView)
            links_.focusLog();
    });
}

shell::QuickBarInputs QBTNDLG::PlaceInputs(bool atCreation) const
{
    const app::LogState& s = *links_.state;
    const layout::LogLayout& L = s.layout.format;
    const QRect frame = Owner().frameGeometry();
    shell::QuickBarInputs in;
    in.left = frame.left();
    in.top = frame.top();
    in.right = frame.left() + frame.width();
    // Edge A: the lithology column's left; edge B: the rate track's right.
    in.edgeA = L.lithology.left;
    in.edgeB = L.rate.Right();
    in.unit = L.trackUnit;
    in.rowHeight = rowHeight_;
    in.mode = mode_;
    in.pictures = s.view.picturesPresent;
    in.drilling = s.well.file.drilling;
    in.atCreation = atCreation;
    if (const QMenuBar* menus = Owner().menuBar(); menus && !menus->actions().isEmpty()) {
        const QRect last = menus->actionGeometry(menus->actions().back());
        in.menuRight = menus->mapToGlobal(QPoint(last.right() + 1, 0)).x();
    }
    return in;
}

void QBTNDLG::Apply(const shell::QuickBarPlace& place)
{
    const QRect frame = Owner().frameGeometry();
    // On the menu-bar line: just below the owner's caption, as high as a menu bar and a little more.
    const int caption = Owner().geometry().top() - frame.top();
    const int menuHeight = Owner().menuBar() ? Owner().menuBar()->sizeHint().height() : 20;
    setGeometry(place.x, frame.top() + caption + 1, place.width, menuHeight + 4);
}

void QBTNDLG::SetupWindow()
{
    const app::LogState& s = *links_.state;
    SetText(ID_1INCH, QStringLiteral(" 1 \""));
    SetText(ID_5INCH, QStringLiteral(" 5 \""));
    Show(ID_1INCH, false);
    Show(ID_5INCH, false);
    Show(ID_HORZ, mode_ != 0);
    // The image view of a very long well would be too large an image.
    Enable(ID_ZOOM, std::int64_t(s.well.file.fileBottomDepth) - s.well.file.fileTopDepth < 10001);
    Show(ID_PICTURES, s.view.picturesPresent);
    if (s.view.picturesPresent)
        Control(ID_PICTURES)->setFixedWidth(shell::kPicturesButtonWidth);
    SetText(ID_SURVEY, s.view.surveyShown ? QStringLiteral("Hide Svy") : QStringLiteral("View Svy"));
    SetText(ID_CUSTOM, s.options.customTracksView ? QStringLiteral("Hide C/T") : QStringLiteral("Show C/T"));
    SetText(ID_ZOOM, s.view.logImageMode ? QStringLiteral("Zoom Off") : QStringLiteral("Zoom On"));
    SetText(ID_PICTURES, s.view.picturesShown ? QStringLiteral("Pics Off") : QStringLiteral("Pics On"));
    Enable(ID_CUSTOM, !s.well.scratchWell);
    Apply(shell::PlaceQuickBar(PlaceInputs(true)));
}

void QBTNDLG::Place()
{
    const shell::QuickBarPlace place = shell::PlaceQuickBar(PlaceInputs(false));
    Show(ID_HORZ, mode_ != 0);
    Show(ID_PICTURES, links_.state->view.picturesPresent);
    // Moved and sized while shown. Hiding it first would unmap the window: a window manager still busy
    // with the main window's first moves can take that for a withdrawal and drop the map that follows,
    // leaving the program without its bar.
    Apply(place);
    if (!isVisible())
        show();
}

void QBTNDLG::UpdateViewButtons(int mode)
{
    const app::LogState& s = *links_.state;
    mode_ = mode != 0 ? mode : s.view.viewScale;
    Show(ID_HORZ, mode_ != 0);
    if (!links_.tools->horzView) {
        SetText(ID_HORZ, QStringLiteral("View Horz"));
        SetText(ID_SURVEY, s.view.surveyShown ? QStringLiteral("Hide Svy") : QStringLiteral("View Svy"));
    } else {
        // The horizontal view keeps its own survey display; it answers once that view is built.
        SetText(ID_HORZ, QStringLiteral("Hide Horz"));
        SetText(ID_SURVEY, QStringLiteral("View Svy"));
    }
    links_.invalidateLog();
}

void QBTNDLG::SavePosition()
{
    app::LogState& s = *links_.state;
    const QRect frame = frameGeometry();
    const std::optional<wellfile::WellConfig> saved = app::UpdateWellConfig(s, [&frame](wellfile::WellConfig& cfg) {
        cfg.quickBarLeft = frame.left();
        cfg.quickBarTop = frame.top();
        return true;
    });
    if (saved) {
        s.well.config.quickBarLeft = saved->quickBarLeft;
        s.well.config.quickBarTop = saved->quickBarTop;
    }
}

void QBTNDLG::CmSurvey()
{
    app::LogState& s = *links_.state;
    if (QWidget* view = links_.tools->horzView) {
        const bool shown = links_.neighbours->horizontal->ToggleSurveyDisplay(s, view);
        SetText(ID_SURVEY, shown ? QStringLiteral("Hide Svy") : QStringLiteral("View Svy"));
        return;
    }
    s.view.surveyShown = !s.view.surveyShown;
    SetText(ID_SURVEY, s.view.surveyShown ? QStringLiteral("Hide Svy") : QStringLiteral("View Svy"));
    links_.redrawLog();
}

void QBTNDLG::CmZoom()
{
    links_.runCommand(app::cmd::ToggleView);
    SetText(ID_ZOOM, links_.state->view.logImageMode ? QStringLiteral("Zoom Off") : QStringLiteral("Zoom On"));
}

void QBTNDLG::CmCustomTracks()
{
    const app::LogState& s = *links_.state;
    if (s.well.scratchWell) {
        platform::MessageBox(QStringLiteral("Custom Tracks Not Available wit Air Format"), QString(), platform::MB_OK);
        return;
    }
    links_.toggleCustomTracks();
    SetText(ID_CUSTOM, s.options.customTracksView ? QStringLiteral("Hide C/T") : QStringLiteral("Show C/T"));
}

void QBTNDLG::CmHorizontalView() { links_.runCommand(app::cmd::HorizontalView); }

void QBTNDLG::CmPictures()
{
    app::LogState& s = *links_.state;
    s.view.picturesShown = !s.view.picturesShown;
    SetText(ID_PICTURES, s.view.picturesShown ? QStringLiteral("Pics Off") : QStringLiteral("Pics On"));
    links_.redrawLog();
}

}  // namespace shell
