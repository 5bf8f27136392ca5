#pragma once
// The station filter handed to the driver (set OID 0x0DF10110): 0 policy, 4 count, then
// 32 entries of a MAC address and 2 zero bytes. 264 bytes, little-endian.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace softap {

constexpr size_t kAccessControlRecordSize = 264;
constexpr size_t kAccessControlMaxEntries = 32;
using AccessControlRecord = std::array<uint8_t, kAccessControlRecordSize>;

// Policies: the row index of the page's combo box and the value stored and sent.
enum AccessPolicy { kPolicyDisable = 0, kPolicyAllowAll = 1, kPolicyRejectAll = 2 };

// Policy and count are 0 (no filtering) when the policy is 0 or the list is empty;
// otherwise the policy and at most 32 of the addresses (12 hex digits each; others are
// skipped).
AccessControlRecord BuildAccessControlRecord(int policy, const std::vector<std::string>& digits);

}  // namespace softap
