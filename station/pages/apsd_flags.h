#pragma once
// The driver's WMM power-save flags (U-APSD): bit 0 power save on, bits 1-4 the access
// categories BE, BK, VI and VO; bits 5 and 6 are the driver's and bit 7 is cleared whenever
// the page masks the flags.
#include <cstdint>

constexpr uint32_t kOidQueryApsdFlags = 0xFF0C0032;
constexpr uint32_t kApsdPowerSave = 0x01;
constexpr uint32_t kApsdAcBe = 0x02;
constexpr uint32_t kApsdAcBk = 0x04;
constexpr uint32_t kApsdAcVi = 0x08;
constexpr uint32_t kApsdAcVo = 0x10;
constexpr uint32_t kApsdKeepPowerSave = 0x7F;
constexpr uint32_t kApsdClearPowerSave = 0x7E;
