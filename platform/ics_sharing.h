#pragma once
// Internet Connection Sharing through the system's home-networking configuration objects
// (ProgID "HNetCfg.HNetShare.1"). Each operation sets up and tears down COM on its own and
// reports no failure beyond its result.

namespace platform {

constexpr int kIcsSharingPublic = 0;   // the side that reaches the Internet
constexpr int kIcsSharingPrivate = 1;  // the home network it is shared with

class IcsSharing {
public:
    virtual ~IcsSharing() = default;
    // Turns sharing off on every connection that has it on. Returns 1 always.
    virtual int DisableAllIcs() = 0;
    // Turns sharing on with sharingType on the first connection whose name (with matchByGuid
    // non-zero: whose GUID text, "{...}") equals name byte for byte in the ANSI code page.
    // 1 when the sharing call succeeded, else 0.
    virtual int EnableIcsOnConnection(const char* name, int sharingType, int matchByGuid) = 0;
};

}  // namespace platform
