// Writes the fuzz targets' seeds with the program's own writers: fuzzseeds <corpus folder>. The seeds
// are kept small (a short cut of the demo well) so that the corpus stays in git and a run over it takes
// seconds.
#include "fuzzhost.h"

#include "demo/demonotes.h"
#include "demo/demowell.h"
#include "elog/curverecord.h"
#include "elog/lasexport.h"
#include "elog/lasfiles.h"
#include "gasmon/chartfile.h"
#include "gasmon/gasfile.h"
#include "gasmon/gasmoncfg.h"
#include "gasmon/udplink.h"
#include "horizontal/horzsetup.h"
#include "layout/custchartcfg.h"
#include "layout/logcolours.h"
#include "layout/pentable.h"
#include "platform/folders.h"
#include "wellfile/lagrecord.h"
#include "wellfile/openwell.h"
#include "wellfile/profile.h"
#include "wellfile/record.h"
#include "wellfile/reportrecords.h"
#include "wellfile/settingsblock.h"
#include "wellfile/sidefiles_recent.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/wellpackage.h"
#include "wits/chartsettings.h"
#include "wits/custwitscfg.h"
#include "wits/dailyfile.h"

#include <QApplication>
#include <QtEndian>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <zip.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <cstring>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

QString g_out;

QByteArray Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Seed(const QString& target, const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(g_out + target);
    QFile f(g_out + target + u'/' + name);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write seed %s/%s\n", qPrintable(target), qPrintable(name));
}

// Side files of a well, as the well-open target names them.
const char* const kSideFiles[] = {".cfg", ".dbc", ".hdr", ".lag", ".rpt", ".sho", ".dst", ".top", ".ofc", ".svx",
                                  ".fit", ".clr", ".lfg", ".sch", ".grdx", ".svc", ".mem", ".qpt", ".hor",
                                  ".hxt"};

// The index of a side file in kSideFiles.
int SideKind(const char* ext)
{
    for (int k = 0; k < int(std::size(kSideFiles)); ++k)
        if (std::strcmp(kSideFiles[k], ext) == 0)
            return k;
    return -1;
}

template <class R>
QByteArray RecordBytes(const std::vector<R>& rows)
{
    return QByteArray(reinterpret_cast<const char*>(rows.data()), qsizetype(rows.size() * sizeof(R)));
}

// Report files as older stations wrote them, which the loads convert, and short reports whose slots
// were never converted.
std::vector<std::pair<int, QByteArray>> OldReportFiles()
{
    std::vector<wellfile::REPORT> daily(2);
    for (std::size_t i = 0; i < daily.size(); ++i) {
        daily[i].number = std::uint16_t(i + 1);
        daily[i].depth = std::uint16_t(1005 + i);
        std::strcpy(daily[i].date, " 6-2-1998");
        std::strcpy(daily[i].presentOperations, "DRILLING");
        daily[i].formationGas[5] = 1006;
    }
    std::vector<wellfile::OLDSHOWREPORT> shows(2);
    std::strcpy(shows[0].interval, " 1003 to  1006");
    shows[0].gasAbove[0] = 300;
    std::vector<wellfile::OLDDSTREPORT> tests(2);
    std::strcpy(tests[0].fromDepth, "1004");
    std::strcpy(tests[1].fromDepth, "1008");
    std::vector<wellfile::QREPORT> brief(2);
    brief[0].depth = 1004;
    brief[0].mechanicalSlot = 9;
    brief[1].depth = 1008;
    brief[1].mudSlot = 27;
    return {{SideKind(".rpt"), RecordBytes(daily)},
            {SideKind(".sho"), RecordBytes(shows)},
            {SideKind(".dst"), RecordBytes(tests)},
            {SideKind(".qpt"), RecordBytes(brief)}};
}

