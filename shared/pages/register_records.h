#pragma once
// Records of the Setting Register pages' private OIDs. Little-endian, fixed width. Window-less.
#include <cstdint>

// The station's 0xFF0C0008 (query: the driver fills Value) and 0xFF8C0008 (set); the soft-AP
// utility's 0x0D710105 and 0x0DF10105.
struct RegisterAccessRecord {
    uint32_t Kind;    // kRegisterMac, kRegisterBbp, kRegisterRf, kRegisterEeprom
    uint32_t Offset;  // register offset, or the BBP register id
    uint32_t Value;
};
static_assert(sizeof(RegisterAccessRecord) == 12, "register access record");

constexpr uint32_t kRegisterMac = 0;
constexpr uint32_t kRegisterBbp = 1;
constexpr uint32_t kRegisterRf = 2;  // the soft-AP utility's RF write
constexpr uint32_t kRegisterEeprom = 3;

// 0x0DF10120 (set): the four RF register words and the RF tuning switch.
struct RfRegisterRecord {
    uint32_t R[4];
    uint32_t TuningEnable;  // 0 or 1
};
static_assert(sizeof(RfRegisterRecord) == 20, "RF register record");

// 0x0D710109 (query) and 0x0DF10109 (set): the R17 (receiver gain) tuning record.
// The page reads it as "Inc/Dec R17 by <0> / <= <1>, if FALSE CCA >= <2> within 1 second.
// Max R17 value is 0x<3>".
struct R17TuningRecord {
    uint8_t Field[3];
    uint8_t MaxR17;
};
static_assert(sizeof(R17TuningRecord) == 4, "R17 tuning record");
