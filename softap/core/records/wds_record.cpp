#include "softap/core/records/wds_record.h"

#include <cstring>

#include "softap/core/le_bytes.h"
#include "softap/core/input/mac_entry.h"
#include "shared/text/hex_text.h"
#include "shared/crypto/wpa_psk.h"

namespace softap {

static_assert(sizeof(WdsRecord) == 4 + kWdsMaxPeers * 6 + 2 + 4 + 32);

namespace {
constexpr size_t kKeyLengthOffset = 24;
constexpr size_t kKeyOffset = 28;
}  // namespace

bool IsPskAuthentication(int authenType)
{
    return authenType == 4 || authenType == 7 || authenType == 9;
}

bool DeriveWdsLinkKey(const std::string& passphrase, uint8_t out[32])
{
    if (passphrase.size() == 64) {
        if (!IsHexText(passphrase.c_str(), 64))
            return false;
        HexStringToBytes(passphrase.c_str(), out, 32);
        return true;
    }
    return DeriveWpaPsk(passphrase.c_str(), reinterpret_cast<const uint8_t*>(kWdsLinkKeySalt),
                        sizeof(kWdsLinkKeySalt) - 1, out) == 1;
}

WdsRecord BuildWdsRecord(const std::vector<std::string>& peers, uint32_t count, bool withKey,
                         const std::string& passphrase)
{
    WdsRecord r{};
    size_t filled = 0;
    for (const std::string& p : peers) {
        if (filled == kWdsMaxPeers)
            break;
        if (MacBytes(p, r.data() + 4 + filled * 6))
            ++filled;
    }
    if (count > filled)
        count = static_cast<uint32_t>(filled);
    PutU32(r.data(), count);
    if (withKey) {
        uint8_t key[32];
        if (DeriveWdsLinkKey(passphrase, key)) {
            PutU32(r.data() + kKeyLengthOffset, 32);
            std::memcpy(r.data() + kKeyOffset, key, 32);
        }
    }
    return r;
}

}  // namespace softap
