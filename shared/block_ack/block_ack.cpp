#include "shared/block_ack/block_ack.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "shared/text/mac_text.h"

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

void LoadBaCapability(const BaCapability& c, BaCapabilityFields& f) {
    f.OriginatorWindowLimit = c.OriginatorWindowLimit;
    f.RecipientWindowLimit = c.RecipientWindowLimit;
    f.MpduAggregation = c.MpduAggregation == 1 ? 1 : 0;
    f.MpduDensity = std::to_string(c.MpduDensity);
    if (c.AmsduEnable == 1) {
        f.Amsdu = 1;
        f.AmsduSize = c.AmsduSize == 1 ? 1 : 0;
    } else {
        f.Amsdu = 0;
    }
    f.SmPowerSave = c.SmPowerSave == 0 ? 1 : c.SmPowerSave == 1 ? 2 : 0;
    f.AutoSetup = c.AutoSetup == 1 ? 1 : 0;
}

BaCapability StoreBaCapability(const BaCapabilityFields& f) {
    BaCapability c{};
    c.OriginatorWindowLimit = static_cast<uint8_t>(f.OriginatorWindowLimit);
    c.RecipientWindowLimit = static_cast<uint8_t>(f.RecipientWindowLimit);
    c.MpduAggregation = f.MpduAggregation ? 1 : 2;
    int density = 0;
    const std::string& text = f.MpduDensity;
    if (!text.empty() && text.size() <= 3 && text.find_first_not_of("0123456789") == std::string::npos)
        density = std::stoi(text);
    c.MpduDensity = static_cast<uint8_t>(density <= 255 ? density : 0);
    c.AmsduEnable = f.Amsdu ? 1 : 0;
    c.AmsduSize = f.AmsduSize == 1 ? 1 : 0;
    c.SmPowerSave = f.SmPowerSave == 1 ? 0 : f.SmPowerSave == 2 ? 1 : 3;
    c.AutoSetup = f.AutoSetup == 1 ? 1 : 0;
    return c;
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

std::vector<std::array<uint8_t, 6>> ListedBaPeers(const std::vector<BaPeerSessions>& sessions) {
    std::vector<std::array<uint8_t, 6>> peers;
    const std::array<uint8_t, 6> zero{};
    for (const BaPeerSessions& s : sessions)
        if (s.Peer != zero && std::find(peers.begin(), peers.end(), s.Peer) == peers.end()) peers.push_back(s.Peer);
    return peers;
}