// The demo well cut to `records` records, with the side files the program's savers write for it.
std::vector<std::pair<QString, QByteArray>> DemoFiles(const QString& folder, int records)
{
    QDir().mkpath(folder);
    demo::MakeDemoWell(folder);
    wellfile::OpenWell well;
    well.dataFolder = well.currentFolder = folder;
    well.wellName = QString::fromLatin1(demo::kDemoWellName);
    layout::LfgBlock lfg{};
    layout::FillDefaultLfg(lfg);
    layout::SaveLfg(well, lfg);
    layout::PenTable pens = layout::DefaultPenTable({}, lfg);
    layout::SaveColours(well, pens);
    auto chart = std::make_unique<layout::CUSTCHARTCFGEX>();
    layout::WriteCustChartFile(folder + well.wellName + ".grdx", *chart);
    wellfile::LagRecord lag{};
    QFile lagFile(folder + well.wellName + ".lag");
    if (lagFile.open(QIODevice::WriteOnly))
        lagFile.write(reinterpret_cast<const char*>(&lag), sizeof lag);
    lagFile.close();

    std::vector<std::pair<QString, QByteArray>> files;
    files.push_back({".svm", Read(folder + well.wellName + ".svm").left(records * wellfile::kRecordSize)});
    for (const char* ext : kSideFiles) {
        QByteArray bytes = Read(platform::FindFileNoCase(folder, well.wellName + ext));
        if (bytes.isEmpty())
            continue;
        if (QByteArray(ext) == ".svx" || QByteArray(ext) == ".fit")
            bytes = bytes.left(bytes.size() / 1600 * records);  // the same depths as the data file
        files.push_back({ext, bytes.left(16 * 1024)});
    }
    return files;
}

void WellOpenSeeds(const QString& work)
{
    const auto files = DemoFiles(work + "demo/", 12);
    std::vector<std::pair<int, QByteArray>> parts;
    for (std::size_t i = 1; i < files.size(); ++i)
        for (int k = 0; k < int(std::size(kSideFiles)); ++k)
            if (files[i].first == kSideFiles[k])
                parts.push_back({k, files[i].second});
    Seed("wellopen", "demo-all-side-files", fuzzing::JoinParts(files[0].second, parts));
    Seed("wellopen", "demo-data-file-only", files[0].second);
    // A crash while the file grew: a torn last record.
    Seed("wellopen", "demo-torn-tail", files[0].second.left(5 * wellfile::kRecordSize + 100));
    // A curve file: record i holds depth i, gamma and PE from depth 10, the KB elevation in record 0.
    std::vector<elog::CurveRecord> curves(64);
    for (std::size_t i = 0; i < curves.size(); ++i) {
        curves[i].values[elog::SLOT_DEPTH] = float(i);
        curves[i].values[elog::SLOT_GAMMA] = i >= 10 ? float(30 + i) : 0.0f;
        curves[i].values[elog::SLOT_PE] = i == 0 ? 1234.5f : i >= 10 ? 3.0f : 0.0f;
    }
    const QByteArray svc(reinterpret_cast<const char*>(curves.data()), qsizetype(curves.size() * sizeof curves[0]));
    Seed("wellopen", "demo-with-svc", fuzzing::JoinParts(files[0].second.left(3 * wellfile::kRecordSize), {{15, svc}}));
    for (const auto& [kind, bytes] : parts)
        Seed("wellopen", QStringLiteral("demo-with%1").arg(kSideFiles[kind]).replace('.', '-'),
             fuzzing::JoinParts(files[0].second.left(3 * wellfile::kRecordSize), {{kind, bytes}}));
    Seed("wellopen", "demo-old-report-files", fuzzing::JoinParts(files[0].second, OldReportFiles()));
    // A horizontal set-up of the older layout (sections at the end) with markers, paths of another
    // station and a short one that is set aside.
    auto hor = std::make_unique<wellfile::HorzSetupRecord>();
    horizontal::ViewDefaults(*hor, 0);
    std::strcpy(hor->anchorGammaFile, "C:\\Strativ\\Wells\\Anchor.svc");
    hor->oldSections[0].startTvd = 100.0f;
    hor->oldSections[0].startMd = 1002.0f;
    hor->markers[3].symbolNumber = 4;
    hor->markerCount = 5;
    hor->anchorOffsetKb = -20;
    const QByteArray horBytes(reinterpret_cast<const char*>(hor.get()), qsizetype(sizeof *hor));
    Seed("wellopen", "demo-with-hor", fuzzing::JoinParts(files[0].second.left(3 * wellfile::kRecordSize),
                                                         {{SideKind(".hor"), horBytes}}));
    Seed("wellopen", "demo-with-short-hor",
         fuzzing::JoinParts(files[0].second.left(3 * wellfile::kRecordSize), {{SideKind(".hor"), horBytes.left(4096)}}));
    // Depth notes with a duplicate to drop and a torn tail; and a note file shorter than a record.
    std::vector<wellfile::HTEXTEX> notes = demo::DemoDepthNotes({});
    notes.push_back(notes[0]);
    const QByteArray hxt(reinterpret_cast<const char*>(notes.data()), qsizetype(notes.size() * sizeof notes[0]));
    Seed("wellopen", "demo-with-duplicate-hxt",
         fuzzing::JoinParts(files[0].second, {{SideKind(".hxt"), hxt + QByteArray(100, '\r')}}));
    Seed("wellopen", "demo-with-short-hxt",
         fuzzing::JoinParts(files[0].second.left(3 * wellfile::kRecordSize), {{SideKind(".hxt"), hxt.left(300)}}));
}

