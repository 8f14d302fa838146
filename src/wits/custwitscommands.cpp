#include "wits/custwitscommands.h"

#include "app/commandids.h"
#include "app/logstate.h"
#include "app/opendatafile.h"
#include "app/wellsettings.h"
#include "gasmon/gashost.h"
#include "gasmon/gasmoncfg_window.h"
#include "platform/services.h"
#include "platform/textlink.h"
#include "wellfile/datafile.h"
#include "wits/custwitscfg.h"
#include "wits/witsalarmhost.h"
#include "wits/witshost.h"
#include "wits/witswindow.h"

#include <algorithm>
#include <array>

namespace wits {

namespace {

constexpr unsigned kCustWitsDataMessage = 1028;  // WM_USER+4
constexpr int kLastMode = 4;
constexpr std::array<std::uint32_t, 6> kBaudRates = {4800, 9600, 19200, 38400, 57600, 115200};
constexpr std::uint32_t kDefaultBaudRate = 19200;
constexpr int kGasWindowDrop = 30;  // the gas window goes this far down from where it was made

}  // namespace

std::uint32_t CustWitsBaudRate(std::int32_t baudIndex)
{
    if (baudIndex < 0 || baudIndex >= std::int32_t(kBaudRates.size()))
        return kDefaultBaudRate;
    return kBaudRates[std::size_t(baudIndex)];
}

int CustWitsInterval(float seconds)
{
    if (!(seconds > 0))
        return kCustDefaultIntervalMs;
    return std::max(TruncInt(double(seconds) * 1000.0), 1);
}

CustWitsCommands::CustWitsCommands(const app::WellServices& services, const WitsLinkWindow& window)
    : services_(services), window_(window)
{
}

CustWitsCommands::~CustWitsCommands() = default;

void CustWitsCommands::MakeHost(app::LogState& log)
{
    host_ = std::make_unique<CustWitsHost>(log, services_);
}

void CustWitsCommands::StoreOn(app::LogState& log, bool on)
{
    wellfile::WellConfig config{};
    wellfile::LoadConfig(config, app::PlaceOf(log), log.well.fieldSettings);
    config.customWitsOn = on ? 1 : 0;
    if (app::SaveWellConfig(log, config))
        log.well.config = config;
}

void CustWitsCommands::Delete(app::LogState& log)
{
    reconnect_.Cancel();  // a reconnect still pending belonged to this link
    link_.reset();
    log.engines.custWits = nullptr;
    log.witsLink.customLinkTotalGas = 0;
}

void CustWitsCommands::CmCustomWits(app::LogState& log)
{
    if (log.well.tvdFile) {
        platform::MessageBox(QStringLiteral("Can Not enable wits in a TVD file"), QString());
        return;
    }
    wellfile::WellConfig config{};
    wellfile::LoadConfig(config, app::PlaceOf(log), log.well.fieldSettings);

    if (link_) {
        if (window_.checkMenuItem)
            window_.checkMenuItem(log, app::cmd::CustomWits, false);
        Disconnect(log, *link_);
        Delete(log);
        StoreOn(log, false);
        // The pump-stroke threads count the strokes again now that no link brings the pump rates.
        if (config.lagByStrokesFromWits && window_.pumpsOn)
            window_.pumpsOn(log);
        return;
    }

    MakeHost(log);
    link_ = std::make_unique<CUSTWITS>(*host_, MakeWitsAlarmHost(log));
    log.engines.custWits = link_.get();
    // The link stays the command's own: a failed connect leaves it to be deleted here, once.
    if (Connect(log, *link_)) {
        StoreOn(log, true);
        if (window_.checkMenuItem)
            window_.checkMenuItem(log, app::cmd::CustomWits, true);
    } else {
        Delete(log);
        StoreOn(log, false);
    }
}

int CustWitsCommands::Connect(app::LogState& log, CUSTWITS& link)
{
    CustWitsDepth depth = link.Depth();
    depth.trackedDepth = log.well.file.fileBottomDepth;
    link.SetDepth(depth);
    gasmon::GASMONCFG gas{};
    gasmon::ReadGasmonCfg(log, gas);  // nothing of it is used, but a missing file is written with defaults
    CUSTWITSCFG settings{};
    ReadCustWitsConfig(log.well.file.dataFolder, settings);

    CustWitsSettings s = link.Settings();
    s.hwAttenuator = settings.hotWireAttenuator;
    s.thirdFactor = settings.thirdFactor;
    // A mode off the list (a record from elsewhere) polls as "Standard Wits Other".
    const std::int32_t mode = settings.connectionMode;
    s.mode = mode >= 0 && mode <= kLastMode ? mode : std::int32_t(CustWitsMode::Other);
    s.trackDepth = settings.trackDepth != 0;
    s.trackChromat = settings.trackChromat != 0;
    s.gasMonitorFirst = settings.gasMonitorFirst != 0;
    s.comPort = settings.comPort;
    const auto timeout = std::uint16_t(settings.replyTimeoutMs & 0xFFFF);
    s.replyTimeoutMs = timeout > 0 ? timeout : kCustDefaultTimeoutMs;
    s.timerInterval = CustWitsInterval(settings.intervalSeconds);
    s.serial = platform::SerialSettings{};
    s.serial.baudRate = CustWitsBaudRate(settings.baudIndex);
    s.serial.dataBits = 8;
    link.SetSettings(s);
    if (const std::unique_ptr<wellfile::RECORD> last =
            wellfile::ReadLastRecord(log.well.file, log.well.file.dataFileName)) {
        CustWitsGas g = link.Gas();
        std::copy_n(std::begin(last->testGas), std::min(std::size(last->testGas), g.testGas.size()), g.testGas.begin());
        link.SetGas(g);
    }

    const std::uint32_t handle = link.Mode() == CustWitsMode::Pason
                                     ? platform::ConnectPasonASCII(s.comPort, s.replyTimeoutMs, s.serial)
                                     : platform::ConnectASCII(s.comPort, s.replyTimeoutMs, s.serial);
    if (handle == 0 || handle == 0xFFFFFFFFu) {
        platform::MessageBox(
            QStringLiteral("Connection to Com %1 failed\nPort May be in use by another process").arg(s.comPort),
            QStringLiteral("Wits Connect failed "));
        link.SetHandle(0);
        return 0;
    }
    if (const int error = platform::HookRspNotification(handle, log.window, kCustWitsDataMessage, 0)) {
        platform::MessageBox(QStringLiteral("Error %1 CUSTWITS hook failed").arg(error), QString());
        platform::CloseConnection(handle);
        link.SetHandle(0);
        return 0;
    }
    link.SetHandle(handle);
    link.ReplyRead();
    link.NewSender();

    if (log.timers)
        log.timers->SetTimer(kOutputTimer, s.timerInterval);
    if (window_.makeDataWindow) {
        link.SetDataWindow(window_.makeDataWindow(log, 0, settings));
        if (WitsDisplay* data = link.DataWindow())
            data->ShowAt(log.layout.format.rate.left + 20, log.env.screenHeight - 200);
    }
    log.witsLink.windowsOpen = true;
    if ((link.GasMode() || s.trackChromat) && !link.GasWindow() && window_.makeGasWindow) {
        link.SetGasWindow(window_.makeGasWindow(log, QStringLiteral("StrativM CUSTWITS Gas Monitor")));
        if (gasmon::GasDisplay* gasWindow = link.GasWindow())
            gasWindow->ShowAt(log.layout.format.gas.left, gasWindow->Top() + kGasWindowDrop);
    }
    link.SendOutput();
    return 1;
}

int CustWitsCommands::Disconnect(app::LogState& log, CUSTWITS& link)
{
    link.FlushSamples();  // the unfinished block is written before the link goes
    if (log.timers)
        log.timers->KillTimer(kOutputTimer);
    link.SetGasWindow(nullptr);
    if (link.Handle())
        platform::CloseConnection(link.Handle());
    link.SetHandle(0);
    link.SetDataWindow(nullptr);
    // The standard link's windows stay while it runs.
    log.witsLink.windowsOpen = log.engines.wits != nullptr;
    return 1;
}

void CustWitsCommands::EvCustWitsData(app::LogState&, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (link_)
        link_->ReadResponse(wParam, lParam);
}

void CustWitsCommands::Output(app::LogState&)
{
    if (link_)
        link_->SendOutput();
}

void CustWitsCommands::Stop(app::LogState& log)
{
    if (!link_)
        return;
    Disconnect(log, *link_);
    Delete(log);
}

void CustWitsCommands::Reconnect(app::LogState& log)
{
    if (!link_)
        return;
    reconnect_.Start(
        [this, &log] {
            if (link_)
                Disconnect(log, *link_);
        },
        [this, &log] {
            if (!link_ || Connect(log, *link_))
                return;
            // A link that does not come back is switched off: no link without a port behind a checked item.
            if (window_.checkMenuItem)
                window_.checkMenuItem(log, app::cmd::CustomWits, false);
            Delete(log);
            StoreOn(log, false);
        });
}

}  // namespace wits
