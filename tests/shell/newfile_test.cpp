// New and Plug Back driven through the new-file dialog, and the Insert Delete dialog on the open well:
// what is written, what is opened, and what a refused entry or Cancel leaves alone.
#include "app/commandids.h"
#include "app/notes.h"
#include "app/opendatafile.h"
#include "app/welltops.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "print/printsetup.h"
#include "reports/shortreports.h"
#include "reports/showreport.h"
#include "shell/ui/insertdeletedlg.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/reportconversion.h"
#include "wellfile/reportindex.h"
#include "wellfile/reportrecords.h"
#include "wellfile/sidefiles_reports.h"
#include "wellfile/wellconfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using platform::Dialog;
using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::ReadBytes;
using wellfile::RECORD;

namespace {

// Records what the commands ask of drilling, the gas monitor and the WITS link.
class Engines final : public drilling::DrillingServices, public gasmon::GasMonitorServices, public wits::WitsServices {
public:
    QStringList calls;
    void CmDrilling(app::LogState&) override { calls << "drilling"; }
    void CmLagTime(app::LogState&) override {}
    void CmBackupReminder(app::LogState&) override {}
    void EvTimer(app::LogState&, int) override {}
    void EvJoyButton(app::LogState&, unsigned) override {}
    void CmGasMonitor(app::LogState&) override { calls << "gas"; }
    void CmGasMonitorSetup(app::LogState&) override {}
    void EvGasResponse(app::LogState&, std::uintptr_t, std::intptr_t) override {}
    void CmWits(app::LogState&) override { calls << "wits"; }
    void CmWitsSetup(app::LogState&) override {}
    void CmCustomWits(app::LogState&) override { calls << "custom wits"; }
    void CmCustomWitsSetup(app::LogState&) override {}
    void CmWitsAlarms(app::LogState&) override {}
    void CmWitsChart(app::LogState&) override {}
    void EvWitsData(app::LogState&, std::uintptr_t, std::intptr_t) override {}
    void EvCustWitsData(app::LogState&, std::uintptr_t, std::intptr_t) override {}
};

struct Fixture {
    Engines engines;  // outlives the window
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString folder;
    QString path;

    explicit Fixture(int first = 1000)
    {
        path = testing_support::OpenNewWell(window, "A.svm", first, 1200);
        folder = S().well.file.dataFolder;
        window.Neighbours().drilling = &engines;
        window.Neighbours().gasmon = &engines;
        window.Neighbours().wits = &engines;
        doubles().prompter.messages.clear();
    }
    app::LogState& S() { return window.State(); }
    QStringList Messages() const
    {
        QStringList out;
        for (const auto& m : doubles().prompter.messages)
            out << m.text + " / " + m.caption;
        return out;
    }
    QStringList DataFiles() const { return QDir(folder).entryList({"*.svm", "*.SVM"}, QDir::Files); }
    // Runs the command with a script that fills the dialog and presses Create.
    void Create(int command, const QString& name, const QString& depth, std::function<void(Dialog&)> more = {})
    {
        Dialog::QueueTestScript([=](Dialog& d) {
            if (more)
                more(d);
            if (!name.isNull())
                d.SetText(101, name);
            if (!depth.isNull())
                d.SetText(102, depth);
            d.Click(platform::IDOK);
        });
        window.EvCommand(command);
    }
};

}  // namespace

