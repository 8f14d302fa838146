// Manual, 3. Entering what you see: the opening rules and "Lithology", walked on the first start's
// window: Options > Drilling brings Enter Data, Lithology... asks for the depth and fills from the step
// below it, Done stores, Cancel leaves the file byte for byte, the menus wait, a text whose tens do not
// make 100 is refused, the column draws the rock typed (an unknown code blank), the units digit names an
// accessory, and the double-clicks in the lithology and interpreted (HD) columns.
#include "entry/ui/enterlithdlg.h"
#include "manual/enteringsteps.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/entrywindow.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>

#include <gtest/gtest.h>

using entry::EnterLithDlg;
using platform::Dialog;
using testing_support::doubles;

namespace {

// The demo well's window and the data file read back, the lithology column looked at.
struct LithWalk {
    shell::LogWindow w{nullptr, QStringLiteral("StrativM")};
    manual::EnteringWindow e{w};
    std::string Lith(int depth) { return platform::FieldText(e.At(depth).lith); }
    std::string Interpreted(int depth) { return platform::FieldText(e.At(depth).interpretedLith); }
    // The lithology column on the middle line of the row that shows the record of `depth`.
    QImage Row(int depth)
    {
        return w.BackingStore().copy(e.g.lithology.left + 1, e.RowY(depth - 1), 10 * e.g.lithology.cell - 2, 1);
    }
    int Pixels(int depth, QRgb colour)
    {
        const QImage row = Row(depth);
        int n = 0;
        for (int x = 0; x < row.width(); ++x)
            n += (row.pixel(x, 0) & 0xFFFFFF) == (colour & 0xFFFFFF);
        return n;
    }
    bool EnterDataShown()
    {
        for (QAction* a : w.menuBar()->actions())
            if (a->text().remove(QLatin1Char('&')) == "Enter Data")
                return true;
        return false;
    }
};

void Type(Dialog& d, const QString& text) { testing_support::EnterValue(d, EnterLithDlg::IDC_VALUE, text); }

const QRgb kLimestone = qRgb(0, 128, 255), kSand = qRgb(255, 255, 0);

}  // namespace

