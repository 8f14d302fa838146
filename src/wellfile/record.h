#pragma once
// The depth record: one 616-byte record per depth step. The data file (".svm") is a bare array of them
// with no header; record i lies at byte i x 616 and has depth first depth + i x depth step.
//
// The layout is a file format shared with every station that ever wrote a data file: packed, little
// endian, some floats at odd offsets. Every offset any code relies on is asserted below. Fields whose
// meaning no routine interprets are kept as bytes (or as the type others read them as) and carried
// unchanged through every read and rewrite.
//
// A record is zeroed on construction; every routine that builds a record starts from a zeroed one.
// Packed members: read and assign them by value, never bind a reference or pointer to one.
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace wellfile {

constexpr int kRecordSize = 616;

// Positions in the two gas blocks (full step at 28, first half step at 416).
enum GasIndex : int { GAS_TG = 0, GAS_C1, GAS_C2, GAS_C3, GAS_IC4, GAS_NC4, GAS_IC5, GAS_NC5,
                      GAS_NINTH /* CO2 as booked by the gas monitor, WITS and mudlog import */, GAS_TENTH,
                      GAS_COUNT };
// Positions in the test-gas block at 68.
enum TestGasIndex : int { TEST_TG = 0, TEST_C1, TEST_C2, TEST_C3, TEST_IC4, TEST_NC4, TEST_IC5, TEST_NC5,
                          TEST_COUNT };

// A colour member holding this value (the system colour bit with no index) is "no colour" to some
// painters; 0x80000000 + n is system colour n, anything else an RGB value.
constexpr std::uint32_t kSystemColourBit = 0x80000000u;

#pragma pack(push, 1)
struct RECORD {
    // offset | meaning
    std::int32_t depth = 0;            //   0 depth, whole units; 0 ends every walk of a record buffer
    float rateOdd = 0;                 //   4 rate of the first half step ("Odd M"), minutes per unit
    float rateOne = 0;                 //   8 rate of the whole step ("One M"), minutes per unit
    float rate2Ft = 0;                 //  12 rate per two units ("2Ft"), minutes per unit
    std::uint16_t outlineNarrow = 0;   //  16 interval outline code, narrow position (letter code)
    std::uint16_t outlineWide = 0;     //  18 interval outline code, wide position (letter code)
    std::uint16_t fluorQuality = 0;    //  20 fluorescence quality 't' 'p' 'f' 'g'; first record: a window setting
    std::uint16_t porosity = 0;        //  22 porosity rating letter; first record: reserved (file month)
    std::uint16_t fluorPercent = 0;    //  24 fluorescence percent; first record: reserved (file day)
    std::uint16_t cutRating = 0;       //  26 cut rating 0..10 or letter; first record: reserved (file year)
    float gas[GAS_COUNT] = {};         //  28 gas of the whole step (TG, C1..NC5, ninth, tenth); < 0 = labelled
    float testGas[TEST_COUNT] = {};    //  68 test-gas (calibration) values in force at this depth
    std::uint16_t gasScale = 0;        // 100 gas scale code of this depth
    float surveyMeasuredDepth = 0;     // 102 measured depth of a survey (written by the survey import)
    std::uint16_t wellNumber = 0;      // 106 first record: reserved (well number); others: unused
    char lith[30] = {};                // 108 lithology text (LithString), at most 29 characters
    char interpretedLith[30] = {};     // 138 interpreted lithology; FIRST record: the logging-company text
    std::uint8_t unused168[20] = {};   // 168
    float gamma[5] = {};               // 188 gamma at five sub-steps ("Gam1".."Gam5")
    float gammaStep = 0;               // 208 sample interval of the gamma (0.2 for five samples)
    float resistivityA[5] = {};        // 212 real-time resistivity 1 samples (MWD slots A)
    float resistivityAStep = 0;        // 232 their sample interval
    std::uint8_t curve236[20] = {};    // 236 further curve-import values
    std::uint16_t slide = 0;           // 256 1 slide, 0 rotate
    std::uint16_t rateScale = 0;       // 258 rate scale code (per-hour list)
    std::uint16_t temperatureScale = 0;  // 260 fourth scale code
    std::uint16_t chromatographScale = 0;  // 262 third scale code (gas percent / chromatograph)
    std::int32_t indexWord = 0;        // 264 index word; -1 means none (set by record builders)
    float azimuth = 0;                 // 268 degrees
    float inclination = 0;             // 272 degrees; -999.25 marks a projected station
    float tvd = 0;                     // 276 true vertical depth; > 0 marks a survey station
    std::int32_t bottomDepth = 0;      // 280 FIRST record: the file's bottom depth; others: a marker depth
    float resistivityB[5] = {};        // 284 real-time resistivity 2 samples (MWD slots B)
    float resistivityBStep = 0;        // 304 their sample interval
    std::uint8_t curve308[6] = {};     // 308
    std::uint16_t chromatographRule = 0;  // 314 10 turns off the profile rule of the chromatograph track
    std::uint8_t curve316[6] = {};     // 316
    std::uint16_t minutesScale = 0;    // 322 rate scale code (minutes list)
    std::uint32_t ratingColour = 0;    // 324 colour of the rating columns
    float custom1 = 0;                 // 328 custom data 1
    float custom2 = 0;                 // 332 custom data 2
    std::uint8_t unused336[4] = {};    // 336
    std::int32_t word340 = 0;          // 340 written by drilling mode
    float mudWeightIn = 0;             // 344
    float mudWeightOut = 0;            // 348
    float co2 = 0;                     // 352 CO2 percent as entered
    std::uint16_t hardness = 0;        // 356 hardness (calcimeter) percent
    std::uint16_t flareLength = 0;     // 358 0 none
    std::uint32_t fluorColour = 0;     // 360 colour of the fluorescence columns
    std::uint16_t tripCode = 0;        // 364 2 connection, 3 casing point, 4/5 trip, 0 none
    char shortText[15] = {};           // 366 flare text, at most 14 characters; first record: reserved
    std::uint8_t unused381[4] = {};    // 381
    float lagTime = 0;                 // 385 lag time at this depth, minutes
    float verticalSection = 0;         // 389
    std::uint8_t unused393[4] = {};    // 393
    float dogLeg = 0;                  // 397 dog-leg severity
    std::uint8_t unused401[4] = {};    // 401
    std::uint32_t hardnessColour = 0;  // 405 colour of the hardness column
    std::int32_t interfaceSteps = 0;   // 409 depth interface step count
    std::uint16_t maxGasScale = 0;     // 413 custom gas curve maximum from this depth on (above 8)
    std::uint8_t surveyEntry = 0;      // 415 survey-entry flag
    float halfGas[GAS_COUNT] = {};     // 416 gas of the first half step, order as `gas`
    std::uint8_t unused456[2] = {};    // 456
    float rtGamma[5] = {};             // 458 real-time gamma samples; 458 and 462 are curve values A and B
    float rtGammaStep = 0;             // 478 their sample interval
    float weightOnBit[2] = {};         // 482 first half step, 486 whole step
    std::uint16_t torqueAvg[2] = {};   // 490 drilling values of the two samples
    std::uint16_t torqueMax[2] = {};   // 494
    std::uint16_t pumpPressureAvg[2] = {};  // 498
    std::uint16_t pumpPressureMax[2] = {};  // 502
    std::uint8_t unused506[110] = {};  // 506
};
#pragma pack(pop)

static_assert(sizeof(RECORD) == kRecordSize);
static_assert(std::is_trivially_copyable_v<RECORD> && std::is_standard_layout_v<RECORD>);

#define STRATIVM_RECORD_AT(field, offset) static_assert(offsetof(RECORD, field) == (offset), #field)
STRATIVM_RECORD_AT(depth, 0);
STRATIVM_RECORD_AT(rateOdd, 4);
STRATIVM_RECORD_AT(rateOne, 8);
STRATIVM_RECORD_AT(rate2Ft, 12);
STRATIVM_RECORD_AT(outlineNarrow, 16);
STRATIVM_RECORD_AT(outlineWide, 18);
STRATIVM_RECORD_AT(fluorQuality, 20);
STRATIVM_RECORD_AT(porosity, 22);
STRATIVM_RECORD_AT(fluorPercent, 24);
STRATIVM_RECORD_AT(cutRating, 26);
STRATIVM_RECORD_AT(gas, 28);
STRATIVM_RECORD_AT(gas[GAS_NC5], 56);
STRATIVM_RECORD_AT(gas[GAS_NINTH], 60);
STRATIVM_RECORD_AT(gas[GAS_TENTH], 64);
STRATIVM_RECORD_AT(testGas, 68);
STRATIVM_RECORD_AT(testGas[TEST_C1], 72);
STRATIVM_RECORD_AT(testGas[TEST_NC5], 96);
STRATIVM_RECORD_AT(gasScale, 100);
STRATIVM_RECORD_AT(surveyMeasuredDepth, 102);
STRATIVM_RECORD_AT(wellNumber, 106);
STRATIVM_RECORD_AT(lith, 108);
STRATIVM_RECORD_AT(interpretedLith, 138);
STRATIVM_RECORD_AT(unused168, 168);
STRATIVM_RECORD_AT(gamma, 188);
STRATIVM_RECORD_AT(gamma[4], 204);
STRATIVM_RECORD_AT(gammaStep, 208);
STRATIVM_RECORD_AT(resistivityA, 212);
STRATIVM_RECORD_AT(resistivityA[4], 228);
STRATIVM_RECORD_AT(resistivityAStep, 232);
STRATIVM_RECORD_AT(slide, 256);
STRATIVM_RECORD_AT(rateScale, 258);
STRATIVM_RECORD_AT(temperatureScale, 260);
STRATIVM_RECORD_AT(chromatographScale, 262);
STRATIVM_RECORD_AT(indexWord, 264);
STRATIVM_RECORD_AT(azimuth, 268);
STRATIVM_RECORD_AT(inclination, 272);
STRATIVM_RECORD_AT(tvd, 276);
STRATIVM_RECORD_AT(bottomDepth, 280);
STRATIVM_RECORD_AT(resistivityB, 284);
STRATIVM_RECORD_AT(resistivityB[4], 300);
STRATIVM_RECORD_AT(resistivityBStep, 304);
STRATIVM_RECORD_AT(chromatographRule, 314);
STRATIVM_RECORD_AT(minutesScale, 322);
STRATIVM_RECORD_AT(ratingColour, 324);
STRATIVM_RECORD_AT(custom1, 328);
STRATIVM_RECORD_AT(custom2, 332);
STRATIVM_RECORD_AT(word340, 340);
STRATIVM_RECORD_AT(mudWeightIn, 344);
STRATIVM_RECORD_AT(mudWeightOut, 348);
STRATIVM_RECORD_AT(co2, 352);
STRATIVM_RECORD_AT(hardness, 356);
STRATIVM_RECORD_AT(flareLength, 358);
STRATIVM_RECORD_AT(fluorColour, 360);
STRATIVM_RECORD_AT(tripCode, 364);
STRATIVM_RECORD_AT(shortText, 366);
STRATIVM_RECORD_AT(unused381, 381);
STRATIVM_RECORD_AT(lagTime, 385);
STRATIVM_RECORD_AT(verticalSection, 389);
STRATIVM_RECORD_AT(dogLeg, 397);
STRATIVM_RECORD_AT(hardnessColour, 405);
STRATIVM_RECORD_AT(interfaceSteps, 409);
STRATIVM_RECORD_AT(maxGasScale, 413);
STRATIVM_RECORD_AT(surveyEntry, 415);
STRATIVM_RECORD_AT(halfGas, 416);
STRATIVM_RECORD_AT(halfGas[GAS_IC4], 432);
STRATIVM_RECORD_AT(halfGas[GAS_NC5], 444);
STRATIVM_RECORD_AT(unused456, 456);
STRATIVM_RECORD_AT(rtGamma, 458);
STRATIVM_RECORD_AT(rtGamma[1], 462);
STRATIVM_RECORD_AT(rtGammaStep, 478);
STRATIVM_RECORD_AT(weightOnBit, 482);
STRATIVM_RECORD_AT(weightOnBit[1], 486);
STRATIVM_RECORD_AT(torqueAvg, 490);
STRATIVM_RECORD_AT(torqueAvg[1], 492);
STRATIVM_RECORD_AT(torqueMax, 494);
STRATIVM_RECORD_AT(pumpPressureAvg, 498);
STRATIVM_RECORD_AT(pumpPressureMax, 502);
STRATIVM_RECORD_AT(pumpPressureMax[1], 504);
STRATIVM_RECORD_AT(unused506, 506);
#undef STRATIVM_RECORD_AT

// The rating letters of porosity, cut and fluorescence as numbers: 't' (tight, trace) 1, 'p' 2, 'f' 3,
// 'g' 4; anything else 0. RatingLetter is the way back (0 outside 1..4).
constexpr int RatingValue(std::uint16_t letter)
{
    switch (letter) {
    case 't': return 1;
    case 'p': return 2;
    case 'f': return 3;
    case 'g': return 4;
    default: return 0;
    }
}

constexpr std::uint16_t RatingLetter(int value)
{
    constexpr std::uint16_t kLetters[] = {0, 't', 'p', 'f', 'g'};
    return value >= 1 && value <= 4 ? kLetters[value] : 0;
}

}  // namespace wellfile
