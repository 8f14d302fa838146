// The window's own command handlers on an open well: formation tops, recent files, the text views and
// the lag list, the display toggles, the remote-monitor switch and the window's move.
#include "app/commandids.h"
#include "app/opendatafile.h"
#include "platform/text.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/qbtndlg.h"
#include "shell/ui/textdlg.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/wellconfig.h"

#include <QFileInfo>
#include <QListWidget>

#include <cstring>

#include <gtest/gtest.h>

using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::ReadBytes;
using testing_support::WriteBytes;
using testing_support::WriteRecords;

namespace {

// A drilling object whose lag tables hold 1,200 slots: slot i reached depth 1000 + i.
class LagTables final : public drilling::DrillingServices {
public:
    void CmDrilling(app::LogState&) override {}
    void CmLagTime(app::LogState&) override {}
    void CmBackupReminder(app::LogState&) override {}
    void EvTimer(app::LogState&, int) override {}
    void EvJoyButton(app::LogState&, unsigned) override {}
    std::vector<drilling::LagEntry> LagEntries(app::LogState&) override
    {
        std::vector<drilling::LagEntry> e(1200);
        for (std::size_t i = 0; i < e.size(); ++i)
            e[i] = {1000.0f + float(i), 0.5f * float(i), 12.25f};
        return e;
    }
};

// A curve set of rows 0..2999, row i at depth i.
class CurveSet final : public elog::ElogServices {
public:
    std::vector<elog::CurveRecord> rows = std::vector<elog::CurveRecord>(3000);
    CurveSet()
    {
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i].values[0] = float(i);
    }
    void CmSaveAsImage(app::LogState&) override {}
    void CreateLasFile(app::LogState&) override {}
    elog::CurveRows CurveData(app::LogState&) override { return {rows, 0, 2999}; }
};

// The dialogs of other subsystems, recording what they were handed.
class Dialogs final : public entry::EntryServices, public reports::ReportServices {
public:
    QStringList calls;
    int topsAnswer = platform::IDOK;
    void CmEnterRates(app::LogState&) override {}
    void CmEnterLithology(app::LogState&) override {}
    void CmEnterGas(app::LogState&) override {}
    void CmEnterShows(app::LogState&) override {}
    void CmFlareData(app::LogState&) override {}
    int RunTopsDialog(app::LogState& s) override
    {
        wellfile::TOPSEX top;
        top.depth = 1200;
        platform::SetFieldText(top.menuName, "Chalk");
        s.well.tops.push_back(top);
        calls << "tops";
        return topsAnswer;
    }
    void RunTestGasDialog(app::LogState&, wellfile::RECORD& last) override { calls << QString("test gas %1").arg(last.depth); }
    void RunDstDialog(app::LogState&, int, const QString&) override {}
    void RunShowDialog(app::LogState&, int, const QString&) override {}
    void SaveReportsAsText(app::LogState&, const QString& well) override { calls << "reports " + well; }
};

struct WindowOnWell {
    LagTables lag;  // outlives the window that calls it
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString path;

    explicit WindowOnWell(int first = 1000, int last = 2000)
    {
        path = testing_support::OpenNewWell(window, "A.svm", first, last);
        window.Neighbours().drilling = &lag;
        doubles().prompter.messages.clear();
        doubles().sounder.beeps = 0;
    }
    app::LogState& S() { return window.State(); }
    QString CfgPath() { return wellfile::ConfigReadPath(app::PlaceOf(S()), S().well.fieldSettings); }
    bool Checked(int id) const
    {
        const shell::MenuItem* item = window.Menu().Find(id);
        return item && item->checked;
    }
    void AddTop(int depth)
    {
        wellfile::TOPSEX top;
        top.depth = depth;
        S().well.tops.push_back(top);
    }
    QString LastMessage() const
    {
        const auto& m = doubles().prompter.messages;
        return m.isEmpty() ? QString() : m.back().text + " | " + m.back().caption;
    }
};

