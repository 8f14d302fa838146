#include "drilling/lagcalculator.h"

#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "drilling/strokes.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/datafile.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace drilling {

using namespace lagid;

namespace {

constexpr int kCompanyProfile17 = 17;
constexpr float kWashoutStep = 0.001f;
constexpr float kMaxWashout = 1.0f;

const int kOnHoleIds[3] = {Pump1OnHole, Pump2OnHole, Pump3OnHole};
const int kSpmIds[3] = {Pump1Spm, Pump2Spm, Pump3Spm};
const int kOutputIds[3] = {Pump1Output, Pump2Output, Pump3Output};
const int kEfficiencyIds[3] = {Efficiency1, Efficiency2, Efficiency3};
// Outside and inside diameter edits of pipe 1, pipe 2 and collars 1-3, in NormalisedInputs' order.
const int kSectionIds[5][2] = {{Pipe1Od, Pipe1Id}, {Pipe2Od, Pipe2Id}, {Collar1Od, Collar1Id}, {Collar2Od, Collar2Id},
                               {Collar3Od, Collar3Id}};

struct Field {
    int id;
    float* value;
};

// The lengths and diameters of the record with their edits.
std::vector<Field> HoleAndString(wellfile::LagRecord& r)
{
    return {{CasingId, &r.casingId},           {CasingLength, &r.casingLength},
            {Liner1Id, &r.liner1Id},           {Liner2Id, &r.liner2Id},
            {Liner1Length, &r.liner1Length},   {Liner2Length, &r.liner2Length},
            {OpenHoleDiameter, &r.openHoleDiameter}, {OpenHoleLength, &r.openHoleLength},
            {Pipe1Od, &r.pipe1Od},             {Pipe2Od, &r.pipe2Od},
            {Pipe1Id, &r.pipe1Id},             {Pipe2Id, &r.pipe2Id},
            {Pipe1Length, &r.pipe1Length},     {Pipe2Length, &r.pipe2Length},
            {Collar1Od, &r.collarOd[0]},       {Collar2Od, &r.collarOd[1]},
            {Collar3Od, &r.collarOd[2]},       {Collar1Id, &r.collarId[0]},
            {Collar2Id, &r.collarId[1]},       {Collar3Id, &r.collarId[2]},
            {Collar1Length, &r.collarLength[0]}, {Collar2Length, &r.collarLength[1]},
            {Collar3Length, &r.collarLength[2]}};
}

std::vector<Field> PumpValues(wellfile::LagRecord& r)
{
    return {{Pump1Output, &r.pump1Output}, {Pump1Spm, &r.pump1Spm},   {Pump2Output, &r.pump2Output},
            {Pump2Spm, &r.pump2Spm},       {Pump3Output, &r.pump3Output}, {Pump3Spm, &r.pump3Spm},
            {Efficiency1, &r.pumpEfficiency[0]}, {Efficiency2, &r.pumpEfficiency[1]},
            {Efficiency3, &r.pumpEfficiency[2]}};
}

// Results the dialog shows and reads back as they stand.
std::vector<Field> ReadBackValues(wellfile::LagRecord& r)
{
    return {{Displacement, &r.stringDisplacement}, {Annular, &r.annularVolume},     {LagMinutes, &r.lagMinutes},
            {LagStrokes, &r.lagStrokes},           {TotalHoleVolume, &r.totalHoleVolume}, {MudWeight, &r.mudWeight},
            {MotorRevs, &r.motorRevsPerGallon}};
}

float* PumpSpm(wellfile::LagRecord& r, int pump) { return pump == 0 ? &r.pump1Spm : pump == 1 ? &r.pump2Spm : &r.pump3Spm; }
float PumpOutput(const wellfile::LagRecord& r, int pump)
{
    return pump == 0 ? r.pump1Output : pump == 1 ? r.pump2Output : r.pump3Output;
}

QString Text(const char* format, double v) { return QString::fromStdString(platform::CFormat(format, v)); }

const QString kWitsStrokesNeeded = QStringLiteral(
    "YOU MUST BE  DRILLING, OR CIRCULATING,WITH WITS FEED ON\n\nWHEN LAG DIALOG OPENS TO ENABLE LAG BY STROKES\n\n"
    "CLOSE DIALOG, AND REOPEN WHEN PUMPS ARE RUNNING");
const QString kTotalSpmZero = QStringLiteral(
    " TOTAL SPM IS ZERO, LAG BY STROKES CAN NOT BE ENABLED UNLESS\n\nPUMPS ARE RUNNING WHEN THE LAG DIALOG IS "
    "OPENED.\n\nCLOSE DIALOG, AND REOPEN WHEN PUMPS ARE RUNNING");

}  // namespace

