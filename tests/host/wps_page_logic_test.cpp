// The WPS page's window-less parts: the WPS element decode of the information dialog, the
// status texts, a credential's key forms, the registrar editor's rules and the keys of an
// imported profile.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "beacon_elements.h"
#include "station/pages/wps/imported_profile.h"
#include "station/pages/wps/wps_texts.h"
#include "station/pages/wps/wsc_credential_text.h"
#include "station/pages/wps/wsc_info.h"
#include "tests/host/wps_credential_builder.h"

namespace {

using beacon::operator+;
using beacon::Be16;
using beacon::Bytes;
using beacon::Element;
using beacon::WpsAttribute;

Bytes WpsElement(const Bytes& attributes) { return Element(221, Bytes{0x00, 0x50, 0xF2, 0x04} + attributes); }

bool Decode(const Bytes& ies, WscInfoTexts& out) { return DecodeWscInfo(ies.data(), ies.size(), out); }

const Bytes kUuid = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};

TEST(WscInfo, DecodesEveryAttributeOfTheElement) {
    const Bytes attributes = WpsAttribute(0x104A, {0x10}) + WpsAttribute(0x1044, {0x01}) +
                             WpsAttribute(0x1057, {0x00}) + WpsAttribute(0x1041, {0x01}) +
                             WpsAttribute(0x1012, Be16(0x0004)) + WpsAttribute(0x1008, {0x02, 0x80}) +
                             WpsAttribute(0x1047, kUuid) + WpsAttribute(0x103C, {0x03}) +
                             WpsAttribute(0x2000, {0x01, 0x02});  // not shown
    WscInfoTexts t;
    ASSERT_TRUE(Decode(beacon::Ssid("Net") + beacon::Rates() + WpsElement(attributes), t));
    EXPECT_EQ(t.version, "1.0");
    EXPECT_EQ(t.state, "Unconfigured");
    EXPECT_EQ(t.apSetupLocked, "FALSE");
    EXPECT_EQ(t.selectedRegistrar, "TRUE");
    EXPECT_EQ(t.devicePasswordId, "0x0004");
    EXPECT_EQ(t.configMethods, "0x0280");
    EXPECT_EQ(t.uuidE, "00112233445566778899AABBCCDDEEFF");
    EXPECT_EQ(t.rfBands, "2.4GHz + 5GHz");
}

TEST(WscInfo, LaterAttributesReplaceOrExtendTheirField) {
    const Bytes attributes = WpsAttribute(0x1008, Be16(0x0084)) + WpsAttribute(0x1053, Be16(0x0188)) +
                             WpsAttribute(0x1041, {0x00}) + WpsAttribute(0x101A, kUuid) +
                             WpsAttribute(0x1044, {0x02}) + WpsAttribute(0x1044, {0x07}) +
                             WpsAttribute(0x103C, {0x01}) + WpsAttribute(0x103C, {0x09});
    WscInfoTexts t;
    ASSERT_TRUE(Decode(WpsElement(attributes), t));
    EXPECT_EQ(t.configMethods, "0x0188");
    EXPECT_EQ(t.selectedRegistrar, "FALSE00112233445566778899AABBCCDDEEFF");
    EXPECT_EQ(t.state, "Configured");  // an unknown state leaves it
    EXPECT_EQ(t.rfBands, "");          // an unknown band empties it
}

TEST(WscInfo, HostileLengthsStopTheWalkInsideTheBuffer) {
    struct Case {
        const char* name;
        Bytes ies;
        bool found;
        std::string version;
        std::string configMethods;
    };
    const Bytes version = WpsAttribute(0x104A, {0x20});
    // The element says it is longer than the blob.
    Bytes cut = WpsElement(version);
    cut[1] = static_cast<uint8_t>(cut[1] + 10);
    // An attribute claiming 0x100 bytes inside a short element.
    const Bytes overlong = WpsElement(version + Be16(0x1008) + Be16(0x100) + Bytes{0x02, 0x80});
    const Case cases[] = {
        {"empty element before the WPS element", beacon::Ssid("A") + Bytes{0x05, 0x00} + WpsElement(version), false, "", ""},
        {"hidden SSID first", beacon::Ssid("") + WpsElement(version), true, "2.0", ""},
        {"element past the end", cut, false, "", ""},
        {"attribute past its element", overlong, true, "2.0", ""},
        {"zero-length attribute stepped over", WpsElement(WpsAttribute(0x1008, {}) + version + WpsAttribute(0x1008, Be16(1))),
         true, "2.0", "0x0001"},
        {"short value is not read", WpsElement(WpsAttribute(0x1008, {0x02}) + version), true, "2.0", ""},
        {"no WPS element", beacon::Ssid("A") + beacon::Rates(), false, "", ""},
        {"three bytes", Bytes{221, 1, 0}, false, "", ""},
    };
    for (const Case& c : cases) {
        WscInfoTexts t;
        EXPECT_EQ(Decode(c.ies, t), c.found) << c.name;
        EXPECT_EQ(t.version, c.version) << c.name;
        EXPECT_EQ(t.configMethods, c.configMethods) << c.name;
    }
}

