#include "layout/curvenames.h"

#include <array>

namespace layout {

namespace {

// Trailing spaces are part of some names: they are what stored track labels hold.
constexpr std::array<std::string_view, kLastPlainCurveCode + 1> kPlainNames{
    "NONE", "TOTAL GAS", "C1", "C2", "C3", "IC4", "NC4", "IC5", "NC5", "CO2",
    "ROP Min/M", "WOB", "TORQUE (max)", "RPM", "PP (avg)", "SPM", "ROP M/Hr", "FLOW", "FLARE", "TOT MUD (PVT)",
    "RT GAMMA", "CUSTOM", "CUSTOM 2", "HARDNESS", "COMMON OIL INDICATOR", "WETNESS RATIO ", "BALANCE RATIO",
    "CHARACTER RATIO", "DXC", "GAIN OR LOSS",
    "DH PRESS", "DH TEMP", "GAMMA", "DPOR", "NPOR", "CPPOR", "SONIC", "SP", "PE", "RES10",
    "RES20", "RES30", "RES60", "RES90", "RES120", "SW", "BVW", "C1/C2", "C1/C3", "C1/IC4+NC4",
    "C1/IC5+NC5", "TORQ (avg) ", "PP (max)", "RESERVE", "CALIPER", "C1/Tot ", "C2/Tot ", "C3/Tot ", "IC4/Tot ",
    "NC4/Tot ",
    "IC5/Tot ", "NC5/Tot ", "RT RES 1", "RT RES 2", "LAGTIME", "Custom 3", "Custom 4", "SG", "CASING PSI",
    "Descriptions",
    "Depth", "Short Report", "Survey", "FLU", "CUT", "POR", "Mud Temp Out", "Pictures", "Memo's", "Mud WT Out",
    "Mud WT In", "NORMALIZED TG", "RESERVE", "RESERVE", "RESERVE", "RESERVE", "RESERVE", "RESERVE", "RESERVE",
    "RESERVE",
    "Reserve",
};

constexpr std::array<std::string_view, kLastFitCurveCode - kFirstFitCurveCode + 1> kFitNames{
    "FIT THC", "FIT C1", "FIT C2", "FIT C3", "FIT C4", "FIT C5", "FIT C6", "FIT C7", "FIT C8", "FIT C9",
    "FIT C10", "FIT CO2", "FIT N2", "FIT BENZENE", "FIT TOLUENE", "FIT C3_OBM", "FIT C4_OBM", "FIT C5_OBM",
    "FIT C6_OBM", "FIT C7_OBM", "FIT C8_OBM", "FIT C9_OBM", "FIT PIX1 C1/C2", "FIT PIX2 C1/C3", "FIT PIX3 C1/C4",
    "FIT PIX4 C1/C5", "FIT H2S", "FIT SO ", "FIT SO2", "FIT CS2", "FIT AROMATIC", "FIT NAPHTHNS", "FIT PARAFFIN",
    "FIT HYDROGEN", "FIT HELIUM", "FIT O2", "FIT ARGON", "FIT H2O", "FIT AIR 1", "FIT AIR 2", "FIT C2calc",
    "FIT RAW_NAPH", "FIT NORMC1", "FIT NORMC4", "FIT NORMC7", "FIT NORM BEN/TOL", "FIT AROM/CHEX",
    "FIT BEN/CHEX", "FIT NORM_HE", "FIT NORM_H", "FIT NORM_CO2", "FIT NORM_BEN", "FIT NORM_TOL", "FIT NORM_N2",
    "FIT NORM_O2", "FIT NORM_AR", "FIT XYLENE", "FIT HC", "FIT PERM RATIOS", "FIT GO", "FIT TL",
    "FIT PERCENT GAS", "FIT TOT GAS", "FIT NC4", "FIT NC4_C1", "FIT NC6", "FIT cC6", "FIT MZ34", "FIT ATM",
    "FIT ATM_TOT", "FIT ATM/NORM_TOT", "FIT ACETIC ACID", "FIT TotalArom", "FIT CO2Raw", "FIT CO2pp",
    "FIT CO2calc2", "FIT HCvsW", "FIT Arom/Alk", "FIT AA/nC4", "FIT He/C1", "FIT CO2/C1", "FIT N2/ATM",
    "FIT O2/ATM", "FIT ARG/ATM", "FIT RAW_NAPH", "FIT C3/C1", "FIT BEN/TOL", "FIT SUL_HC", "FIT C1/THC",
    "FIT G/L", "FIT BEN/C1", "FIT TOL/NC7", "FIT Wh_calc", "FIT Bh_calc", "FIT Ch_calc", "FIT C3/C2",
    "FIT C5/C1", "FIT Ben/cC6", "FIT Ben/nC6", "FIT HC2/HC1", "FIT HC3/HC1", "FIT HC5/HC3", "FIT HC7/HC3",
    "FIT R0", "FIT R1", "FIT R2", "FIT R3", "FIT SOL 1", "FIT SOL 2", "FIT SOL 3", "FIT ISOCHEM TEST",
    "FIT AUX 1", "FIT AUX 2",
};

}  // namespace

std::string_view CurveCodeName(int code, bool calcimeter)
{
    if (code == kHardnessCurveCode && calcimeter)
        return "CALCIMITER";
    if (code >= 0 && code <= kLastPlainCurveCode)
        return kPlainNames[std::size_t(code)];
    if (code >= kFirstFitCurveCode && code <= kLastFitCurveCode)
        return kFitNames[std::size_t(code - kFirstFitCurveCode)];
    return {};
}

}  // namespace layout
