// The mudlog import through the main window's command: the dialog in mudlog mode, the LAS file's
// columns in the data file on disk, the dated backup made first, and what a refused or failed import
// leaves. Service companies' runs through both import commands, and our exports imported back.
#include "app/commandids.h"
#include "app/logstate.h"
#include "elog/lasread.h"
#include "elog/ui/importdialog.h"
#include "lasfiles.h"
#include "layout/ui/rangedialog.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/customdata.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

using platform::Dialog;
using testing_support::doubles;
using testing_support::ReadBytes;
namespace id = elog::importid;

namespace {

struct MudlogWindow {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString folder, path;
    explicit MudlogWindow(bool customFile = true)
    {
        path = testing_support::OpenNewWell(window, "I.svm", 1000, 1100);
        folder = window.State().well.file.dataFolder;
        app::LogState& s = window.State();
        if (customFile) {
            EXPECT_EQ(wellfile::CreateCustomDataFile(s.well.file, s.well.fit, 1000, 1101), 1);
        }
        doubles().prompter.messages.clear();
    }
    // Runs the command on the LAS text `las`; `script` drives the dialog (none: the dialog is not reached).
    void Import(const std::string& las, const std::function<void(Dialog&)>& script = {}, const QString& name = "M.las",
                int command = app::cmd::ImportMudlog)
    {
        testing_support::WriteBytes(folder + name, QByteArray::fromStdString(las));
        if (script)
            Dialog::QueueTestScript(script);
        doubles().prompter.fileAnswers = {folder + name};
        window.EvCommand(command);
        EXPECT_EQ(Dialog::PendingTestScripts(), 0);
    }
    void ImportElog(const std::string& las, const std::function<void(Dialog&)>& script = {})
    {
        Import(las, script, "E.las", app::cmd::ImportElog);
    }
    bool BackedUp() const
    {
        return !QDir(folder + "backup").entryList({"I@*.svm"}, QDir::Files).isEmpty();
    }
    std::string Messages() const
    {
        std::string out;
        for (const auto& m : doubles().prompter.messages)
            out += (m.text + " / " + m.caption + "\n").toStdString();
        return out;
    }
};

// Maps line `line` of "Available Curves" onto target `target` (1-based), then imports unless told not to.
void Map(Dialog& d, std::initializer_list<std::pair<int, int>> pairs, bool import = true)
{
    for (const auto& [line, target] : pairs) {
        d.SetSelIndex(id::Available, line);
        d.Command(id::Available, platform::CBN_SELCHANGE);
        d.SetSelIndex(id::ImportAs, target - 1);
        d.Command(id::ImportAs, platform::CBN_SELCHANGE);
        EXPECT_TRUE(d.Click(id::Add));
    }
    if (import)
        d.Click(platform::IDOK);
}

// The LAS command over start .. stop: the file's data rows as numbers.
std::vector<std::vector<double>> ExportRows(shell::LogWindow& window, int start, int stop)
{
    Dialog::QueueTestScript([=](Dialog& d) {
        d.SetText(layout::rangeid::Start, QString::number(start));
        d.SetText(layout::rangeid::Stop, QString::number(stop));
        d.Click(platform::IDOK);
    });
    window.EvCommand(app::cmd::CreateLasFile);
    const wellfile::OpenWell& f = window.State().well.file;
    const std::string text = ReadBytes(f.dataFolder + "mudloglas/" + f.wellName + ".las").toStdString();
    std::vector<std::vector<double>> rows;
    for (std::string_view line : elog::LasDataLines(text).value_or(std::vector<std::string_view>{})) {
        rows.emplace_back();
        for (int c = 1; const std::optional<double> v = elog::LasField(line, c); ++c)
            rows.back().push_back(*v);
    }
    return rows;
}
float Slot(const QByteArray& svc, int depth, int slot) { return testing_support::At<float>(svc, depth * 96 + slot * 4); }

TEST(MudlogWindow, TheCommandImportsTheMappedColumnsIntoTheDataFileAfterABackup)
{
    MudlogWindow w;
    const QByteArray before = ReadBytes(w.path);
    static QStringList warnings;  // what Qt was told while the dialog was made and worked
    const QtMessageHandler handler =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
    w.Import(lasfiles::ImportTestFile("mudlog half steps"), [](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "IMPORT LAS LOG DATA");
        EXPECT_EQ(d.GetText(id::Interval), "995  to  1200");
        EXPECT_FALSE(d.IsEnabled(id::Destination));
        EXPECT_TRUE(d.Control(id::Browse)->isHidden());
        EXPECT_TRUE(d.Control(id::LoadLasD)->isHidden());
        EXPECT_TRUE(d.Control(id::ImportAsTvd)->isHidden());
        EXPECT_EQ(d.GetCount(id::ImportAs), 26);
        Map(d, {{2, 2}, {3, 3}});  // TOTGAS, C1.PPM (gas in ppm)
    });
    qInstallMessageHandler(handler);
    EXPECT_EQ(warnings.filter("added twice").join('\n').toStdString(), "");
    EXPECT_TRUE(w.BackedUp());
    EXPECT_EQ(w.Messages(), "");
    const QByteArray after = ReadBytes(w.path);
    ASSERT_EQ(after.size(), before.size());
    const int r1030 = 30 * 616;
    EXPECT_EQ(testing_support::At<float>(after, r1030 + 28), 500.0f);
    EXPECT_EQ(testing_support::At<float>(after, r1030 + 416), 700.0f);
    EXPECT_EQ(testing_support::At<float>(after, r1030 + 32), 50.0f);
    EXPECT_EQ(after.left(20 * 616), before.left(20 * 616));  // the first 20 units are never imported into
}

