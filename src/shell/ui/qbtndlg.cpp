#include "shell/ui/qbtndlg.h"

#include "app/commandids.h"
#include "app/wellsettings.h"
#include "layout/custchartcfg.h"
#include "platform/services.h"
#include "shell/ui/logwindow.h"

#include <QLayout>
#include <QMenuBar>

QBTNDLG::QBTNDLG(LogWindow& owner, int mode)
    : Dialog(&owner, QStringLiteral("Quick View")), owner_(owner), mode_(mode),
      rowHeight_(owner.State().layout.format.pixelsPerStep)
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
            owner_.GiveFocusBack();
        };
    };
    On(ID_SURVEY, platform::BN_CLICKED, pressed(&QBTNDLG::CmSurvey));
    On(ID_ZOOM, platform::BN_CLICKED, pressed(&QBTNDLG::CmZoom));
    On(ID_CUSTOM, platform::BN_CLICKED, pressed(&QBTNDLG::CmCustomTracks));
    On(ID_PICTURES, platform::BN_CLICKED, pressed(&QBTNDLG::CmPictures));
    // A view opened keeps the focus; else (closed, or none to show) the log takes it back.
    On(ID_HORZ, platform::BN_CLICKED, [this] {
        CmHorizontalView();
        if (!owner_.Tools().horzView)
            owner_.GiveFocusBack();
    });
}

app::QuickBarInputs QBTNDLG::PlaceInputs(bool atCreation) const
{
    const app::LogState& s = owner_.State();
    const layout::LogLayout& L = s.layout.format;
    const QRect frame = owner_.frameGeometry();
    app::QuickBarInputs in;
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
    if (const QMenuBar* menus = owner_.menuBar(); menus && !menus->actions().isEmpty()) {
        const QRect last = menus->actionGeometry(menus->actions().back());
        in.menuRight = menus->mapToGlobal(QPoint(last.right() + 1, 0)).x();
    }
    return in;
}

void QBTNDLG::Apply(const app::QuickBarPlace& place)
{
    const QRect frame = owner_.frameGeometry();
    // On the menu-bar line: just below the owner's caption, as high as a menu bar and a little more.
    const int caption = owner_.geometry().top() - frame.top();
    const int menuHeight = owner_.menuBar() ? owner_.menuBar()->sizeHint().height() : 20;
    setGeometry(place.x, frame.top() + caption + 1, place.width, menuHeight + 4);
}

void QBTNDLG::SetupWindow()
{
    const app::LogState& s = owner_.State();
    SetText(ID_1INCH, QStringLiteral(" 1 \""));
    SetText(ID_5INCH, QStringLiteral(" 5 \""));
    Show(ID_1INCH, false);
    Show(ID_5INCH, false);
    Show(ID_HORZ, mode_ != 0);
    // The image view of a very long well would be too large an image.
    Enable(ID_ZOOM, std::int64_t(s.well.file.fileBottomDepth) - s.well.file.fileTopDepth < 10001);
    Show(ID_PICTURES, s.view.picturesPresent);
    if (s.view.picturesPresent)
        Control(ID_PICTURES)->setFixedWidth(app::kPicturesButtonWidth);
    SetText(ID_SURVEY, s.view.surveyShown ? QStringLiteral("Hide Svy") : QStringLiteral("View Svy"));
    SetText(ID_CUSTOM, s.options.customTracksView ? QStringLiteral("Hide C/T") : QStringLiteral("Show C/T"));
    SetText(ID_ZOOM, s.view.logImageMode ? QStringLiteral("Zoom Off") : QStringLiteral("Zoom On"));
    SetText(ID_PICTURES, s.view.picturesShown ? QStringLiteral("Pics Off") : QStringLiteral("Pics On"));
    Enable(ID_CUSTOM, !s.well.scratchWell);
    Apply(app::PlaceQuickBar(PlaceInputs(true)));
}

