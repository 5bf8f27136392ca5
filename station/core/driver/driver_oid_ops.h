#pragma once
// One small named operation per driver setting: each fixes the OID, the direction and the
// buffer length, and a few build or unpack the record. Sets go through SetOidEx with the
// private-set flag and 3 tries, so a 0x0D01xxxx or 0x0E01xxxx OID reaches the driver as
// 0xFF81xxxx; a refused set is retried in the background. Every operation returns the first
// try's success (1) or 0 and shows nothing. A failed query leaves the caller's buffer as it was.
// The object has no state of its own.
#include <windows.h>

#include <cstdint>

// Records of the native 802.11 OIDs begin with this object header.
struct NdisObjectHeader {
    uint8_t Type;      // 0x80
    uint8_t Revision;  // 1
    uint16_t Size;
};
static_assert(sizeof(NdisObjectHeader) == 4, "native 802.11 object header");

// Sizes of the records this object sends or reads.
constexpr DWORD kSupportedRatesRecordSize = 132;  // 0x0D01031A
constexpr DWORD kLinkInfoRecordSize = 184;        // 0xFF0C000B
constexpr DWORD kWpsCredentialTableSize = 996;    // 0xFF8C0049
constexpr DWORD kWpsConfigRecordSize = 56;        // 0xFF8C002A
constexpr DWORD kNativeKeyRecordSize = 276;       // 0x0E01018B set
constexpr DWORD kNativeKeyMaxLength = kNativeKeyRecordSize - 22;

class DriverOidOps {
public:
    // Transmit power by level: 0 -> -1, 1 -> 100, 2 -> 75, 3 -> 50, 4 -> 25, 5 -> 10, 6 -> 6
    // percent; any other level -> -1.
    static int32_t TxPowerPercent(int level);

    BOOLEAN SetTxPower(int level);
    BOOLEAN QueryOid0007(DWORD* power);
    BOOLEAN SetOpMode(DWORD mode);  // 0 station, 1 access point
    BOOLEAN QueryOpMode(DWORD* mode);  // zeroed first; non-zero = access point
    BOOLEAN SetOid0002(DWORD wirelessMode);
    BOOLEAN QueryOid0002(DWORD* wirelessMode);
    BOOLEAN SetOid0003(DWORD countryRegion);
    BOOLEAN QueryOid0003(DWORD* countryRegion);
    BOOLEAN SetOid031A(const void* record);  // kSupportedRatesRecordSize bytes
    BOOLEAN QueryOid0702(uint8_t mac[6]);
    BOOLEAN QueryOid0006(DWORD* value);
    BOOLEAN SetOid0028(const void* record);  // 12 bytes, the 802.11n settings
    BOOLEAN SetOid0025(const void* record);  // 14 bytes
    BOOLEAN SetOid0027(const void* record);  // 14 bytes
    BOOLEAN SetOid0026(const void* record);  // 8 bytes
    BOOLEAN SetOid0008(const void* record);  // 12 bytes
    BOOLEAN SetOid002A(const void* record);  // kWpsConfigRecordSize bytes
    BOOLEAN SetOid002B(DWORD value);
    BOOLEAN SetOid002C(DWORD value);
    BOOLEAN SetOid0030(DWORD value);
    BOOLEAN SetApsdFlags(DWORD flags);
    BOOLEAN SetOid0033(DWORD value);
    BOOLEAN SetOid0034(DWORD value);
    BOOLEAN SetOid0031(const void* record);  // 12 bytes
    BOOLEAN SetOid0049(const void* record);  // kWpsCredentialTableSize bytes
    // Statistics: the 64-bit counters at offsets 8-79 and 88-103 of the driver's 184-byte
    // record land at the same offsets of record (the rest untouched), the one at 176 in *extra.
    BOOLEAN QueryLinkInfo(uint8_t record[kLinkInfoRecordSize], uint64_t* extra);