// Depths typed past the range of int are held at its ends, so that From stays above To.
TEST(ImportDialog, TypedDepthsAreHeldToTheRangeOfInt)
{
    elog::LasHeader h;
    elog::ImportDlgSetup setup;
    setup.header = &h;
    std::int32_t map[elog::kElogMapEntries] = {};
    const auto typed = [&](const char* from, const char* to) {
        Dialog::QueueTestScript([=](Dialog& d) {
            d.SetText(id::From, from);
            d.SetText(id::To, to);
            d.Click(platform::IDOK);
        });
        elog::ImportDlg dlg(nullptr, setup, map);
        EXPECT_EQ(dlg.Execute(), platform::IDOK);
        return std::pair(h.start, h.stop);
    };
    EXPECT_EQ(typed("-3e9", "9e9"), std::pair(std::numeric_limits<std::int32_t>::min(), 2147483647));
    EXPECT_EQ(typed("2.1e9", "3e9"), std::pair(2100000000, 2147483647));
}

// The mapping list: a target mapped again keeps one row, the last column chosen; a row picked with the
// mouse can be removed, and removing it unmaps only its target.
TEST(MudlogWindow, OneRowATargetAndARowPickedWithTheMouseIsRemoved)
{
    MudlogWindow w;
    const QByteArray before = ReadBytes(w.path);
    w.Import(lasfiles::ImportTestFile("mudlog half steps"), [](Dialog& d) {
        Map(d, {{3, 2}, {2, 2}, {0, 1}}, false);  // TOTGAS from C1.PPM, then from TOTGAS.%; ROP
        ASSERT_EQ(d.GetCount(id::Mappings), 2);
        EXPECT_TRUE(d.GetString(id::Mappings, 0).startsWith("TOTGAS.% : AS..TOTGAS"));
        auto* list = d.ControlAs<QListWidget>(id::Mappings);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        ASSERT_TRUE(d.IsEnabled(id::Remove));
        d.Click(id::Remove);
        EXPECT_EQ(d.GetCount(id::Mappings), 1);
        d.Click(platform::IDOK);
    });
    const QByteArray after = ReadBytes(w.path);
    EXPECT_EQ(testing_support::At<float>(after, 30 * 616 + 28), 500.0f);  // TOTGAS.% at 1030
    EXPECT_EQ(after.mid(30 * 616 + 4, 12), before.mid(30 * 616 + 4, 12));   // no rate imported
}

