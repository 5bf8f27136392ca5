#pragma once
// The driver's WPS status word (query OID 0xFF0C002D, a u32): bit 28 set for a PIN run,
// clear for a push-button run; the low 28 bits are the state the exchange has reached.
// Window-less.
#include <cstdint>

constexpr uint32_t kOidWpsStatus = 0xFF0C002D;
constexpr uint32_t kOidWpsCredentials = 0xFF0C002E;  // the 996-byte credential table
constexpr uint32_t kOidWpsButton = 0xFF0C002F;       // non-zero: the adapter's button was pressed

constexpr uint32_t kWpsStatusPinRun = 0x10000000;
constexpr uint32_t kWpsStateMask = 0x0FFFFFFF;

enum WpsState : uint32_t {
    kWpsStateNotUsed = 0,
    kWpsStateIdle = 1,
    kWpsStateScanning = 2,
    kWpsStateAssociating = 3,
    kWpsStateAssociated = 4,
    kWpsStateEapolStart = 5,
    kWpsStateEapRspId = 6,
    kWpsStateEapRspAck = 7,
    kWpsStateEapReqNack = 9,
    kWpsStateConfigured = 15,
    // The enrollee's steps.
    kWpsStateEapReqStart = 17,
    kWpsStateSendM1 = 18,
    kWpsStateRecvM2 = 19,
    kWpsStateRecvM2D = 20,
    kWpsStateSendM3 = 21,
    kWpsStateRecvM4 = 22,
    kWpsStateSendM5 = 23,
    kWpsStateRecvM6 = 24,
    kWpsStateSendM7 = 25,
    kWpsStateRecvM8 = 26,
    kWpsStateSendDone = 27,
    // The registrar's steps.
    kWpsStateRecvM1 = 34,
    kWpsStateSendM2 = 35,
    kWpsStateSendM2D = 36,
    kWpsStateRecvM3 = 37,
    kWpsStateSendM4 = 38,
    kWpsStateRecvM5 = 39,
    kWpsStateSendM6 = 40,
    kWpsStateRecvM7 = 41,
    kWpsStateSendM8 = 42,
    kWpsStateRecvDone = 43,
    // Reported while the driver keeps trying.
    kWpsStatePbcOverlap = 257,
    kWpsStateNoPbcAp = 258,
    kWpsStateEapFail = 259,
    kWpsStateWrongNonce = 260,
    kWpsStateHmacMismatch = 261,
    kWpsStateWrongPin = 262,
    // The run is over.
    kWpsStateInvalidSsid = 513,
    kWpsStateWrongVendorId = 514,
    kWpsStateWrongVendorType = 515,
    kWpsStateEapFailed = 516,
};

inline bool WpsStatusIsPinRun(uint32_t word) { return (word & kWpsStatusPinRun) != 0; }
inline uint32_t WpsStateOf(uint32_t word) { return word & kWpsStateMask; }