TEST(ManualEnterLithology, ThroughTheDrillingMenuFromTheStepBelowTheDepthTyped)
{
    // Manual, 3. Entering what you see, and its "Lithology".
    LithWalk t;
    shell::LogWindow& w = t.w;
    manual::EnteringWindow& e = t.e;
    ASSERT_TRUE(testing_support::ShowDemoWindow(w));
    const QString path = w.State().well.file.dataFileName;
    // The office menu has no Enter Data; Options > Drilling brings it. A double-click in the lithology
    // column asks for the depth the first time (the answer cancelled here).
    EXPECT_FALSE(t.EnterDataShown());
    e.PaintAt(1190);
    e.DoubleClick(e.g.lithology.left + 30, e.RowY(1196));
    ASSERT_EQ(doubles().prompter.inputPrompts, QStringList{"Enter Depth to start lithology"});
    ASSERT_TRUE(e.Choose("Options", "Drilling"));
    ASSERT_TRUE(t.EnterDataShown());

    // Cancel leaves the file as it was, whatever was typed.
    const QByteArray before = testing_support::ReadBytes(path);
    const std::string above = t.Lith(1200);
    doubles().prompter.inputAnswers = {QString("1200")};
    Dialog::QueueTestScript([](Dialog& d) {
        for (const char* text : {"100LS", "70SH 30SS", "100co"})
            Type(d, text);
        d.Click(EnterLithDlg::IDC_HELP);  // the abbreviations and accessory digits
        d.Click(platform::IDCANCEL);
    });
    ASSERT_TRUE(e.Choose("Enter Data", "Lithology..."));
    EXPECT_EQ(testing_support::ReadBytes(path), before);
    ASSERT_EQ(doubles().prompter.inputPrompts.size(), 2);
    auto* help = qobject_cast<Dialog*>(w.Tools().lithologyHelp.data());
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), "Lithology Help");
    EXPECT_TRUE(help->GetText(101).contains(QRegularExpression("Chert +ch +5")));

    // Done stores, from the step below the depth typed; a refused text keeps the entry on its step.
    doubles().prompter.inputAnswers = {QString("1200")};
    QString prompt, refusedPrompt;
    int viewTop = 0, beepsBefore = 0, beepsWhileOpen = 0, asked = 0;
    Dialog::QueueTestScript([&](Dialog& d) {
        prompt = d.GetText(EnterLithDlg::IDC_PROMPT);
        viewTop = w.State().well.file.viewTopDepth;
        for (const char* text : {"100LS", "100XX", "100bl", "70SH 30SS", "65SS 35SH"})
            Type(d, text);
        refusedPrompt = d.GetText(EnterLithDlg::IDC_PROMPT);
        Type(d, "65SS 45SH");
        // The menus wait while the entry is open: another entry only beeps.
        beepsBefore = doubles().sounder.beeps;
        asked = int(doubles().prompter.inputPrompts.size());
        e.Item("Enter Data", "Gas...")->trigger();
        beepsWhileOpen = doubles().sounder.beeps - beepsBefore;
        asked = int(doubles().prompter.inputPrompts.size()) - asked;
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(e.Choose("Enter Data", "Lithology..."));
    EXPECT_EQ(prompt, "Enter Perc lith for  1200 to  1201");
    EXPECT_EQ(viewTop, 1190);  // the log beside the entry shows its depths
    EXPECT_EQ(refusedPrompt, "Enter lith for  1204 to  1205");
    EXPECT_EQ(beepsWhileOpen, 1);
    EXPECT_EQ(asked, 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "You have entered more or\nless than 100 percent");
    EXPECT_EQ(t.Lith(1200), above);
    const std::vector<std::pair<std::string, std::string>> stored = {
        {"100LS", "100LS"}, {"100XX", "100XX"}, {"100bl", "100bl"}, {"70SH 30SS", "100SH"}, {"65SS 45SH", "105SS"}};
    for (int k = 0; k < int(stored.size()); ++k) {
        EXPECT_EQ(t.Lith(1201 + k), stored[std::size_t(k)].first) << 1201 + k;
        EXPECT_EQ(t.Interpreted(1201 + k), stored[std::size_t(k)].second) << 1201 + k;
    }

    // Back in the office: the column draws each rock in its colour; an unknown code as blank.
    ASSERT_TRUE(e.Choose("Options", "Drilling"));
    ASSERT_FALSE(w.State().well.file.drilling);
    e.PaintAt(1190);
    const int width = 10 * e.g.lithology.cell - 2;
    EXPECT_GT(t.Pixels(1201, kLimestone), width / 2);
    EXPECT_EQ(t.Row(1202), t.Row(1203));
    EXPECT_EQ(t.Pixels(1202, kLimestone) + t.Pixels(1202, kSand), 0);
    EXPECT_GT(t.Pixels(1204, kSand), width / 5);
    EXPECT_LT(t.Pixels(1204, kSand), width * 2 / 5);
    EXPECT_EQ(t.Pixels(1204, kLimestone), 0);
    // View > Lith Legend puts the legend of the patterns in the title band.
    const int T = e.g.topMargin;
    const QImage band = w.BackingStore().copy(0, 0, w.BackingStore().width(), T);
    ASSERT_TRUE(e.Choose("View", "Lith Legend"));
    w.PaintLog();
    EXPECT_TRUE(e.Item("View", "Lith Legend")->isChecked());
    EXPECT_NE(w.BackingStore().copy(0, 0, band.width(), T), band);
    ASSERT_TRUE(e.Choose("View", "Lith Legend"));
    w.PaintLog();

    // The units digit names an accessory, as the read-out of the row says.
    e.Click(Qt::LeftButton, e.g.lithology.left + 20, e.RowY(1204));
    const QList<QLabel*> boxes = w.findChildren<QLabel*>(QStringLiteral("1001"));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0]->text().startsWith("60% cherty sandstone, 40% cherty shale")) << boxes[0]->text().toStdString();

    // A double-click on a row of the column above where the last entry ended starts there without
    // asking; below it the entry goes on from there. Ctrl with a double-click in HD enters the
    // interpreted lithology.
    const int askedBefore = int(doubles().prompter.inputPrompts.size());
    struct Opened {
        QString prompt;
        int interpreted = -1;
    };
    QList<Opened> opened;
    const auto enter = [&](const char* text) {
        Dialog::QueueTestScript([&opened, text](Dialog& d) {
            opened.append({d.GetText(EnterLithDlg::IDC_PROMPT), d.GetCheck(EnterLithDlg::IDC_INTRP)});
            if (*text)
                Type(d, text);
            d.Click(*text ? platform::IDOK : platform::IDCANCEL);
        });
    };
    const int lithX = e.g.lithology.left + 30, hdX = e.g.Interpreted().left + 5;
    const std::string beside = t.Lith(1193);
    enter("100LS");
    e.DoubleClick(lithX, e.RowY(1196));
    enter("");
    e.DoubleClick(lithX, e.RowY(1230));
    enter("100SS");
    e.DoubleClick(hdX, e.RowY(1192), Qt::ControlModifier);
    EXPECT_EQ(int(doubles().prompter.inputPrompts.size()), askedBefore);
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[0].prompt, "Enter Perc lith for  1196 to  1197");
    EXPECT_EQ(opened[0].interpreted, 0);
    EXPECT_EQ(opened[1].prompt, "Enter Perc lith for  1205 to  1206");
    EXPECT_EQ(opened[2].prompt, "Enter Intrp lith for  1192 to  1193");
    EXPECT_EQ(opened[2].interpreted, 1);
    EXPECT_EQ(t.Lith(1197), "100LS");
    EXPECT_EQ(t.Interpreted(1193), "100SS");
    EXPECT_EQ(t.Lith(1193), beside);
}