void QBTNDLG::Place()
{
    const app::QuickBarPlace place = app::PlaceQuickBar(PlaceInputs(false));
    Show(ID_HORZ, mode_ != 0);
    Show(ID_PICTURES, owner_.State().view.picturesPresent);
    // Moved and sized while shown. Hiding it first would unmap the window: a window manager still busy
    // with the main window's first moves can take that for a withdrawal and drop the map that follows,
    // leaving the program without its bar.
    Apply(place);
    if (!isVisible())
        show();
}

void QBTNDLG::UpdateViewButtons(int mode)
{
    const app::LogState& s = owner_.State();
    mode_ = mode != 0 ? mode : s.view.viewScale;
    Show(ID_HORZ, mode_ != 0);
    if (!owner_.Tools().horzView) {
        SetText(ID_HORZ, QStringLiteral("View Horz"));
        SetText(ID_SURVEY, s.view.surveyShown ? QStringLiteral("Hide Svy") : QStringLiteral("View Svy"));
    } else {
        // The horizontal view keeps its own survey display; it answers once that view is built.
        SetText(ID_HORZ, QStringLiteral("Hide Horz"));
        SetText(ID_SURVEY, QStringLiteral("View Svy"));
    }
    owner_.InvalidateLog();
}

void QBTNDLG::SavePosition()
{
    app::LogState& s = owner_.State();
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
    app::LogState& s = owner_.State();
    if (QWidget* view = owner_.Tools().horzView) {
        const bool shown = owner_.Neighbours().horizontal->ToggleSurveyDisplay(s, view);
        SetText(ID_SURVEY, shown ? QStringLiteral("Hide Svy") : QStringLiteral("View Svy"));
        return;
    }
    s.view.surveyShown = !s.view.surveyShown;
    SetText(ID_SURVEY, s.view.surveyShown ? QStringLiteral("Hide Svy") : QStringLiteral("View Svy"));
    owner_.MarkRedraw();
}

void QBTNDLG::CmZoom()
{
    owner_.EvCommand(app::cmd::ToggleView);
    SetText(ID_ZOOM, owner_.State().view.logImageMode ? QStringLiteral("Zoom Off") : QStringLiteral("Zoom On"));
}

void QBTNDLG::CmCustomTracks()
{
    app::LogState& s = owner_.State();
    if (s.well.scratchWell) {
        platform::MessageBox(QStringLiteral("Custom Tracks Not Available wit Air Format"), QString(), platform::MB_OK);
        return;
    }
    const bool linked = s.options.schemeLinkedCustomTracks;
    if (linked)
        for (int id = app::cmd::SchemeFirst; id <= app::cmd::SchemeFirst + 3; ++id)
            owner_.menu_.Check(id, false);
    const bool on = !s.options.customTracksView;
    if (on) {
        s.well.customTracksEnabled = true;
        owner_.LoadCustomTracks(false);
    } else {
        layout::ResetCustomTracks(s.customTracks.host, s.customTracks.data.get(), &s.well.config);
        s.customTracks.data.reset();
        s.well.customTracksEnabled = false;
    }
    s.options.customTracksView = on;
    SetText(ID_CUSTOM, on ? QStringLiteral("Hide C/T") : QStringLiteral("Show C/T"));
    if (linked) {
        // Scheme 2 goes with the custom tracks, scheme 1 without them.
        owner_.ApplyScheme(on ? 1 : 0, false);
        owner_.menu_.Check(app::cmd::SchemeFirst + (on ? 1 : 0), true);
        owner_.MirrorMenuBar();
    }
    owner_.SetLogFormat(s.well.loggerId);
    owner_.wellServices_.view->BuildGridBitmaps(s);
    // The log's bottom moves with the tracks: nothing of the old picture may stay below the new one.
    s.view.redrawPending = true;
    owner_.InvalidateErased();
}

void QBTNDLG::CmHorizontalView() { owner_.EvCommand(app::cmd::HorizontalView); }

void QBTNDLG::CmPictures()
{
    app::LogState& s = owner_.State();
    s.view.picturesShown = !s.view.picturesShown;
    SetText(ID_PICTURES, s.view.picturesShown ? QStringLiteral("Pics Off") : QStringLiteral("Pics On"));
    owner_.MarkRedraw();
}
