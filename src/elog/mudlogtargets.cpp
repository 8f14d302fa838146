#include "elog/mudlogtargets.h"

#include <algorithm>
#include <iterator>

namespace elog {

namespace {

using F = MudlogFill;

// By target number less one. Record offsets are those of wellfile::RECORD; the gas blocks hold TG,
// C1 .. NC5 four bytes apart, the half-step block 388 bytes after the full-step one.
constexpr MudlogTarget kTargets[kMudlogTargets] = {
    {"ROP", F::Rop, 500, 8, 4, -1, 0},  // 1
    {"TOTGAS", F::TotalGas, 1000000, 28, 416, -1, 0},
    {"C1", F::Chromatograph, 1000000, 32, 420, -1, 0},
    {"C2", F::Chromatograph, 1000000, 36, 424, -1, 0},
    {"C3", F::Chromatograph, 1000000, 40, 428, -1, 0},
    {"IC4", F::Chromatograph, 1000000, 44, 432, -1, 0},
    {"NC4", F::Chromatograph, 1000000, 48, 436, -1, 0},
    {"IC5", F::Chromatograph, 1000000, 52, 440, -1, 0},
    {"NC5", F::Chromatograph, 1000000, 56, 444, -1, 0},
    {"CO2", F::Single, 1000, 60, 352, -1, 0},  // 10: drawn at 60, kept as the record's CO2 at 352
    {"GAMMA", F::FiveSamples, 1000000, 188, 208, -1, 0},
    {"TVD", F::Survey, 30000, 276, -1, -1, 0},
    {"AZM", F::Survey, 360, 268, -1, -1, 0},
    {"INCL", F::Survey, 360, 272, -1, -1, 0},
    {"VERT SECT", F::Survey, 20000, 389, -1, -1, 0},
    {"DOG LEG", F::Survey, 360, 397, -1, -1, 0},
    {"PP (avg) ", F::TwoU16, 1000000, 498, 500, -1, 0},
    {"PP_(max) ", F::TwoU16, 1000000, 502, 504, -1, 0},
    {"WOB", F::Wob, 1000000, 482, 486, 28, 200000},
    {"RPM", F::CustomOnly, 1000, -1, -1, 32, 1000},  // 20
    {"TORQ (avg)", F::TwoU16, 1000000, 490, 492, 24, 50000},
    {"TORQ (max)", F::TwoU16, 1000000, 494, 496, -1, 0},
    {"CUSTOM", F::Single, 100000, 328, -1, -1, 0},
    {"CUSTOM2", F::Single, 100000, 332, -1, -1, 0},
    {"RES Shallow", F::FiveSamples, 1000000, 212, 232, -1, 0},
    {"RES Deep", F::FiveSamples, 1000000, 284, 304, -1, 0},
    {"RESERVE", F::Reserved, 0, -1, -1, -1, 0},
    {"RESERVE", F::Reserved, 0, -1, -1, -1, 0},
    {"RESERVE", F::Reserved, 0, -1, -1, -1, 0},
    {"RESERVE", F::Reserved, 0, -1, -1, -1, 0},  // 30
    {"FIT THC", MudlogFill::Ext, 0, -1, -1, -1, 0},  // 31
    {"FIT C1", MudlogFill::Ext, 0, 358, -1, -1, 0},  // 32
    {"FIT C2", MudlogFill::Ext, 0, 362, -1, -1, 0},  // 33
    {"FIT C3", MudlogFill::Ext, 0, 366, -1, -1, 0},  // 34
    {"FIT C4", MudlogFill::Ext, 0, 370, -1, -1, 0},  // 35
    {"FIT C5", MudlogFill::Ext, 0, 374, -1, -1, 0},  // 36
    {"FIT C6", MudlogFill::Ext, 0, 378, -1, -1, 0},  // 37
    {"FIT C7", MudlogFill::Ext, 0, 382, -1, -1, 0},  // 38
    {"FIT C8", MudlogFill::Ext, 0, 386, -1, -1, 0},  // 39
    {"FIT C9", MudlogFill::Ext, 0, 390, -1, -1, 0},  // 40
    {"FIT C10", MudlogFill::Ext, 0, 394, -1, -1, 0},  // 41
    {"FIT CO2", MudlogFill::Ext, 0, 398, -1, -1, 0},  // 42
    {"FIT N2", MudlogFill::Ext, 0, 402, -1, -1, 0},  // 43
    {"FIT Benzene", MudlogFill::Ext, 0, 406, -1, -1, 0},  // 44
    {"FIT Toluene", MudlogFill::Ext, 0, 410, -1, -1, 0},  // 45
    {"FIT C3 OBM", MudlogFill::Ext, 0, 414, -1, -1, 0},  // 46
    {"FIT C4 OBM", MudlogFill::Ext, 0, 418, -1, -1, 0},  // 47
    {"FIT C5 OBM", MudlogFill::Ext, 0, 422, -1, -1, 0},  // 48
    {"FIT C6 OBM", MudlogFill::Ext, 0, 426, -1, -1, 0},  // 49
    {"FIT C7 OBM", MudlogFill::Ext, 0, 430, -1, -1, 0},  // 50
    {"FIT C8 OBM", MudlogFill::Ext, 0, 434, -1, -1, 0},  // 51
    {"FIT C9 OBM", MudlogFill::Ext, 0, 438, -1, -1, 0},  // 52
    {"FIT SUL1", MudlogFill::Ext, 0, 442, -1, -1, 0},  // 53
    {"FIT SUL2", MudlogFill::Ext, 0, 446, -1, -1, 0},  // 54
    {"FIT SUL3", MudlogFill::Ext, 0, 450, -1, -1, 0},  // 55
    {"FIT SUL4", MudlogFill::Ext, 0, 454, -1, -1, 0},  // 56
    {"FIT Arom", MudlogFill::Ext, 0, 458, -1, -1, 0},  // 57
    {"FIT Naph", MudlogFill::Ext, 0, 314, -1, -1, 0},  // 58
    {"FIT Para", MudlogFill::Ext, 0, 318, -1, -1, 0},  // 59
    {"FIT Hydrogen", MudlogFill::Ext, 0, 322, -1, -1, 0},  // 60
    {"FIT Helium", MudlogFill::Ext, 0, 326, -1, -1, 0},  // 61
    {"FIT O2", MudlogFill::Ext, 0, 330, -1, -1, 0},  // 62
    {"FIT Argon", MudlogFill::Ext, 0, 334, -1, -1, 0},  // 63
    {"FIT H2O", MudlogFill::Ext, 0, 338, -1, -1, 0},  // 64
    {"FIT Air_1", MudlogFill::Ext, 0, 342, -1, -1, 0},  // 65
    {"FIT Air_2", MudlogFill::Ext, 0, 346, -1, -1, 0},  // 66
    {"FIT C2calc", MudlogFill::Ext, 0, 350, -1, -1, 0},  // 67
    {"FIT RAW_NAPH", MudlogFill::Ext, 0, 354, -1, -1, 0},  // 68
    {"FIT NormC1", MudlogFill::Ext, 0, -1, -1, -1, 0},  // 69
    {"FIT NormC4", MudlogFill::Ext, 0, 8, -1, -1, 0},  // 70
    {"FIT NormC7", MudlogFill::Ext, 0, 12, -1, -1, 0},  // 71
    {"FIT NormBen_Tol", MudlogFill::Ext, 0, 16, -1, -1, 0},  // 72
    {"FIT Arom_cHex", MudlogFill::Ext, 0, 20, -1, -1, 0},  // 73
    {"FIT Ben_cHex", MudlogFill::Ext, 0, 24, -1, -1, 0},  // 74
    {"FIT NormHE", MudlogFill::Ext, 0, 28, -1, -1, 0},  // 75
    {"FIT NormH", MudlogFill::Ext, 0, 32, -1, -1, 0},  // 76
    {"FIT NormCO2", MudlogFill::Ext, 0, 36, -1, -1, 0},  // 77
    {"FIT NormCO2pp", MudlogFill::Ext, 0, 40, -1, -1, 0},  // 78
    {"FIT NormBen", MudlogFill::Ext, 0, -1, -1, -1, 0},  // 79
    {"FIT NormTol", MudlogFill::Ext, 0, 48, -1, -1, 0},  // 80
    {"FIT NormN2", MudlogFill::Ext, 0, 52, -1, -1, 0},  // 81
    {"FIT NormO2", MudlogFill::Ext, 0, 56, -1, -1, 0},  // 82
    {"FIT NormAr", MudlogFill::Ext, 0, 60, -1, -1, 0},  // 83
    {"FIT XYLENE", MudlogFill::Ext, 0, 64, -1, -1, 0},  // 84
    {"FIT HC", MudlogFill::Ext, 0, 68, -1, -1, 0},  // 85
    {"FIT PERM RATIO", MudlogFill::Ext, 0, 72, -1, -1, 0},  // 86
    {"FIT GO", MudlogFill::Ext, 0, 76, -1, -1, 0},  // 87
    {"FIT TL", MudlogFill::Ext, 0, 80, -1, -1, 0},  // 88
    {"FIT PERCENT GAS", MudlogFill::Ext, 0, 84, -1, -1, 0},  // 89
    {"FIT TOT GAS", MudlogFill::Ext, 0, 88, -1, -1, 0},  // 90
    {"FIT NC4", MudlogFill::Ext, 0, 310, -1, -1, 0},  // 91
    {"FIT NC4_C1", MudlogFill::Ext, 0, 92, -1, -1, 0},  // 92
    {"FIT NC6", MudlogFill::Ext, 0, 96, -1, -1, 0},  // 93
    {"FIT CC6", MudlogFill::Ext, 0, 100, -1, -1, 0},  // 94
    {"FIT MZ34", MudlogFill::Ext, 0, 104, -1, -1, 0},  // 95
    {"FIT ATM", MudlogFill::Ext, 0, 108, -1, -1, 0},  // 96
    {"FIT ATM_TOT", MudlogFill::Ext, 0, 112, -1, -1, 0},  // 97
    {"FIT ATM_NormTOT", MudlogFill::Ext, 0, 116, -1, -1, 0},  // 98
    {"FIT ACETIC ACID", MudlogFill::Ext, 0, 120, -1, -1, 0},  // 99
    {"FIT TotalArom", MudlogFill::Ext, 0, 124, -1, -1, 0},  // 100
    {"FIT CO2Raw", MudlogFill::Ext, 0, 128, -1, -1, 0},  // 101
    {"FIT CO2pp", MudlogFill::Ext, 0, 132, -1, -1, 0},  // 102
    {"FIT CO2calc2", MudlogFill::Ext, 0, 136, -1, -1, 0},  // 103
    {"FIT HCvsW", MudlogFill::Ext, 0, 140, -1, -1, 0},  // 104
    {"FIT Arom_Alk", MudlogFill::Ext, 0, 144, -1, -1, 0},  // 105
    {"FIT AA_nC4", MudlogFill::Ext, 0, 148, -1, -1, 0},  // 106
    {"FIT He_C1", MudlogFill::Ext, 0, 152, -1, -1, 0},  // 107
    {"FIT CO2_C1", MudlogFill::Ext, 0, 156, -1, -1, 0},  // 108
    {"FIT N2_ATM", MudlogFill::Ext, 0, 160, -1, -1, 0},  // 109
    {"FIT O2_ATM", MudlogFill::Ext, 0, 164, -1, -1, 0},  // 110
    {"FIT ARG_ATM", MudlogFill::Ext, 0, 168, -1, -1, 0},  // 111
    {"FIT C3_C1", MudlogFill::Ext, 0, 174, -1, -1, 0},  // 112
    {"FIT PIX 1", MudlogFill::Ext, 0, 182, -1, -1, 0},  // 113
    {"FIT PIX 2", MudlogFill::Ext, 0, 186, -1, -1, 0},  // 114
    {"FIT PIX 3", MudlogFill::Ext, 0, 190, -1, -1, 0},  // 115
    {"FIT PIX 4", MudlogFill::Ext, 0, 194, -1, -1, 0},  // 116
    {"FIT BEN_TOL", MudlogFill::Ext, 0, 198, -1, -1, 0},  // 117
    {"FIT SUL_HC", MudlogFill::Ext, 0, 202, -1, -1, 0},  // 118
    {"FIT C1_THC", MudlogFill::Ext, 0, 206, -1, -1, 0},  // 119
    {"FIT G_L", MudlogFill::Ext, 0, 210, -1, -1, 0},  // 120
    {"FIT BEN_C1", MudlogFill::Ext, 0, 214, -1, -1, 0},  // 121
    {"FIT TOL_NC7", MudlogFill::Ext, 0, 218, -1, -1, 0},  // 122
    {"FIT Wh_calc", MudlogFill::Ext, 0, 222, -1, -1, 0},  // 123
    {"FIT Bh_calc", MudlogFill::Ext, 0, 226, -1, -1, 0},  // 124
    {"FIT Ch_calc", MudlogFill::Ext, 0, 230, -1, -1, 0},  // 125
    {"FIT C3_C2", MudlogFill::Ext, 0, 234, -1, -1, 0},  // 126
    {"FIT C5_C1", MudlogFill::Ext, 0, 238, -1, -1, 0},  // 127
    {"FIT Ben_cC6", MudlogFill::Ext, 0, 242, -1, -1, 0},  // 128
    {"FIT Ben_nC6", MudlogFill::Ext, 0, 246, -1, -1, 0},  // 129
    {"FIT HC2_HC1", MudlogFill::Ext, 0, 250, -1, -1, 0},  // 130
    {"FIT HC3_HC1", MudlogFill::Ext, 0, 254, -1, -1, 0},  // 131
    {"FIT HC5_HC3", MudlogFill::Ext, 0, 258, -1, -1, 0},  // 132
    {"FIT HC7_HC3", MudlogFill::Ext, 0, 262, -1, -1, 0},  // 133
    {"FIT R0", MudlogFill::Ext, 0, 266, -1, -1, 0},  // 134
    {"FIT R1", MudlogFill::Ext, 0, 270, -1, -1, 0},  // 135
    {"FIT R2", MudlogFill::Ext, 0, 274, -1, -1, 0},  // 136
    {"FIT R3", MudlogFill::Ext, 0, 278, -1, -1, 0},  // 137
    {"FIT SOL 1", MudlogFill::Ext, 0, 282, -1, -1, 0},  // 138
    {"FIT SOL 2", MudlogFill::Ext, 0, 286, -1, -1, 0},  // 139
    {"FIT SOL 3", MudlogFill::Ext, 0, 290, -1, -1, 0},  // 140
    {"FIT ISOCHEM TEST", MudlogFill::Ext, 0, 294, -1, -1, 0},  // 141
    {"FIT AUX1", MudlogFill::Ext, 0, 306, -1, -1, 0},  // 142
    {"FIT AUX2", MudlogFill::Ext, 0, 298, -1, -1, 0},  // 143
};

struct Preset {
    int target, column;
};
constexpr Preset kLasD[] = {{33, 3}, {34, 4}, {35, 5}, {36, 6}, {37, 7}, {38, 8}, {39, 9}, {40, 10}, {41, 11}, {42, 12}, {32, 13}, {69, 14}, {113, 15}, {70, 16}, {71, 17}, {72, 18}, {73, 19}, {114, 20}, {115, 21}, {116, 22}, {117, 23}, {60, 24}, {59, 25}, {58, 26}, {118, 27}, {45, 28}, {100, 29}, {101, 30}, {74, 31}, {119, 32}, {75, 33}, {62, 34}, {61, 35}, {102, 36}, {103, 37}, {104, 38}, {55, 39}, {56, 40}, {57, 41}, {44, 42}, {63, 43}, {64, 44}, {65, 45}, {66, 46}, {67, 47}, {76, 48}, {77, 49}, {78, 50}, {79, 51}, {80, 52}, {81, 53}, {82, 54}, {83, 55}, {84, 56}, {68, 57}, {120, 58}, {121, 59}, {105, 60}, {122, 61}, {85, 62}, {106, 63}, {86, 64}, {87, 65}, {88, 66}, {123, 67}, {89, 68}, {90, 69}, {124, 70}, {125, 71}, {126, 72}, {92, 73}, {93, 74}, {94, 75}, {95, 76}, {127, 77}, {128, 78}, {46, 79}, {129, 80}, {107, 81}, {108, 82}, {109, 83}, {96, 84}, {97, 85}, {98, 86}, {99, 87}, {110, 88}, {111, 89}, {112, 90}, {47, 91}, {48, 92}, {49, 93}, {50, 94}, {51, 95}, {52, 96}, {53, 97}, {131, 98}, {132, 99}, {133, 100}, {134, 101}, {130, 102}};
constexpr Preset kLasA[] = {{136, 13}, {137, 14}, {138, 15}, {142, 22}, {139, 23}, {140, 24}, {141, 25}, {54, 33}, {55, 34}, {56, 35}, {57, 36}};

template <std::size_t N>
void Load(std::span<std::int32_t> map, const Preset (&preset)[N])
{
    std::fill(map.begin(), map.end(), 0);
    for (const Preset& p : preset)
        if (std::size_t(p.target) < map.size())
            map[std::size_t(p.target)] = p.column;
}

}  // namespace

const MudlogTarget* MudlogTargetOf(int target)
{
    return target >= 1 && target <= kMudlogTargets ? &kTargets[target - 1] : nullptr;
}

QStringList MudlogImportTargets(bool extendedData)
{
    QStringList list;
    const int n = extendedData ? kMudlogTargets : kMudlogRecordTargets;
    for (int t = 0; t < n; ++t)
        list << QString::fromLatin1(kTargets[t].name);
    return list;
}

void LoadLasDMap(std::span<std::int32_t> map) { Load(map, kLasD); }
void LoadLasAMap(std::span<std::int32_t> map) { Load(map, kLasA); }

}  // namespace elog
