#pragma once
// Archives, backups, send packages and the remote exchange. What the main window asks of this subsystem,
// and the handlers that take the window's state and hand each piece of work the groups it works on.
// Until the subsystem is built, the default services say so on stderr (commands also beep).
#include "exchange/sendfile.h"

namespace app {
struct LogState;
struct WellServices;
class ExchangeWellServices;
}
namespace elog { class ElogServices; }
namespace wellfile {
struct NewFileInfo;
struct WellConfig;
}

namespace exchange {

struct BackupLinks;

class ExchangeServices {
public:
    virtual ~ExchangeServices() = default;
    // Command 51934: restore the data file from a backup (exchange/restore.h).
    virtual void CmRestore(app::LogState& log) = 0;
    // Command 51707: the send package (exchange/sendfile.h).
    virtual void CmSendFile(app::LogState& log) = 0;
    // The update package (timer 3, the drilling step, "Update Now"): 1 when one was made.
    virtual int BuildUpdatePackage(app::LogState& log, int mode);
    // Commands 51701 and 51901: remote monitor and remote update set-up.
    virtual void CmRemoteSetup(app::LogState& log) = 0;
    // Command 51944: live-update set-up.
    virtual void CmLiveUpdateConfig(app::LogState& log) = 0;
    // Command 51946: the live-user dialog, run modally.
    virtual void CmLiveUsers(app::LogState& log) = 0;
    // Reloads a data file that was updated elsewhere (records, memos, caption) and keeps the shared
    // folder tidy (exchange/remoterefresh.h); timer 5 and the window's first paint ask for it.
    virtual void RefreshRemoteFile(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog);
    // Backs the data file up to a drive the user chooses (the backup command of drilling mode); non-zero
    // when a backup was made.
    virtual int BackupToDrive(app::LogState& log, int flag);
    // Archives the well at total depth (exchange/archive.h) and puts its pictures into "sendfile/" for
    // the next package; the Archive command calls it after the send-file routine has packed the well.
    virtual void ArchiveHText(app::LogState& log);

    // A new well from the new-file dialog: the old well archived and cleared away, the new data file and
    // settings written and opened in drilling mode (exchange/newwell.h). 1 done; 0 after a message, with
    // the open well kept.
    virtual int ArchiveFiles(app::LogState& log, const app::WellServices& services, const wellfile::NewFileInfo& info,
                             const wellfile::WellConfig& config);
    // The plug-back well: the open well's file set copied to the new name, cut at the kick-off depth with
    // its pictures, reports, shows and curves, and opened in drilling mode (exchange/plugback.h); the
    // open well's files stay as they are. 1 done; 0 after a message.
    virtual int OpenWellFiles(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog,
                              const wellfile::NewFileInfo& info, const wellfile::WellConfig& config);
};

// The services in force for this subsystem.
ExchangeServices& DefaultExchangeServices();

// The exchange services of the open well that this subsystem gives: the start-up's archiving of
// today's loose ".cht" and ".wit" under the date of the window's clock record, its copies of the well's
// file set out of the folder of the open file, and the remote monitor's look into the receive folder.
// The window installs it.
app::ExchangeWellServices& WellExchangeServices();

// What a package run works on, taken from the window's state.
PackageState PackageStateOf(app::LogState& log);
// What the drive backup's dialog shows of the engines.
BackupLinks BackupLinksOf(const app::LogState& log);

// Command 51707 (and the Archive command in archive mode): a beep while a view function or data entry
// runs; else the pictures sent along when the set-up asks for it and exchange::SendWellFile.
void SendFile(app::LogState& log, const SendFileHooks& hooks = {});

}  // namespace exchange