QStringList Items(QListWidget* list)
{
    QStringList items;
    for (int i = 0; list && i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

}  // namespace

TEST(CommandHandlers, AFormationTopMovesTheViewOrSaysWhyItCannot)
{
    WindowOnWell f;
    for (int depth : {1500, 2100, 900})
        f.AddTop(depth);
    f.window.EvCommand(app::cmd::GotoTopFirst);
    EXPECT_EQ(f.S().well.file.viewTopDepth, 1490);
    f.S().view.viewScale = 3;  // five records a row: more of the log above the top
    f.window.EvCommand(app::cmd::GotoTopFirst);
    EXPECT_EQ(f.S().well.file.viewTopDepth, 1450);

    f.window.EvCommand(app::cmd::GotoTopFirst + 1);
    EXPECT_EQ(f.LastMessage(), "Top depth is greater than maximum file depth | Error");
    f.window.EvCommand(app::cmd::GotoTopFirst + 2);
    EXPECT_EQ(f.LastMessage(), "Top depth is less than minimum file depth | Error");
    EXPECT_EQ(f.S().well.file.viewTopDepth, 1450);
    // An item past the tops loaded does nothing.
    f.window.EvCommand(app::cmd::GotoTopFirst + 3);
    EXPECT_EQ(doubles().prompter.messages.size(), 2);
}

TEST(CommandHandlers, RecentFilesOpenOnlyWhatIsThereAndAcceptable)
{
    WindowOnWell f;
    const QString folder = f.S().well.file.dataFolder;
    const QString good = testing_support::MakeWell(folder, "B.svm", 500, 800);
    const QString bad = folder + "C.svm";
    WriteBytes(bad, QByteArray(100, 'x'));  // shorter than one record
    f.S().env.recentFiles = {folder + "gone.svm", bad, good, QString(), QString()};
    f.window.EnsureQuickBar();
    ASSERT_TRUE(f.window.Tools().quickBar);
    const QString caption = f.window.windowTitle();

    // A file that has gone, or an empty entry: nothing at all.
    f.window.EvCommand(app::cmd::RecentFirst);
    f.window.EvCommand(app::cmd::RecentFirst + 3);
    EXPECT_EQ(f.S().well.file.dataFileName, f.path);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    EXPECT_TRUE(f.window.Tools().quickBar);

    // A file that fails validation leaves the open well open, quick bar and all.
    f.window.EvCommand(app::cmd::RecentFirst + 1);
    EXPECT_EQ(f.S().well.file.dataFileName.toStdString(), f.path.toStdString());
    EXPECT_EQ(f.window.windowTitle().toStdString(), caption.toStdString());
    EXPECT_EQ(doubles().prompter.messages.back().caption, "Depth Out Of Range");
    EXPECT_TRUE(f.window.Tools().quickBar);

    // A good one opens; the bar's position went into the settings of the well it was shown with.
    const QString cfgA = f.CfgPath();
    const QRect bar = f.window.Tools().quickBar->frameGeometry();
    f.S().options.gasPercent = true;
    f.window.EvCommand(app::cmd::RecentFirst + 2);
    EXPECT_EQ(f.S().well.file.dataFileName.toStdString(), good.toStdString());
    EXPECT_EQ(f.window.windowTitle().toStdString(), ("StrativM    " + good).toStdString());
    EXPECT_EQ(f.S().well.file.fileTopDepth, 500);
    EXPECT_FALSE(f.S().options.gasPercent);
    wellfile::WellConfig a{};
    ASSERT_EQ(ReadBytes(cfgA).size(), qsizetype(sizeof a));
    std::memcpy(&a, ReadBytes(cfgA).constData(), sizeof a);
    const int left = a.quickBarLeft, top = a.quickBarTop;  // packed fields, read by value
    EXPECT_EQ(left, bar.left());
    EXPECT_EQ(top, bar.top());
}

TEST(CommandHandlers, DataAsTextListsHundredRecordsFromTheViewTopUntilClosed)
{
    WindowOnWell f;
    f.S().well.file.viewTopDepth = 1500;
    f.window.EvCommand(app::cmd::DataAsText);
    auto* text = qobject_cast<shell::TextDlg*>(f.window.Tools().dataAsText.data());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->windowTitle(), "Mudlog data ");
    const QStringList lines = Items(text->ControlAs<QListWidget>(shell::TextDlg::ID_LIST));
    ASSERT_EQ(lines.size(), 201);
    EXPECT_TRUE(lines[0].startsWith("Depth     ROP"));
    EXPECT_TRUE(lines[1].startsWith("1499.50 ")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("1500.00 ")) << lines[2].toStdString();
    EXPECT_TRUE(lines[200].startsWith("1599.00 ")) << lines[200].toStdString();
    EXPECT_EQ(f.window.Tools().textRecords.size(), 101u);

    // While it is open the file commands and the text views only beep.
    for (int id : {app::cmd::DataAsText, app::cmd::ElogAsText, app::cmd::SaveAs, app::cmd::GasPercent})
        f.window.EvCommand(id);
    EXPECT_EQ(doubles().sounder.beeps, 4);
    EXPECT_TRUE(doubles().prompter.fileRequests.isEmpty());

    // Each paint of the log shows the records from the view top it settled on (an odd top goes down a unit).
    f.S().well.file.viewTopDepth = 1801;
    f.window.PaintLog();
    const QStringList moved = Items(text->ControlAs<QListWidget>(shell::TextDlg::ID_LIST));
    ASSERT_EQ(moved.size(), 201);
    EXPECT_TRUE(moved[2].startsWith("1802.00 ")) << moved[2].toStdString();
    EXPECT_TRUE(moved[200].startsWith("1901.00 ")) << moved[200].toStdString();

    text->Click(shell::TextDlg::ID_CLOSE);
    EXPECT_FALSE(f.window.Tools().dataAsText);
    EXPECT_TRUE(f.window.Tools().textRecords.empty());
    EXPECT_FALSE(f.window.DataFileBusy());
}

