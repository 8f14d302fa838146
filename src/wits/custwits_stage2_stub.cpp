// The custom link's gas items and its booking at the lag depth, empty until they are built.
#include "wits/custwits.h"

namespace wits {

void CUSTWITS::ProcessGasItem(int, std::string_view) {}

bool CUSTWITS::StoreDepthStep() { return false; }

}  // namespace wits
