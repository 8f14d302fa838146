// The custom LAS writer on hand-made records, and the export through the window: the LAS command with
// Basic LAS on, Send File's copies, the drilling step's automatic run with its update copy.
#include "app/commandids.h"
#include "app/opendatafile.h"
#include "drilling/ui/statuswindow.h"
#include "elog/customlas.h"
#include "elog/ui/customlasdialog.h"
#include "elog/ui/lascommand.h"
#include "layout/ui/rangedialog.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "shell/drillingfiles.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/remoteconfig.h"
#include "wellfile/wellheader.h"

#include <QDir>
#include <QFile>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>
#include <vector>

namespace {

using wellfile::RECORD;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) {
        EXPECT_TRUE(!l.empty() && l.back() == '\r') << "no CR LF: " << l;
        lines.push_back(l.substr(0, l.size() - 1));
    }
    return lines;
}
// The data rows (after "~A") as raw lines.
std::vector<std::string> Rows(const std::string& text)
{
    const auto lines = Lines(text);
    const auto a = std::find(lines.begin(), lines.end(), "~A");
    return a == lines.end() ? std::vector<std::string>{} : std::vector<std::string>(a + 1, lines.end());
}
std::vector<std::string> Fields(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> f;
    for (std::string w; in >> w;)
        f.push_back(w);
    return f;
}
// Offsets in a row: depth 9 characters, ROP 8, seven lithology columns of 6; then C1.
constexpr std::size_t kRop = 9, kC1 = 59;
// Field numbers of some columns.
constexpr std::size_t kTot = 16, kWtOut = 18, kWtIn = 19, kDxc = 21, kRpm = 22, kSurfRpm = 29;

// Records 1019 (the one above the start) .. 1030, rate 2 minutes, C1 50 over test gas 100.
struct Export {
    std::vector<RECORD> records;
    std::vector<wellfile::CUSTDATAREC> custom = std::vector<wellfile::CUSTDATAREC>(40);
    elog::CustomLasInput in;
    elog::LasSettings st;
    float mudWeight = 9.5f;

    Export()
    {
        for (int d = 1019; d <= 1030; ++d) {
            records.push_back(testing_support::ValidRecord(d, 2.0f, "100SH"));
            records.back().gas[1] = records.back().halfGas[1] = 50;
        }
        records.resize(40);
        for (std::size_t k = 0; k < custom.size(); ++k)
            custom[k].rpm = float(1019 + k);  // the custom record tells its depth
        in.records = records;
        in.custom = custom;
        in.count = 12;
        in.start = 1020;
        in.stop = 1030;
    }
    std::string Text() { return elog::BuildCustomLasText(in, st, mudWeight); }
};

