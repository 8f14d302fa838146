// What saving and editing short reports does beside the dialog: the pump output, the notes sent to the
// horizontal view, the depth and browsing rules, the mud weights written into the depth records and
// the cut of the file at the last depth.
#include "reports/pumpoutput.h"
#include "reports/shortreportbook.h"
#include "reports/shortreportnotes.h"
#include "reports/shortreports.h"
#include "reports/shortreportsave.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/customdata.h"
#include "wellfile/lagrecord.h"
#include "wellfile/memorecords.h"
#include "wellfile/openwell.h"
#include "wellfile/witsrecord.h"

#include <gtest/gtest.h>

#include <cstring>

using wellfile::QREPORT;
using testing_support::TestDir;

namespace {

QREPORT Report(std::int32_t depth)
{
    QREPORT r;
    r.depth = depth;
    return r;
}

wellfile::OpenWell Well(int first, int last)
{
    wellfile::OpenWell w;
    w.currentFolder = TestDir();
    w.wellName = QStringLiteral("W1");
    w.dataFileName = testing_support::MakeWell(TestDir(), "W1.svm", first, last);
    w.fileTopDepth = first;
    w.fileBottomDepth = last;
    w.customDataFileName = TestDir() + "W1.svx";
    w.customTopDepth = first;
    w.customBottomDepth = last;
    return w;
}

}  // namespace

TEST(PumpOutput, TakesTheCustomRecordInsideTheFileAndTheLagSettingsNearItsEnds)
{
    wellfile::OpenWell w = Well(1000, 2600);
    std::vector<wellfile::CUSTDATAREC> rows(1601);
    rows[500].spm = 0.1f;
    rows[500].pumpOutput = 100;
    rows[500].motorFactor = 0.95f;
    testing_support::WriteRecords(w.customDataFileName, rows);
    EXPECT_FLOAT_EQ(reports::ComputePumpOutput(&w, nullptr, nullptr, 1500), 399.f);
    EXPECT_EQ(reports::ComputePumpOutput(&w, nullptr, nullptr, 1501), 0.f);

    wellfile::LagRecord lag{};
    lag.pump1Output = lag.pump2Output = 0.1f;
    lag.pump1Spm = 60;
    lag.pumpOnHole[0] = lag.pumpOnHole[1] = 1;
    lag.pumpEfficiency[0] = lag.pumpEfficiency[1] = 0.95f;
    lag.motorRevsPerGallon = 1.0f;
    wellfile::WITSRECORD live;
    live.spm1 = 60;
    live.spm2 = 40;
    live.spm3 = 70;  // off hole: not counted
    // At first + 50 and at the drilling step's depth 0 the lag settings give it.
    EXPECT_NEAR(reports::ComputePumpOutput(&w, &lag, &live, 1050), 399.f, 0.01f);
    EXPECT_NEAR(reports::ComputePumpOutput(nullptr, &lag, &live, 0), 399.f, 0.01f);
    // A pump on hole that stands adds no output but counts no rate either.
    live.spm2 = 0;
    EXPECT_NEAR(reports::ComputePumpOutput(nullptr, &lag, &live, 0), 0.095f * 42 * 60, 0.01f);
    // Pumps of different output: each one's own flow (60 x 0.1 x 0.95 + 30 x 0.05 x 0.95 bbl/min).
    lag.pump2Output = 0.05f;
    live.spm2 = 30;
    EXPECT_NEAR(reports::ComputePumpOutput(nullptr, &lag, &live, 0), (60 * 0.1 * 0.95 + 30 * 0.05 * 0.95) * 42, 0.01);
    EXPECT_EQ(reports::ComputePumpOutput(nullptr, &lag, nullptr, 0), 0.f);
    lag.motorRevsPerGallon = 0;
    EXPECT_EQ(reports::ComputePumpOutput(nullptr, &lag, &live, 0), 0.f);
}