QByteArray Zip(const QString& path, const std::vector<std::pair<QString, QByteArray>>& entries, bool deflate)
{
    int err = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    if (!z)
        return {};
    for (const auto& [name, bytes] : entries) {
        zip_source_t* src = zip_source_buffer(z, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        const zip_int64_t i = zip_file_add(z, name.toUtf8().constData(), src, ZIP_FL_ENC_UTF_8);
        zip_set_file_compression(z, zip_uint64_t(i), deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    }
    zip_close(z);
    return Read(path);
}

void PackageSeeds(const QString& work)
{
    const auto files = DemoFiles(work + "pkg/", 6);
    std::vector<std::pair<QString, QByteArray>> entries;
    for (const auto& [ext, bytes] : files)
        entries.push_back({"FZ" + ext, ext == ".svm" || ext == ".hdr" || ext == ".cfg" ? bytes : bytes.left(600)});
    Seed("package", "well-deflated", Zip(work + "a.zip", {entries.begin(), entries.begin() + 4}, true));
    Seed("package", "well-stored", Zip(work + "b.zip", {entries.begin(), entries.begin() + 2}, false));
    Seed("package", "well-upper-case", Zip(work + "c.zip", {{"fz.SVM", entries[0].second}}, true));
    // The program's own packages and archives: a package at level 1, then an archive updated in place.
    QStringList paths;
    for (const auto& [name, bytes] : entries) {
        paths << work + "pkg/" + name;
        QFile f(paths.last());
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    if (wellfile::WritePackage(work + "d.sv8", paths, wellfile::kPackageLevel, wellfile::PackageWrite::Replace).ok)
        Seed("package", "written-package", Read(work + "d.sv8"));
    const auto archive = [&](const QStringList& files, wellfile::PackageWrite mode) {
        return wellfile::WritePackage(work + "e.zip", files, wellfile::kArchiveLevel, mode).ok;
    };
    if (archive(paths.mid(0, 3), wellfile::PackageWrite::Replace) &&
        archive(paths.mid(2), wellfile::PackageWrite::Update))
        Seed("package", "written-archive-updated", Read(work + "e.zip"));
}

void IniSeeds(const QString& work)
{
    const QString folder = work + "ini/";
    QDir().mkpath(folder);
    wellfile::SaveIni(folder, "/home/logger/StrativM/WELL-7.svm");
    wellfile::WindowPlacement placement{10, 20, 1290, 1000, false, 18};
    wellfile::SaveWindowPos(folder, placement, "Window", true);
    wellfile::RecentFiles recent;
    recent[0] = "/home/logger/StrativM/WELL-7.svm";
    recent[1] = "/media/usb/OFFSET.svm";
    wellfile::SaveRecent(folder, recent);
    const QByteArray store = "[INSTDIR]\nINSTALL%20DIR=/home/logger/StrativM\n[FIT]\nDATA=false\nEXTRECORDS=true\n"
                             "[Serial]\nCOM1=/dev/ttyUSB0\n";
    const QByteArray profiles = QByteArray(wellfile::kBuiltInProfileTable).left(1500);
    const QByteArray download(sizeof(wellfile::RemoteConfig), '\0');
    Seed("inifiles", "station",
         fuzzing::JoinParts(store, {{0, Read(folder + "startupM.ini")},
                                    {1, Read(folder + "StrativM.ini")},
                                    {2, Read(folder + "recentM.lst")},
                                    {3, profiles},
                                    {4, download}}));
    Seed("inifiles", "store-only", store);
}

void WitsSeeds(const QString& work)
{
    const QString folder = work + "wits/";
    QDir().mkpath(folder);
    // Frames as rigs send them: depths, pump pressure and gas, one marked by 1984, one without its lines.
    QByteArray frames;
    for (int i = 0; i < 6; ++i)
        frames += QStringLiteral("&&\r\n0108%1.%2\r\n0110%1.%2\r\n0121310\r\n0140%3\r\n!!\r\n")
                      .arg(1010 + i)
                      .arg(i * 2)
                      .arg(12.5 + i)
                      .toLatin1();
    frames += "&&\r\n1984\r\n0108101.0\r\n!!\r\n0108102.0\r\n0110102.0\r\n";
    // Gas readings no whole number holds, as a faulty feed sends them.
    frames += "&&\r\n01081017.0\r\n12111e20\r\n12121e20\r\n1213-3e12\r\n12173e9\r\n12183e38\r\n!!\r\n";
    wits::CUSTWITSCFG cfg{};
    wits::DefaultCustWitsConfig(cfg);
    wits::WriteCustWitsConfig(folder, "W", cfg);
    wits::WITSCHARTCFG chart{};
    wits::WriteConfig(folder + "W.wfg", chart);
    const QDate day(2026, 1, 15);
    std::vector<wellfile::WITSRECORD> samples(20);
    wits::WriteDailyRecords(folder + "daily.wit", day, samples.data(), int(samples.size()));
    Seed("wits", "frames", frames);
    Seed("wits", "frames-and-files",
         fuzzing::JoinParts(frames.left(120), {{0, "RUN\n1 2 3 400\n"},
                                               {1, "RUN\nC1 x 1500\nC2 x 300\nNC5 x 9\n"},
                                               {2, Read(platform::FindFileNoCase(folder, "custwits.cfg"))},
                                               {4, Read(folder + "W.wfg")},
                                               {5, Read(folder + "daily.wit").left(40 * 1024)}}));
}

// Scripts of the WITS server target (fuzz/witsserver.cpp): one byte an action, bit 3 the client.
struct ServerScript {
    QByteArray bytes;
    void Connect(int k) { bytes += char(k << 3); }
    // The text in pieces of the lengths the script can name (64 n + 1 bytes).
    void Send(int k, QByteArray text)
    {
        while (!text.isEmpty()) {
            const int units = std::min<int>(int(text.size() - 1) / 64, 15);
            bytes += char(units << 4 | k << 3 | 1);
            bytes += text.left(units * 64 + 1);
            text.remove(0, units * 64 + 1);
        }
    }
    void Close(int k, bool reset) { bytes += char((reset ? 0x10 : 0) | k << 3 | 2); }
    void Tick(int seconds) { bytes += char(seconds << 3 | 3); }
    void Flood(int k, int times)
    {
        bytes += char(k << 3 | 4);
        bytes += char(times);
    }
};

// A rig's frames to the server: whole, cut inside items, a client that goes in the middle of an item
// while a second one knocks and then takes its place, and a flood of a line that never ends.
void WitsServerSeeds()
{
    QByteArray frames;
    for (int i = 0; i < 4; ++i)
        frames += QStringLiteral("&&\r\n0108%1.5\r\n0110%1.5\r\n0121310\r\n0140%2\r\n!!\r\n")
                      .arg(1030 + i)
                      .arg(20 + i)
                      .toLatin1();
    ServerScript whole;
    whole.Connect(0);
    whole.Send(0, frames);
    whole.Tick(6);
    whole.Close(0, false);
    whole.Tick(6);
    Seed("witsserver", "one-client", whole.bytes);

    ServerScript cut;
    cut.Connect(0);
    cut.Send(0, frames.left(7));   // "&&\r\n010": an item cut in its code
    cut.Tick(1);
    cut.Send(0, frames.mid(7, 30));
    cut.Connect(1);                // knocks while the first is served
    cut.Send(0, frames.mid(37, 9));
    cut.Close(0, false);           // goes in the middle of an item
    cut.Tick(2);
    cut.Connect(1);
    cut.Send(1, frames.mid(20));
    cut.Tick(6);
    cut.Close(1, true);
    cut.Tick(6);
    Seed("witsserver", "cut-items-and-a-second-client", cut.bytes);

    ServerScript flood;
    flood.Connect(0);
    flood.Send(0, QByteArray(961, '7'));
    flood.Flood(0, 80);  // past the bound of the waiting text
    flood.Send(0, "\r\n" + frames);
    flood.Tick(6);
    Seed("witsserver", "flood", flood.bytes);
}

// A polled device's answers: depths climbing through whole units, pump pressure, total gas and the
// components of the gas modes, one answer without its frame lines. The first byte is the link's mode
// and settings (mode in the low two bits, 0x04 tracks depth).
void CustWitsSeeds()
{
    QByteArray answers;
    for (int i = 0; i < 8; ++i)
        answers += QStringLiteral("&&\r\n0108%1.%2\r\n0110%1.%2\r\n0121510\r\n0140%3\r\n1212%4\r\n1213%5\r\n"
                                  "1214%6\r\n1215 5\r\n1216 5\r\n1217 1\r\n!!\r\n")
                       .arg(1040 + i / 2)
                       .arg(i * 3 % 10)
                       .arg(100 + 5 * i)
                       .arg(50 + i)
                       .arg(20 + i)
                       .arg(10)
                       .toLatin1();
    answers += "0108103.0\r\n0110103.0\r\n0139 1045\r\n";
    Seed("custwits", "depths", QByteArray(1, char(0x04 | 1)) + answers);
    Seed("custwits", "gas-mode", QByteArray(1, char(0x04 | 0x10 | 2)) + answers);
    Seed("custwits", "bloodhound-profile23", QByteArray(1, char(0x40 | 0x08 | 3)) + answers);
    Seed("custwits", "vendor-unmanned", QByteArray(1, char(0x20 | 0x04 | 0)) + answers.left(300));
}

QByteArray UdpPacket(float hole, float bit, float gas, std::int32_t flag)
{
    QByteArray b(gasmon::kUdpPacketSize, '\0');
    std::memcpy(b.data(), "StrativM", 8);
    const auto put = [&](int at, auto v) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &v, 4);
        qToLittleEndian<quint32>(bits, b.data() + at);
    };
    put(8, hole);
    put(12, bit);
    put(32, gas);
    put(36, flag);
    return b;
}

void GasSeeds(const QString& work)
{
    const QString folder = work + "gas/";
    QDir().mkpath(folder);
    // Answers of a type 3 instrument: register blocks with the hot wire and chromatograph counts.
    QByteArray answers(1, char(2));
    for (int i = 0; i < 4; ++i) {
        std::array<std::uint16_t, 25> r{};
        r[0] = std::uint16_t(1000 + 100 * i);
        r[2] = std::uint16_t(500 + 50 * i);
        r[4] = 250;
        answers += QByteArray(reinterpret_cast<const char*>(r.data()), int(sizeof r));
    }
    gasmon::GASMONCFG cfg{};
    gasmon::ApplyFirstSetupDefaults(cfg, 3);
    gasmon::WriteGasmonCfg(cfg, {folder, {}});
    const QDate day(2026, 1, 15);
    gasmon::ChartPlace place;
    place.chartFolder = folder + "chart/";
    place.wellName = "ALPHA";
    QDir().mkpath(place.chartFolder);
    std::vector<gasmon::CHARTRECORD> chart(10);
    for (int i = 0; i < 10; ++i)
        chart[std::size_t(i)] = gasmon::PresetChartRecord(day, 100 + i);
    const QString dayFile = gasmon::ChartFileName(place.chartFolder, "ALPHA", day);
    gasmon::WriteChartRecords(place, chart.data(), int(chart.size()), dayFile);
    const QString gasFile = folder + "ALPHA.gas";
    for (int i = 0; i < 5; ++i) {
        gasmon::GASRECORD g{};
        gasmon::AppendGasRecord(gasFile, g);
    }
    Seed("gasmon", "answers", answers);
    Seed("gasmon", "answers-and-files",
         fuzzing::JoinParts(answers, {{0, Read(platform::FindFileNoCase(folder, "gasmon.cfg"))},
                                      {1, UdpPacket(1020, 1020, 15, 1)},
                                      {1, UdpPacket(1021, 1021, 25, 0).left(30)},
                                      {1, UdpPacket(1021, 1021, 25, 0).mid(30)},
                                      {2, "RUN 12\r\nC1, 12 34.5\r\nIC4 x 7.25\r\nNC4 x 3\r\nAIR 1 3.5\r\n"},
                                      {3, "12.5 3.25 1.5 0.75 0.5 0.25 0.125 0.0625\r\n"},
                                      {4, Read(dayFile).left(16 * 1024)},
                                      {5, Read(gasFile)}}));
}

}  // namespace