TEST(CustomLasWriter, HeaderCurvesAndTheRowsOfARange)
{
    Export e;
    const std::string text = e.Text();
    const auto lines = Lines(text);
    EXPECT_EQ(lines[6], "STRT.M   1020" + std::string(71, ' ') + ":START DEPTH");
    EXPECT_EQ(lines[7], "STOP.M   1029.5" + std::string(69, ' ') + ":STOP DEPTH");  // the last row's depth
    EXPECT_EQ(lines[9].substr(0, 18), "NULL.     -999.25 ");
    const auto curve = std::find(lines.begin(), lines.end(), "~Curve");
    ASSERT_NE(curve, lines.end());
    EXPECT_EQ(curve[1], "######");
    EXPECT_EQ(curve[2], "DEPTH.M                           :Depth {I}");
    EXPECT_EQ(curve[31], "SURF_RPM.UNITS     :SURFACE RPM (I) ");
    EXPECT_EQ(curve[32].substr(0, 16), "# MD     MPH    ");
    EXPECT_EQ(curve[33], "~A");

    const auto rows = Rows(text);
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[0].substr(0, 9), " 1020.0  ");
    EXPECT_EQ(rows[1].substr(0, 9), " 1020.5  ");
    EXPECT_EQ(Fields(rows.back())[0], "1029.5");
    for (const auto& r : rows)
        EXPECT_EQ(Fields(r).size(), 30u) << r;
    EXPECT_EQ(rows[0].substr(kRop, 8), "30.00   ");
    EXPECT_EQ(Fields(rows[0])[6], "100");  // CLYST of "100SH"
    EXPECT_EQ(rows[0].substr(kC1, 8), "50.0    ");
    // Custom columns come from the custom record of the row's own depth.
    EXPECT_EQ(Fields(rows[0])[kRpm], "1020");
    EXPECT_EQ(Fields(rows[3])[kRpm], "1021");

    // Nothing drilled: no rate, not 60 units an hour.
    e.records[1].rateOne = 0;
    EXPECT_EQ(Rows(e.Text())[0].substr(kRop, 8), "-999.25 ");
    // A value that is no number is the file's NULL, in decimal and whole-number columns alike.
    e.records[1].co2 = std::nanf("");  // the record of the first row
    e.custom[1].rpm = std::numeric_limits<float>::infinity();
    EXPECT_EQ(Fields(Rows(e.Text())[0])[17], "-999.25");
    EXPECT_EQ(Fields(Rows(e.Text())[0])[kRpm], "-999.25");
    e.records[1].co2 = 0;

    // The automatic runs start at the file's first depth: the record above it is a zeroed one.
    e.records[0] = RECORD{};
    e.in.stop = 1025;
    const auto first = Rows(e.Text());
    ASSERT_EQ(first.size(), 10u);
    EXPECT_EQ(Fields(first[0])[0], "1020.0");
    EXPECT_EQ(Fields(first.back())[0], "1024.5");

    // A feet profile's well names metres as well.
    e.st.loggerId = 2;
    const std::string feet = e.Text();
    EXPECT_EQ(Lines(feet)[6].substr(0, 13), "STRT.M   1020");
    EXPECT_NE(feet.find("\r\nDEPTH.M    "), std::string::npos);
    EXPECT_NE(feet.find("\r\nROP.M/HR    "), std::string::npos);
}

TEST(CustomLasWriter, GasFormsTotalGasMudWeightsAndDrillingColumns)
{
    Export e;
    e.records[2].testGas[1] = 0;  // the record of the row at 1021
    e.st.ppm = true;
    std::string text = e.Text();
    EXPECT_NE(text.find("\r\nGAS_C1.%    "), std::string::npos);
    EXPECT_EQ(Rows(text)[0].substr(kC1, 8), "0.5     ");
    EXPECT_EQ(Fields(Rows(text)[2])[9], "50.0");  // test gas 0 divides by 1
    e.st.loggerId = 17;
    EXPECT_EQ(Fields(Rows(e.Text())[0])[9], "5000.0");  // profile 17 scales the percent form too
    e.st.loggerId = 0;
    e.st.ppmScaling = true;
    text = e.Text();
    EXPECT_NE(text.find("\r\nGAS_C1.PPM    "), std::string::npos);
    EXPECT_NE(text.find("# MD     MPH    LST    SST SLTST   CG   CLYST  CO  VOLC    C1         C2"),
              std::string::npos);
    EXPECT_EQ(Rows(text)[0].substr(kC1, 11), "5000       ");

    // Total gas: the sum of C1 .. IC5 as written; profile 134 in percent.
    e.st = {};
    e.records[1].gas[6] = 20;   // IC5 of the row at 1020
    e.records[1].gas[7] = 400;  // NC5 is not summed
    EXPECT_EQ(Fields(Rows(e.Text())[0])[kTot], "70.00");
    e.st.loggerId = 134;
    text = e.Text();
    EXPECT_NE(text.find("\r\nTOTAL_GAS.%     "), std::string::npos);
    EXPECT_EQ(Fields(Rows(text)[0])[kTot], "0.70");

    // Mud weights: none in writes 0.0; none out 0.0 too until the first one, not the window's current
    // one (measured deeper); a new one out is carried on.
    e.st = {};
    e.records[2].mudWeightOut = 10.2f;  // the record of the rows at 1021
    e.mudWeight = 9.5f;
    auto rows = Rows(e.Text());
    EXPECT_EQ(Fields(rows[0])[kWtIn], "0.0");
    EXPECT_EQ(Fields(rows[0])[kWtOut], "0.0");
    EXPECT_EQ(Fields(rows[1])[kWtOut], "0.0");
    EXPECT_EQ(Fields(rows[2])[kWtOut], "10.2");
    EXPECT_EQ(Fields(rows[8])[kWtOut], "10.2");
    EXPECT_FLOAT_EQ(e.mudWeight, 10.2f);

    // DXC and SURF_RPM only in drilling mode.
    for (auto& c : e.custom) {
        c.las28 = 20;
        c.caliper = 8.5f;
    }
    EXPECT_EQ(Fields(rows[2])[kDxc], "0.00");
    EXPECT_EQ(Fields(rows[0])[kSurfRpm], "0");
    e.st.drilling = true;
    rows = Rows(e.Text());
    EXPECT_EQ(Fields(rows[0])[kDxc], "0.00");  // no mud weight yet
    EXPECT_NE(Fields(rows[2])[kDxc], "0.00");
    EXPECT_EQ(Fields(rows[0])[kSurfRpm], "1020");  // no motor: all of the RPM is at the surface
}

