// The WITS data window: its fields, the MWD fields by the window's flag, its caption by link, and the
// percent box grabbed as an image after each update.
#include "wits/ui/percentbox.h"
#include "wits/ui/witsdisplaydlg.h"

#include <QImage>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace wits;

namespace {

const QColor kGreen(0, 255, 0), kYellow(255, 255, 0), kRed(255, 0, 0);

class WitsDisplayTest : public ::testing::Test {
protected:
    WitsDisplayTest() { DefaultCustWitsConfig(settings); }

    WitsDisplayDlg& Open(int linkKind = 2)
    {
        dlg = std::make_unique<WitsDisplayDlg>(&main, linkKind, settings, [this] { return mwd; });
        dlg->Create();
        return *dlg;
    }
    // Text 7 set to `percent`, the rest as they were.
    void Update(const char* percent, bool paint)
    {
        lines[7] = percent;
        dlg->UpdateValues(lines, paint);
    }
    // The box as drawn, and the colour inside its frame away from the text.
    QImage Box() const { return dlg->Box()->grab().toImage(); }
    QColor Fill() const
    {
        const QImage image = Box();
        return image.pixelColor(image.width() - 3, image.height() - 3);
    }

    QWidget main;
    CUSTWITSCFG settings{};
    bool mwd = true;
    DisplayLines lines;
    std::unique_ptr<WitsDisplayDlg> dlg;
};

TEST_F(WitsDisplayTest, ThePercentBoxTakesItsColourFromThePercentAndTheLastOneWhenAskedToPaint)
{
    Open();
    const QRect field = dlg->Control(WitsDisplayDlg::kPercent)->geometry();
    EXPECT_EQ(dlg->Box()->geometry(), QRect(field.x() - 1, field.y() - 1, field.width() + 1, field.height() + 1));

    struct Step {
        const char* text;
        QColor colour;
    };
    const Step steps[] = {
        {"70.0", kYellow}, {"71.0", kGreen}, {"50.0", kRed},  // 50 after 71: fell
        {"40.0", kRed},    {"50.0", kYellow},                 // 50 after 40: rose
        {"51.0", kYellow}, {"abc", kRed},    {"-5", kRed},
        {"1e30", kGreen},  // far beyond a whole number: the largest
        {"-3e9", kRed},    {"-2e9", kYellow},  // beyond an int, yet still in order: rose
    };
    for (const Step& s : steps) {
        Update(s.text, true);
        EXPECT_EQ(Fill(), s.colour) << s.text;
    }
    // The frame is black and the text is written in the box.
    const QImage image = Box();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    Update("99.9", true);
    const QImage text = Box();
    int dark = 0;
    for (int y = 1; y < text.height() - 1; ++y)
        for (int x = 1; x < text.width() / 2; ++x)
            dark += text.pixelColor(x, y).value() < 80 ? 1 : 0;
    EXPECT_GT(dark, 5);

    // Without painting the box keeps its colour, but the percent is taken as the last one.
    Update("71.0", true);
    Update("10.0", false);
    EXPECT_EQ(Fill(), kGreen);
    Update("30.0", true);  // rose from the 10 that was not painted
    EXPECT_EQ(Fill(), kYellow);
}

TEST_F(WitsDisplayTest, FieldsShowTheirTextsAndTheMwdFieldsFollowTheFlagOnEveryUpdate)
{
    Open();
    for (int i = 0; i < kDisplayLines; ++i)
        lines[std::size_t(i)] = "t" + std::to_string(i);
    lines[5] = "1201.30";
    dlg->UpdateValues(lines, true);
    const std::pair<int, int> fieldOfText[] = {{101, 0},  {102, 1},  {103, 2},  {104, 3},  {107, 4},
                                               {106, 5},  {111, 6},  {112, 8},  {114, 9},  {109, 10},
                                               {116, 11}, {105, 12}, {117, 13}, {118, 14}, {119, 15},
                                               {121, 16}};
    for (const auto& [id, text] : fieldOfText)
        EXPECT_EQ(dlg->GetText(id).toStdString(), lines[std::size_t(text)]) << id;
    EXPECT_EQ(dlg->GetText(WitsDisplayDlg::kMwdCaption), " RTG        AT");
    for (const int id : {117, 115, 118})
        EXPECT_TRUE(dlg->Control(id)->isVisible()) << id;

    mwd = false;
    for (int round = 0; round < 2; ++round) {
        lines[13] = "changed";
        dlg->UpdateValues(lines, false);
        for (const int id : {117, 115, 118})
            EXPECT_FALSE(dlg->Control(id)->isVisible()) << id;
        EXPECT_EQ(dlg->GetText(117), "t13");  // hidden fields are not written
        dlg->Control(117)->show();           // shown by anyone else: hidden again at the next update
    }
}

TEST_F(WitsDisplayTest, TheCaptionNamesTheLinkAndTheWindowCannotBeClosedByTheUser)
{
    EXPECT_EQ(Open(2).windowTitle(), "StrativM Wits Feed");
    settings.witsOnTcp = 1;
    EXPECT_EQ(Open(1).windowTitle(), "StrativM Wits On TCP");
    EXPECT_EQ(Open(0).windowTitle(), "StrativM Custom Wits ");
    settings.connectionMode = 4;  // the custom link's "Wits Out"
    EXPECT_EQ(Open(0).windowTitle(), "StrativM Custom Wits Out");
    EXPECT_EQ(Open(1).windowTitle(), "StrativM Wits On TCP");

    dlg->reject();  // Escape
    EXPECT_TRUE(dlg->isVisible());
}

}  // namespace
