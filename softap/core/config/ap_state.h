#pragma once
// Program-wide soft-AP state that the configuration read, write and pushes keep beside
// the record. The adapter's identity and capabilities (chip, 5 GHz band, 802.11n, driver
// version) are the shared identity globals.
#include <cstdint>
#include <string>

namespace softap {

struct ApState {
    int phyMode = 0;            // wireless mode last read or applied, folded onto the adapter
    int authenType = 0;         // AuthenType last read or written
    std::string passphrase;     // WPAPSK last read or written
    // The adapter's region word: byte 0 the 2.4 GHz code, byte 1 the 5 GHz code, bit 7 of
    // each cleared. Only the start-up check sets it (chips 0 and 1); otherwise it stays 0
    // with neither region selectable.
    uint32_t regionWord = 0;
    int region24Selectable = 0;
    int region5Selectable = 0;
    int allowBw40InBgBand = 0;  // driver key's AllowBW40InBGBand is "1"
    int checkBuild = 0;         // mirror of the driver key's bCheckBuild: traces go to the file
    int wdsAllowed = 0;         // the encryption in use allows WDS
    // The access-point start read the EEPROM word the Config page's channel list waits for
    // (twice; only the first is looked at).
    int eepromReadDone[2] = {0, 0};

    int Region24() const { return static_cast<int>(regionWord & 0x7F); }
    int Region5() const { return static_cast<int>((regionWord >> 8) & 0x7F); }
};

extern ApState g_Ap;

}  // namespace softap