LagCalculator::LagCalculator(LagForm& form, LagCalcHost host) : form_(form), host_(std::move(host)) {}

LogTime& LagCalculator::Time() const { return *D().Time(); }

bool LagCalculator::StrokesRunning() const { return Time().strokes != nullptr; }

float LagCalculator::Measured() const { return Time().lagTime; }

void LagCalculator::SetMeasured(float minutes, const char* format)
{
    Time().lagTime = minutes;
    SetNumber(MeasuredLag, format, minutes);
}

void LagCalculator::SetNumber(int id, const char* format, double value) { form_.SetText(id, Text(format, value)); }

void LagCalculator::SetupWindow()
{
    wellfile::LagRecord& r = record;
    Driller& d = D();
    LogTime& t = Time();
    form_.Show(Metric, host_.metric);
    if (host_.metric) {
        form_.SetChecked(Metric, true);
        form_.SetText(Metric, QStringLiteral("Input Meters for length's, Inches for all diameters"));
        form_.Enable(Metric, false);  // the well's depths are metres: not the user's choice
    }
    for (int id : {Help, UpdateWashout, UseAllActivePumps, ShowAllPumps, lagid::UseWitsStrokes})
        form_.Show(id, false);

    const bool anyLink = host_.witsLinkRunning || host_.customLinkRunning;
    const bool pumping = !t.offBottom || t.circulating;
    witsPumps = pumping;
    if (!anyLink) {
        witsPumps = false;
        form_.SetChecked(lagid::UseWitsStrokes, false);
        form_.Enable(lagid::UseWitsStrokes, false);
    }
    if (host_.customLinkRunning && !host_.witsLinkRunning && host_.customLinkPumps && pumping) {
        witsPumps = true;
        form_.Enable(lagid::UseWitsStrokes, true);
    }

    if (d.LagCurrent()) {
        r = d.Lag();
        settingsComplete = true;
    } else if (!host_.loadLag || !host_.loadLag(r)) {
        r = {};
        settingsComplete = false;
    }
    if (settingsComplete && r.lagMinutes > 0)
        tolerance = r.lagMinutes * 1.05f;

    const bool strokes = StrokesRunning();
    if (!anyLink || !strokes) {
        form_.SetChecked(lagid::LagUsingStrokes, false);
        form_.SetChecked(lagid::UseWitsStrokes, false);
        if (!anyLink || !settingsComplete) {
            form_.Enable(lagid::LagUsingStrokes, false);
            form_.Enable(lagid::UseWitsStrokes, false);
        }
    }
    form_.Show(StartCounter, strokes);
    if (strokes)
        form_.SetText(StartCounter, t.strokes->bottomsUpCounting ? QStringLiteral("Stop Counter") : QStringLiteral("Start Counter"));

    // The edits, with the open hole and drill pipe 1 as what the rest leaves of the bottom depth.
    const float bottom = float(host_.bottomDepth);
    SetNumber(MotorRevs, "%2.2f", r.motorRevsPerGallon);
    for (int p = 0; p < 3; ++p)
        form_.SetChecked(kOnHoleIds[p], r.pumpOnHole[p] != 0);
    form_.SetText(CurrentDepth, QString::fromStdString(platform::CFormat("%5d", int(host_.bottomDepth))));
    r.openHoleLength = std::max(bottom - (r.liner1Length + r.liner2Length + r.casingLength), 0.0f);
    r.pipe1Length = std::max(bottom - (r.collarLength[0] + r.collarLength[1] + r.collarLength[2] + r.pipe2Length), 0.0f);
    for (const Field& f : HoleAndString(r))
        SetNumber(f.id, "%2.2f", *f.value);

    if (!witsPumps) {
        if (r.pump1Spm + r.pump2Spm + r.pump3Spm > 0)
            for (int p = 0; p < 3; ++p)
                SetNumber(kSpmIds[p], "%2.2f", *PumpSpm(r, p));
    } else {
        for (int p = 0; p < 3; ++p) {
            const std::int32_t spm = WitsSpm(d.Live(), p);
            form_.SetText(kSpmIds[p], QString::number(spm));
            form_.Enable(kSpmIds[p], false);
            if (r.pumpOnHole[p] != 0)
                *PumpSpm(r, p) = float(spm);
        }
    }
    for (int p = 0; p < 3; ++p) {
        float* output = p == 0 ? &r.pump1Output : p == 1 ? &r.pump2Output : &r.pump3Output;
        if (*output > 2.0f)
            *output = 0;
        SetNumber(kOutputIds[p], "%2.4f", *output);
        float& e = r.pumpEfficiency[p];
        if (e <= 0 || e > 1)
            e = 1.0f;
        SetNumber(kEfficiencyIds[p], "%2.3f", e);
    }
    ShowFigures();

    const float opened = Measured();
    writeOnClose = opened == 0;
    float measured = SettleMeasuredLag(opened, r.lagMinutes, r.washout, tolerance);
    if (host_.profile == kCompanyProfile17 || (opened == 0 && r.lagMinutes > 1))
        measured = r.lagMinutes;
    SetMeasured(measured);

    const PumpTotals pumps = CountPumps(r, SetRates(r), false);
    totalSpm = platform::TruncInt(pumps.spm);
    if (totalSpm < 10 || pumps.meanOutput == 0) {
        witsPumps = false;
        form_.SetChecked(lagid::UseWitsStrokes, false);
        form_.Enable(lagid::UseWitsStrokes, false);
        ShowRangeError();
    }
    form_.SetText(MeasuredStrokes, QString::number(platform::TruncInt(double(Measured()) * double(totalSpm))));
    ShowPressures(bottom);

    const float barrelsPerMinute = float(totalSpm == 0 ? 1 : totalSpm) * pumps.meanOutput;
    if (!InputsSufficient(r, barrelsPerMinute) || r.openHoleDiameter <= 0) {
        form_.SetChecked(lagid::LagUsingStrokes, false);
        form_.Enable(lagid::LagUsingStrokes, false);
    } else {
        settingsComplete = true;
        Compute();
        form_.Enable(lagid::LagUsingStrokes, witsPumps || StrokesRunning());
        form_.SetChecked(lagid::LagUsingStrokes, StrokesRunning());
    }
    SaveRecord();
    shownTotalSpm = float(totalSpm);
    ShowLagNow();
}

