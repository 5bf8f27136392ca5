#include "station/core/driver/dls_link.h"

#include <cstring>

#include "shared/text/hex_text.h"

DlsTable ReadDlsTable(const uint8_t* data, size_t returned) {
    DlsTable table{};
    for (size_t i = 0; data && i < kDlsLinkCount && (i + 1) * sizeof(DlsLinkEntry) <= returned; ++i) {
        const uint8_t* p = data + i * sizeof(DlsLinkEntry);
        DlsLinkEntry& e = table[i];
        e.Timeout = static_cast<uint16_t>(p[0] | (p[1] << 8));
        e.Reserved[0] = p[2];
        e.Reserved[1] = p[3];
        std::memcpy(e.PeerMac, p + 4, 6);
        e.Status = p[10];
        e.Valid = p[11];
    }
    return table;
}

void WriteDlsEntry(const DlsLinkEntry& entry, uint8_t out[sizeof(DlsLinkEntry)]) {
    out[0] = static_cast<uint8_t>(entry.Timeout & 0xFF);
    out[1] = static_cast<uint8_t>(entry.Timeout >> 8);
    out[2] = entry.Reserved[0];
    out[3] = entry.Reserved[1];
    std::memcpy(out + 4, entry.PeerMac, 6);
    out[10] = entry.Status;
    out[11] = entry.Valid;
}

DlsPeerCheck CheckDlsPeer(const std::array<std::string, 6>& pieces, const uint8_t ownMac[6], uint8_t mac[6]) {
    uint8_t peer[6];
    for (size_t i = 0; i < 6; ++i) {
        if (!IsHexText(pieces[i].c_str(), 2)) return DlsPeerCheck::kInvalid;
        HexStringToBytes(pieces[i].c_str(), peer + i, 1);
    }
    static const uint8_t kZero[6] = {0, 0, 0, 0, 0, 0};
    static const uint8_t kBroadcast[6] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    if (std::memcmp(peer, kZero, 6) == 0 || std::memcmp(peer, kBroadcast, 6) == 0 ||
        (ownMac && std::memcmp(peer, ownMac, 6) == 0))
        return DlsPeerCheck::kInvalid;
    if (peer[0] & 1) return DlsPeerCheck::kGroup;
    std::memcpy(mac, peer, 6);
    return DlsPeerCheck::kOk;
}

int ParseDlsTimeout(const std::string& text) {
    if (text.empty() || text.size() > 5) return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value <= kDlsTimeoutMax ? value : -1;
}
