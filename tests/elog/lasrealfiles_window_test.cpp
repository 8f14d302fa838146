// LAS files shaped like those of service companies through the import commands of a real window, and
// our own exports imported back: what was stored comes back at the same depths.
#include "app/commandids.h"
#include "app/logstate.h"
#include "app/ui/logwindow.h"
#include "elog/lasread.h"
#include "elog/ui/importdialog.h"
#include "elog/ui/rangedialog.h"
#include "lasfiles.h"
#include "platform/ui/dialog.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace {

using platform::Dialog;
using testing_support::At;
using testing_support::doubles;
using testing_support::ReadBytes;
namespace id = elog::importid;

// Maps (0-based line of "Available Curves", target) pairs and presses Import.
void Map(Dialog& d, std::initializer_list<std::pair<int, int>> pairs)
{
    for (const auto& [line, target] : pairs) {
        d.SetSelIndex(id::Available, line);
        d.Command(id::Available, platform::CBN_SELCHANGE);
        d.SetSelIndex(id::ImportAs, target - 1);
        d.Command(id::ImportAs, platform::CBN_SELCHANGE);
        EXPECT_TRUE(d.Click(id::Add));
    }
    d.Click(platform::IDOK);
}

struct Window {
    LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString folder;
    explicit Window(bool demo = false)
    {
        qputenv("USER", "tester");
        if (demo) {
            EXPECT_TRUE(testing_support::ShowDemoWindow(window));
        } else {
            window.SetupWindow();
            EXPECT_EQ(window.OpenDataFile(testing_support::MakeWell(Data(), "I.svm", 1000, 1100)), 1);
        }
        folder = Data();
        doubles().prompter.messages.clear();
    }
    QString Data() { return window.State().well.file.dataFolder; }
    // Runs `command` on the LAS text; `script` drives its dialog (none: no dialog may open).
    void Run(int command, const std::string& las, const std::function<void(Dialog&)>& script = {})
    {
        testing_support::WriteBytes(folder + "R.las", QByteArray::fromStdString(las));
        if (script)
            Dialog::QueueTestScript(script);
        doubles().prompter.fileAnswers = {folder + "R.las"};
        window.EvCommand(command);
        EXPECT_EQ(Dialog::PendingTestScripts(), 0);
    }
    // The LAS export of start .. stop: its data rows, split into fields.
    std::vector<std::vector<double>> Export(int start, int stop)
    {
        Dialog::QueueTestScript([=](Dialog& d) {
            d.SetText(elog::rangeid::Start, QString::number(start));
            d.SetText(elog::rangeid::Stop, QString::number(stop));
            d.Click(platform::IDOK);
        });
        window.EvCommand(app::cmd::CreateLasFile);
        const std::string text = ReadBytes(folder + "mudloglas/" + window.State().well.file.wellName + ".las").toStdString();
        std::vector<std::vector<double>> rows;
        const auto lines = elog::LasDataLines(text);
        for (std::string_view line : lines.value_or(std::vector<std::string_view>{})) {
            rows.emplace_back();
            for (int c = 1; const std::optional<double> v = elog::LasField(line, c); ++c)
                rows.back().push_back(*v);
        }
        return rows;
    }
    std::string Messages() const
    {
        std::string out;
        for (const auto& m : doubles().prompter.messages)
            out += (m.text + " / " + m.caption + "\n").toStdString();
        return out;
    }
};

float Slot(const QByteArray& svc, int depth, int slot) { return At<float>(svc, depth * 96 + slot * 4); }

TEST(LasRealFiles, ARunWithAParameterBlockImportsAndASecondRunMergesOnlyWhatItRead)
{
    Window w;
    w.Run(app::cmd::ImportElog, lasfiles::ImportTestFile("service run 1"), [](Dialog& d) {
        EXPECT_EQ(d.GetText(id::Interval), "1000  to  1100");
        EXPECT_EQ(d.GetText(id::Kb), "1250.0");  // the first EKB, not the ~Parameter one
        Map(d, {{1, 1}, {2, 2}, {3, 13}});
    });
    EXPECT_EQ(w.Messages(), "");
    const QByteArray run1 = ReadBytes(w.folder + "I.svc");
    ASSERT_EQ(run1.size(), 1101 * 96);
    EXPECT_EQ(Slot(run1, 1005, 1), 0.0f);  // NULL at the top of the run
    EXPECT_EQ(Slot(run1, 1050, 1), 150.0f);
    EXPECT_FLOAT_EQ(Slot(run1, 1050, 2), 0.2f);  // percent made a fraction
    EXPECT_EQ(Slot(run1, 1050, 17), 8.5f);       // BS: the first of two

    // Run 2 reads NULL over 1040-1059: the merge keeps run 1 there and takes run 2 below.
    w.Run(app::cmd::ImportElog, lasfiles::ImportTestFile("service run 2"), [](Dialog& d) { Map(d, {{1, 1}, {2, 2}, {3, 13}}); });
    EXPECT_EQ(w.Messages(), "");
    const QByteArray merged = ReadBytes(w.folder + "I.svc");
    for (int d = 1040; d < 1060; ++d) {
        ASSERT_EQ(Slot(merged, d, 1), d - 900.0f) << d;
        ASSERT_EQ(Slot(merged, d, 2), Slot(run1, d, 2)) << d;  // not scaled a second time
        ASSERT_EQ(Slot(merged, d, 14), Slot(run1, d, 14)) << d;
    }
    EXPECT_EQ(Slot(merged, 1070, 1), 300.0f);
    EXPECT_FLOAT_EQ(Slot(merged, 1071, 2), 0.21f);

    // The mudlog import takes the same file.
    const QByteArray before = ReadBytes(w.window.State().well.file.dataFileName);
    w.Run(app::cmd::ImportMudlog, lasfiles::ImportTestFile("service run 1"), [](Dialog& d) { Map(d, {{1, 11}}); });
    EXPECT_EQ(w.Messages(), (w.folder + "I.svx / create\n").toStdString());  // the custom-data file made
    const QByteArray after = ReadBytes(w.window.State().well.file.dataFileName);
    EXPECT_EQ(At<float>(after, 30 * 616 + 188), 130.0f);
    EXPECT_EQ(At<float>(after, 30 * 616 + 192), 130.5f);
    EXPECT_EQ(after.left(20 * 616), before.left(20 * 616));
}

