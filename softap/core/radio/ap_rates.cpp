#include "softap/core/radio/ap_rates.h"

namespace softap {
namespace {

constexpr uint8_t kCck[4] = {0x02, 0x04, 0x0B, 0x16};                          // 1, 2, 5.5, 11
constexpr uint8_t kOfdm[8] = {0x0C, 0x12, 0x18, 0x24, 0x30, 0x48, 0x60, 0x6C};  // 6 .. 54

DesiredRates Single(uint8_t rate)
{
    DesiredRates r{};
    r[0] = rate;
    return r;
}

}  // namespace

bool UsesOfdmRateList(int mode)
{
    return mode == 2 || mode == 4 || mode == 7 || mode == 8 || mode == 10;
}

DesiredRates DesiredRatesFor(int mode, int index)
{
    if (UsesOfdmRateList(mode)) {
        if (index >= 1 && index <= 8)
            return Single(kOfdm[index - 1]);
        return {0x6C, 0x60, 0x48, 0x30, 0x24, 0x18, 0x12, 0x0C};
    }
    if (index >= 1 && index <= 4)
        return Single(kCck[index - 1]);
    if (index >= 5 && index <= 12)
        return Single(kOfdm[index - 5]);
    if (mode == 1)
        return {0x16, 0x0B, 0x04, 0x02, 0, 0, 0, 0};
    return {0x6C, 0x60, 0x48, 0x30, 0x16, 0x0B, 0x04, 0x02};
}

}  // namespace softap
