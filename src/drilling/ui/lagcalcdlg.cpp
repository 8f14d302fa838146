#include "drilling/ui/lagcalcdlg.h"

#include "drilling/drillingcommands.h"
#include "platform/ui/dialogitems.h"

#include <QPointer>

#include <utility>

namespace drilling {

using namespace lagid;

namespace {

using namespace platform::dialogitems;

constexpr int kEditLimit = 21;  // 20 characters

// A value typed in, and one the calculator shows.
constexpr platform::DialogItem In(int id) { return Edit(id, kEditLimit, 8); }
constexpr platform::DialogItem Out(int id) { return ReadOnlyEdit(id, kEditLimit, 10); }
// The strokes and minutes from the kelly bushing to the bit, whole: "867.56 strokes  8.68 Min".
constexpr platform::DialogItem StrokesAndMinutes(int id) { return ReadOnlyEdit(id, 2 * kEditLimit, 25); }

// The dialog's controls in tab order, in their groups, grids and rows.
const platform::DialogItem kControls[] = {
    Label("Current Depth"), In(CurrentDepth), Check(Metric, "Metric"), Stretch(),
    Row(),

    Group(platform::IDC_STATIC, "HOLE"),
    Grid(3),
    Label(""), Label("ID (in)"), Label("Length"),
    Label("Casing"), In(CasingId), In(CasingLength),
    Label("Liner 1"), In(Liner1Id), In(Liner1Length),
    Label("Liner 2"), In(Liner2Id), In(Liner2Length),
    Label("Open Hole"), In(OpenHoleDiameter), In(OpenHoleLength),
    Label("Washout"), In(Washout), Skip(),
    EndGrid(),
    EndGroup(),

    Group(platform::IDC_STATIC, "DRILL STRING"),
    Grid(4),
    Label(""), Label("OD (in)"), Label("ID (in)"), Label("Length"),
    Label("Drill Pipe 1"), In(Pipe1Od), In(Pipe1Id), In(Pipe1Length),
    Label("Drill Pipe 2"), In(Pipe2Od), In(Pipe2Id), In(Pipe2Length),
    Label("Collar 1"), In(Collar1Od), In(Collar1Id), In(Collar1Length),
    Label("Collar 2"), In(Collar2Od), In(Collar2Id), In(Collar2Length),
    Label("Collar 3"), In(Collar3Od), In(Collar3Id), In(Collar3Length),
    EndGrid(),
    EndGroup(),
    Row(),

    Group(platform::IDC_STATIC, "PUMPS"),
    Grid(5),
    Label(""), Label("On Hole"), Label("BBL/Stroke"), Label("SPM"), Label("Efficiency"),
    Label("Pump 1"), Check(Pump1OnHole, ""), In(Pump1Output), In(Pump1Spm), In(Efficiency1),
    Label("Pump 2"), Check(Pump2OnHole, ""), In(Pump2Output), In(Pump2Spm), In(Efficiency2),
    Label("Pump 3"), Check(Pump3OnHole, ""), In(Pump3Output), In(Pump3Spm), In(Efficiency3),
    EndGrid(),
    Check(ShowAllPumps, "Show All Pumps"), Check(UseAllActivePumps, "Use All Active Pumps"),
    EndGroup(),

    Group(platform::IDC_STATIC, "MUD"),
    Grid(2),
    Label("Mud Weight"), In(MudWeight),
    Label(MotorRevsLabel, "Motor Rev/Gal"), In(MotorRevs),
    Label("Hydrostatic Pressure"), Out(Hydrostatic),
    Label("Formation Pressure"), Out(Formation),
    Label("Matrix Stress"), Out(MatrixStress),
    Label("Bottom Hole Differential Pressure"), Out(Differential),
    EndGrid(),
    EndGroup(),
    Row(),

    Group(platform::IDC_STATIC, "RESULTS"),
    Grid(4),
    Label("Drill String Volume"), Out(InsideVolume), Label("Displacement"), Out(Displacement),
    Label("Annular Volume"), Out(Annular), Label("Total Hole Volume"), Out(TotalHoleVolume),
    Label("Lag Minutes"), Out(LagMinutes), Label("Lag Strokes"), Out(LagStrokes),
    Label("BBL/Min"), Out(BarrelsPerMinute), Label("Gal/Min"), Out(GallonsPerMinute),
    Label("Gal/Stroke"), Out(GallonsPerStroke), Label("Kelly Bushing To Bit"), StrokesAndMinutes(SurfaceToBit),
    EndGrid(),
    EndGroup(),

    Group(platform::IDC_STATIC, "MEASURED LAG"),
    Grid(2),
    Label("Lag Minutes"), In(MeasuredLag),
    Label("Lag Strokes"), Out(MeasuredStrokes),
    Label(LagNowLabel, "LAG TIME NOW Based On Current Wits SPM"), Out(LagNow),
    EndGrid(),
    EndGroup(),
    Row(),

    Check(LagUsingStrokes, "Lag Using Strokes"), Check(UseWitsStrokes, "Use Wits Strokes"),
    Button(StartCounter, "Start Counter"), Stretch(),
    Row(),
    DefaultButton(Calculate, "Calculate"), Button(Save, "Save"), Button(UpdateWashout, "Update Washout"),
    Button(ResetToCalculated, "Reset To Calculated Value"), Button(Help, "HELP"), Stretch(),
    Button(Close, "Close"),
};

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
    : FormDialog(parent, QStringLiteral("STRATIV LAG CALCULATOR")), form_(std::make_unique<DialogForm>(*this)),
      calculator_(std::make_unique<LagCalculator>(*form_, std::move(host)))
{
    AddTable(kControls);

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
