// The profile editor's values without its windows: the checks of a save in their order, a
// profile section read into the values and written back, the authentication table and the
// lists it offers, the WEP and pre-shared key rules, and the SSID box's choices from a scan.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "resources/station/resource.h"
#include "station/core/scan/bssid_list.h"
#include "station/core/settings/ini_document.h"
#include "station/profiles/editor/auth_type_table.h"
#include "station/profiles/editor/profile_checks.h"
#include "station/profiles/editor/profile_editor_model.h"
#include "station/profiles/editor/wep_key_text.h"

namespace {

constexpr int kOsVista = 11;
constexpr int kOsServer2003 = 9;

struct Shown {
    unsigned text;
    unsigned style;
    bool operator==(const Shown&) const = default;
};

class RecordingUi : public ProfileSaveUi {
public:
    int Message(unsigned textId, unsigned style) override {
        messages.push_back({textId, style});
        return answer;
    }
    void ShowPage(int index) override { pages.push_back(index); }
    void ShowWepKey(int n) override { wepKeys.push_back(n); }
    bool NameTaken(const std::string& name) const override {
        for (const std::string& t : taken)
            if (SameName(t, name)) return true;
        return false;
    }
    static bool SameName(const std::string& a, const std::string& b) {
        if (a.size() != b.size()) return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
                return false;
        return true;
    }
    std::vector<Shown> messages;
    std::vector<int> pages;
    std::vector<int> wepKeys;
    std::vector<std::string> taken{"Home"};
    int answer = kAnswerOk;
};

// A new profile that passes every check: open, no encryption.
ProfileEditorModel NewProfile() {
    ProfileEditorModel m;
    InitProfileModel(m, "PROF1", "Lantern Home", kCipherNone, 0, 1, kNetworkInfrastructure, 1, kOsVista);
    return m;
}

void SetType(ProfileEditorModel& m, int type, int encryptionIndex = 0) {
    m.auth.authType = type;
    m.auth.authMode = AuthModeOfType(type, m.auth.infrastructure != 0, kOsVista);
    m.auth.encryptionIndex = encryptionIndex;
}

constexpr unsigned kStopOk = kBoxOk | kBoxStop;

TEST(ProfileSaveChecks, EachCheckInItsOrderWithItsMessageAndPage) {
    struct Case {
        const char* what;
        std::function<void(ProfileEditorModel&)> input;
        std::vector<Shown> messages;
        int page;  // -1: saved
        std::vector<int> wepKeys = {};  // the refused key made reachable
    };
    const std::string hex64(64, 'a');
    const Case cases[] = {
        {"blank name", [](ProfileEditorModel& m) { m.sys.profileName = "   "; }, {{IDS_ENTER_PROFILE_NAME, kStopOk}}, 0},
        {"101 characters", [](ProfileEditorModel& m) { m.sys.profileName = std::string(101, 'n'); },
         {{IDS_PROFILE_NAME_TOO_LONG, kStopOk}}, 0},
        {"100 characters", [](ProfileEditorModel& m) { m.sys.profileName = std::string(100, 'n'); }, {}, -1},
        // Checked before the SSID: a blank name with no SSID tells of the name.
        {"no SSID", [](ProfileEditorModel& m) { m.sys.ssid.clear(); }, {{IDS_SSID_REQUIRED, kStopOk}}, 0},
        {"WPA2-PSK key of 7", [](ProfileEditorModel& m) { SetType(m, kAuthWpa2Psk); m.auth.psk = "1234567"; },
         {{IDS_BAD_WPA2_PSK, kBoxOk}}, 1},
        {"WPA-PSK key of 7", [](ProfileEditorModel& m) { SetType(m, kAuthWpaPsk); m.auth.psk = "1234567"; },
         {{IDS_BAD_WPA_PSK, kBoxOk}}, 1},
        {"ad hoc WPA-None key of 7",
         [](ProfileEditorModel& m) {
             m.sys.networkType = kNetworkAdhoc;
             m.auth.infrastructure = 0;
             SetType(m, kAuthWpaNone);
             m.auth.psk = "short";
         },
         {{IDS_BAD_WPA_PSK, kBoxOk}}, 1},
        {"64 characters with G", [&](ProfileEditorModel& m) { SetType(m, kAuthWpaPsk); m.auth.psk = hex64.substr(1) + "G"; },
         {{IDS_BAD_WPA_PSK, kBoxOk}}, 1},
        {"64 hex digits", [&](ProfileEditorModel& m) { SetType(m, kAuthWpaPsk); m.auth.psk = hex64; }, {}, -1},
        {"63 characters of any kind",
         [](ProfileEditorModel& m) { SetType(m, kAuthWpa2Psk); m.auth.psk = std::string(62, '#') + "G"; }, {}, -1},
        {"chosen hex key of 5", [](ProfileEditorModel& m) { SetType(m, kAuthOpen, 1); m.auth.hexKeys[0] = "12345"; },
         {{IDS_BAD_WEP_HEX, kBoxOk}}, 1, {0}},
        {"hex key with characters no keystroke gives",
         [](ProfileEditorModel& m) { SetType(m, kAuthOpen, 1); m.auth.hexKeys[0] = "12345678zz"; },
         {{IDS_BAD_WEP_HEX, kBoxOk}}, 1, {0}},
        {"chosen ASCII key of 4",
         [](ProfileEditorModel& m) {
             SetType(m, kAuthShared);
             m.auth.defaultKey = 2;
             m.auth.keyFormats[2] = kKeyFormatAscii;
             m.auth.asciiKeys[2] = "abcd";
         },
         {{IDS_BAD_WEP_ASCII, kBoxOk}}, 1, {2}},
        {"another key of 8 hex digits",
         [](ProfileEditorModel& m) {
             SetType(m, kAuthShared);
             m.auth.hexKeys[0] = "0123456789";
             m.auth.hexKeys[3] = "01234567";
         },
         {{IDS_BAD_WEP_HEX, kBoxOk}}, 1, {3}},
        // Keys 2-4 go to the driver in ad hoc as well, though their edits are disabled there.
        {"ad hoc, a bad third key out of reach",
         [](ProfileEditorModel& m) {
             m.sys.networkType = kNetworkAdhoc;
             m.auth.infrastructure = 0;
             SetType(m, kAuthOpen, 1);
             m.auth.hexKeys[0] = "0123456789";
             m.auth.hexKeys[2] = "01234567";
         },
         {{IDS_BAD_WEP_HEX, kBoxOk}}, 1, {2}},
        {"only the chosen key set",
         [](ProfileEditorModel& m) {
             SetType(m, kAuthShared);
             m.auth.defaultKey = 1;
             m.auth.keyFormats[1] = kKeyFormatAscii;
             m.auth.asciiKeys[1] = "13 characters";
         },
         {}, -1},
        {"802.1X with PEAP needs no WEP key",
         [](ProfileEditorModel& m) {
             SetType(m, kAuthOpen, 1);
             m.auth.use8021X = 1;
         },
         {}, -1},
        {"802.1X with MD5 still needs one",
         [](ProfileEditorModel& m) {
             SetType(m, kAuthOpen, 1);
             m.auth.use8021X = 1;
             m.auth.dot1x.eapMethod = kEapMd5;
         },
         {{IDS_BAD_WEP_HEX, kBoxOk}}, 1, {0}},
        // The checks follow what the save stores, not the type the lists last showed.
        {"a scanned WPA-None network switched to infrastructure is saved as WPA-PSK",
         [](ProfileEditorModel& m) {
             m = ProfileEditorModel();
             InitProfileModel(m, "PROF1", "Raft Net", kCipherAes, 5, 1, kNetworkAdhoc, 6, kOsVista);
             m.sys.networkType = kNetworkInfrastructure;
             m.auth.infrastructure = 1;
         },
         {{IDS_BAD_WPA_PSK, kBoxOk}}, 1},
        {"LEAP chosen in ad hoc is saved as WPA-None",
         [](ProfileEditorModel& m) {
             m.sys.networkType = kNetworkAdhoc;
             m.auth.infrastructure = 0;
             SetType(m, kAuthLeap);
         },
         {{IDS_BAD_WPA_PSK, kBoxOk}}, 1},
        {"WPA with AES switched to ad hoc is saved open with WEP",
         [](ProfileEditorModel& m) {
             SetType(m, kAuthWpa, 1);
             m.sys.networkType = kNetworkAdhoc;
             m.auth.infrastructure = 0;
         },
         {{IDS_BAD_WEP_HEX, kBoxOk}}, 1, {0}},
        {"LEAP without a password",
         [](ProfileEditorModel& m) {
             SetType(m, kAuthLeap);
             m.auth.leap = 1;
             m.auth.leapIdentity = "  crew  ";
         },
         {{IDS_LEAP_ID_REQUIRED, kStopOk}}, 1},
        {"LEAP with a blank identity",
         [](ProfileEditorModel& m) {
             SetType(m, kAuthLeap);
             m.auth.leap = 1;
             m.auth.leapIdentity = "   ";
             m.auth.leapPassword = "secret";
         },
         {{IDS_LEAP_ID_REQUIRED, kStopOk}}, 1},
        {"a name taken, other letter case", [](ProfileEditorModel& m) { m.sys.profileName = " HOME "; },
         {{IDS_DUPLICATE_PROFILE_NAME, kStopOk}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProfileEditorModel m = NewProfile();
        c.input(m);
        RecordingUi ui;
        EXPECT_EQ(CheckProfileForSave(m, ui), c.page < 0 ? 1 : 0);
        EXPECT_EQ(ui.messages, c.messages);
        EXPECT_EQ(ui.pages, c.page < 0 ? std::vector<int>{} : std::vector<int>{c.page});
        EXPECT_EQ(ui.wepKeys, c.wepKeys);
    }
}

TEST(ProfileSaveChecks, RenameAsksAndEditingUnderTheSameNameNeverChecksDuplicates) {
    ProfileEditorModel m;
    InitProfileModel(m, "Home", "", 1, 0, 0, 1, 1, kOsVista);
    m.sys.ssid = "Lantern Home";
    RecordingUi ui;
    // The same name in other letters is the same profile: no question, no duplicate.
    m.sys.profileName = "HOME";
    EXPECT_EQ(CheckProfileForSave(m, ui), 1);
    EXPECT_TRUE(ui.messages.empty());

    m.sys.profileName = "Cafe";
    ui.answer = kAnswerCancel;
    EXPECT_EQ(CheckProfileForSave(m, ui), 0);
    EXPECT_EQ(ui.messages, (std::vector<Shown>{{IDS_CREATE_ANOTHER_PROFILE, kBoxOkCancel}}));
    EXPECT_EQ(ui.pages, std::vector<int>{kSysConfigPageIndex});

    ui = RecordingUi();
    EXPECT_EQ(CheckProfileForSave(m, ui), 1);
    EXPECT_EQ(ui.messages, (std::vector<Shown>{{IDS_CREATE_ANOTHER_PROFILE, kBoxOkCancel}}));

    // Renamed onto another profile: asked, then refused.
    ui = RecordingUi();
    ui.taken = {"cafe"};
    EXPECT_EQ(CheckProfileForSave(m, ui), 0);
    EXPECT_EQ(ui.messages, (std::vector<Shown>{{IDS_CREATE_ANOTHER_PROFILE, kBoxOkCancel},
                                               {IDS_DUPLICATE_PROFILE_NAME, kStopOk}}));
}

TEST(SecurityDialogChecks, KeysThenLeapAndTheKeysPacked) {
    struct Case {
        const char* what;
        std::function<void(AuthSecuValues&)> input;
        std::vector<Shown> messages;
    };
    const Case cases[] = {
        {"WPA2-PSK key of 7", [](AuthSecuValues& a) { a.authType = kAuthWpa2Psk; a.psk = "seven77"; },
         {{IDS_BAD_WPA2_PSK, kBoxOk}}},
        {"WPA-PSK key of 64 with a non-hex", [](AuthSecuValues& a) { a.authType = kAuthWpaPsk; a.psk = std::string(63, 'f') + "x"; },
         {{IDS_BAD_WPA_PSK, kBoxOk}}},
        {"WPA-PSK of 64 hex, case aside", [](AuthSecuValues& a) { a.authType = kAuthWpaPsk; a.psk = std::string(32, 'F') + std::string(32, 'e'); },
         {}},
        {"WEP default key with a non-hex", [](AuthSecuValues& a) { a.authType = kAuthShared; a.hexKeys[0] = "01234567g9"; },
         {{IDS_BAD_WEP_HEX, kBoxOk}}},
        {"WEP other key of 6 characters",
         [](AuthSecuValues& a) {
             a.authType = kAuthOpen;
             a.encryptionIndex = 1;
             a.hexKeys[0] = "0123456789";
             a.keyFormats[1] = kKeyFormatAscii;
             a.asciiKeys[1] = "sixsix";
         },
         {{IDS_BAD_WEP_ASCII, kBoxOk}}},
        {"802.1X TLS: no key check", [](AuthSecuValues& a) { a.authType = kAuthShared; a.use8021X = 1; a.dot1x.eapMethod = kEapTls; },
         {}},
        {"LEAP without identity", [](AuthSecuValues& a) { a.authType = kAuthLeap; a.leapPassword = "pw"; },
         {{IDS_LEAP_ID_REQUIRED, kStopOk}}},
        {"LEAP in ad hoc is no LEAP", [](AuthSecuValues& a) { a.authType = kAuthLeap; a.infrastructure = 0; }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AuthSecuValues a;
        c.input(a);
        RecordingUi ui;
        EXPECT_EQ(CheckSecurityDialog(a, ui), c.messages.empty() ? 1 : 0);
        EXPECT_EQ(ui.messages, c.messages);
    }

    AuthSecuValues a;
    a.authType = kAuthShared;
    a.hexKeys = {"00112233445566778899AABBCC", "0a0B0c0D0e", "", ""};
    a.keyFormats = {kKeyFormatHex, kKeyFormatHex, kKeyFormatAscii, kKeyFormatAscii};
    a.asciiKeys = {"", "", "abcde", ""};
    EXPECT_TRUE(UsesWepKeys(a));
    const PackedWepKeys packed = PackWepKeys(a);
    EXPECT_EQ(std::vector<uint32_t>(packed.lengths, packed.lengths + 4), (std::vector<uint32_t>{13, 5, 5, 0}));
    const uint8_t first[14] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0};
    EXPECT_EQ(0, std::memcmp(packed.bytes[0], first, 14));
    const uint8_t second[14] = {0x0A, 0x0B, 0x0C, 0x0D, 0x0E};
    EXPECT_EQ(0, std::memcmp(packed.bytes[1], second, 14));
    EXPECT_EQ(0, std::memcmp(packed.bytes[2], "abcde\0\0\0\0\0\0\0\0", 14));
    const uint8_t zeros[14] = {};
    EXPECT_EQ(0, std::memcmp(packed.bytes[3], zeros, 14));
    a.use8021X = 1;
    EXPECT_FALSE(UsesWepKeys(a)) << "PEAP carries no WEP keys";
    a.dot1x.eapMethod = kEapMd5;
    EXPECT_TRUE(UsesWepKeys(a));
}

std::map<std::string, std::string> AsMap(const ProfileKeyValues& keys) {
    std::map<std::string, std::string> m;
    for (const auto& [k, v] : keys) m[k] = v;
    return m;
}

std::string SectionText(const std::string& name, const ProfileKeyValues& keys) {
    std::string text = "[" + name + "]\n";
    for (const auto& [k, v] : keys) text += std::string(k) + "=" + v + "\n";
    return text;
}

TEST(ProfileSection, WrittenInOrderWithTheModesMadeToFitTheNetwork) {
    struct Case {
        const char* what;
        int networkType, type, encryptionIndex, leap, leapCapability, leapEncryption;
        const char* authMode;
        const char* cipherMode;
    };
    const Case cases[] = {
        {"open, none", 1, kAuthOpen, 0, 0, 0, 0, "0", "1"},
        {"open, WEP", 1, kAuthOpen, 1, 0, 0, 0, "0", "0"},
        {"shared, WEP", 1, kAuthShared, 1, 0, 0, 0, "1", "0"},
        {"WPA, TKIP", 1, kAuthWpa, 0, 0, 0, 0, "3", "4"},
        {"WPA2, AES", 1, kAuthWpa2, 1, 0, 0, 0, "6", "6"},
        {"WPA2-PSK, TKIP", 1, kAuthWpa2Psk, 0, 0, 0, 0, "7", "4"},
        {"ad hoc WPA-PSK becomes WPA-None, AES", 0, kAuthWpaPsk, 0, 0, 0, 0, "5", "6"},
        {"ad hoc WPA becomes open, without encryption", 0, kAuthWpa, 0, 0, 0, 0, "0", "1"},
        {"ad hoc WPA2-PSK keeps its mode, AES", 0, kAuthWpa2Psk, 0, 0, 0, 0, "7", "6"},
        {"infrastructure WPA-None becomes WPA-PSK", 1, -5, 0, 0, 0, 0, "4", "4"},
        {"LEAP without the capability: WEP", 1, kAuthLeap, 0, 1, 0, 2, "0", "0"},
        {"LEAP with it, TKIP", 1, kAuthLeap, 0, 1, 1, 1, "0", "4"},
        {"LEAP with it, AES", 1, kAuthLeap, 0, 1, 1, 2, "0", "6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProfileEditorModel m = NewProfile();
        m.sys.networkType = c.networkType;
        m.auth.infrastructure = c.networkType;
        if (c.type == -5) {
            m.auth.authMode = 5;  // as a file may hold it
            m.auth.authType = kAuthWpaNone;
        } else {
            SetType(m, c.type, c.encryptionIndex);
        }
        m.auth.leap = c.leap;
        m.auth.leapCapability = c.leapCapability;
        m.auth.leapEncryption = c.leapEncryption;
        const auto keys = AsMap(WriteProfileValues(m, nullptr, nullptr));
        EXPECT_EQ(keys.at("AuthMode"), c.authMode);
        EXPECT_EQ(keys.at("CipherMode"), c.cipherMode);
        EXPECT_EQ(std::to_string(m.auth.authMode), c.authMode) << "the values hold what was saved";
    }

    ProfileEditorModel m = NewProfile();
    m.sys.channel = "J12";
    m.sys.preamble = 1;
    m.sys.useRts = 0;
    m.sys.rtsThreshold = 500;
    m.sys.useFrag = 1;
    m.sys.fragThreshold = 900;
    m.auth.keyFormats = {kKeyFormatAscii, kKeyFormatHex, kKeyFormatAscii, kKeyFormatHex};
    m.auth.asciiKeys = {"Cove!", "ignored", "", ""};
    m.auth.hexKeys = {"ignored", "AbCdEf0123", "", ""};
    m.auth.defaultKey = 1;
    CertDesc client{};
    client.ThumbprintLength = 3;
    client.Thumbprint[0] = 0xAB;
    client.Thumbprint[1] = 0x01;
    client.Thumbprint[2] = 0xF0;
    const ProfileKeyValues written = WriteProfileValues(m, &client, nullptr);
    std::vector<std::string> order;
    for (const auto& kv : written) order.push_back(kv.first);
    const std::vector<std::string> expectedOrder = {
        "SSID", "Channel", "NetworkType", "PreambleType", "ACPowerCam", "PSMode", "TXPower", "UseRts", "RtsThresh",
        "UseFrag", "FragThresh", "AuthMode", "CipherMode", "LeapEnabled", "LeapUserName", "LeapPassword",
        "LeapEncryType", "WPAPSK", "WEPKeyUse", "WEPKey1Type", "WEPKey2Type", "WEPKey3Type", "WEPKey4Type",
        "WEPKey1", "WEPKey2", "WEPKey3", "WEPKey4", "Use8021X", "AuthenProtocol", "TunnelProtocol",
        "ProvisioningTunnel", "ID", "Password", "TunnelID", "TunnelPassword", "SessionResumption", "PasswordMode",
        "UseClientCert", "UseServerCert", "UsePAC", "ProvisionMode", "PACFilePath", "ClientCertLen",
        "ClientCertData", "ServerCertLen", "ServerCertData", "ServerName", "NameRule", "IntermediateCert"};
    EXPECT_EQ(order, expectedOrder);
    const auto keys = AsMap(written);
    EXPECT_EQ(keys.at("Channel"), "212");
    EXPECT_EQ(keys.at("PreambleType"), "0");
    EXPECT_EQ(keys.at("RtsThresh"), "2347") << "off stores the largest value";
    EXPECT_EQ(keys.at("FragThresh"), "900");
    EXPECT_EQ(keys.at("WEPKeyUse"), "2");
    EXPECT_EQ(keys.at("WEPKey1"), "436f766521");
    EXPECT_EQ(keys.at("WEPKey2"), "AbCdEf0123") << "a hex key as typed";
    EXPECT_EQ(keys.at("WEPKey3"), "");
    EXPECT_EQ(keys.at("ClientCertLen"), "3");
    EXPECT_EQ(keys.at("ClientCertData"), "ab01f0");
    EXPECT_EQ(keys.at("ServerCertLen"), "0");
    EXPECT_EQ(keys.at("TunnelProtocol"), "26");
    m.auth.dot1x.eapMethod = kEapTtls;
    EXPECT_EQ(AsMap(WriteProfileValues(m, nullptr, nullptr)).at("TunnelProtocol"), "3") << "TTLS: its inner protocol";

    // A byte above 0x7F is still two digits, and reads back as itself.
    m.auth.asciiKeys[0] = "\xE9t\xE9!!";
    EXPECT_EQ(AsMap(WriteProfileValues(m, nullptr, nullptr)).at("WEPKey1"), "e974e92121");
}

TEST(ProfileSection, ReadConvertsWhatTheFileHolds) {
    ProfileEditorModel m;
    m.sys.profileName = "Dock";
    const IniDocument file(
        "[Dock]\nSSID=Dock Net\nChannel=216\nNetworkType=2\nPreambleType=0\nPSMode=2\nUseRts=1\nRtsThresh=3000\n"
        "UseFrag=1\nFragThresh=100\nAuthMode=9\nCipherMode=6\nWEPKeyUse=7\nWEPKey1Type=1\nWEPKey1=436f766521\n"
        "WEPKey2Type=1\nWEPKey2=12345\nWEPKey3=00112233445566778899aabbcc\nTXPower=4\nWPAPSK=harbor lights\n"
        "AuthenProtocol=2\nTunnelProtocol=4\nClientCertLen=2\nClientCertData=abcd\nServerCertLen=20\n"
        "ServerCertData=0102\n");
    CertDesc client{}, server{};
    InitProfileModel(m, "Dock", "", 1, 0, 0, 1, 1, kOsVista);
    ReadProfileModel(m, file, kOsVista, &client, &server);
    EXPECT_EQ(m.sys.ssid, "Dock Net");
    EXPECT_EQ(m.sys.channel, "J16");
    EXPECT_EQ(m.sys.networkType, kNetworkAuto) << "kept, though no list item shows it";
    EXPECT_EQ(m.auth.infrastructure, 1);
    EXPECT_EQ(m.sys.preamble, 1);
    EXPECT_EQ(m.sys.powerMode, 1);
    EXPECT_EQ(m.sys.rtsThreshold, 2347);
    EXPECT_EQ(m.sys.fragThreshold, 256);
    EXPECT_EQ(m.sys.txPower, 4);
    EXPECT_EQ(m.auth.authMode, 0) << "above 7 counts as open";
    EXPECT_EQ(m.auth.encryptionIndex, 1);
    EXPECT_EQ(m.auth.defaultKey, 0);
    EXPECT_EQ(m.auth.keyFormats[0], kKeyFormatAscii);
    EXPECT_EQ(m.auth.asciiKeys[0], "Cove!");
    EXPECT_EQ(m.auth.asciiKeys[1], "12345") << "not hex pairs of a key: kept as stored";
    EXPECT_EQ(m.auth.hexKeys[2], "00112233445566778899aabbcc");
    EXPECT_EQ(m.auth.psk, "harbor lights");
    EXPECT_EQ(m.auth.dot1x.ttlsProtocol, 4);
    EXPECT_EQ(m.auth.dot1x.innerEapType, kInnerMschapV2);
    EXPECT_EQ(client.ThumbprintLength, 2u);
    EXPECT_EQ(client.Thumbprint[0], 0xAB);
    EXPECT_EQ(server.ThumbprintLength, 2u) << "only what the text holds";

    // LEAP: the cipher is the LEAP choice, 802.1X off; LeapEncryType has the last word.
    ProfileEditorModel leap;
    leap.sys.profileName = "Crew";
    ReadProfileModel(leap, IniDocument("[Crew]\nAuthMode=0\nLeapEnabled=1\nCipherMode=4\nUse8021X=1\n"), kOsVista,
                     nullptr, nullptr);
    EXPECT_EQ(leap.auth.leapEncryption, 1);
    EXPECT_EQ(leap.auth.use8021X, 0);
    EXPECT_EQ(leap.auth.authType, kAuthLeap);
    EXPECT_EQ(leap.auth.storedType, kAuthLeap) << "listed though the lists do not offer it";
    ReadProfileModel(leap, IniDocument("[Crew]\nLeapEncryType=2\n"), kOsVista, nullptr, nullptr);
    EXPECT_EQ(leap.auth.leapEncryption, 2);

    // The type the profile is stored with, on its network type; LEAP in ad hoc would be saved
    // as WPA-None, so it is not one.
    struct Stored {
        const char* section;
        int type, infrastructure;
    } const stored[] = {{"NetworkType=0\nAuthMode=5\nCipherMode=6\n", kAuthWpaNone, 0},
                        {"NetworkType=0\nAuthMode=4\n", kAuthWpaNone, 0},
                        {"NetworkType=1\nAuthMode=5\n", kAuthWpaPsk, 1},
                        {"NetworkType=0\nAuthMode=1\n", kAuthShared, 0},
                        {"NetworkType=0\nAuthMode=0\nLeapEnabled=1\n", -1, 0},
                        {"NetworkType=1\nAuthMode=7\n", kAuthWpa2Psk, 1}};
    for (const Stored& c : stored) {
        SCOPED_TRACE(c.section);
        ProfileEditorModel e;
        InitProfileModel(e, "P", "", 1, 0, 0, 1, 1, kOsVista);
        ReadProfileModel(e, IniDocument(std::string("[P]\n") + c.section), kOsVista, nullptr, nullptr);
        EXPECT_EQ(e.auth.storedType, c.type);
        EXPECT_EQ(e.auth.storedInfrastructure, c.infrastructure);
    }
    // A new profile from a scanned ad hoc WPA-None network.
    ProfileEditorModel scanned;
    InitProfileModel(scanned, "PROF1", "Raft Net", kCipherAes, 5, 1, kNetworkAdhoc, 6, kOsVista);
    EXPECT_EQ(scanned.auth.storedType, kAuthWpaNone);
    EXPECT_EQ(scanned.auth.storedInfrastructure, 0);

    // Systems without WPA2 show its modes as WPA.
    ProfileEditorModel old;
    old.sys.profileName = "Old";
    ReadProfileModel(old, IniDocument("[Old]\nAuthMode=7\n"), kOsServer2003, nullptr, nullptr);
    EXPECT_EQ(old.auth.authType, kAuthWpaPsk);
    ReadProfileModel(old, IniDocument("[Old]\nAuthMode=6\n"), kOsServer2003, nullptr, nullptr);
    EXPECT_EQ(old.auth.authType, kAuthWpa);
}

TEST(ProfileSection, EveryCombinationReadsBackAsWritten) {
    struct Case {
        int networkType, type, encryptionIndex;
    };
    const Case cases[] = {{1, kAuthOpen, 0},    {1, kAuthOpen, 1},    {1, kAuthShared, 1},  {1, kAuthWpa, 0},
                          {1, kAuthWpa, 1},     {1, kAuthWpaPsk, 0},  {1, kAuthWpaPsk, 1},  {1, kAuthWpa2, 0},
                          {1, kAuthWpa2, 1},    {1, kAuthWpa2Psk, 0}, {1, kAuthWpa2Psk, 1}, {0, kAuthOpen, 0},
                          {0, kAuthOpen, 1},    {0, kAuthWpa2Psk, 0}, {0, kAuthWpaNone, 0}, {1, kAuthLeap, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "network " << c.networkType << " type " << c.type << " index "
                                        << c.encryptionIndex);
        ProfileEditorModel m = NewProfile();
        m.sys.networkType = c.networkType;
        m.auth.infrastructure = c.networkType;
        m.sys.channel = c.networkType ? "1" : "11";
        SetType(m, c.type, c.encryptionIndex);
        if (c.type == kAuthLeap) {
            m.auth.leap = 1;
            m.auth.leapCapability = 1;
            m.auth.leapEncryption = 2;
            m.auth.leapIdentity = "crew";
            m.auth.leapPassword = "deck";
        }
        m.auth.psk = "harbor lights";
        m.auth.keyFormats = {kKeyFormatHex, kKeyFormatAscii, kKeyFormatHex, kKeyFormatAscii};
        m.auth.hexKeys = {"0123456789", "", "00112233445566778899AABBCC", ""};
        m.auth.asciiKeys = {"", "Dunes", "", "thirteen char"};
        m.auth.defaultKey = 2;
        m.auth.use8021X = c.type == kAuthWpa || c.type == kAuthWpa2;
        m.auth.dot1x.identity = "sailor";
        m.auth.dot1x.tunnelIdentity = "inner";
        m.sys.useRts = 1;
        m.sys.rtsThreshold = 1000;
        m.sys.txPower = 6;
        CertDesc client{};
        client.ThumbprintLength = 20;
        for (uint8_t i = 0; i < 20; ++i) client.Thumbprint[i] = static_cast<uint8_t>(i * 13);
        const ProfileKeyValues first = WriteProfileValues(m, &client, nullptr);

        ProfileEditorModel again;
        InitProfileModel(again, "PROF1", "", 1, 0, 0, 1, 1, kOsVista);
        again.auth.leapCapability = 1;
        CertDesc readClient{}, readServer{};
        ReadProfileModel(again, IniDocument(SectionText("PROF1", first)), kOsVista, &readClient, &readServer);
        EXPECT_EQ(AsMap(WriteProfileValues(again, &readClient, &readServer)), AsMap(first));
    }
}

// The 802.1X record of each EAP method through a "_prof" section and back: every field,
// the thumbprints of both certificates included, the way the editor saves and loads it.
TEST(ProfileSection, Dot1xRecordOfEachEapMethodReadsBackAsWritten) {
    struct Case {
        int method, inner, provisioning, ttls;
    };
    // One stored key holds the inner method, or the TTLS inner protocol for TTLS: the other
    // keeps its default.
    const Case cases[] = {{kEapPeap, kInnerTls, kInnerTokenCard, 3},
                          {kEapTls, kInnerTokenCard, kInnerMschapV2, 3},
                          {kEapTtls, kInnerMschapV2, kInnerTls, 5},
                          {kEapMd5, kInnerMschapV2, kInnerTokenCard, 3},
                          {kEapFast, kInnerTokenCard, kInnerTls, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        ProfileEditorModel m = NewProfile();
        SetType(m, kAuthWpa2, 1);
        m.auth.use8021X = 1;
        Dot1xSettings& d = m.auth.dot1x;
        d.eapMethod = c.method;
        d.innerEapType = c.inner;
        d.provisioningInnerType = c.provisioning;
        d.ttlsProtocol = c.ttls;
        d.sessionResumption = 1;
        d.identity = "sailor@harbor";
        d.password = "p=w;d";
        d.tunnelIdentity = "inner one";
        d.tunnelPassword = "x";
        d.passwordMode = 0;
        d.useClientCert = 1;
        d.validateServerChain = 1;
        d.usePac = c.method == kEapFast;
        d.allowUnauthenticatedProvision = 0;
        d.pacFilePath = "C:\\pac\\crew.pac";
        d.allowIntermediateCerts = 1;
        d.serverName = "radius.harbor.example";
        d.nameRule = 1;
        CertDesc client{}, server{};
        client.ThumbprintLength = 20;
        server.ThumbprintLength = 20;
        for (uint8_t i = 0; i < 20; ++i) {
            client.Thumbprint[i] = static_cast<uint8_t>(0xF0 - i * 7);
            server.Thumbprint[i] = static_cast<uint8_t>(i * 11 + c.method);
        }
        d.clientThumbprintLength = 20;
        std::memcpy(d.clientThumbprint, client.Thumbprint, 20);
        d.serverThumbprintLength = 20;
        std::memcpy(d.serverThumbprint, server.Thumbprint, 20);
        const Dot1xSettings written = d;

        const IniDocument file(SectionText("PROF1", WriteProfileValues(m, &client, &server)));
        ProfileEditorModel again;
        InitProfileModel(again, "PROF1", "", 1, 0, 0, 1, 1, kOsVista);
        CertDesc readClient{}, readServer{};
        ReadProfileModel(again, file, kOsVista, &readClient, &readServer);
        EXPECT_TRUE(again.auth.dot1x == written);
        EXPECT_EQ(std::memcmp(readClient.Thumbprint, client.Thumbprint, 20), 0);
        EXPECT_EQ(std::memcmp(readServer.Thumbprint, server.Thumbprint, 20), 0);
    }
}

// The two certificate selections are the program's: an edit reads them from the section, and
// what the section does not hold is not left as the previous profile had it.
TEST(ProfileSection, ReadingResetsTheCertificateSelectionsTheSectionDoesNotHold) {
    CertDesc client{}, server{};
    std::strcpy(client.IssuedTo, "previous crew");
    client.ThumbprintLength = 20;
    std::memset(client.Thumbprint, 0xAB, 20);
    server = client;
    const CertDesc zero{};
    ProfileEditorModel m;
    InitProfileModel(m, "Imported", "", 1, 0, 0, 1, 1, kOsVista);
    ReadProfileModel(m, IniDocument("[Imported]\nSSID=Quay\nAuthMode=4\nCipherMode=4\nWPAPSK=harbor lights\n"),
                     kOsVista, &client, &server);
    EXPECT_EQ(std::memcmp(&client, &zero, sizeof zero), 0);
    EXPECT_EQ(std::memcmp(&server, &zero, sizeof zero), 0);
    EXPECT_EQ(AsMap(WriteProfileValues(m, &client, &server)).at("ClientCertLen"), "0");

    // A section with a thumbprint: that one, and nothing of the previous certificate's texts.
    std::strcpy(client.IssuedTo, "previous crew");
    ReadProfileModel(m, IniDocument("[Imported]\nClientCertLen=2\nClientCertData=0102\n"), kOsVista, &client, &server);
    EXPECT_EQ(client.ThumbprintLength, 2u);
    EXPECT_STREQ(client.IssuedTo, "");
}

// A network-type switch keeps a WPA cipher: the encryption list's first row is TKIP in
// infrastructure and AES in ad hoc, the only WPA cipher there.
TEST(ProfileSection, SwitchingTheNetworkTypeKeepsTheWpaCipher) {
    struct Case {
        const char* what;
        int authMode, encryptionIndex, leap;
        bool to;  // infrastructure afterwards
        const char* authMode_, *cipherMode;
    } const cases[] = {
        {"ad hoc WPA-None, AES, to infrastructure", 5, 0, 0, true, "4", "6"},
        {"ad hoc WPA2-PSK, AES, to infrastructure", 7, 0, 0, true, "7", "6"},
        {"WPA-PSK, TKIP, to ad hoc", 4, 0, 0, false, "5", "6"},
        {"WPA2-PSK, AES, to ad hoc", 7, 1, 0, false, "7", "6"},
        {"open, WEP, to ad hoc", 0, 1, 0, false, "0", "0"},
        {"ad hoc open, none, to infrastructure", 0, 0, 0, true, "0", "1"},
        {"LEAP, AES, to ad hoc", 0, 0, 1, false, "0", "6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProfileEditorModel m = NewProfile();
        m.sys.networkType = c.to ? kNetworkAdhoc : kNetworkInfrastructure;
        m.auth.infrastructure = c.to ? 0 : 1;
        m.auth.authMode = c.authMode;
        m.auth.encryptionIndex = c.encryptionIndex;
        m.auth.leap = c.leap;
        m.auth.leapCapability = 1;
        m.auth.leapEncryption = 2;
        m.sys.networkType = c.to ? kNetworkInfrastructure : kNetworkAdhoc;
        FollowNetworkType(m.auth, c.to);
        EXPECT_EQ(m.auth.infrastructure, c.to ? 1 : 0);
        const auto keys = AsMap(WriteProfileValues(m, nullptr, nullptr));
        EXPECT_EQ(keys.at("AuthMode"), c.authMode_);
        EXPECT_EQ(keys.at("CipherMode"), c.cipherMode);
    }
}

// A stored thumbprint is trusted only as far as its digits and 20 bytes go.
TEST(ProfileSection, StoredThumbprintsAreBoundedByTheirText) {
    struct Case {
        const char* length;
        std::string data;
        uint32_t expected;
    } const cases[] = {{"20", std::string(40, 'a'), 20}, {"4000", std::string(40, 'b'), 20},
                       {"20", "0a0b0c", 3},              {"10", "0a0bzz0c0d", 2},
                       {"-3", "0a0b", 0},                {"3", std::string(400, 'c'), 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data);
        ProfileEditorModel m;
        InitProfileModel(m, "P", "", 1, 0, 0, 1, 1, kOsVista);
        CertDesc client{};
        std::string text = "[P]\nClientCertLen=";
        text.append(c.length).append("\nClientCertData=").append(c.data).append("\n");
        ReadProfileModel(m, IniDocument(text), kOsVista, &client, nullptr);
        EXPECT_EQ(m.auth.dot1x.clientThumbprintLength, c.expected);
        EXPECT_EQ(client.ThumbprintLength, c.expected);
        for (uint32_t i = c.expected; i < kCertThumbprintMax; ++i) EXPECT_EQ(m.auth.dot1x.clientThumbprint[i], 0);
    }
}

TEST(AuthTypeTable, ModesBothWaysAndTheListsOffered) {
    for (int type = 0; type < kAuthTypeCount; ++type) {
        SCOPED_TRACE(type);
        const int mode = AuthModeOfType(type, true, kOsVista);
        const bool leap = type == kAuthLeap || type == kAuthWpaNone;
        // LEAP and WPA-None in infrastructure are both stored as LEAP.
        EXPECT_EQ(AuthTypeOfMode(mode, leap, kOsVista, -1), type == kAuthWpaNone ? kAuthLeap : type);
    }
    EXPECT_EQ(AuthModeOfType(kAuthWpaNone, false, kOsVista), 5);
    EXPECT_EQ(AuthModeOfType(kAuthWpa2, true, kOsServer2003), 3);
    EXPECT_EQ(AuthModeOfType(kAuthWpa2Psk, true, kOsServer2003), 4);
    EXPECT_EQ(AuthTypeOfMode(2, false, kOsVista, kAuthShared), kAuthShared) << "no row: unchanged";

    using V = std::vector<int>;
    EXPECT_EQ(OfferedAuthTypes(true, true, 6, kOsVista, false),
              (V{kAuthOpen, kAuthShared, kAuthWpa, kAuthWpaPsk, kAuthWpa2, kAuthWpa2Psk}));
    EXPECT_EQ(OfferedAuthTypes(false, true, 6, kOsVista, false), (V{kAuthOpen, kAuthWpa2Psk}));
    EXPECT_EQ(OfferedAuthTypes(true, true, 6, kOsServer2003, false), (V{kAuthOpen, kAuthShared, kAuthWpa, kAuthWpaPsk}));
    EXPECT_EQ(OfferedAuthTypes(true, true, 3, kOsVista, false), (V{kAuthOpen, kAuthShared}));
    EXPECT_EQ(OfferedAuthTypes(true, false, 6, kOsVista, false), (V{kAuthOpen, kAuthShared}));
    EXPECT_EQ(OfferedAuthTypes(false, true, 6, kOsVista, true), (V{kAuthOpen, kAuthShared, kAuthWpaNone}));
    // The profile's own type is listed in its place, once.
    EXPECT_EQ(OfferedAuthTypes(true, true, 6, kOsVista, false, kAuthLeap),
              (V{kAuthOpen, kAuthShared, kAuthLeap, kAuthWpa, kAuthWpaPsk, kAuthWpa2, kAuthWpa2Psk}));
    EXPECT_EQ(OfferedAuthTypes(false, true, 6, kOsVista, false, kAuthWpaNone), (V{kAuthOpen, kAuthWpaNone, kAuthWpa2Psk}));
    EXPECT_EQ(OfferedAuthTypes(false, false, 6, kOsVista, false, kAuthShared), (V{kAuthOpen, kAuthShared}));
    EXPECT_EQ(OfferedAuthTypes(true, true, 6, kOsVista, false, kAuthWpa), (V{kAuthOpen, kAuthShared, kAuthWpa, kAuthWpaPsk,
                                                                            kAuthWpa2, kAuthWpa2Psk}));

    // What a save stores for a mode on each network type.
    const int modes[8][2] = {{0, 0}, {1, 1}, {2, 2}, {0, 3}, {5, 4}, {5, 4}, {6, 6}, {7, 7}};  // ad hoc, infrastructure
    for (int mode = 0; mode < 8; ++mode) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(AuthModeForNetwork(mode, false), modes[mode][0]);
        EXPECT_EQ(AuthModeForNetwork(mode, true), modes[mode][1]);
    }

    EXPECT_EQ(OfferedEncryptions(kAuthShared, false, 6), (V{kCipherNone, kCipherWep}));
    EXPECT_EQ(OfferedEncryptions(kAuthWpaPsk, true, 6), (V{kCipherTkip, kCipherAes}));
    EXPECT_EQ(OfferedEncryptions(kAuthWpa2Psk, false, 6), (V{kCipherAes}));
    EXPECT_EQ(OfferedEncryptions(kAuthWpa2Psk, false, 4), V{});
    EXPECT_EQ(OfferedEncryptions(kAuthWpa, true, 4), (V{kCipherTkip}));
    EXPECT_EQ(OfferedEncryptions(kAuthLeap, true, 6), V{});
    EXPECT_EQ(OfferedEncryptions(kAuthLeap, true, 6, true), (V{kCipherWep, kCipherTkip}));
}

TEST(WepKeyText, LengthsDigitsAndTheStoredForm) {
    EXPECT_TRUE(IsWepKeyText("0123456789", kKeyFormatHex));
    EXPECT_TRUE(IsWepKeyText("abcdefABCDEF0123456789abcd", kKeyFormatHex));
    EXPECT_FALSE(IsWepKeyText("012345678", kKeyFormatHex));
    EXPECT_FALSE(IsWepKeyText("012345678 ", kKeyFormatHex));
    EXPECT_FALSE(IsWepKeyText("012345678g", kKeyFormatHex));
    EXPECT_TRUE(IsWepKeyText("a b c", kKeyFormatAscii));
    EXPECT_FALSE(IsWepKeyText("0123456789", kKeyFormatAscii));
    EXPECT_FALSE(IsPskText("1234567"));
    EXPECT_TRUE(IsPskText("12345678"));
    EXPECT_FALSE(IsPskText(std::string(65, 'a')));
    std::string ascii;
    EXPECT_TRUE(AsciiOfStoredKey("436F766521", ascii));
    EXPECT_EQ(ascii, "Cove!");
    EXPECT_FALSE(AsciiOfStoredKey("436F76652", ascii));
    EXPECT_FALSE(AsciiOfStoredKey("436F76652x", ascii));
}

TEST(SsidChoices, OwnFirstEachNameOnceExactlyAndOnlyWholeEntries) {
    std::vector<uint8_t> list(kBssidListSize, 0);
    BssidListWriter writer(list.data(), list.size());
    for (const char* ssid : {"Home2", "Home", "", "home", "Home2", "Quay"}) {
        BssidEntryFields f;
        f.ssidLength = static_cast<uint32_t>(std::strlen(ssid));
        std::memcpy(f.ssid.data(), ssid, f.ssidLength);
        ASSERT_TRUE(writer.Append(f));
    }
    using V = std::vector<std::string>;
    // "Home" is the start of "Home2" and still a network of its own.
    EXPECT_EQ(SsidChoices(list.data(), list.size(), "Quay"), (V{"Quay", "Home2", "Home", "home"}));
    EXPECT_EQ(SsidChoices(list.data(), list.size(), ""), (V{"Home2", "Home", "home", "Quay"}));
    EXPECT_EQ(SsidChoices(nullptr, 0, "Own"), V{"Own"});

    // The fourth entry claims a length below its fixed part: the walk stops before it.
    const size_t fourth = 4 + 3 * bssid_entry::kFixedSize;
    WriteU32(list.data() + fourth, 100);
    EXPECT_EQ(SsidChoices(list.data(), list.size(), ""), (V{"Home2", "Home"}));
    // And one that runs past the buffer.
    WriteU32(list.data() + fourth, static_cast<uint32_t>(list.size()));
    EXPECT_EQ(SsidChoices(list.data(), list.size(), ""), (V{"Home2", "Home"}));
}

}  // namespace
