#pragma once
// The texts the WPS page and its dialogs show for a credential's two type fields and for the
// driver's WPS status word. Window-less.
#include <cstdint>
#include <string>

// "OPEN", "WPA-PSK", "SHARED", "WPA", "WPA2", "WPA2-PSK"; "" for any other value.
const char* WpsAuthTypeText(uint32_t authType);
// "NONE", "WEP", "TKIP", "AES"; "" for any other value.
const char* WpsEncryTypeText(uint32_t encryType);

// What the page does on a state of the status word besides showing its text.
enum class WpsStateAction {
    None,
    StopPolling,         // the run ended: stop polling, progress back to 0
    StopPollingAndIdle,  // state 0: the same, nothing runs
    Configured,          // credentials are ready
    Failed,              // stop polling, then drop the WPS session
};

struct WpsStateInfo {
    bool known = false;      // the state has a text
    const char* text = "";
    int progress = -1;       // -1 leaves the progress bar as it is
    WpsStateAction action = WpsStateAction::None;
};

// state: the low 28 bits of the status word.
WpsStateInfo WpsStateInfoOf(uint32_t state);
// "PIN - " or "PBC - " by bit 28, then the state's text (nothing more for a state unknown).
std::string WpsStatusLine(uint32_t statusWord);