TEST(CommandHandlers, ControlWhileDrillingTogglesTheLagList)
{
    WindowOnWell f;
    f.S().well.file.drilling = true;
    f.window.ShowDataAsText(true);
    EXPECT_FALSE(f.window.Tools().dataAsText);
    auto* list = qobject_cast<QListWidget*>(f.window.Tools().lagList.data());
    ASSERT_NE(list, nullptr);
    const QStringList lines = Items(list);
    ASSERT_EQ(lines.size(), 1200);
    EXPECT_EQ(lines[0], " 1000.0  0.00  12.25   0");
    EXPECT_EQ(lines[1199], " 2199.0  599.50  12.25   1199");
    EXPECT_EQ(list->size(), QSize(300, 300));

    // The command again closes it, Control or not; without Control it opens no list.
    f.window.ShowDataAsText(false);
    EXPECT_FALSE(f.window.Tools().lagList);
    EXPECT_EQ(doubles().sounder.beeps, 0);
    f.S().well.file.drilling = false;
    f.window.ShowDataAsText(true);
    EXPECT_FALSE(f.window.Tools().lagList);
    EXPECT_TRUE(f.window.Tools().dataAsText);
}

TEST(CommandHandlers, GasAsPercentOnlyWhereTheRatioPlotExists)
{
    WindowOnWell f;
    f.S().well.loggerId = 64;
    f.window.EvCommand(app::cmd::GasPercent);
    EXPECT_EQ(f.LastMessage(), "Ratio Plot Not Available | Info");
    EXPECT_FALSE(f.S().options.gasPercent);

    // Profile 17 needs the alternate format; profile 12 has the plot.
    f.S().well.loggerId = 17;
    f.S().well.config.alternateFormat = 0;
    f.window.EvCommand(app::cmd::GasPercent);
    EXPECT_EQ(doubles().prompter.messages.size(), 2);
    f.S().well.config.alternateFormat = 1;
    f.window.EvCommand(app::cmd::GasPercent);
    EXPECT_TRUE(f.S().options.gasPercent);
    EXPECT_TRUE(f.Checked(app::cmd::GasPercent));
    f.S().well.loggerId = 12;
    f.window.EvCommand(app::cmd::GasPercent);
    EXPECT_FALSE(f.S().options.gasPercent);
    EXPECT_FALSE(f.Checked(app::cmd::GasPercent));
    EXPECT_EQ(doubles().prompter.messages.size(), 2);
}

