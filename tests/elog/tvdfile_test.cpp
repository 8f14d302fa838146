// The TVD well's files from intervals: records re-numbered to TVD with the records of each station's
// MD at its TVD, the gamma rows in line with them, memos at the TVD of their records and written afresh
// for a new log, a TVD well of another well left alone, and a short ".tvd" refused.
#include "elog/curverecord.h"
#include "elog/survey.h"
#include "elog/tvdfile.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/record.h"
#include "wellfile/wellheader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using elog::CurveRecord;
using elog::TvdFile;
using elog::TvdInterval;
using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteRecords;
using wellfile::RECORD;

namespace {

// A well of depths 1000-2000 whose records carry their MD in the vertical section (a field the TVD
// copy keeps), a curve file whose gamma is the row number, and its header naming "A12".
struct TvdWell {
    QString tvd = TestDir() + "~12.svm";
    TvdFile file{{TestDir() + "A12.svm", TestDir() + "A12.svc", TestDir() + "A12.hdr", 1000}};

    TvdWell()
    {
        std::vector<RECORD> rows(1001);
        for (int i = 0; i <= 1000; ++i) {
            rows[std::size_t(i)].depth = 1000 + i;
            rows[std::size_t(i)].verticalSection = float(1000 + i);
            rows[std::size_t(i)].inclination = 30;
            rows[std::size_t(i)].tvd = i == 500 ? 1400.0f : 0.0f;
        }
        WriteRecords(TestDir() + "A12.svm", rows);
        std::vector<CurveRecord> curves(2001);
        for (std::size_t i = 0; i < curves.size(); ++i) {
            curves[i].values[elog::SLOT_DEPTH] = float(i);
            curves[i].values[elog::SLOT_GAMMA] = float(i);
        }
        WriteRecords(TestDir() + "A12.svc", curves);
        WriteHeader(TestDir() + "A12.hdr", "A12");
        file.curvePath = TestDir() + "~12.svc";
        file.curvesLoaded = file.gammaFlag = true;
    }
    static void WriteHeader(const QString& path, const char* well)
    {
        wellfile::WellHeader h{};
        std::strcpy(h.well, well);
        testing_support::WriteBytes(path, &h, sizeof h);
    }
};

TvdInterval Interval(float mdStart, float mdEnd, float tvdStart, float tvdEnd)
{
    TvdInterval iv;
    iv.mdStart = mdStart;
    iv.mdEnd = mdEnd;
    iv.tvdStart = tvdStart;
    iv.tvdEnd = tvdEnd;
    return iv;
}

TEST(TvdFile, EachStationsTvdHoldsItsMdRecordAndTheGammaRowsStayInLine)
{
    TvdWell w;
    TvdInterval iv = Interval(1000, 1500, 1000, 1400);
    ASSERT_EQ(w.file.Update(w.tvd, iv), 1);
    EXPECT_FLOAT_EQ(iv.mdStart, 1500);
    EXPECT_FLOAT_EQ(iv.tvdStart, 1400);
    iv.mdEnd = 1800;
    iv.tvdEnd = 1600;
    ASSERT_EQ(w.file.BuildInterval(w.tvd, iv), 1);

    const std::vector<RECORD> rows = FileRecords<RECORD>(w.tvd);
    ASSERT_EQ(rows.size(), 601u);
    const std::vector<CurveRecord> gamma = FileRecords<CurveRecord>(w.file.curvePath);
    ASSERT_EQ(gamma.size(), 1600u);
    for (int tvd = 1000; tvd <= 1600; ++tvd) {
        const RECORD& r = rows[std::size_t(tvd - 1000)];
        // Above the first station the hole is taken as vertical; below it round(k x n / t) of the
        // interval the depth lies in.
        const int md = tvd < 1400 ? tvd : 1500 + (2 * (tvd - 1400) * 300 + 200) / 400;
        ASSERT_EQ(r.depth, tvd);
        ASSERT_FLOAT_EQ(r.verticalSection, float(md)) << tvd;
        // The row drawn at a TVD depth is the one drawn at its record's MD.
        ASSERT_FLOAT_EQ(gamma[std::size_t(tvd - 1)].values[elog::SLOT_GAMMA], float(md - 1)) << tvd;
        ASSERT_FLOAT_EQ(gamma[std::size_t(tvd - 1)].values[elog::SLOT_DEPTH], float(tvd));
        if (tvd != 1400) {  // the first interval's last record keeps its survey
            ASSERT_EQ(r.inclination, 0.0f) << tvd;
        }
    }
    EXPECT_FLOAT_EQ(rows[400].verticalSection, 1500);
    EXPECT_FLOAT_EQ(rows[400].tvd, 1400);
    EXPECT_FLOAT_EQ(rows[600].verticalSection, 1800);
    EXPECT_FLOAT_EQ(gamma[10].values[elog::SLOT_GAMMA], 10);  // above the first depth as it is

    // The interval went on from the second station.
    TvdInterval saved;
    ASSERT_EQ(TvdFile::LoadInterval(w.tvd, saved), 1);
    EXPECT_FLOAT_EQ(saved.mdStart, 1800);
    EXPECT_FLOAT_EQ(saved.tvdStart, 1600);
}

TEST(TvdFile, AVerticalStationDropsNothingAndANewLogStartsItsMemosAfresh)
{
    TvdWell w;
    std::vector<wellfile::SVMEMO> memos(2);
    memos[0].depth = 1100;
    memos[0].copiedToHorz = 1;
    memos[1].depth = 1250;
    w.file.memos = memos;
    TvdInterval iv = Interval(1000, 1300, 1000, 1300);
    iv.copyDescriptions = 1;
    for (int build = 0; build < 2; ++build) {
        iv = Interval(1000, 1300, 1000, 1300);
        iv.copyDescriptions = 1;
        ASSERT_EQ(w.file.Update(w.tvd, iv), 1);
    }
    const std::vector<RECORD> rows = FileRecords<RECORD>(w.tvd);
    ASSERT_EQ(rows.size(), 301u);
    for (std::size_t i = 0; i < rows.size(); ++i)
        ASSERT_FLOAT_EQ(rows[i].verticalSection, float(rows[i].depth)) << i;
    const std::vector<wellfile::SVMEMO> copied = FileRecords<wellfile::SVMEMO>(TestDir() + "~12.mem");
    ASSERT_EQ(copied.size(), 2u);
    EXPECT_EQ(copied[0].depth, 1100);
    EXPECT_EQ(copied[0].copiedToHorz, 0);

    // A deviated interval puts a memo at the TVD whose record holds its MD record.
    memos[1].depth = 1550;
    iv.mdEnd = 1700;
    iv.tvdEnd = 1500;
    ASSERT_EQ(w.file.BuildInterval(w.tvd, iv), 1);
    const std::vector<wellfile::SVMEMO> more = FileRecords<wellfile::SVMEMO>(TestDir() + "~12.mem");
    ASSERT_EQ(more.size(), 3u);
    EXPECT_EQ(more[2].depth, 1300 + (2 * 250 * 200 + 400) / 800);
    EXPECT_FLOAT_EQ(FileRecords<RECORD>(w.tvd)[std::size_t(more[2].depth - 1000)].verticalSection, 1550);
}

TEST(TvdFile, AnotherWellsTvdWellAndAShortIntervalFileAreRefused)
{
    TvdWell w;
    TvdInterval iv = Interval(1000, 1500, 1000, 1400);
    ASSERT_EQ(w.file.Update(w.tvd, iv), 1);
    TvdWell::WriteHeader(TestDir() + "~12.hdr", "B12");
    const QByteArray before = ReadBytes(w.tvd);
    const QByteArray interval = ReadBytes(TestDir() + "~12.tvd");

    doubles().prompter.messages.clear();
    TvdInterval again = Interval(1000, 1500, 1000, 1400);
    EXPECT_EQ(w.file.Update(w.tvd, again), 0);
    iv.mdEnd = 1600;
    iv.tvdEnd = 1450;
    EXPECT_EQ(w.file.BuildInterval(w.tvd, iv), 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_TRUE(doubles().prompter.messages[0].text.contains("\"B12\"")) << doubles().prompter.messages[0].text.toStdString();
    EXPECT_TRUE(doubles().prompter.messages[0].text.contains("\"A12\""));
    EXPECT_EQ(ReadBytes(w.tvd), before);
    EXPECT_EQ(ReadBytes(TestDir() + "~12.tvd"), interval);

    testing_support::WriteBytes(TestDir() + "~12.tvd", interval.left(276));
    TvdInterval read = Interval(1, 2, 3, 4);
    EXPECT_EQ(TvdFile::LoadInterval(w.tvd, read), 0);
    EXPECT_FLOAT_EQ(read.mdStart, 1);
}

TEST(TvdFile, TheStationWalkStaysWithinTheRecordsItIsGiven)
{
    // No end record and a last depth far beyond the records: every record from the sixth on counts.
    std::vector<RECORD> rows(20);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].depth = 1000 + int(i);
        rows[i].tvd = float(900 + i);
    }
    const elog::SurveyScan scan = elog::ScanStations(rows, 1000, 1'000'000);
    EXPECT_EQ(scan.stationCount, 15);
    EXPECT_EQ(scan.lines.size(), 10);  // the list stops at the first depth + 10
    EXPECT_EQ(scan.stations.size(), 25u);
    EXPECT_FLOAT_EQ(scan.stations[1].tvdStart, 905);
}

}  // namespace
