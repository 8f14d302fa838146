#include "gasmon/channels.h"

#include <algorithm>
#include <cmath>

namespace gasmon {

namespace {

constexpr float kFullScale = 20000.0f;
constexpr std::array<float, 8> kRanges = {10000, 5000, 2500, 1250, 625, 313, 156, 78};
// Above this the TCP chromatograph's counts are not readings.
constexpr float kLargestTcpCount = 50000.0f;

}  // namespace

float SignedCount(float count) { return count >= kFullScale ? count - 65535.0f : count; }

float GainRangeOf(int code) { return kRanges[std::size_t(std::clamp(code, 0, int(kRanges.size()) - 1))]; }

AnswerChannels TakeChannels(int type, const std::uint16_t* r)
{
    AnswerChannels c;
    if (type == 7) {
        c.hw = r[0];
        c.ch = r[3];
        c.status = r[6] == 1 ? 1 : 0;
        c.co2 = float(r[9]) * 0.01f;
        c.injection = r[12];
        if (c.hw > kLargestTcpCount)
            c.hw = 0;
        if (c.ch > kLargestTcpCount)
            c.ch = 0;
        return c;
    }
    c.hw = r[0];
    c.ch = type == 1 ? r[1] : r[2];
    c.ch3 = r[4];
    c.ch4 = r[6];
    if (type == 1)
        c.co2 = r[4];
    c.hw = SignedCount(c.hw);
    c.ch = SignedCount(c.ch);
    c.ch3 = SignedCount(c.ch3);
    c.ch4 = SignedCount(c.ch4);
    return c;
}

float CorrectSriTotalGas(float totalGas, float reference, float a, float b, SriCorrection& out)
{
    out = {};
    if (!(b > 0 && b <= 2))
        return totalGas;
    out.k1 = b / 9.0f;
    out.k2 = a / 40.0f;
    out.r = reference > 0 ? totalGas / reference : 0.0f;
    const float r = out.r;
    if (r > 1 && r <= 10.5f)
        out.g = b < 1 ? 1 - (r - 1) * out.k1 : 1 + (r - 1) * out.k1;
    else if (r > 10.5f && a < 3)
        out.g = std::max(a < 1 ? (1 - b) - (r - 10.5f) * out.k2 : (r - 10.5f) * out.k2 + b + 1, 0.01f);
    if (r <= 1)
        return totalGas;
    return std::max(totalGas * out.g, 0.0f);
}

int CorrectionBand(float ratio)
{
    if (!std::isfinite(ratio) || ratio < 0)
        return 0;
    return ratio >= 19 ? 19 : int(ratio);  // compared first: a ratio past the range of int has no int value
}

}  // namespace gasmon
