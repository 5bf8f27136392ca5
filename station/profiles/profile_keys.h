#pragma once
// The keys of a profile section in the "_prof" settings file, in the order a section is
// cleared before it is rewritten.
#include <cstddef>

constexpr size_t kProfileKeyCount = 49;

// kProfileKeyCount names, then "ActiveTime": it lies beyond the count, so clearing a
// section keeps the time of the profile's last activation.
extern const char* const kProfileKeys[kProfileKeyCount + 1];