TEST(ShortReportNotes, DrillingAndMudValuesBecomeTwoNotesInFreeSlots)
{
    QREPORT r = Report(1500);
    std::strcpy(r.wob, "25");
    std::strcpy(r.rpm, "120");
    std::strcpy(r.pumpPressure, "2500");
    std::strcpy(r.spm, "90");
    std::strcpy(r.weightOut, "<10");
    std::strcpy(r.ph, "9");
    std::strcpy(r.chlorides, "50");
    std::strcpy(r.yp, "12");
    r.mechanicalToHorz = r.mudToHorz = 1;
    r.mechanicalText = 0x0000FF;
    r.mudBack = 0x00FF00;
    std::vector<wellfile::HTEXTEX> notes(4);
    notes[0].depth = 1200;
    notes[2].depth = 1300;
    ASSERT_EQ(reports::PlaceShortReportNotes(notes, r), reports::NotePlacing::Placed);
    EXPECT_STREQ(notes[1].text, "WOB 25\r\nRPM 120\r\nPP 2500\r\nSPM 90\r\n @ 1500");
    EXPECT_EQ(+notes[1].depth, 1500);
    EXPECT_EQ(notes[1].anchoredBottom, 1);
    EXPECT_EQ(notes[1].anchoredRight, 0);
    EXPECT_EQ(std::uint32_t(notes[1].textColour), 0x0000FFu);
    EXPECT_EQ(notes[1].drawRectangle + notes[1].transparent, 2);
    // The one- and two-character values go too; "<10" as typed.
    EXPECT_STREQ(notes[3].text, "MUDWT <10\r\nPH 9\r\nCHL 50\r\nYP 12\r\n @ 1500");
    EXPECT_EQ(notes[3].anchoredRight, 1);
    EXPECT_EQ(std::uint32_t(notes[3].background), 0x00FF00u);

    // Room for one note of two: neither is placed.
    std::vector<wellfile::HTEXTEX> full(2);
    full[0].depth = 1100;
    EXPECT_EQ(reports::PlaceShortReportNotes(full, r), reports::NotePlacing::NoRoom);
    EXPECT_EQ(+full[1].depth, 0);
    // Custom lines of more than two characters follow the values.
    std::strcpy(r.mechanicalCustom1, "TQ 8");
    std::strcpy(r.mechanicalCustom2, "ab");
    std::strcpy(r.mudCustom2, "SAND 1%");
    EXPECT_EQ(reports::MechanicalNoteText(r), "WOB 25\r\nRPM 120\r\nPP 2500\r\nSPM 90\r\n\r\nTQ 8");
    EXPECT_EQ(reports::MudNoteText(r), "MUDWT <10\r\nPH 9\r\nCHL 50\r\nYP 12\r\nSAND 1%");
}

TEST(ShortReportBook, DepthRulesBrowsingNewAndDelete)
{
    using reports::ShortReportDepthAllowed;
    EXPECT_TRUE(ShortReportDepthAllowed(1050, 1000, 2600));
    EXPECT_FALSE(ShortReportDepthAllowed(1049, 1000, 2600));
    EXPECT_TRUE(ShortReportDepthAllowed(2600, 1000, 2600));
    EXPECT_TRUE(ShortReportDepthAllowed(2599, 1000, 2600));
    EXPECT_FALSE(ShortReportDepthAllowed(2601, 1000, 2601));  // checked as 2602
    EXPECT_TRUE(ShortReportDepthAllowed(1051, 1000, 2600));
    EXPECT_EQ(reports::ShownShortReportDepth(2700, 1000, 2600), 2580);
    EXPECT_EQ(reports::ShownShortReportDepth(1010, 1000, 2600), 1050);

    using reports::ShortReportStep;
    EXPECT_EQ(ShortReportStep(6, 10, false, true), 1);
    EXPECT_EQ(ShortReportStep(5, 10, false, true), 4);
    EXPECT_EQ(ShortReportStep(4, 10, true, true), 9);
    EXPECT_EQ(ShortReportStep(5, 10, true, true), 6);
    EXPECT_EQ(ShortReportStep(0, 10, false, false), std::nullopt);
    EXPECT_EQ(ShortReportStep(9, 10, true, true), std::nullopt);

    reports::ShortReportBook book;
    book.reports = {Report(1200), Report(1400), Report(1600), QREPORT{}, QREPORT{}};
    book.count = 3;
    for (int i = 0; i < 3; ++i)
        book.reports[std::size_t(i)].number = i + 1;
    book.reports[1].mudToHorz = 1;
    book.current = 1;
    reports::NewShortReport(book);
    EXPECT_EQ(book.count, 4);
    EXPECT_EQ(book.current, 3);
    EXPECT_EQ(book.addedFrom, 1);
    EXPECT_EQ(+book.Current().depth, 1400);
    EXPECT_EQ(+book.Current().number, 3);
    EXPECT_EQ(book.Current().mudToHorz, 0);
    book.current = 1;
    EXPECT_EQ(reports::RemoveShortReport(book), reports::ReportRemoval::Middle);
    EXPECT_EQ(+book.Current().depth, 1600);
    EXPECT_EQ(+book.Current().number, 2);
    book.current = 2;
    EXPECT_EQ(reports::RemoveShortReport(book), reports::ReportRemoval::Last);
    EXPECT_EQ(book.current, 1);
}