TEST(CommandHandlers, HotwireTogglesByteSixtyOfTheSettingsOnDisk)
{
    WindowOnWell f;
    const QByteArray before = ReadBytes(f.CfgPath());
    ASSERT_EQ(before.size(), qsizetype(sizeof(wellfile::WellConfig)));
    const bool was = before[60] != 0;
    ASSERT_EQ(f.S().options.hotwire, was);
    f.window.EvCommand(app::cmd::Hotwire);
    QByteArray after = ReadBytes(f.CfgPath());
    EXPECT_EQ(after[60], was ? 0 : 1);
    EXPECT_EQ(f.S().options.hotwire, !was);
    after[60] = before[60];
    EXPECT_EQ(after, before);  // nothing else of the record moved
    f.window.EvCommand(app::cmd::Hotwire);
    EXPECT_EQ(ReadBytes(f.CfgPath()), before);
    EXPECT_EQ(f.S().options.hotwire, was);
}

TEST(CommandHandlers, RemoteMonitorRunsOnlyInTheFirstCopyOfAServerStation)
{
    WindowOnWell f;
    app::LogState& s = f.S();
    testing_support::FakeTimers* timers = doubles().timers.last;
    ASSERT_NE(timers, nullptr);
    s.env.serverStation = true;
    f.window.BuildMenu(-1);  // a server station's menu has the switch

    s.env.firstInstance = 0;
    f.window.EvCommand(app::cmd::RemoteMonitor);
    EXPECT_EQ(f.LastMessage(), "Remote Monitor can only be enabled with the\nfirst instance of StrativM | ERROR");
    EXPECT_FALSE(timers->IsRunning(1));
    EXPECT_FALSE(s.env.remoteMonitorOn);

    // First copy, a 30-second interval and no receive folder chosen: the data folder is polled.
    s.env.firstInstance = 1;
    wellfile::RemoteConfig cfg;
    cfg.interval = 30;
    platform::SetFieldText(cfg.receiveFolder, "Not Selected\\");
    WriteBytes(s.well.file.dataFolder + "svdlcfg.cfg", &cfg, sizeof cfg);
    s.env.remoteReceiveFolder = "elsewhere/";
    f.window.EvCommand(app::cmd::RemoteMonitor);
    EXPECT_EQ(timers->Period(1), 30000);
    EXPECT_TRUE(s.env.remoteMonitorOn);
    EXPECT_TRUE(f.Checked(app::cmd::RemoteMonitor));
    EXPECT_EQ(s.env.remoteReceiveFolder, s.well.file.dataFolder);

    // Again: it stops, quietly in the first copy.
    f.window.EvCommand(app::cmd::RemoteMonitor);
    EXPECT_FALSE(timers->IsRunning(1));
    EXPECT_FALSE(s.env.remoteMonitorOn);
    EXPECT_EQ(doubles().prompter.messages.size(), 1);

    // A folder that is chosen is kept; an empty one is the data folder again.
    platform::SetFieldText(cfg.receiveFolder, "/srv/receive/");
    WriteBytes(s.well.file.dataFolder + "svdlcfg.cfg", &cfg, sizeof cfg);
    f.window.EvCommand(app::cmd::RemoteMonitor);
    EXPECT_EQ(s.env.remoteReceiveFolder, "/srv/receive/");
    platform::SetFieldText(cfg.receiveFolder, "");
    WriteBytes(s.well.file.dataFolder + "svdlcfg.cfg", &cfg, sizeof cfg);
    f.window.EvCommand(app::cmd::RemoteMonitor);
    EXPECT_EQ(s.env.remoteReceiveFolder, s.well.file.dataFolder);
}