TEST(NewFile, WritesTheNewWellFromTwentyAboveTheStartDepthAndOpensItInDrilling)
{
    Fixture f;
    f.Create(app::cmd::New, "my well#2.svm", "15", [](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "STRATIV..New Well File");
        EXPECT_EQ(d.GetCount(105), 8);
        EXPECT_EQ(d.GetSelIndex(106), 2);
        d.SetSelIndex(105, 3);
        d.SetSelIndex(106, 5);
    });
    // The custom-data file of the new range says it is made; nothing else is asked or reported.
    EXPECT_EQ(f.Messages(), QStringList{"Custom data file created for the depths 40 to 59:\n" + f.folder + "MY_WELL-2.svx / Custom Data"});
    const QString made = f.folder + "MY_WELL-2.svm";
    ASSERT_TRUE(QFileInfo(made).isFile());
    EXPECT_TRUE(f.DataFiles().contains("MY_WELL-2.svm"));
    EXPECT_EQ(QFileInfo(made).size(), 21 * 616);
    const auto rows = FileRecords<RECORD>(made);
    EXPECT_EQ(rows.front().depth, 40);
    EXPECT_EQ(rows.back().depth, 60);
    EXPECT_STREQ(rows.front().interpretedLith, "PRF12");
    EXPECT_EQ(rows[5].minutesScale, 4);
    EXPECT_EQ(rows[5].gasScale, 6);

    const app::LogState& s = f.S();
    EXPECT_EQ(s.well.file.dataFileName, made);
    EXPECT_EQ(s.well.file.fileTopDepth, 40);
    EXPECT_EQ(s.well.file.fileBottomDepth, 60);
    EXPECT_EQ(s.well.loggerId, 12);  // the old well's profile
    EXPECT_EQ(f.engines.calls, QStringList{"drilling"});
    EXPECT_TRUE(QFileInfo(f.folder + "MY_WELL-2.cfg").isFile());
    // Another user of a shared data folder reads the data file as he reads its side files.
    EXPECT_EQ(QFile::permissions(made), QFile::permissions(f.folder + "MY_WELL-2.cfg"));
    EXPECT_TRUE(QFileInfo(f.path).isFile());  // the old well stays where it was, and in its archive
    EXPECT_TRUE(QFileInfo(f.folder + "archives/A/A.svm").isFile());
}

// A log print the program said it wrote into the send folder is not deleted by New: it is moved into the
// data folder, byte for byte, beside (never over) a print kept earlier under its name, and the box says
// where it went. Printed without a header file, the print is found under its name only when whole.
TEST(NewFile, ALogPrintOfTheSendFolderIsKeptInTheDataFolderAndSaid)
{
    Fixture f;
    for (const QString& header : QDir(f.folder).entryList({"*.hdr", "*.HDR"}, QDir::Files))
        QFile::remove(f.folder + header);
    QStringList printsUnderTheBox{"no box"};
    doubles().prompter.whileShown = [&](const testing_support::AskedMessage& m) {
        if (m.text == "NO HEADER FILE")
            printsUnderTheBox = QDir(f.folder + "sendfile").entryList({"*.pdf"}, QDir::Files);
    };
    Dialog::QueueTestScript([](Dialog& d) {
        d.SetText(print::setupid::StartDepth, "1000");
        d.SetText(print::setupid::EndDepth, "1100");
        d.Click(platform::IDOK);
    });
    f.window.EvCommand(app::cmd::Print);
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    const QString told = doubles().prompter.messages.back().text;
    ASSERT_TRUE(told.startsWith("\"" + f.folder + "sendfile/A@") && told.endsWith(".pdf\" written"))
        << told.toStdString();
    const QString sent = told.section('"', 1, 1);
    const QByteArray printed = ReadBytes(sent);
    ASSERT_FALSE(printed.isEmpty());
    doubles().prompter.whileShown = nullptr;
    EXPECT_EQ(printsUnderTheBox, QStringList{});
    doubles().prompter.messages.clear();
    const QString earlier = f.folder + QFileInfo(sent).fileName();
    testing_support::WriteBytes(earlier, "kept earlier");

    f.Create(app::cmd::New, "next.svm", "2000");
    const QString kept = earlier.chopped(4) + "_2.pdf";
    EXPECT_FALSE(QFileInfo::exists(sent));
    EXPECT_EQ(ReadBytes(earlier), "kept earlier");
    EXPECT_EQ(ReadBytes(kept), printed);
    EXPECT_TRUE(f.Messages().contains(
        "The log prints of the send folder were kept, moved to the data folder:\n" + kept + " / Prints Kept"))
        << f.Messages().join('|').toStdString();
    EXPECT_TRUE(QFileInfo(f.folder + "NEXT.svm").isFile());
}

