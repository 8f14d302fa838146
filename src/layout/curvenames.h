#pragma once
// The names of the custom-track curve codes, as the custom-track setup lists them: a curve's code is
// its position in that list. Codes 0-90 are the program's own curves, 91-203 the FIT values (listed only
// while FIT data is on); there is nothing above 203.
#include <string_view>

namespace layout {

constexpr int kLastPlainCurveCode = 90;
constexpr int kFirstFitCurveCode = 91;
constexpr int kLastFitCurveCode = 203;
constexpr int kHardnessCurveCode = 23;

// The name of `code`; code 23 reads "CALCIMITER" with `calcimeter`, else "HARDNESS". Empty above 203.
std::string_view CurveCodeName(int code, bool calcimeter = false);

}  // namespace layout
