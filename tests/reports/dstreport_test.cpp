// The drill-stem tests edited one at a time, their printed page, and the reports saved as text with
// the counters that keep shows and tests from being written twice.
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "reports/draw/dstpage.h"
#include "reports/dsttests.h"
#include "reports/reporttext.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/wellconfig.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using wellfile::DSTREPORT;
using reports::DstWrite;
using testing_support::doubles;
using testing_support::ReadBytes;

namespace {

class DstWork : public ::testing::Test {
protected:
    void SetUp() override
    {
        place.currentFolder = dir.path() + "/";
        place.dataFolder = place.currentFolder;
        place.wellName = "W1";
    }
    static DSTREPORT Test(const char* number, const char* from)
    {
        DSTREPORT d;
        platform::SetFieldText(d.number, number);
        platform::SetFieldText(d.fromDepth, from);
        return d;
    }
    QString Path(const char* ext) const { return place.currentFolder + "W1" + ext; }
    QTemporaryDir dir;
    wellfile::WellPlace place;
};

}  // namespace

TEST_F(DstWork, WritesReplacesAppendsAndDeletesInTheFile)
{
    EXPECT_FALSE(reports::ReadDstTests(place));
    EXPECT_EQ(reports::WriteDstTest(place, Test("1", "1400"), 0), DstWrite::Added);
    EXPECT_EQ(ReadBytes(Path(".dst")).size(), 1688);
    EXPECT_EQ(reports::WriteDstTest(place, Test("1", "1410"), 0), DstWrite::Replaced);
    EXPECT_EQ(reports::WriteDstTest(place, Test("2", "1500"), 1), DstWrite::Added);
    EXPECT_EQ(reports::WriteDstTest(place, Test("3", "1600"), 7), DstWrite::Added);
    const QByteArray three = ReadBytes(Path(".dst"));
    ASSERT_EQ(three.size(), 3 * 1688);
    EXPECT_STREQ(reports::ReadDstTests(place)->at(0).fromDepth, "1410");

    // A write that cannot finish leaves the file as it was.
    {
        testing_support::FileSizeLimit limit(1000);
        EXPECT_EQ(reports::WriteDstTest(place, Test("1", "1"), 0), DstWrite::Failed);
        EXPECT_FALSE(reports::DeleteDstTest(place, 1));
    }
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "ERROR");
    EXPECT_EQ(doubles().prompter.messages[1].text, "File error");
    EXPECT_EQ(doubles().prompter.messages[1].caption, "DST Read Error");
    EXPECT_EQ(ReadBytes(Path(".dst")), three);

    // Later tests move down and keep their numbers.
    const auto left = reports::DeleteDstTest(place, 1);
    ASSERT_TRUE(left);
    EXPECT_EQ(ReadBytes(Path(".dst")), three.left(1688) + three.mid(2 * 1688));
    EXPECT_STREQ(left->at(1).number, "3");
    reports::DeleteDstTest(place, 0);
    reports::DeleteDstTest(place, 0);
    // An emptied file opens as a missing one.
    EXPECT_EQ(ReadBytes(Path(".dst")).size(), 0);
    EXPECT_FALSE(reports::ReadDstTests(place));

    EXPECT_EQ(reports::DstNumber(Test(" 12x", "")), 12);
    EXPECT_EQ(reports::DstNumber(Test("A1", "")), 0);
}

TEST_F(DstWork, PageLaysOutTheTestInTenthsOfAnInch)
{
    DSTREPORT d = Test("2", "1500");
    platform::SetFieldText(d.toDepth, "1520");
    platform::SetFieldText(d.initialFlow, "350");
    platform::SetFieldText(d.comment3, "LAST");
    QImage image(2500, 3300, QImage::Format_RGB32);
    image.fill(Qt::white);
    platform::Dc dc(image);
    dc.RecordText(true);
    reports::DrawDstPage(dc, 30, d, "LOG CO", "ACME", "W1");
    const auto find = [&](const QString& t) -> const platform::DcText* {
        for (const auto& x : dc.TextRecord())
            if (x.text == t)
                return &x;
        return nullptr;
    };
    // y steps: 300, +1.5S (90) ... with S = L = 60.
    const struct {
        const char* text;
        int x, y;
    } expected[] = {{"LOG CO", 1215, 300},       {"DST REPORT", 1215, 390}, {"COMPANY:", 60, 480},
                    {"ACME", 360, 480},          {"WELL:", 60, 570},        {"W1", 240, 570},
                    {"FORMATION:", 60, 810},     {"INITIAL FLOW:", 60, 1158}, {"350", 480, 1158},
                    {"LAST", 60, 2442}};
    for (const auto& e : expected) {
        const platform::DcText* t = find(e.text);
        ASSERT_NE(t, nullptr) << e.text;
        EXPECT_EQ(t->at.x, e.x) << e.text;
        EXPECT_EQ(t->at.y, e.y) << e.text;
    }
    const platform::DcText* line = find("DST NO.: 2   From:  1500  TO:  1520");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->at.y, 690);
    EXPECT_EQ(find("DST REPORT")->font.height, -60);
    EXPECT_EQ(find("WELL:")->font.height, -51);
    // The underline: 3 pixels of black from L - u under the text.
    dc.SelectObject(line->font);
    const platform::SIZE extent = dc.GetTextExtent(line->text);
    EXPECT_EQ(image.pixel(40, 690 + extent.cy), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(30 + 100, 690 + extent.cy + 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(20, 690 + extent.cy), qRgb(255, 255, 255));
}