// An attribute of length 0 has no value: nothing is read for it (its neighbour's bytes are
// not taken for one) and the attributes after it are all decoded.
TEST(WscInfo, EmptyAttributesAreSteppedOverUnread) {
    const Bytes attributes = WpsAttribute(0x1057, {}) + WpsAttribute(0x1041, {}) + WpsAttribute(0x1044, {}) +
                             WpsAttribute(0x104A, {}) + WpsAttribute(0x103C, {}) + WpsAttribute(0x1047, {}) +
                             WpsAttribute(0x1044, {0x02}) + WpsAttribute(0x1008, Be16(0x0188)) +
                             WpsAttribute(0x1047, kUuid);
    WscInfoTexts t;
    ASSERT_TRUE(Decode(beacon::Ssid("Net") + WpsElement(attributes), t));
    EXPECT_EQ(t.apSetupLocked, "");
    EXPECT_EQ(t.selectedRegistrar, "");
    EXPECT_EQ(t.version, "");
    EXPECT_EQ(t.rfBands, "");
    EXPECT_EQ(t.state, "Configured");
    EXPECT_EQ(t.configMethods, "0x0188");
    EXPECT_EQ(t.uuidE, "00112233445566778899AABBCCDDEEFF");
}

TEST(WpsTexts, StatusLineByRunKindAndState) {
    struct Case {
        uint32_t word;
        const char* line;
        int progress;
        WpsStateAction action;
    };
    const Case cases[] = {
        {0x10000000u | 18, "PIN - Sending M1", 40, WpsStateAction::None},
        {257, "PBC - Too many PBC AP available", -1, WpsStateAction::None},
        {8, "PBC - ", -1, WpsStateAction::None},
        {15, "PBC - Configured", 95, WpsStateAction::Configured},
        {0x10000000u | 262, "PIN - Error PIN Code (R-Hash mismatch)", -1, WpsStateAction::None},
        {516, "PBC - WPS Eap process failed", -1, WpsStateAction::Failed},
        {513, "PBC - Invalid SSID in PIN mode", -1, WpsStateAction::StopPolling},
        {0, "PBC - WPS status is not used", -1, WpsStateAction::StopPollingAndIdle},
        {0x10000000u | 43, "PIN - Received EAP Response (Done)", 90, WpsStateAction::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WpsStatusLine(c.word), c.line) << c.word;
        const WpsStateInfo info = WpsStateInfoOf(c.word & 0x0FFFFFFFu);
        EXPECT_EQ(info.progress, c.progress) << c.word;
        EXPECT_EQ(info.action, c.action) << c.word;
    }
    EXPECT_STREQ(WpsAuthTypeText(0x20), "WPA2-PSK");
    EXPECT_STREQ(WpsAuthTypeText(3), "");
    EXPECT_STREQ(WpsEncryTypeText(8), "AES");
    EXPECT_STREQ(WpsEncryTypeText(16), "");
}


TEST(WscCredentialText, KeyFormsOfWepAndOtherKeys) {
    struct Case {
        WpsCredential c;
        std::string material, hex, ascii;
        int length;
        bool ascii_available;
    };
    const Case cases[] = {
        {Credential("N", 1, 2, "ABCDEFGHIJKLM"), "4142434445464748494a4b4c4d", "4142434445464748494a4b4c4d",
         "ABCDEFGHIJKLM", 26, true},
        {Credential("N", 1, 2, "3132333435"), "3132333435", "3132333435", "12345", 10, true},
        {Credential("N", 1, 2, "12345678"), "12345678", "", "", 8, false},
        {Credential("N", 0x20, 8, "passphrase"), "passphrase", "", "", 10, false},
    };
    for (const Case& c : cases) {
        const WscKeyForms f = KeyFormsOf(c.c);
        EXPECT_EQ(f.material, c.material);
        EXPECT_EQ(f.hex, c.hex);
        EXPECT_EQ(f.ascii, c.ascii);
        EXPECT_EQ(f.displayedLength, c.length);
        EXPECT_EQ(f.asciiAvailable, c.ascii_available);
    }
    // A hostile key length never reads past the key.
    WpsCredential big = Credential("N", 1, 2, "");
    big.KeyLength = 0xFFFFFFFFu;
    std::memset(big.Key, 'A', sizeof big.Key);
    EXPECT_EQ(KeyFormsOf(big).material.size(), 64u);
}

