// Survey stations and the TVD log through the main window's commands: a station saved into its depth
// record, listed and noted, its checks, deleted; the TVD well built from the stations, cut back when a
// station comes shallower, built by "TVD Log " and opened with its title marked TVD; and the target
// import of the command.
#include "app/commandids.h"
#include "elog/curverecord.h"
#include "elog/curves.h"
#include "elog/ui/tvddialog.h"
#include "logview/ui/titlerowpaint.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/wellheader.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using platform::Dialog;
using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::ReadBytes;
using wellfile::RECORD;
namespace id = elog::tvdid;

namespace {

struct SurveyWindow {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString folder, path;

    SurveyWindow()
    {
        path = testing_support::OpenNewWell(window, [this](const QString& data) {
            folder = data;
            const QString made = testing_support::MakeWell(folder, "A12.svm", 1000, 2000);
            wellfile::WellHeader h{};
            std::strcpy(h.well, "A12");
            testing_support::WriteBytes(folder + "A12.hdr", &h, sizeof h);
            testing_support::WriteBytes(folder + "A12.sch", QByteArray("scheme"));
            return made;
        });
        doubles().prompter.messages.clear();
    }
    app::LogState& S() { return window.State(); }
    RECORD Stored(int depth) { return FileRecords<RECORD>(path)[std::size_t(depth - 1000)]; }
    QStringList Messages() const
    {
        QStringList out;
        for (const auto& m : doubles().prompter.messages)
            out << m.text + " / " + m.caption;
        return out;
    }
    // Runs the survey command with `script` driving its dialog.
    void Survey(const std::function<void(Dialog&)>& script, int command = app::cmd::SurveyData)
    {
        Dialog::QueueTestScript(script);
        window.EvCommand(command);
        ASSERT_EQ(Dialog::PendingTestScripts(), 0);
    }
    int MemosAt(int depth)
    {
        int n = 0;
        for (int i = 0; i < window.State().notes.memoCount; ++i)
            n += window.State().notes.memos[std::size_t(i)].depth == depth;
        return n;
    }
};

// The action of command `id` on the window's menu bar, or null.
QAction* MenuItem(shell::LogWindow& window, int id)
{
    for (QAction* a : window.menuBar()->findChildren<QAction*>())
        if (a->data().isValid() && a->data().toInt() == id)
            return a;
    return nullptr;
}

void Type(Dialog& d, const char* md, const char* tvd, const char* incl = "", const char* azm = "", const char* vs = "",
          const char* dls = "")
{
    d.SetText(id::Md, md);
    d.SetText(id::Tvd, tvd);
    d.SetText(id::Incl, incl);
    d.SetText(id::Azm, azm);
    d.SetText(id::VertSect, vs);
    d.SetText(id::DogLeg, dls);
    d.Click(id::Save);
}

TEST(SurveyWindow, AStationIsStoredListedNotedCheckedAndDeleted)
{
    SurveyWindow w;
    QStringList lines;
    w.Survey([&](Dialog& d) {
        Type(d, "1000", "1000");
        Type(d, "1500", "1600");
        EXPECT_EQ(w.Messages(), QStringList({"ERROR / Invalid record number", "Invalid Entry 2 / Tvd Error"}));
        Type(d, "1500.5", "1400", "10", "45", "300", "2");
        lines << d.GetString(id::List, 0);
        // Values typed as 0 keep the stored ones.
        Type(d, "1500.5", "1400", "0", "0", "0", "0");

        doubles().prompter.messages.clear();
        Type(d, "1600", "5000");
        doubles().prompter.answers = {platform::IDCANCEL};
        Type(d, "1510", "1405", "10", "45", "250");
        EXPECT_EQ(w.Messages(),
                  QStringList({"TVD Value ( 5000.00 1400.00 ) is out of file range / HORZ Input",
                               "Vert Sect Value ( 250.00 ) appears to be out of expected range\n Click OK to save "
                               "anyway, click cancel to change / HORZ INPUT"}));
    });
    EXPECT_EQ(lines, QStringList({"MD=1500.50  Incl=10.0  AZM=45.0  TVD=1400.00  VSec=300.0  DLS=2.0"}));
    const RECORD r = w.Stored(1500);
    EXPECT_FLOAT_EQ(r.surveyMeasuredDepth, 1500.5f);
    EXPECT_FLOAT_EQ(r.azimuth, 45);
    EXPECT_FLOAT_EQ(r.inclination, 10);
    EXPECT_FLOAT_EQ(r.tvd, 1400);
    EXPECT_FLOAT_EQ(r.verticalSection, 300);
    EXPECT_FLOAT_EQ(r.dogLeg, 2);
    EXPECT_EQ(r.surveyEntry, 1);
    for (const int depth : {1000, 1510, 1600})
        EXPECT_EQ(w.Stored(depth).tvd, 0.0f) << depth;
    ASSERT_EQ(w.MemosAt(1500), 2);
    QStringList texts;
    for (int i = 0; i < w.S().notes.memoCount; ++i) {
        const wellfile::SVMEMO& memo = w.S().notes.memos[std::size_t(i)];
        if (memo.depth == 1500 && memo.description == 1)
            texts << memo.text;
    }
    EXPECT_TRUE(texts.contains("Survey@ 1500.50m MD\nIncl:10.00  Azim: 45.00  TVD:1400.00")) << texts.join('|').toStdString();
    EXPECT_EQ(w.MemosAt(1510) + w.MemosAt(1600), 0);

    // Memo mode only notes the station; a TVD of 0 not even that.
    w.Survey([&](Dialog& d) {
        Type(d, "1700", "1650");
        Type(d, "1800", "0");
    }, app::cmd::TvdFileData);
    EXPECT_EQ(w.Stored(1700).tvd, 0.0f);
    EXPECT_EQ(w.MemosAt(1700), 1);
    EXPECT_EQ(w.MemosAt(1800), 0);

    // The station picked from the list and deleted.
    doubles().prompter.messages.clear();
    int left = -1;
    w.Survey([&](Dialog& d) {
        ASSERT_EQ(d.GetCount(id::List), 1);
        d.ControlAs<QListWidget>(id::List)->setCurrentRow(0);
        EXPECT_EQ(d.GetText(id::Md), "1500.50");
        EXPECT_EQ(d.GetText(id::Tvd), "1400.00");
        EXPECT_TRUE(d.Click(id::Delete));
        left = d.GetCount(id::List);
        EXPECT_FALSE(d.IsEnabled(id::Delete));
    });
    EXPECT_EQ(left, 0);
    EXPECT_EQ(w.Messages(), QStringList({"TVD Info has been deleted from file\nYou may now click done to exit, select "
                                         "another\nrecord to delete, or add new data. / INFO"}));
    const RECORD cleared = w.Stored(1500);
    EXPECT_EQ(cleared.azimuth + cleared.inclination + cleared.tvd + cleared.verticalSection + cleared.dogLeg, 0.0f);
    EXPECT_FLOAT_EQ(cleared.surveyMeasuredDepth, 1500.5f);
    EXPECT_EQ(cleared.surveyEntry, 1);
}


TEST(SurveyWindow, ANewStationGoesOnTopAndOnlyAChosenLineTakesTheValuesSaved)
{
    SurveyWindow w;
    w.Survey([&](Dialog& d) {
        Type(d, "1400", "1390", "5");
        Type(d, "1500", "1480", "8");
        ASSERT_EQ(d.GetCount(id::List), 2);  // the deepest first, the one before kept
        EXPECT_TRUE(d.GetString(id::List, 0).startsWith("MD=1500.00  Incl=8.0"));
        EXPECT_TRUE(d.GetString(id::List, 1).startsWith("MD=1400.00  Incl=5.0"));
        d.SetSelIndex(id::List, 1);
        d.Command(id::List, platform::LBN_SELCHANGE);
        d.SetText(id::Incl, "6");
        d.Click(id::Save);
        ASSERT_EQ(d.GetCount(id::List), 2);
        EXPECT_TRUE(d.GetString(id::List, 0).startsWith("MD=1500.00  Incl=8.0"));
        EXPECT_TRUE(d.GetString(id::List, 1).startsWith("MD=1400.00  Incl=6.0"));
    });
    EXPECT_FLOAT_EQ(w.Stored(1400).inclination, 6);
}
TEST(SurveyWindow, TheTvdWellIsBuiltFromTheStationsAndCutBackWhenAStationComesShallower)
{
    SurveyWindow w;
    const QString tvd = w.folder + "~12.svm";
    w.Survey([&](Dialog& d) {
        EXPECT_FALSE(d.IsEnabled(id::CreateLog));
        Type(d, "1500", "1400", "10");
    });
    bool offered = false;
    w.Survey([&](Dialog& d) {
        offered = d.IsEnabled(id::CreateLog) && d.IsEnabled(id::CopyDescriptions);
        doubles().prompter.messages.clear();
        d.Click(id::CreateLog);
        EXPECT_EQ(w.Messages(), QStringList({"TVD file has been created.\nFile will be updated as new\nsurveys are "
                                             "entered if appropriate / "}));
        EXPECT_EQ(d.GetText(id::CreateLog), "Update TVD File");
        // A station shallower than the TVD reached asks first; Cancel leaves the TVD well alone.
        doubles().prompter.messages.clear();
        doubles().prompter.answers = {platform::IDCANCEL};
        Type(d, "1510", "1390", "10");
        EXPECT_EQ(w.Messages(), QStringList({"TVD file depth will be REDUCED to 1390\nThis will result in loss of data "
                                             "below 1390\nOK  to continue CANCEL to abort / File depth adjustment"}));
        EXPECT_EQ(FileRecords<RECORD>(tvd).size(), 401u);
    });
    EXPECT_TRUE(offered);

    qint64 size = 0;
    const std::vector<RECORD> rows = FileRecords<RECORD>(tvd, &size);
    ASSERT_EQ(size, 247016);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].depth, 1000 + int(i));
        if (i < 400) {
            ASSERT_EQ(rows[i].azimuth + rows[i].inclination + rows[i].tvd + rows[i].dogLeg, 0.0f) << i;
        }
    }
    EXPECT_FLOAT_EQ(rows[400].surveyMeasuredDepth, 1500);  // the station's record at its TVD
    const std::vector<float> interval = FileRecords<float>(w.folder + "~12.tvd");
    ASSERT_EQ(interval.size(), 69u);
    EXPECT_EQ(std::vector<float>(interval.begin(), interval.begin() + 4), std::vector<float>({1500, 1500, 1400, 1400}));
    for (const char* ext : {".hdr", ".sch", ".cfg"})
        EXPECT_EQ(ReadBytes(w.folder + "~12" + ext), ReadBytes(w.folder + "A12" + ext)) << ext;
    EXPECT_FALSE(ReadBytes(w.folder + "~12.cfg").isEmpty());

    // Opened again the TVD log is active: OK cuts it back to the new station's TVD.
    doubles().prompter.answers = {platform::IDOK};
    w.Survey([&](Dialog& d) { Type(d, "1510", "1390", "10"); });
    EXPECT_EQ(FileRecords<RECORD>(tvd).size(), 391u);
}

