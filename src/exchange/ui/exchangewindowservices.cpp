#include "exchange/ui/exchangewindowservices.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "app/wellsettings.h"
#include "drilling/driller.h"
#include "exchange/backups.h"
#include "exchange/liveupdate.h"
#include "exchange/sendfile.h"
#include "exchange/ui/backupdlg.h"
#include "exchange/ui/liveupdatedlg.h"
#include "exchange/ui/remotesetupdlg.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "wellfile/datesuffix.h"
#include "wellfile/sidefiles_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>

#include <functional>
#include "wellfile/wellconfig.h"

namespace exchange {

namespace {

// Changes the well's stored settings (the settings in force when it has none yet) and the window's copy.
void StoreInWellConfig(app::LogState& log, const std::function<void(wellfile::WellConfig&)>& change)
{
    const wellfile::WellPlace place = app::PlaceOf(log);
    wellfile::WellConfig stored{};
    if (!wellfile::LoadConfig(stored, place, log.well.fieldSettings))
        stored = log.well.config;
    change(stored);
    change(log.well.config);
    wellfile::SaveConfig(stored, place, log.well.fieldSettings);
}

}  // namespace

ExchangeWindowServices::ExchangeWindowServices(QWidget* window, ExchangeServices& inner)
    : window_(window), inner_(inner)
{
}

void ExchangeWindowServices::CmLiveUpdateConfig(app::LogState& log)
{
    const wellfile::WellPlace place = app::PlaceOf(log);
    wellfile::WellConfig config{};
    if (!wellfile::LoadConfig(config, place, log.well.fieldSettings))
        config = log.well.config;  // no file yet: the settings in force
    const auto publish = [&log](bool on, bool wits) {
        wellfile::OpenWell& well = log.well.file;
        well.copyOut = on;
        well.liveUpdate = on;
        log.well.config.copyOptions.copyOut = on ? 1 : 0;
        if (!on)
            return QString();
        wellfile::MakeDateSuffix(log.now);  // a fresh reading of the clock
        PublishWell(well.dataFolder, well.wellName, log.env.sharedFolder, wits, log.now.date());
        return PublishedText(log.env.sharedFolder);
    };
    LUCFGDLG dialog(window_, config, log.well.loggerId, log.engineStatus.gasInstrumentType, publish);
    dialog.Execute();
    // The window takes the block first: the record's own save is published only with live update on.
    log.well.config.copyOptions = config.copyOptions;
    log.well.config.copyOptions.liveUpdateInterval = 2;
    log.well.file.copyOut = config.copyOptions.copyOut != 0;
    log.well.file.liveUpdate = log.well.file.copyOut;
    app::SaveWellConfig(log, config);  // a record that cannot be written is said
}

int ExchangeWindowServices::BackupToDrive(app::LogState& log, int flag)
{
    return exchange::BackupToDrive(log.well, BackupLinksOf(log), flag, [this](BackupChoice& choice) {
        BackupDlg dialog(window_, choice);
        return dialog.Execute() == platform::IDOK;
    });
}

void ExchangeWindowServices::CmSendFile(app::LogState& log) { SendFile(log, {StatusBarText()}); }

int ExchangeWindowServices::BuildUpdatePackage(app::LogState& log, int mode)
{
    return exchange::BuildUpdatePackage(PackageStateOf(log), mode, StatusBarText());
}

StatusText ExchangeWindowServices::StatusBarText() const
{
    return [window = window_](const QString& text) {
        if (auto* main = qobject_cast<QMainWindow*>(window.data()))
            main->statusBar()->showMessage(text);
    };
}

void ExchangeWindowServices::CmLiveUsers(app::LogState&)
{
    LIVEUSERDLG dialog(window_, UsersRoot());
    dialog.Execute();
}

void ExchangeWindowServices::CmRemoteSetup(app::LogState& log)
{
    const QString refused = QStringLiteral("Remote Monitor can only be enabled with the\nfirst instance of StrativM");
    if (!log.env.firstInstance) {
        platform::MessageBox(refused, QStringLiteral("ERROR"), platform::MB_OK);
        return;
    }
    wellfile::OpenWell& well = log.well.file;
    const bool drilling = well.drilling;
    wellfile::RemoteConfig config;
    wellfile::LoadDownloadConfig(well.dataFolder, config);
    RemoteSetupFields fields = SetupFieldsOf(config, drilling, well.dataFolder);

    RemoteSetupDlg::Hooks hooks;
    hooks.updateNow = [this, &log](const RemoteSetupFields& shown) { UpdateNow(log, shown); };
    hooks.witsUpdate = [&log](bool on) {
        StoreInWellConfig(log, [on](wellfile::WellConfig& c) { c.witsUpdate = on ? 1 : 0; });
    };
    hooks.proposedFile = [&well] { return platform::JoinPath(well.currentFolder, well.wellName + QStringLiteral(".svm")); };
    const RemoteSetupMode mode = drilling ? RemoteSetupMode::WebUpdate : RemoteSetupMode::Office;
    RemoteSetupDlg dialog(window_, fields, mode, log.well.loggerId == 134, log.well.config.witsUpdate != 0, hooks);
    if (dialog.Execute() != platform::IDOK)
        return;

    StoreSetupFields(config, fields, drilling);
    if (drilling) {
        // The box is the station's update-package option: the five-minute package of timer 3 follows it
        // as the drilling step does, and the well's settings keep it for the next drilling start.
        log.drilling.updatePackageOption = config.updatePackage;
        StoreInWellConfig(log, [&config](wellfile::WellConfig& c) { c.remoteSetting = config.updatePackage; });
    }
    if (drilling && log.engines.driller) {
        drilling::DrillerSetup setup = log.engines.driller->Setup();
        setup.updatePackageInterval = config.interval;
        setup.updatePackageOn = config.updatePackage != 0 ? 1 : 0;
        log.engines.driller->SetSetup(setup);
    }
    const QString receive = wellfile::RemoteFolder(platform::FieldString(config.receiveFolder));
    if (!receive.isEmpty())
        log.env.remoteReceiveFolder = receive;
    log.view.Invalidate();
    if (!wellfile::SaveRemoteConfig(well.dataFolder, config))
        platform::MessageBox(platform::JoinPath(well.dataFolder, QStringLiteral("svdlcfg.cfg")),
                             QStringLiteral("File Error"), platform::MB_OK);
    if (log.env.remoteMonitorOn && log.timers)
        log.timers->SetTimer(1, int(std::min<std::int64_t>(std::int64_t(config.interval) * 1000, INT32_MAX)));
    if (!receive.isEmpty() && !QFileInfo(receive).isDir())
        OfferToMakeReceiveFolder(receive);
}

void ExchangeWindowServices::UpdateNow(app::LogState& log, const RemoteSetupFields& shown)
{
    const QString caption = QStringLiteral("Update Now");
    const QString destination = wellfile::RemoteFolder(shown.destinationFolder);
    QString why;
    if (!shown.copy)
        why = QStringLiteral("\"Copy Files To Destination\" is not ticked.");
    else if (destination.isEmpty())
        why = QStringLiteral("No destination folder is chosen.");
    else if (!QFileInfo(destination).isDir())
        why = QStringLiteral("The destination folder %1 cannot be found.").arg(destination);
    if (!why.isEmpty()) {
        platform::MessageBox(QStringLiteral("No update file was sent.\n") + why, caption, platform::MB_OK);
        return;
    }
    if (!BuildUpdatePackageTo(PackageStateOf(log), 1, StatusBarText(), destination))
        platform::MessageBox(QStringLiteral("No update file was sent: it could not be made (see download.txt)."),
                             caption, platform::MB_OK);
}

void ExchangeWindowServices::OfferToMakeReceiveFolder(const QString& receive)
{
    const QString caption = QStringLiteral("Remote Monitor");
    const QString ask = QStringLiteral("The receive folder %1 does not exist.\nMake it now?").arg(receive);
    if (platform::MessageBox(ask, caption, platform::MB_YESNO) != platform::IDYES)
        return;
    // Only the folder itself: a missing parent is a share that is away, not a folder to make here.
    if (!QDir().mkdir(receive))
        platform::MessageBox(QStringLiteral("%1 could not be made: its parent folder is missing or cannot be written.")
                                 .arg(receive),
                             caption, platform::MB_OK);
}

}  // namespace exchange
