// The work of the show report: the fill from the depth records, the total gas column, the saved order
// and numbering, deletion, the opening show and the printed page.
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "reports/draw/showpage.h"
#include "reports/showreport.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using platform::FieldText;
using wellfile::SHOWREPORT;
using testing_support::doubles;

namespace {

class ShowWork : public ::testing::Test {
protected:
    void SetUp() override
    {
        place.currentFolder = dir.path() + "/";
        place.dataFolder = place.currentFolder;
        place.wellName = "W1";
        for (int d = 1000; d <= 2600; ++d) {
            wellfile::RECORD r;
            r.depth = d;
            r.rate2Ft = 2.0f;
            r.gas[0] = 50;
            r.gas[1] = 50;
            records.push_back(r);
        }
        records.back().testGas[1] = 100;
    }
    QString Data() { return place.currentFolder + "W1.svm"; }
    SHOWREPORT Fill(int top, int bottom, const reports::ShowFillSettings& s = {})
    {
        testing_support::WriteRecords(Data(), records);
        SHOWREPORT show;
        reports::StartShow(show, top, bottom, nullptr, nullptr, nullptr);
        EXPECT_TRUE(reports::FillShowFromRecords(show, Data(), 1000, 2600, top, bottom, s));
        return show;
    }
    static SHOWREPORT At(int top)
    {
        SHOWREPORT s;
        reports::StartShow(s, top, top + 10, nullptr, nullptr, nullptr);
        return s;
    }

    QTemporaryDir dir;
    wellfile::WellPlace place;
    std::vector<wellfile::RECORD> records;
};

}  // namespace

TEST_F(ShowWork, FillAveragesTheTenRecordsAroundAndTakesTheRichestGasInside)
{
    records[200].rate2Ft = 100;  // depth 1200, the top: counted nowhere
    records[205].gas[0] = 80;    // two equal peaks inside: the first one is kept
    records[205].gas[1] = 30;
    records[207].gas[0] = 80;
    records[207].gas[1] = 99;
    SHOWREPORT s = Fill(1200, 1210);
    EXPECT_EQ(FieldText(s.interval), "  1200 to  1210");
    EXPECT_EQ(s.number, 1);
    for (const char* rate : {s.ropAbove, s.ropDuring, s.ropAfter})
        EXPECT_EQ(std::string(rate), "2.0  min/M");
    EXPECT_EQ(FieldText(s.gasAbove[0]), "50");
    EXPECT_EQ(FieldText(s.gasAfter[1]), "50");
    EXPECT_EQ(FieldText(s.gasDuring[0]), "80");
    EXPECT_EQ(FieldText(s.gasDuring[1]), "30");
    EXPECT_EQ(FieldText(s.gasAboveC5), "0");

    // Per hour; one unit of interval and no record above the file's first depth still give a figure.
    reports::ShowFillSettings perHour;
    perHour.ratesPerHour = true;
    s = Fill(1000, 1001, perHour);
    EXPECT_EQ(FieldText(s.ropAbove), "60.0 M/hr");
    EXPECT_EQ(FieldText(s.ropDuring), "30.0 M/hr");

    // No gas inside the interval: the during row is zeros.
    for (int d = 1501; d <= 1510; ++d)
        records[std::size_t(d - 1000)].gas[0] = 0;
    s = Fill(1500, 1510);
    EXPECT_EQ(FieldText(s.gasDuring[1]), "0");

    // Fractions of the test gas under profile 11: no C5 cells.
    reports::ShowFillSettings fractions;
    fractions.profile = 11;
    fractions.divisors = reports::ShowGasDivisors(&records.back());
    EXPECT_EQ(fractions.divisors[0], 1.0f);
    s = Fill(1200, 1210, fractions);
    EXPECT_EQ(FieldText(s.gasAbove[0]), "50");
    EXPECT_EQ(FieldText(s.gasAbove[1]), "0.50");
    EXPECT_EQ(FieldText(s.gasAboveC5), "");
    EXPECT_EQ(FieldText(s.ropAbove), "30.0 M/hr");

    // A data file that does not open leaves the show as it was.
    SHOWREPORT kept = At(1200);
    EXPECT_FALSE(reports::FillShowFromRecords(kept, place.currentFolder + "none.svm", 1000, 2600, 1200, 1210, {}));
    EXPECT_EQ(doubles().prompter.messages.back().text, "Show File Open failed");
    EXPECT_EQ(doubles().prompter.messages.back().caption, "Error");
    EXPECT_EQ(FieldText(kept.ropAbove), "");
}

