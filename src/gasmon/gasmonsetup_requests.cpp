// The set-up dialog's buttons that act on the running engine rather than on the settings record, and
// its data views: the requests the engine carries out on its next cycles, the gas and chart files read
// for the views, and their text exports.
#include "gasmon/gasmonsetup_session.h"

#include "app/logstate.h"
#include "gasmon/autogas.h"
#include "gasmon/chartwindow.h"
#include "gasmon/enginehelpers.h"
#include "gasmon/gasdataviews.h"
#include "gasmon/gasfile.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "wellfile/profile.h"

namespace gasmon {

namespace {

const char* const kElutionSumText =
    "Click OK, THEN inject your test gas.You must use enough test gas\nto insure at least a 25 unit increase for "
    "EACH GAS.\nElution times for each gas curve (Sum-NC4)will be set with the NEXT cycle.\nThe next cycle MUST be "
    "a component cycle\nOr Click cancel to abort";
const char* const kElutionTimedText =
    "Click OK, THEN inject your test gas. You must use enough\ntest gas to insure at least a 25 unit increase for "
    "EACH GAS.\nElution times for each gas curve (C1-NC4)will be set with the NEXT cycle.\nYou have 20 seconds to "
    "inject the test gas\nOr Click cancel to abort";
const char* const kElutionText =
    "Click OK, THEN inject your test gas.You must use enough\ntest gas to insure at least a 25 unit increase for "
    "EACH GAS.\nElution times for each gas curve will be set with the NEXT cycle.\n(C5 must be entered "
    "manually)\nOr Click cancel to abort";
const char* const kHotWireText =
    "Inject 1% Methane to HW and allow reading to stabilize for 15 seconds or more.Then click OK to continue, OR "
    "click Cancel to return unchanged";
const char* const kSpanText =
    "Wait until the cycle time reaches %d seconds. Then use the zero pod to cause the chromatograph needle to move "
    "out to 50 +- units. Adjust the span up or down (up if reading is to low,down if to high) and click on the save "
    "button. The new span value will then be used to calculate gas. Repeat process  until the c1 reading is within "
    "1 or 2 units of the chart reading Repeat process at different chart positions,(20 +-, 80 +-) the readings "
    "shouldbe accurate at all chart positions";

// The profiles that switch the integrator of a running engine from the dialog.
bool SwitchesIntegrators(int profile) { return wellfile::IntegratorSwitchProfile(profile); }

}  // namespace

bool GasSetupSession::ElutionSetup()
{
    if (!engine_ || engine_->Settings().sriMode != 0 || engine_->Settings().baselineMode)
        return false;
    const int profile = log_.well.loggerId;
    // The chart would show the test gas as a real show.
    if (profile != 2 && profile != 114 && hooks_.gasChartOpen && hooks_.gasChartOpen() && hooks_.closeGasChart)
        hooks_.closeGasChart();
    const char* text = wellfile::ElutionSumProfile(profile) ? kElutionSumText
                       : (type_ == 8 || type_ == 15) ? kElutionTimedText
                                                     : kElutionText;
    const bool ok = platform::MessageBox(QString::fromLatin1(text), QStringLiteral("Elution Time Setup"),
                                         platform::MB_OKCANCEL) == platform::IDOK;
    engine_->RequestElutionSetup(ok);
    return ok;
}

SpanStep GasSetupSession::SpanCalibration()
{
    SpanStep step;
    if (!engine_)
        return step;
    if (log_.well.loggerId == 37) {
        if (platform::MessageBox(QString::fromLatin1(kHotWireText), QStringLiteral("HW CALIBRATION"),
                                 platform::MB_OKCANCEL) != platform::IDOK)
            return step;
        engine_->RequestAutoSpan();
        step.closeDialog = true;
    }
    step.acted = true;
    if (engine_->ToggleSpanAdjustment()) {
        step.showInfo = true;
        step.info = QString::fromLatin1(platform::CFormat(kSpanText, engine_->Settings().elutionTimes[1] + 3).c_str());
    }
    return step;
}

void GasSetupSession::RequestSampleNow()
{
    if (engine_)
        engine_->RequestSampleNow();
}

void GasSetupSession::RequestCloseBlock()
{
    if (engine_)
        engine_->RequestCloseBlock();
}

std::optional<QString> GasSetupSession::FlowCaption() const
{
    if (!engine_)
        return std::nullopt;
    return QStringLiteral("Flow On");
}

void GasSetupSession::TakeIntegratorChoice(bool sriChecked, bool baselineChecked)
{
    if (!engine_ || !SwitchesIntegrators(log_.well.loggerId))
        return;
    engine_->SelectIntegrator(sriChecked, baselineChecked);
}

std::vector<GASRECORD> GasSetupSession::ReadGasRecords() const
{
    return ReadGasViewRecords(GasFileName(log_.well.file.dataFolder, log_.well.file.wellName));
}

std::vector<CHARTRECORD> GasSetupSession::ReadChartRecords() const
{
    return ReadChartViewRecords(ChartPlaceOf(log_));
}

std::int32_t GasSetupSession::FirstDepth() const { return log_.well.file.fileTopDepth; }

bool GasSetupSession::ExportGasText(std::span<const GASRECORD> records) const
{
    if (!engine_)
        return false;
    return WriteExportFile(platform::JoinPath(log_.well.file.currentFolder, QStringLiteral("gasmon.txt")),
                           GasExportText(records));
}

bool GasSetupSession::ExportChartText(std::span<const CHARTRECORD> records) const
{
    if (!engine_)
        return false;
    return WriteExportFile(platform::JoinPath(log_.well.file.currentFolder, QStringLiteral("chart.txt")),
                           ChartExportText(records));
}

platform::FileDialogRequest GasSetupSession::IntegratorFileRequest() const
{
    platform::FileDialogRequest r;
    r.filter = cfg_.baselineIntegrator != 0 ? QStringLiteral("Intergrator Files (*.TXT)|*.txt|StrativM Files (*.TXT)|*.txt|")
                                            : QStringLiteral("Intergrator Files (*.RES)|*.res|StrativM Files (*.TXT)|*.txt|");
    r.defaultExt = QStringLiteral("TXT");
    return r;
}

}  // namespace gasmon