TEST(CustomLasWriter, CatalogueLinesAndTitles)
{
    elog::LasSettings st;
    std::string line, titles;
    const std::array<std::string, 4> names{"PITVOL", "CUST", "CUST", "GAINS"};
    EXPECT_FALSE(elog::ExportCustomLasCurves(st, names, 72, line, titles));
    ASSERT_TRUE(elog::ExportCustomLasCurves(st, names, 68, line, titles));
    EXPECT_EQ(line, "PITVOL.UNITS          :Custom Data\n");
    ASSERT_TRUE(elog::ExportCustomLasCurves(st, names, 71, line, titles));
    EXPECT_EQ(titles, "PITV    GAIN   ");
    st.hardness = true;
    ASSERT_TRUE(elog::ExportCustomLasCurves(st, names, 52, line, titles));
    EXPECT_EQ(line.substr(0, 7), "HARD.% ");
    for (int entry = 0; entry < elog::kCustomLasEntries; ++entry)
        ASSERT_TRUE(elog::ExportCustomLasCurves(st, names, entry, line, titles) && line.back() == '\n') << entry;
}

void WriteDestination(const QString& dataFolder, const QString& destination)
{
    wellfile::RemoteConfig cfg;
    platform::SetFieldText(cfg.destinationFolder, destination.toStdString());
    testing_support::WriteBytes(dataFolder + "svdlcfg.cfg", QByteArray(reinterpret_cast<const char*>(&cfg), sizeof cfg));
}