TEST(SurveyWindow, TvdLogBuildsFromStoredStationsAndTheOpenedTvdWellIsMarkedTvd)
{
    SurveyWindow w;
    std::vector<RECORD> rows = FileRecords<RECORD>(w.path);
    rows[300].tvd = 1280;  // MD 1300
    rows[300].inclination = 5;
    rows[700].tvd = 1650;  // MD 1700
    rows[700].inclination = 20;
    testing_support::WriteRecords(w.path, rows);
    w.window.EvCommand(app::cmd::TvdLog);
    const QString tvd = w.folder + "~12.svm";
    EXPECT_EQ(w.Messages(), QStringList({tvd + " / "}));
    const std::vector<RECORD> built = FileRecords<RECORD>(tvd);
    ASSERT_EQ(built.size(), 651u);
    EXPECT_EQ(built[280].tvd, 1280.0f);  // the first station's record at its TVD
    EXPECT_EQ(built.back().depth, 1650);

    ASSERT_EQ(w.window.OpenDataFile(tvd), 1);
    EXPECT_TRUE(logview::TitleRowOf(w.S(), 1000).tvdFile);
    ASSERT_EQ(w.window.OpenDataFile(w.path), 1);
    EXPECT_FALSE(logview::TitleRowOf(w.S(), 1000).tvdFile);
}

