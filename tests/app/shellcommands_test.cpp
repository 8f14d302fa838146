// The main window's small commands: the downtime notes and their index, About, the image view toggle
// and the report commands' guards, and the helpers behind them.
#include "app/shellcommands.h"
#include "platform/inputbox.h"
#include "shell/ui/logwindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QDir>
#include <QSysInfo>

#include <gtest/gtest.h>

using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;

namespace {

struct WellWindow {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString folder = TestDir() + "wells/";
    WellWindow()
    {
        qputenv("USER", "tester");
        window.SetupWindow();
    }
    app::LogState& S() { return window.State(); }
    // Opens a well `name` of depths 1000 to 1100.
    void Open(const QString& name)
    {
        const QString path = testing_support::MakeWell(folder, name + ".svm", 1000, 1100);
        ASSERT_EQ(window.OpenDataFile(path), 1);
        ASSERT_EQ(S().well.file.wellName, name);
    }
};

void Touch(const QString& path) { testing_support::WriteBytes(path, QByteArray("x")); }

// Every item of the menu bar, with its state, one line each.
void Flatten(const std::vector<shell::MenuItem>& items, QStringList& out)
{
    for (const shell::MenuItem& m : items) {
        out << QString("%1 %2 %3%4%5").arg(m.id).arg(m.text).arg(m.checked).arg(m.grayed).arg(m.disabled);
        Flatten(m.items, out);
    }
}
QStringList Flat(const shell::MenuBar& bar)
{
    QStringList out;
    Flatten(bar.popups, out);
    return out;
}

}  // namespace

TEST(ShellHelpers, ParentPathAndTheTwelveHourClock)
{
    EXPECT_EQ(app::ParentPath("/a/b/c.svm"), "/a/b/");
    EXPECT_EQ(app::ParentPath("/x"), "/");
    EXPECT_EQ(app::ParentPath("c.svm"), "");

    const QDate day(2026, 1, 15);
    EXPECT_EQ(app::DowntimeLine(1010, QDateTime(day, QTime(8, 30))), "DOWNTIME REPORT at 1010 1/15/2026  8:30 AM\n");
    // Five past midnight is 12:05 AM, not 0:05 AM; noon and the afternoon are PM.
    EXPECT_EQ(app::DowntimeLine(7, QDateTime(day, QTime(0, 5))), "DOWNTIME REPORT at 7 1/15/2026  12:05 AM\n");
    EXPECT_EQ(app::DowntimeLine(7, QDateTime(day, QTime(12, 0))), "DOWNTIME REPORT at 7 1/15/2026  12:00 PM\n");
    EXPECT_EQ(app::DowntimeLine(7, QDateTime(day, QTime(23, 59))), "DOWNTIME REPORT at 7 1/15/2026  11:59 PM\n");
}

// Only notes named for the well itself count, in any letter case; the depth must be a number.
TEST(ShellHelpers, DowntimeNotesOfTheWellAndNoOther)
{
    EXPECT_EQ(app::DowntimeNoteDepth("A1-DT@1010.txt", "A1"), 1010);
    EXPECT_EQ(app::DowntimeNoteDepth("a1-dt@1020.TXT", "A1"), 1020);
    EXPECT_EQ(app::DowntimeNoteDepth("A12-DT@1010.txt", "A1"), std::nullopt);
    EXPECT_EQ(app::DowntimeNoteDepth("XA1-DT@1010.txt", "A1"), std::nullopt);
    EXPECT_EQ(app::DowntimeNoteDepth("A1-DT@deep.txt", "A1"), std::nullopt);
    EXPECT_EQ(app::DowntimeNoteDepth("A1 notes.txt", "A1"), std::nullopt);

    const QString folder = TestDir() + "notes/";
    QDir().mkpath(folder);
    for (int k = 0; k < 301; ++k)
        Touch(folder + app::DowntimeNoteName("A1", 2000 + k));
    Touch(folder + "A12-DT@999.txt");
    app::DowntimeIndex index;
    index.fill(-1);
    app::RebuildDowntimeIndex(index, folder, "A1");
    // 300 entries in name order; the 301st note (2300) is left out, the other well's never enters.
    EXPECT_EQ(index.front(), 2000);
    EXPECT_EQ(index.back(), 2299);
    EXPECT_EQ(std::count(index.begin(), index.end(), 999), 0);

    app::RebuildDowntimeIndex(index, folder, "B7");
    EXPECT_EQ(std::count(index.begin(), index.end(), 0), 300);
}

