#include "elog/ui/swdialogs.h"

#include "app/logstate.h"
#include "elog/curves.h"
#include "elog/watersaturation.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/ui/controls.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>

namespace elog {

namespace id = swid;

namespace {

QString Real(double v) { return QString::fromStdString(platform::CFormat("%2.3f", v)); }

// The list of the porosity curves shown, with the item of `slot` selected when it is there.
std::vector<PorosityChoice> FillPorosityList(platform::Dialog& d, const Curves& curves, int slot)
{
    std::vector<PorosityChoice> choices = PorosityChoices(curves.pens);
    d.ClearStrings(id::Porosity);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        d.AddString(id::Porosity, choices[i].text);
        if (choices[i].slot == slot)
            d.SetSelIndex(id::Porosity, int(i));
    }
    return choices;
}

// The slot of the chosen list item (the list holds the shown porosity curves in slot order).
std::int32_t ChosenSlot(const platform::Dialog& d, const Curves* curves, std::int32_t current)
{
    if (!curves)
        return current;
    const std::vector<PorosityChoice> choices = PorosityChoices(curves->pens);
    const int i = d.GetSelIndex(id::Porosity);
    return i >= 0 && std::size_t(i) < choices.size() ? choices[std::size_t(i)].slot : current;
}

}  // namespace

void ArchieDialog::AddParameterEdits()
{
    BeginGrid(2);
    AddStatic(platform::IDC_STATIC, QStringLiteral("RW :"));
    AddEdit(id::Rw, 20);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Value of  'a'"));
    AddEdit(id::A, 20);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Value of 'm'"));
    AddEdit(id::M, 20);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Porosity Curve (use)"));
    AddCombo(id::Porosity);
}

// ---- SWDlg ----

SWDlg::SWDlg(QWidget* parent, Curves& curves, std::int32_t position)
    : ArchieDialog(parent, QStringLiteral("Archie Water Saturation Setup")), curves_(curves), position_(position)
{
    AddStatic(platform::IDC_STATIC,
              QStringLiteral("Enter the appropriate values  and the start and end DEPTHS for which to use them. You "
                             "may enter as many intervals as you like. Save after each entry."));
    NewRow();
    AddParameterEdits();
    AddStatic(platform::IDC_STATIC, QStringLiteral("Depth From :"));
    AddEdit(id::From, 20);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Depth To :"));
    AddEdit(id::To, 20);
    EndGrid();
    NewRow();
    AddButton(id::Save, QStringLiteral("Save"));
    AddButton(platform::IDOK, QStringLiteral("Close"));
    On(id::Save, platform::BN_CLICKED, [this] { CmSave(); });
    On(id::Porosity, platform::CBN_SELCHANGE, [this] { EvPorosityChange(); });
}

void SWDlg::SetupWindow()
{
    const std::span<const CurveRecord> records = curves_.Records();
    const CurveRecord shown =
        records.empty() ? CurveRecord{} : records[std::size_t(std::clamp(std::min(position_, curves_.lastDepth), 0,
                                                                         int(records.size()) - 1))];
    porositySlot_ = shown.IntAt(SLOT_POR_CHOICE);
    resistivitySlot_ = ResistivitySlotFor(shown.IntAt(SLOT_RES_CHOICE), curves_.pens);
    const int stored = shown.PorositySlot();
    FillPorosityList(*this, curves_, stored && curves_.pens[std::size_t(stored)].on ? stored : 0);
    if (!(stored && curves_.pens[std::size_t(stored)].on) && curves_.pens[SLOT_DENSITY_POR].on) {
        SetSelIndex(id::Porosity, 0);
        porositySlot_ = SLOT_DENSITY_POR;
    }
    SetText(id::Rw, ParameterText(shown.values[SLOT_RW], "0.04"));
    SetText(id::A, ParameterText(shown.values[SLOT_SWA], "1.0"));
    SetText(id::M, ParameterText(shown.values[SLOT_SWM], "2.0"));
}