TEST(LasRealFiles, DataThatCannotBeImportedAreRefusedBeforeTheDialog)
{
    Window w;
    const QByteArray data = ReadBytes(w.window.State().well.file.dataFileName);
    const std::string& commas = lasfiles::ImportTestFile("comma decimals");
    const std::string comma = "Data line 1 holds 6 values, the ~Curve section lists 3 curves.\n"
                              "Is a comma used as the decimal mark? Nothing was imported. / Import Error\n";
    w.Run(app::cmd::ImportElog, commas);
    w.Run(app::cmd::ImportMudlog, commas);
    std::string wrapped = lasfiles::ImportTestFile("service run 1");
    const std::string_view wrap = " WRAP.                  NO :";
    wrapped.replace(wrapped.find(wrap), wrap.size(), "WRAP.YES:");
    w.Run(app::cmd::ImportElog, wrapped);
    const std::string& run = lasfiles::ImportTestFile("service run 1");
    w.Run(app::cmd::ImportElog, run.substr(0, run.find("~A")));
    w.Run(app::cmd::ImportMudlog, run.substr(0, run.find('\n', run.find("~A")) + 1));
    EXPECT_EQ(w.Messages(), comma + comma + "Can not import wrapped file / Import Error\n"
                            "Ascii data section missing / Import Error\nFile Read  Error / File Error \n");
    EXPECT_FALSE(QFile::exists(w.folder + "I.svc"));
    EXPECT_EQ(ReadBytes(w.window.State().well.file.dataFileName), data);
}

// Gamma imported with GR = MD - 900 is exported at its own depth, shifted by the e-log offset only; a
// record whose depth field was damaged keeps its place and is named.
TEST(LasRealFiles, ImportedGammaIsExportedAtItsOwnDepth)
{
    Window w;
    w.Run(app::cmd::ImportElog, lasfiles::ImportTestFile("service run 1"), [](Dialog& d) { Map(d, {{1, 1}}); });
    const QString data = w.window.State().well.file.dataFileName;
    QFile f(data);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.seek(50 * 616));
    ASSERT_EQ(f.write(QByteArray(4, 0)), 4);  // record 1050 says depth 0
    f.close();
    for (const int offset : {0, 3}) {
        w.window.State().well.elogDepthOffset = offset;
        const auto rows = w.Export(1020, 1100);
        ASSERT_EQ(rows.size(), 161u);
        for (std::size_t k = 0; k < rows.size(); ++k) {
            ASSERT_EQ(rows[k][0], 1020 + k * 0.5);
            const double depth = std::floor(rows[k][0]) + offset;  // beyond the curve file: 0
            ASSERT_EQ(rows[k][9], depth <= 1100 ? depth - 900 : 0) << rows[k][0];
        }
    }
    EXPECT_NE(doubles().prompter.messages.back().text.indexOf(
                  "Records with a damaged depth field, written at their place in the file: 1050"),
              -1);
}

// The demo well exported over 1020-2600 and imported back as a mudlog with its rate and gas columns
// mapped: every record takes back exactly what it held; only the two-unit rate is the mean of the two.
TEST(LasRealFiles, TheDemoWellsExportImportsBackByteForByte)
{
    Window w(true);
    app::LogState& s = w.window.State();
    s.well.config.gasPercentMode = 0;  // gas in the units it is stored in
    const QString data = s.well.file.dataFileName;
    const QByteArray before = ReadBytes(data);
    ASSERT_EQ(w.Export(1020, 2600).size(), 3161u);
    doubles().prompter.messages.clear();
    testing_support::WriteBytes(w.folder + "R.las", ReadBytes(w.folder + "mudloglas/" + s.well.file.wellName + ".las"));
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.GetString(id::Available, 5).left(5), "ROP1.");
        Map(d, {{5, 1}, {39, 3}, {40, 4}, {41, 5}, {42, 6}, {43, 7}, {44, 8}, {45, 9}});  // Rate/MM, C1 .. NC5
    });
    doubles().prompter.fileAnswers = {w.folder + "R.las"};
    w.window.EvCommand(app::cmd::ImportMudlog);
    EXPECT_EQ(w.Messages(), "");
    QByteArray after = ReadBytes(data);
    ASSERT_EQ(after.size(), before.size());
    const int first = s.well.file.fileTopDepth;
    for (int d = 1020; d <= 2600; ++d) {
        const int at = (d - first) * 616;
        const float one = At<float>(after, at + 8), odd = At<float>(after, at + 4);
        ASSERT_EQ(At<float>(after, at + 12), (one + odd) * 0.5f) << d;
        after.replace(at + 12, 4, before.mid(at + 12, 4));
    }
    for (int at = 0; at < before.size(); at += 616)
        ASSERT_EQ(after.mid(at, 616), before.mid(at, 616)) << "record " << at / 616 + first;
}

}  // namespace