TEST(ShellCommands, DowntimeReportWritesTheNoteAsksAgainOutOfRangeAndOpensIt)
{
    WellWindow w;
    w.Open("A1");
    app::LogState& s = w.S();
    auto& prompter = doubles().prompter;

    // Cancel: nothing is written.
    w.window.CmDowntimeReport();
    ASSERT_EQ(prompter.inputInitials.size(), 1);
    EXPECT_EQ(prompter.inputInitials[0], "1100");
    EXPECT_EQ(prompter.inputCaptions[0], "Start Depth");
    EXPECT_EQ(prompter.inputPrompts[0], "Enter Depth for Downtime Report");
    EXPECT_TRUE(QDir(w.folder).entryList({"*.txt"}).isEmpty());

    // 1009 is below the first depth + 10, "abc" is no depth: both are asked again; 1010 is taken.
    prompter.inputAnswers = {QString("1009"), QString("abc"), QString("1010")};
    w.window.CmDowntimeReport();
    EXPECT_EQ(prompter.inputPrompts.size(), 4);
    ASSERT_EQ(prompter.messages.size(), 2);
    EXPECT_EQ(prompter.messages[0].text, "Depth Out Of Range");
    EXPECT_EQ(prompter.messages[0].caption, "ERROR");

    const QString note = w.folder + "A1-DT@1010.txt";
    EXPECT_EQ(ReadBytes(note), QByteArray("DOWNTIME REPORT at 1010 1/15/2026  8:30 AM\n"));
    ASSERT_EQ(doubles().shell.opened.size(), 1);
    EXPECT_EQ(doubles().shell.opened[0].program, note);
    EXPECT_EQ(doubles().shell.opened[0].args, QStringList{"open"});
    EXPECT_EQ(s.well.downtimeDepthIndex[0], 1010);
    EXPECT_EQ(s.well.downtimeDepthIndex[1], 0);

    // A note of another well in the same folder stays out; opening the well again reads its notes.
    Touch(w.folder + "A12-DT@1050.txt");
    s.well.downtimeDepthIndex.fill(0);
    w.Open("A1");
    EXPECT_EQ(s.well.downtimeDepthIndex[0], 1010);
    EXPECT_EQ(s.well.downtimeDepthIndex[1], 0);

    // The box takes at most five characters.
    prompter.inputAnswers = {QString("1020999")};
    QString buffer = "1100";
    EXPECT_EQ(platform::AskInput("T", "P", buffer, 6), 1);
    EXPECT_EQ(buffer, "10209");
    EXPECT_EQ(platform::AskInput("T", "P", buffer, 6), 0);
    EXPECT_EQ(buffer, "");
}

TEST(ShellCommands, DowntimeNoteThatCannotBeWrittenIsReportedAndChangesNothing)
{
    WellWindow w;
    w.Open("A1");
    app::LogState& s = w.S();
    s.well.downtimeDepthIndex[0] = 1040;
    // A "folder" that is a plain file: no note can be made in it, whoever runs the test.
    Touch(TestDir() + "blocked");
    s.well.file.currentFolder = TestDir() + "blocked/";
    doubles().prompter.inputAnswers = {QString("1050")};
    w.window.CmDowntimeReport();
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "FILE OPEN FAILED");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "ERROR");
    EXPECT_EQ(s.well.downtimeDepthIndex[0], 1040);
    EXPECT_TRUE(doubles().shell.opened.isEmpty());
}

