#pragma once
// 802.11n block-ack records exchanged with the driver: the capability (aggregation, window
// limits, MPDU density, A-MSDU, SM power save), its registry packing `BACapability`, the
// session table and the request that adds or ends one session. Both utilities use them, each
// under its own OIDs. Window-less; every record is little-endian and fixed-width.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kBaTidCount = 8;
constexpr int kBaSessionEntries = 32;  // per direction

enum BaDirection : uint8_t { kBaOriginator = 0, kBaRecipient = 1 };

struct BaCapability {
    uint8_t OriginatorWindowLimit;  // 32 by default
    uint8_t RecipientWindowLimit;   // 32 by default
    uint8_t MpduAggregation;        // 1 on, 2 off
    uint8_t MpduDensity;            // 0..7
    uint8_t AmsduEnable;            // 1 on
    uint8_t AmsduSize;              // 0: 3839 bytes, 1: 7935 bytes
    uint8_t SmPowerSave;            // 0 static, 1 dynamic, 3 disabled
    uint8_t AutoSetup;              // 1: the driver sets sessions up itself
};
static_assert(sizeof(BaCapability) == 8, "block-ack capability record");

// The capability as a page shows it: check boxes, a combo text and radio indices.
struct BaCapabilityFields {
    int OriginatorWindowLimit = 32;  // no control; kept
    int RecipientWindowLimit = 32;
    int MpduAggregation = 1;         // check box
    std::string MpduDensity = "0";   // combo text "0".."7"
    int Amsdu = 1;                   // check box
    int AmsduSize = 0;               // radio index: 3839, 7935
    int SmPowerSave = 0;             // radio index: SM enable, static SMPS, dynamic SMPS
    int AutoSetup = 1;               // radio index: manual, auto
};

// Loading keeps the A-MSDU size only while A-MSDU is on (else the check box clears) and
// maps SM power save 0 (static) to index 1, 1 (dynamic) to 2 and anything else to 0.
void LoadBaCapability(const BaCapability& capability, BaCapabilityFields& fields);
// Storing maps the SM index 1 to 0, 2 to 1 and anything else to 3 (disabled); a density
// text that is not a number from 0 to 255 stores 0.
BaCapability StoreBaCapability(const BaCapabilityFields& fields);

// The REG_DWORD `BACapability`: bits 0-7 and 8-15 the window limits, 16 auto setup, 17-18
// aggregation, 19-21 density, 22 A-MSDU, 23 A-MSDU size, 24-25 SM power save, 26-31 zero.
// A field wider than its bits is cut to them, so it never spills into its neighbour.
uint32_t PackBaCapability(const BaCapability& capability);
BaCapability UnpackBaCapability(uint32_t packed);

struct BaSessionEntry {
    uint8_t PeerMac[6];
    uint8_t TidBitmap;            // bit t: a session for TID t
    uint8_t Reserved;
    uint8_t WindowSize[kBaTidCount];
    uint32_t TidInfo[kBaTidCount];  // the low 16 bits go with each TID
};
static_assert(sizeof(BaSessionEntry) == 48, "block-ack session entry");

struct BaSessionTable {
    BaSessionEntry Originator[kBaSessionEntries];
    BaSessionEntry Recipient[kBaSessionEntries];
    uint8_t OriginatorCount;
    uint8_t RecipientCount;
    uint8_t Reserved[2];
};
static_assert(sizeof(BaSessionTable) == 3076, "block-ack session table");
constexpr size_t kBaOriginatorOffset = 0;
constexpr size_t kBaRecipientOffset = 1536;
constexpr size_t kBaOriginatorCountOffset = 3072;
constexpr size_t kBaRecipientCountOffset = 3073;

struct BaSessionRequest {
    uint8_t Direction;    // BaDirection
    uint8_t Peer[6];
    uint8_t Tid;          // 0..7; 0 when every TID of the peer ends
    uint8_t WindowLimit;  // add only
    uint8_t Reserved9;
    uint8_t Reserved10[2];
    uint8_t AllTids;      // delete only: 1 every TID of the peer, 0 the one TID
    uint8_t Reserved13;
};
static_assert(sizeof(BaSessionRequest) == 14, "block-ack session request");

// The window limit is the low byte of the number the user gave: 300 is sent as 44.
BaSessionRequest MakeBaAddRequest(BaDirection direction, const uint8_t peer[6], int tid, int windowLimit);
BaSessionRequest MakeBaDeleteRequest(BaDirection direction, const uint8_t peer[6], int tid, bool allTids);

// One TID of a listed peer, as the pages keep it.
struct BaTidRecord {
    uint8_t Direction = 0;
    std::array<uint8_t, 6> Peer{};
    uint8_t Tid = 0;
    uint8_t WindowSize = 0;
    uint16_t Value = 0;  // the low half of the entry's TID word
    bool InUse = false;
};

struct BaPeerSessions {
    std::array<uint8_t, 6> Peer{};
    std::array<BaTidRecord, kBaTidCount> Tids{};
};

// The sessions of one direction in a table the driver filled `returned` bytes of: entries
// in table order, skipping those without a TID bit, until as many are listed as the
// direction's count says. Only entries wholly inside the returned bytes are read and never
// more than 32; a count the driver did not return reads as 0.
std::vector<BaPeerSessions> ReadBaSessions(const uint8_t* table, size_t returned, BaDirection direction);

// The nine list columns of a peer: its MAC as "%02X-..." and, for TIDs 0-7, the window size
// where a session exists, else "-".
std::array<std::string, 1 + kBaTidCount> BaSessionRowTexts(const BaPeerSessions& peer);

// The peers a Delete dialog offers: each listed peer once, in list order, never the all-zero
// address (a driver may list a peer twice).
std::vector<std::array<uint8_t, 6>> ListedBaPeers(const std::vector<BaPeerSessions>& sessions);
