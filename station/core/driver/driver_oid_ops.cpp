#include "station/core/driver/driver_oid_ops.h"

#include <cstring>
#include <vector>

#include "shared/driver/oid_access.h"

namespace {

constexpr int kSetTries = 3;
constexpr uint8_t kBroadcast[6] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

void PutU32(uint8_t* at, uint32_t v) { std::memcpy(at, &v, 4); }
uint32_t GetU32(const uint8_t* at) {
    uint32_t v;
    std::memcpy(&v, at, 4);
    return v;
}

void PutHeader(uint8_t* record, uint16_t size) {
    const NdisObjectHeader header{0x80, 1, size};
    std::memcpy(record, &header, sizeof(header));
}

}  // namespace

// ---- transport ----

BOOLEAN DriverOidOps::Set(DWORD oid, const void* buffer, DWORD length) {
    // The driver may write into what it is given; the caller's record stays as it was.
    std::vector<uint8_t> copy(length);
    if (length != 0) std::memcpy(copy.data(), buffer, length);
    DWORD returned = 0;
    return SetOidEx(oid, length != 0 ? copy.data() : nullptr, length, &returned, 1, kSetTries) ? 1 : 0;
}

BOOLEAN DriverOidOps::SetValue(DWORD oid, DWORD value) { return Set(oid, &value, sizeof(value)); }

BOOLEAN DriverOidOps::Query(DWORD oid, void* buffer, DWORD length) {
    // Answered into a copy so that a failed query leaves the caller's buffer untouched.
    std::vector<uint8_t> answer(static_cast<uint8_t*>(buffer), static_cast<uint8_t*>(buffer) + length);
    DWORD returned = 0;
    if (!QueryOid(oid, length != 0 ? answer.data() : nullptr, length, &returned)) return 0;
    if (length != 0) std::memcpy(buffer, answer.data(), length);
    return 1;
}

BOOLEAN DriverOidOps::QueryValue(DWORD oid, DWORD* value) { return Query(oid, value, sizeof(*value)); }

BOOLEAN DriverOidOps::SetNativeValue(DWORD oid, DWORD value) {
    uint8_t record[16] = {};
    PutHeader(record, sizeof(record));
    PutU32(record + 4, 1);
    PutU32(record + 8, 1);
    PutU32(record + 12, value);
    return Set(oid, record, sizeof(record));
}

BOOLEAN DriverOidOps::QueryNativeValue(DWORD oid, DWORD* value) {
    uint8_t record[16] = {};
    if (!Query(oid, record, sizeof(record))) return 0;
    *value = GetU32(record + 12);
    return 1;
}

BOOLEAN DriverOidOps::SetNativeMacList(DWORD oid, int all, const uint8_t mac[6]) {
    uint8_t record[20] = {};
    PutHeader(record, sizeof(record));
    if (all == 0) {
        PutU32(record + 4, 1);
        PutU32(record + 8, 1);
        if (mac != nullptr) std::memcpy(record + 12, mac, 6);
    }
    return Set(oid, record, sizeof(record));
}

// ---- the operations the utility calls ----

int32_t DriverOidOps::TxPowerPercent(int level) {
    static constexpr int32_t kPercent[] = {-1, 100, 75, 50, 25, 10, 6};
    if (level < 0 || level >= static_cast<int>(sizeof(kPercent) / sizeof(kPercent[0]))) return -1;
    return kPercent[level];
}

