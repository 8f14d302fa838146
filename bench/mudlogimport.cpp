// The mudlog import of a 20,000-record range of our own LAS export (40,000 half-step rows of 78 curves)
// into a 20,000-record well: the text parsed and its 26 depth-record targets filled in memory, and the
// whole import of the file into the well's data file and ".svx" (read whole, replaced together).
#include "elog/lasexport.h"
#include "elog/lasread.h"
#include "elog/mudlogimport.h"
#include "elog/mudlogtargets.h"
#include "loggedrecords.h"
#include "wellfile/customdata.h"
#include "wellfile/wholefile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

namespace {

constexpr int kRecords = 20000;
constexpr int kFirst = 1000;

struct Import {
    std::vector<wellfile::RECORD> records = LoggedRecords(kRecords, kFirst);
    std::vector<wellfile::CUSTDATAREC> custom = std::vector<wellfile::CUSTDATAREC>(kRecords);
    std::string text;
    elog::LasHeader header;
    std::array<std::int32_t, elog::kMudlogMapEntries> map{};
    QTemporaryDir dir;
    wellfile::OpenWell well;
    wellfile::FitFile fit;
    QString lasPath;

    Import()
    {
        for (int i = 0; i < kRecords; ++i)
            custom[std::size_t(i)].depth = float(kFirst + i);
        // The export reads a zeroed record after the last.
        std::vector<wellfile::RECORD> out = records;
        std::vector<wellfile::CUSTDATAREC> outCustom = custom;
        out.emplace_back();
        outCustom.emplace_back();
        elog::LasInput in;
        in.records = out;
        in.custom = outCustom;
        in.count = kRecords;
        in.start = kFirst;
        elog::LasSettings settings;
        float mudWeight = 0;
        text = elog::BuildLasText(in, settings, mudWeight);
        elog::LasHeaderExtra extra;
        lasPath = dir.filePath(QStringLiteral("W.las"));
        elog::ReadLasHeaderText(text, lasPath, header, extra);
        for (int t = 1; t <= elog::kMudlogRecordTargets; ++t)
            map[std::size_t(t)] = t + 1;
        well.dataFolder = well.currentFolder = dir.path() + u'/';
        well.wellName = QStringLiteral("W");
        well.dataFileName = well.currentFolder + QStringLiteral("W.svm");
        well.fileTopDepth = kFirst;
        well.fileBottomDepth = kFirst + kRecords - 1;
    }
    bool WriteFiles() const
    {
        return wellfile::WriteWholeFile(lasPath, text.data(), text.size()) &&
               wellfile::WriteWholeFile(well.dataFileName, records.data(), records.size() * sizeof(wellfile::RECORD)) &&
               wellfile::WriteWholeFile(well.currentFolder + QStringLiteral("W.svx"), custom.data(),
                                        custom.size() * sizeof(wellfile::CUSTDATAREC));
    }
};

void BM_ImportMudlogText(benchmark::State& state)
{
    Import im;
    const elog::MudlogInterval interval = elog::MudlogIntervalOf(im.header, im.well.fileTopDepth, im.well.fileBottomDepth);
    for (auto _ : state) {
        std::vector<wellfile::RECORD> records = im.records;
        std::vector<wellfile::CUSTDATAREC> custom = im.custom;
        elog::MudlogRecords files{records, custom, {}};
        const elog::MudlogTextResult r = elog::ImportMudlogText(im.text, im.header, im.map, interval, files);
        if (r.lastDepth != im.well.fileBottomDepth)
            state.SkipWithError("the import stopped short");
        benchmark::DoNotOptimize(records.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(im.text.size()));
    state.counters["file_MB"] = double(im.text.size()) / 1e6;
}
BENCHMARK(BM_ImportMudlogText)->Unit(benchmark::kMillisecond);

// The import command's work on the files: the LAS file, the data file and the ".svx" read whole, the
// text imported, and the two well files replaced together.
void BM_ImportMudlogFile(benchmark::State& state)
{
    Import im;
    if (!im.WriteFiles())
        state.SkipWithError("could not write the well");
    for (auto _ : state)
        if (elog::ImportMudlogFile(im.well, im.fit, im.lasPath, im.header, im.map) != 1)
            state.SkipWithError("the import failed");
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(im.text.size()));
}
BENCHMARK(BM_ImportMudlogFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
