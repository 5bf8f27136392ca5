// The apply record as [Config] of the station file fills it, and the WPS credentials as the
// "_wsc" file holds them: key blocks, thresholds, the values read only in some modes, and
// every value bounded by its field.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "shared/crypto/wpa_psk.h"
#include "station/core/settings/ini_document.h"
#include "station/profiles/station_config_reader.h"

namespace {

struct RecordDeleter {
    void operator()(ProfileApplyRecord* r) const { FreeApplyRecord(r); }
};
using Record = std::unique_ptr<ProfileApplyRecord, RecordDeleter>;

class StationConfigReaderTest : public ::testing::Test {
protected:
    Record Read(const std::string& config, int wpaSupported = 1, uint16_t driverVersion = 0x0301) {
        Record r(AllocApplyRecord());
        StationConfigContext context;
        context.wpaSupported = wpaSupported;
        context.driverVersion = driverVersion;
        context.clientCert = &client;
        context.serverCert = &server;
        ReadStationConfig(*r, IniDocument("[Config]\n" + config), context);
        return r;
    }
    CertDesc client{}, server{};
};

std::string Text(const char* field, size_t size) { return std::string(field, strnlen(field, size)); }

TEST_F(StationConfigReaderTest, WepKeysBecomeBlocksWithTheTransmitBitOnTheChosenKey) {
    Record r = Read("SSID=Quay\nAuthMode=0\nCipherMode=0\nWEPKeyUse=2\nWEPKey1=1122334455\nWEPKey2=A1B2C3D4E5\n"
                    "WEPKey3=00112233445566778899AABBCC\nWEPKey4=7\n");
    const struct { uint32_t length, index, keyLength; uint8_t first; } expected[3] = {
        {44, 0, 5, 0x11}, {44, 0x80000001, 5, 0xA1}, {52, 2, 13, 0x00}};
    for (int n = 0; n < 3; ++n) {
        SCOPED_TRACE(n);
        const Ndis80211KeyHeader* block = WepKeyBlock(*r, n);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(WepKeyLength(*r, n), expected[n].length);
        EXPECT_EQ(block->Length, expected[n].length);
        EXPECT_EQ(block->KeyIndex, expected[n].index);
        EXPECT_EQ(block->KeyLength, expected[n].keyLength);
        EXPECT_EQ(KeyMaterial(block)[0], expected[n].first);
        for (uint8_t b : block->Bssid) EXPECT_EQ(b, 0xFF);
    }
    // One character is no key.
    EXPECT_EQ(WepKeyBlock(*r, 3), nullptr);
    EXPECT_EQ(WepKeyLength(*r, 3), 0u);
}

TEST_F(StationConfigReaderTest, WepTextOfTheWrongLengthDecodesOnlyWholePairsInsideIt) {
    Record r = Read("AuthMode=1\nCipherMode=0\nWEPKeyUse=1\nWEPKey1=11223344556\nWEPKey2=1122334\n");
    const uint8_t five[5] = {0x11, 0x22, 0x33, 0x44, 0x55};
    ASSERT_NE(WepKeyBlock(*r, 0), nullptr);
    EXPECT_EQ(WepKeyBlock(*r, 0)->KeyLength, 5u);
    EXPECT_EQ(std::memcmp(KeyMaterial(WepKeyBlock(*r, 0)), five, 5), 0);
    const uint8_t thirteen[13] = {0x11, 0x22, 0x33};
    ASSERT_NE(WepKeyBlock(*r, 1), nullptr);
    EXPECT_EQ(WepKeyBlock(*r, 1)->KeyLength, 13u);
    EXPECT_EQ(std::memcmp(KeyMaterial(WepKeyBlock(*r, 1)), thirteen, 13), 0);
}

TEST_F(StationConfigReaderTest, WpaNoneKeyIsDecodedOrDerivedAndNeverMadeUp) {
    const std::string hex = "f42c6fc52df0ebef9ebb4b90b38a5f902e83fe1b135a70e23aed762e9710a12e";
    uint8_t expected[32];
    ASSERT_EQ(DeriveWpaPsk("password", reinterpret_cast<const uint8_t*>("IEEE"), 4, expected), 1);

    for (const std::string& key : {hex, std::string("password")}) {
        SCOPED_TRACE(key);
        Record r = Read("SSID=IEEE\nAuthMode=5\nCipherMode=4\nWPAPSK=" + key + "\n");
        ASSERT_NE(r->WpaNoneKey, nullptr);
        EXPECT_EQ(r->WpaNoneKeyLength, 71u);
        EXPECT_EQ(r->WpaNoneKey->Length, 71u);
        EXPECT_EQ(r->WpaNoneKey->KeyIndex, 0x80000000u);
        EXPECT_EQ(r->WpaNoneKey->KeyLength, 32u);
        EXPECT_EQ(std::memcmp(KeyMaterial(r->WpaNoneKey), expected, 32), 0);
        EXPECT_EQ(r->WpaPassphraseLength, 0u);
    }
    // Too short, or 64 characters that are not hex digits: no key is sent at all.
    for (const std::string& key : {std::string("seven77"), std::string(63, 'x') + "z", std::string(80, 'x')}) {
        Record r = Read("SSID=IEEE\nAuthMode=5\nWPAPSK=" + key + "\n");
        EXPECT_EQ(r->WpaNoneKey, nullptr) << key;
        EXPECT_EQ(r->WpaNoneKeyLength, 0u);
    }
}

TEST_F(StationConfigReaderTest, PassphraseGoesIntoTheRecordBoundedByItsField) {
    Record r = Read("AuthMode=7\nCipherMode=6\nWPAPSK=" + std::string(64, 'a') + "\n");
    EXPECT_EQ(r->WpaPassphraseLength, 64u);
    EXPECT_EQ(std::string(r->WpaPassphrase, 64), std::string(64, 'a'));
    EXPECT_EQ(r->Use8021X, 0u);  // the field after it is untouched

    Record tooLong = Read("AuthMode=4\nCipherMode=4\nWPAPSK=" + std::string(100, 'b') + "\n");
    EXPECT_EQ(tooLong->WpaPassphraseLength, 0u);
    EXPECT_EQ(tooLong->WpaPassphrase[0], 0);
}

TEST_F(StationConfigReaderTest, ThresholdsPowerAndChannelFollowTheMode) {
    struct Case {
        const char* config;
        uint32_t rts, frag, powerSave, acPowerCam, adhocKhz, preamble;
    } cases[] = {
        {"UseRts=0\nRtsThresh=500\nUseFrag=0\nFragThresh=300\n", 2347, 0, 0, 0, 0, 0},
        {"UseRts=1\nRtsThresh=3000\nUseFrag=1\nFragThresh=100\n", 2347, 256, 0, 0, 0, 0},
        {"UseRts=1\nRtsThresh=500\nUseFrag=1\nFragThresh=3000\n", 500, 2346, 0, 0, 0, 0},
        // Infrastructure reads the power mode and never the channel.
        {"NetworkType=1\nPSMode=2\nChannel=6\nACPowerCam=1\nPreambleType=1\n", 2347, 0, 2, 1, 0, 2},
        {"NetworkType=1\nPSMode=1\n", 2347, 0, 2, 0, 0, 0},
        {"NetworkType=1\nPSMode=3\n", 2347, 0, 0, 0, 0, 0},
        // Ad hoc reads the channel and never the power mode.
        {"NetworkType=0\nPSMode=1\nChannel=6\nACPowerCam=1\n", 2347, 0, 0, 0, 2437000, 0},
        {"NetworkType=0\nChannel=99\n", 2347, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.config);
        Record r = Read(c.config, 1, 0x0600);
        EXPECT_EQ(r->RtsThreshold, c.rts);
        EXPECT_EQ(r->FragThreshold, c.frag);
        EXPECT_EQ(r->PowerSaveMode, c.powerSave);
        EXPECT_EQ(r->AcPowerCam, c.acPowerCam);
        EXPECT_EQ(r->AdhocFrequency, c.adhocKhz);
        EXPECT_EQ(r->PreambleType, c.preamble);
        EXPECT_EQ(r->StationConfigLoaded, 1u);
    }
    // An older driver never gets the mains-power setting.
    EXPECT_EQ(Read("NetworkType=1\nACPowerCam=1\n", 1, 0x0500)->AcPowerCam, 0u);
}

TEST_F(StationConfigReaderTest, LeapAnd8021XValues) {
    Record leap = Read("AuthMode=0\nLeapEnabled=1\nUse8021X=1\nLeapUserName=bob\nLeapPassword=pw\nCipherMode=0\n"
                       "WEPKey1=1122334455\nWEPKeyUse=1\n");
    EXPECT_EQ(leap->Use8021X, 0u);
    EXPECT_EQ(leap->LeapEnabled, 1);
    EXPECT_EQ(Text(leap->LeapUserName, 256), "bob");
    EXPECT_EQ(leap->LeapUserNameLength, 127u);
    EXPECT_EQ(leap->LeapPasswordLength, 127u);
    EXPECT_EQ(WepKeyBlock(*leap, 0), nullptr) << "LEAP brings its own keys";

    const std::string eap = "AuthenProtocol=2\nTunnelProtocol=4\nID=alice\nPassword=secret\nServerName=radius\n"
                            "PACFilePath=" + std::string(300, 'p') + "\nTunnelID=" + std::string(200, 't') + "\n";
    Record ttls = Read("AuthMode=6\nUse8021X=1\n" + eap);
    EXPECT_EQ(ttls->AuthenProtocol, 2u);
    EXPECT_EQ(ttls->TtlsTunnelProtocol, 4u);
    EXPECT_EQ(ttls->TunnelProtocol, 0u);
    EXPECT_EQ(Text(ttls->Identity, 128), "alice");
    EXPECT_EQ(Text(ttls->ServerName, 128), "radius");
    EXPECT_EQ(Text(ttls->PACFilePath, 256), std::string(255, 'p'));
    EXPECT_EQ(Text(ttls->TunnelID, 128), std::string(127, 't'));

    Record peap = Read("AuthMode=3\nAuthenProtocol=25\nTunnelProtocol=4\n");
    EXPECT_EQ(peap->TunnelProtocol, 4u);
    EXPECT_EQ(peap->TtlsTunnelProtocol, 0u);

    // Without WPA support, or with neither WPA nor 802.1X, the 802.1X values stay unread.
    EXPECT_EQ(Read("AuthMode=3\n" + eap, 0)->AuthenProtocol, 0u);
    EXPECT_EQ(Read("AuthMode=7\n" + eap)->AuthenProtocol, 0u);
}

TEST_F(StationConfigReaderTest, ThumbprintsTakeOnlyWhatTheTextHolds) {
    const struct {
        const char* length;
        std::string data;
        uint32_t expected;
    } cases[] = {
        {"5", "0a0b0c0d0e", 5},
        {"100", "0a0b0c0d0e", 5},          // the stored length claims more than the text holds
        {"30", std::string(60, 'a'), 20},  // never more than a thumbprint
        {"3", "0a0b0c0d0e", 3},
        {"-4", "0a0b", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        client = {};
        Read(std::string("AuthMode=6\nUse8021X=1\nUseClientCert=1\nClientCertLen=") + c.length +
             "\nClientCertData=" + c.data + "\n");
        EXPECT_EQ(client.ThumbprintLength, c.expected);
        if (c.expected >= 3) {
            EXPECT_EQ(client.Thumbprint[0], c.data[0] == '0' ? 0x0A : 0xAA);
        }
    }
    server = {};
    Read("AuthMode=6\nUse8021X=1\nUseServerCert=0\nServerCertLen=2\nServerCertData=0102\n");
    EXPECT_EQ(server.ThumbprintLength, 0u) << "read only when the certificate is in use";
}

TEST_F(StationConfigReaderTest, BoundsAndAbsentValues) {
    Record r = Read("SSID=" + std::string(40, 's') + "\nAuthMode=9\nNetworkType=\nTXPower=3\n");
    EXPECT_EQ(r->SsidLength, 32u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(r->Ssid), 32), std::string(32, 's'));
    EXPECT_EQ(r->AuthMode, 0);
    EXPECT_EQ(r->TxPower, 3u);

    // An empty or absent value leaves what the record held.
    Record kept(AllocApplyRecord());
    kept->NetworkType = 1;
    kept->CipherMode = 6;
    ReadStationConfig(*kept, IniDocument("[Config]\nNetworkType=\n"), StationConfigContext{});
    EXPECT_EQ(kept->NetworkType, 1u);
    EXPECT_EQ(kept->CipherMode, 6u);
}

TEST(WpsCredentialReader, CountsLengthsAndKeysAreLimited) {
    const IniDocument station("[Config]\nWSC=1\n");
    const IniDocument wps(
        "[Common]\nConfigMode=1\nPinCode=12345670\nNumber=20\n"
        "[Profile0]\nSSID=" + std::string(40, 'w') + "\nAuthType=32\nEncryType=8\nKeyIndex=1\nKeyLength=200\n"
        "Key=lantern-key\nMacAddress=0011223344FF\n"
        "[Profile1]\nSSID=Short\nKeyLength=3\nKey=abcdefgh\nMacAddress=00112\n");
    WpsCredentialTable table;
    std::memset(&table, 0xEE, sizeof(table));
    const WpsSettings settings = ReadWpsCredentials(station, wps, table);
    EXPECT_EQ(settings.sessionActive, 1);
    EXPECT_TRUE(settings.hasConfigMode);
    EXPECT_EQ(settings.configMode, 1);
    EXPECT_EQ(settings.pinCode, 12345670u);
    EXPECT_EQ(table.Count, 8u);

    const WpsCredential& first = table.Entries[0];
    EXPECT_EQ(first.SsidLength, 32u);
    EXPECT_EQ(first.AuthType, 32u);
    EXPECT_EQ(first.EncryType, 8u);
    EXPECT_EQ(first.KeyIndex, 1u);
    EXPECT_EQ(first.KeyLength, 11u) << "never more than the key text holds";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(first.Key), 11), "lantern-key");
    const uint8_t mac[6] = {0x00, 0x11, 0x22, 0x33, 0x44, 0xFF};
    EXPECT_EQ(std::memcmp(first.MacAddress, mac, 6), 0);

    const WpsCredential& second = table.Entries[1];
    EXPECT_EQ(second.KeyLength, 3u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(second.Key), 4), std::string("abc\0", 4));
    const uint8_t partial[6] = {0x00, 0x11, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(second.MacAddress, partial, 6), 0);
    // Entries the file does not fill are zero, never what the table held before.
    EXPECT_EQ(table.Entries[7].SsidLength, 0u);
}

