// Archie water saturation: the equation and its guards, the curve choices the dialogs offer, and the
// porosity list of the set-up dialog when only one porosity curve is shown.
#include "elog/curves.h"
#include "elog/ui/swdialogs.h"
#include "elog/watersaturation.h"
#include "support/files.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>

using elog::CurveRecord;

namespace {

CurveRecord Record(float phi, float rt, float m = 2, std::int32_t porSlot = elog::SLOT_DENSITY_POR,
                   std::int32_t resSlot = elog::SLOT_RES120)
{
    CurveRecord r;
    r.values[0] = 1000;
    r.values[elog::SLOT_DENSITY_POR] = phi;
    r.values[elog::SLOT_RES120] = rt;
    r.values[elog::SLOT_RW] = 0.04f;
    r.values[elog::SLOT_SWA] = 1;
    r.values[elog::SLOT_SWM] = m;
    r.values[elog::SLOT_POR_CHOICE] = std::bit_cast<float>(porSlot);
    r.values[elog::SLOT_RES_CHOICE] = std::bit_cast<float>(resSlot);
    return r;
}

std::array<elog::CurvePen, elog::Curves::kSlots> Shown(std::initializer_list<int> shown)
{
    std::array<elog::CurvePen, elog::Curves::kSlots> pens{};
    for (int s : shown)
        pens[std::size_t(s)].on = 1;
    return pens;
}

}  // namespace

TEST(WaterSaturation, ArchieGivesSwOrNoDataNeverANonNumber)
{
    EXPECT_NEAR(elog::ArchieSw(Record(0.2f, 10)), 0.316, 1e-3);
    EXPECT_EQ(elog::ArchieSw(Record(0.2f, 0.05f)), 0.0);  // below 0.1 ohm-m
    EXPECT_EQ(elog::ArchieSw(Record(0, 10)), 0.0);
    EXPECT_EQ(elog::ArchieSw(Record(-0.06f, 10)), 0.0);
    // A slightly negative porosity passes the guard; with a non-integer m it has no real power.
    const double sw = elog::ArchieSw(Record(-0.03f, 10, 1.5f));
    EXPECT_EQ(sw, 0.0);
    // Slot numbers that name no porosity or resistivity curve are never used to index the record.
    EXPECT_EQ(elog::ArchieSw(Record(0.2f, 10, 2, 9999)), 0.0);
    EXPECT_EQ(elog::ArchieSw(Record(0.2f, 10, 2, elog::SLOT_DENSITY_POR, -4)), 0.0);
    EXPECT_EQ(elog::ArchieSw(Record(0.2f, 10, 2, elog::SLOT_DENSITY_POR, elog::SLOT_SW)), 0.0);

    // A whole interval with a damaged slot: Sw 1 and BVw 0 there, nothing written outside.
    std::vector<CurveRecord> rows(10, Record(0.2f, 10));
    for (int i = 0; i < 10; ++i)
        rows[std::size_t(i)].values[0] = float(100 + i);
    elog::SwInterval in{0.04f, 1, 2, elog::SLOT_DENSITY_POR, 77, 102, 105};
    EXPECT_EQ(elog::ApplySwInterval(rows, 200, in), 3);
    EXPECT_EQ(rows[2].values[elog::SLOT_SW], 1.0f);
    EXPECT_EQ(rows[2].values[elog::SLOT_BVW], 0.0f);
    EXPECT_EQ(rows[5].values[elog::SLOT_SW], 0.0f);
    // The walk stops before the data's last depth.
    in.resistivitySlot = elog::SLOT_RES120;
    in.to = 1000;
    EXPECT_EQ(elog::ApplySwInterval(rows, 107, in), 5);
    EXPECT_EQ(rows[7].values[elog::SLOT_SW], 0.0f);

    const QString row = elog::SwTableRow(rows[3], elog::ArchieSw(rows[3]));
    EXPECT_FALSE(row.contains("nan")) << row.toStdString();
}

TEST(WaterSaturation, TheResistivityAndPorosityChoicesFollowTheCurvesShown)
{
    EXPECT_EQ(elog::ResistivitySlotFor(9, Shown({})), 9);
    EXPECT_EQ(elog::ResistivitySlotFor(0, Shown({elog::SLOT_RES10, 12})), 12);  // RES120 hidden, RES90 shown
    EXPECT_EQ(elog::ResistivitySlotFor(-3, Shown({elog::SLOT_RES10})), -3);     // RES10 is not searched
    EXPECT_EQ(elog::ParameterText(0, "0.04"), "0.04");
    EXPECT_EQ(elog::ParameterText(0.123f, "1.0"), "0.12");

    // Only NEUTRON POR shown: the list holds it alone and choosing it takes slot 3, whatever the record
    // named.
    std::vector<CurveRecord> rows(50);
    for (int i = 0; i < 50; ++i) {
        rows[std::size_t(i)].values[0] = float(i);
        rows[std::size_t(i)].values[elog::SLOT_NEUTRON_POR] = i > 0 ? 0.15f : 0.0f;
    }
    const QString path = testing_support::TestDir() + "N.svc";
    testing_support::WriteBytes(path, testing_support::BytesOf(rows));
    elog::CurveOwner owner;
    owner.currentCurveFile = path;
    elog::Curves curves(owner);
    ASSERT_EQ(curves.LoadCurveFile(path), 1);
    elog::SWDlg dlg(nullptr, curves, 20);
    platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
        ASSERT_EQ(d.GetCount(elog::swid::Porosity), 1);
        EXPECT_EQ(d.GetString(elog::swid::Porosity, 0), " Neutron ");
        d.SetSelIndex(elog::swid::Porosity, 0);
        d.Command(elog::swid::Porosity, platform::CBN_SELCHANGE);
        EXPECT_EQ(dlg.PorositySlot(), elog::SLOT_NEUTRON_POR);
    });
    dlg.Execute();
}