TEST(NewFile, RefusedEntriesKeepTheDialogOpenAndCancelWritesNothing)
{
    Fixture f;
    const QStringList before = f.DataFiles();
    const QString open = f.S().well.file.dataFileName;
    f.Create(app::cmd::New, "a.svm", "2000");    // A.svm exists
    f.Create(app::cmd::New, "b.svm", "deep");
    f.Create(app::cmd::New, ".svm", "2000");
    // Files left by an earlier well of the name (here only its memos and tops) make it an existing well.
    testing_support::WriteBytes(f.folder + "OLD.mem", "memos");
    testing_support::WriteBytes(f.folder + "old2.topx", "tops");
    f.Create(app::cmd::New, "old", "2000");
    f.Create(app::cmd::New, "OLD2", "2000");
    EXPECT_EQ(f.Messages(), (QStringList{"File already exists, select another name / ERROR",
                                         "The start depth must be a whole number / Invalid Entry",
                                         "Enter a name for the new file / ERROR",
                                         "File already exists, select another name / ERROR",
                                         "File already exists, select another name / ERROR"}));
    EXPECT_EQ(f.DataFiles(), before);
    EXPECT_EQ(testing_support::ReadBytes(f.folder + "OLD.mem"), "memos");

    // Cancel after the shut-down: the engines that ran are off, nothing is written.
    f.S().well.file.drilling = true;
    f.S().engineStatus.gasMonitorRunning = true;
    f.S().engineStatus.witsRunning = true;
    Dialog::QueueTestScript([](Dialog& d) {
        d.SetText(101, "c");
        d.Click(platform::IDCANCEL);
    });
    f.window.EvCommand(app::cmd::New);
    f.S().well.file.drilling = false;
    EXPECT_EQ(f.engines.calls, (QStringList{"gas", "wits"}));
    EXPECT_EQ(f.DataFiles(), before);
    EXPECT_EQ(f.S().well.file.dataFileName, open);
}

TEST(PlugBack, ProposesTheNameAndDepthAndRefusesADepthAboveTheFile)
{
    Fixture f;
    testing_support::WriteBytes(f.folder + "B-H.SVM", QByteArray(616, 0));
    const QStringList before = f.DataFiles();
    f.Create(app::cmd::PlugBack, QString(), "999", [](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "StrativM...Create New Horizontal File");
        EXPECT_EQ(d.GetText(101), "A-H.svm");
        EXPECT_EQ(d.GetText(102), "1200");
        EXPECT_EQ(d.GetText(108), "Kick Off Point");
        EXPECT_FALSE(d.IsEnabled(105));
        EXPECT_FALSE(d.IsEnabled(106));
    });
    f.Create(app::cmd::PlugBack, "b-h.svm", "1100");
    EXPECT_EQ(f.Messages(), (QStringList{
                                "Plug back depth ( 999 )  must be greater than start depth of file ( 1000 ) / Depth out of range",
                                "File already exists, select another name / ERROR"}));
    EXPECT_EQ(f.DataFiles(), before);
    EXPECT_TRUE(f.engines.calls.isEmpty());
}

TEST(PlugBack, CopiesTheWellCutAtTheKickOffDepthAndLeavesTheOriginal)
{
    Fixture f(600);
    std::vector<wellfile::CUSTDATAREC> custom(601);
    for (std::size_t i = 0; i < custom.size(); ++i)
        custom[i].depth = 600.0f + float(i);
    testing_support::WriteRecords(f.folder + "A.svx", custom);
    testing_support::WriteBytes(f.folder + "A.hdr", QByteArray(2052, 'h'));
    // Short reports as the daily report appends them, out of order: the one below the kick-off goes.
    std::vector<wellfile::QREPORT> qpt(2);
    qpt[0].depth = 1100;
    qpt[1].depth = 700;
    qpt[0].slotsConverted = qpt[1].slotsConverted = 1;
    testing_support::WriteRecords(f.folder + "A.qpt", qpt);
    const QByteArray svm = ReadBytes(f.path);
    const QByteArray svx = ReadBytes(f.folder + "A.svx");

    f.Create(app::cmd::PlugBack, QString(), "900");  // 300 units above the bottom
    EXPECT_TRUE(f.Messages().isEmpty()) << f.Messages().join('\n').toStdString();
    const app::LogState& s = f.S();
    EXPECT_EQ(QFileInfo(s.well.file.dataFileName).fileName().toUpper(), "A-H.SVM");
    EXPECT_EQ(s.well.file.fileTopDepth, 600);
    EXPECT_EQ(s.well.file.fileBottomDepth, 900);
    const auto rows = FileRecords<RECORD>(s.well.file.dataFileName);
    ASSERT_EQ(rows.size(), 301u);
    EXPECT_EQ(rows.back().depth, 900);
    EXPECT_EQ(float(FileRecords<wellfile::CUSTDATAREC>(s.well.file.customDataFileName).back().depth), 900.0f);
    EXPECT_EQ(ReadBytes(f.folder + "A-H.hdr"), ReadBytes(f.folder + "A.hdr"));
    EXPECT_EQ(ReadBytes(f.path), svm);
    EXPECT_EQ(ReadBytes(f.folder + "A.svx"), svx);
    const auto kept = FileRecords<wellfile::QREPORT>(f.folder + "A-H.qpt");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(+kept[0].depth, 700);
    EXPECT_EQ(s.shortReports.reports.size(), 1u);
    EXPECT_EQ(ReadBytes(f.folder + "A.qpt").size(), 2 * 512);
    EXPECT_EQ(f.engines.calls, QStringList{"drilling"});

    // A kick-off at the first depth of the file passes.
    f.Create(app::cmd::PlugBack, "A-ST", "600");
    EXPECT_TRUE(f.Messages().isEmpty()) << f.Messages().join('\n').toStdString();
    EXPECT_EQ(QFileInfo(s.well.file.dataFileName).fileName().toUpper(), "A-ST.SVM");
}