TEST(MudlogWindow, ARefusedIntervalOrAFailedWriteLeavesTheFilesAsTheyWere)
{
    MudlogWindow w;
    std::string late = lasfiles::ImportTestFile("mudlog whole steps");
    late.replace(late.find("STRT.M 1000"), 11, "STRT.M 1150");
    late.replace(late.find("STOP.M 1100"), 11, "STOP.M 1200");
    const QByteArray before = ReadBytes(w.path);
    w.Import(late, [](Dialog& d) { Map(d, {{5, 2}}); });
    EXPECT_TRUE(w.BackedUp());
    EXPECT_EQ(w.Messages(), "Value out of range start 1150  > end 1100  / Import Range Error\n");
    EXPECT_EQ(ReadBytes(w.path), before);

    // The data file cannot be replaced: neither it nor the custom-data file changes.
    doubles().prompter.messages.clear();
    w.Import(lasfiles::ImportTestFile("mudlog whole steps"), [](Dialog& d) { Map(d, {{3, 20}}); });  // RPM
    const QByteArray svx = ReadBytes(w.folder + "I.svx");
    ASSERT_TRUE(QDir(w.folder).mkdir("I.svm.adj~"));
    doubles().prompter.messages.clear();
    w.Import(lasfiles::ImportTestFile("mudlog whole steps"), [](Dialog& d) { Map(d, {{2, 19}, {5, 2}}); });
    EXPECT_NE(w.Messages().find("could not be written"), std::string::npos) << w.Messages();
    EXPECT_EQ(ReadBytes(w.path), before);
    EXPECT_EQ(ReadBytes(w.folder + "I.svx"), svx);
    QDir(w.folder).rmdir("I.svm.adj~");
}

// A run logged from deep to shallow (negative STEP, STRT below STOP) imports as the same run written
// downwards: each record takes its whole depth's line and the half line above it.
TEST(MudlogWindow, ARunLoggedUpwardsImportsAsTheSameRunWrittenDownwards)
{
    MudlogWindow w;
    const QByteArray before = ReadBytes(w.path);
    const auto values = [](double d) { return std::to_string(int(d) - 1000) + " " + std::to_string(d - 1000); };
    const std::string curves = "GAMMA.GAPI :\nTOTGAS.% :\n";
    const auto import = [&](double from, double to, double step) {
        testing_support::WriteBytes(w.path, before);
        w.Import(lasfiles::MudlogLas(from, to, step, curves, lasfiles::Rows(from, to, step, values)),
                 [](Dialog& d) { Map(d, {{1, 11}, {2, 2}}); });
        return ReadBytes(w.path);
    };
    const QByteArray upwards = import(1070, 1030, -0.5);
    EXPECT_EQ(w.Messages(), "");
    EXPECT_EQ(testing_support::At<float>(upwards, 40 * 616 + 188), 40.0f);   // gamma of 1040
    EXPECT_EQ(testing_support::At<float>(upwards, 40 * 616 + 28), 4000.0f);  // total gas of 1040.0
    EXPECT_EQ(testing_support::At<float>(upwards, 40 * 616 + 416), 3950.0f); // of 1039.5, drilled before
    EXPECT_EQ(upwards, import(1030, 1070, 0.5));
    EXPECT_EQ(w.Messages(), "");
}

TEST(MudlogWindow, DataEndingBeforeTheStopDepthAreSavedAndNamed)
{
    MudlogWindow w(false);  // the import makes the custom-data file
    w.Import(lasfiles::ImportTestFile("mudlog short"), [](Dialog& d) { Map(d, {{1, 11}}); });
    EXPECT_TRUE(w.BackedUp());
    EXPECT_EQ(w.Messages(), ("Custom data file created for the depths 1000 to 1100:\n" + w.folder + "I.svx / Custom Data\n").toStdString() +
              "The data of M.las end at depth 1060, before the stop depth 1100: the depths read are imported. / Import\n");
    const QByteArray after = ReadBytes(w.path);
    EXPECT_EQ(testing_support::At<float>(after, 60 * 616 + 188), 60.0f);
    EXPECT_EQ(testing_support::At<float>(after, 61 * 616 + 188), 0.0f);
    EXPECT_EQ(testing_support::ReadBytes(w.folder + "I.svx").size(), 101 * 222);
}