void LagCalculator::ReadInputs()
{
    wellfile::LagRecord& r = record;
    for (const Field& f : HoleAndString(r))
        *f.value = Number(f.id);
    for (const Field& f : PumpValues(r))
        *f.value = Number(f.id);
    r.washout = Number(Washout);
    const NormalisedInputs changed = NormaliseInputs(r);
    for (std::size_t i = 0; i < changed.swapped.size(); ++i) {
        if (!changed.swapped[i])
            continue;
        for (const Field& f : HoleAndString(r))
            if (f.id == kSectionIds[i][0] || f.id == kSectionIds[i][1])
                SetNumber(f.id, "%.2f", *f.value);
    }
    for (int p = 0; p < 3; ++p)
        if (changed.efficiency[std::size_t(p)])
            SetNumber(kEfficiencyIds[p], "%2.3f", r.pumpEfficiency[p]);
    for (const Field& f : ReadBackValues(r))
        *f.value = Number(f.id);

    Time().lagTime = Number(MeasuredLag);
    if (host_.profile == kCompanyProfile17) {
        SetMeasured(r.lagMinutes);
        washoutEdited = false;
    }
    for (int p = 0; p < 3; ++p)
        r.pumpOnHole[p] = form_.Checked(kOnHoleIds[p]) ? 1 : 0;
    wellfile::LagRecord lag = D().Lag();
    lag.motorRevsPerGallon = r.motorRevsPerGallon;
    D().SetLag(lag);
    if (host_.customLag)
        *host_.customLag = r;
}

