#pragma once
// The wireless distribution system handed to the driver (set OID 0x0DF10112): 0 count of
// peers (0..3), 4 three peer MAC addresses, 22 two zero bytes, 24 key length (32 or 0),
// 28 the 32-byte link key. 60 bytes, little-endian.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace softap {

constexpr size_t kWdsRecordSize = 60;
constexpr size_t kWdsMaxPeers = 3;
using WdsRecord = std::array<uint8_t, kWdsRecordSize>;

// The link key's fixed salt: every access point of the system uses the same one.
constexpr char kWdsLinkKeySalt[] = "Quibro";

// True for the pre-shared-key authentications (4 WPA-PSK, 7 WPA2-PSK, 9 both): only they
// carry a link key.
bool IsPskAuthentication(int authenType);

// The link key from the access point's passphrase: PBKDF2-HMAC-SHA1 with the fixed salt.
// A passphrase of 64 hex digits is already a key and is taken as it is. False (out
// untouched) when no key can be made of it.
bool DeriveWdsLinkKey(const std::string& passphrase, uint8_t out[32]);

// The peers' addresses in list order, at most 3 (entries that are not 12 hex digits are
// skipped). count is what the record claims in use: 0 with WDS off. withKey asks for the
// link key; when it cannot be made the key length stays 0.
WdsRecord BuildWdsRecord(const std::vector<std::string>& peers, uint32_t count, bool withKey,
                         const std::string& passphrase);

}  // namespace softap
