#include "shell/ui/logwindow.h"

#include "app/activitylines.h"
#include "app/dragshift.h"
#include "app/opendatafile.h"
#include "app/windowboxes.h"
#include "app/scrolling.h"
#include "app/wellsettings.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "layout/custchartcfg.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/ui/logview.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "shell/startup.h"
#include "wellfile/activitylog.h"
#include "wellfile/datafile.h"
#include "wellfile/profile.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/wellconfig.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QShowEvent>
#include <QTimerEvent>

#include <utility>

namespace shell {

// The idle render, the keys, the drag-gas function and the exit order.

namespace {
// How often the window looks for an owed render when the event loop has nothing else to do.
constexpr int kIdleMs = 30;
}  // namespace

bool LogWindow::IdleAction(long)
{
    const app::LogState& s = state_;
    if (!s.view.windowReady || !s.view.redrawPending || s.scroll.renderingImage || s.interaction.dataEntryActive ||
        s.interaction.commandLock)
        return false;
    neighbours_.logview->RenderLog(state_);
    state_.view.redrawPending = false;
    return true;
}

void LogWindow::EvKeyDown(int key, bool ctrl)
{
    if (!tools_.memoEdit.isNull())
        return;
    app::InteractionState& i = state_.interaction;
    if (!i.dragGasActive) {
        if (key == Qt::Key_Escape) {
            logView_->HideReadout();
            if (!i.commandLock && !i.dataEntryActive)
                update();
        }
        if (state_.well.file.drilling && state_.engines.driller && state_.engines.driller->Time() && ctrl)
            state_.engines.driller->Time()->KeyDown(key, true);
        switch (key) {
        case Qt::Key_PageUp: EvVScroll(app::SB_PAGEUP, 0, ctrl); break;
        case Qt::Key_PageDown: EvVScroll(app::SB_PAGEDOWN, 0, ctrl); break;
        case Qt::Key_End: EvVScroll(app::SB_BOTTOM, 0, ctrl); break;
        case Qt::Key_Home: EvVScroll(app::SB_TOP, 0, ctrl); break;
        case Qt::Key_Up: EvVScroll(app::SB_LINEUP, 0, ctrl); break;
        case Qt::Key_Down: EvVScroll(app::SB_LINEDOWN, 0, ctrl); break;
        default: break;
        }
        return;
    }

    // A drag is in progress: the keys move the dragged column a row at a time, Enter applies, Escape drops.
    switch (key) {
    case Qt::Key_Escape:
        i.dragGasOffset = 0;
        ApplyDragGas();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: ApplyDragGas(); return;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = key == Qt::Key_Up ? -1 : 1;
        if (!app::MoveDragOffset(i.dragGasOffset, step))
            return;
        i.dragGasRect.top += step * state_.layout.format.pixelsPerStep;
        i.dragGasRect.bottom += step * state_.layout.format.pixelsPerStep;
        InvalidateLog();  // the view draws the column at its new place
        return;
    }
    default: return;
    }
}

void LogWindow::EvChar(int c)
{
    // Control characters never come here: the drilling keys with Control went through EvKeyDown.
    if (state_.well.file.drilling && state_.engines.driller && state_.engines.driller->Time())
        state_.engines.driller->Time()->KeyDown(c, false);
}

void LogWindow::keyPressEvent(QKeyEvent* e)
{
    EvKeyDown(e->key(), e->modifiers().testFlag(Qt::ControlModifier));
    if (!e->text().isEmpty() && e->text()[0].isPrint())
        EvChar(e->text()[0].unicode());
}

void LogWindow::ApplyDragGas()
{
    app::InteractionState& i = state_.interaction;
    i.dragGasActive = false;
    i.dragGasRect = {};
    i.mouse.dragGasBand = false;
    state_.notes.gasFrameStarting = true;  // the next drag-gas frame starts afresh
    bitmaps_->savedAreas[1] = QImage();    // the band's saved screen area
    if (i.dragGasOffset != 0)
        ApplyDragGasShift();
    i.dragGasLength = 0;
    i.dragGasOffset = 0;
    InvalidateLog();
}

