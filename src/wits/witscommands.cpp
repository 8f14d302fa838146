#include "wits/witscommands.h"

#include "app/commandids.h"
#include "app/copythreads.h"
#include "app/logstate.h"
#include "app/opendatafile.h"
#include "app/windowboxes.h"
#include "app/wellservices.h"
#include "app/wellsettings.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "gasmon/autogas.h"
#include "gasmon/gashost.h"
#include "gasmon/gasmoncfg_window.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/textlink.h"
#include "wellfile/datafile.h"
#include "wits/custwitscommands.h"
#include "wits/witsalarmhost.h"
#include "wits/witshost.h"
#include "wits/witswindow.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace wits {

namespace {

constexpr unsigned kWitsDataMessage = 1027;  // WM_USER+3
constexpr int kLinkTimer = 4;
constexpr int kDefaultIntervalMs = 2000;
constexpr int kDefaultTimeoutMs = 2000;

bool BringsGas(int type) { return type == 6 || type == 10 || type == 13 || type == 14; }

// A window corner that is off the screen goes near the log column that belongs to its window.
void Clamp(const app::LogState& log, int& left, int& top, int columnLeft)
{
    int width = log.env.screenWidth;
    if (log.env.monitorCount > 1 && width < 2000)
        width *= 2;
    if (left < 10 || left > width)
        left = columnLeft + 20;
    if (top < 10 || top > log.env.screenHeight)
        top = log.env.screenHeight - 200;
}

}  // namespace

WitsCommands::WitsCommands(WitsServices& rest, const app::WellServices& services, WitsLinkWindow window)
    : rest_(rest), services_(services), window_(std::move(window)),
      custom_(std::make_unique<CustWitsCommands>(services, window_))
{
}

WitsCommands::~WitsCommands() = default;

bool WitsCommands::LinkRunning(const app::LogState&) { return engine_ != nullptr; }

void WitsCommands::DeleteEngine(app::LogState& log)
{
    reconnect_.Cancel();
    // The gas booked and not written yet goes with the engine: written now if it can be, else said.
    if (engine_)
        engine_->WriteBookingsBeforeStop();
    engine_.reset();
    log.engines.wits = nullptr;
    log.engines.reloadWitsAlarms = nullptr;
}

void WitsCommands::CmWits(app::LogState& log)
{
    wellfile::WellConfig config{};
    wellfile::LoadConfig(config, app::PlaceOf(log), log.well.fieldSettings);
    app::WitsLinkState& link = log.witsLink;

    if (log.engineStatus.witsRunning || engine_) {
        if (window_.checkMenuItem)
            window_.checkMenuItem(log, app::cmd::Wits, false);
        if (engine_) {
            Disconnect(log, *engine_);
            link.drivesDrillingStatus = false;
            const drilling::Driller* d = log.engines.driller;
            if (d && d->Time() && d->Time()->strokes && window_.startPumpThreads)
                window_.startPumpThreads(log);
            if (log.engines.driller && window_.statusBoxExists && !window_.statusBoxExists(log) && window_.showStatusBox)
                window_.showStatusBox(log);
            DeleteEngine(log);
        }
        log.engineStatus.witsRunning = false;
        wellfile::LoadConfig(config, app::PlaceOf(log), log.well.fieldSettings);
        config.witsLinkOn = 0;
        if (app::SaveWellConfig(log, config))
            log.well.config = config;
        if (window_.drawLinkStatus)
            window_.drawLinkStatus(log);
    } else {
        host_ = std::make_unique<WitsHost>(log, services_);
        host_->pumpsOn = [&log, this] {
            if (window_.pumpsOn)
                window_.pumpsOn(log);
        };
        host_->drawLinkStatus = [&log, this] {
            if (window_.drawLinkStatus)
                window_.drawLinkStatus(log);
        };
        engine_ = std::make_unique<Wits>(*host_, MakeWitsAlarmHost(log));
        log.engines.wits = engine_.get();
        log.engines.reloadWitsAlarms = [this] {
            if (engine_)
                engine_->NewAlarms();
        };
        // The engine stays the command's own: a failed connect leaves it to be deleted here, once.
        if (Connect(log, *engine_)) {
            log.engineStatus.witsRunning = true;
            wellfile::LoadConfig(config, app::PlaceOf(log), log.well.fieldSettings);
            if (link.drivesDrillingStatus && config.witsDepthOption == 0 && window_.statusBoxExists &&
                window_.statusBoxExists(log) && window_.removeStatusBox)
                window_.removeStatusBox(log);
            config.witsLinkOn = 1;
            if (app::SaveWellConfig(log, config))
                log.well.config = config;
            if (window_.checkMenuItem)
                window_.checkMenuItem(log, app::cmd::Wits, true);
        } else {
            LinkFailed(log);
        }
    }
    if (window_.buildMenu)
        window_.buildMenu(log);
}

