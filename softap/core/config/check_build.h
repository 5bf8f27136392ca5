#pragma once
// The driver key's bCheckBuild: 1 shows the 11n Setting page on an 802.11n adapter and sends
// the traced steps to the trace file.

namespace softap {

// Its decimal value. A missing value is written as "0" and reads 0; so does a driver key
// that does not open, or a value that cannot be read as text (which is left as it is).
int ReadCheckBuild();

}  // namespace softap