TEST(CustomLasWindow, BasicLasCommandSendFileAndTheDrillingStepsUpdateCopy)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_FALSE(testing_support::OpenNewWell(window, "W1.svm", 1000, 1100).isEmpty());
    app::LogState& s = window.State();
    const QString folder = s.well.file.dataFolder;
    s.well.config.basicLas = 1;
    wellfile::WellHeader header{};
    std::strcpy(header.company, "ACME");
    ASSERT_EQ(wellfile::SaveHeader(header, app::PlaceOf(s)), 1);
    auto& doubles = testing_support::doubles();
    using platform::Dialog;
    const QString las = folder + "mudloglas/W1.las";

    Dialog::QueueTestScript([](Dialog& d) {
        d.SetText(layout::rangeid::Start, "1020");
        d.SetText(layout::rangeid::Stop, "1030");
        d.Click(platform::IDOK);
    });
    doubles.shell.opened.clear();
    ASSERT_TRUE(window.EvCommand(app::cmd::CreateLasFile));
    const QByteArray written = testing_support::ReadBytes(las);
    const auto rows = Rows(written.toStdString());
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[0].substr(0, 17), " 1020.0  30.00   ");
    EXPECT_EQ(doubles.prompter.messages.back().text,
              "Created " + las + "  from  1020 to  1030 \n  File may be viewed from any text editor");
    EXPECT_EQ(doubles.prompter.messages.back().caption, "Create Las File");
    ASSERT_FALSE(doubles.shell.opened.isEmpty());
    EXPECT_EQ(doubles.shell.opened.back().program, las);
    EXPECT_TRUE(QFile::exists(folder + "mudloglas/W1.txt"));
    EXPECT_NE(written.indexOf("\r\nCOMP.     ACME      "), -1);

    // The groups dialog behind "Advanced" changes nothing in the file.
    Dialog::QueueTestScript([](Dialog& d) {
        d.Show(layout::rangeid::Advanced, true);
        Dialog::QueueTestScript([](Dialog& groups) {
            EXPECT_EQ(groups.windowTitle(), "Strativ Custom LAS ");
            groups.Click(elog::custlasid::Lithology);
            groups.Click(elog::custlasid::BasicMudlog);
            groups.Click(platform::IDOK);
        });
        EXPECT_TRUE(d.Click(layout::rangeid::Advanced));
        d.SetText(layout::rangeid::Start, "1020");
        d.SetText(layout::rangeid::Stop, "1030");
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(window.EvCommand(app::cmd::CreateLasFile));
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);
    EXPECT_EQ(testing_support::ReadBytes(las), written);

    // Send File: the copies, no message.
    const auto messages = doubles.prompter.messages.size();
    elog::CreateLasFile(s, true);
    EXPECT_EQ(Rows(testing_support::ReadBytes(folder + "sendFile/W1.las").toStdString()).size(), 160u);
    EXPECT_TRUE(QFile::exists(folder + "W1.las"));
    EXPECT_EQ(doubles.prompter.messages.size(), messages);

    // The drilling step's run: the whole file from its first depth, copied only into the update folder.
    QDir(folder + "sendFile").removeRecursively();
    QFile::remove(folder + "W1.las");
    const QString update = folder + "update/";
    QDir().mkpath(update);
    WriteDestination(folder, update);
    s.well.file.drilling = true;
    doubles.shell.opened.clear();
    shell::DrillingFiles files{s, window.Neighbours(), window.WellServices()};  // what the drilling step calls
    files.ExportCustomLas(1000, 1100);
    const auto whole = Rows(testing_support::ReadBytes(update + "W1.las").toStdString());
    ASSERT_EQ(whole.size(), 200u);
    EXPECT_EQ(Fields(whole[0])[0], "1000.0");
    EXPECT_EQ(testing_support::ReadBytes(update + "W1.las"), testing_support::ReadBytes(las));
    EXPECT_FALSE(QFile::exists(folder + "sendFile/W1.las"));
    EXPECT_FALSE(QFile::exists(folder + "W1.las"));
    EXPECT_EQ(doubles.prompter.messages.size(), messages);
    EXPECT_TRUE(doubles.shell.opened.isEmpty());

    // A file that cannot be written is said once on the status line, never in a box; a run that goes
    // through clears it.
    QFile::remove(las);
    QDir().mkpath(las + "/blocked");
    files.ExportCustomLas(1000, 1100);
    EXPECT_TRUE(window.statusBar()->currentMessage().startsWith("Custom LAS file not written"));
    window.statusBar()->clearMessage();
    files.ExportCustomLas(1000, 1100);
    EXPECT_TRUE(window.statusBar()->currentMessage().isEmpty());  // not again
    EXPECT_EQ(doubles.prompter.messages.size(), messages);
    QDir(las).removeRecursively();
    window.statusBar()->showMessage("Custom LAS file not written");
    files.ExportCustomLas(1000, 1100);
    EXPECT_TRUE(window.statusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(QFile::exists(las));
    // Without a header the file is written with empty well lines; that too only on the status line.
    QFile::remove(wellfile::HeaderFilePath(app::PlaceOf(s)));
    QFile::remove(las);
    files.ExportCustomLas(1000, 1100);
    EXPECT_TRUE(QFile::exists(las));
    EXPECT_TRUE(window.statusBar()->currentMessage().contains("header"));
    EXPECT_EQ(doubles.prompter.messages.size(), messages);

    // While an entry runs the automatic export only beeps.
    QFile::remove(las);
    s.interaction.dataEntryActive = 1;
    const int beeps = doubles.sounder.beeps;
    files.ExportCustomLas(1000, 1100);
    EXPECT_EQ(doubles.sounder.beeps, beeps + 1);
    EXPECT_FALSE(QFile::exists(las));
    s.interaction.dataEntryActive = 0;
    s.well.file.drilling = false;
}

}  // namespace
