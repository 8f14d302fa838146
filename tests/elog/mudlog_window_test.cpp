// The mudlog import through the main window's command: the dialog in mudlog mode, the LAS file's
// columns in the data file on disk, the dated backup made first, and what a refused or failed import
// leaves.
#include "app/commandids.h"
#include "app/logstate.h"
#include "app/ui/logwindow.h"
#include "elog/ui/importdialog.h"
#include "lasfiles.h"
#include "layout/customdata.h"
#include "platform/ui/dialog.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using platform::Dialog;
using testing_support::doubles;
using testing_support::ReadBytes;
namespace id = elog::importid;

namespace {

struct MudlogWindow {
    LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString folder, path;
    explicit MudlogWindow(bool customFile = true)
    {
        qputenv("USER", "tester");
        window.SetupWindow();
        folder = window.State().well.file.dataFolder;
        path = testing_support::MakeWell(folder, "I.svm", 1000, 1100);
        EXPECT_EQ(window.OpenDataFile(path), 1);
        app::LogState& s = window.State();
        if (customFile)
            EXPECT_EQ(layout::CreateCustomDataFile(s.well.file, s.well.fit, 1000, 1101), 1);
        doubles().prompter.messages.clear();
    }
    // Runs the command on the LAS text `las`; `script` drives the dialog (none: the dialog is not reached).
    void Import(const std::string& las, const std::function<void(Dialog&)>& script = {}, const QString& name = "M.las")
    {
        testing_support::WriteBytes(folder + name, QByteArray::fromStdString(las));
        if (script)
            Dialog::QueueTestScript(script);
        doubles().prompter.fileAnswers = {folder + name};
        window.EvCommand(app::cmd::ImportMudlog);
        EXPECT_EQ(Dialog::PendingTestScripts(), 0);
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

// Maps line `line` of "Available Curves" onto target `target` (1-based) and imports.
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

TEST(MudlogWindow, TheCommandImportsTheMappedColumnsIntoTheDataFileAfterABackup)
{
    MudlogWindow w;
    const QByteArray before = ReadBytes(w.path);
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

TEST(MudlogWindow, ARefusedIntervalOrAFailedWriteLeavesTheFilesAsTheyWere)
{
    MudlogWindow w;
    std::string late = lasfiles::ImportTestFile("mudlog whole steps");
    late.replace(late.find("STRT.F 1000"), 11, "STRT.F 1150");
    late.replace(late.find("STOP.F 1100"), 11, "STOP.F 1200");
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

TEST(MudlogWindow, DataEndingBeforeTheStopDepthAreSavedAndNamed)
{
    MudlogWindow w(false);  // the import makes the custom-data file
    w.Import(lasfiles::ImportTestFile("mudlog short"), [](Dialog& d) { Map(d, {{1, 11}}); });
    EXPECT_TRUE(w.BackedUp());
    EXPECT_EQ(w.Messages(), (w.folder + "I.svx / create\n").toStdString() +
              "The data of M.las end at depth 1060, before the stop depth 1100: the depths read are imported. / Import\n");
    const QByteArray after = ReadBytes(w.path);
    EXPECT_EQ(testing_support::At<float>(after, 60 * 616 + 188), 60.0f);
    EXPECT_EQ(testing_support::At<float>(after, 61 * 616 + 188), 0.0f);
    EXPECT_EQ(testing_support::ReadBytes(w.folder + "I.svx").size(), 101 * 222);
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

}  // namespace