TEST(InsertDeleteDialog, ConfirmsOnLeavingTheCountThenInsertsAndDeletes)
{
    Fixture f;
    app::LogState& s = f.S();
    const auto before = FileRecords<RECORD>(f.path);
    QStringList lines;
    Dialog::QueueTestScript([&lines](Dialog& d) {
        EXPECT_FALSE(d.IsEnabled(105));
        d.Click(102);
        EXPECT_TRUE(d.IsEnabled(105));
        d.SetText(105, "1050");
        d.SetText(106, "3");
        d.Command(106, platform::EN_KILLFOCUS);
        lines << d.GetText(107);
        EXPECT_TRUE(d.IsEnabled(108));
        d.SetFocusTo(105);  // back into a field: the entry must be confirmed again
        EXPECT_FALSE(d.IsEnabled(108));
        d.SetFocusTo(106);
        d.Command(106, platform::EN_KILLFOCUS);
        d.Click(108);
        lines << d.GetText(107);
        EXPECT_EQ(d.GetText(105), "");

        d.Click(103);
        d.SetText(105, "1015");  // near the top a delete would change nothing
        d.SetText(106, "3");
        d.Command(106, platform::EN_KILLFOCUS);
        EXPECT_FALSE(d.IsEnabled(108));
        d.SetText(105, "1050");
        d.SetText(106, "abc");
        d.Command(106, platform::EN_KILLFOCUS);
        d.SetText(106, "2");
        d.Command(106, platform::EN_KILLFOCUS);
        d.Click(108);
        lines << d.GetText(107);
        d.Click(platform::IDOK);
    });
    shell::InsertDelete dialog(&f.window, s, f.window.WellServices(), true);
    EXPECT_EQ(dialog.Execute(), platform::IDOK);
    EXPECT_EQ(lines, (QStringList{
                         " Inserting 3 records at 1050, click continue to proceed, or cancel to return unchanged ",
                         "Insert Done", "Delete Done"}));
    EXPECT_EQ(f.Messages(), (QStringList{"Depth out of Range / Range Error",
                                         "Number of records must be greater than 0 / Invalid Entry"}));
    const auto rows = FileRecords<RECORD>(f.path);
    ASSERT_EQ(rows.size(), 202u);
    EXPECT_EQ(s.well.file.fileBottomDepth, 1201);
    EXPECT_STREQ(rows[50].lith, "100bl");  // the third inserted record is left
    EXPECT_EQ(rows[51].rateOne, before[50].rateOne);
    EXPECT_EQ(rows[51].depth, 1051);
}

TEST(InsertDeleteDialog, CheckFindsAGapAndTheRepairPassRenumbers)
{
    Fixture f;
    auto rows = FileRecords<RECORD>(f.path);
    for (std::size_t i = 11; i < rows.size(); ++i)
        rows[i].depth += 7;
    testing_support::WriteRecords(f.path, rows);

    for (int pass = 0; pass < 2; ++pass) {
        QString line;
        Dialog::QueueTestScript([&line](Dialog& d) {
            EXPECT_EQ(d.windowTitle(), "Check File Depths");
            EXPECT_FALSE(d.IsEnabled(102));
            d.Click(108);
            line = d.GetText(107);
            d.Click(platform::IDOK);
        });
        shell::InsertDelete dialog(&f.window, f.S(), f.window.WellServices(), false);
        dialog.Execute();
        if (pass == 0) {
            EXPECT_EQ(f.Messages(), QStringList{"File error corrected at 1010  / File Error"});
            EXPECT_EQ(line, "Checking file at 1010 ");  // the last record found in its place
        } else {
            EXPECT_EQ(line, "No Errors Found");
        }
    }
    rows = FileRecords<RECORD>(f.path);
    for (std::size_t i = 0; i < rows.size(); ++i)
        ASSERT_EQ(rows[i].depth, 1000 + int(i));
}

