// The drilling command: its checks, switching drilling mode on and off, and the save of the well's
// settings that ends both ways.
#include "drilling/drillingcommands.h"

#include "app/logstate.h"
#include "app/nowindow.h"
#include "app/opendatafile.h"
#include "app/wellservices.h"
#include "app/wellsettings.h"
#include "drilling/driller.h"
#include "drilling/drillingstate.h"
#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "drilling/pumpstrokes.h"
#include "drilling/strokes.h"
#include "gasmon/gasmon_services.h"
#include "gasmon/gasmoncfg.h"
#include "layout/custchartcfg.h"
#include "platform/folders.h"
#include "platform/gameport.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/wholefile.h"
#include "wits/wits_services.h"
#include "wits/witsalarmhost.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cstring>

namespace drilling {

namespace {

const QString kTvdRefusal = QStringLiteral("Drilling can not be enabled in a TVD file");
const QString kOutsideDataFolder =
    QStringLiteral(" is located outside the StrativM directory.\n\r Drilling can not be enabled for this file.\n\r "
                   "Select FILE..OPEN and open file from the StrativM\n\r directory");
const QString kSecondCopy = QStringLiteral(
    "One or more copies of StrativM is already running.\nOnly the FIRST COPY OPENED will allow drilling to be \n"
    "enabled. Close all StrativM programs now running, then\nstart StrativM again and drilling mode will be "
    "available\n");

const QString kLagByStrokes =
    QStringLiteral("Setup Lag data in Lag Calculator when Using Strokes\nSETUP...LAG CALCULATOR");
constexpr double kMaxLagMinutes = 500;

// A log image being rendered or built holds the window.
bool Busy(const app::LogState& log)
{
    return log.scroll.renderingImage || log.scroll.imageRender || log.view.imageBuild;
}

// The last full backup depth must lie within the file: else it is the bottom depth.
std::int32_t ClampedBackupDepth(std::int32_t depth, const wellfile::OpenWell& f)
{
    return depth > f.fileBottomDepth || depth < f.fileTopDepth ? f.fileBottomDepth : depth;
}

// The profiles that keep their own display option at byte 60; every other one shows it.
bool KeepsDisplayOption(int profile) { return profile == 12 || profile == 1 || profile == 80; }

platform::GamePort* Port() { return platform::services().gamePort; }

}  // namespace

DrillingCommands::DrillingCommands(const OtherLinks& links, const app::WellServices& wellServices)
    : links_(links), wellServices_(wellServices)
{
}

DrillingCommands::~DrillingCommands() = default;

void DrillingCommands::CmLagTime(app::LogState& log)
{
    Driller* d = log.engines.driller;
    if (!d || !d->Time())
        return;
    if (Busy(log)) {
        platform::MessageBeep(0);
        return;
    }
    if (d->Strokes()) {
        platform::MessageBox(kLagByStrokes, QString());
        return;
    }
    for (;;) {
        const std::optional<QString> answer = platform::services().prompter->InputBox(
            QStringLiteral("Enter new lag time"), QStringLiteral("Lag Time"), QString(), 10);
        if (!answer)
            return;
        bool number = false;
        const double minutes = QLocale::c().toDouble(answer->trimmed(), &number);
        if (number && minutes >= 0 && minutes <= kMaxLagMinutes) {  // a text that is no number is refused
            d->ChangeLagTime(float(minutes));
            return;
        }
        platform::MessageBox(QStringLiteral("Value Out Of Range (Max=500 Min.)"), QStringLiteral("ERROR"));
    }
}

void DrillingCommands::PumpsOn(app::LogState& log)
{
    Driller* d = log.engines.driller;
    if (Busy(log) || !d || !d->Time()) {
        platform::MessageBeep(0);
        return;
    }
    wellfile::LagRecord lag = d->Lag();
    lag.allPumps = 1;
    d->SetLag(lag);
    const bool link = links_.Wits().LinkRunning(log);
    const auto running = [&log](int p) { return log.engines.pumpThreads[std::size_t(p)].joinable(); };
    LogTime& time = *d->Time();
    if (!time.strokes) {
        // With a link the pump threads count the strokes; without one the depth box's contacts do.
        d->SetLagByStrokesFromWits(link || links_.Wits().CustomLinkRunning(log));
        time.SetStrokes(true);
        if (link)
            for (int p = 0; p < kPumpCount; ++p)
                if (!running(p))
                    TogglePumpThread(log, p);
        time.strokes->ClearBox();
    } else {
        if (d->Setup().lagByStrokesFromWits && link)
            for (int p = 0; p < kPumpCount; ++p)
                if (running(p))
                    TogglePumpThread(log, p);
        time.SetStrokes(false);
        d->LoadLagRecords(0);
    }
    wellServices_.window->Invalidate(log);
}

wellfile::PumpStrokeState DrillingCommands::PumpStrokeStateOf(app::LogState& log)
{
    wellfile::PumpStrokeState pumps;
    Driller* d = log.engines.driller;
    if (!d)
        return pumps;
    pumps.takeLag = [d](const wellfile::LagRecord& lag) { d->SetLag(lag); };
    STROKES* strokes = d->Strokes();
    pumps.strokeCounting = strokes != nullptr;
    pumps.strokeSourceConfigured = d->Setup().lagByStrokesFromWits != 0 && links_.Wits().LinkRunning(log);
    for (std::size_t p = 0; p < std::size_t(kPumpCount); ++p)
        pumps.threadRunning[p] = log.engines.pumpThreads[p].joinable();
    pumps.togglePump = [&log](int pump) { return TogglePumpThread(log, pump); };
    if (strokes)
        pumps.strokesTakeSettings = [strokes] {
            strokes->ApplyLagSettings();
            strokes->ClearBox();
        };
    return pumps;
}
LagCalcHost DrillingCommands::LagCalcHostOf(app::LogState& log)
{
    LagCalcHost host;
    Driller* d = log.engines.driller;
    if (!d)
        return host;
    host.driller = d;
    host.profile = log.well.loggerId;
    host.metric = d->Window().metric;
    host.bottomDepth = log.well.file.fileBottomDepth;
    host.witsLinkRunning = links_.Wits().LinkRunning(log);
    host.customLinkRunning = links_.Wits().CustomLinkRunning(log);
    // The custom link's strokes setting is the well's lag-by-strokes-from-WITS switch, as drilling holds it.
    host.customLinkPumps = d->Setup().lagByStrokesFromWits != 0;
    if (log.well.customTracksEnabled && log.customTracks.data)
        host.customLag = &log.customTracks.data->lagSettings;
    const wellfile::WellPlace place = app::PlaceOf(log);
    host.lagPath = wellfile::LagFilePath(place);
    host.loadLag = [place](wellfile::LagRecord& lag) { return wellfile::LoadLag(lag, place) != 0; };
    host.saveLag = [this, &log, place](const wellfile::LagRecord& lag) {
        wellfile::PumpStrokeState pumps = PumpStrokeStateOf(log);
        return wellfile::SaveLag(lag, place, platform::FieldText(log.well.config.backupDrive), pumps) != 0;
    };
    host.pumpsOn = [this, &log] { PumpsOn(log); };
    return host;
}

void DrillingCommands::RunLagCalculator(app::LogState& log)
{
    Driller* d = log.engines.driller;
    if (!d || !d->Time() || Busy(log)) {
        platform::MessageBeep(0);
        return;
    }
    if (!runLagCalculator) {
        app::NoWindowCommand("drilling", "LagCalcDlg");
        return;
    }
    runLagCalculator(LagCalcHostOf(log));
}

void DrillingCommands::CmBackupReminder(app::LogState& log)
{
    // The reminder on demand names the last full backup, as a failed backup does; outside drilling there is none.
    Driller* d = log.engines.driller;
    if (!d) {
        platform::MessageBeep(0);
        return;
    }
    d->Host().Notes().ShowBackupReminder(d->Records().lastFullBackupDepth);
}

void DrillingCommands::CmDrilling(app::LogState& log)
{
    wellfile::OpenWell& f = log.well.file;
    if (f.wellName.startsWith(u'~')) {
        platform::MessageBox(kTvdRefusal, QStringLiteral("Mode Error"));
        return;
    }
    if (QString::compare(f.currentFolder, f.dataFolder, Qt::CaseInsensitive) != 0) {
        platform::MessageBox(f.dataFileName + u' ' + kOutsideDataFolder, QStringLiteral("Invalid file location"));
        return;
    }
    if (Busy(log)) {
        platform::MessageBeep(0);
        return;
    }
    if (log.well.tvdFile) {
        platform::MessageBox(kTvdRefusal, QString());
        // A flag left set without a driller is cleared; a running driller is never cut off half-way.
        if (!log.engines.driller)
            f.drilling = false;
        return;
    }
    if (log.env.firstInstance != 1) {
        platform::MessageBox(kSecondCopy, QString());
        return;
    }

    wellfile::WellConfig config{};
    wellfile::LoadConfig(config, app::PlaceOf(log), log.well.fieldSettings);
    if (config.gasInstrumentType >= 0)
        log.engineStatus.gasInstrumentType = config.gasInstrumentType;

    if (!f.drilling)
        SwitchOn(log, config);
    else
        SwitchOff(log, config);

    if (log.well.fileOpened) {
        log.view.redrawPending = true;
        wellServices_.window->Invalidate(log);
    }
    log.drilling.lastFullBackupDepth = ClampedBackupDepth(log.drilling.lastFullBackupDepth, f);
    config.drillingSetting = log.drilling.lastFullBackupDepth;
    config.drillingSetting3370 = log.drilling.optionWord;
    // Kept as it is now, not only at a clean exit: a run that is killed comes back as it was.
    config.drillingAtExit = f.drilling ? 1 : 0;
    if (app::SaveWellConfig(log, config))
        log.well.config = config;
}

void DrillingCommands::SwitchOn(app::LogState& log, wellfile::WellConfig& config)
{
    wellfile::OpenWell& f = log.well.file;
    // A box that cannot be captured leaves drilling on without depth pulses (WITS, keys, automatic).
    if (platform::GamePort* port = Port())
        port->SetCapture(log.window);

    if (log.drilling.layoutReset) {
        log.drilling.layoutReset = false;
        wellServices_.view->SetLogFormat(log, log.well.loggerId);
        wellServices_.view->BuildGridBitmaps(log);
        if (!log.well.elogFileName.isEmpty())
            wellServices_.view->LoadElog(log, log.well.elogFileName);
        wellServices_.view->ApplyScheme(log, log.layout.schemes.currentScheme);
    }

    if (!log.engines.driller) {
        host_ = std::make_unique<DrillingHost>(log, peers);
        driller_ = std::make_unique<Driller>(*host_, wits::MakeWitsAlarmHost(log));
        AttachDriller(log, driller_.get());
    }
    Driller& d = *log.engines.driller;
    DrillerSteps steps = d.Steps();
    steps.halfStepToggle = log.drilling.halfStepToggle;
    d.SetSteps(steps);
    d.Start(config);
    if (LogAlarm* alarms = d.Alarms())
        alarms->host = AlarmHostOf(log);

    f.drilling = true;
    log.drilling.polledKind = true;
    log.view.viewLayout = false;
    // The header band takes its drilling height now, as it does when a well is opened in drilling mode;
    // the rows move with it, so nothing of the office layout may stay on the window.
    if (log.well.fileOpened) {
        wellServices_.view->SetLogFormat(log, log.well.loggerId);
        wellServices_.view->BuildGridBitmaps(log);
        log.view.eraseOwed = true;
    }

    log.options.hotwire = KeepsDisplayOption(log.well.loggerId) ? config.hotwire != 0 : true;
    log.drilling.counter4690 = config.drillingSetting4690;
    log.drilling.backupStartDepth = f.fileBottomDepth;
    log.drilling.lastFullBackupDepth = ClampedBackupDepth(config.drillingSetting, f);
    DrillerRecords records = d.Records();
    records.lastFullBackupDepth = log.drilling.lastFullBackupDepth;
    d.SetRecords(records);
    log.drilling.optionWord = config.drillingSetting3370;
    log.drilling.updatePackageOption = config.remoteSetting;
    DrillerSetup setup = d.Setup();
    setup.noSlideMarking = config.disableAutoSlide;
    d.SetSetup(setup);
    if (config.gasInstrumentType >= 0)
        log.engineStatus.gasInstrumentType = config.gasInstrumentType;
    wellServices_.window->LoadRemoteConfig(log);

    // The links that were on when drilling last stopped come back (a running one is left running).
    if (config.gasMonitorOn && !links_.Gas().MonitorRunning(log))
        links_.Gas().CmGasMonitor(log);
    if (config.witsLinkOn && !links_.Wits().LinkRunning(log))
        links_.Wits().CmWits(log);
    if (config.customWitsOn && !links_.Wits().CustomLinkRunning(log))
        links_.Wits().CmCustomWits(log);

    if (log.well.fileOpened) {
        log.env.remoteMonitorOn = false;
        wellServices_.window->AssignMenu(log, 3);
        wellServices_.window->BuildMenu(log, -1);
    }
    if (log.timers) {
        log.timers->KillTimer(5);
        log.timers->SetTimer(2, 200);
        log.timers->SetTimer(9, 10000);
    }
    if (!d.Setup().depthFromWits)
        JoyButtonsToBottom(log, ReadJoystickButtons(log));
}

void DrillingCommands::SwitchOff(app::LogState& log, wellfile::WellConfig& config)
{
    wellfile::OpenWell& f = log.well.file;
    if (platform::GamePort* port = Port())
        port->ReleaseCapture();
    if (log.timers) {
        log.timers->KillTimer(2);
        log.timers->KillTimer(9);
    }
    Driller* d = log.engines.driller;
    if (d)
        d->WriteKeptUnitsBeforeStop();  // before the link goes, which then books their gas
    if (d) {
        wellfile::PumpStrokeState pumps = PumpStrokeStateOf(log);
        const wellfile::WellPlace place = app::PlaceOf(log);
        if (!wellfile::SaveLag(d->Lag(), place, platform::FieldText(config.backupDrive), pumps))
            platform::MessageBox(wellfile::LagFilePath(place), QStringLiteral("File Error"));
    }
    BackupGasMonitorConfig(log);
    if (d) {
        d->SetStatusBoxShown(false);
        d->Host().Box().DestroyStatusBox();
    }
    if (closeGasChart)
        closeGasChart(log);

    const bool witsOn = links_.Wits().LinkRunning(log);
    const bool customOn = links_.Wits().CustomLinkRunning(log);
    if (d && witsOn) {
        const wellfile::WITSRECORD& live = d->Live();
        if (live.spm1 + live.spm2 + live.spm3 < 11)
            d->SetLagByStrokesFromWits(false);  // pumps that stood still: the next start counts by time
        config.lagByStrokesFromWits = d->Setup().lagByStrokesFromWits;
    }

    // What must outlive drilling mode.
    config.hotwire = log.options.hotwire ? 1 : 0;
    config.drillingSetting3370 = log.drilling.optionWord;
    config.witsLinkOn = witsOn ? 1 : 0;
    config.remoteSetting = log.drilling.updatePackageOption;
    config.sendGasViaWits = log.well.config.sendGasViaWits;
    config.customWitsOn = customOn ? 1 : 0;
    if (d) {
        log.drilling.lastFullBackupDepth = d->Records().lastFullBackupDepth;
        const DrillerSetup& setup = d->Setup();
        config.lagAlarmInterval = setup.lagAlarmInterval;
        config.minSecondsPerUnit = setup.minSecondsPerUnit;
        config.switchPolarity = setup.switchPolarity;
        config.markLagDepth = setup.lagMarks;
        config.useWitsDepth = setup.depthFromWits;
        config.witsDepthCompanion = setup.depthFromWitsCompanion;

        d->Host().Notes().HideBackupReminder();
        d->SetTime(nullptr);
        d->SetAlarms(nullptr);
    }

    if (links_.Gas().MonitorRunning(log)) {
        if (log.timers)
            log.timers->KillTimer(1);
        links_.Gas().StopMonitor(log);
    }
    if (customOn)
        links_.Wits().StopCustomLink(log);
    log.witsLink.depthTracking = false;  // the next run waits for its first WITS depth again
    if (witsOn) {
        links_.Wits().StopLink(log);
        if (d && log.engineStatus.gasInstrumentType != 9) {
            DrillerSetup setup = d->Setup();
            setup.depthFromWits = setup.depthFromWitsCompanion = 0;
            d->SetSetup(setup);
        }
    }

    if (d)
        log.drilling.halfStepToggle = d->Steps().halfStepToggle != 0;
    AttachDriller(log, nullptr);
    driller_.reset();
    host_.reset();
    f.drilling = false;
    // The office header band comes back, as the drilling one came on the way in.
    if (log.well.fileOpened) {
        wellServices_.view->SetLogFormat(log, log.well.loggerId);
        wellServices_.view->BuildGridBitmaps(log);
        log.view.eraseOwed = true;
    }

    wellServices_.window->AssignMenu(log, 1);
    wellServices_.window->BuildMenu(log, -1);
    if (log.timers)
        log.timers->SetTimer(5, 10000);
    // A monitoring station set to start its monitor takes it up again.
    wellServices_.window->LoadRemoteConfig(log);
}

layout::DrillerSettings DrillingCommands::Settings(app::LogState& log)
{
    layout::DrillerSettings out;
    if (const Driller* d = log.engines.driller) {
        const DrillerSetup& setup = d->Setup();
        out.delay = setup.minSecondsPerUnit;
        out.markLagDepth = setup.lagMarks != 0;
        out.autoDrill = setup.automaticDrilling != 0;
        out.autoDrillRate = setup.autoMinutesPerUnit;
        out.autoSlideOff = setup.noSlideMarking != 0;
        out.onBottomMode = setup.switchPolarity;
    }
    return out;
}

void DrillingCommands::ApplySettings(app::LogState& log, const layout::DrillerSettings& settings)
{
    Driller* d = log.engines.driller;
    if (!d)
        return;
    DrillerSetup setup = d->Setup();
    setup.minSecondsPerUnit = settings.delay;
    setup.lagMarks = settings.markLagDepth ? 1 : 0;
    setup.automaticDrilling = settings.autoDrill ? 1 : 0;
    setup.autoMinutesPerUnit = settings.autoDrill ? settings.autoDrillRate : 0;
    setup.noSlideMarking = settings.autoSlideOff ? 1 : 0;
    d->SetSetup(setup);
    // "Use Wits Depth" as just stored: WITS steps the depth again only after its next first depth, which
    // catches up with a rig that drilled on meanwhile as a reconnect does.
    const bool wasFromWits = d->Setup().depthFromWits != 0;
    if (!d->FollowWitsDepthSetting(log.well.config))
        log.witsLink.depthTracking = false;
    else if (!wasFromWits)
        links_.Wits().CompareRigAgain(log);
    if (settings.onBottomMode != setup.switchPolarity)
        SetOnBottomMode(log, settings.onBottomMode);
}

void DrillingCommands::SetDelay(app::LogState& log, std::int32_t delay)
{
    if (Driller* d = log.engines.driller) {
        DrillerSetup setup = d->Setup();
        setup.minSecondsPerUnit = delay;
        d->SetSetup(setup);
    }
}

void DrillingCommands::SetOnBottomMode(app::LogState& log, int mode)
{
    Driller* d = log.engines.driller;
    if (!d)
        return;
    DrillerSetup setup = d->Setup();
    setup.switchPolarity = mode;
    d->SetSetup(setup);
    if (LogTime* time = d->Time(); time && time->offBottom)
        time->GoOnBottom();
    d->SetOffBottom(false);
    log.drilling.polledKind = true;
    if (!setup.depthFromWits)
        JoyButtonsToBottom(log, ReadJoystickButtons(log));
}

void DrillingCommands::ShowStatusBox(app::LogState& log, bool show)
{
    Driller* d = log.engines.driller;
    if (!d)
        return;
    d->SetStatusBoxShown(show);
    if (!show) {
        d->Host().Box().DestroyStatusBox();
        return;
    }
    // A box already there stays where the user put it and only shows the state as it is now.
    if (!d->Host().Box().StatusBoxExists()) {
        d->Host().Box().MakeStatusBox();
        return;
    }
    if (const LogTime* time = d->Time())
        d->Host().Box().ShowStatus(time->offBottom != 0, time->circulating != 0, d->Setup().switchPolarity);
}

void DrillingCommands::SetWorkingRecordsScale(app::LogState& log, int recordByte, std::uint16_t code)
{
    Driller* d = log.engines.driller;
    if (!d || recordByte < 0 || recordByte + int(sizeof code) > int(sizeof(wellfile::RECORD)))
        return;
    DrillerRecords records = d->Records();
    for (wellfile::RECORD* r : {&records.previous, &records.working})
        std::memcpy(reinterpret_cast<char*>(r) + recordByte, &code, sizeof code);
    d->SetRecords(records);
}

void DrillingCommands::PendOneUnitStep(app::LogState& log)
{
    if (Driller* d = log.engines.driller) {
        d->MarkStep(StepSource::FileDepth);
        links_.Wits().TrackFrom(log, log.well.file.fileBottomDepth + 1);
    }
}

void DrillingCommands::FileDepthChanged(app::LogState& log, bool appended)
{
    Driller* d = log.engines.driller;
    if (!d)
        return;
    const float minutes = appended ? 0.1f : d->Steps().lastStepMinutes;
    DrillerRecords records = d->Records();
    records.working.rateOdd = minutes;
    records.working.rateOne = minutes;
    d->SetRecords(records);
    d->LoadLagRecords(0);
    // A rig short of the new depth steps the file only once its hole passes it.
    links_.Wits().TrackFrom(log, log.well.file.fileBottomDepth);
}

int BackupGasMonitorConfig(const app::LogState& log)
{
    // The monitor's settings are the open well's (drilling runs only on wells in the data folder).
    const QString source = gasmon::GasmonCfgPath(log.well.file.currentFolder);
    if (!QFileInfo(source).isFile())
        return 1;
    const QString backup = platform::JoinPath(log.well.file.dataFolder, QStringLiteral("backup"));
    QDir().mkpath(backup);
    if (!wellfile::CopyFileReplacing(source, platform::JoinPath(backup, QStringLiteral("gasmon.cfg"))))
        platform::MessageBox(backup + QStringLiteral("/gasmon.cfg"), QStringLiteral("File Error"));
    return 1;
}

}  // namespace drilling