void WitsCommands::LinkFailed(app::LogState& log)
{
    DeleteEngine(log);
    log.engineStatus.witsRunning = false;
    log.witsLink.drivesDrillingStatus = false;
    log.witsLink.holeDepth = 0;
    wellfile::WellConfig config{};
    wellfile::LoadConfig(config, app::PlaceOf(log), log.well.fieldSettings);
    config.witsLinkOn = 0;
    config.useWitsDepth = 0;
    if (app::SaveWellConfig(log, config))
        log.well.config = config;
}

bool WitsCommands::EditLinkSettings(app::LogState& log, int form)
{
    CUSTWITSCFG settings{};
    ReadCustWitsConfig(log.well.file.dataFolder, settings);
    if (!window_.runLinkSettings || !window_.runLinkSettings(log, form, settings))
        return false;
    if (log.well.file.wellName.isEmpty())
        return false;  // no well open: nothing is written
    if (!WriteCustWitsConfig(log.well.file.dataFolder, log.well.file.wellName, settings)) {
        platform::MessageBox(QStringLiteral("The link settings could not be written to\n%1")
                                 .arg(platform::JoinPath(log.well.file.dataFolder, QStringLiteral("custwits.cfg"))),
                             QStringLiteral("ERROR"));
        return false;
    }
    return true;
}

void WitsCommands::CmWitsSetup(app::LogState& log)
{
    if (!EditLinkSettings(log, kStandardLinkForm) || !engine_)
        return;
    LinkCalls calls;
    calls.disconnect = [this](app::LogState& l) {
        if (engine_)
            Disconnect(l, *engine_);
    };
    calls.connect = [this](app::LogState& l) { return engine_ && Connect(l, *engine_) == 1; };
    // A link that does not come back is switched off as a failed switch-on is: no half-connected link
    // stays behind a checked menu item.
    calls.failed = [this](app::LogState& l) {
        if (window_.checkMenuItem)
            window_.checkMenuItem(l, app::cmd::Wits, false);
        LinkFailed(l);
        if (window_.drawLinkStatus)
            window_.drawLinkStatus(l);
        if (window_.buildMenu)
            window_.buildMenu(l);
    };
    Reconnect(log, calls);
}

void WitsCommands::CmCustomWitsSetup(app::LogState& log)
{
    if (!EditLinkSettings(log, kCustomLinkForm) || !custom_->Running())
        return;
    custom_->Reconnect(log);
}

void WitsCommands::CmCustomWits(app::LogState& log) { custom_->CmCustomWits(log); }

void WitsCommands::EvCustWitsData(app::LogState& log, std::uintptr_t w, std::intptr_t l)
{
    custom_->EvCustWitsData(log, w, l);
}

bool WitsCommands::CustomLinkRunning(const app::LogState&) { return custom_->Running(); }

void WitsCommands::CustomLinkOutput(app::LogState& log) { custom_->Output(log); }

void WitsCommands::StopCustomLink(app::LogState& log) { custom_->Stop(log); }

void WitsCommands::Reconnect(app::LogState& log, const LinkCalls& calls)
{
    reconnect_.Start([&log, calls] { calls.disconnect(log); },
                     [&log, calls] {
                         if (!calls.connect(log) && calls.failed)
                             calls.failed(log);
                     });
}

