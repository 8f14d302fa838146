// Report files of the older layouts brought to the current ones on load: daily reports, shows and
// drill-stem tests checked byte by byte on disk, current and torn files left alone, and a conversion
// that cannot write leaving the old file whole with nothing handed out.
#include "platform/text.h"
#include "reports/dailyreports.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/reportconversion.h"
#include "wellfile/reportindex.h"
#include "wellfile/sidefiles_reports.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstring>

using namespace reports;
using testing_support::At;
using testing_support::BytesOf;
using testing_support::doubles;
using testing_support::FileSizeLimit;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

namespace {

wellfile::WellPlace Place() { return testing_support::MakePlace("W1"); }
QString PathOf(const wellfile::WellPlace& p, const char* ext) { return p.currentFolder + "W1" + ext; }
std::string Text(const QByteArray& bytes, qsizetype at) { return std::string(bytes.constData() + at); }

std::vector<wellfile::REPORT> OldReports(int n)
{
    std::vector<wellfile::REPORT> r(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        r[i].number = std::uint16_t(i + 1);
        r[i].depth = std::uint16_t(1000 + 50 * i);
        platform::SetFieldText(r[i].date, " 6-2-1998");
        platform::SetFieldText(r[i].presentOperations, std::string(50, 'P'));  // 50 characters
        for (int j = 0; j < 6; ++j)
            r[i].formationGas[j] = std::uint16_t(100 + j);
        r[i].formationGas[5] = 1234;  // the depth of the maximum
        r[i].backgroundGas[5] = 77;
        platform::SetFieldText(r[i].comments[0], "first");
        platform::SetFieldText(r[i].comments[1], "second");
        platform::SetFieldText(r[i].comments[2], "third");
        r[i].lag = 45.f;
        std::memset(r[i].unknown0, 'X', sizeof r[i].unknown0);
        std::memset(r[i].averageRop, 'R', sizeof r[i].averageRop);  // no terminator: never copied
    }
    return r;
}

}  // namespace

TEST(ReportConversion, OldDailyReportsAreRewrittenInTheCurrentLayout)
{
    const auto place = Place();
    const QString rpt = PathOf(place, ".rpt");
    std::vector<wellfile::REPORT> old = OldReports(10);
    old[3].number = 4;
    old[3].depth = 1250;
    WriteBytes(rpt, BytesOf(old));
    ASSERT_EQ(ReadBytes(rpt).size(), 12640);

    const auto loaded = wellfile::LoadReportsEx(place, wellfile::ConvertReports);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->records.size(), 11u);  // ten and the spare
    const QByteArray f = ReadBytes(rpt);
    ASSERT_EQ(f.size(), 16000);
    EXPECT_EQ(At<std::int32_t>(f, 4800), 4);
    EXPECT_EQ(At<std::int32_t>(f, 5236), 4);  // the day number
    EXPECT_EQ(At<float>(f, 4854), 1250.f);
    EXPECT_EQ(Text(f, 950), "first");
    EXPECT_EQ(Text(f, 1050), "second");
    EXPECT_EQ(Text(f, 1150), "third");
    EXPECT_EQ(f.mid(1250, 200), QByteArray(200, '\0'));  // lines 4 and 5
    EXPECT_EQ(f.mid(142, 30), QByteArray(30, '\0'));     // the average rate text
    EXPECT_EQ(Text(f, 58), std::string(39, 'P'));
    EXPECT_EQ(At<float>(f, 1550), 45.f);
    // Gas rows: value j into column j; the formation row's sixth value is its "At" depth.
    EXPECT_EQ(At<float>(f, 504 + 4 * 4), 104.f);
    EXPECT_EQ(At<float>(f, 504 + 5 * 4), 0.f);
    EXPECT_EQ(At<std::int32_t>(f, 1450), 1234);
    EXPECT_EQ(At<float>(f, 472 + 5 * 4), 77.f);
    EXPECT_EQ(std::memcmp(&loaded->records[3], f.constData() + 4800, 1600), 0);

    // The dialog's load: the same reports and the spare; a missing file the spare alone.
    const auto daily = LoadDailyReports(place);
    ASSERT_TRUE(daily);
    EXPECT_EQ(daily->size(), 11u);
    EXPECT_EQ(ReadBytes(rpt), f);
    EXPECT_EQ(LoadDailyReports(testing_support::MakePlace("None"))->size(), 1u);
}