TEST(ShellCommands, AboutNamesVersionFoldersAndSystem)
{
    WellWindow w;
    app::LogState& s = w.S();
    w.window.CmAbout();
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    const testing_support::AskedMessage& m = doubles().prompter.messages[0];
    EXPECT_EQ(m.caption, "Info");
    const QStringList parts = m.text.split("\n\n");
    ASSERT_EQ(parts.size(), 5);
    EXPECT_EQ(parts[0], s.env.versionText);
    EXPECT_EQ(parts[1], "Installed to " + s.env.installFolder);
    EXPECT_EQ(parts[2], " Documents Folder is  " + s.well.file.dataFolder);
    EXPECT_EQ(parts[3], " OS=" + QSysInfo::prettyProductName());
    EXPECT_TRUE(parts[4].endsWith(' '));
}

namespace {
// Records the log image's life.
class ImageViewServices final : public app::ViewServices {
public:
    QStringList calls;
    void CreateLogImage(app::LogState&) override { calls << "create"; }
    void FreeLogImage(app::LogState&) override { calls << "free"; }
    void BuildGridBitmaps(app::LogState&) override { calls << "grid"; }
};
}  // namespace

// Command 9 switches the image view on and off: the layout and the menu come back as they were.
TEST(ShellCommands, ImageViewToggledTwiceGivesTheSameLayoutAndMenu)
{
    WellWindow w;
    app::LogState& s = w.S();
    s.env.screenWidth = s.env.desktopWidth = 1280;
    w.window.SetLogFormat(s.well.loggerId);
    ImageViewServices view;
    w.window.WellServices().view = &view;
    const layout::LogLayout before = s.layout.format;
    const QStringList menu = Flat(w.window.Menu());

    w.window.CmToggleView9();
    EXPECT_TRUE(s.view.logImageMode);
    EXPECT_EQ(s.layout.format.trackUnit, before.trackUnit - 1);  // a screen of 1280 or less
    EXPECT_NE(s.layout.format.logRight, before.logRight);
    w.window.CmToggleView9();
    EXPECT_FALSE(s.view.logImageMode);
    EXPECT_EQ(view.calls, QStringList({"grid", "create", "grid", "free"}));
    EXPECT_EQ(s.layout.format.trackUnit, before.trackUnit);
    EXPECT_EQ(s.layout.format.logRight, before.logRight);
    EXPECT_EQ(s.layout.format.gas.left, before.gas.left);
    EXPECT_EQ(Flat(w.window.Menu()), menu);

    w.window.SetViewMode1();
    EXPECT_EQ(s.view.viewScale, 1);
}

namespace {
class ReportRecorder final : public reports::ReportServices {
public:
    QStringList calls;
    void RunDstDialog(app::LogState&, int kind, const QString& well) override { calls << QString("dst %1 %2").arg(kind).arg(well); }
    void RunShowDialog(app::LogState&, int kind, const QString& well) override { calls << QString("show %1 %2").arg(kind).arg(well); }
};
}  // namespace

TEST(ShellCommands, ReportDialogsAreGuardedAndNeedTheirFileAwayFromTheDataFolder)
{
    WellWindow w;
    w.Open("A1");
    app::LogState& s = w.S();
    ReportRecorder reports;
    w.window.Neighbours().reports = &reports;

    w.window.CmDst();
    w.window.CmShowReport();
    EXPECT_EQ(reports.calls, QStringList({"dst 7 A1", "show 6 A1"}));

    // Data entry owns the window: a beep and nothing else.
    s.interaction.dataEntryActive = 1;
    w.window.CmDst();
    EXPECT_EQ(doubles().sounder.beeps, 1);
    s.interaction.dataEntryActive = 0;

    // A server station viewing a well outside its data folder: the report file must be there.
    s.env.serverStation = true;
    ASSERT_FALSE(QDir(s.well.file.currentFolder) == QDir(s.well.file.dataFolder));
    reports.calls.clear();
    w.window.CmDst();
    w.window.CmShowReport();
    EXPECT_TRUE(reports.calls.isEmpty());
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[0].text, "No DST file Available");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "");
    EXPECT_EQ(doubles().prompter.messages[1].text, "No SHOW file Available");
    Touch(w.folder + "A1.SHO");
    w.window.CmShowReport();
    EXPECT_EQ(reports.calls, QStringList({"show 6 A1"}));
}