int WitsCommands::Connect(app::LogState& log, Wits& w)
{
    app::WitsLinkState& link = log.witsLink;
    WitsConnection c = w.Connection();
    WitsGasSettings g = w.GasSettings();
    WitsGas gasValues = w.Gas();
    gasValues.firstHalf.fill(0);
    gasValues.secondHalf.fill(0);
    c.customTiming = false;
    wellfile::WellConfig config{};
    wellfile::LoadConfig(config, app::PlaceOf(log), log.well.fieldSettings);
    link.pumpsOnSwitch = config.lagByStrokesFromWits != 0;
    link.resistivityLag = config.rtResLag;
    link.curveSetting = config.witsCurveSetting;

    gasmon::GASMONCFG gas{};
    const bool gasRead = gasmon::ReadGasmonCfg(log, gas) == 1;
    if (gasRead) {
        g.holdLength = log.engines.autoGas ? 0.0f : float(gas.surfaceLagTime);
        g.ratiosOn = gas.ratioMode == 1;
        // Captioned with the program's name, as its other boxes are.
        // Said without stopping the connect: an unmanned station logs on while nobody answers.
        if (g.ratiosOn && log.well.loggerId == 134)
            app::SayAboveWindow(log.env, QStringLiteral("ratios on"), QStringLiteral("StrativM"));
        else if (!g.ratiosOn)
            app::SayAboveWindow(log.env, QStringLiteral("ratios off"), QStringLiteral("StrativM"));
        c.windowPositions = {gas.witsWindowLeft, gas.witsWindowTop, gas.witsGasWindowLeft, gas.witsGasWindowTop};
        if (log.engineStatus.gasInstrumentType == 14) {
            g.chromatRatioSwitch = gas.totalChromatRatios != 0;
            g.fileInputMode = gas.sriIntegrator != 0;
            g.hotWireDelay = gas.hotWireDelay;
            g.chromatographFile = platform::FieldString(gas.integratorFile);
            const QString& file = g.chromatographFile;
            const qsizetype folderEnd = std::max(file.lastIndexOf(u'/'), file.lastIndexOf(u'\\')) + 1;
            g.resultFile = file.left(folderEnd) + QStringLiteral("Strativ_TGA.res");
        }
    } else {
        c.windowPositions = {0, 0, 0, 0};
    }
    link.fitMode = false;
    const layout::LogLayout& format = log.layout.format;
    Clamp(log, c.windowPositions[0], c.windowPositions[1], format.rate.left);
    Clamp(log, c.windowPositions[2], c.windowPositions[3], format.gas.left);
    c.comPort = std::max(int(gas.witsComPort), 1);
    g.chromatographSwitch = gas.ppm != 0;

    c.bottomDepthAtConnect = log.well.file.fileBottomDepth;
    // Depth tracking starts from the file's bottom, not from the first hole depth received: a rig that
    // drilled on while the link was down steps the file on.
    WitsDepth tracking = w.Depth();
    tracking.trackedDepth = log.well.file.fileBottomDepth;
    w.SetDepth(tracking);
    g.pasonFeed = config.pasonFeed;
    platform::SerialSettings serial{};
    serial.baudRate = 9600;
    serial.dataBits = 8;
    c.replyTimeoutMs = kDefaultTimeoutMs;
    c.customTiming =
        QFileInfo::exists(platform::FindFileNoCase(log.well.file.currentFolder, QStringLiteral("witsedit.cfg")));

    const int type = log.engineStatus.gasInstrumentType;
    if (BringsGas(type)) {
        c.timerInterval = kDefaultIntervalMs;
        w.SetMaxChars(500);
        link.drivesDrillingStatus = true;
        link.gasFromWits = true;
        config.witsDepthCompanion = 1;
    } else if (type == 11) {
        c.timerInterval = kDefaultIntervalMs;
        w.SetMaxChars(1000);
        g.pasonFeed = 0;
        config.pasonFeed = 0;
        g.chromatographSwitch = false;
        serial.baudRate = 115200;
        c.replyTimeoutMs = 3000;
        link.drivesDrillingStatus = true;
        link.gasFromWits = true;
    } else {
        link.drivesDrillingStatus = true;
        config.useWitsDepth = 1;
    }

    gasmon::AutoGas* monitor = log.engines.autoGas;
    const int profile = log.well.loggerId;
    gasValues.gasFromMonitor = false;
    if (monitor && (profile == 2 || (g.pasonFeed == 1 && type != 10))) {
        gasValues.gasFromMonitor = monitor->Readings().gasFromWits;
        w.SetMaxChars(1000);
    }
    if (gasValues.gasFromMonitor) {
        c.timerInterval = kDefaultIntervalMs;
        c.replyTimeoutMs = kDefaultTimeoutMs;
        g.pasonFeed = 0;
    }
    if (const std::unique_ptr<wellfile::RECORD> last = wellfile::ReadLastRecord(log.well.file, log.well.file.dataFileName))
        std::copy(std::begin(last->testGas), std::end(last->testGas), g.testGas.begin());

    if (app::SaveWellConfig(log, config))
        log.well.config = config;
    gasmon::WriteGasmonCfg(log, gas);

    if (!c.customTiming) {
        gas.witsTimeout = c.replyTimeoutMs;
        gas.witsInterval = c.timerInterval / 1000;
        gas.serialSpeed = std::int32_t(serial.baudRate);
        gas.witsMaxChars = w.MaxChars();
        gasmon::WriteGasmonCfg(log, gas);
    } else {
        const int storedTimeout = gas.witsTimeout;
        const int storedSeconds = gas.witsInterval;
        c.replyTimeoutMs = storedTimeout >= 500 ? storedTimeout : kDefaultTimeoutMs;
        c.timerInterval = storedSeconds >= 1 && storedSeconds <= 10 ? storedSeconds * 1000 : kDefaultIntervalMs;
        w.SetMaxChars(500);
        platform::MessageBox(QString::asprintf("Interval=%d\n WTO=%d\n Max Char=%d\n  Char TO=%d", c.timerInterval,
                                               c.replyTimeoutMs, w.MaxChars(), int(gas.witsCharTimeout)),
                             QStringLiteral("Using Custom Wits Settings"));
    }

    CUSTWITSCFG settings{};
    ReadCustWitsConfig(log.well.file.dataFolder, settings);
    c.tcpOn = link.tcpOption && settings.witsOnTcp != 0;
    c.tcpServer = settings.tcpServer != 0 || profile == 23;
    w.SetConnection(c);
    w.SetGasSettings(g);
    w.SetGas(gasValues);

    if (c.tcpOn) {
        if (!ConnectTcp(log, w, settings))
            return 0;
    } else if (!ConnectSerial(log, w, serial)) {
        return 0;
    }
    w.NewSender();  // nothing read before the port was opened is joined to what comes now

    WitsConnection connected = w.Connection();
    connected.remoteFile = platform::JoinPath(log.well.file.dataFolder, QStringLiteral("sendfile/remote/")) +
                           log.well.file.wellName + QStringLiteral(".zl8");
    w.SetConnection(connected);
    const std::array<int, 4>& places = connected.windowPositions;
    if (window_.makeDataWindow) {
        w.SetDataWindow(window_.makeDataWindow(log, connected.tcpOn ? 1 : 2, settings));
        if (WitsDisplay* data = w.DataWindow())
            data->ShowAt(places[0], places[1]);
    }
    link.windowsOpen = true;
    if (QFileInfo::exists(connected.remoteFile))
        QFile::remove(connected.remoteFile);
    if (log.timers)
        log.timers->SetTimer(kLinkTimer, connected.timerInterval);
    g = w.GasSettings();
    if (link.gasFromWits && (type == 10 || type == 11 || type == 6 || type == 13 || type == 14) && !w.GasWindow()) {
        if (window_.makeGasWindow) {
            w.SetGasWindow(window_.makeGasWindow(log, QStringLiteral("Strativ Wits Gas Monitor")));
            if (gasmon::GasDisplay* gasWindow = w.GasWindow())
                gasWindow->ShowAt(places[2], places[3]);
        }
        const float factors[3] = {gas.hotWireAttenuator, gas.chromatAttenuator, gas.channel3Attenuator};
        for (int i = 0; i < 3; ++i)
            g.gasScale[std::size_t(i)] = factors[i] > 0 ? factors[i] : 1.0f;
    }
    if (link.gasFromWits)
        g.gasScale[0] = gas.hotWireAttenuator > 0 ? gas.hotWireAttenuator : 1.0f;
    w.SetGasSettings(g);
    // The depth now comes from the link: a drilling run waits for its first depth from here on.
    if (drilling::Driller* d = log.engines.driller)
        d->FollowWitsDepthSetting(config);
    w.EvTimer();
    return 1;
}