// Data lines that all lie above the interval an import fills (never the first 20 units of a data file):
// said, and neither the data file nor a custom-data file is written.
TEST(MudlogWindow, NoDataLineBetweenFromAndToIsSaidAndNoFileWritten)
{
    MudlogWindow w(false);
    const QByteArray before = ReadBytes(w.path);
    const auto values = [](double d) { return std::to_string(d - 1000); };
    w.Import(lasfiles::MudlogLas(1000, 1100, 1, "GAMMA.GAPI :\n", lasfiles::Rows(1001, 1010, 1, values)),
             [](Dialog& d) { Map(d, {{1, 11}}); });
    EXPECT_EQ(w.Messages(),
              "No data line of M.las lies between From 1020 and To 1100: nothing was imported. / Import\n");
    EXPECT_EQ(ReadBytes(w.path), before);
    EXPECT_FALSE(QFileInfo::exists(w.folder + "I.svx"));
}

TEST(MudlogWindow, ASpectrometerFileWithItsPresetFillsTheExtendedRecords)
{
    MudlogWindow w;
    app::LogState& s = w.window.State();
    s.well.file.drilling = true;
    s.well.fit.dataEnabled = true;
    std::string curves, row;
    for (int c = 2; c <= 102; ++c) {
        curves += "X" + std::to_string(c) + (c == 5 ? ".PPM : # note\n" : ".PPM :\n");
        row += " " + std::to_string(c == 13 ? 42 : 1);
    }
    const std::string las =
        lasfiles::MudlogLas(1000, 1100, 1.0, curves, lasfiles::Rows(1000, 1100, 1.0, [&](double) { return row; }));
    w.Import(
        las,
        [](Dialog& d) {
            EXPECT_FALSE(d.Control(id::LoadLasD)->isHidden());
            EXPECT_EQ(d.GetCount(id::ImportAs), 143);
            EXPECT_EQ(d.GetCount(id::Available), 102);  // a line with "#" in it is listed too
            EXPECT_TRUE(d.Click(id::LoadLasA));
            EXPECT_EQ(d.GetCount(id::Mappings), 11);
            EXPECT_TRUE(d.Click(id::LoadLasD));
            ASSERT_EQ(d.GetCount(id::Mappings), 100);
            EXPECT_EQ(d.GetString(id::Mappings, 0), "X13.PPM : AS..FIT C1");
            d.Click(platform::IDOK);
        },
        "W_DQ1000D.las");
    EXPECT_TRUE(w.BackedUp());
    const QByteArray fit = ReadBytes(w.folder + "I.fit");
    ASSERT_GE(fit.size(), 101 * 622);
    EXPECT_EQ(testing_support::At<float>(fit, 30 * 622 + 358), 42.0f);  // FIT C1 of depth 1030
    EXPECT_EQ(testing_support::At<float>(fit, 30 * 622 + 274), 0.0f);   // FIT R2: the "A" preset replaced
}

