// The LAS 2.0 writer on hand-made records, and the export command on a real window: the file read back
// line by line and column by column.
#include "app/commandids.h"
#include "elog/lasexport.h"
#include "elog/ui/lascommand.h"
#include "layout/ui/rangedialog.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/memorecords.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>
#include <vector>

namespace {

using elog::BuildLasText;
using elog::LasInput;
using elog::LasSettings;
using wellfile::RECORD;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(text.substr(at) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}
std::vector<std::string> Fields(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> f;
    for (std::string w; in >> w;)
        f.push_back(w);
    return f;
}
// The data rows of a LAS text (after the ~A line).
std::vector<std::vector<std::string>> Rows(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    bool data = false;
    for (const std::string& l : Lines(text)) {
        if (data)
            rows.push_back(Fields(l));
        data = data || l.rfind("~A", 0) == 0;
    }
    return rows;
}

struct Export {
    std::vector<RECORD> records = std::vector<RECORD>(30);
    std::vector<wellfile::CUSTDATAREC> custom = std::vector<wellfile::CUSTDATAREC>(30);
    wellfile::WellHeader header{};
    LasInput in;
    LasSettings st;

    Export()
    {
        for (int k = 0; k <= 10; ++k) {
            RECORD& r = records[std::size_t(k)];
            r.depth = 1020 + k;
            r.rateOne = r.rateOdd = r.rate2Ft = 2.0f;
        }
        std::strcpy(header.company, "ACME");
        std::strcpy(header.kellyBushing, "1234'");
        in.records = records;
        in.custom = custom;
        in.count = 11;
        in.start = 1020;
        in.header = &header;
    }
    std::string Text()
    {
        float mw = 0;
        return BuildLasText(in, st, mw);
    }
};

TEST(LasWriter, SectionsLineEndsAndTheRowsOfARange)
{
    Export e;
    const std::string text = e.Text();
    EXPECT_EQ(text.substr(0, 111), "~Version\r\nVERS.      2.0   :CWLS LOG ASCII STANDARD - VERSION 2.0\r\n"
                                   "WRAP.  NO        : One line per depth step\r\n");
    const auto lines = Lines(text);
    EXPECT_EQ(lines[6], "STRT.M   1020" + std::string(44, ' ') + ":START DEPTH");
    EXPECT_EQ(lines[7].substr(0, 13), "STOP.M   1030");
    EXPECT_EQ(lines[9].substr(0, 18), "NULL.     -999.20 ");
    EXPECT_EQ(lines[15].substr(0, 14), "EKB.M    1234 ");
    int curves = -1;
    std::size_t a = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == "~Curve")
            curves = 0;
        else if (lines[i].rfind("~A MD   TVD      DEV     AZM  VS   Rate/MM", 0) == 0) {
            a = i;
            break;
        } else if (curves >= 0)
            ++curves;
        EXPECT_EQ(lines[i].find('\n'), std::string::npos);
    }
    EXPECT_EQ(curves, 78);
    EXPECT_EQ(lines[a].substr(lines[a].size() - 54), "SURF_RPM TOTHR TOTREVCUST1   CUST2   CUST3   CUST4    ");
    const auto rows = Rows(text);
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(rows.front()[0], "1020.0");
    EXPECT_EQ(rows[1][0], "1020.5");
    EXPECT_EQ(rows.back()[0], "1030.0");
    for (const auto& r : rows)
        EXPECT_EQ(r.size(), 78u) << r[0];
    // No survey station: TVD, DEV, AZM and VS are the NULL value, not a vertical well at TVD 0.
    EXPECT_EQ(lines[a + 1].substr(0, 84),
              " 1020.0  -999.20  -999.20   -999.20 -999.20  2.00   30.0   -999.2   -999.2   0.0    ");
    // 10M and 5M on the whole row at 1030; the half-step 5M where d + 1 is a multiple of 5, converted.
    EXPECT_EQ(rows[20][7], "30.0");
    EXPECT_EQ(rows[20][8], "30.0");
    EXPECT_EQ(rows[19][7], "-999.2");
    EXPECT_EQ(rows[19][0], "1029.5");
    EXPECT_EQ(rows[19][8], "30.0");
    EXPECT_EQ(rows[17][8], "-999.2");
    // Hours on bit: 2 minutes a unit per pair, in hours; revolutions need an RPM.
    EXPECT_EQ(rows[20][72], "0.3");

    // Depths in metres, whatever the profile; "12.5m" kept with the unit upper-cased.
    std::strcpy(e.header.kellyBushing, "12.5m");
    e.st.loggerId = 2;
    const auto feet = Lines(e.Text());
    EXPECT_EQ(feet[15].substr(0, 14), "EKB.M    12.5M");
    EXPECT_EQ(feet[6].substr(0, 13), "STRT.M   1020");
    EXPECT_NE(e.Text().find("\r\nDEPTH.m "), std::string::npos);
    EXPECT_NE(e.Text().find("\r\nTVD.m "), std::string::npos);
    EXPECT_NE(e.Text().find("\r\nROP1.min/M "), std::string::npos);  // a mnemonic twice: numbered
    EXPECT_NE(e.Text().find("\r\nROP2.m/hr "), std::string::npos);
    EXPECT_NE(e.Text().find("\r\nCUST4.UNITS "), std::string::npos);

    // Fewer records than asked: STOP is the last depth written.
    e.in.count = 5;
    EXPECT_EQ(Lines(e.Text())[7].substr(0, 13), "STOP.M   1024");
    EXPECT_EQ(Rows(e.Text()).size(), 9u);
}