void SWDlg::EvPorosityChange() { porositySlot_ = ChosenSlot(*this, &curves_, porositySlot_); }

void SWDlg::CmSave()
{
    SwInterval in;
    in.rw = float(platform::LeadingDouble(GetText(id::Rw)));
    in.a = float(platform::LeadingDouble(GetText(id::A)));
    in.m = float(platform::LeadingDouble(GetText(id::M)));
    in.from = platform::LeadingInt(GetText(id::From));
    in.to = platform::LeadingInt(GetText(id::To));
    in.porositySlot = porositySlot_;
    in.resistivitySlot = resistivitySlot_;
    ApplySwInterval(curves_.Block().first(std::size_t(curves_.Count())), curves_.lastDepth, in);
    // The save writes back no more than the file holds and says itself when it fails.
    curves_.SaveCurveFile();
    SetFocusTo(id::Rw);
}

// ---- SWDlg2 ----

SWDlg2::SWDlg2(QWidget* parent, app::LogState& log, std::int32_t row)
    : ArchieDialog(parent, QStringLiteral("Archie Water Saturation ")), log_(log), row_(row)
{
    AddStatic(platform::IDC_STATIC, QStringLiteral("Enter different values and click recalculate "));
    NewRow();
    AddParameterEdits();
    EndGrid();
    NewRow();
    AddStatic(platform::IDC_STATIC,
              QStringLiteral("Depth                Sw                  BVw                Por                 Res"));
    NewRow();
    AddStatic(id::FirstRow, QString());
    NewRow();
    AddStatic(id::SecondRow, QString());
    NewRow();
    AddButton(id::Recalculate, QStringLiteral("Recalculate"));
    AddButton(platform::IDOK, QStringLiteral("Close"));
    On(id::Recalculate, platform::BN_CLICKED, [this] { CmRecalculate(); });
    On(id::Porosity, platform::CBN_SELCHANGE, [this] { EvPorosityChange(); });
    On(platform::IDOK, platform::BN_CLICKED, [this] { Destroy(); });
    On(platform::IDCANCEL, platform::BN_CLICKED, [this] { Destroy(); });
}

void SWDlg2::Destroy()
{
    // The window's guarded pointer lets go when the object goes.
    hide();
    deleteLater();
}

CurveRecord* SWDlg2::RecordAt(std::int32_t row) const
{
    Curves* curves = log_.engines.elogCurves.get();
    // The row and the one after it: the spare records after the data hold the second.
    if (!curves || row < 0 || std::size_t(row) + 1 >= curves->Block().size())
        return nullptr;
    return &curves->Block()[std::size_t(row)];
}

void SWDlg2::SetupWindow()
{
    const CurveRecord* record = RecordAt(row_);
    const Curves* curves = log_.engines.elogCurves.get();
    if (!record || !curves)
        return;
    porositySlot_ = record->IntAt(SLOT_POR_CHOICE);
    resistivitySlot_ = ResistivitySlotFor(record->IntAt(SLOT_RES_CHOICE), curves->pens);
    FillPorosityList(*this, *curves, record->PorositySlot());
    FillTable(row_);
}

double SWDlg2::ArchieSw(const CurveRecord& r)
{
    const auto at = [&r](std::int32_t slot) {
        return slot >= SLOT_DENSITY_POR && slot <= SLOT_RES120 ? double(r.values[std::size_t(slot)]) : 0.0;
    };
    const bool porosityOk = porositySlot_ >= SLOT_DENSITY_POR && porositySlot_ <= SLOT_SONIC;
    const bool resistivityOk = resistivitySlot_ >= SLOT_RES10 && resistivitySlot_ <= SLOT_RES120;
    if (!porosityOk || !resistivityOk || at(porositySlot_) < -0.1 || at(resistivitySlot_) == 0.0) {
        platform::MessageBox(QStringLiteral("Invalid Data"), QCoreApplication::applicationName(), platform::MB_OK);
        return 100.0;
    }
    const int porosity = r.PorositySlot(), resistivity = r.ResistivitySlot();
    if (porosity == 0 || resistivity == 0)
        return 0.0;
    return ArchieOf(r.values[std::size_t(porosity)], r.values[std::size_t(resistivity)], r.values[SLOT_SWA],
                    r.values[SLOT_SWM], r.values[SLOT_RW]);
}

