#pragma once
// The first decimal of a value as it reads with two decimals ("%.2f", C locale): 12.37 gives 3, 1.999
// gives 0 (it reads 2.00), -1.25 gives 2. The drilling code books gas once the lag depth's first decimal
// reaches 5, and the WITS dispatcher and the gas monitor go by the same digit.
namespace wits {

// 0 for a value with no decimals to read (infinite or not a number).
int TenthsDigit(double value);
// The same digit; the dispatcher and the gas monitor have always called it by this name.
inline int TenthsDigit2(double value) { return TenthsDigit(value); }

}  // namespace wits