BOOLEAN DriverOidOps::SetTxPower(int level) {
    return SetValue(0xFF8C0007, static_cast<DWORD>(TxPowerPercent(level)));
}
BOOLEAN DriverOidOps::QueryOid0007(DWORD* power) { return QueryValue(0xFF0C0007, power); }
BOOLEAN DriverOidOps::SetOpMode(DWORD mode) { return SetValue(0xFF8C001A, mode); }
BOOLEAN DriverOidOps::QueryOpMode(DWORD* mode) {
    *mode = 0;
    return QueryValue(0xFF0C001A, mode);
}
BOOLEAN DriverOidOps::SetOid0002(DWORD wirelessMode) { return SetValue(0xFF8C0002, wirelessMode); }
BOOLEAN DriverOidOps::QueryOid0002(DWORD* wirelessMode) { return QueryValue(0xFF0C0002, wirelessMode); }
BOOLEAN DriverOidOps::SetOid0003(DWORD countryRegion) { return SetValue(0xFF8C0003, countryRegion); }
BOOLEAN DriverOidOps::QueryOid0003(DWORD* countryRegion) { return QueryValue(0xFF0C0003, countryRegion); }
BOOLEAN DriverOidOps::SetOid031A(const void* record) {
    return Set(0x0D01031A, record, kSupportedRatesRecordSize);
}
BOOLEAN DriverOidOps::QueryOid0702(uint8_t mac[6]) { return Query(0x0D010702, mac, 6); }
BOOLEAN DriverOidOps::QueryOid0006(DWORD* value) { return QueryValue(0xFF0C0006, value); }
BOOLEAN DriverOidOps::SetOid0028(const void* record) { return Set(0xFF8C0028, record, 12); }
BOOLEAN DriverOidOps::SetOid0025(const void* record) { return Set(0xFF8C0025, record, 14); }
BOOLEAN DriverOidOps::SetOid0027(const void* record) { return Set(0xFF8C0027, record, 14); }
BOOLEAN DriverOidOps::SetOid0026(const void* record) { return Set(0xFF8C0026, record, 8); }
BOOLEAN DriverOidOps::SetOid0008(const void* record) { return Set(0xFF8C0008, record, 12); }
BOOLEAN DriverOidOps::SetOid002A(const void* record) {
    return Set(0xFF8C002A, record, kWpsConfigRecordSize);
}
BOOLEAN DriverOidOps::SetOid002B(DWORD value) { return SetValue(0xFF8C002B, value); }
BOOLEAN DriverOidOps::SetOid002C(DWORD value) { return SetValue(0xFF8C002C, value); }
BOOLEAN DriverOidOps::SetOid0030(DWORD value) { return SetValue(0xFF8C0030, value); }
BOOLEAN DriverOidOps::SetApsdFlags(DWORD flags) { return SetValue(0xFF8C0032, flags); }
BOOLEAN DriverOidOps::SetOid0033(DWORD value) { return SetValue(0xFF8C0033, value); }
BOOLEAN DriverOidOps::SetOid0034(DWORD value) { return SetValue(0xFF8C0034, value); }
BOOLEAN DriverOidOps::SetOid0031(const void* record) { return Set(0xFF8C0031, record, 12); }
BOOLEAN DriverOidOps::SetOid0049(const void* record) {
    return Set(0xFF8C0049, record, kWpsCredentialTableSize);
}

BOOLEAN DriverOidOps::QueryLinkInfo(uint8_t record[kLinkInfoRecordSize], uint64_t* extra) {
    uint8_t answer[kLinkInfoRecordSize] = {};
    if (!Query(0xFF0C000B, answer, sizeof(answer))) return 0;
    std::memcpy(record + 8, answer + 8, 80 - 8);
    std::memcpy(record + 88, answer + 88, 104 - 88);
    std::memcpy(extra, answer + 176, 8);
    return 1;
}

// ---- the rest of the interface ----