TEST(SurveyWindow, EachTvdUnitOfTheTvdLogHoldsTheRecordMeasuredAtThatTvd)
{
    SurveyWindow w;
    std::vector<RECORD> rows = FileRecords<RECORD>(w.path);
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].verticalSection = float(1000 + i);  // each record's MD, which the TVD copy keeps
    // Stations at MD 1150, 1200, 1250 and 1300: the first two less than 6 above their MD.
    const double md[] = {1150, 1200, 1250, 1300}, tvd[] = {1149.43, 1195.49, 1235.05, 1265.4};
    for (std::size_t k = 0; k < 4; ++k) {
        RECORD& r = rows[std::size_t(md[k]) - 1000];
        r.surveyMeasuredDepth = float(md[k]);
        r.tvd = float(tvd[k]);
        r.inclination = 15.0f * float(k + 1);
    }
    testing_support::WriteRecords(w.path, rows);
    ASSERT_EQ(w.window.OpenDataFile(w.path), 1);
    w.window.EvCommand(app::cmd::TvdLog);
    const std::vector<RECORD> built = FileRecords<RECORD>(w.folder + "~12.svm");
    ASSERT_EQ(built.size(), 266u);  // TVD 1000 to 1265
    // The MD of a TVD unit, by hand: the TVD itself above the first station, linear between stations.
    const auto mdOf = [&](double t) {
        if (t < tvd[0])
            return t;
        std::size_t k = 0;
        while (t > tvd[k + 1])
            ++k;
        return md[k] + (t - tvd[k]) * (md[k + 1] - md[k]) / (tvd[k + 1] - tvd[k]);
    };
    const auto heldAt = [&](int t) { return built[std::size_t(t - 1000)].verticalSection; };
    EXPECT_EQ(heldAt(1100), 1100.0f);  // was MD 1106's record
    EXPECT_NEAR(mdOf(1150), 1150.62, 0.01);
    EXPECT_EQ(heldAt(1150), 1151.0f);  // was 1160's
    for (int t = 1000; t <= 1265; ++t)
        ASSERT_EQ(heldAt(t), float(std::lround(mdOf(t)))) << t;
    EXPECT_EQ(heldAt(1235), 1250.0f);  // the station's TVD holds the station's record
}