TEST(InsertDeleteDialog, MemosTopsShowsAndShortReportsAtOrBelowThePointMoveWithTheRecords)
{
    Fixture f;
    app::LogState& s = f.S();
    ASSERT_TRUE(app::AddMemo(s, "above", 300, 0, 1040, false));
    ASSERT_TRUE(app::AddMemo(s, "below", 300, 0, 1060, false));
    s.well.tops.assign(2, wellfile::TOPSEX{});
    s.well.tops[0].depth = 1030;
    s.well.tops[1].depth = 1070;
    platform::SetFieldText(s.well.tops[1].menuName, "Deep");
    ASSERT_EQ(app::SaveWellTops(s), 1);
    std::vector<wellfile::SHOWREPORT> shows(1);
    reports::StartShow(shows[0], 1080, 1090, nullptr, nullptr, nullptr);  // as the show dialog's NEW
    ASSERT_EQ(wellfile::SaveShows(app::PlaceOf(s), shows), 1);
    const QString sho = s.well.file.currentFolder + "A.sho", qpt = s.well.file.currentFolder + "A.qpt";
    const QByteArray shoBytes = ReadBytes(sho);
    std::vector<wellfile::QREPORT> shortReports(2);
    shortReports[0].depth = 1040;
    shortReports[1].depth = 1060;
    ASSERT_TRUE(reports::WriteShortReportFile(qpt, shortReports));
    reports::LoadShortReports(s.shortReports, s.well, s.env.remoteMonitorOn);  // as the well's opening reads it
    const QByteArray qptBytes = ReadBytes(qpt);
    wellfile::LoadShowDepthIndex(app::PlaceOf(s), s.well.showDepthIndex, wellfile::ConvertShows);

    const auto run = [&](int radio, const char* count) {
        Dialog::QueueTestScript([=](Dialog& d) {
            d.Click(radio);
            d.SetText(105, "1050");
            d.SetText(106, count);
            d.Command(106, platform::EN_KILLFOCUS);
            d.Click(108);
            d.Click(platform::IDOK);
        });
        f.window.EvCommand(app::cmd::InsertDelete);
    };
    const auto memoDepths = [&] {
        std::vector<int> out;
        for (int i = 0; i < s.notes.memoCount; ++i)
            out.push_back(s.notes.memos[std::size_t(i)].depth);
        return out;
    };
    // The well's own memo at 1050 stands at the point: it moves too.
    run(102, "5");
    EXPECT_EQ(memoDepths(), (std::vector<int>{1040, 1055, 1065}));
    EXPECT_EQ(int(s.well.tops[0].depth), 1030);
    EXPECT_EQ(int(s.well.tops[1].depth), 1075);
    // The show's interval in the show dialog's own form, one show in the file, its mark with it.
    EXPECT_EQ(platform::FieldText(FileRecords<wellfile::SHOWREPORT>(sho).at(0).interval), "  1085 to  1095");
    EXPECT_EQ(ReadBytes(sho).size(), shoBytes.size());
    EXPECT_EQ(s.well.showDepthIndex[0], 1085);
    EXPECT_EQ(+FileRecords<wellfile::QREPORT>(qpt).at(1).depth, 1065);
    EXPECT_EQ(+s.shortReports.reports.at(1).depth, 1065);

    run(103, "5");
    EXPECT_EQ(memoDepths(), (std::vector<int>{1040, 1050, 1060}));
    EXPECT_EQ(int(s.well.tops[1].depth), 1070);
    EXPECT_EQ(ReadBytes(sho), shoBytes);
    EXPECT_EQ(ReadBytes(qpt), qptBytes);
    EXPECT_EQ(s.well.showDepthIndex[0], 1080);
    EXPECT_TRUE(f.Messages().isEmpty()) << f.Messages().join('\n').toStdString();
}
