#pragma once
// The real-time gas chart's settings record: "SVCHART.cfg" in the data folder, 1,024 bytes, read into a
// caller's copy, changed and written back whole, so the reserved bytes a station wrote are carried over.
#include <QRect>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace gasmon {

constexpr int kChartSettingsSize = 1024;

#pragma pack(push, 1)
struct ChartSettings {
    // offset | meaning
    std::int32_t scaleIndex = 0;    //  0 0-6 into the full scales 100, 250, 500, 1000, 2000, 5000, 10000
    std::int32_t windowTop = 0;     //  4 screen y
    std::int32_t windowLeft = 0;    //  8 screen x
    std::int32_t windowWidth = 0;   // 12
    std::int32_t windowHeight = 0;  // 16
    std::int32_t logScale = 0;      // 20 non-zero: logarithmic
    std::uint8_t reserved[1000] = {};  // 24 zero in a new record, carried over by a rewrite
};
#pragma pack(pop)

static_assert(sizeof(ChartSettings) == kChartSettingsSize);
static_assert(std::is_trivially_copyable_v<ChartSettings>);
static_assert(offsetof(ChartSettings, windowTop) == 4);
static_assert(offsetof(ChartSettings, windowLeft) == 8);
static_assert(offsetof(ChartSettings, windowWidth) == 12);
static_assert(offsetof(ChartSettings, windowHeight) == 16);
static_assert(offsetof(ChartSettings, logScale) == 20);
static_assert(offsetof(ChartSettings, reserved) == 24);

// The settings file of the data folder (found whatever its letter case).
QString ChartSettingsPath(const QString& dataFolder);

// Zeroes `settings`, then fills it from the settings file when that exists, opens and is at most 1,024
// bytes long (a shorter one fills its length). 1 when read, else 0: nothing of a longer file is taken.
int ReadChartCfg(const QString& dataFolder, ChartSettings& settings);

// Writes the 1,024 bytes whole (a failed write leaves the old file); false when that failed.
bool WriteChartCfg(const QString& dataFolder, const ChartSettings& settings);

// Where the chart window opens from a record read: a top at or below the screen's height becomes 100,
// with a single screen a left beyond the screen's width becomes 20, a width or height under 250 becomes
// 250.
QRect PlaceChartWindow(const ChartSettings& settings, int screenWidth, int screenHeight, int screens);

}  // namespace gasmon