TEST(SurveyWindow, TargetImportWritesTheWellsTargetFile)
{
    SurveyWindow w;
    const QString text = w.folder + "plan.txt";
    testing_support::WriteBytes(text, QByteArray("header\r\n~\r\nMD\r\nTVD\r\n#\r\nunits\r\n1500 1400 45 10 -20 3\r\n"));
    doubles().prompter.fileAnswers = {text};
    w.window.EvCommand(app::cmd::ImportTargetData);
    EXPECT_EQ(w.Messages(), QStringList({"Import Done / "}));
    EXPECT_EQ(FileRecords<float>(w.folder + "A12.trg"), std::vector<float>({1500, 1400, 0, 0, 0, 0}));
}

}  // namespace

namespace {

TEST(SurveyWindow, ATvdLogThatCannotBeWrittenIsNotReportedAsCreated)
{
    SurveyWindow w;
    w.Survey([&](Dialog& d) { Type(d, "1500", "1400", "10"); });
    ASSERT_TRUE(QDir().mkpath(w.folder + "~12.svm"));  // nothing can be written in its place
    w.Survey([&](Dialog& d) {
        doubles().prompter.messages.clear();
        ASSERT_TRUE(d.Click(id::CreateLog));
        EXPECT_EQ(w.Messages(), QStringList({"Destination Open Failed / File Error"}));
        EXPECT_EQ(d.GetCheck(id::CreateLog), 0);
        // An inclination past 90 ends the TVD log for this opening.
        Type(d, "1600", "1450", "95");
        EXPECT_EQ(d.GetText(id::CreateLog), "Max TVD INCL Reached");
        EXPECT_FALSE(d.IsEnabled(id::CreateLog));
    });
    EXPECT_FALSE(QFileInfo::exists(w.folder + "~12.tvd"));

    // Stations that all lie above the data file build nothing.
    QDir(w.folder + "~12.svm").removeRecursively();
    std::vector<RECORD> rows = FileRecords<RECORD>(w.path);
    rows[500].tvd = 900;
    testing_support::WriteRecords(w.path, rows);
    doubles().prompter.messages.clear();
    w.window.EvCommand(app::cmd::TvdLog);
    EXPECT_EQ(w.Messages(),
              QStringList({"Start of MD file is deeper than the TVD\nTvd File can not be built / TVD BUILD FAILED"}));
    EXPECT_FALSE(QFileInfo::exists(w.folder + "~12.svm"));
}

}  // namespace

