// The daily report page at a 300-dpi printer (U = 30): boxes and tick boxes probed in the image, texts
// through the Dc's text record, the pens by unit, the printer faces, and the survey list of profile 37.
#include "platform/text.h"
#include "reports/draw/reportpage.h"
#include "support/testmain.h"
#include "support/textrecord.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstring>

using platform::Dc;
using wellfile::REPORTEX;

namespace {

bool Black(const QImage& img, int x, int y) { return (img.pixel(x, y) & 0xFFFFFF) == 0; }

class ReportPage : public ::testing::Test {
protected:
    ReportPage() : image(2600, 3400, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        std::strcpy(report.date, " 3-7-2026");
        std::strcpy(report.time, "12:05 AM");
        report.depth = 2450;
        report.gasSource[0] = 1;
        report.gasSource[1] = 0;
        report.gasSource[2] = 2;
        report.gasSource[3] = 2;
        data.report = &report;
        data.header = &header;
        data.title = QStringLiteral("LOGGING CO");
        device.printing = true;
        device.dpiY = 300;
    }
    // Draws the page and returns the recorded texts.
    std::vector<platform::DcText> Draw()
    {
        Dc dc(image);
        dc.RecordText(true);
        reports::DrawReportPage(dc, device, data, state);
        return dc.TextRecord();
    }
    static const platform::DcText* Find(const std::vector<platform::DcText>& texts, const QString& text)
    {
        return testing_support::FindText(texts, text);
    }
    // The height of `text` in `font` as the page measures it.
    int Height(const platform::Font& font, const char* text)
    {
        QImage probe(10, 10, QImage::Format_RGB32);
        Dc dc(probe);
        dc.SelectObject(font);
        return dc.GetTextExtent(text).cy;
    }

    QImage image;
    REPORTEX report;
    wellfile::WellHeader header{};
    reports::ReportPageData data;
    reports::ReportPageDevice device;
    reports::ReportPageState state;
};

}  // namespace

TEST_F(ReportPage, BoxesTitlesAndUnderlinedValuesAtTheUnitsPositions)
{
    const auto texts = Draw();
    EXPECT_EQ(state.unit, 30);
    // The boxes' edges (thick pen, 8 wide) and their white insides.
    const int boxes[4][4] = {{180, 300, 1035, 705}, {1065, 300, 2250, 705}, {180, 720, 2250, 1275}, {180, 1890, 2250, 2340}};
    for (const auto& b : boxes) {
        const int midY = (b[1] + b[3]) / 2 + 7;
        EXPECT_TRUE(Black(image, b[0], midY)) << b[0];
        EXPECT_TRUE(Black(image, b[2] - 1, midY)) << b[2];
        EXPECT_TRUE(Black(image, (b[0] + b[2]) / 2, b[1])) << b[1];
        EXPECT_TRUE(Black(image, (b[0] + b[2]) / 2, b[3] - 1)) << b[3];
        EXPECT_FALSE(Black(image, b[0] + 12, midY));
        EXPECT_FALSE(Black(image, b[0] - 12, midY));
    }
    const platform::DcText* title = Find(texts, "LOGGING CO");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->at.x, 1215);
    EXPECT_EQ(title->at.y, 120);
    EXPECT_EQ(title->align, unsigned(platform::TA_CENTER));
    const platform::DcText* subtitle = Find(texts, "DAILY DRILLING REPORT");
    ASSERT_TRUE(subtitle);
    EXPECT_EQ(subtitle->at.y, 180);
    EXPECT_EQ(title->font.face, "Copperplate Gothic Bold");
    EXPECT_EQ(title->font.height, -57);

    const platform::DcText* label = Find(texts, "DATE:");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->at.x, 210);
    EXPECT_EQ(label->at.y, 345);
    const platform::DcText* date = Find(texts, " 3-7-2026  12:05 AM");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->at.x, 315);
    // Underlined from x 300 to 660 at y + the text's height (pen 4 wide, round ends).
    const int under = 345 + Height(date->font, date->text.toLatin1().constData());
    EXPECT_TRUE(Black(image, 301, under));
    EXPECT_TRUE(Black(image, 659, under));
    EXPECT_FALSE(Black(image, 296, under));
    EXPECT_FALSE(Black(image, 664, under));
    // The empty phone field is underlined at the height of "test": from 1830 to 2205 on row 465.
    const int phone = 465 + Height(date->font, "test");
    EXPECT_TRUE(Black(image, 1832, phone));
    EXPECT_TRUE(Black(image, 2203, phone));
    EXPECT_FALSE(Black(image, 2000, phone - 6));

    // Tick boxes: source 1 crosses the separator box, 0 the flowline box, 2 neither.
    const int rowTops[3] = {726, 858, 993};
    for (int row = 0; row < 3; ++row) {
        const int top = rowTops[row];
        EXPECT_TRUE(Black(image, 1080, top + 20)) << row;  // the boxes themselves
        EXPECT_TRUE(Black(image, 1290, top + 20)) << row;
        EXPECT_TRUE(Black(image, 1110, top + 1)) << row;
        const int centre = top + 22;
        EXPECT_EQ(Black(image, 1110, centre), row == 1) << row;
        EXPECT_EQ(Black(image, 1320, centre), row == 0) << row;
    }
    EXPECT_TRUE(Black(image, 1139, 726 + 44));  // the cross's diagonal ends at the bottom right
}

