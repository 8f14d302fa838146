#include "gasmon/gasmonsetup_session.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "app/wellsettings.h"
#include "gasmon/autogas.h"
#include "gasmon/gasmoncfg_window.h"
#include "platform/folders.h"
#include "platform/services.h"

#include <QFileInfo>

namespace gasmon {

namespace {

const char* const kTurnOffFirst =
    "You must first turn off the gas monitor and the wits monitor \nto make this change. When this dialog closes "
    "Got to Options and \nUncheck Gas Monitor,AND Uncheck Wits Monitor if it is checked . \nThen click Setup Gas "
    "Monitor Setup again to change your settings";
const char* const kRestartMonitor =
    "After saving and closing this dialog, you must close and then\n\rrestart the gas monitor or wits/gas monitor "
    "for this change to take affect";

}  // namespace

int SetupInstrumentType(const app::LogState& log)
{
    if (log.engineStatus.gasInstrumentType >= 0)
        return log.engineStatus.gasInstrumentType;
    return log.well.config.gasInstrumentType >= 0 ? log.well.config.gasInstrumentType : 0;
}

GASMONCFG OpenSetupRecord(const app::LogState& log, const AutoGas* engine, int instrumentType)
{
    GASMONCFG cfg{};
    if (ReadGasmonCfg(log, cfg) == 0) {
        ApplyFirstSetupDefaults(cfg, instrumentType);
    } else if (engine) {
        for (int i = 0; i < 7; ++i)
            cfg.ratios[i] = engine->Readings().record.fractions[i];
    }
    return cfg;
}

GasSetupSession::GasSetupSession(app::LogState& log, AutoGas* engine, GASMONCFG& cfg, GasSetupHooks hooks)
    : log_(log), engine_(engine), cfg_(cfg), hooks_(std::move(hooks)), type_(SetupInstrumentType(log)),
      witsSettingsFile_(QFileInfo::exists(
          platform::FindFileNoCase(log.well.file.currentFolder, QStringLiteral("witsedit.cfg"))))
{
}

SetupInputs GasSetupSession::Inputs() const
{
    SetupInputs in;
    in.instrumentType = type_;
    in.profile = log_.well.loggerId;
    in.engineRunning = engine_ != nullptr;
    in.engineRange = engine_ ? engine_->Readings().gainRange : 0.0f;
    in.witsRunning = log_.engineStatus.witsRunning;
    in.witsDepthTracking = log_.witsLink.depthTracking;
    in.witsSettingsFile = witsSettingsFile_;
    in.configWitsComPort = log_.well.config.witsComPort;
    in.configWitsMode = log_.well.config.pasonFeed;
    in.screenWidth = log_.env.screenWidth;
    in.screenHeight = log_.env.screenHeight;
    return in;
}

SetupView GasSetupSession::OpenView() { return ComputeSetupView(Inputs(), cfg_, SetupPass::Open); }

platform::LOGFONTA GasSetupSession::ListFont() const
{
    const layout::LogLayout& f = log_.layout.format;
    return DataListFont(f.screenWidth, f.pixelsPerStep, f.trackUnit);
}

std::optional<SetupView> GasSetupSession::ChangeType(int type)
{
    // The engine was made for the type it runs: the type changes only with the monitor off.
    if (engine_) {
        platform::MessageBox(QString::fromLatin1(kTurnOffFirst), QStringLiteral("Mode Error"));
        return std::nullopt;
    }
    type_ = type;
    log_.engineStatus.gasInstrumentType = type;
    if (log_.engineStatus.witsRunning && type == 10)
        platform::MessageBox(QString::fromLatin1(kRestartMonitor), QStringLiteral("Information"));
    SetupView view = ComputeSetupView(Inputs(), cfg_, SetupPass::TypeChange);
    const auto saved = app::UpdateWellConfig(log_, [type](wellfile::WellConfig& c) {
        c.gasInstrumentType = type;
        if (type == 11)
            c.pasonFeed = 0;
        return true;
    });
    if (saved)
        log_.well.config = *saved;
    if (hooks_.rebuildMenu)
        hooks_.rebuildMenu();
    return view;
}

bool GasSetupSession::Save(const SetupForm& form)
{
    const SetupInputs in = Inputs();
    const SetupSave out = ReadSetupForm(form, in, cfg_);
    if (!out.refusal.isEmpty()) {
        platform::MessageBox(out.refusal, QStringLiteral("Input Error"));
        return false;
    }
    wellfile::WellConfig stored{};
    if (!wellfile::LoadConfig(stored, app::PlaceOf(log_), log_.well.fieldSettings)) {
        platform::MessageBox(QStringLiteral("The settings of the well could not be read: nothing was saved"),
                             QStringLiteral("File Error"));
        return false;
    }
    const auto saved = app::UpdateWellConfig(log_, [&](wellfile::WellConfig& c) {
        c.witsComPort = cfg_.witsComPort;
        c.gasInstrumentType = type_;
        c.pasonFeed = out.witsMode;
        return true;
    });
    if (!saved)
        return false;  // the write failure was reported
    log_.well.config = *saved;
    log_.engineStatus.gasInstrumentType = type_;

    if (in.witsRunning && hooks_.handToWitsLink) {
        wits::GasSetupValues values;
        values.hotWireAttenuator = out.witsHotWireAttenuator;
        values.hotWireDelay = out.witsHotWireDelay;
        values.surfaceLagTime = out.witsSurfaceLag;
        values.integratorFile = out.witsIntegratorFile;
        hooks_.handToWitsLink(values);
    }
    if (engine_) {
        if (type_ == 7 || type_ == 5 || type_ == 9)
            engine_->SetAddress({std::uint8_t(cfg_.ipAddress[0]), std::uint8_t(cfg_.ipAddress[1]),
                                 std::uint8_t(cfg_.ipAddress[2]), std::uint8_t(cfg_.ipAddress[3])});
        if (out.engineIntegratorFile)
            engine_->SetIntegratorFile(*out.engineIntegratorFile);
        engine_->ApplySettings(cfg_);
    }
    if (!WriteGasmonCfg(log_, cfg_)) {
        platform::MessageBox(GasmonCfgPath(log_.well.file.currentFolder) + QStringLiteral(" could not be written"),
                             QStringLiteral("File Error"));
        return false;
    }
    return true;
}

}  // namespace gasmon