namespace {

// A well drilled deviated from 1200: stations every 30 to 100 units, inclination building to 40
// degrees; TVD only where a station gives it.
void SurveyStations(std::vector<RECORD>& rows)
{
    double tvd = 1200, md = 1200;
    int k = 0;
    for (int station = 1260; station < 2000; station += 30 + 70 * (k % 3) / 2, ++k) {
        const double inclination = std::min(40.0, 5.0 * (k + 1));
        tvd += (station - md) * std::cos(inclination * 3.14159265 / 180);
        md = station;
        RECORD& r = rows[std::size_t(station - 1000)];
        r.tvd = float(tvd);
        r.inclination = float(inclination);
        r.azimuth = 135;
        r.surveyMeasuredDepth = float(station);
    }
}

// "TVD Log " comes with the well's TVD data, through the open's scan or a station entered, and builds
// the TVD log from its item; "TVD File Data" and "Import Horizontal Target Data.." stay in their menus
// and run from their items.
TEST(SurveyWindow, TvdItemsAreInTheMenusAndRunFromThem)
{
    SurveyWindow w;
    w.S().well.file.drilling = true;  // the drilling menu, as drilling mode gives it
    w.window.AssignMenu(3);
    w.window.BuildMenu(-1);
    EXPECT_EQ(MenuItem(w.window, app::cmd::TvdLog), nullptr);
    ASSERT_NE(MenuItem(w.window, app::cmd::TvdFileData), nullptr);
    ASSERT_NE(MenuItem(w.window, app::cmd::ImportTargetData), nullptr);
    Dialog::QueueTestScript([](Dialog& d) { Type(d, "1500", "1460", "20"); });
    MenuItem(w.window, app::cmd::SurveyData)->trigger();
    EXPECT_EQ(w.Stored(1500).tvd, 1460.0f);
    ASSERT_NE(MenuItem(w.window, app::cmd::TvdLog), nullptr);

    // Memo mode notes the station and stores nothing.
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "TVD WELL DATA");
        Type(d, "1700", "1620", "25");
    });
    MenuItem(w.window, app::cmd::TvdFileData)->trigger();
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);
    EXPECT_EQ(w.MemosAt(1700), 1);
    EXPECT_EQ(w.Stored(1700).tvd, 0.0f);

    const QString text = w.folder + "plan.txt";
    testing_support::WriteBytes(text, QByteArray("~\r\nMD\r\nTVD\r\nINCL\r\n#\r\nft\r\n1500 1460 20\r\n"));
    doubles().prompter.fileAnswers = {text};
    MenuItem(w.window, app::cmd::ImportTargetData)->trigger();
    EXPECT_EQ(FileRecords<float>(w.folder + "A12.trg"), std::vector<float>({1500, 1460, 0, 20, 0, 0}));

    // The deviated well opened in the office menu: "TVD Log " from the open's scan builds the TVD log.
    std::vector<RECORD> rows = FileRecords<RECORD>(w.path);
    for (RECORD& r : rows)
        r.tvd = r.inclination = 0;
    SurveyStations(rows);
    testing_support::WriteRecords(w.path, rows);
    w.S().well.file.drilling = false;
    ASSERT_EQ(w.window.OpenDataFile(w.path), 1);
    ASSERT_NE(MenuItem(w.window, app::cmd::ImportTargetData), nullptr);
    ASSERT_NE(MenuItem(w.window, app::cmd::TvdLog), nullptr);
    doubles().prompter.messages.clear();
    doubles().shell.started.clear();
    MenuItem(w.window, app::cmd::TvdLog)->trigger();
    const QString tvd = w.folder + "~12.svm";
    EXPECT_EQ(w.Messages(), QStringList({tvd + " / "}));
    // After the message the TVD well opens in another copy of this program; this one keeps its well.
    ASSERT_EQ(doubles().shell.started.size(), 1);
    EXPECT_EQ(doubles().shell.started[0].program, QCoreApplication::applicationFilePath());
    EXPECT_EQ(doubles().shell.started[0].args, QStringList({tvd}));
    EXPECT_TRUE(doubles().shell.opened.isEmpty());
    EXPECT_EQ(w.S().well.file.wellName, "A12");
    const std::vector<RECORD> built = FileRecords<RECORD>(tvd);
    ASSERT_FALSE(built.empty());
    EXPECT_LT(built.back().depth, 2000 - 100);  // shorter by the deviation
    EXPECT_GT(built.back().depth, 1700);

    // The TVD well itself offers no TVD log.
    ASSERT_EQ(w.window.OpenDataFile(tvd), 1);
    EXPECT_EQ(MenuItem(w.window, app::cmd::TvdLog), nullptr);
}

