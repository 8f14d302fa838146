// The rebuild of the step rings from the data file's last records, when drilling starts and when the lag
// or the file's depths change.
#include "drilling/driller.h"

#include "drilling/logtime.h"
#include "drilling/strokes.h"
#include "platform/services.h"
#include "wellfile/datafile.h"

#include <new>
#include <vector>

namespace drilling {

namespace {

constexpr int kMaxRecordsRead = 1199;
constexpr int kLowestStartIndex = 10;
// Below this depth above the file's first depth no automatic correction of the lag depth runs.
constexpr int kCorrectionStart = 20;

const QString kInvalidValue = QStringLiteral("Invalid Value in data file,\nRun Check File Errors");

}  // namespace

int Driller::LoadLagRecords(float startClock)
{
    const DrillingWindow w = Window();
    wellfile::OpenWell& well = Well();
    STROKES* strokes = Strokes();
    if (strokes && time_)
        time_->lagCorrectionSeconds = 0;
    const std::int32_t step = well.depthStep > 0 ? well.depthStep : 1;
    const std::int32_t first = well.fileTopDepth;
    const std::int32_t bottom = well.fileBottomDepth;
    const int units = (bottom - first) / step;
    const int count = std::min(kStepSlots / step + 1, units);
    const std::int32_t endDepth = bottom - bottom % 2;
    if (endDepth < first)
        return 1;

    std::vector<wellfile::RECORD> records;
    try {
        records.resize(std::size_t(std::max(count, 0)) + 10);
    } catch (const std::bad_alloc&) {
        platform::MessageBox(QStringLiteral("Memory Error"), QStringLiteral("ERROR"));
        return 0;
    }
    const int startIndex = std::max(int(float(units) - float(count) * 0.5f), kLowestStartIndex);
    const int read = count > 0 ? wellfile::ReadRecords(well, records, well.dataFileName, startIndex,
                                                       std::min(count, kMaxRecordsRead))
                               : 0;
    // Records with a gap or out of the file's range would put wrong depths into the rings: none are taken.
    bool valid = read > 0 && records[0].depth >= first;
    for (int i = 1; valid && i < read; ++i)
        valid = records[std::size_t(i)].depth == records[std::size_t(i - 1)].depth + step;
    if (!valid) {
        if (read > 0)
            platform::MessageBox(kInvalidValue, QStringLiteral("File Error"));
        ClearStepTables();
        rebuilding = 0;
        return 0;
    }

    float depth = float(records[0].depth) + 1.0f;
    if (startClock >= 0)
        lagClock = startClock;
    const float lagTime = time_ ? time_->lagTime : 0.0f;
    const float lagPerUnit = bottom != 0 ? lagTime / float(bottom) : 0.0f;
    newUnits = 0;
    if (time_)
        time_->lagCorrectionSeconds = 0;
    rebuilding = 1;
    ClearStepTables();
    rate = 0;

    int slot = 0;
    int last = -1;  // the slot written last
    const auto addEntry = [&](float at, float minutes) {
        const auto i = std::size_t(slot);
        tables.depth[i] = at;
        tables.minutes[i] = minutes;
        lagClock += minutes;
        if (!strokes) {
            tables.clock[i] = std::max(lagClock, 0.0f);
            tables.lagTime[i] = lagPerUnit * at;
        } else {
            strokes->strokeCount += minutes * strokes->spmSum;
            tables.clock[i] = std::max(strokes->strokeCount * strokes->meanOutput, 0.0f);
            tables.volume[i] = LagVolume(lag_, at, true);
        }
        last = slot;
        slot = (slot + 1) % kStepSlots;
    };
    for (int r = 1; r < read; ++r) {
        const wellfile::RECORD& record = records[std::size_t(r)];
        addEntry(depth, record.rateOdd * 0.5f);
        addEntry(depth + 0.5f, record.rateOne * 0.5f);
        depth += 1.0f;
        ++newUnits;
        if (record.depth >= endDepth)
            break;
    }

    const std::int32_t unitSeconds = time_ ? time_->unitSeconds : 0;
    if (!strokes) {
        lagClock += float(unitSeconds) / 60.0f;
    } else if (last >= 0) {
        strokes->pumpedVolume = strokes->volumeBase = tables.clock[std::size_t(last)];
        LagVolume(lag_, tables.depth[std::size_t(last)], true);
        strokes->pumpedVolume += float(unitSeconds) / 60.0f * flow;
        strokes->strokeBase = strokes->strokeCount;
    }
    stepIndex = slot;

    if (!w.lagDepthFromWits) {
        if (strokes && strokes->lagStrokes > 0)
            strokes->CheckLagAlarm(false);
        else if (time_ && time_->lagTime > 0)
            time_->UpdateLagDepth(false);
    }
    rebuilding = 0;

    const std::int32_t kept = host_.KeptCorrectLagDepth();
    const bool lagKnown = strokes ? last >= 0 && tables.volume[std::size_t(last)] > 0 : lagTime > 0;
    if (lagKnown && lagDepth > float(first + kCorrectionStart) && lagDepth < float(kept - 2))
        CorrectLagDepth(false);
    return 1;
}

}  // namespace drilling
