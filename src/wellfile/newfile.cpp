#include "wellfile/newfile.h"

#include "platform/text.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace wellfile {

std::int32_t NewFileFirstDepth(std::int32_t startDepth)
{
    const std::int32_t d = std::max<std::int32_t>(startDepth - 20, 10);
    return d - d % 10;
}

void NewFileTestGas(const NewFileSource& s, float (&testGas)[TEST_COUNT])
{
    std::fill(std::begin(testGas), std::end(testGas), 0.0f);
    const auto fill = [&testGas](float first, float rest) {
        testGas[0] = first;
        std::fill(testGas + 1, testGas + 8, rest);
    };
    const std::uint16_t p = s.loggerId;
    if (p == 134 || p == 35 || p == 66 || p == 88 || s.gasInstrumentType == 11 || s.gasInstrumentType == 6) {
        fill(1.0f, 100.0f);
        return;
    }
    if (p == 23) {
        fill(1.0f, 50.0f);
        return;
    }
    if (s.haveLastRecord && s.gasInstrumentType != 11 && s.lastTestGas[1] >= 50.0f) {
        std::copy(s.lastTestGas, s.lastTestGas + 8, testGas);
        return;
    }
    const float defaults[8] = {AlternateFormatProfile(p) ? 50.0f : 1.0f, 100, 140, 110, 85, 75, 40, 40};
    std::copy(std::begin(defaults), std::end(defaults), testGas);
}

std::vector<RECORD> NewFileRecords(const NewFileInfo& info, const NewFileSource& source)
{
    const std::int32_t first = NewFileFirstDepth(info.startDepth);
    const std::int32_t last = std::max(info.startDepth, first);
    std::vector<RECORD> records(std::size_t(last - first + 1));
    float testGas[TEST_COUNT];
    NewFileTestGas(source, testGas);
    for (std::size_t i = 0; i < records.size(); ++i) {
        RECORD& r = records[i];
        r.depth = first + std::int32_t(i);
        r.rateOdd = r.rateOne = r.rate2Ft = 0.1f;
        platform::SetFieldText(r.lith, "100BL");
        if (i > 0)
            platform::SetFieldText(r.interpretedLith, "100BL");
        r.indexWord = -1;
        r.minutesScale = std::uint16_t(info.rateScale);
        r.gasScale = std::uint16_t(info.gasScale);
        r.slide = 0;
        r.rateScale = r.temperatureScale = r.chromatographScale = 1;
        std::copy(std::begin(testGas), std::end(testGas), r.testGas);
    }
    RECORD& head = records.front();
    platform::SetFieldText(head.interpretedLith, source.companyText);
    if (source.date.isValid()) {
        head.porosity = std::uint16_t(source.date.month());
        head.fluorPercent = std::uint16_t(source.date.day());
        head.cutRating = std::uint16_t(source.date.year());
    }
    return records;
}

WellConfig NewWellConfig(const WellConfig& old)
{
    WellConfig c = old;
    std::memset(static_cast<void*>(c.elogOffsets), 0, sizeof c.elogOffsets);
    std::memset(static_cast<void*>(c.offsetWells), 0, sizeof c.offsetWells);
    c.lagSettings = LagRecord{};
    c.lastDstReportText = 0;
    c.lastShowReportText = 0;
    c.lastPrintedDepth = 0;
    c.viewTopDepth = 0;
    // The running values start again: counters cleared, the hotwire, gas-via-WITS, live-update and
    // auto-slide flags on, two seconds a unit at least, the curve scale back to 4.
    std::memset(c.running40, 0, sizeof c.running40);
    c.hotwire = 1;
    c.sendGasViaWits = 1;
    c.copyOptions.copyOut = 1;
    c.disableAutoSlide = 1;
    const std::uint16_t minSeconds = 2;  // a 16-bit word: the upper half of the field is kept
    std::memcpy(reinterpret_cast<char*>(&c) + offsetof(WellConfig, minSecondsPerUnit), &minSeconds, sizeof minSeconds);
    c.curveSetting = 4;
    return c;
}

}  // namespace wellfile