// Opened through the program, the TVD well draws its own curve file: the gamma built with it at true
// vertical depths, not the well's.
TEST(SurveyWindow, TheTvdWellDrawsItsOwnCurveFile)
{
    SurveyWindow w;
    std::vector<elog::CurveRecord> curve(2001);
    for (int d = 0; d <= 2000; ++d) {
        curve[std::size_t(d)].values[elog::SLOT_DEPTH] = float(d);
        curve[std::size_t(d)].values[elog::SLOT_GAMMA] = d >= 1000 ? float(d - 900) : 0.0f;
    }
    testing_support::WriteRecords(w.folder + "A12.svc", curve);
    std::vector<RECORD> rows = FileRecords<RECORD>(w.path);
    SurveyStations(rows);
    testing_support::WriteRecords(w.path, rows);
    ASSERT_EQ(w.window.OpenDataFile(w.path), 1);  // takes the well's curve file into its scheme
    ASSERT_TRUE(w.S().engines.elogCurves);
    w.window.EvCommand(app::cmd::TvdLog);

    const QString tvdCurves = w.folder + "~12.svc";
    ASSERT_TRUE(QFileInfo(tvdCurves).isFile());
    ASSERT_EQ(w.window.OpenDataFile(w.folder + "~12.svm"), 1);
    EXPECT_EQ(QFileInfo(w.S().well.elogFileName).fileName(), "~12.svc");
    ASSERT_TRUE(w.S().engines.elogCurves);
    const std::span<const elog::CurveRecord> shown = w.S().engines.elogCurves->Records();
    const std::vector<elog::CurveRecord> built = FileRecords<elog::CurveRecord>(tvdCurves);
    ASSERT_EQ(shown.size(), built.size());
    EXPECT_TRUE(std::equal(shown.begin(), shown.end(), built.begin(), [](const auto& a, const auto& b) {
        return a.values == b.values;
    }));
    EXPECT_LT(built.size(), curve.size() - 50);  // the TVD rows, not the well's
}

}  // namespace

// Stations every 300 from 1100, one in the file's last record: the TVD well reaches it, one record a
// TVD unit.
TEST(SurveyWindow, TheTvdLogWalksEveryRecordThatHoldsAStation)
{
    SurveyWindow w;
    std::vector<RECORD> rows = FileRecords<RECORD>(w.path);
    for (int md = 1100, k = 1; md <= 2000; md += 300, ++k) {
        RECORD& r = rows[std::size_t(md - 1000)];
        r.tvd = float(md - 20 * k);
        r.inclination = 10.0f * float(k);
    }
    testing_support::WriteRecords(w.path, rows);
    ASSERT_EQ(w.window.OpenDataFile(w.path), 1);
    w.window.EvCommand(app::cmd::TvdLog);
    const std::vector<RECORD> tvd = FileRecords<RECORD>(w.folder + "~12.svm");
    ASSERT_FALSE(tvd.empty());
    EXPECT_EQ(tvd.back().depth, 2000 - 20 * 4) << "the TVD well ends at the last station's TVD";
    for (std::size_t i = 1; i < tvd.size(); ++i)
        ASSERT_EQ(tvd[i].depth, tvd[i - 1].depth + 1) << i;
}