TEST(ReportConversion, CurrentAndTornDailyReportFilesAreNeverRewritten)
{
    const auto place = Place();
    const QString rpt = PathOf(place, ".rpt");
    std::vector<wellfile::REPORTEX> current(79);
    for (int i = 0; i < 79; ++i) {
        current[std::size_t(i)].number = i + 1;
        current[std::size_t(i)].depth = float(1000 + i);
    }
    WriteBytes(rpt, BytesOf(current));  // 126,400 bytes: a multiple of both sizes
    auto loaded = wellfile::LoadReportsEx(place, wellfile::ConvertReports);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->records.size(), 80u);
    EXPECT_EQ(ReadBytes(rpt), BytesOf(current));

    const QByteArray torn = BytesOf(current).left(16100);
    WriteBytes(rpt, torn);
    loaded = wellfile::LoadReportsEx(place, wellfile::ConvertReports);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->records.size(), 11u);  // ten reports and the spare
    EXPECT_EQ(ReadBytes(rpt), torn);
    EXPECT_TRUE(doubles().prompter.messages.empty());
}

TEST(ReportConversion, AConversionThatCannotWriteKeepsTheOldFileAndHandsOutNothing)
{
    const auto place = Place();
    const QByteArray rpt = BytesOf(OldReports(10));
    WriteBytes(PathOf(place, ".rpt"), rpt);
    std::vector<wellfile::OLDSHOWREPORT> shows(2);
    WriteBytes(PathOf(place, ".sho"), BytesOf(shows));
    std::vector<wellfile::OLDDSTREPORT> dsts(2);
    WriteBytes(PathOf(place, ".dst"), BytesOf(dsts));
    {
        FileSizeLimit limit(2000);  // every converted file is longer
        EXPECT_FALSE(wellfile::LoadReportsEx(place, wellfile::ConvertReports));
        EXPECT_FALSE(LoadDailyReports(place));
        EXPECT_FALSE(wellfile::LoadShows(place, wellfile::ConvertShows));
        EXPECT_FALSE(wellfile::LoadDsts(place, wellfile::ConvertDsts));
    }
    EXPECT_EQ(ReadBytes(PathOf(place, ".rpt")), rpt);
    EXPECT_EQ(ReadBytes(PathOf(place, ".sho")), BytesOf(shows));
    EXPECT_EQ(ReadBytes(PathOf(place, ".dst")), BytesOf(dsts));
    const auto& m = doubles().prompter.messages;
    ASSERT_EQ(m.size(), 4);
    EXPECT_EQ(m[0].text, "REPORT conversion failed");
    EXPECT_EQ(m[1].text, "REPORT conversion failed");
    EXPECT_EQ(m[2].text, "Show conversion failed");
    EXPECT_EQ(m[3].caption, "DST open failed");
    EXPECT_EQ(m[3].text, PathOf(place, ".dst"));
    EXPECT_EQ(QDir(place.currentFolder).entryList(QDir::Files).size(), 3);
}