void SWDlg2::FillTable(std::int32_t row)
{
    activateWindow();
    row_ = row;
    const CurveRecord* first = RecordAt(row);
    if (!first)
        return;
    SetText(id::Rw, Real(first->values[SLOT_RW]));
    SetText(id::A, Real(first->values[SLOT_SWA]));
    SetText(id::M, Real(first->values[SLOT_SWM]));
    SetText(id::FirstRow, SwTableRow(*first, ArchieSw(*first)));
    const CurveRecord& second = first[1];
    SetText(id::SecondRow, SwTableRow(second, ArchieSw(second)));
}

void SWDlg2::EvPorosityChange() { porositySlot_ = ChosenSlot(*this, log_.engines.elogCurves.get(), porositySlot_); }

void SWDlg2::CmRecalculate()
{
    const float rw = float(platform::LeadingDouble(GetText(id::Rw)));
    const float a = float(platform::LeadingDouble(GetText(id::A)));
    const float m = float(platform::LeadingDouble(GetText(id::M)));
    CurveRecord* first = RecordAt(row_);
    if (!first)
        return;
    for (CurveRecord* r : {first, first + 1}) {
        r->values[SLOT_RW] = rw;
        r->values[SLOT_SWA] = a;
        r->values[SLOT_SWM] = m;
        r->values[SLOT_POR_CHOICE] = std::bit_cast<float>(porositySlot_);
        r->values[SLOT_RES_CHOICE] = std::bit_cast<float>(resistivitySlot_);
    }
    FillTable(row_);
    SetFocusTo(id::Rw);
}

// ---- The read-out ----

int ShowElogReadout(app::LogState& s, QWidget* parent, QPointer<QWidget>& slot, std::int32_t depth)
{
    const Curves* curves = s.engines.elogCurves.get();
    if (!curves)
        return 0;
    const long long d = (long long)depth + s.well.elogDepthOffset;
    if (d > curves->lastDepth) {
        platform::MessageBox(QStringLiteral("Data not available at this depth"), QString(), platform::MB_OK);
        return 0;
    }
    const long long row = d - 1 - curves->firstDepth;
    const bool inData = row >= 0 && row < curves->Count();
    const CurveRecord record = inData ? curves->Records()[std::size_t(row)] : CurveRecord{};
    // The porosity data start at the density porosity's first depth; the resistivity the row names (the
    // deepest when it names none) must have started too. The message gives the density porosity's and
    // the deepest resistivity's starts.
    const int resistivity = record.ResistivitySlot() ? record.ResistivitySlot() : int(SLOT_RES120);
    const std::int32_t porosityStart = curves->pens[SLOT_DENSITY_POR].firstDataDepth;
    const std::int32_t rowResistivityStart = curves->pens[std::size_t(resistivity)].firstDataDepth;
    if (!inData || d < porosityStart || d < rowResistivityStart) {
        const std::string text = platform::CFormat(
            "Start of porosity data is at %d\nStart of deep resistivity data is at %d\n %s", int(porosityStart),
            int(curves->pens[SLOT_RES120].firstDataDepth), "No data available at this depth");
        platform::MessageBox(QString::fromStdString(text), QStringLiteral("Data Error"), platform::MB_OK);
        return 0;
    }
    auto* table = dynamic_cast<SWDlg2*>(slot.data());
    if (!table || !table->isVisible()) {
        table = new SWDlg2(parent, s, std::int32_t(row));
        slot = table;
        table->Create();
    }
    table->FillTable(std::int32_t(row));
    return 1;
}

}  // namespace elog
