#include "shell/ui/livemonitordlg.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "platform/draw/fonts.h"
#include "platform/logfont.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/ui/controls.h"

#include <QComboBox>
#include <QLayout>
#include <QSignalBlocker>

#include <memory>
#include <utility>

namespace shell {

SV_LIVEDLG::SV_LIVEDLG(shell::BarLinks links) : Dialog(links.window, QString()), links_(std::move(links))
{
    // A strip of the main window itself, under its menu bar: the log starts below it.
    setWindowFlags(Qt::Widget);
    AddCombo(ID_WELLS);
    if (QLayout* l = layout()) {
        l->setContentsMargins(0, 0, 0, 0);
        l->setSizeConstraint(QLayout::SetNoConstraint);
    }
    setMinimumSize(0, 0);
    On(ID_WELLS, platform::CBN_SELCHANGE, [this] { EvWellSelected(); });
}

void SV_LIVEDLG::SetupWindow()
{
    app::LogState& s = *links_.state;
    const exchange::LiveBarFontSize size =
        exchange::LiveBarFont(s.layout.format.pixelsPerStep, s.env.charWidth, s.env.screenWidth);
    const platform::LOGFONTA lf = platform::MakeLogFont("Courier New", size.height, size.width,
                                                        platform::FIXED_PITCH | platform::FF_MODERN);
    Control(ID_WELLS)->setFont(platform::MakeQFont(platform::Font::FromLogFont(lf), 96));
    timeZone_ = exchange::LiveTimeZone(app::PlaceOf(s), s.well.loggerId);
    FillWellList();
}

void SV_LIVEDLG::FillWellList()
{
    app::LogState& s = *links_.state;
    ClearStrings(ID_WELLS);
    const exchange::SharedWellsUser user{s.env.userName, s.env.documentsFolder, s.well.file.wellName,
                                         platform::LocalTime()};
    auto block = std::make_unique<wellfile::SettingsBlock>();
    const bool read = wellfile::LoadUserFile(*block, s.env.userName) == 1;
    bool store = false;
    list_ = exchange::FillWellList(user, exchange::SharedWellsRoot(s.well.file.dataFolder), timeZone_, *block,
                                   read, store);
    if (store)
        wellfile::SaveUserFile(*block, s.env.userName);
    // Filling the list must not open a well: the selection handler waits until the list stands.
    const QSignalBlocker quiet(Control(ID_WELLS));
    for (const QString& line : list_.lines)
        AddString(ID_WELLS, line);
    if (!list_.lines.isEmpty())
        SetSelIndex(ID_WELLS, list_.selected);
}

void SV_LIVEDLG::EvWellSelected()
{
    const int index = GetSelIndex(ID_WELLS);
    if (index < 0 || index >= list_.paths.size())
        return;
    exchange::WellSummary summary;
    exchange::ReadWellSummary(list_.paths[index], timeZone_, summary);
    links_.openSharedWell(list_.paths[index], summary.timeText);
    links_.focusLog();
}

void SV_LIVEDLG::Place()
{
    const app::LogState& s = *links_.state;
    const QRect frame = Owner().frameGeometry();
    const exchange::LiveBarPlace place = exchange::PlaceLiveBar(frame.left(), frame.top(), frame.width(),
                                                                s.layout.format.logRight, s.layout.format.trackUnit);
    const QWidget* menu = Owner().menuWidget();
    const int top = menu && menu->isVisible() ? menu->height() : 0;
    const int left = std::max(0, place.x - Owner().mapToGlobal(QPoint(0, 0)).x());
    setGeometry(left, top, place.width, std::max(height(), sizeHint().height()));
    // It takes its room while it lists a well, and none while the list is empty.
    const bool listed = GetCount(ID_WELLS) > 0;
    setVisible(listed);
    if (std::exchange(roomTaken_, listed) != listed)
        links_.clientTopChanged();
    links_.invalidateLog();
}

}  // namespace shell