void LagCalculator::Compute()
{
    wellfile::LagRecord& r = record;
    if (r.liner1Length > 0 && r.casingLength > 0 && r.liner1Id > r.casingId)
        ShowRangeError();
    if (r.openHoleDiameter == 0)
        return;
    const LagFigures f = ComputeLag(r, host_.metric);
    SetNumber(LagMinutes, "%2.2f", f.lagMinutes);

    tolerance = f.lagMinutes * 1.05f;
    SetMeasured(SettleMeasuredLag(Measured(), f.lagMinutes, r.washout, tolerance));
    if (host_.profile == kCompanyProfile17 || washoutEdited) {
        SetMeasured(f.lagMinutes);
        washoutEdited = false;
    }
    form_.SetText(MeasuredStrokes,
                  Measured() > 0 ? QString::number(platform::TruncInt(double(Measured()) * double(f.pumps.spm)))
                                 : QString());
    form_.Enable(MeasuredStrokes, false);

    ShowFigures();

    if (f.pumps.spm > 0)
        form_.SetText(SurfaceToBit, QString::fromStdString(platform::CFormat(
                                        "%2.2f strokes  %2.2f Min", double(f.surfaceToBitMinutes * f.pumps.spm),
                                        double(f.surfaceToBitMinutes))));
    else
        form_.SetText(SurfaceToBit, QString());
    SetNumber(BarrelsPerMinute, "%2.2f", f.barrelsPerMinute);
    SetNumber(GallonsPerMinute, "%2.2f", f.gallonsPerMinute);
    SetNumber(GallonsPerStroke, "%2.2f", f.gallonsPerStroke);

    ShowPressures(Number(CurrentDepth));

    if (!InputsSufficient(r, f.barrelsPerMinute)) {
        if (StrokesRunning()) {
            settingsComplete = false;
            Time().SetStrokes(false);
            form_.SetChecked(lagid::LagUsingStrokes, false);
            form_.Enable(lagid::LagUsingStrokes, false);
        }
    } else {
        settingsComplete = true;
    }
    ShowLagNow();
    washoutEdited = false;
}

void LagCalculator::ShowFigures()
{
    const wellfile::LagRecord& r = record;
    for (const auto& [id, value] : {std::pair{Washout, r.washout}, {Annular, r.annularVolume},
                                    {Displacement, r.stringDisplacement}, {InsideVolume, r.stringVolume},
                                    {LagStrokes, r.lagStrokes}, {TotalHoleVolume, r.totalHoleVolume},
                                    {LagMinutes, r.lagMinutes}})
        SetNumber(id, "%2.2f", value);
}

void LagCalculator::ShowPressures(float depth)
{
    SetNumber(MudWeight, "%2.2f", record.mudWeight);
    if (!(record.mudWeight > 0))
        return;
    const drilling::Pressures p = PressuresAt(depth, record.mudWeight, host_.metric);
    SetNumber(Hydrostatic, "%2.2f", p.hydrostatic);
    SetNumber(Formation, "%2.2f", p.formation);
    SetNumber(MatrixStress, "%2.2f", p.matrixStress);
    SetNumber(Differential, "%2.2f", p.differential);
}

void LagCalculator::ShowLagNow()
{
    form_.Show(LagNowLabel, true);
    form_.Show(LagNow, true);
    form_.SetText(LagNow, LagNowText(record.lagStrokes, WitsSpmOnHole(D().Lag(), D().Live())));
    form_.Enable(LagNow, false);
}

