#pragma once
// Archives, backups, send packages and the remote exchange. What the main window asks of this subsystem.
// Until the subsystem is built, the default services say so on stderr (commands also beep).
namespace app {
struct LogState;
}

namespace exchange {

class ExchangeServices {
public:
    virtual ~ExchangeServices() = default;
    // Command 51934: restore a well.
    virtual void CmRestore(app::LogState& log) = 0;
    // Command 51707: send package.
    virtual void CmSendFile(app::LogState& log) = 0;
    // Commands 51701 and 51901: remote monitor and remote update set-up.
    virtual void CmRemoteSetup(app::LogState& log) = 0;
    // Command 51944: live-update set-up.
    virtual void CmLiveUpdateConfig(app::LogState& log) = 0;
    // Command 51946: the live-user dialog, run modally.
    virtual void CmLiveUsers(app::LogState& log) = 0;
    // Reloads a data file that was updated elsewhere (records, memos, pictures, caption); the window's
    // first paint asks for it once.
    virtual void RefreshRemoteFile(app::LogState& log);
    // Backs the data file up to a drive the user chooses (the backup command of drilling mode); non-zero
    // when a backup was made.
    virtual int BackupToDrive(app::LogState& log, int flag);
};

// The services in force for this subsystem.
ExchangeServices& DefaultExchangeServices();

}  // namespace exchange
