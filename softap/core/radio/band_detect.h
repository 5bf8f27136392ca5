#pragma once
// Whether the adapter has the 5 GHz band: sets g_Supports5GHz from the driver's list of
// network types (0 when the driver does not answer).

namespace softap {

void DetectABand();

}  // namespace softap
