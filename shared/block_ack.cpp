#include "shared/block_ack.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

#include "shared/mac_text.h"

namespace {

struct Field {
    size_t byte;   // in BaCapability
    int shift;
    uint32_t mask;  // of the field's width
};
// The order of the bits in the registry value.
constexpr Field kFields[] = {
    {0, 0, 0xFF}, {1, 8, 0xFF}, {7, 16, 0x1}, {2, 17, 0x3}, {3, 19, 0x7}, {4, 22, 0x1}, {5, 23, 0x1}, {6, 24, 0x3},
};

constexpr size_t kEntrySize = sizeof(BaSessionEntry);

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

}  // namespace

uint32_t PackBaCapability(const BaCapability& capability) {
    uint8_t bytes[sizeof(BaCapability)];
    std::memcpy(bytes, &capability, sizeof(bytes));
    uint32_t packed = 0;
    for (const Field& f : kFields) packed |= (bytes[f.byte] & f.mask) << f.shift;
    return packed;
}

BaCapability UnpackBaCapability(uint32_t packed) {
    uint8_t bytes[sizeof(BaCapability)] = {};
    for (const Field& f : kFields) bytes[f.byte] = static_cast<uint8_t>((packed >> f.shift) & f.mask);
    BaCapability capability;
    std::memcpy(&capability, bytes, sizeof(capability));
    return capability;
}

BaSessionRequest MakeBaAddRequest(BaDirection direction, const uint8_t peer[6], int tid, int windowLimit) {
    BaSessionRequest request{};
    request.Direction = direction;
    std::memcpy(request.Peer, peer, 6);
    request.Tid = static_cast<uint8_t>(tid);
    request.WindowLimit = static_cast<uint8_t>(windowLimit & 0xFF);
    return request;
}

BaSessionRequest MakeBaDeleteRequest(BaDirection direction, const uint8_t peer[6], int tid, bool allTids) {
    BaSessionRequest request{};
    request.Direction = direction;
    std::memcpy(request.Peer, peer, 6);
    request.Tid = allTids ? 0 : static_cast<uint8_t>(tid);
    request.AllTids = allTids ? 1 : 0;
    return request;
}

std::vector<BaPeerSessions> ReadBaSessions(const uint8_t* table, size_t returned, BaDirection direction) {
    std::vector<BaPeerSessions> peers;
    if (!table) return peers;
    const size_t countOffset = direction == kBaOriginator ? kBaOriginatorCountOffset : kBaRecipientCountOffset;
    const size_t count = returned > countOffset ? table[countOffset] : 0;
    const size_t first = direction == kBaOriginator ? kBaOriginatorOffset : kBaRecipientOffset;
    for (size_t i = 0; i < kBaSessionEntries && peers.size() < count; ++i) {
        const size_t at = first + i * kEntrySize;
        if (at + kEntrySize > returned) break;
        const uint8_t* entry = table + at;
        const uint8_t bitmap = entry[offsetof(BaSessionEntry, TidBitmap)];
        if (bitmap == 0) continue;
        BaPeerSessions peer;
        std::memcpy(peer.Peer.data(), entry, 6);
        for (int t = 0; t < kBaTidCount; ++t) {
            BaTidRecord& r = peer.Tids[t];
            r.Direction = direction;
            r.Peer = peer.Peer;
            r.Tid = static_cast<uint8_t>(t);
            r.WindowSize = entry[offsetof(BaSessionEntry, WindowSize) + t];
            r.Value = Le16(entry + offsetof(BaSessionEntry, TidInfo) + 4 * t);
            r.InUse = (bitmap >> t) & 1;
        }
        peers.push_back(peer);
    }
    return peers;
}

std::array<std::string, 1 + kBaTidCount> BaSessionRowTexts(const BaPeerSessions& peer) {
    std::array<std::string, 1 + kBaTidCount> texts;
    texts[0] = FormatMacText(peer.Peer.data());
    for (int t = 0; t < kBaTidCount; ++t)
        texts[1 + t] = peer.Tids[t].InUse ? std::to_string(peer.Tids[t].WindowSize) : "-";
    return texts;
}
