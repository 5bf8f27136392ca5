// The service profile documents made from apply records: exact texts for each kind of
// network, the records no document is made for, and the open network a record without
// SSID is sent to.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "beacon_elements.h"
#include "station/core/wlan/wlan_profile_text.h"

namespace {

using wlan_profile::Build;

struct RecordDeleter {
    void operator()(ProfileApplyRecord* r) const { FreeApplyRecord(r); }
};
using Record = std::unique_ptr<ProfileApplyRecord, RecordDeleter>;

Record MakeRecord(const std::string& ssid, uint32_t networkType, int32_t auth, uint32_t cipher) {
    Record r(AllocApplyRecord());
    r->SsidLength = static_cast<uint32_t>(ssid.size());
    std::memcpy(r->Ssid, ssid.data(), ssid.size());
    r->NetworkType = networkType;
    r->AuthMode = auth;
    r->CipherMode = cipher;
    return r;
}

void SetPassphrase(ProfileApplyRecord& r, const std::string& key) {
    std::memcpy(r.WpaPassphrase, key.data(), key.size());
    r.WpaPassphraseLength = static_cast<uint32_t>(key.size());
}

void SetWepKey(ProfileApplyRecord& r, int slot, std::vector<uint8_t> key, bool transmit) {
    WepKeyBlock(r, slot) = AllocKeyBlock(static_cast<uint32_t>(slot) | (transmit ? kKeyIndexTransmit : 0), key.data(),
                                         static_cast<uint32_t>(key.size()));
    WepKeyLength(r, slot) = KeyBlockSize(static_cast<uint32_t>(key.size()));
}

const std::string kHead = "<?xml version=\"1.0\"?><WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">";
const std::string kTail = "</WLANProfile>";

std::string Names(const std::string& escaped) {
    return "<name>" + escaped + "</name><SSIDConfig><SSID><name>" + escaped + "</name></SSID>";
}
const std::string kEssAuto =
    "<nonBroadcast>true</nonBroadcast></SSIDConfig><connectionType>ESS</connectionType>"
    "<connectionMode>auto</connectionMode><autoSwitch>true</autoSwitch>";
std::string AuthEncryption(const char* auth, const char* enc, const char* oneX) {
    return std::string("<authEncryption><authentication>") + auth + "</authentication><encryption>" + enc +
           "</encryption><useOneX>" + oneX + "</useOneX></authEncryption>";
}
std::string SharedKey(const char* type, const std::string& material) {
    return std::string("<sharedKey><keyType>") + type + "</keyType><protected>false</protected><keyMaterial>" +
           material + "</keyMaterial></sharedKey>";
}
std::string Msm(const std::string& security) { return "<MSM><security>" + security + "</security></MSM>"; }

const std::string kPeap =
    "<OneX xmlns=\"http://www.microsoft.com/networking/OneX/v1\"><EAPConfig>"
    "<EapHostConfig xmlns=\"http://www.microsoft.com/provisioning/EapHostConfig\"><EapMethod>"
    "<Type xmlns=\"http://www.microsoft.com/provisioning/EapCommon\">25</Type>"
    "<VendorId xmlns=\"http://www.microsoft.com/provisioning/EapCommon\">0</VendorId>"
    "<VendorType xmlns=\"http://www.microsoft.com/provisioning/EapCommon\">0</VendorType>"
    "<AuthorId xmlns=\"http://www.microsoft.com/provisioning/EapCommon\">0</AuthorId>"
    "</EapMethod><ConfigBlob></ConfigBlob></EapHostConfig></EAPConfig></OneX>";

const std::string kHex64 = "00112233445566778899aabbccddeeff00112233445566778899AABBCCDDEEFF";

struct DocumentCase {
    const char* what;
    Record record;
    std::string picked;
    std::string name, xml;
    int bssType, secured;
};

TEST(WlanProfileText, DocumentsForEachKindOfNetwork) {
    std::vector<DocumentCase> cases;
    cases.push_back({"open", MakeRecord("Harbor", 1, 0, 1), "", "Harbor",
                     kHead + Names("Harbor") + kEssAuto + Msm(AuthEncryption("open", "none", "false")) + kTail, 1, 0});

    Record wep = MakeRecord("QuayWEP", 1, 1, 0);
    SetWepKey(*wep, 0, {0x11, 0x22, 0x33, 0x44, 0x55}, false);
    SetWepKey(*wep, 2, {0x0A, 0xBC, 0xDE, 0xF0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, true);
    cases.push_back({"shared WEP, transmit key in slot 3", std::move(wep), "", "QuayWEP",
                     kHead + Names("QuayWEP") + kEssAuto +
                         Msm(AuthEncryption("shared", "WEP", "false") +
                             SharedKey("networkKey", "0ABCDEF0010203040506070809") +
                             "<keyIndex>2</keyIndex>") +
                         kTail,
                     1, 1});

    Record psk = MakeRecord("Lantern", 1, 4, 4);
    SetPassphrase(*psk, "harbour <lights>");
    cases.push_back({"WPA-PSK passphrase", std::move(psk), "", "Lantern",
                     kHead + Names("Lantern") + kEssAuto +
                         Msm(AuthEncryption("WPAPSK", "TKIP", "false") +
                             SharedKey("passPhrase", "harbour&#32;&lt;lights&gt;")) +
                         kTail,
                     1, 1});

    Record psk2 = MakeRecord("Lantern5G", 1, 7, 6);
    SetPassphrase(*psk2, kHex64);
    cases.push_back({"WPA2-PSK 64 hex digits", std::move(psk2), "", "Lantern5G",
                     kHead + Names("Lantern5G") + kEssAuto +
                         Msm(AuthEncryption("WPA2PSK", "AES", "false") + SharedKey("networkKey", kHex64)) + kTail,
                     1, 1});

    Record enterprise = MakeRecord("Office", 1, 6, 6);
    enterprise->Use8021X = 1;
    SetPassphrase(*enterprise, "ignored-with-802.1x");
    cases.push_back({"WPA2 with 802.1X", std::move(enterprise), "", "Office",
                     kHead + Names("Office") + kEssAuto + Msm(AuthEncryption("WPA2", "AES", "true") + kPeap) + kTail,
                     1, 1});

    cases.push_back({"SSID with blanks and an ampersand", MakeRecord("Fish & Chips", 1, 0, 1), "", "Fish & Chips",
                     kHead + Names("Fish&#32;&amp;&#32;Chips") + kEssAuto + Msm(AuthEncryption("open", "none", "false")) +
                         kTail,
                     1, 0});

    // No SSID: the picked open network names the profile twice; joined only when asked, so
    // no autoSwitch.
    cases.push_back({"empty SSID", MakeRecord("", 1, 7, 6), "Harbor Open", "Harbor Open",
                     kHead + Names("Harbor&#32;Open") +
                         "<nonBroadcast>true</nonBroadcast></SSIDConfig><connectionType>ESS</connectionType>"
                         "<connectionMode>manual</connectionMode>" +
                         Msm(AuthEncryption("open", "none", "false")) + kTail,
                     1, 0});

    cases.push_back({"ad hoc", MakeRecord("Cabin", 0, 0, 1), "", "Cabin",
                     kHead + Names("Cabin") +
                         "</SSIDConfig><connectionType>IBSS</connectionType><connectionMode>manual</connectionMode>" +
                         Msm(AuthEncryption("open", "none", "false")) + kTail,
                     2, 0});

    // Open with WEP and no transmit key marked: no key entry at all.
    Record noTransmit = MakeRecord("Attic", 2, 0, 0);
    SetWepKey(*noTransmit, 1, {1, 2, 3, 4, 5}, false);
    cases.push_back({"WEP without a transmit key", std::move(noTransmit), "", "Attic",
                     kHead + Names("Attic") + kEssAuto + Msm(AuthEncryption("open", "WEP", "false")) + kTail, 3, 1});

    for (DocumentCase& c : cases) {
        SCOPED_TRACE(c.what);
        c.record->UseBssid = 1;
        const auto doc = Build(*c.record, c.picked);
        ASSERT_TRUE(doc.has_value());
        EXPECT_EQ(doc->name, c.name);
        EXPECT_EQ(doc->xml, c.xml);
        EXPECT_EQ(doc->bssType, c.bssType);
        EXPECT_EQ(doc->secured, c.secured);
        EXPECT_EQ(doc->discoveryFlag, 1);
    }
}

TEST(WlanProfileText, NoDocumentTheServiceWouldRefuse) {
    struct Refused {
        const char* what;
        Record record;
        std::string picked;
    };
    std::vector<Refused> cases;
    cases.push_back({"no SSID and no open network", MakeRecord("", 1, 0, 1), ""});
    cases.push_back({"SSID with a control character", MakeRecord(std::string("Bad\x01Net", 7), 1, 0, 1), ""});
    cases.push_back({"shared without WEP", MakeRecord("Net", 1, 1, 1), ""});
    cases.push_back({"open with TKIP", MakeRecord("Net", 1, 0, 4), ""});
    cases.push_back({"WPA2 without 802.1X", MakeRecord("Net", 1, 6, 6), ""});
    cases.push_back({"WPA-PSK without a cipher", MakeRecord("Net", 1, 4, 1), ""});
    Record oneXOpen = MakeRecord("Net", 1, 0, 1);
    oneXOpen->Use8021X = 1;
    cases.push_back({"802.1X on an open network without encryption", std::move(oneXOpen), ""});
    Record shortKey = MakeRecord("Net", 1, 7, 6);
    SetPassphrase(*shortKey, "seven77");
    cases.push_back({"passphrase of 7 characters", std::move(shortKey), ""});
    Record badHex = MakeRecord("Net", 1, 7, 6);
    SetPassphrase(*badHex, std::string(63, 'a') + "g");
    cases.push_back({"64 characters that are not all hex digits", std::move(badHex), ""});
    Record oddWep = MakeRecord("Net", 1, 1, 0);
    SetWepKey(*oddWep, 0, {1, 2, 3, 4, 5, 6, 7}, true);
    cases.push_back({"WEP key of 7 bytes", std::move(oddWep), ""});
    // A length field beyond the passphrase buffer is never read past it.
    Record longLength = MakeRecord("Net", 1, 7, 6);
    longLength->WpaPassphraseLength = 500;
    cases.push_back({"passphrase length beyond its field", std::move(longLength), ""});
    for (const Refused& c : cases) EXPECT_FALSE(Build(*c.record, c.picked).has_value()) << c.what;
}

TEST(WlanProfileText, PassphraseLengthNotItsTerminatorCounts) {
    // 64 characters fill the field with no terminator: the length field, not strlen, decides.
    Record r = MakeRecord("Net", 1, 7, 6);
    SetPassphrase(*r, kHex64);
    r->ApplyFlag = 0x41414141;  // the bytes after the field are not text
    const auto doc = Build(*r, "");
    ASSERT_TRUE(doc.has_value());
    EXPECT_NE(doc->xml.find("<keyMaterial>" + kHex64 + "</keyMaterial>"), std::string::npos);
    EXPECT_NE(doc->xml.find("<keyType>networkKey</keyType>"), std::string::npos);
}

TEST(WlanProfileText, EscapesInOrder) {
    EXPECT_EQ(wlan_profile::Escape("a&b c<d>e\"f'g"), "a&amp;b&#32;c&lt;d&gt;e&quot;f&apos;g");
    EXPECT_EQ(wlan_profile::Escape("&#32;"), "&amp;#32;");
}

TEST(WlanProfileText, PicksTheStrongestOpenInfrastructureNetwork) {
    using namespace beacon;
    std::vector<uint8_t> list(kBssidListSize, 0);
    BssidListWriter writer(list.data());
    struct Net {
        std::string ssid;
        int rssi;
        uint32_t mode, privacy;
        Bytes ies;
    };
    const Bytes wpa2 = Rsn(Ieee(kCcmp), {Ieee(kCcmp)}, {Ieee(kAkmPsk)});
    const Net nets[] = {
        {"Weak Open", -80, kNdisInfrastructure, 0, Ssid("Weak Open")},
        {"Secured", -30, kNdisInfrastructure, 1, Ssid("Secured") + wpa2},
        {"Cabin", -20, kNdisIbss, 0, Ssid("Cabin")},
        {"", -25, kNdisInfrastructure, 0, Ssid("")},
        {"Strong Open", -40, kNdisInfrastructure, 0, Ssid("Strong Open")},
        {"Also Strong", -40, kNdisInfrastructure, 0, Ssid("Also Strong")},
        {"Tkip No Privacy", -10, kNdisInfrastructure, 0, Ssid("x") + Wpa(Wfa(kTkip), {Wfa(kTkip)}, {Wfa(kAkmPsk)})},
    };
    uint8_t last = 1;
    for (const Net& n : nets) {
        BssidEntryFields f;
        f.mac = Mac(last++);
        f.ssidLength = static_cast<uint32_t>(n.ssid.size());
        std::memcpy(f.ssid.data(), n.ssid.data(), n.ssid.size());
        f.rssi = n.rssi;
        f.privacy = n.privacy;
        f.infrastructureMode = n.mode;
        f.ies = n.ies.data();
        f.ieSize = n.ies.size();
        ASSERT_TRUE(writer.Append(f));
    }
    EXPECT_EQ(wlan_profile::PickOpenNetwork(list.data(), list.size()), "Strong Open");
    EXPECT_EQ(wlan_profile::PickOpenNetwork(nullptr, 0), "");
}

}  // namespace
