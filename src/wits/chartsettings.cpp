#include "wits/chartsettings.h"

#include "platform/text.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace wits {

const std::array<const char*, kChartDataCount> kChartDataNames{
    "WOB",  "PP",         "RPM",     "TORQUE",    "SPM",      "SPM2",    "SPM3",          "TOT SPM", "FLOW",
    "PIT VOLUME", "TOT GAS", "ROP MIN/M", "ROP M/HR", "BLOCKHT", "HOOKLOAD", "CHROMATOGRAPH", "GAMMA", "WITS PERCENT",
};

namespace {

constexpr int kFirstColumn = 10;

struct CurveDefault {
    int dataIndex;
    const char* label;
    float maximum;
};
// Curve 1 and curve 2 of each chart; every minimum is 0 and every curve normal.
constexpr CurveDefault kDefaults[kChartCount][2] = {
    {{0, "WOB", 100}, {2, "RPM", 200}},
    {{7, "TOTAL SPM", 200}, {1, "PP", 4000}},
    {{8, "FLOW", 200}, {9, "PIT VOL", 3000}},
    {{3, "TORQUE", 1000}, {10, "TOTAL GAS", 2000}},
};

// Holds a block's count and width to sane bounds; a width that is no number becomes 1.
void HoldBlocks(WitsChartBlock& b)
{
    float width = b.blockWidth;
    if (!std::isfinite(width) || width < 1.0f)
        width = 1.0f;
    width = std::min(width, kMaxBlockWidth);
    int count = std::clamp(int(b.blockCount), 1, kMaxChartBlocks);
    const int fit = std::max(1, int(float(kMaxChartPixels) / width));
    b.blockWidth = width;
    b.blockCount = std::min(count, fit);
}

}  // namespace

QString ChartSettingsFileName(const QString& dataFolder, const QString& wellName)
{
    return QDir(dataFolder).filePath(wellName + QStringLiteral(".wfg"));
}

bool ReadConfig(const QString& path, WITSCHARTCFG& record)
{
    if (!QFileInfo::exists(path))
        return false;
    std::memset(&record, 0, sizeof record);
    return wellfile::ReadExactFile(path, &record, sizeof record);
}

bool WriteConfig(const QString& path, const WITSCHARTCFG& record)
{
    return wellfile::WriteWholeFile(path, &record, sizeof record);
}

void WorkOutColumns(ChartBlocks& blocks)
{
    int left = kFirstColumn;
    for (WitsChartBlock& b : blocks) {
        const float width = b.blockWidth;
        b.left = left;
        b.right = int(float(left) + float(b.blockCount) * width);
        b.scaleLeft = left;
        left = int(float(b.right) + width);
    }
}

float CurveScale(const WitsChartBlock& b, int curve)
{
    const float range = b.maximum[curve] - b.minimum[curve];
    if (!(range > 0.0f))
        return 1.0f;
    return float(b.right - b.left) / range;
}

void WorkOutScales(ChartBlocks& blocks)
{
    for (WitsChartBlock& b : blocks)
        for (int c = 0; c < 2; ++c)
            b.scale[c] = CurveScale(b, c);
}

void DefaultSettings(const QString& path, int rowHeight, const platform::RECT& mainClient, WITSCHARTCFG& record,
                     ChartBlocks& blocks)
{
    // 20 blocks of one row height each; a row height past 50 would make a chart wider than the bound.
    const float width = float(std::clamp(rowHeight, 1, kMaxChartPixels / 20));
    for (int k = 0; k < kChartCount; ++k) {
        WitsChartBlock& b = blocks[k];
        std::memset(&b, 0, sizeof b);
        b.blockWidth = width;
        b.blockCount = 20;
        for (int c = 0; c < 2; ++c) {
            const CurveDefault& d = kDefaults[k][c];
            b.minimum[c] = 0.0f;
            b.maximum[c] = d.maximum;
            b.direction[c] = 1;
            b.dataIndex[c] = std::uint16_t(d.dataIndex);
            platform::SetFieldText(b.label[c], d.label);
        }
    }
    WorkOutColumns(blocks);
    WorkOutScales(blocks);

    std::memset(&record, 0, sizeof record);
    for (int k = 0; k < kChartCount; ++k)
        record.chart[k] = blocks[k];
    record.windowLeft = mainClient.left + 10;
    record.windowTop = mainClient.bottom - 450;
    record.windowWidth = mainClient.Width() - 300;
    record.windowHeight = 400;
    WriteConfig(path, record);  // a file that cannot be written is not reported: the defaults still hold
}