TEST(ShortReportSave, MudWeightsReachTheDepthRecordOnlyWhenTakenAndDeepEnough)
{
    wellfile::OpenWell w = Well(1000, 2600);
    auto weights = [&](std::int32_t depth) {
        const QByteArray bytes = testing_support::ReadBytes(w.dataFileName);
        const qint64 at = qint64(depth - 1000) * 616;
        return std::make_pair(testing_support::At<float>(bytes, at + 344), testing_support::At<float>(bytes, at + 348));
    };
    QREPORT r = Report(1500);
    std::strcpy(r.weightOut, "12.5ppg");
    std::strcpy(r.weightIn, "10");
    EXPECT_EQ(reports::WriteReportMudWeights(w, r), reports::MudWeightWrite::Written);
    EXPECT_EQ(weights(1500), std::make_pair(10.f, 12.5f));

    // A weight out of range leaves the stored one.
    std::strcpy(r.weightOut, "25");
    std::strcpy(r.weightIn, "<9");
    EXPECT_EQ(reports::WriteReportMudWeights(w, r), reports::MudWeightWrite::Unchanged);
    EXPECT_EQ(weights(1500), std::make_pair(10.f, 12.5f));
    std::strcpy(r.weightIn, "11");
    EXPECT_EQ(reports::WriteReportMudWeights(w, r), reports::MudWeightWrite::Written);
    EXPECT_EQ(weights(1500), std::make_pair(11.f, 12.5f));

    // Record 20 is too near the top.
    const QByteArray before = testing_support::ReadBytes(w.dataFileName);
    r.depth = 1020;
    EXPECT_EQ(reports::WriteReportMudWeights(w, r), reports::MudWeightWrite::NotAsked);
    EXPECT_EQ(testing_support::ReadBytes(w.dataFileName), before);
}

TEST(ShortReportSave, TheCutAtTheLastDepthKeepsAShallowReportAppendedBehindADeepOne)
{
    const QString path = TestDir() + "W1.qpt";
    testing_support::WriteRecords(path, std::vector<QREPORT>{Report(1300), Report(2500), Report(1150)});
    const auto kept = reports::TruncateShortReportFile(path, 2000);
    ASSERT_TRUE(kept);
    ASSERT_EQ(kept->size(), 2u);
    const auto file = testing_support::FileRecords<QREPORT>(path);
    ASSERT_EQ(file.size(), 2u);
    EXPECT_EQ(+file[0].depth, 1150);
    EXPECT_EQ(+file[1].depth, 1300);
    EXPECT_EQ(+file[1].number, 2);
    EXPECT_FALSE(reports::TruncateShortReportFile(TestDir() + "none.qpt", 2000));
}