    // The rest of the driver's interface.
    BOOLEAN SetOid031F(DWORD value);
    BOOLEAN QueryOid031F(DWORD* value);
    BOOLEAN SetOid0322(DWORD value);
    BOOLEAN QueryOid0322(DWORD* value);
    BOOLEAN QueryOid031D(DWORD* value);
    BOOLEAN QueryOid0341(uint8_t buffer[16]);
    BOOLEAN QueryOid031A(uint8_t buffer[kSupportedRatesRecordSize]);
    BOOLEAN QueryOid0326(DWORD* first, uint8_t rest[256]);
    BOOLEAN QueryOid0325(uint8_t buffer[52]);
    BOOLEAN SetOid030B();  // broadcast scan request record
    BOOLEAN SetOid0310();  // the adapter's own MAC; 0 when it cannot be read
    BOOLEAN SetOid032F(DWORD value);
    BOOLEAN SetOid0342(DWORD value);
    BOOLEAN QueryOid0342(DWORD* value);

    BOOLEAN SetOid017E(const uint8_t mac[6]);
    BOOLEAN QueryOid017E(uint8_t mac[6]);
    // ssid: the 36-byte NDIS SSID (32-bit length, 32 bytes); the length is limited to 32.
    BOOLEAN SetOid017C(const uint8_t ssid[36]);
    BOOLEAN QueryOid017C(uint8_t ssid[36]);
    BOOLEAN SetOid0185(DWORD value);
    BOOLEAN QueryOid0185(DWORD* value);
    BOOLEAN SetOid0187(DWORD value);
    BOOLEAN QueryOid0187(DWORD* value);
    BOOLEAN SetOid0189(DWORD value);
    BOOLEAN QueryOid0189(DWORD* value);
    // all non-zero: the header alone; else the header, 1, 1 and mac.
    BOOLEAN SetOid0184(int all, const uint8_t mac[6]);
    BOOLEAN QueryOid0184(uint8_t buffer[20]);
    BOOLEAN SetOid017D(int all, const uint8_t mac[6]);
    BOOLEAN QueryOid017D(uint8_t buffer[20]);
    // 0 when keyLength is above kNativeKeyMaxLength.
    BOOLEAN SetOid018B(DWORD keyIndex, DWORD algorithm, const uint8_t* key, DWORD keyLength);
    BOOLEAN QueryOid018B(uint8_t buffer[24]);
    BOOLEAN SetOid0192(DWORD value);   // 1 -> 5, 2 -> 4, 4 -> 6, other -> 0
    BOOLEAN QueryOid0192(DWORD* value);  // 4 -> 2, 5 -> 1, 6 -> 4, other answers: unchanged
    BOOLEAN SetOid0178(int flag);      // queries first; sends 3 for flag 1, else 0
    BOOLEAN QueryOid0178(DWORD* value);
    BOOLEAN SetOid017B(DWORD value);
    BOOLEAN QueryOid017B(DWORD* value);
    BOOLEAN SetOid017F(DWORD value);
    BOOLEAN QueryOid017F(DWORD* value);
    BOOLEAN SetOid018A(DWORD value);
    BOOLEAN QueryOid018A(DWORD* value);
    BOOLEAN SetOid0182(DWORD value);
    BOOLEAN QueryOid0182(uint8_t* value);
    BOOLEAN SetOid0181();
    BOOLEAN SetOid018E();
    BOOLEAN QueryOid0179(void* buffer, DWORD length);

private:
    static BOOLEAN Set(DWORD oid, const void* buffer, DWORD length);
    static BOOLEAN SetValue(DWORD oid, DWORD value);
    static BOOLEAN Query(DWORD oid, void* buffer, DWORD length);
    static BOOLEAN QueryValue(DWORD oid, DWORD* value);
    static BOOLEAN SetNativeValue(DWORD oid, DWORD value);
    static BOOLEAN QueryNativeValue(DWORD oid, DWORD* value);
    static BOOLEAN SetNativeMacList(DWORD oid, int all, const uint8_t mac[6]);
};