void LogWindow::ApplyDragGasShift()
{
    app::LogState& s = state_;
    wellfile::OpenWell& f = s.well.file;
    app::DragShift shift;
    shift.offset = s.interaction.dragGasOffset;
    shift.length = s.interaction.dragGasLength;
    shift.startDepth = DepthAtRow(s.interaction.dragGasStartRow);
    shift.fileTopDepth = f.fileTopDepth;
    shift.fileBottomDepth = f.fileBottomDepth;
    shift.depthStep = f.depthStep;
    const app::DragSpan span = app::DragSpanOf(shift);
    if (span.count <= 0)
        return;  // a drag within 10 units of the bottom is dropped

    std::vector<wellfile::RECORD> records(std::size_t(span.count) + 1);
    const int read = wellfile::ReadRecords(f, records, f.dataFileName, span.firstIndex, span.count);
    if (read <= 0)
        return;
    records.resize(std::size_t(read));
    app::ShiftDraggedGas(shift, span.firstIndex, records);
    wellfile::SaveRecords(f, records, f.dataFileName, span.firstIndex, read);
}

void LogWindow::CmExit() { close(); }

void LogWindow::closeEvent(QCloseEvent* e)
{
    if (closing_) {
        e->accept();
        return;
    }
    if (PreProcessMsg(platform::WM_SYSCOMMAND) || !CanClose()) {
        e->ignore();
        return;
    }
    closing_ = true;
    e->accept();
    emit Closed();
}

namespace {

// The exit line of the activity log.
std::string ExitLine(const app::LogState& s, const QString& companyText)
{
    const QDateTime now = platform::LocalTime();
    const int hour = now.time().hour();
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    const QByteArray file = platform::ToCp1252(s.well.file.dataFileName);
    const QByteArray user = platform::ToCp1252(s.env.userName);
    const QByteArray company = platform::ToCp1252(companyText);
    return platform::CFormat("%s CM EXIT %s at %d ft %d:%02d %s %02d-%02d-%02d %s", file.constData(), user.constData(),
                             s.well.file.fileBottomDepth, hour12, now.time().minute(), hour < 12 ? "AM" : "PM",
                             now.date().month(), now.date().day(), now.date().year() - 2000, company.constData());
}

}  // namespace

bool LogWindow::CanClose()
{
    app::LogState& s = state_;
    wellfile::OpenWell& f = s.well.file;
    const bool wasDrilling = f.drilling;

    // 1.-2. Only drilling asks, and backs up, before it goes.
    if (wasDrilling) {
        if (platform::MessageBox(QStringLiteral("Are you sure you want to exit StratiM?\nClick OK to Exit"),
                                 QStringLiteral("Close Program"), platform::MB_OKCANCEL) != platform::IDOK)
            return false;
        wellServices_.exchange->BackupData(s, 0);
        wellServices_.exchange->BackupWellFiles(s, 0);
        if (platform::Clipboard* clip = platform::services().clipboard)
            clip->Clear();
        if (s.env.logOpenLines) {
            QString company;
            if (auto first = wellfile::ReadFirstRecord(f.dataFileName))
                company = platform::FieldString(first->interpretedLith);
            std::string line = ExitLine(s, company);
            app::WriteActivityLine(s, line);
        }
    }
    // From here on the window is going: a paint still queued makes no tool window again.
    closing_ = true;

    // 3.-4. The single-instance lock, and the compressed copies this process made (no other file).
    if (s.env.instanceLock)
        s.env.instanceLock->Release();
    for (const QString& path : s.sessionFiles.compressedCopies)
        QFile::remove(path);
    s.sessionFiles.compressedCopies.clear();

    // 5. Tool windows.
    DestroyQuickBar();
    CloseGasChart();
    delete tools_.witsChart;

    // 6.-8. Settings, custom tracks, worker threads (asked to stop and joined).
    SaveViewSettings();
    s.customTracks.data.reset();
    s.engines.StopWorkers();

    // 9.-10. Timers and drilling mode; the bottom depth goes into the first record.
    if (!wasDrilling)
        KillTimer(5);
    if (wasDrilling) {
        neighbours_.drilling->CmDrilling(s);
        // Stopping drilling notes it stopped; the well was left while drilling, and comes back so.
        app::UpdateWellConfig(s, [](wellfile::WellConfig& cfg) {
            cfg.drillingAtExit = 1;
            return true;
        });
        if (s.well.writeBottomToFirstRecord) {
            if (auto first = wellfile::ReadFirstRecord(f.dataFileName)) {
                first->bottomDepth = f.fileBottomDepth;
                wellfile::WriteFirstRecord(*first, f.dataFileName);  // reports its own failure
            } else {
                platform::MessageBox(f.dataFileName, QStringLiteral("File Error In Read Records"), platform::MB_OK);
            }
        }
    }
    KillTimer(3);
    s.view.windowReady = false;

    // 12. Window placement (not of a minimised window) and, always, the last file.
    SaveWindowPlacement();

    // 13. Child windows.
    delete tools_.readoutA;
    delete tools_.readoutB;
    delete tools_.elogReadout;
    CloseHorizontalView();
    // Every window beside the log goes with it (the drilling status box, the live gas and WITS windows):
    // none may stay on the screen once the log is gone.
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isWindow())
            w->hide();
    return true;
}