TEST_F(ReportPage, LagLinePensAndPrinterFaces)
{
    const std::pair<float, std::uint16_t> lags[3] = {{500.f, 0}, {500.5f, 0}, {45.f, 100}};
    const char* expected[3] = {"500 min ", "  500 stk ", " 45 min,  4500 stk"};
    for (int i = 0; i < 3; ++i) {
        report.lag = lags[i].first;
        report.spm = lags[i].second;
        const auto texts = Draw();
        EXPECT_EQ(state.lagText, expected[i]);
        const platform::DcText* lag = Find(texts, expected[i]);
        ASSERT_TRUE(lag);
        EXPECT_EQ(lag->at.x, 210 + 52 * 30);
        EXPECT_EQ(lag->at.y, 300 + 30 * 30);
    }
    const int units[4] = {59, 60, 99, 100};
    const int thin[4] = {3, 6, 6, 10}, thick[4] = {8, 8, 8, 12};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(reports::ThinPenWidth(true, units[i]), thin[i]);
        EXPECT_EQ(reports::ThickPenWidth(true, units[i]), thick[i]);
    }
    EXPECT_EQ(reports::ThinPenWidth(false, 11), 2);
    EXPECT_EQ(reports::ThickPenWidth(false, 11), 3);
    EXPECT_EQ(reports::UnderlinePenWidth(12), 2);
    EXPECT_EQ(reports::UnderlinePenWidth(13), 4);

    // A Lexmark takes the Arial faces; the flag follows the printer on every drawing, preview too.
    device.printerName = QStringLiteral("lexmark v305");
    auto texts = Draw();
    EXPECT_TRUE(state.reportPrinter);
    EXPECT_EQ(Find(texts, "LOGGING CO")->font.face, "Arial Bold");
    device.printerName = QStringLiteral("HP LaserJet");
    device.printing = false;
    device.rowHeight = 10;
    device.storedClientHeight = 900;
    device.screenWidth = 1920;
    device.client = {0, 0, 900, 900};
    texts = Draw();
    EXPECT_FALSE(state.reportPrinter);
    EXPECT_EQ(state.unit, 11);
    EXPECT_EQ(Find(texts, "DATE:")->at.x, 22);  // 2U on a wide screen
    EXPECT_EQ(Find(texts, "DATE:")->at.y, 66 + 16);
    EXPECT_EQ(Find(texts, "DATE:")->font.pitchAndFamily, platform::FIXED_PITCH | platform::FF_SWISS);
    device.storedClientHeight = 800;
    device.screenWidth = 1024;
    texts = Draw();
    EXPECT_EQ(state.unit, 10);
    EXPECT_EQ(Find(texts, "DATE:")->at.x, 70);
}

TEST_F(ReportPage, SurveyListOfProfile37AndTheDcGetsItsObjectsBack)
{
    data.profile = 37;
    data.firstSurveyOffset = 100;
    data.surveyLowerBound = 2000;
    std::vector<wellfile::RECORD> surveys(10);
    for (int i = 0; i < 10; ++i) {
        surveys[std::size_t(i)].depth = 1990 + 60 * i;  // 1990 below the bound, 2470 past the depth
        surveys[std::size_t(i)].tvd = i == 3 ? 0.f : 1900.f + float(i);
        surveys[std::size_t(i)].inclination = 1.5f;
        surveys[std::size_t(i)].azimuth = 90;
    }
    data.surveys = surveys;
    report.depth = 2500;  // counted: 2050, 2110, 2230, 2290, 2350, 2410 and 2470
    for (int i = 0; i < 5; ++i)
        std::strcpy(report.comments[i], "remark");
    auto lines = [&] {
        std::vector<platform::DcText> found;
        for (const auto& t : Draw())
            if (t.text.startsWith("MD "))
                found.push_back(t);
        return found;
    };
    const auto full = lines();
    ASSERT_EQ(full.size(), 3u);
    EXPECT_EQ(full[0].text, "MD 2050  TVD 1901  INCL 1.50  AZM 90.00..MD 2110  TVD 1902  INCL 1.50  AZM 90.00.."
                            "MD 2230  TVD 1904  INCL 1.50  AZM 90.00..");
    EXPECT_EQ(full[2].text, "MD 2470  TVD 1908  INCL 1.50  AZM 90.00..");
    EXPECT_EQ(full[1].at.y - full[0].at.y, 42);
    report.comments[4][0] = 0;
    const auto shorter = lines();
    ASSERT_EQ(shorter.size(), 3u);
    EXPECT_EQ(full[0].at.y - shorter[0].at.y, 42);

    // The Dc's font, pen and brush are as they were.
    Dc dc(image);
    const platform::Font font(QStringLiteral("Courier New"), -20);
    const platform::Pen pen(platform::RGB(255, 0, 0), 5);
    const platform::Brush brush(platform::RGB(0, 255, 0));
    dc.SelectObject(font);
    dc.SelectObject(pen);
    dc.SelectObject(brush);
    reports::DrawReportPage(dc, device, data, state);
    EXPECT_EQ(dc.CurrentFont(), font);
    EXPECT_EQ(dc.CurrentPen(), pen);
    EXPECT_EQ(dc.CurrentBrush(), brush);
}