// LAS files as the mudlog export writes them and as wireline programs do (bottom up, commas, a ~P
// block); depths in feet, the short well's unit.
void LasSeeds()
{
    std::vector<wellfile::RECORD> records(12);
    std::vector<wellfile::CUSTDATAREC> custom(12);
    std::vector<tracks::ElogRow> rows(1100);
    for (std::size_t k = 0; k < rows.size(); ++k)
        rows[k][1] = float(k % 150);
    for (int k = 0; k <= 10; ++k)
        records[std::size_t(k)].depth = 1020 + k;
    tracks::ElogView view;
    view.rows = rows;
    elog::LasInput in;
    in.records = records;
    in.custom = custom;
    in.count = 11;
    in.start = 1020;
    in.curves = &view;
    elog::LasSettings settings;
    float mudWeight = 0;
    Seed("lasfile", "mudlog-export", QByteArray(1, char(9)) + QByteArray::fromStdString(elog::BuildLasText(in, settings, mudWeight)));
    QByteArray wireline = "~Version\r\nVERS. 2.0 :\r\nWRAP. NO :\r\n~Well\r\nSTRT.F 1030 :\r\nSTOP.F 1020 :\r\n"
                          "STEP.F -0.5 :\r\nNULL. -999.25 :\r\nEKB.F 250.0 :\r\n~Curve\r\nDEPT.F :\r\nGR.GAPI :\r\n"
                          "DPHI.% : # percent\r\nILD.OHMM :\r\nTVD.F :\r\n~Parameter\r\nBS.IN 8.5 :\r\n~Other\r\nnotes\r\n~A\r\n";
    for (int k = 0; k <= 20; ++k)
        wireline += QByteArray::number(1030 - k * 0.5, 'f', 1) + "," + QByteArray::number(60 + k) + ",2" + QByteArray::number(k % 10) +
                    ",,1" + QByteArray::number(k) + "," + QByteArray::number(1025 - k * 0.5, 'f', 1) + "\r\n";
    Seed("lasfile", "wireline-bottom-up", QByteArray(1, char(0x80)) + wireline);
    // The mudlog import takes the export back: its first byte maps targets 1-26 onto the first columns.
    Seed("mudlog", "mudlog-export", QByteArray(1, char(0x81)) + QByteArray::fromStdString(elog::BuildLasText(in, settings, mudWeight)));
}