TEST(WpsCredentialReader, AbsentNumberLeavesTheTableEmpty) {
    WpsCredentialTable table;
    std::memset(&table, 0xEE, sizeof(table));
    const WpsSettings settings = ReadWpsCredentials(IniDocument(""), IniDocument("[Profile0]\nSSID=x\n"), table);
    EXPECT_EQ(settings.sessionActive, 0);
    EXPECT_FALSE(settings.hasPinCode);
    EXPECT_EQ(table.Count, 0u);
    EXPECT_EQ(table.Entries[0].SsidLength, 0u);
}

TEST(IniDocument, ReadsAsThePrivateProfileFunctionsDo) {
    const IniDocument doc("; comment\n[Config]\n  SSID = Harbor Open  \nKey=\"quoted value\"\nkey=second\n"
                          "[config]\nSSID=ignored\n[Other]\nA=1\r\n");
    EXPECT_EQ(doc.Read("config", "ssid", 127), "Harbor Open");
    EXPECT_EQ(doc.Read("Config", "KEY", 127), "quoted value");
    EXPECT_EQ(doc.Read("Config", "SSID", 6), "Harbor");
    EXPECT_EQ(doc.Read("Other", "A", 127), "1");
    EXPECT_EQ(doc.Read("Missing", "A", 127), "");
    EXPECT_EQ(doc.SectionNames(), (std::vector<std::string>{"Config", "config", "Other"}));
}

TEST(SettingsNumber, ReadsLikeTheProgramAlwaysHas) {
    EXPECT_EQ(SettingsNumber("42"), 42);
    EXPECT_EQ(SettingsNumber("  -7x"), -7);
    EXPECT_EQ(SettingsNumber("abc"), 0);
    EXPECT_EQ(SettingsNumber(""), 0);
    EXPECT_GE(SettingsNumber("99999999999999999999"), 2147483647L);
}

}  // namespace