bool LoadSettings(const QString& path, int rowHeight, const platform::RECT& mainClient, WITSCHARTCFG& record,
                  ChartBlocks& blocks)
{
    if (!ReadConfig(path, record)) {
        DefaultSettings(path, rowHeight, mainClient, record, blocks);
        return false;
    }
    for (int k = 0; k < kChartCount; ++k) {
        WitsChartBlock& b = blocks[k];
        b = record.chart[k];
        for (int c = 0; c < 2; ++c) {
            if (!std::isfinite(b.minimum[c]))
                b.minimum[c] = 0.0f;
            if (!(b.maximum[c] > 0.0f) || !std::isfinite(b.maximum[c]))
                b.maximum[c] = 100.0f;
        }
        HoldBlocks(b);
    }
    WorkOutColumns(blocks);
    WorkOutScales(blocks);
    return true;
}

int ChartAt(const ChartBlocks& blocks, int x)
{
    for (int k = 0; k < kChartCount; ++k)
        if (blocks[k].left < x && x < blocks[k].right)
            return k;
    return 0;
}

void StoreWorkingBlocks(const ChartBlocks& blocks, WITSCHARTCFG& record)
{
    for (int k = 0; k < kChartCount; ++k) {
        const WitsChartBlock& from = blocks[k];
        WitsChartBlock& to = record.chart[k];
        to.blockCount = from.blockCount;
        to.blockWidth = from.blockWidth;
        for (int c = 0; c < 2; ++c) {
            to.minimum[c] = from.minimum[c];
            to.maximum[c] = from.maximum[c];
            to.dataIndex[c] = from.dataIndex[c];
            to.direction[c] = from.direction[c];
            std::memcpy(to.label[c], from.label[c], sizeof to.label[c]);
            to.label[c][sizeof to.label[c] - 1] = '\0';
            to.scale[c] = CurveScale(from, c);
        }
    }
}

QString CurveLabel(const WitsChartBlock& block, int curve)
{
    return platform::FieldString(block.label[curve]);
}

std::vector<float> CurveValues(const wellfile::WITSRECORD* samples, int count, int dataIndex, float minimum)
{
    std::vector<float> values(std::size_t(std::max(count, 0)), 0.0f);
    if (dataIndex < 0 || dataIndex >= kChartDataCount)
        return values;
    const float wholeMinimum = std::trunc(minimum);
    for (int i = 0; i < count; ++i) {
        const wellfile::WITSRECORD s = samples[i];
        float v = 0.0f;
        switch (dataIndex) {
        case 0: v = float(s.wob) - minimum; break;
        case 1: v = float(s.pumpPressure) - minimum; break;
        case 2: v = float(s.rpm) - wholeMinimum; break;
        case 3: v = float(s.torque) - minimum; break;
        case 4: v = float(s.spm1) - minimum; break;
        case 5: v = float(s.spm2) - minimum; break;
        case 6: v = float(s.spm3) - minimum; break;
        case 7: v = float(int(s.spm1) + int(s.spm2) + int(s.spm3)); break;  // the full sum, whatever the minimum
        case 8: v = float(s.flow) - minimum; break;
        case 9: v = s.pitVolume - minimum; break;
        case 10: v = s.totalGas - minimum; break;
        case 11: v = s.rop / 60.0f - minimum; break;
        case 12: v = s.rop - minimum; break;
        case 13: v = float(s.blockHeight) - minimum; break;
        case 14: v = s.item0115 - minimum; break;
        case 15:
            v = float(s.gasMonitorValue) - minimum;
            if (v < 3.0f)
                v = 0.0f;
            break;
        case 16: v = float(s.gamma) - minimum; break;
        case 17: v = s.witsPercent - minimum; break;
        }
        values[std::size_t(i)] = v;
    }
    return values;
}

int ChartImageWidth(const ChartBlocks& blocks)
{
    return blocks[kChartCount - 1].right + 10;
}

}  // namespace wits