TEST(LasWriter, ColumnsOfTheRowsOwnRecordTheCurvesAndTheCustomData)
{
    Export e;
    RECORD& first = e.records[0];
    std::strcpy(first.lith, "50SH,50SS");
    first.fluorQuality = 't';
    first.gas[1] = 50;
    first.testGas[1] = 100;
    std::strcpy(e.records[1].lith, "100bl");
    e.records[1].testGas[1] = 0;
    e.records[1].gas[1] = 50;
    // Gamma: the value of each curve record is its depth; both rows of depth d read record d.
    std::vector<tracks::ElogRow> curve(1200);
    for (std::size_t i = 0; i < curve.size(); ++i)
        curve[i][1] = float(i);
    curve[1022][1] = 3500;
    tracks::ElogView view;
    view.rows = curve;
    e.in.curves = &view;
    e.in.customNames = {"PITVOL", "CUST", "CUST", "CUST"};
    e.st.ppm = true;

    const std::string text = e.Text();
    EXPECT_NE(text.find("PITVOL.UNITS          :Custom Data\r\n"), std::string::npos);
    EXPECT_NE(text.find("TOTREV      PITVOL   CUST1   CUST2   CUST3    \r\n"), std::string::npos);
    const auto rows = Rows(text);
    EXPECT_EQ(rows[0][9], "1020.0");
    EXPECT_EQ(rows[1][9], "1020.0");
    EXPECT_EQ(rows[2][9], "1021.0");
    EXPECT_EQ(rows[4][9], "0.0");  // 3500 at depth 1022
    EXPECT_EQ(rows[0][14], "50");   // SS
    EXPECT_EQ(rows[0][17], "50");   // CLY
    EXPECT_EQ(rows[0][49], "5");    // FLU
    EXPECT_EQ(rows[0][50], "0");    // FQ
    EXPECT_EQ(rows[0][39], "5000.0");    // C1 50 over test gas 100
    EXPECT_EQ(rows[2][39], "500000.0");  // test gas 0 divides by 1
    for (int c = 10; c <= 36; ++c)
        EXPECT_EQ(rows[2][std::size_t(c)], "0") << c;  // "100bl": no column shows type 0
    EXPECT_EQ(rows[1][14], "50");  // the half-step row keeps the unit's lithology

    std::array<std::int32_t, 39> pct{}, rem{};
    RECORD r{};
    std::strcpy(r.lith, "50SH,47XS");
    elog::LasLithPercentages(r, pct, rem);
    EXPECT_EQ(pct[8], 50);
    EXPECT_EQ(pct[2], 40);
    EXPECT_EQ(pct[21], 0);
    EXPECT_EQ(rem[21], 7);

    EXPECT_FLOAT_EQ(elog::LasRateConvert(2.0f), 30.0f);
    EXPECT_FLOAT_EQ(elog::LasRateConvert(0.05f), 900.0f);
    EXPECT_FLOAT_EQ(elog::LasRateConvert(0), 0.0f);
}

TEST(LasWriter, NonFiniteValuesAndDamagedDepthsKeepTheRowsReadable)
{
    Export e;
    e.records[0].rateOne = std::nanf("");
    e.records[0].co2 = std::numeric_limits<float>::infinity();
    e.records[0].weightOnBit[1] = -std::numeric_limits<float>::infinity();  // the whole step
    e.records[4].depth = 0;
    const auto rows = Rows(e.Text());
    EXPECT_EQ(rows[0][5], "-999.20");   // "%-5.2f"
    EXPECT_EQ(rows[0][47], "-999.20");  // "%-3.1f"
    EXPECT_EQ(rows[0][66], "-999.20");  // "%-5d"
    EXPECT_EQ(rows[8][0], "1024.0");    // the damaged record keeps its place
    EXPECT_EQ(elog::LasDamagedRecords(e.in), std::vector<std::int32_t>{1024});
}

TEST(LasWriter, CustomNamesAndRemarks)
{
    std::vector<std::uint8_t> bytes(sizeof(layout::CUSTCHARTCFGEX));
    auto put32 = [&](std::size_t at, std::int32_t v) { std::memcpy(&bytes[at], &v, 4); };
    put32(2064 + 156, 5);
    put32(2064 + 160, 3);
    const std::uint16_t type = 21;
    std::memcpy(&bytes[2420], &type, 2);
    std::memcpy(&bytes[2448], "PIT.VOL", 7);
    const std::uint16_t type66 = 66;
    std::memcpy(&bytes[2422], &type66, 2);
    std::memcpy(&bytes[2468], " ~Gas in:", 9);
    layout::CUSTCHARTCFGEX config;
    std::memcpy(&config, bytes.data(), bytes.size());
    const auto names = elog::LasCustomNames(config);
    EXPECT_EQ(names[0], "PIT_VOL");
    EXPECT_EQ(names[1], "CUST");
    EXPECT_EQ(names[3], "_Gas_in_");

    std::vector<wellfile::SVMEMO> memos(1);
    memos[0].depth = 1050;
    std::strcpy(memos[0].text, "Gas peak\r\nat 1050");
    EXPECT_EQ(elog::BuildLasRemarks(memos), "1050     Gas peakat 1050 \r\n\r");
}

