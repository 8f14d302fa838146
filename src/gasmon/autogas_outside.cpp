// The integrator modes: an outside program analyses the chromatograph's samples and writes each result
// as a small file. The engine looks for today's file, takes it once (it is consumed), ends the cycle
// with its values and keeps a line of each result in the well's text log.
#include "gasmon/autogas.h"
#include "gasmon/enginehelpers.h"

#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/openwell.h"
#include "wits/itemtable.h"

#include <QFileInfo>

namespace gasmon {

void AutoGas::UpdateExportName()
{
    const QDate today = platform::LocalTime().date();
    settings_.integratorFile = ExportFileName(settings_.integratorFile, host.InstallFolder(), today);
    cycle_.exportDay = today.day();
    GASMONCFG cfg{};
    if (host.readConfig && host.readConfig(cfg) == 1) {
        platform::SetFieldText(cfg.integratorFile, platform::ToCp1252(settings_.integratorFile).toStdString());
        if (host.writeConfig)
            host.writeConfig(cfg);
    }
}

void AutoGas::ReadOutsideFile()
{
    if (settings_.integratorFile.isEmpty() || !QFileInfo::exists(settings_.integratorFile))
        return;
    if (settings_.baselineMode)
        ReadBaselineFile();
    else if (settings_.sriMode != 0)
        ReadSriFile();
    // Whatever the file held, the next result is waited for from now.
    cycle_.cycleStartMs = platform::SteadyMs();
    cycle_.cycleSeconds = 0;
}

IntegratorValues AutoGas::HeldIntegratorValues() const
{
    IntegratorValues v;
    for (std::size_t k = 1; k <= 8; ++k)
        v.peaks[k] = readings_.values[k];
    v.extra = readings_.values[9];
    return v;
}

void AutoGas::TakeIntegratorValues(const IntegratorValues& v)
{
    for (std::size_t k = 1; k <= 8; ++k)
        readings_.values[k] = v.peaks[k];
    readings_.values[9] = v.extra;
}

void AutoGas::ReadSriFile()
{
    const OutsideFile file = TakeOutsideFile(settings_.integratorFile, kSriFileLimit);
    if (file.state != OutsideFileState::Read)
        return;
    const SriResult result = ReadSriText(file.text, HeldIntegratorValues());
    TakeIntegratorValues(result.values);
    if (!result.hasRun)
        return;
    if (readings_.record.chromatAttenuator == 0)
        readings_.record.chromatAttenuator = 1.0f;
    EndCycle();
    LogSriLine(result.text);
    CountConnectionMarkerDown();
}

void AutoGas::ReadBaselineFile()
{
    const OutsideFile file = TakeOutsideFile(settings_.integratorFile, kBaselineFileLimit);
    if (file.state != OutsideFileState::Read)
        return;
    const BaselineResult result =
        ReadBaselineText(file.text, HeldIntegratorValues(), readings_.record.chromatAttenuator);
    if (!result.hasLine)
        return;
    TakeIntegratorValues(result.values);
    EndCycle();
    LogBaselineLine(file.text);
    CountConnectionMarkerDown();
}

void AutoGas::LogSriLine(const std::string& resultText)
{
    AppendToLog(host.DataFolder() + host.WellName() + QStringLiteral("-sri.txt"),
                SriLogLine(resultText, platform::LocalTime()));
}

void AutoGas::LogBaselineLine(const QByteArray& fileText)
{
    const drilling::Driller* d = host.Driller();
    const int lag = d ? platform::TruncInt(d->LagDepth()) : readings_.record.lagDepth;
    const int bottom = host.Well() ? host.Well()->fileBottomDepth : 0;
    AppendToLog(host.DataFolder() + host.WellName() + QStringLiteral("-BL.txt"),
                BaselineLogLine(fileText, platform::Whole(cycle_.sampleTimeTotalGas), lag, bottom));
}

void AutoGas::CountConnectionMarkerDown()
{
    drilling::Driller* d = host.Driller();
    if (!d || !d->Time() || (d->Time()->offBottom && !d->Time()->circulating))
        return;
    std::int32_t marker = d->Bottom().connectionMarker;
    if (marker > 0)
        --marker;
    if (marker > d->Bottom().connectionMarkerLimit)
        marker = 0;
    d->SetConnectionMarker(marker);
}

}  // namespace gasmon
