#include "drilling/ui/lagcalcdlg.h"

#include "drilling/drillingcommands.h"
#include "platform/ui/svedit.h"

#include <QPointer>

#include <utility>

namespace drilling {

using namespace lagid;

namespace {

constexpr int kEditLimit = 21;  // 20 characters

// The dialog's controls as the calculator reads and writes them.
class DialogForm final : public LagForm {
public:
    explicit DialogForm(platform::Dialog& d) : d_(d) {}
    QString Text(int id) const override { return d_.GetText(id); }
    void SetText(int id, const QString& text) override { d_.SetText(id, text); }
    bool Checked(int id) const override { return d_.GetCheck(id) == platform::BST_CHECKED; }
    void SetChecked(int id, bool checked) override
    {
        d_.SetCheck(id, checked ? platform::BST_CHECKED : platform::BST_UNCHECKED);
    }
    void Enable(int id, bool enable) override { d_.Enable(id, enable); }
    void Show(int id, bool show) override { d_.Show(id, show); }
    void Close(int result) override { d_.EndDialog(result); }

private:
    platform::Dialog& d_;
};

}  // namespace

LagCalcDlg::LagCalcDlg(QWidget* parent, LagCalcHost host)
    : Dialog(parent, QStringLiteral("STRATIV LAG CALCULATOR")), form_(std::make_unique<DialogForm>(*this)),
      calculator_(std::make_unique<LagCalculator>(*form_, std::move(host)))
{
    const auto edit = [this](int id) { AddEdit(id, kEditLimit, 8); };
    const auto result = [this](int id) { AddEdit(id, kEditLimit, 10)->setReadOnly(true); };
    const auto label = [this](const char* text) { AddStatic(platform::IDC_STATIC, QString::fromLatin1(text)); };

    AddStatic(platform::IDC_STATIC, QStringLiteral("Current Depth"));
    edit(CurrentDepth);
    AddCheck(Metric, QStringLiteral("Metric"));
    AddStretch();
    NewRow();

    BeginGroup(platform::IDC_STATIC, QStringLiteral("HOLE"));
    BeginGrid(3);
    label("");
    label("ID (in)");
    label("Length");
    label("Casing");
    edit(CasingId);
    edit(CasingLength);
    label("Liner 1");
    edit(Liner1Id);
    edit(Liner1Length);
    label("Liner 2");
    edit(Liner2Id);
    edit(Liner2Length);
    label("Open Hole");
    edit(OpenHoleDiameter);
    edit(OpenHoleLength);
    label("Washout");
    edit(Washout);
    SkipCell();
    EndGrid();
    EndGroup();

    BeginGroup(platform::IDC_STATIC, QStringLiteral("DRILL STRING"));
    BeginGrid(4);
    label("");
    label("OD (in)");
    label("ID (in)");
    label("Length");
    label("Drill Pipe 1");
    edit(Pipe1Od);
    edit(Pipe1Id);
    edit(Pipe1Length);
    label("Drill Pipe 2");
    edit(Pipe2Od);
    edit(Pipe2Id);
    edit(Pipe2Length);
    label("Collar 1");
    edit(Collar1Od);
    edit(Collar1Id);
    edit(Collar1Length);
    label("Collar 2");
    edit(Collar2Od);
    edit(Collar2Id);
    edit(Collar2Length);
    label("Collar 3");
    edit(Collar3Od);
    edit(Collar3Id);
    edit(Collar3Length);
    EndGrid();
    EndGroup();
    NewRow();

    BeginGroup(platform::IDC_STATIC, QStringLiteral("PUMPS"));
    BeginGrid(5);
    label("");
    label("On Hole");
    label("BBL/Stroke");
    label("SPM");
    label("Efficiency");
    const int onHole[3] = {Pump1OnHole, Pump2OnHole, Pump3OnHole};
    const int output[3] = {Pump1Output, Pump2Output, Pump3Output};
    const int spm[3] = {Pump1Spm, Pump2Spm, Pump3Spm};
    const int efficiency[3] = {Efficiency1, Efficiency2, Efficiency3};
    for (int p = 0; p < 3; ++p) {
        AddStatic(platform::IDC_STATIC, QStringLiteral("Pump %1").arg(p + 1));
        AddCheck(onHole[p], QString());
        edit(output[p]);
        edit(spm[p]);
        edit(efficiency[p]);
    }
    EndGrid();
    AddCheck(ShowAllPumps, QStringLiteral("Show All Pumps"));
    AddCheck(UseAllActivePumps, QStringLiteral("Use All Active Pumps"));
    EndGroup();

    BeginGroup(platform::IDC_STATIC, QStringLiteral("MUD"));
    BeginGrid(2);
    label("Mud Weight");
    edit(MudWeight);
    AddStatic(MotorRevsLabel, QStringLiteral("Motor Rev/Gal"));
    edit(MotorRevs);
    label("Hydrostatic Pressure");
    result(Hydrostatic);
    label("Formation Pressure");
    result(Formation);
    label("Matrix Stress");
    result(MatrixStress);
    label("Bottom Hole Differential Pressure");
    result(Differential);
    EndGrid();
    EndGroup();
    NewRow();

    BeginGroup(platform::IDC_STATIC, QStringLiteral("RESULTS"));
    BeginGrid(4);
    label("Drill String Volume");
    result(InsideVolume);
    label("Displacement");
    result(Displacement);
    label("Annular Volume");
    result(Annular);
    label("Total Hole Volume");
    result(TotalHoleVolume);
    label("Lag Minutes");
    result(LagMinutes);
    label("Lag Strokes");
    result(LagStrokes);
    label("BBL/Min");
    result(BarrelsPerMinute);
    label("Gal/Min");
    result(GallonsPerMinute);
    label("Gal/Stroke");
    result(GallonsPerStroke);
    label("Kelly Bushing To Bit");
    result(SurfaceToBit);
    EndGrid();
    EndGroup();

    BeginGroup(platform::IDC_STATIC, QStringLiteral("MEASURED LAG"));
    BeginGrid(2);
    label("Lag Minutes");
    edit(MeasuredLag);
    label("Lag Strokes");
    result(MeasuredStrokes);
    AddStatic(LagNowLabel, QStringLiteral("LAG TIME NOW Based On Current Wits SPM"));
    result(LagNow);
    EndGrid();
    EndGroup();
    NewRow();

    AddCheck(lagid::LagUsingStrokes, QStringLiteral("Lag Using Strokes"));
    AddCheck(lagid::UseWitsStrokes, QStringLiteral("Use Wits Strokes"));
    AddButton(StartCounter, QStringLiteral("Start Counter"));
    AddStretch();
    NewRow();
    AddButton(lagid::Calculate, QStringLiteral("Calculate"), true);
    AddButton(lagid::Save, QStringLiteral("Save"));
    AddButton(UpdateWashout, QStringLiteral("Update Washout"));
    AddButton(lagid::ResetToCalculated, QStringLiteral("Reset To Calculated Value"));
    AddButton(Help, QStringLiteral("HELP"));
    AddStretch();
    AddButton(lagid::Close, QStringLiteral("Close"));

    // The label and the lag now show once a computation has run.
    Show(LagNowLabel, false);
    Show(LagNow, false);

    LagCalculator& c = *calculator_;
    On(lagid::Calculate, platform::BN_CLICKED, [&c] { c.Calculate(); });
    On(lagid::Save, platform::BN_CLICKED, [&c] { c.Save(); });
    for (int id : {Pump1OnHole, Pump2OnHole, Pump3OnHole, int(lagid::ResetToCalculated)})
        On(id, platform::BN_CLICKED, [&c] { c.ResetToCalculated(); });
    for (int id : {Pump1Spm, Pump2Spm, Pump3Spm, Pump1Output, Pump2Output, Pump3Output})
        On(id, platform::EN_KILLFOCUS, [&c] { c.ResetToCalculated(); });
    On(lagid::LagUsingStrokes, platform::BN_CLICKED, [&c] { c.LagUsingStrokes(); });
    On(lagid::UseWitsStrokes, platform::BN_CLICKED, [&c] { c.UseWitsStrokes(); });
    On(StartCounter, platform::BN_CLICKED, [&c] { c.ToggleCounter(); });
    for (int id : {CasingLength, Liner1Length, Liner2Length})
        On(id, platform::EN_KILLFOCUS, [&c] { c.OpenHoleFromDepth(); });
    for (int id : {Collar1Length, Collar2Length, Collar3Length, Pipe2Length})
        On(id, platform::EN_KILLFOCUS, [&c] { c.PipeFromDepth(); });
    On(CurrentDepth, platform::EN_KILLFOCUS, [&c] { c.DepthChanged(); });
    On(MudWeight, platform::EN_KILLFOCUS, [&c] { c.Pressures(); });
    On(Washout, platform::EN_KILLFOCUS, [&c] { c.WashoutEdited(); });
    On(MeasuredLag, platform::EN_KILLFOCUS, [&c] { c.WashoutFromMeasured(); });
    // The close box and Escape close as "Close" does: the measured lag time is kept either way.
    On(platform::IDCANCEL, platform::BN_CLICKED, [this, &c] {
        c.CanClose();
        EndDialog(platform::IDCANCEL);
    });
}

LagCalcDlg::~LagCalcDlg() = default;

void LagCalcDlg::SetupWindow() { calculator_->SetupWindow(); }

bool LagCalcDlg::CanClose() { return calculator_->CanClose(); }

void InstallLagCalculator(DrillingCommands& commands, QWidget* window)
{
    QPointer<QWidget> parent(window);
    commands.runLagCalculator = [parent](const LagCalcHost& host) {
        LagCalcDlg dlg(parent, host);
        dlg.Execute();
    };
}

}  // namespace drilling