TEST(WscCredentialText, RegistrarKeyRuleAndRewrite) {
    EXPECT_TRUE(RegistrarKeyPasses(true, 5, ""));
    EXPECT_FALSE(RegistrarKeyPasses(false, 5, "1234"));
    EXPECT_TRUE(RegistrarKeyPasses(false, 26, std::string(26, 'a')));
    EXPECT_FALSE(RegistrarKeyPasses(false, 64, "1234567"));
    EXPECT_TRUE(RegistrarKeyPasses(false, 64, "12345678"));

    WpsCredential e = Credential("Old", 0x20, 8, std::string(64, 'F'));
    e.MacAddress[0] = 0x02;
    WriteRegistrarCredential({"Open Net", "", 0, 0, 0, 0}, e);
    EXPECT_EQ(WpsCredentialSsid(e), "Open Net");
    EXPECT_EQ(e.AuthType, 1u);
    EXPECT_EQ(e.EncryType, 1u);
    EXPECT_EQ(e.KeyLength, 5u);
    EXPECT_EQ(e.MacAddress[0], 0);
    for (uint8_t b : e.Key) EXPECT_EQ(b, 0);

    WriteRegistrarCredential({std::string(40, 'S'), "secret key", 2, 1, 3, 2}, e);
    EXPECT_EQ(e.SsidLength, 32u);
    EXPECT_EQ(e.AuthType, 0x20u);
    EXPECT_EQ(e.EncryType, 8u);
    EXPECT_EQ(e.KeyIndex, 0u);
    EXPECT_EQ(e.KeyLength, 10u);

    WriteRegistrarCredential({"W", "1122334455", 0, 1, 1, 2}, e);
    EXPECT_EQ(e.EncryType, 2u);
    EXPECT_EQ(e.KeyLength, 10u);
    EXPECT_EQ(e.KeyIndex, 2u);
}

std::map<std::string, std::string> AsMap(const ProfileKeyValues& keys) {
    std::map<std::string, std::string> m;
    for (const auto& [k, v] : keys) m[k] = v;
    return m;
}

TEST(ImportedProfile, WepKeysGoToTheirSlotAsHexDigits) {
    ProfileApplyRecord record{};
    record.SsidLength = 4;
    std::memcpy(record.Ssid, "Quay", 4);
    record.CipherMode = 0;
    record.RtsThreshold = 2347;
    record.PreambleType = 2;
    record.NetworkType = 1;
    struct Case {
        uint32_t keyIndex;
        std::string key;
        const char* slot;
        const char* use;
        std::string stored;
        const char* type;
    };
    const Case cases[] = {
        {0x80000001u, "ABCDE", "WEPKey2", "2", "4142434445", "1"},
        {7, "1122334455", "WEPKey1", "1", "1122334455", "0"},
        {3, "ABCDEFGHIJKLM", "WEPKey4", "4", "4142434445464748494a4b4c4d", "1"},
    };
    for (const Case& c : cases) {
        auto m = AsMap(ImportedProfileValues(record, Credential("Quay", 1, 2, c.key, c.keyIndex)));
        EXPECT_EQ(m["SSID"], "Quay");
        EXPECT_EQ(m["RtsThresh"], "2347");
        EXPECT_EQ(m["WEPKeyUse"], c.use) << c.key;
        EXPECT_EQ(m[c.slot], c.stored) << c.key;
        EXPECT_EQ(m["WEPKey3Type"], c.type) << c.key;
        EXPECT_EQ(m.count("WPAPSK"), 0u);
    }
}

TEST(ImportedProfile, PreSharedKeyFromTheRecord) {
    ProfileApplyRecord record{};
    record.AuthMode = 7;
    record.CipherMode = 6;
    std::memcpy(record.WpaPassphrase, "lantern-pass", 12);
    record.WpaPassphraseLength = 12;
    auto m = AsMap(ImportedProfileValues(record, Credential("L", 0x20, 8, "lantern-pass")));
    EXPECT_EQ(m["WPAPSK"], "lantern-pass");
    EXPECT_EQ(m["AuthMode"], "7");
    EXPECT_EQ(m.count("WEPKeyUse"), 0u);
}

}  // namespace
