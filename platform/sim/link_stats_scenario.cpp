#include "platform/sim/link_stats_scenario.h"

namespace platform::sim {

const char* const kLinkCounterNames[kLinkCounterCount] = {
    "tx_bytes",   "rx_bytes",     "tx_frames",    "tx_failed", "tx_retried",   "rts_ok",
    "rts_failed", "rx_duplicate", "rx_crc_error", "rx_frames", "rx_no_buffer",
};

}  // namespace platform::sim
