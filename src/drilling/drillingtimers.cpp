// The main window's timers: the drilling tick (2), the gas monitor or remote poll (1), the WITS links
// (4, 8), the package and copies while drilling (3), the reload of a file updated elsewhere (5), and the
// pictures and PDF hand-over (9).
#include "app/logstate.h"
#include "app/wellservices.h"
#include "drilling/driller.h"
#include "drilling/drillingcommands.h"
#include "drilling/logtime.h"
#include "drilling/strokes.h"
#include "gasmon/gasmon_services.h"
#include "platform/folders.h"
#include "platform/gameport.h"
#include "platform/services.h"
#include "wellfile/wholefile.h"
#include "wits/wits_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace drilling {

namespace {

constexpr int kSwitchPollTicks = 20;  // 4 s
constexpr int kRecaptureTicks = 50;   // 10 s

bool Listed(const std::vector<QString>& files, const QString& path)
{
    return std::find(files.begin(), files.end(), path) != files.end();
}

void Unlist(std::vector<QString>& files, const QString& path) { std::erase(files, path); }

// Moves `from` to `to`, replacing it; across file systems by a whole copy first.
bool MoveReplacing(const QString& from, const QString& to)
{
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), ec);
    if (!ec)
        return true;
    return wellfile::CopyFileReplacing(from, to) && QFile::remove(from);
}

// One PDF of the hand-over: moved to `target` when asked for (the flag is cleared once it has gone);
// else removed, but only when this process wrote it.
void HandOver(app::LogState& log, const QString& path, bool& flag, const QString& target)
{
    std::vector<QString>& ours = log.sessionFiles.handOverPdfs;
    if (!flag) {
        if (Listed(ours, path) && QFileInfo::exists(path) && QFile::remove(path))
            Unlist(ours, path);
        return;
    }
    if (!QFileInfo::exists(path) || target.isEmpty())
        return;
    if (MoveReplacing(path, target)) {
        flag = false;
        Unlist(ours, path);
    }
}

}  // namespace

void DrillingCommands::EvTimer(app::LogState& log, int id)
{
    if (!log.well.fileOpened)
        return;  // still starting up
    switch (id) {
    case 1:
        if (links_.Gas().MonitorRunning(log))
            links_.Gas().Poll(log);
        else if (log.env.remoteMonitorOn)
            wellServices_.exchange->PollReceiveDir(log, wellServices_);
        break;
    case 2:
        if (Driller* d = log.engines.driller)
            DrillingTick(log, *d);
        break;
    case 3: Timer3(log); break;
    case 4:
        if (links_.Wits().LinkRunning(log))
            links_.Wits().LinkTimer(log);
        break;
    case 5:
        if (!log.well.file.drilling && !log.print.printingLog)
            links_.RefreshRemoteFile(log);
        break;
    case 8:
        if (links_.Wits().CustomLinkRunning(log))
            links_.Wits().CustomLinkOutput(log);
        break;
    case 9: PicturesAndPdfs(log); break;
    default: break;  // 7 (the UDP gas interface's) and any other have no work here
    }
}

void DrillingCommands::DrillingTick(app::LogState& log, Driller& d)
{
    const std::int32_t tick = d.CountTick();
    if (STROKES* strokes = d.Strokes())
        strokes->Tick();
    if (log.drilling.polledKind && !d.Setup().depthFromWits && tick % kSwitchPollTicks == 0)
        JoyButtonsToBottom(log, ReadJoystickButtons(log));
    // A box unplugged and plugged back is opened again.
    if (tick % kRecaptureTicks == 0)
        if (platform::GamePort* port = platform::services().gamePort)
            port->SetCapture(log.window);
    if (!d.Time())
        return;
    d.Time()->Tick();
    if (d.StepWaiting())
        d.Update();
}

void DrillingCommands::Timer3(app::LogState& log)
{
    if (!log.well.file.drilling || log.drilling.holdButtons || log.print.printingLog)
        return;
    if (++timer3Count_ < kTimer3Ticks)
        return;
    timer3Count_ = 0;
    Driller* d = log.engines.driller;
    if (!d)
        return;
    if (log.drilling.updatePackageOption && d->Time() && d->Time()->offBottom)
        d->Host().Files().BuildUpdatePackage();
    if (log.well.file.copyOut && log.drilling.timedCopy) {
        d->Host().Files().CopyWellFileOut(QStringLiteral(".svm"));
        if (log.drilling.timedCustomCopy)
            d->Host().Files().CopyWellFileOut(QStringLiteral(".svx"));
    }
}

void DrillingCommands::PicturesAndPdfs(app::LogState& log)
{
    const wellfile::OpenWell& f = log.well.file;
    log.now = platform::LocalTime();
    // Name filters match without regard to case: "*.JPG" from a camera is a picture too.
    if (!QDir(f.currentFolder).entryList({QStringLiteral("*.jpg")}, QDir::Files).isEmpty()) {
        wellServices_.view->ImportNewImages(log, f.wellName);
        wellServices_.view->LoadImageList(log);
        wellServices_.window->Invalidate(log);
    }

    app::DrillingShell& ds = log.drilling;
    HandOver(log, platform::JoinPath(f.dataFolder, QStringLiteral("StrativM.pdf")), ds.pdfHandOver, ds.pdfTarget);
    if (!ds.secondPdfName.isEmpty()) {
        const QString name = ds.secondPdfName + QStringLiteral(".pdf");
        const QString target = platform::JoinPath(log.env.installFolder + QStringLiteral("sendfile/"), name);
        HandOver(log, platform::JoinPath(f.dataFolder, name), ds.secondPdfHandOver, target);
    }
}

}  // namespace drilling
