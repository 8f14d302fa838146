#pragma once
// The exchange services of a main window: the live-update and live-user dialogs, parented to the window;
// everything else goes to the services it wraps.
#include "exchange/exchange_services.h"
#include "exchange/remotemonitor.h"
#include "exchange/sendfile.h"

#include <QPointer>
#include <QWidget>

namespace exchange {

class ExchangeWindowServices final : public ExchangeServices {
public:
    ExchangeWindowServices(QWidget* window, ExchangeServices& inner);

    // Reads the well's settings, runs the live-update dialog on them and saves them whichever button
    // closed it; the window takes the copy options with an interval of 2.
    void CmLiveUpdateConfig(app::LogState& log) override;
    void CmLiveUsers(app::LogState& log) override;

    void CmRestore(app::LogState& log) override { inner_.CmRestore(log); }
    // Send File and the update package: a package run nobody watches tells of a failure in the window's
    // status bar, never in a box.
    void CmSendFile(app::LogState& log) override;
    int BuildUpdatePackage(app::LogState& log, int mode) override;
    // Commands 51701 and 51901: the remote monitor set-up (office) or the update-package set-up (drilling),
    // saved in "svdlcfg.cfg"; a running monitor polls at the new interval.
    void CmRemoteSetup(app::LogState& log) override;
    void RefreshRemoteFile(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog) override
    {
        inner_.RefreshRemoteFile(log, services, elog);
    }
    // The drive backup with the "Backup" dialog parented to the window.
    int BackupToDrive(app::LogState& log, int flag) override;
    void ArchiveHText(app::LogState& log) override { inner_.ArchiveHText(log); }
    int ArchiveFiles(app::LogState& log, const app::WellServices& services, const wellfile::NewFileInfo& info,
                     const wellfile::WellConfig& config) override
    {
        return inner_.ArchiveFiles(log, services, info, config);
    }
    int OpenWellFiles(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog,
                      const wellfile::NewFileInfo& info, const wellfile::WellConfig& config) override
    {
        return inner_.OpenWellFiles(log, services, elog, info, config);
    }

private:
    exchange::StatusText StatusBarText() const;
    // "Update Now" of the set-up: a package to the destination the dialog shows, or why none was sent.
    void UpdateNow(app::LogState& log, const RemoteSetupFields& shown);
    // Asks before making a missing receive folder, and never makes its parents.
    static void OfferToMakeReceiveFolder(const QString& receive);

    QPointer<QWidget> window_;
    ExchangeServices& inner_;
};

}  // namespace exchange