void LogWindow::SaveWindowPlacement()
{
    const wellfile::OpenWell& f = state_.well.file;
    const app::LogState& s = state_;
    if (!isMinimized() && !f.dataFileName.isEmpty()) {
        const QRect g = geometry();
        wellfile::WindowPlacement p;
        p.left = g.left();
        p.top = g.top();
        p.right = g.left() + g.width();
        p.bottom = g.top() + g.height();
        p.maximised = isMaximized();
        p.unitColumnWidth = s.layout.format.trackUnit;
        p.rowHeight = s.layout.format.pixelsPerStep;
        p.gasTrackRight = s.layout.format.gasRight;
        if (!wellfile::SaveWindowPos(platform::DocumentsFolder(), p, f.dataFileName, false))
            platform::MessageBox(QStringLiteral("startupM.ini"), QStringLiteral("File Error"), platform::MB_OK);
    }
    if (!f.dataFileName.isEmpty() && !wellfile::SaveIni(f.dataFolder, app::ReopenPath(s.well)))
        platform::MessageBox(QStringLiteral("StrativM.ini"), QStringLiteral("File Error"), platform::MB_OK);
}

void LogWindow::SaveViewSettings()
{
    app::LogState& s = state_;
    const std::optional<wellfile::WellConfig> saved = app::UpdateWellConfig(s, [this, &s](wellfile::WellConfig& cfg) {
        const int profile = s.well.loggerId;
        if (wellfile::SandShaleProfile(profile))
            cfg.sandShaleOnly = s.well.config.sandShaleOnly;
        cfg.viewTopDepth = s.well.file.viewTopDepth;
        cfg.drillingAtExit = s.well.scratchWell ? 0 : std::uint8_t(s.well.file.drilling);
        if (s.well.file.drilling)
            cfg.drillingSetting = s.well.config.drillingSetting;
        cfg.customTracksEnabled = s.well.customTracksEnabled ? 1 : 0;
        cfg.rateUnitPerHour = s.view.rateInMetresPerHour;
        if (!isMinimized()) {
            const QRect g = geometry();
            const int screenW = s.env.screenWidth, screenH = s.env.screenHeight;
            cfg.windowLeft = g.left() < 1 ? 10 : g.left();
            cfg.windowTop = g.top() < 1 ? 10 : g.top();
            int w = g.width(), h = g.height();
            // An unknown screen size (0) gives no upper limit.
            if (w < 100 || (screenW > 0 && w > screenW - 10))
                w = screenW > 0 ? screenW - 10 : 100;
            if (h < 100 || (screenH > 0 && h > screenH - 10))
                h = screenH > 0 ? screenH - 10 : 100;
            cfg.windowWidth = w;
            cfg.windowHeight = h;
        }
        return true;
    });
    if (saved)
        s.well.config = *saved;
}

void LogWindow::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!idleTimerId_) {
        idleTimerId_ = startTimer(kIdleMs);
        // The first show: the start-up's word on a run that ended without closing comes above the window,
        // then the boxes of the work done before it.
        QMetaObject::invokeMethod(this, [this] {
            shell::TellUnclosedDrilling(state_);
            app::WindowShown(state_.env);
        }, Qt::QueuedConnection);
    }
}

void LogWindow::timerEvent(QTimerEvent* e)
{
    if (e->timerId() == idleTimerId_)
        IdleAction(0);
    else
        QMainWindow::timerEvent(e);
}

}  // namespace shell
