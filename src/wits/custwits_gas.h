#pragma once
// What the custom WITS link's gas items (custwits_gas.cpp) show: the display text and alarm channel of
// the total gas, and the gas window's two lines.
#include <string>

namespace wits {

constexpr int kCustTotalGasText = 9;  // the display text of the total gas in the gas modes
constexpr int kTotalGasChannel = 1;   // alarm channel "TOTAL GAS"

// The gas window's two lines.
struct CustGasLines {
    std::string first;
    std::string second;
};

}  // namespace wits