// The serial link: the plain text mode, or the vendor's framed mode, and the notice of waiting text.
int WitsCommands::ConnectSerial(app::LogState& log, Wits& w, const platform::SerialSettings& serial)
{
    const int type = log.engineStatus.gasInstrumentType;
    const int pasonFeed = w.GasSettings().pasonFeed;
    WitsConnection c = w.Connection();
    const bool plain = type == 11 || ((type == 10 || type == 14) && pasonFeed != 1) || pasonFeed == 0 || type == 6;
    std::uint32_t handle = 0;
    if (plain) {
        w.SetMaxChars(1000);
        handle = platform::ConnectASCII(c.comPort, c.replyTimeoutMs, serial);
    } else {
        c.timerInterval = kDefaultIntervalMs;
        w.SetConnection(c);
        w.SetMaxChars(type == 14 ? 500 : 1000);
        handle = platform::ConnectPasonASCII(c.comPort, platform::kFramedReplyTimeoutMs, serial);
    }
    if (handle == 0 || handle == 0xFFFFFFFFu) {
        platform::MessageBox(
            QStringLiteral("Connection to Com %1 failed\nPort May be in use by another process").arg(c.comPort),
            QStringLiteral("Wits Connect failed "));
        w.SetHandle(0);
        return 0;
    }
    if (const int error = platform::HookRspNotification(handle, log.window, kWitsDataMessage, 0)) {
        platform::MessageBox(QStringLiteral("Error %1 Wits hook failed").arg(error), QString());
        platform::CloseConnection(handle);
        w.SetHandle(0);
        return 0;
    }
    w.SetHandle(handle);
    return 1;
}

