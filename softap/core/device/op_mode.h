#pragma once
// The driver's operating mode (1 access point, 0 station): queried as 0x0D710126, set as
// 0x0DF10126.

namespace softap {

// 0 only when the driver answers and is not in access-point mode; otherwise 1.
int QueryApOpMode();

// `OpMode` "0" in the driver key (skipped when it does not open), then the op mode set to
// 0. Returns 1.
int WriteStationOpMode();

}  // namespace softap
