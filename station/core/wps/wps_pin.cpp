#include "station/core/wps/wps_pin.h"

#include <cstring>

uint32_t PinChecksum(uint32_t value7) {
    uint32_t w = (value7 % 10000000u) * 10;
    uint32_t sum = 0;
    // Digits from 10^7 down to 10^1 weigh 3, 1, 3, 1, 3, 1, 3.
    w /= 10;
    for (int i = 0; i < 7; ++i) {
        const uint32_t digit = w % 10;
        sum += (i % 2 == 0) ? 3 * digit : digit;
        w /= 10;
    }
    return (10 - sum % 10) % 10;
}

uint32_t PinWithChecksum(uint32_t value7) {
    value7 %= 10000000u;
    return value7 * 10 + PinChecksum(value7);
}

bool IsValidPin(uint32_t pin) { return pin < kWpsPinLimit && pin % 10 == PinChecksum(pin / 10); }

bool CheckPinCode(const char* text, uint32_t* pin) {
    if (text == nullptr || std::strlen(text) != 8) return false;
    uint32_t value = 0;
    for (int i = 0; i < 8; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + static_cast<uint32_t>(text[i] - '0');
    }
    if (!IsValidPin(value)) return false;
    if (pin) *pin = value;
    return true;
}

uint32_t PinFromRandomBytes(const uint8_t bytes[3]) {
    const uint32_t v = (uint32_t{bytes[0]} * 65536 + uint32_t{bytes[1]} * 256 + bytes[2]) % 10000000u;
    return PinWithChecksum(v);
}