void LagCalculator::OpenHoleFromDepth()
{
    wellfile::LagRecord& r = record;
    r.casingLength = Number(CasingLength);
    r.liner1Length = std::max(Number(Liner1Length), 0.0f);
    r.liner2Length = std::max(Number(Liner2Length), 0.0f);
    drilling::OpenHoleFromDepth(r, Number(CurrentDepth));
    SetNumber(OpenHoleLength, "%2.2f", r.openHoleLength);
    SetNumber(CasingLength, "%2.2f", r.casingLength);
    SetNumber(Liner1Length, "%2.2f", r.liner1Length);
    SetNumber(Liner2Length, "%2.2f", r.liner2Length);
}

void LagCalculator::PipeFromDepth()
{
    wellfile::LagRecord& r = record;
    r.collarLength[0] = std::max(Number(Collar1Length), 0.0f);
    r.collarLength[1] = std::max(Number(Collar2Length), 0.0f);
    r.collarLength[2] = std::max(Number(Collar3Length), 0.0f);
    r.pipe2Length = Number(Pipe2Length);
    drilling::PipeFromDepth(r, Number(CurrentDepth));
    SetNumber(Pipe1Length, "%2.2f", r.pipe1Length);
    SetNumber(Pipe2Length, "%2.2f", r.pipe2Length);
}

void LagCalculator::DepthChanged()
{
    PipeFromDepth();
    OpenHoleFromDepth();
}

void LagCalculator::Pressures()
{
    record.mudWeight = Number(MudWeight);
    // A mud weight of 0 (or below) leaves the pressures shown.
    if (record.mudWeight > 0)
        ShowPressures(Number(CurrentDepth));
}

void LagCalculator::WashoutFromMeasured()
{
    if (!settingsComplete)
        return;
    ReadInputs();
    wellfile::LagRecord& r = record;
    const float measured = Number(MeasuredLag);
    r.washout = 0;
    SetNumber(Washout, "%2.2f", r.washout);
    r.lagMinutes = 0;
    // The search ends where the lag reaches the measured one, where a wider hole no longer lengthens
    // it (no open hole, no pump output) or at a washout of the whole diameter; the washout reached stays.
    searching_ = true;
    rangeShown_ = false;
    while (measured > r.lagMinutes && r.washout < kMaxWashout) {
        const float before = r.lagMinutes;
        r.washout += kWashoutStep;
        Compute();
        if (!(r.lagMinutes > before))
            break;
    }
    searching_ = false;
    if (measured > 0 && r.lagMinutes > measured)
        r.lagMinutes = measured;
}

void LagCalculator::ShowRangeError()
{
    if (searching_) {
        if (rangeShown_)
            return;
        rangeShown_ = true;
    }
    platform::MessageBox(RangeErrorText(record, float(totalSpm)), QString());
}

void LagCalculator::SaveRecord()
{
    if (host_.saveLag && host_.saveLag(record)) {
        D().SetLagCurrent(true);
        return;
    }
    platform::MessageBox(host_.lagPath, QStringLiteral("File Error"));
}

void LagCalculator::Save()
{
    ReadInputs();
    Compute();
    const wellfile::LagRecord& r = record;
    if (Measured() > r.lagMinutes && r.lagMinutes > 0 && r.openHoleLength > 500 && r.washout == 0)
        WashoutFromMeasured();
    if (r.lagMinutes - r.lagMinutes * 0.1f > Measured() && r.lagMinutes > 0)
        SetMeasured(r.lagMinutes);
    SaveRecord();
}

void LagCalculator::Calculate()
{
    ReadInputs();
    Compute();
    Save();
}

void LagCalculator::ResetToCalculated()
{
    if (!settingsComplete)
        return;
    record.washout = 0;
    SetNumber(Washout, "%2.2f", 0);
    SetMeasured(0);
    Calculate();
    if (record.lagMinutes > 1)
        SetMeasured(record.lagMinutes);
}

