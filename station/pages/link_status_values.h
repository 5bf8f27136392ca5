#pragma once
// The station's own texts of its Link Status page, beside the arithmetic both utilities
// share. Window-less.
#include <cstdint>
#include <string>

#include "shared/pages/link_values.h"

namespace link_status {

// "100%" for -1 and 100, "n%" above 6, else "Lowest".
std::string TxPowerText(int32_t percent);
// "6 <--> 2437 KHz", "J8 <--> 5040 KHz"; empty when the channel has no frequency.
std::string ChannelText(int channel);

}  // namespace link_status