// The link over TCP: the one-client server, or the client with its lithology receiver for profile 2.
int WitsCommands::ConnectTcp(app::LogState& log, Wits& w, const CUSTWITSCFG& settings)
{
    WitsConnection c = w.Connection();
    c.lithologyClient = log.well.loggerId == 2 && settings.lithologyUpdate != 0;
    c.tcpPeer.port = std::uint16_t(settings.tcpPort & 0xFFFF);
    c.lithPeer.port = std::uint16_t(settings.lithologyPort & 0xFFFF);
    for (std::size_t i = 0; i < 4; ++i) {
        c.tcpPeer.address[i] = std::uint8_t(settings.serverAddress[i] & 0xFF);
        c.lithPeer.address[i] = std::uint8_t(settings.lithologyAddress[i] & 0xFF);
    }
    // The custom interval holds unless the lithology receiver is served too.
    if (!c.customTiming || c.lithologyClient)
        c.timerInterval = kDefaultIntervalMs;
    w.SetConnection(c);

    if (c.tcpServer) {
        if (!w.StartWitsServer()) {
            platform::MessageBox(QStringLiteral("Wits server failed"), QString());
            return 0;
        }
        platform::MessageBox(QStringLiteral("Wits server On TCP"), QString());
        return 1;
    }
    if (!w.ConnectTcpClient()) {
        platform::MessageBox(QStringLiteral("Winsock connection Failed"), QString());
        c.lithologyClient = false;
        w.SetConnection(c);
        return 0;
    }
    if (c.lithologyClient && c.lithPeer.port != 0 && !w.ConnectLithClient())
        platform::MessageBox(QStringLiteral("Winsock Lith Connection Failed"), QString());  // the link goes on
    return 1;
}

int WitsCommands::Disconnect(app::LogState& log, Wits& w)
{
    w.FlushSamples();  // the unfinished block is written before the link goes
    if (log.timers)
        log.timers->KillTimer(kLinkTimer);
    log.witsLink.trafficLog = false;
    if (log.engines.witsCopyThread.joinable()) {
        log.engines.witsCopyThread.request_stop();
        log.engines.witsCopyThread.join();
    }
    const QString& remoteFile = w.Connection().remoteFile;
    if (!remoteFile.isEmpty() && QFileInfo::exists(remoteFile))
        QFile::remove(remoteFile);

    gasmon::GASMONCFG gas{};
    gasmon::ReadGasmonCfg(log, gas);
    gas.witsComPort = w.Connection().comPort;
    w.KeepWindowPlaces();
    const std::array<int, 4>& places = w.Connection().windowPositions;
    gas.witsWindowLeft = places[0];
    gas.witsWindowTop = places[1];
    gas.witsGasWindowLeft = places[2];
    gas.witsGasWindowTop = places[3];
    gasmon::WriteGasmonCfg(log, gas);
    w.SetGasWindow(nullptr);

    w.ClearGas();
    log.witsLink.gasMaxima.fill(0);
    log.witsLink.liveValues2.fill(0);
    log.witsLink.gasMaxima[0] = -1.0f;

    if (w.TcpClientOpen() || w.LithClientOpen())
        w.CloseTcpClient();
    w.StopWitsServer();
    if (w.Handle())
        platform::CloseConnection(w.Handle());
    w.SetHandle(0);
    w.SetDataWindow(nullptr);
    log.witsLink.windowsOpen = false;
    log.witsLink.drivesDrillingStatus = false;
    return 1;
}

void WitsCommands::MoveWindowsHome(int dataLeft, int gasLeft, int top)
{
    if (!engine_)
        return;
    if (WitsDisplay* data = engine_->DataWindow())
        data->ShowAt(dataLeft, top);
    if (gasmon::GasDisplay* gas = engine_->GasWindow())
        gas->ShowAt(gasLeft, top);
}

void WitsCommands::EvWitsData(app::LogState&, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (engine_)
        engine_->ReadInput(wParam, lParam);
}

void WitsCommands::LinkTimer(app::LogState&)
{
    if (engine_)
        engine_->EvTimer();
}

void WitsCommands::StopLink(app::LogState& log)
{
    if (engine_)
        Disconnect(log, *engine_);
    DeleteEngine(log);
    log.engineStatus.witsRunning = false;
}

}  // namespace wits
