// Security, WPS and 802.11n flags from a BSS's information elements.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "station/core/scan/bss_ie_decoder.h"
#include "tests/host/beacon_elements.h"

namespace {

using namespace beacon;

// The flags in one word so that a table row reads at a glance.
std::string Summary(const BssIeFlags& f) {
    std::string s;
    auto add = [&](int on, const char* name) {
        if (on) s += s.empty() ? name : std::string(" ") + name;
    };
    add(f.privacy, "privacy");
    add(f.tkip, "tkip");
    add(f.wrap, "wrap");
    add(f.ccmp, "ccmp");
    add(f.wpa8021x, "wpa");
    add(f.wpaPsk, "wpa-psk");
    add(f.wpaNone, "wpa-none");
    add(f.wpa2_8021x, "wpa2");
    add(f.wpa2Psk, "wpa2-psk");
    add(f.wpa2None, "wpa2-none");
    add(f.ht, "ht");
    add(f.wps, "wps");
    if (!f.wpsDevicePasswordId.empty()) s += " id=" + f.wpsDevicePasswordId;
    return s;
}

BssIeFlags Decode(const Bytes& ies, uint32_t privacy = 0, uint32_t mode = kNdisInfrastructure) {
    // Exactly sized heap copy: a read past the blob trips the address sanitizer.
    std::vector<uint8_t> exact(ies);
    return DecodeInformationElements(exact.data(), exact.size(), privacy, mode);
}

const Bytes kHead = Ssid("Lab") + Rates() + DsParameter(6);

struct Case {
    const char* what;
    Bytes ies;
    uint32_t privacy;
    uint32_t mode;
    const char* expected;
};

TEST(DecodeBssInformationElements, SecurityWpsAndHtTable) {
    const Case cases[] = {
        {"open", kHead, 0, 1, ""},
        {"WEP", kHead, 1, 1, "privacy"},
        {"privacy field other than 1", kHead, 2, 1, ""},
        {"WPA-PSK TKIP", kHead + Wpa(Wfa(kTkip), {Wfa(kTkip)}, {Wfa(kAkmPsk)}), 1, 1, "privacy tkip wpa-psk"},
        {"WPA enterprise", kHead + Wpa(Wfa(kTkip), {Wfa(kTkip)}, {Wfa(kAkm8021x)}), 1, 1, "privacy tkip wpa"},
        {"WPA-None in an IBSS", kHead + Wpa(Wfa(kTkip), {Wfa(kTkip)}, {Wfa(kAkmPsk)}), 1, 0, "privacy tkip wpa-none"},
        {"WPA2-PSK AES", kHead + Rsn(Ieee(kCcmp), {Ieee(kCcmp)}, {Ieee(kAkmPsk)}), 1, 1, "privacy ccmp wpa2-psk"},
        {"WPA2 enterprise", kHead + Rsn(Ieee(kCcmp), {Ieee(kCcmp)}, {Ieee(kAkm8021x)}), 1, 1, "privacy ccmp wpa2"},
        {"WPA2-None in an IBSS", kHead + Rsn(Ieee(kCcmp), {Ieee(kCcmp)}, {Ieee(kAkmPsk)}), 1, 0,
         "privacy ccmp wpa2-none"},
        {"AKM type 0 counts as PSK", kHead + Rsn(Ieee(kCcmp), {Ieee(kCcmp)}, {Ieee(0)}), 1, 1, "privacy ccmp wpa2-psk"},
        {"mixed WPA and WPA2",
         kHead + Rsn(Ieee(kTkip), {Ieee(kCcmp), Ieee(kTkip)}, {Ieee(kAkmPsk)}) +
             Wpa(Wfa(kTkip), {Wfa(kTkip)}, {Wfa(kAkmPsk)}),
         1, 1, "privacy tkip ccmp wpa-psk wpa2-psk"},
        {"WRAP cipher", kHead + Rsn(Ieee(kWrap), {Ieee(kWrap)}, {Ieee(kAkmPsk)}), 1, 1, "privacy wrap wpa2-psk"},
        {"WEP group suite sets no cipher", kHead + Rsn(Ieee(kWep40), {Ieee(kCcmp)}, {Ieee(kAkmPsk)}), 1, 1,
         "privacy ccmp wpa2-psk"},
        {"first AKM of the right organisation decides",
         kHead + Rsn(Ieee(kCcmp), {Ieee(kCcmp)}, {Suite(0x00, 0x11, 0x22, 1), Ieee(kAkmPsk), Ieee(kAkm8021x)}), 1, 1,
         "privacy ccmp wpa2-psk"},
        {"WPS PIN", kHead + Wps(DevicePasswordId(0x0000)), 0, 1, "wps id=0x0000"},
        {"WPS push button", kHead + Wps(DevicePasswordId(0x0004)), 0, 1, "wps id=0x0004"},
        {"WPS without a password id", kHead + Wps(WpsAttribute(0x1041, {0x01})), 0, 1, "wps"},
        {"WPS id after other attributes",
         kHead + Wps(WpsAttribute(0x1041, {0x01}) + DevicePasswordId(0xABCD) + WpsAttribute(0x103B, {0x03})), 0, 1,
         "wps id=0xABCD"},
        {"HT 20 MHz", kHead + HtCapabilities() + HtOperation(6, 0), 0, 1, "ht"},
        {"HT 40 MHz", kHead + HtCapabilities() + HtOperation(36, 1), 0, 1, "ht"},
        {"vendor HT capability", kHead + VendorHt(), 0, 1, "ht"},
        {"HT capabilities alone", kHead + HtCapabilities(), 0, 1, ""},
        {"HT operation too short", kHead + Element(61, Bytes(21, 0)), 0, 1, ""},
        {"vendor HT of the wrong length", kHead + Element(221, Bytes{0x00, 0x90, 0x4C, 0x33} + Bytes(20, 0)), 0, 1,
         ""},
        {"hidden SSID (first element empty) still decodes",
         Ssid("") + Rsn(Ieee(kCcmp), {Ieee(kCcmp)}, {Ieee(kAkmPsk)}), 1, 1, "privacy ccmp wpa2-psk"},
    };
    for (const Case& c : cases) EXPECT_EQ(Summary(Decode(c.ies, c.privacy, c.mode)), c.expected) << c.what;
}

// Suites of another organisation, and elements and counts that claim more than is there.
TEST(DecodeBssInformationElements, ForeignAndTruncatedData) {
    const Bytes rsn = Rsn(Ieee(kCcmp), {Ieee(kCcmp)}, {Ieee(kAkmPsk)});
    const Bytes wpaForeignGroup = Wpa(Suite(0x00, 0x11, 0x22, kTkip), {Wfa(kTkip)}, {Wfa(kAkmPsk)});
    Bytes rsnCut = rsn;
    rsnCut.resize(rsnCut.size() - 3);  // the element's length byte now claims 3 bytes more than the blob
    Bytes wpaCountTooBig = Element(221, Bytes{0x00, 0x50, 0xF2, 0x01} + Le16(1) + Wfa(kTkip) + Le16(200) +
                                            Wfa(kCcmp) + Wfa(kCcmp));
    Bytes wpsLongAttribute = Element(221, Bytes{0x00, 0x50, 0xF2, 0x04} + Be16(0x104A) + Be16(300) + Bytes{0x10} +
                                              DevicePasswordId(4));
    Bytes wpsIdCut = Element(221, Bytes{0x00, 0x50, 0xF2, 0x04} + WpsAttribute(0x104A, {0x10}) + Be16(0x1012) +
                                      Be16(2) + Bytes{0x00});
    Bytes wpsIdShort = Element(221, Bytes{0x00, 0x50, 0xF2, 0x04} + WpsAttribute(0x1012, {0x07}) + Bytes{0, 0});

    const Case cases[] = {
        {"WPA group of a foreign organisation ends the walk", kHead + wpaForeignGroup + rsn + VendorHt(), 1, 1,
         "privacy"},
        {"RSN group of a foreign organisation ends the walk",
         kHead + Rsn(Suite(0x00, 0x50, 0xF2, kCcmp), {Ieee(kCcmp)}, {Ieee(kAkmPsk)}) + VendorHt(), 1, 1, "privacy"},
        {"foreign pairwise suite ends only the suite loop",
         kHead + Rsn(Ieee(kTkip), {Suite(0x00, 0x11, 0x22, kCcmp), Ieee(kCcmp)}, {Ieee(kAkmPsk)}) + VendorHt(), 1,
         1, "privacy tkip wpa2-psk ht"},
        {"element longer than the blob", kHead + rsnCut, 1, 1, "privacy"},
        {"pairwise count beyond the element", kHead + wpaCountTooBig + VendorHt(), 1, 1, "privacy tkip ccmp ht"},
        {"RSN with a group suite and nothing else", kHead + Element(48, Le16(1) + Ieee(kCcmp) + Le16(0) + Le16(0) + Bytes{0, 0}),
         1, 1, "privacy ccmp"},
        {"WPS attribute longer than its element", kHead + wpsLongAttribute, 0, 1, "wps"},
        {"WPS password id cut by the element end", kHead + wpsIdCut, 0, 1, "wps"},
        {"WPS password id with a one-byte value", kHead + wpsIdShort, 0, 1, "wps"},
        {"a zero-length element ends the walk", kHead + Element(7, {}) + rsn, 1, 1, "privacy"},
        {"a lone trailing byte", kHead + rsn + Bytes{48}, 1, 1, "privacy ccmp wpa2-psk"},
        {"a trailing element header without body", kHead + rsn + Bytes{61, 22}, 1, 1, "privacy ccmp wpa2-psk"},
        {"blob below 4 bytes", Bytes{48, 1, 0}, 1, 1, "privacy"},
        {"empty blob", Bytes{}, 0, 1, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Summary(Decode(c.ies, c.privacy, c.mode)), c.expected) << c.what;
}

// Every prefix of a rich beacon decodes without reading past its end.
TEST(DecodeBssInformationElements, EveryPrefixStaysInside) {
    const Bytes full = kHead + HtCapabilities() + Rsn(Ieee(kCcmp), {Ieee(kCcmp), Ieee(kTkip)}, {Ieee(kAkmPsk)}) +
                       HtOperation(6, 1) + Wpa(Wfa(kTkip), {Wfa(kTkip)}, {Wfa(kAkmPsk)}) +
                       Wps(DevicePasswordId(4)) + VendorHt();
    for (size_t n = 0; n <= full.size(); ++n) Decode(Bytes(full.begin(), full.begin() + static_cast<long>(n)), 1, 1);
    EXPECT_EQ(Summary(Decode(full, 1, 1)), "privacy tkip ccmp wpa-psk wpa2-psk ht wps id=0x0004");
}

// Through a list entry: the IE length field is bounded by the entry's own Length.
TEST(DecodeBssInformationElements, EntryBoundsTheElements) {
    const Bytes ies = kHead + Rsn(Ieee(kCcmp), {Ieee(kCcmp)}, {Ieee(kAkmPsk)});
    std::vector<uint8_t> list(4 + bssid_entry::kFixedSize + ies.size());
    BssidListWriter writer(list.data(), list.size());
    BssidEntryFields f;
    f.privacy = 1;
    f.infrastructureMode = kNdisInfrastructure;
    f.ies = ies.data();
    f.ieSize = ies.size();
    ASSERT_TRUE(writer.Append(f));
    EXPECT_EQ(Summary(DecodeBssInformationElements(ReadBssidList(list.data(), list.size()).at(0))),
              "privacy ccmp wpa2-psk");

    WriteU32(list.data() + 4 + bssid_entry::kIeLength, 60000);  // claims far more than the entry holds
    const auto entries = ReadBssidList(list.data(), list.size());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].IeSize(), ies.size());
    EXPECT_EQ(Summary(DecodeBssInformationElements(entries[0])), "privacy ccmp wpa2-psk");
}

}  // namespace