TEST_F(ShowWork, TotalGasIsTheSumOfC1ToNc4)
{
    SHOWREPORT s;
    const char* cells[6] = {"99", "10", "5", "2", "1", "1"};
    for (int i = 0; i < 6; ++i)
        platform::SetFieldText(s.gasDuring[i], cells[i]);
    platform::SetFieldText(s.gasDuringC5, "7");
    reports::SumTotalGas(s);
    EXPECT_EQ(FieldText(s.gasDuring[0]), "19");
    EXPECT_EQ(FieldText(s.gasAbove[0]), "0");
}

TEST_F(ShowWork, SaveOrdersNumbersAndFollowsTheShownShow)
{
    std::vector<SHOWREPORT> shows = {At(1500), At(1200)};
    int current = 0;
    ASSERT_TRUE(reports::SaveShowFile(place, shows, current));
    EXPECT_EQ(current, 1);
    const QString path = place.currentFolder + "W1.sho";
    auto saved = testing_support::FileRecords<SHOWREPORT>(path);
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(reports::ShowTopDepth(saved[0]), 1200);
    EXPECT_EQ(saved[0].number, 1);
    EXPECT_EQ(saved[1].number, 2);
    const QByteArray first = testing_support::ReadBytes(path);
    ASSERT_TRUE(reports::SaveShowFile(place, shows, current));
    EXPECT_EQ(testing_support::ReadBytes(path), first);

    auto loaded = reports::LoadShowFile(place);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->size(), 2u);
    EXPECT_EQ(reports::OpeningShow(2, 0), 1);
    EXPECT_EQ(reports::OpeningShow(2, 3), 1);
    EXPECT_EQ(reports::OpeningShow(3, 1), 0);

    // Deleting the first lowers the numbers after it.
    EXPECT_EQ(reports::DeleteShow(shows, 0), 0);
    EXPECT_EQ(shows[0].number, 1);

    // A file shorter than one show is none.
    testing_support::WriteBytes(path, QByteArray(100, 'x'));
    EXPECT_FALSE(reports::LoadShowFile(place));

    // A file that cannot be replaced stays, and the array with it.
    QFile::remove(path);
    QDir().mkdir(path);
    EXPECT_FALSE(reports::SaveShowFile(place, shows, current));
    EXPECT_EQ(doubles().prompter.messages.back().caption, "Save failed");
    EXPECT_EQ(doubles().prompter.messages.back().text, path);
    EXPECT_EQ(shows.size(), 1u);
}

TEST_F(ShowWork, PageLaysOutInTenthsOfAnInch)
{
    SHOWREPORT s = At(1200);
    platform::SetFieldText(s.company, "ACME");
    platform::SetFieldText(s.description[0], "SAND");
    platform::SetFieldText(s.gasDuring[1], "10");
    platform::SetFieldText(s.gasDuring[2], "5");
    platform::SetFieldText(s.gasDuringC5, "3");
    QImage image(2500, 3300, QImage::Format_RGB32);
    image.fill(Qt::white);
    platform::Dc dc(image);
    dc.RecordText(true);
    reports::DrawShowPage(dc, 30, s, "LOG CO", false);
    const auto& texts = dc.TextRecord();
    const auto find = [&](const QString& t) -> const platform::DcText* {
        for (const auto& x : texts)
            if (x.text == t)
                return &x;
        return nullptr;
    };
    struct Expect {
        const char* text;
        int x, y;
    } expected[] = {{"LOG CO", 1215, 300},   {"SHOW REPORT", 1215, 390}, {"COMPANY:", 60, 510},
                    {"ACME", 360, 510},      {"WELL:", 60, 582},         {"DESCRIPTION:", 60, 882},
                    {"SAND", 420, 942},      {"15", 600, 1608},          {"10", 840, 1608},
                    {"5", 1080, 1608},       {"3", 2040, 1608}};
    for (const auto& e : expected) {
        const platform::DcText* t = find(e.text);
        ASSERT_NE(t, nullptr) << e.text;
        EXPECT_EQ(t->at.x, e.x) << e.text;
        EXPECT_EQ(t->at.y, e.y) << e.text;
    }
    EXPECT_EQ(find("SHOW REPORT")->align & platform::TA_CENTER, unsigned(platform::TA_CENTER));
    EXPECT_EQ(find("COMPANY:")->font.face, "ARIAL BOLD");
    EXPECT_EQ(find("ACME")->font.height, -48);
    EXPECT_EQ(find("SAND")->font.height, 48);
    // Ink where the title is drawn.
    bool ink = false;
    for (int x = 1000; x < 1430 && !ink; ++x)
        for (int y = 290; y < 370 && !ink; ++y)
            ink = image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_TRUE(ink);
}