// A run with a ~Parameter block repeating ~Well items and NULLs at its top imports through both
// commands; a second run merged over it changes only what it read.
TEST(LasRealFiles, ServiceRunsImportAndMergeOnlyWhatTheyRead)
{
    MudlogWindow w;
    const auto gammaDphiIld = [](Dialog& d) {
        EXPECT_EQ(d.GetText(id::Kb), "1250.0");  // the first EKB, not the ~Parameter one
        Map(d, {{1, 1}, {2, 2}, {3, 13}});
    };
    // The runs are logged in feet: each import asks, and the user takes the depths as they are.
    doubles().prompter.answers = {platform::IDYES, platform::IDYES, platform::IDYES};
    w.ImportElog(lasfiles::ImportTestFile("service run 1"), gammaDphiIld);
    const QByteArray run1 = ReadBytes(w.folder + "I.svc");
    ASSERT_EQ(run1.size(), 1101 * 96);
    EXPECT_EQ(Slot(run1, 1005, 1), 0.0f);
    EXPECT_EQ(Slot(run1, 1050, 1), 150.0f);
    EXPECT_FLOAT_EQ(Slot(run1, 1050, 2), 0.2f);
    EXPECT_EQ(Slot(run1, 1050, 17), 8.5f);  // BS: the first of two
    w.ImportElog(lasfiles::ImportTestFile("service run 2"), gammaDphiIld);  // NULL over 1040-1059
    const QByteArray merged = ReadBytes(w.folder + "I.svc");
    for (int d = 1040; d < 1060; ++d)
        for (int slot : {1, 2, 14})
            ASSERT_EQ(Slot(merged, d, slot), Slot(run1, d, slot)) << d;
    EXPECT_EQ(Slot(merged, 1070, 1), 300.0f);

    w.Import(lasfiles::ImportTestFile("service run 1"), [](Dialog& d) { Map(d, {{1, 11}}); });
    const std::string feet = "The LAS depths are in FT, the well's depths in M.\nImport anyway? / Depth Units\n";
    EXPECT_EQ(w.Messages(), feet + feet + feet);
    EXPECT_EQ(testing_support::At<float>(ReadBytes(w.path), 30 * 616 + 192), 130.5f);
}

TEST(LasRealFiles, DataThatCannotBeImportedAreRefusedBeforeTheDialog)
{
    MudlogWindow w;
    const QByteArray data = ReadBytes(w.path);
    std::string wrapped = lasfiles::ImportTestFile("service run 1");
    const std::string_view wrap = " WRAP.                  NO :";
    wrapped.replace(wrapped.find(wrap), wrap.size(), "WRAP.YES:");
    const std::string run = lasfiles::ImportTestFile("service run 1");
    w.ImportElog(lasfiles::ImportTestFile("comma decimals"));
    w.Import(lasfiles::ImportTestFile("comma decimals"));
    w.ImportElog(wrapped);
    w.ImportElog(run.substr(0, run.find("~A")));
    w.Import(run.substr(0, run.find('\n', run.find("~A")) + 1));
    // Depths in tenths of an inch, beyond the deepest an import fills; a file without a ~Well section;
    // one more value than curves and no comma; UTF-16 with and without a byte-order mark.
    const std::string deep = "~Version\nVERS. 2.0 :\nWRAP. NO :\n~Well\nSTRT.1IN 890160 :\nSTOP.1IN 986904 :\n"
                             "STEP.1IN 12 :\nNULL. -999.25 :\n~Curve\nDEPT.1IN :\nGR.GAPI :\n~A\n890160 50\n";
    w.ImportElog(deep);
    w.Import(deep);
    w.ImportElog("~Version\nVERS. 2.0 :\nWRAP. NO :\n~Curve\nDEPT.M :\n~A\n1030\n");
    std::string excess = deep, utf16le = "\xFF\xFE", utf16be;
    excess.replace(excess.find("890160 50"), 9, "1030 50 60");
    excess.replace(excess.find("890160"), 6, "1000"), excess.replace(excess.find("986904"), 6, "1100");
    w.Import(excess);
    for (char c : excess)
        utf16le += std::string{c, '\0'}, utf16be += std::string{'\0', c};
    w.ImportElog(utf16le);
    w.Import(utf16be);
    const std::string comma = "Data line 1 holds 6 values, the ~Curve section lists 3 curves.\n"
                              "Is a comma used as the decimal mark? Nothing was imported. / Import Error\n";
    const std::string beyond = ".las run from 890160 to 986904, beyond 200000, the deepest depth the program imports.\n"
                               "Nothing was imported. / Import Error\n";
    const std::string utf16 = " is UTF-16 text, which the import does not read.\nSave it as ASCII text and import it "
                              "again. / Import Error\n";
    EXPECT_EQ(w.Messages(), comma + comma + "Can not import wrapped file / Import Error\n"
                            "Ascii data section missing / Import Error\nFile Read  Error / File Error \n"
                            "The depths of E" + beyond + "The depths of M" + beyond +
                            "Invalid or missing header information / Import Error\n"
                            "Data line 1 holds 3 values, the ~Curve section lists 2 curves.\nNothing was imported. / "
                            "Import Error\nE.las" + utf16 + "M.las" + utf16);
    EXPECT_FALSE(QFileInfo::exists(w.folder + "I.svc"));
    EXPECT_EQ(ReadBytes(w.path), data);
}