TEST(CommandHandlers, TheQuickBarFollowsTheWindowUnlessItIsMinimised)
{
    WindowOnWell f;
    f.window.showNormal();
    f.window.setGeometry(100, 100, 1400, 900);
    f.window.EnsureQuickBar();
    QWidget* bar = f.window.Tools().quickBar;
    ASSERT_NE(bar, nullptr);
    const QPoint before = bar->frameGeometry().topLeft();

    f.window.move(f.window.pos() + QPoint(40, 30));
    f.window.EvMove();
    EXPECT_EQ(bar->frameGeometry().topLeft(), before + QPoint(40, 30));

    f.window.showMinimized();
    const QPoint placed = bar->frameGeometry().topLeft();
    f.window.move(f.window.pos() + QPoint(40, 30));
    f.window.EvMove();
    EXPECT_EQ(bar->frameGeometry().topLeft(), placed);
}

TEST(CommandHandlers, ElogAsTextShowsTheCurveRowsFromTheViewTopOrSaysWhyNot)
{
    WindowOnWell f;
    f.window.EvCommand(app::cmd::ElogAsText);
    EXPECT_EQ(f.LastMessage(), "No curves | ");

    CurveSet curves;
    f.window.Neighbours().elog = &curves;
    f.S().well.file.viewTopDepth = 1500;
    f.window.EvCommand(app::cmd::ElogAsText);
    auto* text = qobject_cast<shell::TextDlg*>(f.window.Tools().elogAsText.data());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->windowTitle(), "Elog data ");
    QStringList lines = Items(text->ControlAs<QListWidget>(shell::TextDlg::ID_LIST));
    ASSERT_EQ(lines.size(), 101);
    EXPECT_TRUE(lines[1].startsWith(" 1500 "));

    // Opened again it follows the view top; rows past the curves' last depth are not there to show.
    text->Click(shell::TextDlg::ID_CLOSE);
    f.S().well.file.viewTopDepth = 1950;
    f.window.EvCommand(app::cmd::ElogAsText);
    text = qobject_cast<shell::TextDlg*>(f.window.Tools().elogAsText.data());
    ASSERT_NE(text, nullptr);
    lines = Items(text->ControlAs<QListWidget>(shell::TextDlg::ID_LIST));
    EXPECT_TRUE(lines[1].startsWith(" 1950 "));
    EXPECT_TRUE(lines.back().startsWith(" 2000 "));  // the data file's last depth ends it
    text->Click(shell::TextDlg::ID_CLOSE);
    f.S().well.file.viewTopDepth = 3000;
    f.window.EvCommand(app::cmd::ElogAsText);
    EXPECT_EQ(f.LastMessage(), "Data not available at this depth | Error");
    EXPECT_FALSE(f.window.Tools().elogAsText);
}

TEST(CommandHandlers, DialogsOfOtherSubsystemsGetWhatTheyWorkOn)
{
    WindowOnWell f;
    Dialogs dialogs;
    f.window.Neighbours().entry = &dialogs;
    f.window.Neighbours().reports = &dialogs;
    f.window.EvCommand(app::cmd::TestGasValues);
    f.window.EvCommand(app::cmd::SaveReportsText);

    // A top added in the editor gets its menu item at once.
    f.window.EvCommand(app::cmd::EditTops);
    EXPECT_TRUE(f.S().well.topsChanged);
    const shell::MenuItem* item = f.window.Menu().Find(app::cmd::GotoTopFirst);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->text.contains("Chalk"));
    EXPECT_EQ(dialogs.calls, QStringList({"test gas 2000", "reports A", "tops"}));

    // The lag calculator runs with the dialog flag set, and only then.
    class Calculator final : public drilling::DrillingServices {
    public:
        bool flagSeen = false;
        void CmDrilling(app::LogState&) override {}
        void CmLagTime(app::LogState&) override {}
        void CmBackupReminder(app::LogState&) override {}
        void EvTimer(app::LogState&, int) override {}
        void EvJoyButton(app::LogState&, unsigned) override {}
        void RunLagCalculator(app::LogState& s) override { flagSeen = s.interaction.dialogOpen; }
    } calculator;
    f.window.Neighbours().drilling = &calculator;
    f.window.EvCommand(app::cmd::LagCalculator);
    EXPECT_TRUE(calculator.flagSeen);
    EXPECT_FALSE(f.S().interaction.dialogOpen);
    f.window.Neighbours().drilling = &f.lag;
}
