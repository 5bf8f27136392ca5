#pragma once
// The check run when the access point starts on chips 0 and 1 (the caller decides): the
// adapter's country regions, and a stored channel that the region and mode do not allow.

namespace softap {

// Reads the region word (bit 7 of a region byte: not selectable) into g_Ap; rewrites a
// missing or disallowed `Channel` with the first allowed one, in the driver key and in
// `ApDefault`; writes the selectable regions into the driver key. FALSE when the driver
// key does not open, or when the driver gives no region: then nothing is written and
// neither region is selectable.
int CheckRegionAndChannel();

}  // namespace softap