bool LagCalculator::CheckPumps()
{
    if (!form_.Checked(lagid::LagUsingStrokes))
        return true;
    wellfile::LagRecord& r = record;
    const Driller& d = D();
    for (int p = 0; p < 3; ++p) {
        if (WitsSpm(d.Live(), p) < 21 || r.pumpOnHole[p] != 0)
            continue;
        const QString question = QString::fromStdString(platform::CFormat(
            "PUMP %d IS RUNNING BUT IS NOT CHECKED AS ON THE HOLE\nIF THIS IS CORRECT, CLICK OK.\nTO CHANGE THE "
            "SETTING, CLICK CANCEL\n",
            p + 1));
        if (platform::MessageBox(question, QStringLiteral("Update Pump Info"), platform::MB_OKCANCEL) == platform::IDCANCEL) {
            form_.SetChecked(lagid::LagUsingStrokes, false);
            return false;
        }
    }
    if (witsPumps) {
        bool zeroed = false;
        for (int p = 0; p < 3; ++p) {
            if (r.pumpOnHole[p] == 0)
                continue;
            if (WitsSpm(d.Live(), p) == 0) {
                *PumpSpm(r, p) = 0;
                zeroed = true;
            }
            if (PumpOutput(r, p) == 0) {
                platform::MessageBox(QStringLiteral("BBLS PER STROKE Pump %1=0").arg(p + 1), QString());
                form_.SetChecked(lagid::LagUsingStrokes, false);
                return false;
            }
        }
        if (zeroed) {
            SaveRecord();
            DrillerRecords records = D().Records();
            records.working.lagTime = Measured();
            records.previous.lagTime = Measured();
            D().SetRecords(records);
        }
    }
    form_.Enable(lagid::Save, false);
    return true;
}

void LagCalculator::LagUsingStrokes()
{
    const wellfile::LagRecord& r = record;
    if ((settingsComplete && Measured() == 0) || r.washout == 0) {
        if (r.lagMinutes > 1)
            SetMeasured(r.lagMinutes, "%.1f");
    }
    if (!CheckPumps())
        return;
    Driller& d = D();
    if (form_.Checked(lagid::LagUsingStrokes)) {
        if (!witsPumps || totalSpm == 0) {
            // Lag by strokes stays off and the dialog closes.
            platform::MessageBox(kWitsStrokesNeeded, QString());
            form_.SetChecked(lagid::LagUsingStrokes, false);
            form_.Enable(lagid::LagUsingStrokes, false);
            d.SetLagByStrokesFromWits(false);
            if (totalSpm == 0) {
                platform::MessageBox(kTotalSpmZero, QString());
                SaveRecord();
            }
            form_.Close(platform::IDCANCEL);
            return;
        }
        if (host_.witsLinkRunning || (host_.customLinkRunning && host_.customLinkPumps))
            d.SetLagByStrokesFromWits(true);
    } else {
        d.SetLagByStrokesFromWits(false);
    }
    if (host_.pumpsOn)
        host_.pumpsOn();
}

void LagCalculator::UseWitsStrokes()
{
    D().SetLagByStrokesFromWits(form_.Checked(lagid::UseWitsStrokes));
    Save();
}

void LagCalculator::ToggleCounter()
{
    STROKES* strokes = Time().strokes.get();
    if (!strokes)
        return;
    form_.SetText(StartCounter, strokes->bottomsUpCounting ? QStringLiteral("Start Counter") : QStringLiteral("Stop Counter"));
    strokes->ToggleBottomsUp();
}

bool LagCalculator::CanClose()
{
    if (Measured() == 0 && record.washout == 0 && record.lagMinutes > 1)
        Time().lagTime = record.lagMinutes;
    wellfile::OpenWell& well = D().Well();
    if (std::unique_ptr<wellfile::RECORD> last = wellfile::ReadLastRecord(well, well.dataFileName)) {
        last->lagTime = Measured();
        wellfile::WriteLastRecord(*last, well.dataFileName);
    }
    if (writeOnClose)
        D().LoadLagRecords(0);
    return true;
}

}  // namespace drilling
