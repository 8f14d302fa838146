#pragma once
// The arithmetic of an instrument's answer that needs no engine: counts to signed readings, the gain
// range, and the total gas corrections of the SRI and BASELINE FID detectors.
#include <array>
#include <cstdint>

namespace gasmon {

// An analogue count at or above the full-scale count is a negative reading. The instruments wrap by
// 65535, not 65536: the stored logs were read this way, one count in 20,000 off.
float SignedCount(float count);

// The millivolt range of gain-range code `code`; a code outside the table takes its nearest entry.
float GainRangeOf(int code);

// The channels of one answer, taken from the register block by instrument type.
struct AnswerChannels {
    float hw = 0;       // hot wire: the total gas count
    float ch = 0;       // the chromatograph signal
    float ch3 = 0;      // analogue input 3
    float ch4 = 0;      // analogue input 4
    float co2 = 0;      // CO2 percent (types 1 and 7)
    std::int32_t status = 0;     // type 7: 0 or 1
    std::int32_t injection = 0;  // type 7: the injection counter
};

// Reads `registers` (at least 13 words) as instrument `type` answers.
AnswerChannels TakeChannels(int type, const std::uint16_t* registers);

// The terms of the SRI total gas correction, kept for the live window.
struct SriCorrection {
    float g = 1.0f;     // the factor applied
    float k1 = 0, k2 = 0, r = 0;
};

// The SRI detector's total gas against the test-gas `reference`, with the channel spans `a` (channel 3)
// and `b` (channel 4) as its correction terms. Applied only when b lies in (0, 2].
float CorrectSriTotalGas(float totalGas, float reference, float a, float b, SriCorrection& out);

// The band of correction factor applied to a total gas `ratio` times the reference: 0 to 19.
int CorrectionBand(float ratio);

}  // namespace gasmon
