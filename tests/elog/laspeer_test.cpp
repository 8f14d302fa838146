// Our LAS files read by an LAS reader we did not write (las-js): the mudlog exported by the LAS command
// on a real window, every file the import tests feed in, and a long file both readers take in.
#include "app/commandids.h"
#include "app/logstate.h"
#include "elog/customlas.h"
#include "elog/lasexport.h"
#include "elog/lasread.h"
#include "lasfiles.h"
#include "laspeer.h"
#include "layout/ui/rangedialog.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/datafile.h"

#include <QFile>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>

namespace {

using laspeer::PeerRead;

#define SKIP_WITHOUT_PEER()                                            \
    if (const QString why = laspeer::Unavailable(); !why.isEmpty())   \
    GTEST_SKIP() << why.toStdString()

QString Write(const QString& name, const std::string& text)
{
    const QString path = testing_support::TestDir() + name;
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(text.data(), qint64(text.size()));
    return path;
}

// The mnemonics of a ~Curve list as our reader takes them: the text before the first dot.
QStringList OurMnemonics(std::string_view text)
{
    QStringList out;
    if (const auto list = elog::LasCurveList(text))
        for (std::string_view line : elog::SplitLasLines(*list)) {
            const std::size_t at = line.find_first_not_of(" \t");
            if (at == std::string_view::npos || line[at] == '#')
                continue;
            out << QString::fromLatin1(line.substr(0, line.find('.'))).trimmed();
        }
    return out;
}

// The data lines our import reads: after the "~A" line, comment lines left out.
std::vector<std::string_view> OurDataLines(std::string_view text)
{
    std::vector<std::string_view> out;
    bool data = false;
    for (std::string_view line : elog::SplitLasLines(text)) {
        const std::size_t at = line.find_first_not_of(" \t");
        if (at != std::string_view::npos && line[at] == '~' && at + 1 < line.size()) {
            if (data)
                break;
            data = std::toupper(static_cast<unsigned char>(line[at + 1])) == 'A';
        } else if (data && at != std::string_view::npos && line[at] != '#')
            out.push_back(line);
    }
    return out;
}

double Cell(const QJsonArray& row, int column) { return row.at(column).toDouble(std::nan("")); }

// Empty when las-js read the same curves and, field by field, the same numbers as our reader.
std::string Disagreement(const std::string& text, const PeerRead& peer)
{
    if (!peer.error.isEmpty())
        return "las-js refused it: " + peer.error.toStdString();
    elog::LasHeader h;
    elog::LasHeaderExtra x;
    if (elog::ReadLasHeaderText(text, "peer.las", h, x) != elog::kLasRead)
        return "our reader refused the header";
    const QString unit = peer.well.value("STRT").toObject().value("unit").toString();
    if (unit.toUpper().toStdString() != x.depthUnit)
        return "depth unit " + unit.toStdString() + " against " + x.depthUnit;
    const QStringList ours = OurMnemonics(text);
    if (peer.mnemonics != ours)
        return "curves " + peer.mnemonics.join(' ').toStdString() + " against " + ours.join(' ').toStdString();
    const std::vector<std::string_view> lines = OurDataLines(text);
    if (std::size_t(peer.rows.size()) != lines.size())
        return std::to_string(peer.rows.size()) + " rows against " + std::to_string(lines.size());
    for (std::size_t r = 0; r < lines.size(); ++r) {
        const QJsonArray row = peer.rows[qsizetype(r)].toArray();
        for (int c = 1; c <= ours.size(); ++c) {
            const std::optional<double> v = elog::LasField(lines[r], c);
            const QJsonValue p = row.at(c - 1);
            if (!v || !p.isDouble() || p.toDouble() != *v)
                return "row " + std::to_string(r) + " column " + std::to_string(c) + ": las-js " +
                       QString::fromUtf8(QJsonDocument(QJsonArray{p}).toJson(QJsonDocument::Compact)).toStdString() +
                       ", ours " + (v ? std::to_string(*v) : "none");
        }
    }
    return {};
}

TEST(LasPeer, EveryFileTheImportTestsReadIsLasToAnotherReaderOrMarkedAsNot)
{
    SKIP_WITHOUT_PEER();
    const auto& files = lasfiles::ImportTestFiles();
    QStringList paths;
    for (std::size_t k = 0; k < files.size(); ++k)
        paths << Write(QStringLiteral("import%1.las").arg(k), files[k].text);
    const auto peer = laspeer::Read(paths);
    ASSERT_TRUE(peer);
    int rows = 0;
    for (std::size_t k = 0; k < files.size(); ++k) {
        const std::string why = Disagreement(files[k].text, (*peer)[k]);
        if (files[k].standard) {
            EXPECT_EQ(why, "") << files[k].name;
            rows += int((*peer)[k].rows.size());
        } else {
            EXPECT_NE(why, "") << files[k].name << " is marked outside LAS 2.0, yet las-js reads it as we do";
        }
    }
    RecordProperty("peerRows", rows);
}

TEST(LasPeer, ALongFileGivesBothReadersTheSameGammaAtEveryWholeDepth)
{
    SKIP_WITHOUT_PEER();
    // 3,000 rows of 12 curves from 1000 by 0.5, every 97th gamma the NULL.
    std::string text = "~Version\nVERS.   2.0 : CWLS LOG ASCII STANDARD - VERSION 2.0\nWRAP.   NO : One line per depth step\n"
                       "~Well\nSTRT.M   1000.0000 : START DEPTH\nSTOP.M   2499.5000 : STOP DEPTH\nSTEP.M   0.5000 : STEP\n"
                       "NULL.   -999.25 : NULL VALUE\nWELL.   LONG 1 : WELL\n~Curve\nDEPT.M : Depth\n";
    for (const char* c : {"GR.GAPI", "RHOB.G/C3", "NPHI.V/V", "DPHI.V/V", "ILD.OHMM", "ILM.OHMM", "SFL.OHMM", "SP.MV",
                          "CALI.IN", "PEF.B/E", "DT.US/F"})
        text += std::string(c) + " : curve\n";
    text += "~A\n";
    for (int k = 0; k < 3000; ++k) {
        char row[256];
        const double gr = k % 97 == 3 ? -999.25 : (k * 7919 % 14000) / 10.0 + 0.25;
        std::snprintf(row, sizeof row, "%.4f %.3f %.4f %.4f %.4f %.3f %.3f %.3f %.2f %.3f %.3f %.2f\n", 1000 + k * 0.5, gr,
                      2.2 + k % 40 / 100.0, 0.1 + k % 30 / 100.0, 0.05 + k % 20 / 100.0, 1 + k % 500 / 10.0, 2 + k % 300 / 10.0,
                      3 + k % 200 / 10.0, -80.0 + k % 160, 8.5 + k % 10 / 10.0, 2 + k % 50 / 10.0, 60.0 + k % 90);
        text += row;
    }
    const auto peer = laspeer::Read({Write("long.las", text)});
    ASSERT_TRUE(peer);
    const PeerRead& p = (*peer)[0];
    ASSERT_EQ(Disagreement(text, p), "");
    ASSERT_EQ(p.rows.size(), 3000);

    elog::LasImportInput in;
    elog::LasHeaderExtra x;
    ASSERT_EQ(elog::ReadLasHeaderText(text, "long.las", in.header, x), elog::kLasRead);
    in.map[1] = 2;
    const QByteArray curves = elog::BuildCurveFile(text, in).bytes;
    ASSERT_EQ(curves.size(), 2500 * 96);
    int nulls = 0;
    for (int k = 0; k < 3000; k += 2) {
        const QJsonArray row = p.rows[k].toArray();
        const int depth = int(Cell(row, 0));
        const double gr = Cell(row, 1);
        nulls += gr == -999.25;
        ASSERT_EQ(testing_support::At<float>(curves, depth * 96 + 4), gr == -999.25 ? 0.0f : float(gr)) << depth;
    }
    EXPECT_GT(nulls, 10);
    RecordProperty("peerRows", int(p.rows.size()));
}

// The LAS command on the window of `s` over start .. the last depth: the file's path.
QString ExportThroughTheCommand(shell::LogWindow& window, int start)
{
    platform::Dialog::QueueTestScript([start](platform::Dialog& d) {
        d.SetText(layout::rangeid::Start, QString::number(start));
        d.Click(platform::IDOK);
    });
    EXPECT_TRUE(window.EvCommand(app::cmd::CreateLasFile));
    const app::LogState& s = window.State();
    return s.well.file.dataFolder + QStringLiteral("mudloglas/") + s.well.file.wellName + QStringLiteral(".las");
}

// What las-js read of an exported mudlog, checked against the depth records it came from: the version,
// the depth unit, one row per half unit from STRT to STOP, and on every whole depth the rate, C1 and
// total gas columns; the rows where 10M has no value hold the file's NULL.
void CheckExport(const std::string& text, const PeerRead& peer, const app::LogState& s, int start, bool ppm,
                 const char* unit)
{
    ASSERT_EQ(peer.error, "");
    EXPECT_EQ(Disagreement(text, peer), "");
    EXPECT_EQ(peer.version, 2.0);
    EXPECT_FALSE(peer.wrap);
    EXPECT_EQ(peer.mnemonics.join(' ').toStdString(), OurMnemonics(text).join(' ').toStdString());
    ASSERT_EQ(peer.mnemonics.size(), 78);
    EXPECT_EQ(peer.keyed, 78);  // no mnemonic twice: a reader keyed by mnemonic keeps every column
    EXPECT_EQ(peer.units[0].toUpper(), unit);  // the index ("DEPTH.m") in the unit of STRT, STOP and STEP
    EXPECT_EQ(peer.well.value("STRT").toObject().value("unit").toString(), unit);

    elog::LasHeader h;
    elog::LasHeaderExtra x;
    ASSERT_EQ(elog::ReadLasHeaderText(text, "export.las", h, x), elog::kLasRead);
    const int stop = s.well.file.fileBottomDepth;
    EXPECT_EQ(h.start, start);
    EXPECT_EQ(h.stop, stop);
    EXPECT_EQ(h.step, 0.5f);
    // las-js loses a value that stands between runs of blanks ("STRT.M   1020      :START DEPTH"), which
    // LAS 2.0 reads as the text from the first blank after the unit to the last colon. Where it read
    // one, it must be ours.
    for (const char* item : {"STRT", "STOP", "STEP"}) {
        const QString v = peer.well.value(item).toObject().value("value").toString();
        if (!v.isEmpty()) {
            EXPECT_EQ(v.toDouble(), item[2] == 'R' ? start : item[2] == 'O' ? stop : 0.5) << item;
        }
    }
    const double null = peer.well.value("NULL").toObject().value("value").toString().toDouble();
    EXPECT_FLOAT_EQ(float(null), elog::kLasNull);

    ASSERT_EQ(peer.rows.size(), 2 * (stop - start) + 1);
    EXPECT_EQ(Cell(peer.rows.first().toArray(), 0), start);
    EXPECT_EQ(Cell(peer.rows.last().toArray(), 0), stop);

    const int n = stop - start + 1;
    std::vector<wellfile::RECORD> records(std::size_t(n) + 1);
    wellfile::OpenWell well = s.well.file;
    ASSERT_EQ(wellfile::ReadRecords(well, records, well.dataFileName, start - well.fileTopDepth, n), n);
    int gasRows = 0, stations = 0;
    for (int k = 0; k < n; ++k) {
        const QJsonArray row = peer.rows[2 * k].toArray();
        ASSERT_EQ(row.size(), 78) << k;
        const wellfile::RECORD& r = records[std::size_t(k)];
        ASSERT_EQ(Cell(row, 0), r.depth);
        EXPECT_NEAR(Cell(row, 6), r.rateOne > 0.1f ? std::min(60.0 / r.rateOne, 900.0) : null, 0.051) << r.depth;
        double sum = 0;
        for (int i = 1; i <= 6; ++i) {
            const double test = r.testGas[i] > 0 ? r.testGas[i] : 1.0;
            const double c = ppm ? r.gas[i] / test * 10000.0 : r.gas[i];
            sum += c;
            if (i == 1) {
                EXPECT_NEAR(Cell(row, 39), c, 0.051) << r.depth;
            }
        }
        EXPECT_NEAR(Cell(row, 46), sum, 0.0051 + 1e-4 * std::abs(sum)) << r.depth;
        gasRows += r.gas[1] != 0;
        if (r.depth % 10 != 0 || k < 5) {
            EXPECT_EQ(Cell(row, 7), null) << r.depth;
        }
        if (k + 1 < n) {
            EXPECT_EQ(Cell(peer.rows[2 * k + 1].toArray(), 7), null) << r.depth;
        }
        // TVD, DEV, AZM and VS: the record's station on the row of its depth, else NULL (never a TVD of 0).
        const bool station = r.tvd > 0;
        stations += station;
        const std::array<double, 4> path{r.tvd, r.inclination, r.azimuth, std::trunc(r.verticalSection)};
        for (int half = 0; half < (k + 1 < n ? 2 : 1); ++half)
            for (int c = 0; c < 4; ++c)
                ASSERT_NEAR(Cell(peer.rows[2 * k + half].toArray(), 1 + c), station && !half ? path[c] : null, 0.051)
                    << r.depth << " column " << 2 + c;
    }
    EXPECT_GT(gasRows, n / 2);  // the gas of most depths reached the columns
    EXPECT_GT(stations, 5);
    // The SG of every row is the gravity of the C1 .. iC5 written beside it (columns 40-45, each to its
    // tenth: `slack` is what that rounding can move it).
    constexpr std::array<double, 6> gravity{0.554, 1.038, 1.523, 2.007, 2.007, 2.491};
    for (const QJsonValue& v : peer.rows) {
        double sum = 0, weighted = 0, slack = 0;
        for (std::size_t i = 0; i < 6; ++i)
            sum += std::abs(Cell(v.toArray(), 39 + int(i))), weighted += std::abs(Cell(v.toArray(), 39 + int(i))) * gravity[i];
        for (double g : gravity)
            slack += sum > 0 ? std::abs(g - weighted / sum) * 0.05 / sum : 0.0;
        ASSERT_NEAR(Cell(v.toArray(), 62), sum > 0 ? weighted / sum : 0.0, 0.0005 + slack + 1e-9) << Cell(v.toArray(), 0);
    }
}

TEST(LasPeer, TheMudlogExportedByTheCommandIsReadByLasJsAsOurRecordsSay)
{
    SKIP_WITHOUT_PEER();
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    app::LogState& s = window.State();
    const QString demo = ExportThroughTheCommand(window, 1020);
    const std::string demoText = testing_support::ReadBytes(demo).toStdString();
    // With Basic LAS the command writes the shorter custom curve set.
    s.well.config.basicLas = 1;
    const std::string basicText = testing_support::ReadBytes(ExportThroughTheCommand(window, 1020)).toStdString();
    s.well.config.basicLas = 0;

    const bool ppm = s.well.config.gasPercentMode != 0;
    // The same well as a well in metres with its gas as ppm of the test gas.
    s.well.loggerId = 4;
    s.well.config.gasPercentMode = !ppm;
    const std::string metricText = testing_support::ReadBytes(ExportThroughTheCommand(window, 2000)).toStdString();

    const auto peer = laspeer::Read({Write("demo.las", demoText), Write("metric.las", metricText), Write("basic.las", basicText)});
    ASSERT_TRUE(peer);
    CheckExport(demoText, (*peer)[0], s, 1020, ppm, "M");  // a feet profile's well in metres too
    CheckExport(metricText, (*peer)[1], s, 2000, !ppm, "M");
    EXPECT_EQ(Disagreement(basicText, (*peer)[2]), "");
    ASSERT_EQ((*peer)[2].rows.size(), 2 * (2600 - 1020));  // its last row is 2599.5, its STOP
    EXPECT_EQ(Cell((*peer)[2].rows.last().toArray(), 0), 2599.5);
    RecordProperty("peerRows", int((*peer)[0].rows.size() + (*peer)[1].rows.size() + (*peer)[2].rows.size()));
}

// A well of known values exported by the LAS command, without and with Basic LAS, and read by las-js:
// the gas gravity, the total gas, the mud weights, the weight on bit and the rate of a unit with none
// as worked out here by hand. Row 2k is depth 1020 + k and holds its record; row 2k + 1 the first half
// step of the record below.
TEST(LasPeer, AWellOfKnownValuesGivesTheGravityTotalMudWeightAndWeightOnBitWorkedOutByHand)
{
    SKIP_WITHOUT_PEER();
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_FALSE(testing_support::OpenNewWell(window, [](const QString& data) {
        std::vector<wellfile::RECORD> r;
        for (int d = 1000; d <= 1100; ++d)
            r.push_back(testing_support::ValidRecord(d, 2.0f, "100SH"));
        const auto set = [](float (&gas)[wellfile::GAS_COUNT], std::array<float, 7> c) {
            std::copy(c.begin(), c.end(), gas + 1);  // C1, C2, C3, iC4, nC4, iC5, nC5
        };
        set(r[20].gas, {30, 12, 6, 3, 2, 4, 9});    // 1020
        set(r[21].halfGas, {8, 4, 2, 1, 1, 2, 5});  // 1021, its first half step
        set(r[21].gas, {50, 20, 10, 5, 5, 10, 7});
        set(r[22].gas, {0, 40, 0, 0, 0, 0, 0});     // 1022: ethane alone
        r[21].weightOnBit[0] = 18;                  // byte 482: the first half step of 1021
        r[21].weightOnBit[1] = 25;                  // byte 486: its whole step
        r[23].mudWeightOut = 10.2f;                 // the first mud weights
        r[23].mudWeightIn = 9.6f;
        r[40].mudWeightOut = 11.5f;                 // the well's latest
        r[25].rateOne = r[25].rateOdd = 0.1f;       // 1025: no rate
        testing_support::WriteRecords(data + "KV.svm", r);
        return data + "KV.svm";
    }).isEmpty());
    app::LogState& s = window.State();
    s.well.config.gasPercentMode = 0;  // the components in the units they are stored in
    const std::string mudlog = testing_support::ReadBytes(ExportThroughTheCommand(window, 1020)).toStdString();
    s.well.config.basicLas = 1;
    const std::string basic = testing_support::ReadBytes(ExportThroughTheCommand(window, 1020)).toStdString();
    const auto peer = laspeer::Read({Write("known.las", mudlog), Write("knownbasic.las", basic)});
    ASSERT_TRUE(peer);
    ASSERT_EQ(Disagreement(mudlog, (*peer)[0]), "");
    ASSERT_EQ(Disagreement(basic, (*peer)[1]), "");
    const auto cell = [&](std::size_t file, int row, const char* mnemonic) {
        return Cell((*peer)[file].rows[row].toArray(), int((*peer)[file].mnemonics.indexOf(mnemonic)));
    };
    // The gravity of the gas on the same row: sum of component x gravity / sum of the components C1 .. iC5.
    EXPECT_NEAR(cell(0, 0, "SG"), (30 * 0.554 + 12 * 1.038 + 6 * 1.523 + 3 * 2.007 + 2 * 2.007 + 4 * 2.491) / 57, 0.0005);
    EXPECT_NEAR(cell(0, 1, "SG"), (8 * 0.554 + 4 * 1.038 + 2 * 1.523 + 1 * 2.007 + 1 * 2.007 + 2 * 2.491) / 18, 0.0005);
    EXPECT_NEAR(cell(0, 2, "SG"), (50 * 0.554 + 20 * 1.038 + 10 * 1.523 + 5 * 2.007 + 5 * 2.007 + 10 * 2.491) / 100, 0.0005);
    EXPECT_EQ(cell(0, 3, "SG"), 0.0);  // no gas
    EXPECT_EQ(cell(0, 4, "SG"), 1.038);
    // Weight on bit: 1021's first half step on the row of 1020.5, its whole step on the row of 1021.
    EXPECT_EQ(cell(0, 0, "WOB"), 0);
    EXPECT_EQ(cell(0, 1, "WOB"), 18);
    EXPECT_EQ(cell(0, 2, "WOB"), 25);
    for (std::size_t file : {0, 1}) {
        // Total gas C1 .. iC5: the record's whole step, the next record's first half on the half-step row.
        EXPECT_EQ(cell(file, 0, "TOT"), 30 + 12 + 6 + 3 + 2 + 4) << file;
        EXPECT_EQ(cell(file, 1, "TOT"), 8 + 4 + 2 + 1 + 1 + 2) << file;
        // Mud weights: 0 above the first ones measured (at 1023), then carried on.
        for (int row = 0; row < 30; ++row) {
            EXPECT_NEAR(cell(file, row, file ? "MUDWT" : "MUDWTOUT"), row < 6 ? 0.0 : 10.2, 1e-9) << row;
            EXPECT_NEAR(cell(file, row, "MUDWTIN"), row < 6 ? 0.0 : 9.6, 1e-6) << file << " " << row;
        }
        // 1025 has no rate: its rows are NULL, not 600 m/hr.
        for (int row = 8; row < 12; ++row) {
            const double none = file ? elog::kCustomLasNull : elog::kLasNull;
            EXPECT_NEAR(cell(file, row, file ? "ROP" : "ROP2"), row == 9 || row == 10 ? none : 30.0, 1e-4) << row;
        }
    }
}

}  // namespace