TEST(ReportConversion, OldShowsBecomeTextGasAndFourDescriptionLines)
{
    const auto place = Place();
    const QString sho = PathOf(place, ".sho");
    std::vector<wellfile::OLDSHOWREPORT> old(2);
    old[0].gasAbove[0] = 300;
    old[1].gasAfter[5] = 65535;
    platform::SetFieldText(old[0].interval, " 1200 to  1210");
    platform::SetFieldText(old[0].description[0], "SS wh f-m gr");
    platform::SetFieldText(old[0].comments[0], "good show");
    std::memset(old[0].unknown773, 'U', sizeof old[0].unknown773);
    std::memset(old[0].lithology, 'L', sizeof old[0].lithology);  // no terminator
    WriteBytes(sho, BytesOf(old));
    ASSERT_EQ(ReadBytes(sho).size(), 2098);

    const auto shows = wellfile::LoadShows(place, wellfile::ConvertShows);
    ASSERT_TRUE(shows);
    const QByteArray f = ReadBytes(sho);
    ASSERT_EQ(f.size(), 2640);
    EXPECT_EQ(Text(f, 282), "300");
    EXPECT_EQ(Text(f, 282 + 10), "0");
    EXPECT_EQ(Text(f, 1320 + 402 + 50), "65535");
    EXPECT_EQ(Text(f, 162), " 1200 to  1210");
    EXPECT_EQ(Text(f, 812), "SS wh f-m gr");
    EXPECT_EQ(Text(f, 952), "good show");
    EXPECT_EQ(Text(f, 782), std::string(29, 'L'));
    EXPECT_EQ(f.mid(917, 35), QByteArray(35, '\0'));     // description line 4
    EXPECT_EQ(f.mid(1192, 128), QByteArray(128, '\0'));  // C5 cells and the reserved bytes
    EXPECT_EQ(shows->records.size(), 3u);

    // Read again: nothing converts.
    ASSERT_TRUE(wellfile::LoadShows(place, wellfile::ConvertShows));
    EXPECT_EQ(ReadBytes(sho), f);
    wellfile::ShowDepthIndex index{};
    wellfile::LoadShowDepthIndex(place, index, wellfile::ConvertShows);
    EXPECT_EQ(index[0], 1200);
}

TEST(ReportConversion, OldDrillStemTestsGainFormationAndSecondRecoveryLines)
{
    const auto place = Place();
    const QString dst = PathOf(place, ".dst");
    std::vector<wellfile::OLDDSTREPORT> old(2);
    platform::SetFieldText(old[0].fromDepth, "1500");
    platform::SetFieldText(old[1].fromDepth, "1620");
    platform::SetFieldText(old[0].initialHydrostatic, "2100");
    platform::SetFieldText(old[0].drillPipeRecovery, "30 ft mud");
    platform::SetFieldText(old[1].comment1, "packer held");
    WriteBytes(dst, BytesOf(old));
    ASSERT_EQ(ReadBytes(dst).size(), 2892);

    // The log's marks read an old file in its own layout without touching it.
    wellfile::DstDepthIndex index{};
    wellfile::LoadDstDepthIndex(place, index);
    EXPECT_EQ(index[0], 1500);
    EXPECT_EQ(index[1], 1620);
    EXPECT_EQ(ReadBytes(dst).size(), 2892);

    const auto tests = wellfile::LoadDsts(place, wellfile::ConvertDsts);
    ASSERT_TRUE(tests);
    const QByteArray f = ReadBytes(dst);
    ASSERT_EQ(f.size(), 3376);
    EXPECT_EQ(tests->size, 3376);
    EXPECT_EQ(Text(f, 80), "1500");
    EXPECT_EQ(Text(f, 320), "2100");
    EXPECT_EQ(Text(f, 1122), "30 ft mud");
    EXPECT_EQ(f.mid(240, 80), QByteArray(80, '\0'));  // formation
    EXPECT_EQ(f.mid(1203, 81), QByteArray(81, '\0'));
    EXPECT_EQ(f.mid(1365, 81), QByteArray(81, '\0'));
    EXPECT_EQ(Text(f, 1688 + 1446), "packer held");
    wellfile::LoadDstDepthIndex(place, index);
    EXPECT_EQ(index[1], 1620);

    // A torn current file: its whole tests are read and the file stays as it is.
    std::vector<wellfile::DSTREPORT> three(3);
    platform::SetFieldText(three[2].fromDepth, "1700");
    const QByteArray torn = BytesOf(three) + QByteArray(500, 'x');
    WriteBytes(dst, torn);
    const auto kept = wellfile::LoadDsts(place, wellfile::ConvertDsts);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->size / wellfile::kDstSize, 3);
    EXPECT_STREQ(kept->records[2].fromDepth, "1700");
    EXPECT_EQ(ReadBytes(dst), torn);

    // The whole-file save; one that cannot write leaves the file.
    EXPECT_EQ(wellfile::SaveDsts(place, three), 1);
    EXPECT_EQ(ReadBytes(dst), BytesOf(three));
    {
        FileSizeLimit limit(1000);
        EXPECT_EQ(wellfile::SaveDsts(place, three), 0);
    }
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Can not open dst file");
    EXPECT_EQ(ReadBytes(dst), BytesOf(three));
}