// Gamma imported with GR = MD - 900 is exported at its own depth shifted by the e-log offset; a record
// whose depth field was damaged keeps its place and is named.
TEST(LasRealFiles, ImportedGammaIsExportedAtItsOwnDepth)
{
    MudlogWindow w;
    doubles().prompter.answers = {platform::IDYES};  // its depths in feet, taken as they are
    w.ImportElog(lasfiles::ImportTestFile("service run 1"), [](Dialog& d) { Map(d, {{1, 1}}); });
    QFile f(w.path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.seek(50 * 616) && f.write(QByteArray(4, 0)) == 4);
    f.close();  // record 1050 says depth 0
    for (const int offset : {0, 3}) {
        w.window.State().well.elogDepthOffset = offset;
        const auto rows = ExportRows(w.window, 1020, 1100);
        ASSERT_EQ(rows.size(), 161u);
        for (std::size_t k = 0; k < rows.size(); ++k) {
            const double depth = std::floor(rows[k][0]) + offset;  // beyond the curve file: 0
            ASSERT_EQ(rows[k][0], 1020 + 0.5 * double(k));
            ASSERT_EQ(rows[k][9], depth <= 1100 ? depth - 900 : 0) << rows[k][0];
        }
    }
    EXPECT_TRUE(doubles().prompter.messages.back().text.endsWith(
        "Records with a damaged depth field, written at their place in the file: 1050"));
}

