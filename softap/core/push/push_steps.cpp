#include "softap/core/push/push_steps.h"

#include <cstring>
#include <vector>

#include "softap/core/radio/ap_channels.h"
#include "softap/core/push/ap_oids.h"
#include "softap/core/records/ap_records.h"
#include "softap/core/config/ap_seed_values.h"
#include "softap/core/config/ap_state.h"
#include "softap/core/havix_trace.h"
#include "softap/core/le_bytes.h"
#include "shared/text/hex_text.h"
#include "shared/crypto/wpa_psk.h"

namespace softap {

bool MakePsk(const std::string& wpapsk, const std::string& ssid, uint8_t out[32])
{
    if (wpapsk.size() == 64) {
        if (!IsHexText(wpapsk.c_str(), 64))
            return false;
        HexStringToBytes(wpapsk.c_str(), out, 32);
        return true;
    }
    return DeriveWpaPsk(wpapsk.c_str(), reinterpret_cast<const uint8_t*>(ssid.data()), ssid.size(), out) == 1;
}

void PushSteps::Set(uint32_t setOid, const void* data, size_t size)
{
    m_Driver.Set(setOid, data, static_cast<uint32_t>(size), kSetTries);
}

void PushSteps::SetU32(uint32_t setOid, uint32_t value)
{
    uint8_t bytes[4];
    PutU32(bytes, value);
    Set(setOid, bytes, sizeof(bytes));
}

void PushSteps::SetIfDiffers(uint32_t queryOid, uint32_t setOid, const uint8_t* desired, size_t size)
{
    std::vector<uint8_t> current(size, 0);
    uint32_t returned = 0;
    const bool known = m_Driver.Query(queryOid, current.data(), static_cast<uint32_t>(size), &returned);
    if (!known || std::memcmp(current.data(), desired, size) != 0)
        Set(setOid, desired, size);
}

void PushSteps::SetU32IfDiffers(uint32_t queryOid, uint32_t setOid, uint32_t value)
{
    uint8_t bytes[4];
    PutU32(bytes, value);
    SetIfDiffers(queryOid, setOid, bytes, sizeof(bytes));
}

uint32_t FirstChannelFrequencyKhz(int wirelessMode)
{
    const std::vector<uint8_t> allowed = AllowedChannels(wirelessMode, g_Ap.Region24(), g_Ap.Region5());
    uint32_t kHz = 0;
    if (allowed.empty() || !ChannelToFrequencyKhz(allowed[0], &kHz))
        ChannelToFrequencyKhz(1, &kHz);
    return kHz;
}

void PushSteps::Configuration(const int* beaconPeriod, const uint32_t* frequencyKhz, uint32_t fallbackKhz)
{
    uint8_t record[kConfigurationSize] = {};
    uint32_t returned = 0;
    const bool known = m_Driver.Query(kOidConfiguration, record, sizeof(record), &returned);
    if (!known) {
        // A record of our own must still be well formed, with no field 0 for want of a value.
        PutU32(record, kConfigurationSize);
        if (!beaconPeriod) {
            PutU32(record + kConfigBeaconOffset, kSeedBeaconPeriod);
            Trace("Configuration query failed: beacon period %u\n", kSeedBeaconPeriod);
        }
        if (!frequencyKhz) {
            PutU32(record + kConfigFrequencyOffset, fallbackKhz);
            Trace("Configuration query failed: DS frequency %u kHz\n", fallbackKhz);
        }
    }
    uint8_t copy[kConfigurationSize];
    std::memcpy(copy, record, sizeof(record));
    if (frequencyKhz)
        PutU32(record + kConfigFrequencyOffset, *frequencyKhz);
    if (beaconPeriod)
        PutU32(record + kConfigBeaconOffset, static_cast<uint32_t>(*beaconPeriod));
    if (!known || std::memcmp(copy, record, sizeof(record)) != 0)
        Set(kOidConfiguration, record, sizeof(record));
}

void PushSteps::ApOptions(const std::function<void(uint8_t*)>& fill)
{
    uint8_t options[kApOptionsSize] = {};
    uint32_t returned = 0;
    const bool known = m_Driver.Query(kOidQueryApOptions, options, sizeof(options), &returned);
    if (!known) {
        PutU32(options + kOptShortSlot, kSeedShortSlot);
        PutU16(options + kOptIdleTime, kSeedIdleTime);
        Trace("AP options query failed: seeded values for what is not stored\n");
    }
    uint8_t copy[kApOptionsSize];
    std::memcpy(copy, options, sizeof(options));
    fill(options);
    if (!known || std::memcmp(copy, options, sizeof(options)) != 0)
        Set(kOidSetApOptions, options, sizeof(options));
}

void PushSteps::AddPsk(const std::string& wpapsk, const std::string& ssid)
{
    uint8_t key[32];
    if (!MakePsk(wpapsk, ssid, key)) {
        Trace("WPAPSK of %u characters is no key: ADD_KEY not sent\n", static_cast<unsigned>(wpapsk.size()));
        return;
    }
    Set(kOidAddKey, BuildPskKeyRecord(key));
}

void PushSteps::WepKeys(const std::string keys[4], const bool readable[4], int defaultKey)
{
    for (int n = 1; n <= 4; ++n) {
        if (!readable[n - 1])
            continue;
        const std::string& text = keys[n - 1];
        const size_t bytes = text.size() == 10 ? 5 : text.size() == 26 ? 13 : 0;
        if (bytes != 0 && IsHexText(text.c_str(), text.size())) {
            uint8_t key[13];
            HexStringToBytes(text.c_str(), key, bytes);
            Set(kOidAddKey, BuildWepKeyRecord(n, n == defaultKey, key, bytes));
            continue;
        }
        if (bytes != 0)
            Trace("WEPKey%d is not hexadecimal: key removed\n", n);
        Set(kOidRemoveKey, BuildRemoveKeyRecord(n));
    }
}

void PushSteps::Ssid(const std::string& ssid)
{
    Set(kOidSsid, BuildSsidRecord(ssid));
}

}  // namespace softap