TEST_F(DstWork, ReportsAsTextWriteEachShowAndTestOnce)
{
    wellfile::REPORTEX r;
    r.depth = 2450.7f;
    platform::SetFieldText(r.presentOperations, "drilling");
    r.rpm = 80;
    testing_support::WriteBytes(Path(".rpt"), &r, sizeof r);
    wellfile::SHOWREPORT show;
    show.number = 3;
    testing_support::WriteBytes(Path(".sho"), &show, sizeof show);
    const DSTREPORT letter = Test("A1", "1500");
    testing_support::WriteBytes(Path(".dst"), &letter, sizeof letter);
    wellfile::WellConfig config{};
    config.lastShowReportText = 2;
    testing_support::WriteBytes(Path(".cfg"), &config, sizeof config);
    bool fieldSettings = false;

    auto counters = reports::SaveReportsAsText(place, fieldSettings, "LOG CO", false);
    const QByteArray first = ReadBytes(Path(".txt"));
    EXPECT_TRUE(first.contains(" DEPTH:    2450                      PRESENT OPERATIONS:  drilling\r\n\r"));
    EXPECT_TRUE(first.contains(" Drilling Paramaters:  WOB:         RPM: 80   PP:    0   SPM:  0\r\n\r"));
    EXPECT_TRUE(first.contains(" Background Gas.....:  TOT: 0 "));
    EXPECT_TRUE(first.contains(" SHOW NO.: 3\r\n\r"));
    EXPECT_FALSE(first.contains("DST REPORT"));
    EXPECT_TRUE(first.endsWith("\r\n\r\r\n\r\r\n\r"));
    EXPECT_EQ(first.count("\n"), first.count("\r\n\r"));
    EXPECT_TRUE(counters.saved);
    EXPECT_EQ(testing_support::At<std::int32_t>(ReadBytes(Path(".cfg")), 24), 3);

    // Nothing new: the morning report alone; a numbered test is added once.
    reports::SaveReportsAsText(place, fieldSettings, "LOG CO", true);
    const QByteArray second = ReadBytes(Path(".txt"));
    EXPECT_FALSE(second.contains("SHOW REPORT"));
    EXPECT_TRUE(second.contains(" Background Gas.....:  H.W.: 0 "));
    const DSTREPORT numbered = Test("1", "1500");
    testing_support::WriteBytes(Path(".dst"), &numbered, sizeof numbered);
    counters = reports::SaveReportsAsText(place, fieldSettings, "LOG CO", false);
    EXPECT_EQ(counters.lastDst, 1);
    EXPECT_TRUE(ReadBytes(Path(".txt")).contains("                                 DST NO.: 1\r\n\r"));
    EXPECT_EQ(testing_support::At<std::int32_t>(ReadBytes(Path(".cfg")), 20), 1);

    // No report file and a text file that cannot be opened: the messages, no counter moves.
    show.number = 4;
    testing_support::WriteBytes(Path(".sho"), &show, sizeof show);
    QFile::remove(Path(".rpt"));
    QFile::remove(Path(".txt"));
    QDir().mkdir(Path(".txt"));
    const QByteArray cfg = ReadBytes(Path(".cfg"));
    doubles().prompter.messages.clear();
    counters = reports::SaveReportsAsText(place, fieldSettings, "LOG CO", false);
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[0].text, "No report file found");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "File Error ");
    EXPECT_EQ(doubles().prompter.messages[1].text, "Unable to open file");
    EXPECT_FALSE(counters.saved);
    EXPECT_EQ(ReadBytes(Path(".cfg")), cfg);

    // Without a configuration the counters start at 0 and none is written.
    QDir().rmdir(Path(".txt"));
    QFile::remove(Path(".cfg"));
    counters = reports::SaveReportsAsText(place, fieldSettings, "LOG CO", false);
    EXPECT_TRUE(ReadBytes(Path(".txt")).contains(" SHOW NO.: 4\r\n\r"));
    EXPECT_FALSE(counters.saved);
    EXPECT_FALSE(QFile::exists(Path(".cfg")));
}