BOOLEAN DriverOidOps::SetOid031F(DWORD value) { return SetValue(0x0D01031F, value); }
BOOLEAN DriverOidOps::QueryOid031F(DWORD* value) { return QueryValue(0x0D01031F, value); }
BOOLEAN DriverOidOps::SetOid0322(DWORD value) { return SetValue(0x0D010322, value); }
BOOLEAN DriverOidOps::QueryOid0322(DWORD* value) { return QueryValue(0x0D010322, value); }
BOOLEAN DriverOidOps::QueryOid031D(DWORD* value) { return QueryValue(0x0D01031D, value); }
BOOLEAN DriverOidOps::QueryOid0341(uint8_t buffer[16]) { return Query(0x0D010341, buffer, 16); }
BOOLEAN DriverOidOps::QueryOid031A(uint8_t buffer[kSupportedRatesRecordSize]) {
    return Query(0x0D01031A, buffer, kSupportedRatesRecordSize);
}
BOOLEAN DriverOidOps::QueryOid0326(DWORD* first, uint8_t rest[256]) {
    uint8_t answer[264] = {};
    if (!Query(0x0D010326, answer, sizeof(answer))) return 0;
    *first = GetU32(answer);
    std::memcpy(rest, answer + 4, 256);
    return 1;
}
BOOLEAN DriverOidOps::QueryOid0325(uint8_t buffer[52]) { return Query(0x0D010325, buffer, 52); }

BOOLEAN DriverOidOps::SetOid030B() {
    uint8_t record[60] = {};
    PutU32(record, 3);
    std::memcpy(record + 4, kBroadcast, 6);
    PutU32(record + 12, 3);
    PutU32(record + 24, 1);
    return Set(0x0D01030B, record, sizeof(record));
}

BOOLEAN DriverOidOps::SetOid0310() {
    uint8_t record[12] = {};
    PutU32(record, 3);
    // Without the adapter's address there is nothing correct to send.
    if (!QueryOid0702(record + 4)) return 0;
    return Set(0x0D010310, record, sizeof(record));
}

BOOLEAN DriverOidOps::SetOid032F(DWORD value) { return SetValue(0x0D01032F, value); }
BOOLEAN DriverOidOps::SetOid0342(DWORD value) { return SetValue(0x0D010342, value); }
BOOLEAN DriverOidOps::QueryOid0342(DWORD* value) { return QueryValue(0x0D010342, value); }

BOOLEAN DriverOidOps::SetOid017E(const uint8_t mac[6]) { return SetNativeMacList(0x0E01017E, 0, mac); }
BOOLEAN DriverOidOps::QueryOid017E(uint8_t mac[6]) {
    uint8_t record[20] = {};
    if (!Query(0x0E01017E, record, sizeof(record))) return 0;
    std::memcpy(mac, record + 12, 6);
    return 1;
}

BOOLEAN DriverOidOps::SetOid017C(const uint8_t ssid[36]) {
    uint8_t record[48] = {};
    PutHeader(record, sizeof(record));
    PutU32(record + 4, 1);
    PutU32(record + 8, 1);
    uint32_t length = GetU32(ssid);
    if (length > 32) length = 32;
    PutU32(record + 12, length);
    std::memcpy(record + 16, ssid + 4, length);
    return Set(0x0E01017C, record, sizeof(record));
}

BOOLEAN DriverOidOps::QueryOid017C(uint8_t ssid[36]) {
    uint8_t record[48] = {};
    if (!Query(0x0E01017C, record, sizeof(record))) return 0;
    // The driver's length is not trusted beyond the 32 bytes an SSID has.
    if (GetU32(record + 12) > 32) PutU32(record + 12, 32);
    std::memcpy(ssid, record + 12, 36);
    return 1;
}

BOOLEAN DriverOidOps::SetOid0185(DWORD value) { return SetNativeValue(0x0E010185, value); }
BOOLEAN DriverOidOps::QueryOid0185(DWORD* value) { return QueryNativeValue(0x0E010185, value); }
BOOLEAN DriverOidOps::SetOid0187(DWORD value) { return SetNativeValue(0x0E010187, value); }
BOOLEAN DriverOidOps::QueryOid0187(DWORD* value) { return QueryNativeValue(0x0E010187, value); }
BOOLEAN DriverOidOps::SetOid0189(DWORD value) { return SetNativeValue(0x0E010189, value); }
BOOLEAN DriverOidOps::QueryOid0189(DWORD* value) { return QueryNativeValue(0x0E010189, value); }
BOOLEAN DriverOidOps::SetOid0184(int all, const uint8_t mac[6]) { return SetNativeMacList(0x0E010184, all, mac); }
BOOLEAN DriverOidOps::QueryOid0184(uint8_t buffer[20]) { return Query(0x0E010184, buffer, 20); }
BOOLEAN DriverOidOps::SetOid017D(int all, const uint8_t mac[6]) { return SetNativeMacList(0x0E01017D, all, mac); }
BOOLEAN DriverOidOps::QueryOid017D(uint8_t buffer[20]) { return Query(0x0E01017D, buffer, 20); }

