#include "station/core/wps/wps_random.h"

#include "platform/platform.h"
#include "platform/secure_random.h"
#include "station/core/wps/wps_pin.h"

bool RandomBytes(uint8_t* out, size_t n) {
    if (out == nullptr || n < 1 || n > 1024) return false;
    return platform::Random().Fill(out, n);
}

bool GenerateRandomPin(uint32_t* pin) {
    uint8_t bytes[3];
    if (!RandomBytes(bytes, sizeof(bytes))) return false;
    if (pin) *pin = PinFromRandomBytes(bytes);
    return true;
}
