#pragma once
// Steps the two configuration pushes share: sets, sets that are skipped when the driver
// already holds the value, the records built around a driver answer, the keys and the SSID.
// A query that fails never skips its set: the set is the safe choice then.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "softap/core/push/ap_driver.h"

namespace softap {

class PushSteps {
public:
    explicit PushSteps(ApDriver& driver) : m_Driver(driver) {}

    void Set(uint32_t setOid, const void* data, size_t size);
    template <class Record>
    void Set(uint32_t setOid, const Record& record)
    {
        Set(setOid, record.data(), record.size());
    }
    void SetU32(uint32_t setOid, uint32_t value);

    // Queries queryOid into a buffer the size of desired; sets setOid unless the answer
    // equals desired.
    void SetIfDiffers(uint32_t queryOid, uint32_t setOid, const uint8_t* desired, size_t size);
    template <class Record>
    void SetIfDiffers(uint32_t queryOid, uint32_t setOid, const Record& record)
    {
        SetIfDiffers(queryOid, setOid, record.data(), record.size());
    }
    void SetU32IfDiffers(uint32_t queryOid, uint32_t setOid, uint32_t value);

    // The driver's configuration record with the beacon period and the DS frequency
    // changed (each only when given), set when it differs from the driver's. When the
    // driver gives no record, one of our own goes out: what is not given is the seeded
    // beacon period (100) and fallbackKhz, each traced.
    void Configuration(const int* beaconPeriod, const uint32_t* frequencyKhz, uint32_t fallbackKhz);
    // The driver's AP options with fill's fields, set when they differ from the driver's.
    // Without the driver's record, the seeded short slot and idle time stand for what fill
    // leaves out.
    void ApOptions(const std::function<void(uint8_t* options)>& fill);

    // ADD_KEY of the pairwise master key: 64 characters are the key in hex, anything else
    // a passphrase salted with the SSID. A key that cannot be made is not sent (traced).
    void AddPsk(const std::string& wpapsk, const std::string& ssid);
    // WEP keys 1 to 4: 10 hex digits are added as a 5-byte key, 26 as a 13-byte one, any
    // other text removes the key. defaultKey (1-based) carries bit 31. Keys whose value
    // could not be read (readable[i] false) are left alone.
    void WepKeys(const std::string keys[4], const bool readable[4], int defaultKey);
    void Ssid(const std::string& ssid);

private:
    ApDriver& m_Driver;
};

// The frequency of the first channel the mode and the adapter's regions allow.
uint32_t FirstChannelFrequencyKhz(int wirelessMode);

// The pre-shared key of a WPAPSK text; false when none can be made of it.
bool MakePsk(const std::string& wpapsk, const std::string& ssid, uint8_t out[32]);

}  // namespace softap