// The command on a real window: range dialog, remarks and LAS files, viewer; send mode copies.
TEST(LasExportWindow, TheCommandWritesTheFilesAndSendModeCopiesThem)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_FALSE(testing_support::OpenNewWell(window, "W1.svm", 1000, 1100).isEmpty());
    app::LogState& s = window.State();
    const QString folder = s.well.file.dataFolder;
    s.notes.memos.assign(2, wellfile::SVMEMO{});
    s.notes.memos[0].depth = 1050;
    std::strcpy(s.notes.memos[0].text, "Gas peak\r\nat 1050");
    s.notes.memoCount = 1;
    auto& doubles = testing_support::doubles();

    using platform::Dialog;
    // While an entry runs the command only beeps.
    s.interaction.dataEntryActive = 1;
    const int beeps = doubles.sounder.beeps;
    ASSERT_TRUE(window.EvCommand(app::cmd::CreateLasFile));
    EXPECT_EQ(doubles.sounder.beeps, beeps + 1);
    EXPECT_FALSE(QFile::exists(folder + "mudloglas/W1.las"));
    s.interaction.dataEntryActive = 0;

    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Create LOG ASCII STANDARD file");
        EXPECT_EQ(d.GetText(layout::rangeid::Start), "1020");
        EXPECT_EQ(d.GetText(layout::rangeid::Stop), "1100");
        d.SetText(layout::rangeid::Start, "1019");
        d.Click(platform::IDOK);
        EXPECT_TRUE(d.isVisible());
        d.SetText(layout::rangeid::Start, "1020");
        d.SetText(layout::rangeid::Stop, "1030");
        d.Click(platform::IDOK);
    });
    doubles.shell.opened.clear();
    ASSERT_TRUE(window.EvCommand(app::cmd::CreateLasFile));
    const QString las = folder + "mudloglas/W1.las";
    const std::string text = testing_support::ReadBytes(las).toStdString();
    const auto rows = Rows(text);
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(rows[0][0], "1020.0");
    EXPECT_EQ(rows[0][6], "30.0");  // the made well's rate of 2 minutes
    EXPECT_EQ(testing_support::ReadBytes(folder + "mudloglas/W1.txt").toStdString(), "1050     Gas peakat 1050 \r\n\r");
    ASSERT_FALSE(doubles.shell.opened.isEmpty());
    EXPECT_EQ(doubles.shell.opened.back().program, las);

    // Stop above start passes the dialog but writes nothing.
    QFile::remove(las);
    Dialog::QueueTestScript([](Dialog& d) {
        d.SetText(layout::rangeid::Start, "1060");
        d.SetText(layout::rangeid::Stop, "1040");
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(window.EvCommand(app::cmd::CreateLasFile));
    EXPECT_FALSE(QFile::exists(las));
    EXPECT_EQ(doubles.prompter.messages.back().text, "End Value out of Range");

    // Send mode: no dialog, from the first depth + 20, copies for sending, no viewer.
    doubles.shell.opened.clear();
    elog::CreateLasFile(s, true);
    EXPECT_TRUE(doubles.shell.opened.isEmpty());
    EXPECT_EQ(Rows(testing_support::ReadBytes(folder + "sendFile/W1.las").toStdString()).size(), 161u);
    EXPECT_TRUE(QFile::exists(folder + "W1.las"));

    // A full disk leaves the last LAS file whole, says so and starts no viewer.
    const QByteArray before = testing_support::ReadBytes(las);
    ASSERT_GT(before.size(), 4096);
    {
        const testing_support::FileSizeLimit full(4096);
        Dialog::QueueTestScript([](Dialog& d) { d.Click(platform::IDOK); });
        ASSERT_TRUE(window.EvCommand(app::cmd::CreateLasFile));
    }
    EXPECT_EQ(doubles.prompter.messages.back().text, "FILE NOT FOUND");
    EXPECT_EQ(doubles.prompter.messages.back().caption, "ERROR");
    EXPECT_EQ(testing_support::ReadBytes(las), before);
    EXPECT_EQ(QDir(folder + "mudloglas").entryList(QDir::Files), QStringList({"W1.las", "W1.txt"}));
    EXPECT_TRUE(doubles.shell.opened.isEmpty());

    // A LAS file that cannot be replaced stays whole and no viewer starts.
    QFile::remove(las);
    QDir().mkpath(las + "/blocked");
    elog::CreateLasFile(s, true);
    EXPECT_EQ(doubles.prompter.messages.back().text, "FILE NOT FOUND");
}

}  // namespace
