// The stored access-point configuration read back on any bytes: the Config page's read,
// the start-up push (against a driver that answers every query with the input's bytes)
// and the address lists of the Access Control and WDS pages.
// Input: a flags byte (bit 0 802.11n adapter, bit 1 5 GHz band, bit 2 regions selectable,
// bit 3 the driver refuses queries), then values, each
//   name(1, an index into kNames) type(1) length(2 LE) bytes(length, cut to what is left).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "softap/core/records/access_control_record.h"
#include "softap/core/config/ap_config_read.h"
#include "softap/core/config/ap_key_reader.h"
#include "softap/core/push/ap_oids.h"
#include "softap/core/push/ap_push.h"
#include "softap/core/config/ap_state.h"
#include "softap/core/records/wds_record.h"
#include "shared/adapter/adapter_identity.h"

namespace {

// In the order fuzz/make_ap_default_corpus.py numbers them.
const char* const kNames[] = {
    "SSID", "WirelessMode", "TransRate", "TurboRate", "BGProtection", "ShortSlot", "CountryRegion",
    "CountryRegionABand", "Channel", "PreambleType", "TXPower", "RtsThresh", "FragThresh", "AuthenType",
    "Encryption", "WPAPSK", "WEPKey1Type", "WEPKey2Type", "WEPKey3Type", "WEPKey4Type", "WEPKeyUse", "WEPKey1",
    "WEPKey2", "WEPKey3", "WEPKey4", "RekeyInterval", "RekeyMethod", "RadiusIP", "RadiusPort", "RadiusKey",
    "AccessControlPolicy", "AccessControlList", "WdsEnable", "WdsList", "AutoChannelSelect", "NoForwarding",
    "HideSSID", "BeaconPeriod", "IdleTime", "TXBurst", "TransmitSetting", "AllowBW40Capability"};
constexpr size_t kNameCount = sizeof(kNames) / sizeof(kNames[0]);

class FuzzKey : public softap::ApKeyReader {
public:
    bool Read(const char* name, size_t maxBytes, softap::RegValueData* out) const override {
        auto it = values.find(name);
        if (it == values.end() || it->second.bytes.size() > maxBytes) return false;
        *out = it->second;
        return true;
    }
    std::map<std::string, softap::RegValueData> values;
};

// Answers queries with bytes of the input; checks every record it is handed.
class FuzzDriver : public softap::ApDriver {
public:
    FuzzDriver(const uint8_t* answer, size_t size, bool refuses) : m_answer(answer), m_size(size), m_refuses(refuses) {}
    bool Query(uint32_t, void* buffer, uint32_t length, uint32_t* returned) override {
        if (m_refuses) return false;
        const size_t n = m_size < length ? m_size : length;
        if (n) std::memcpy(buffer, m_answer, n);
        if (returned) *returned = static_cast<uint32_t>(n);
        return true;
    }
    bool Set(uint32_t oid, const void* buffer, uint32_t length, int) override {
        const auto* b = static_cast<const uint8_t*>(buffer);
        auto u32 = [&](size_t at) {
            uint32_t v;
            std::memcpy(&v, b + at, 4);
            return v;
        };
        if (oid == softap::kOidSsid && (length != 36 || u32(0) > 32)) std::abort();
        if (oid == softap::kOidSetAccessControl && (length != 264 || u32(0) > 2 || u32(4) > 32)) std::abort();
        if (oid == softap::kOidSetWds && (length != 60 || u32(0) > 3 || (u32(24) != 0 && u32(24) != 32))) std::abort();
        if (oid == softap::kOidAddKey && (length < 32 || u32(0) != length || u32(8) + 39 != length)) std::abort();
        return true;
    }

private:
    const uint8_t* m_answer;
    size_t m_size;
    bool m_refuses;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t flags = data[0];
    size_t at = 1;
    FuzzKey key;
    while (size - at >= 4) {
        const char* name = kNames[data[at] % kNameCount];
        softap::RegValueData value;
        value.type = data[at + 1];
        size_t length = data[at + 2] | static_cast<size_t>(data[at + 3]) << 8;
        at += 4;
        if (length > size - at) length = size - at;
        value.bytes.assign(data + at, data + at + length);
        at += length;
        key.values[name] = value;
    }

    g_IsHtChip = flags & 1;
    g_Supports5GHz = (flags >> 1) & 1;
    softap::g_Ap = softap::ApState{};
    softap::g_Ap.region24Selectable = (flags >> 2) & 1;
    softap::g_Ap.region5Selectable = (flags >> 2) & 1;
    FuzzDriver driver(data, size, (flags >> 3) & 1);

    softap::DaduVeSettings settings;
    softap::ReadConfigFromRegistry(key, settings, driver);
    if (settings.SSID.size() > 32 || settings.IdleTime < 0) std::abort();
    softap::LoadAndApplyApSettings(key, driver, nullptr);

    const auto stations = softap::ReadRegMacList(key, "AccessControlList", softap::kStartupBufferBytes,
                                                 softap::kAccessControlMaxEntries);
    const auto peers = softap::ReadRegMacList(key, "WdsList", softap::kStartupBufferBytes, softap::kWdsMaxPeers);
    if (stations.size() > softap::kAccessControlMaxEntries || peers.size() > softap::kWdsMaxPeers) std::abort();
    for (const auto& list : {stations, peers})
        for (const std::string& mac : list)
            if (mac.size() != 12) std::abort();
    return 0;
}
