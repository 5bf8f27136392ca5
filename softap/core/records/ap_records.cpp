#include "softap/core/records/ap_records.h"

#include <cstring>

#include "softap/core/le_bytes.h"

namespace softap {

static_assert(sizeof(HtSettingRecord) == 12);
static_assert(sizeof(RadiusRecord) == 72);
static_assert(sizeof(RekeyRecord) == 8);
static_assert(sizeof(PskKeyRecord) == 71);
static_assert(sizeof(RemoveKeyRecord) == 16);
static_assert(sizeof(SsidRecord) == 36);

namespace {

constexpr size_t kKeyMaterialOffset = 32;  // NDIS_802_11_KEY: length, index, key length, BSSID, RSC
constexpr size_t kKeyBssidOffset = 12;
constexpr uint32_t kKeyTransmit = 0x80000000u;

}  // namespace

HtSettingRecord BuildHtSetting(const HtSetting& s)
{
    HtSettingRecord r{};
    PutU32(r.data(), static_cast<uint32_t>(s.phyMode));
    r[4] = static_cast<uint8_t>(s.transmitMode);
    r[5] = static_cast<uint8_t>(s.htMode);
    r[6] = static_cast<uint8_t>(s.extChannel);
    r[7] = static_cast<uint8_t>(s.mcs);
    r[8] = static_cast<uint8_t>(s.bw40);
    r[9] = static_cast<uint8_t>(s.stbc);
    r[10] = static_cast<uint8_t>(s.shortGi);
    return r;
}

RadiusRecord BuildRadiusRecord(uint32_t ip, uint32_t port, const std::string& key)
{
    RadiusRecord r{};
    PutU32(r.data(), ip);
    PutU32(r.data() + 4, port);
    // At most the field's 64 bytes; the rest stays zero.
    std::memcpy(r.data() + 8, key.data(), key.size() < 64 ? key.size() : 64);
    return r;
}

RekeyRecord BuildRekeyRecord(uint32_t method, uint32_t interval)
{
    RekeyRecord r{};
    PutU32(r.data(), method);
    PutU32(r.data() + 4, interval);
    return r;
}

uint32_t TxPowerPercent(int txPower)
{
    switch (txPower) {
    case 1: return 75;
    case 2: return 50;
    case 3: return 25;
    case 4: return 12;
    default: return 100;
    }
}

uint32_t CountryRegionWord(int region24, int region5)
{
    return (static_cast<uint32_t>(region5) << 8) | static_cast<uint32_t>(region24);
}

PskKeyRecord BuildPskKeyRecord(const uint8_t key[32])
{
    PskKeyRecord r{};
    PutU32(r.data(), kPskKeyRecordSize);
    PutU32(r.data() + 4, kKeyTransmit);
    PutU32(r.data() + 8, 32);
    std::memcpy(r.data() + kKeyMaterialOffset, key, 32);
    return r;
}

std::vector<uint8_t> BuildWepKeyRecord(int keyNumber, bool isDefault, const uint8_t* key, size_t keyLength)
{
    std::vector<uint8_t> r(kKeyMaterialOffset + 7 + keyLength, 0);
    PutU32(r.data(), static_cast<uint32_t>(r.size()));
    PutU32(r.data() + 4, static_cast<uint32_t>(keyNumber - 1) | (isDefault ? kKeyTransmit : 0u));
    PutU32(r.data() + 8, static_cast<uint32_t>(keyLength));
    std::memset(r.data() + kKeyBssidOffset, 0xFF, 6);
    std::memcpy(r.data() + kKeyMaterialOffset, key, keyLength);
    return r;
}

RemoveKeyRecord BuildRemoveKeyRecord(int keyNumber)
{
    RemoveKeyRecord r{};
    PutU32(r.data(), 16);
    PutU32(r.data() + 4, static_cast<uint32_t>(keyNumber - 1));
    std::memset(r.data() + 8, 0xFF, 6);
    return r;
}

std::string CutSsid(const std::string& ssid)
{
    return ssid.size() > 32 ? ssid.substr(0, 32) : ssid;
}

SsidRecord BuildSsidRecord(const std::string& ssid)
{
    SsidRecord r{};
    const std::string cut = CutSsid(ssid);
    PutU32(r.data(), static_cast<uint32_t>(cut.size()));
    std::memcpy(r.data() + 4, cut.data(), cut.size());
    return r;
}

}  // namespace softap