// The demo well, with custom data, whole weights on bit and two units without a rate, exported over
// 1020-2600 and imported into a copy whose carried fields are cleared, every column the export writes
// that a target reads mapped: every record holds what it held, each field to the precision of its
// column. Only what the import works out itself changes: the two-unit rate (the mean of the two half
// units where the unit has a rate), the CO2 the log draws and the custom record's weight on bit.
TEST(LasRealFiles, TheDemoWellsExportImportsBackByteForByte)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    const wellfile::OpenWell& f = window.State().well.file;
    window.State().well.config.gasPercentMode = 0;  // gas in the units it is stored in
    using testing_support::At;
    const QString svx = f.dataFolder + f.wellName + ".svx", las = f.dataFolder + "mudloglas/" + f.wellName + ".las";
    std::vector<wellfile::RECORD> well = testing_support::FileRecords<wellfile::RECORD>(f.dataFileName);
    const auto rec = [&](int depth) -> wellfile::RECORD& { return well[std::size_t(depth - f.fileTopDepth)]; };
    for (int d = 1020; d <= 2600; ++d) {
        rec(d).custom1 = float(d % 37) * 0.5f, rec(d).custom2 = float(d % 11) * 1.5f;
        rec(d).weightOnBit[0] = float(10 + d % 7), rec(d).weightOnBit[1] = float(20 + d % 13);
    }
    rec(1067).rateOne = 0.1f, rec(1067).rateOdd = 3.0f, rec(1067).rate2Ft = 3.25f;  // no whole step
    rec(1117).rateOne = rec(1117).rateOdd = rec(1117).rate2Ft = 0.1f;              // no rate at all
    testing_support::WriteRecords(f.dataFileName, well);
    ASSERT_EQ(ExportRows(window, 1020, 2600).size(), 3161u);
    EXPECT_TRUE(ReadBytes(las).contains("\nDATE.     01-03-26 "));

    // The carried fields: byte, the last digit its column writes (1: whole numbers, truncated), and whether
    // it is a first half step, which the range's first record cannot take back (the half unit above the
    // first row is not in the file). Rates, WOB, CO2, TVD, inclination, azimuth, VS, custom 1 and 2, gas.
    struct Field {
        int at;
        float step;
        bool half = false;
    };
    std::vector<Field> fields{{8, 0.01f}, {4, 0.01f, true}, {486, 1}, {482, 1, true}, {352, 0.1f}, {276, 0.1f},
                              {272, 0.1f}, {268, 0.1f}, {389, 1}, {328, 0.1f}, {332, 0.1f}};
    for (int c = 0; c < 7; ++c)
        fields.push_back({32 + 4 * c, 0.1f}), fields.push_back({420 + 4 * c, 0.1f, true});
    const QByteArray before = ReadBytes(f.dataFileName), sideBefore = ReadBytes(svx);
    const auto put = [](QByteArray& b, int at, float v) { b.replace(at, 4, QByteArray(reinterpret_cast<char*>(&v), 4)); };
    QByteArray copy = before, side = sideBefore;
    for (int d = 1020; d <= 2600; ++d)
        for (const Field& x : fields)
            if (!x.half || d > 1020)
                put(copy, (d - f.fileTopDepth) * 616 + x.at, x.at == 4 || x.at == 8 ? 0.1f : 0.0f);  // rates blank
    for (int at = 0; at + 222 <= side.size(); at += 222)
        if (At<float>(side, at) >= 1020 && At<float>(side, at) <= 2600)
            put(side, at + 32, 0);  // RPM
    testing_support::WriteBytes(f.dataFileName, copy);
    testing_support::WriteBytes(svx, side);

    doubles().prompter.messages.clear();
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.GetString(id::Available, 5).left(5), "ROP1.");
        // Line n - 1 is column n: Rate/MM, C1 .. NC5, CO2, TVD, DEV, AZM, VS, WOB, RPM, custom 1 and 2.
        Map(d, {{5, 1}, {39, 3}, {40, 4}, {41, 5}, {42, 6}, {43, 7}, {44, 8}, {45, 9}, {47, 10}, {1, 12}, {2, 14},
                {3, 13}, {4, 15}, {66, 19}, {65, 20}, {74, 23}, {75, 24}});
    });
    doubles().prompter.fileAnswers = {las};
    // Our own depths are metres: no unit question, though the demo's profile logs in feet.
    window.EvCommand(app::cmd::ImportMudlog);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());

    QByteArray after = ReadBytes(f.dataFileName);
    for (int d = 1020; d <= 2600; ++d) {
        const int at = (d - f.fileTopDepth) * 616;
        ASSERT_EQ(At<float>(after, at + 60), At<float>(after, at + 352)) << d;  // the CO2 the log draws
        ASSERT_EQ(At<float>(after, at + 12), At<float>(before, at + 8) > 0.1f
                                                 ? (At<float>(after, at + 8) + At<float>(after, at + 4)) * 0.5f
                                                 : At<float>(before, at + 12)) << d;
        put(after, at + 12, At<float>(before, at + 12)), put(after, at + 60, At<float>(before, at + 60));
        for (const Field& x : fields) {
            const float was = At<float>(before, at + x.at), now = At<float>(after, at + x.at);
            if (x.step == 1)
                ASSERT_EQ(now, std::trunc(was)) << d << " byte " << x.at;
            else
                ASSERT_NEAR(now, was, x.step / 2 + 1e-4) << d << " byte " << x.at;
            put(after, at + x.at, was);
        }
    }
    EXPECT_EQ(testing_support::DifferingBytes(after, before), std::vector<qsizetype>{});
    // The custom records: the RPM, and the weight on bit of the D exponent, the record's whole step.
    side = ReadBytes(svx);
    for (int at = 0; at + 222 <= side.size(); at += 222)
        if (const float d = At<float>(side, at); d >= 1020 && d <= 2600) {
            ASSERT_EQ(At<float>(side, at + 32), std::trunc(At<float>(sideBefore, at + 32))) << d;
            ASSERT_EQ(At<float>(side, at + 28), float(rec(int(d)).weightOnBit[1])) << d;
            put(side, at + 28, At<float>(sideBefore, at + 28)), put(side, at + 32, At<float>(sideBefore, at + 32));
        }
    EXPECT_EQ(testing_support::DifferingBytes(side, sideBefore), std::vector<qsizetype>{});
}

}  // namespace