// The import tests' LAS files whose depths reach into the short well (1020 to 1060): mudlogs at whole,
// half, fifth and tenth steps, service runs, decimal commas; every second one with the FIT data option.
void MudlogSeeds()
{
    int k = 0;
    for (const lasfiles::LasFile& file : lasfiles::ImportTestFiles()) {
        if (!file.name.starts_with("mudlog") && !file.name.starts_with("service run") && file.name != "comma decimals")
            continue;
        const char first = char((k % 2 ? 0x80 : 0) | (3 * k));
        ++k;
        QString name = QString::fromStdString(file.name);
        name.replace(u' ', u'-');
        Seed("mudlog", name, QByteArray(1, first) + QByteArray::fromStdString(file.text));
    }
}

// A base cut from the demo well and partials cut from its further records: one going on from the bottom,
// one with a gap before it, one replacing from inside, one torn, one starting above the base.
void PartialSeeds(const QString& work)
{
    const QByteArray all = DemoFiles(work + "partials/", 30)[0].second;
    const auto records = [&](int from, int count) {
        return all.mid(from * wellfile::kRecordSize, count * wellfile::kRecordSize);
    };
    const QByteArray base = records(0, 12);
    Seed("partials", "continued", fuzzing::JoinParts(base, {{0, records(12, 6)}}));
    Seed("partials", "gap-and-inside", fuzzing::JoinParts(base, {{0, records(20, 4)}, {1, records(6, 3)}}));
    Seed("partials", "torn-early-and-no-base",
         fuzzing::JoinParts(records(5, 10), {{0, records(12, 2).left(700)}, {0, records(0, 3)}, {2, records(1, 2)}}));
}

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzzseeds <corpus folder>\n");
        return 2;
    }
    g_out = QFile::decodeName(argv[1]) + u'/';
    QTemporaryDir work;
    platform::SetFolderRoots({work.path() + "/docs", work.path() + "/config", work.path() + "/home"});
    WellOpenSeeds(work.path() + u'/');
    PackageSeeds(work.path() + u'/');
    IniSeeds(work.path() + u'/');
    WitsSeeds(work.path() + u'/');
    GasSeeds(work.path() + u'/');
    CustWitsSeeds();
    WitsServerSeeds();
    LasSeeds();
    MudlogSeeds();
    PartialSeeds(work.path() + u'/');
    return 0;
}