BOOLEAN DriverOidOps::SetOid018B(DWORD keyIndex, DWORD algorithm, const uint8_t* key, DWORD keyLength) {
    if (keyLength > kNativeKeyMaxLength || (key == nullptr && keyLength != 0)) return 0;
    uint8_t record[kNativeKeyRecordSize] = {};
    PutHeader(record, 24);
    PutU32(record + 4, keyIndex);
    PutU32(record + 8, algorithm);
    // +12 MAC, +18 delete flag, +19 static flag: all 0.
    const uint16_t length16 = static_cast<uint16_t>(keyLength);
    std::memcpy(record + 20, &length16, 2);
    if (keyLength != 0) std::memcpy(record + 22, key, keyLength);
    return Set(0x0E01018B, record, sizeof(record));
}
BOOLEAN DriverOidOps::QueryOid018B(uint8_t buffer[24]) { return Query(0x0E01018B, buffer, 24); }

BOOLEAN DriverOidOps::SetOid0192(DWORD value) {
    DWORD sent = 0;
    switch (value) {
        case 1: sent = 5; break;
        case 2: sent = 4; break;
        case 4: sent = 6; break;
        default: break;
    }
    return SetValue(0x0E010192, sent);
}

BOOLEAN DriverOidOps::QueryOid0192(DWORD* value) {
    DWORD answer = 0;
    if (!QueryValue(0x0E010192, &answer)) return 0;
    switch (answer) {
        case 4: *value = 2; break;
        case 5: *value = 1; break;
        case 6: *value = 4; break;
        default: break;
    }
    return 1;
}

BOOLEAN DriverOidOps::SetOid0178(int flag) {
    DWORD current = 0;
    QueryValue(0x0E010178, &current);
    return SetValue(0x0E010178, flag == 1 ? 3 : 0);
}
BOOLEAN DriverOidOps::QueryOid0178(DWORD* value) { return QueryValue(0x0E010178, value); }
BOOLEAN DriverOidOps::SetOid017B(DWORD value) { return SetValue(0x0E01017B, value); }
BOOLEAN DriverOidOps::QueryOid017B(DWORD* value) { return QueryValue(0x0E01017B, value); }
BOOLEAN DriverOidOps::SetOid017F(DWORD value) { return SetValue(0x0E01017F, value); }
BOOLEAN DriverOidOps::QueryOid017F(DWORD* value) { return QueryValue(0x0E01017F, value); }
BOOLEAN DriverOidOps::SetOid018A(DWORD value) { return SetValue(0x0E01018A, value); }
BOOLEAN DriverOidOps::QueryOid018A(DWORD* value) { return QueryValue(0x0E01018A, value); }
BOOLEAN DriverOidOps::SetOid0182(DWORD value) { return SetValue(0x0E010182, value); }
BOOLEAN DriverOidOps::QueryOid0182(uint8_t* value) { return Query(0x0E010182, value, 1); }
BOOLEAN DriverOidOps::SetOid0181() { return Set(0x0E010181, nullptr, 0); }
BOOLEAN DriverOidOps::SetOid018E() { return Set(0x0E01018E, nullptr, 0); }
BOOLEAN DriverOidOps::QueryOid0179(void* buffer, DWORD length) { return Query(0x0E010179, buffer, length); }
