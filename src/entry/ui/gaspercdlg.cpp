#include "entry/ui/gaspercdlg.h"

#include "app/logstate.h"
#include "platform/numbers.h"
#include "platform/services.h"

#include <algorithm>
#include <cmath>

namespace entry {

namespace {

// The boxes of the eight values, in the order of the record's test-gas block.
constexpr int kValueBoxes[wellfile::TEST_COUNT] = {GasPercDlg::IDC_HW,  GasPercDlg::IDC_C1,  GasPercDlg::IDC_C2,
                                                   GasPercDlg::IDC_C3,  GasPercDlg::IDC_IC4, GasPercDlg::IDC_NC4,
                                                   GasPercDlg::IDC_IC5, GasPercDlg::IDC_NC5};
constexpr const char* kValueNames[wellfile::TEST_COUNT] = {"HW", "C1", "C2", "C3", "IC4", "NC4", "IC5", "NC5"};
constexpr int kValueChars = 10;

// A stored value as the text of its whole part; a damaged one (not finite) shows as 0.
QString WholeText(float v)
{
    const double d = std::isfinite(v) ? std::trunc(double(v)) : 0.0;
    return QString::number(qint64(std::clamp(d, -1e15, 1e15)));
}

}  // namespace

GasPercDlg::GasPercDlg(QWidget* parent, app::LogState& log, const wellfile::RECORD& last)
    : Dialog(parent, QStringLiteral("Gas Percent Values")), log_(log), last_(last)
{
    AddStatic(platform::IDC_STATIC, QStringLiteral("Enter test gas values for 1% for each gas. These values will be "
                                                   "used to calculate gases as percent."));
    NewRow();
    BeginGrid(4);
    for (int g = wellfile::TEST_C1; g <= wellfile::TEST_NC5; ++g) {
        AddStatic(platform::IDC_STATIC, QString::fromLatin1(kValueNames[g]));
        AddEdit(kValueBoxes[g], kValueChars, 10);
    }
    AddStatic(IDC_HW_LABEL, QStringLiteral("HW"));
    AddEdit(IDC_HW, kValueChars, 10);
    EndGrid();
    NewRow();
    AddStatic(platform::IDC_STATIC, QStringLiteral("If you want to change these values at a specific depth, enter the "
                                                   "depth interval. Otherwise they will be used  through out the "
                                                   "whole file"));
    NewRow();
    BeginGrid(4);
    AddStatic(platform::IDC_STATIC, QStringLiteral("From"));
    AddEdit(IDC_FROM, kValueChars, 10);
    AddStatic(platform::IDC_STATIC, QStringLiteral("To"));
    AddEdit(IDC_TO, kValueChars, 10);
    EndGrid();
    NewRow();
    AddStretch();
    AddButton(IDC_SAVE, QStringLiteral("Save"));
    AddButton(platform::IDCANCEL, QStringLiteral("Close"));
    On(IDC_SAVE, platform::BN_CLICKED, [this] { CmSave(); });
}

void GasPercDlg::SetupWindow()
{
    interval_ = FirstTestGasInterval(log_.well.file);
    values_.fill(1.0f);
    SetInt(IDC_FROM, interval_.from);
    SetInt(IDC_TO, interval_.to);
    for (int g = wellfile::TEST_C1; g <= wellfile::TEST_NC5; ++g)
        SetText(kValueBoxes[g], WholeText(last_.testGas[g]));
    const bool hotWire = TakesHotWireTestGas(log_.well.loggerId);
    if (hotWire)
        SetText(IDC_HW, WholeText(last_.testGas[wellfile::TEST_TG]));
    Show(IDC_HW, hotWire);
    Show(IDC_HW_LABEL, hotWire);
}

void GasPercDlg::CmSave()
{
    wellfile::OpenWell& well = log_.well.file;
    const std::optional<TestGasRun> run
        = PlanTestGasRun(well, platform::LeadingInt(GetTextA(IDC_FROM)), platform::LeadingInt(GetTextA(IDC_TO)));
    if (!run) {  // from below to: no record to write
        platform::MessageBeep(0);
        return;
    }
    values_.fill(1.0f);
    for (int g = wellfile::TEST_C1; g <= wellfile::TEST_NC5; ++g)
        values_[std::size_t(g)] = TypedTestGas(GetText(kValueBoxes[g]));
    if (TakesHotWireTestGas(log_.well.loggerId))
        values_[wellfile::TEST_TG] = HotWireTestGas(TypedTestGas(GetText(IDC_HW)));

    if (WriteTestGas(well, well.dataFileName, *run, values_) <= 0) {
        platform::MessageBeep(0);  // the interval stays for another try
        return;
    }
    if (well.drilling && log_.engines.runningDriller && TestGasReachesBottom(well, run->to))
        SetDrillerTestGas(*log_.engines.runningDriller, values_);

    interval_ = NextTestGasInterval(well, run->to);
    SetInt(IDC_FROM, interval_.from);
    SetInt(IDC_TO, interval_.to);
}

}  // namespace entry
