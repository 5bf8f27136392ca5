#pragma once
// Direct Link Setup: the driver's table of up to four direct links to other stations of the
// BSS, the one-entry record that sets a link up or tears it down, and the checks of a peer
// typed by the user. Window-less.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

struct DlsLinkEntry {
    uint16_t Timeout;      // seconds
    uint8_t Reserved[2];   // the driver's; sent back as read
    uint8_t PeerMac[6];
    uint8_t Status;        // kDlsLinkUp when the link is up
    uint8_t Valid;         // 1: entry in use; in a set, 1 sets up and 0 tears down
};
static_assert(sizeof(DlsLinkEntry) == 12, "DLS link entry");

constexpr size_t kDlsLinkCount = 4;
constexpr size_t kDlsTableSize = kDlsLinkCount * sizeof(DlsLinkEntry);
constexpr uint8_t kDlsLinkUp = 2;

using DlsTable = std::array<DlsLinkEntry, kDlsLinkCount>;

// The entries wholly inside the returned bytes; the others read as unused.
DlsTable ReadDlsTable(const uint8_t* data, size_t returned);
void WriteDlsEntry(const DlsLinkEntry& entry, uint8_t out[sizeof(DlsLinkEntry)]);

enum class DlsPeerCheck {
    kOk,
    kInvalid,  // not 12 hex digits, the zero or broadcast address, or the adapter's own
    kGroup,    // a group address
};
// pieces: the six two-digit hex texts as the edits hold them, whether typed or pasted.
DlsPeerCheck CheckDlsPeer(const std::array<std::string, 6>& pieces, const uint8_t ownMac[6], uint8_t mac[6]);

constexpr int kDlsTimeoutMax = 65535;
// Whole decimal text from 0 to 65535; -1 for anything else (empty, signs, letters, larger).
int ParseDlsTimeout(const std::string& text);
