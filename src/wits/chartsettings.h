#pragma once
// The WITS history chart's settings: four charts side by side, each with two curves chosen from 18 WITS
// values, kept per well in the 1,024-byte file well name + ".wfg" of the data folder. The chart works
// from four working blocks of the file's layout, filled from the file (or the defaults) with their pixel
// columns and scales worked out; the file itself keeps what was last written to it.
//
// Packed little-endian byte images; every offset is asserted below.
#include "platform/gdi.h"
#include "wellfile/witsrecord.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace wits {

constexpr int kChartCount = 4;
constexpr int kChartDataCount = 18;  // data indexes 0..17

#pragma pack(push, 1)
struct WitsChartBlock {
    float scale[2];                 //   0 pixels per unit of curve 1 and 2
    float minimum[2];               //   8
    float maximum[2];               //  16
    std::int32_t left;              //  24 left pixel column of the chart
    std::int32_t right;             //  28 right pixel column
    std::int32_t scaleLeft;         //  32 where both curves' scales start: the left column again
    float blockWidth;               //  36 pixels
    std::int32_t blockCount;        //  40
    std::int32_t direction[2];      //  44 1 normal, 0 reversed
    std::uint32_t colour[2];        //  52 never read or written by the chart
    std::uint8_t reserved60[16];    //  60
    std::uint16_t dataIndex[2];     //  76 kChartDataNames
    std::uint8_t reserved80[4];     //  80
    char label[2][20];              //  84 zero-terminated
    std::uint8_t reserved124[60];   // 124
};

struct WITSCHARTCFG {
    std::int32_t windowLeft;        //   0 the chart window, screen pixels
    std::int32_t windowTop;         //   4
    std::int32_t windowWidth;       //   8
    std::int32_t windowHeight;      //  12
    WitsChartBlock chart[kChartCount];  // 16, 200, 384, 568
    std::uint8_t reserved752[272];  // 752
};
#pragma pack(pop)

static_assert(sizeof(WitsChartBlock) == 184);
static_assert(std::is_trivially_copyable_v<WitsChartBlock> && std::is_standard_layout_v<WitsChartBlock>);
static_assert(offsetof(WitsChartBlock, scale) == 0);
static_assert(offsetof(WitsChartBlock, minimum) == 8);
static_assert(offsetof(WitsChartBlock, maximum) == 16);
static_assert(offsetof(WitsChartBlock, left) == 24);
static_assert(offsetof(WitsChartBlock, right) == 28);
static_assert(offsetof(WitsChartBlock, scaleLeft) == 32);
static_assert(offsetof(WitsChartBlock, blockWidth) == 36);
static_assert(offsetof(WitsChartBlock, blockCount) == 40);
static_assert(offsetof(WitsChartBlock, direction) == 44);
static_assert(offsetof(WitsChartBlock, colour) == 52);
static_assert(offsetof(WitsChartBlock, reserved60) == 60);
static_assert(offsetof(WitsChartBlock, dataIndex) == 76);
static_assert(offsetof(WitsChartBlock, reserved80) == 80);
static_assert(offsetof(WitsChartBlock, label) == 84);
static_assert(offsetof(WitsChartBlock, reserved124) == 124);

static_assert(sizeof(WITSCHARTCFG) == 1024);
static_assert(std::is_trivially_copyable_v<WITSCHARTCFG> && std::is_standard_layout_v<WITSCHARTCFG>);
static_assert(offsetof(WITSCHARTCFG, windowLeft) == 0);
static_assert(offsetof(WITSCHARTCFG, windowTop) == 4);
static_assert(offsetof(WITSCHARTCFG, windowWidth) == 8);
static_assert(offsetof(WITSCHARTCFG, windowHeight) == 12);
static_assert(offsetof(WITSCHARTCFG, chart) == 16);
static_assert(offsetof(WITSCHARTCFG, chart) + sizeof(WitsChartBlock) == 200);
static_assert(offsetof(WITSCHARTCFG, chart) + 3 * sizeof(WitsChartBlock) == 568);
static_assert(offsetof(WITSCHARTCFG, reserved752) == 752);

using ChartBlocks = std::array<WitsChartBlock, kChartCount>;

// The "Data" list of the settings dialog, by data index.
extern const std::array<const char*, kChartDataCount> kChartDataNames;

// Bounds a block count and width from the file are held to, so that a damaged file cannot ask for a
// huge chart image: 1..100 blocks of 1..100 pixels, and no chart wider than 1,000 pixels.
constexpr int kMaxChartBlocks = 100;
constexpr float kMaxBlockWidth = 100.0f;
constexpr int kMaxChartPixels = 1000;

// Data folder + well name + ".wfg".
QString ChartSettingsFileName(const QString& dataFolder, const QString& wellName);

// When the file exists, zeroes `record` and reads the file into it if it is exactly 1,024 bytes long.
// True when it was read.
bool ReadConfig(const QString& path, WITSCHARTCFG& record);
// Replaces the file with `record` through a temporary file; false (the old file kept) when that fails.
bool WriteConfig(const QString& path, const WITSCHARTCFG& record);

// Pixel columns: chart 1 starts at column 10, each chart is its block count times its block width
// wide, and the next one starts one block width after it ends, all truncated to whole pixels.
void WorkOutColumns(ChartBlocks& blocks);
// Pixels per unit of a curve: the chart's width over the curve's range, 1.0 for an empty range.
float CurveScale(const WitsChartBlock& block, int curve);
void WorkOutScales(ChartBlocks& blocks);

// Sets the defaults (every chart 20 blocks of `rowHeight` pixels) in the blocks and the record, with
// the chart window at the main window's client left + 10, client bottom - 450, client width - 300 and
// 400 high, and writes the file.
void DefaultSettings(const QString& path, int rowHeight, const platform::RECT& mainClient, WITSCHARTCFG& record,
                     ChartBlocks& blocks);
// Fills the working blocks from the file, or from the defaults when there is no readable file (they
// are written at once). Maximums of 0 or less read as 100; block counts and widths are held to the
// bounds above in the working blocks only. True when the file was read.
bool LoadSettings(const QString& path, int rowHeight, const platform::RECT& mainClient, WITSCHARTCFG& record,
                  ChartBlocks& blocks);

// The chart under client column `x`: the first whose left column < x < its right column; chart 0 when
// none is.
int ChartAt(const ChartBlocks& blocks, int x);

// Keeps what the settings dialog changed in the working blocks: each chart's block count and width and
// each curve's minimum, maximum, data index, direction and label go into the record, with the scales the
// block's current columns give. The record's columns stay as they were.
void StoreWorkingBlocks(const ChartBlocks& blocks, WITSCHARTCFG& record);

// The curve's label (at most 19 characters).
QString CurveLabel(const WitsChartBlock& block, int curve);

// The value a curve of data index `dataIndex` plots for each of `count` samples, before scaling. An
// index outside 0..17 plots nothing: every value 0.
std::vector<float> CurveValues(const wellfile::WITSRECORD* samples, int count, int dataIndex, float minimum);

// Width of the chart image: chart 4's right column + 10.
int ChartImageWidth(const ChartBlocks& blocks);

}  // namespace wits
