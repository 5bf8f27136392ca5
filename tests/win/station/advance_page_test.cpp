// The Advanced page in a sheet of its own: what it loads from the driver key, what Apply
// writes there and sends to the driver in which order for a table of settings, the refusals,
// the CCX checks, the mode and HT choices, the radio switch, a region change on a link and the
// rescans Apply asks of the main sheet.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "framework/resources.h"
#include "page_fixture.h"
#include "resources/station/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "station/core/action_data.h"
#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/core/registry/radio_defaults.h"
#include "station/core/station_globals.h"
#include "station/pages/advance_page.h"
#include "station/pages/advanced_settings.h"
#include "station/pages/site_surv_page.h"
#include "wlan_test_util.h"

namespace {

using platform::sim::Bytes;

std::string Adapter(int chip, const std::string& values) {
    const char* id = chip == 8 ? "USB\\VID_F0E1&PID_8101" : "USB\\VID_F0E1&PID_5101";
    return std::string("[adapter]\nhardware_id = ") + id +
           "\n"
           "description = Norvane ZQ-4402 Wireless LAN Card\n"
           "instance_id = {6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}\n"
           "driver      = {4d36e972-e325-11ce-bfc1-08002be10318}\\0007\n"
           "mac         = 02-E1-F0-51-01-07\n"
           "supports_5ghz = yes\n"
           // The radio block with TX burst 1, protection 1 and the list position of mode 0.
           "oid 0x0D710111 = 01 00 00 00 00 00 00 00 01 00 00 00 00 00 00 00 "
           "01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
           "oid 0x0D010102 = 0B 00 00 00 48 61 72 62 6F 72 20 4F 70 65 6E "
           "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
           "oid 0xFF0C0028 = 09 02 01 01 01 21 00 00 00 00 00 00\n"
           "oid 0xFF0C0003 = 05 07 00 00\n" +
           values;
}

// Values of the system's TCP parameters as they were, put back afterwards.
class TcpParametersKept {
public:
    TcpParametersKept() {
        for (const char* name : kNames) saved_.push_back(testutil::ReadValue(HKEY_LOCAL_MACHINE, kTcpipParametersKey, name));
    }
    ~TcpParametersKept() {
        for (size_t i = 0; i < saved_.size(); ++i) {
            if (saved_[i].present)
                testutil::SetValue(HKEY_LOCAL_MACHINE, kTcpipParametersKey, kNames[i], saved_[i].type,
                                   saved_[i].data.data(), static_cast<DWORD>(saved_[i].data.size()));
            else
                testutil::DeleteValue(kTcpipParametersKey, kNames[i]);
        }
    }
    static constexpr const char* kNames[] = {"TCPWindowSize", "SackOpts", "TcpMaxDupAcks", "Tcp1323Opts"};

private:
    std::vector<testutil::RegValue> saved_;
};

// The globals the page reads and writes, restored after every test.
struct StationGlobalsKept {
    int wirelessMode = g_WirelessMode, valid24 = g_Region24Valid, valid5 = g_Region5Valid, radioOn = g_RadioOn,
        admin = g_IsAdmin, bit8 = g_EepromBit8Clear, bit9 = g_EepromBit9Clear;
    uint32_t region = g_RegionWord, ht = g_HtSettingsWord;
    ~StationGlobalsKept() {
        g_WirelessMode = wirelessMode;
        g_Region24Valid = valid24;
        g_Region5Valid = valid5;
        g_RadioOn = radioOn;
        g_IsAdmin = admin;
        g_EepromBit8Clear = bit8;
        g_EepromBit9Clear = bit9;
        g_RegionWord = region;
        g_HtSettingsWord = ht;
        FreeCurrentAction();
    }
};

class AdvancePageTest : public PageInSheetTest<CAdvancePage> {
protected:
    void Start(const std::string& values, int chip = 5, int eepromAllows40MHz = 1) {
        Load(Adapter(chip, values));
        testutil::BindAdapter(world, chip);
        g_Supports5GHz = 1;
        g_RegionWord = 0x0705;
        g_Region24Valid = 1;
        g_Region5Valid = 1;
        g_EepromBit8Clear = eepromAllows40MHz;
        g_EepromBit9Clear = eepromAllows40MHz;
        g_RadioOn = 1;
        g_IsAdmin = 1;
        world.SetMessageBoxAnswerer([](const platform::sim::MessageBoxCall&) { return IDOK; });
        Open();
    }
    std::string Value(const char* name) const { return testutil::ReadText(world.DriverKeyPath(0), name); }
    DWORD Dword(const char* name) const {
        testutil::RegValue v = testutil::ReadValue(HKEY_LOCAL_MACHINE, world.DriverKeyPath(0), name);
        DWORD d = 0;
        if (v.present && v.data.size() == 4) std::memcpy(&d, v.data.data(), 4);
        return d;
    }
    int Selection(int id) const { return static_cast<int>(SendMessageA(page->GetDlgItem(id), CB_GETCURSEL, 0, 0)); }
    std::string SelectedText(int id) const {
        char text[256] = {};
        const int sel = Selection(id);
        if (sel >= 0) SendMessageA(page->GetDlgItem(id), CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(text));
        return text;
    }
    int Count(int id) const { return static_cast<int>(SendMessageA(page->GetDlgItem(id), CB_GETCOUNT, 0, 0)); }
    // As the user picks an item: the selection, then the notification.
    void Pick(int id, int index) {
        SendMessageA(page->GetDlgItem(id), CB_SETCURSEL, index, 0);
        page->SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(page->GetDlgItem(id)));
    }
    void Check(int id, bool on) {
        page->CheckDlgButton(id, on ? BST_CHECKED : BST_UNCHECKED);
        Click(id);
    }
    void Radio(int on, int off) {
        page->CheckDlgButton(off, BST_UNCHECKED);
        page->CheckDlgButton(on, BST_CHECKED);
        Click(on);
    }
    std::vector<DWORD> OidOrder() const {
        std::vector<DWORD> out;
        for (const auto& e : world.Journal()) out.push_back(e.oid);
        return out;
    }
    Bytes LastSent(DWORD oid) const {
        Bytes last;
        for (const auto& e : world.Journal())
            if (e.oid == oid) last = e.in;
        return last;
    }
    Bytes Answer(DWORD oid) const {
        Bytes last;
        for (const auto& e : world.Journal())
            if (e.oid == oid && e.result) last = e.out;
        return last;
    }
    size_t Boxes() const { return world.MessageBoxCalls().size(); }

    TcpParametersKept tcp;
    StationGlobalsKept globals;
};

TEST_F(AdvancePageTest, LoadsTheDriverKeyIntoTheControls) {
    testutil::SetValue(HKEY_LOCAL_MACHINE, kTcpipParametersKey, "TCPWindowSize", REG_DWORD, "\0\0\1\0", 4);
    Start("value WirelessMode = 1\nvalue TXBurst = 1\nvalue BGProtection = 2\nvalue CountryRegion = 5\n"
          "value CountryRegionABand = 7\nvalue TransRate = 3\ndword CCX2Control = 0x012C4B21\n");
    EXPECT_EQ(SelectedText(IDC_ADV_MODE), "802.11 B only");
    EXPECT_EQ(g_WirelessMode, 1);
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_ADV_TX_BURST), BST_CHECKED);
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_ADV_TCP_WINDOW), BST_CHECKED);
    EXPECT_EQ(SelectedText(IDC_ADV_PROTECTION), "Off");
    EXPECT_EQ(SelectedText(IDC_ADV_REGION24), "5: CH1-14");
    EXPECT_EQ(Selection(IDC_ADV_REGION5), -1);  // chip 5 has no 5 GHz list
    EXPECT_EQ(Count(IDC_ADV_TX_RATE), 5);
    EXPECT_EQ(SelectedText(IDC_ADV_TX_RATE), "5.5 Mbps");
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_ADV_CCX), BST_CHECKED);
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_ADV_CCKM), BST_UNCHECKED);
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_ADV_FAST_ROAMING), BST_CHECKED);
    EXPECT_EQ(Text(IDC_ADV_LIMIT), "300");
    EXPECT_EQ(Text(IDC_ADV_THRESHOLD), "-75");
    EXPECT_FALSE(Visible(IDC_ADV_HT_GROUP));
    EXPECT_FALSE(Visible(IDC_ADV_QOS));
    EXPECT_EQ(Text(IDC_ADV_RADIO), "Turn off RF ");
    EXPECT_EQ(Text(IDC_ADV_TX_BURST), "Enable TX Burst");
    EXPECT_EQ(Text(IDC_ADV_APPLY), "Apply");

    // The mode went to the driver, and the radio block got the mode's list position (0).
    EXPECT_EQ(LastSent(0xFF8C0002), testutil::U32(1));
    const Bytes block = LastSent(0x0DF10111);
    ASSERT_EQ(block.size(), 32u);
    EXPECT_EQ(block[0], 1);   // TX burst kept
    EXPECT_EQ(block[16], 0);  // B only is list position 0
}

TEST_F(AdvancePageTest, MissingOrStrangeValuesShowDefaultsAndAreKept) {
    Start("value BGProtection = 7\nvalue TransRate = -3\nvalue CountryRegion = 148\ndword CCX2Control = 0x0FA05B3F\n");
    EXPECT_EQ(SelectedText(IDC_ADV_PROTECTION), "Auto");
    EXPECT_EQ(Selection(IDC_ADV_TX_RATE), 0);
    EXPECT_EQ(Text(IDC_ADV_LIMIT), "250");      // 4000 is out of range
    EXPECT_EQ(Text(IDC_ADV_THRESHOLD), "-70");  // -91 too
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_ADV_QOS), BST_CHECKED);
    // Region 20 is in no list: nothing is selected, and Apply keeps it rather than writing -1.
    EXPECT_EQ(Selection(IDC_ADV_REGION24), -1);
    Click(IDC_ADV_APPLY);
    EXPECT_EQ(Value("CountryRegion"), "20");
    EXPECT_EQ(Value("BGProtection"), "0");
    EXPECT_EQ(LastSent(0xFF8C0003), testutil::U32(0x0714));
}

TEST_F(AdvancePageTest, ApplyWritesTheDriverKeyAndSendsInOrder) {
    struct Case {
        const char* name;
        int chip;
        const char* values;
        std::vector<std::pair<const char*, const char*>> written;  // REG_SZ values
        DWORD ccx2Control;
        DWORD transmitSetting;  // 0: not written
        Bytes rates;            // sent as 0xFF81031A (count then rates) or 0x0D810210
        DWORD ratesOid;
        bool blockChanges = true;  // the radio block differs from the driver's
    };
    const Case cases[] = {
        {"B/G mix", 5,
         "value WirelessMode = 0\nvalue TransRate = 7\nvalue BGProtection = 1\nvalue TXBurst = 1\n"
         "value CountryRegion = 3\nvalue CountryRegionABand = 6\n",
         {{"WirelessMode", "0"}, {"TXBurst", "1"}, {"BGProtection", "1"}, {"CountryRegion", "3"},
          {"CountryRegionABand", "6"}, {"AdhocOfdm", "1"}, {"TransRate", "7"}},
         0x00FA4600, 0, {12, 0, 0, 0, 0x82, 0x84, 0x8B, 0x96, 0x12, 0x24, 0x48, 0x6C, 0x8C, 0x98, 0xB0, 0x60},
         0xFF81031A, false},
        // B only cannot keep rate 7 or protection.
        {"B only with rate 7", 5, "value WirelessMode = 1\nvalue TransRate = 7\nvalue BGProtection = 1\n",
         {{"WirelessMode", "1"}, {"BGProtection", "0"}, {"AdhocOfdm", "0"}, {"TransRate", "0"}},
         0x00FA4600, 0, {4, 0, 0, 0, 0x82, 0x84, 0x8B, 0x96}, 0xFF81031A},
        {"A only with rate 9", 5, "value WirelessMode = 2\nvalue TransRate = 9\nvalue BGProtection = 2\n",
         {{"WirelessMode", "2"}, {"BGProtection", "0"}, {"AdhocOfdm", "3"}, {"TransRate", "0"}},
         0x00FA4600, 0, {8, 0, 0, 0, 0x8C, 0x12, 0x98, 0x24, 0xB0, 0x48, 0x60, 0x6C}, 0xFF81031A},
        // An 802.11n mode the list does not offer is kept; its rates go as desired rates.
        {"B/G/N with MCS auto", 8, "value WirelessMode = 9\ndword TransmitSetting = 0x0000BA10\n",
         {{"WirelessMode", "9"}, {"AdhocOfdm", "9"}}, 0x00FA4600, 0x0000BA19, {108, 96, 72, 48, 22, 11, 4, 2},
         0x0D810210},
        {"B/G/N with MCS 7 greenfield above", 8, "value WirelessMode = 9\ndword TransmitSetting = 0x00039079\n",
         {{"WirelessMode", "9"}}, 0x00FA4600, 0x00039079, {108, 0, 0, 0, 0, 0, 0, 0}, 0x0D810210},
        {"CCX with roaming", 5, "value WirelessMode = 0\ndword CCX2Control = 0x012C4B21\n", {{"WirelessMode", "0"}},
         0x012C4B21, 0, {12}, 0xFF81031A},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start(c.values, c.chip);
        world.ClearJournal();
        Click(IDC_ADV_APPLY);
        EXPECT_EQ(Boxes(), 0u);
        for (const auto& [name, text] : c.written) EXPECT_EQ(Value(name), text) << name;
        EXPECT_EQ(std::to_string(Selection(IDC_ADV_TX_RATE)), Value("TransRate"));  // shown as stored
        EXPECT_EQ(Dword("CCX2Control"), c.ccx2Control);
        if (c.transmitSetting) {
            EXPECT_EQ(Dword("TransmitSetting"), c.transmitSetting);
            EXPECT_EQ(g_HtSettingsWord, c.transmitSetting);
        } else {
            EXPECT_EQ(Value("TransmitSetting"), "<missing>");
        }

        std::vector<DWORD> order = {0xFF0C0002, 0x0D010102, 0x0D810115, 0xFF8C0002, 0x0D810102};
        if (c.transmitSetting) order.insert(order.end(), {0xFF0C0028, 0xFF8C0028});
        order.insert(order.end(), {0x0DF1011E, 0x0D710111});
        if (c.blockChanges) order.push_back(0x0DF10111);
        order.insert(order.end(), {0xFF8C0003, 0xFF0C0003, 0xFF0C0003, c.ratesOid, 0x0DF1011E});
        EXPECT_EQ(OidOrder(), order);

        const Bytes rates = LastSent(c.ratesOid);
        ASSERT_GE(rates.size(), c.rates.size());
        EXPECT_TRUE(std::equal(c.rates.begin(), c.rates.end(), rates.begin()));
        EXPECT_EQ(LastSent(0x0D810102), Answer(0x0D010102));  // the same network again
        EXPECT_EQ(LastSent(0xFF8C0003), testutil::U32(Value("CountryRegionABand") == "6" ? 0x0603 : 0x0705));
        if (c.transmitSetting) {
            const HtPhySettings ht = UnpackTransmitSetting(c.transmitSetting);
            // The 802.11n record keeps its layout: extension channel at byte 6, HT mode at 7.
            const Bytes record = {9, 2, static_cast<uint8_t>(ht.bw), static_cast<uint8_t>(ht.gi),
                                  static_cast<uint8_t>(ht.stbc), static_cast<uint8_t>(ht.mcs),
                                  static_cast<uint8_t>(ht.extension), static_cast<uint8_t>(ht.htMode),
                                  0, 0, 0, 0};
            EXPECT_EQ(LastSent(0xFF8C0028), record);
        }
        Close();
    }
}

TEST_F(AdvancePageTest, TcpWindowBoxWritesOrRemovesTheFourValues) {
    Start("value WirelessMode = 0\n");
    Check(IDC_ADV_TCP_WINDOW, true);
    Click(IDC_ADV_APPLY);
    const std::pair<const char*, DWORD> values[] = {
        {"TCPWindowSize", 65536}, {"SackOpts", 1}, {"TcpMaxDupAcks", 2}, {"Tcp1323Opts", 1}};
    for (const auto& [name, want] : values) {
        testutil::RegValue v = testutil::ReadValue(HKEY_LOCAL_MACHINE, kTcpipParametersKey, name);
        ASSERT_TRUE(v.present) << name;
        EXPECT_EQ(v.type, static_cast<DWORD>(REG_DWORD));
        DWORD d = 0;
        std::memcpy(&d, v.data.data(), 4);
        EXPECT_EQ(d, want) << name;
    }
    Check(IDC_ADV_TCP_WINDOW, false);
    Click(IDC_ADV_APPLY);
    for (const auto& [name, want] : values)
        EXPECT_FALSE(testutil::ReadValue(HKEY_LOCAL_MACHINE, kTcpipParametersKey, name).present) << name;
}

// Greenfield with short GI and STBC together is refused with a message; a limit or a
// threshold out of range stops Apply silently, the field taking the focus. Nothing is written
// or sent.
TEST_F(AdvancePageTest, RefusedSettingsSendNothing) {
    const struct {
        const char* name;
        std::function<void()> set;
        const char* message;  // nullptr: no message box
        int focus;            // 0: wherever it was
    } cases[] = {
        {"GF with short GI and STBC",
         [this] {
             Radio(IDC_ADV_HT_GF, IDC_ADV_HT_MM);
             Radio(IDC_ADV_GI_AUTO, IDC_ADV_GI_LONG);
             Radio(IDC_ADV_STBC_AUTO, IDC_ADV_STBC_NONE);
         },
         "GF, Short GI, and STBC used don't setup together", 0},
        // The fields take text only while their checks are on.
        {"limit above 2000", [this] { Check(IDC_ADV_CCX, true), SetText(IDC_ADV_LIMIT, "2001"); }, nullptr,
         IDC_ADV_LIMIT},
        {"limit not a number", [this] { Check(IDC_ADV_CCX, true), SetText(IDC_ADV_LIMIT, "25o"); }, nullptr,
         IDC_ADV_LIMIT},
        {"threshold below -90", [this] { Check(IDC_ADV_FAST_ROAMING, true), SetText(IDC_ADV_THRESHOLD, "-91"); },
         nullptr, IDC_ADV_THRESHOLD},
        {"threshold above -60", [this] { Check(IDC_ADV_FAST_ROAMING, true), SetText(IDC_ADV_THRESHOLD, "-59"); },
         nullptr, IDC_ADV_THRESHOLD},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start("value WirelessMode = 9\nvalue TXBurst = 0\n", 8);
        world.ClearJournal();
        c.set();
        Check(IDC_ADV_TX_BURST, true);
        const size_t boxes = Boxes();
        Click(IDC_ADV_APPLY);
        if (c.message) {
            ASSERT_EQ(Boxes(), boxes + 1);
            EXPECT_EQ(world.MessageBoxCalls().back().text, c.message);
        } else {
            EXPECT_EQ(Boxes(), boxes);
        }
        if (c.focus) {
            EXPECT_EQ(GetFocus(), page->GetDlgItem(c.focus));
        }
        EXPECT_TRUE(world.Journal().empty());
        EXPECT_EQ(Value("TXBurst"), "0");
        EXPECT_EQ(Value("CCX2Control"), "<missing>");
        Close();
    }
}

TEST_F(AdvancePageTest, CcxChecksClearAndEnableEachOther) {
    Start("value WirelessMode = 0\n");
    EXPECT_FALSE(Enabled(IDC_ADV_CCKM));
    EXPECT_FALSE(Enabled(IDC_ADV_LIMIT));
    EXPECT_FALSE(Enabled(IDC_ADV_THRESHOLD));

    Check(IDC_ADV_CCX, true);
    for (int id : {IDC_ADV_CCKM, IDC_ADV_RADIO_MEASURE, IDC_ADV_NON_SERVING, IDC_ADV_QOS})
        EXPECT_EQ(page->IsDlgButtonChecked(id), BST_CHECKED) << id;
    EXPECT_TRUE(Enabled(IDC_ADV_CCKM));
    EXPECT_TRUE(Enabled(IDC_ADV_NON_SERVING));
    EXPECT_TRUE(Enabled(IDC_ADV_LIMIT));
    EXPECT_TRUE(Enabled(IDC_ADV_LIMIT_UNITS));

    SetText(IDC_ADV_LIMIT, "900");
    Check(IDC_ADV_RADIO_MEASURE, false);
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_ADV_NON_SERVING), BST_UNCHECKED);
    EXPECT_FALSE(Enabled(IDC_ADV_NON_SERVING));
    EXPECT_FALSE(Enabled(IDC_ADV_LIMIT));
    EXPECT_EQ(Text(IDC_ADV_LIMIT), "250");

    Check(IDC_ADV_FAST_ROAMING, true);
    EXPECT_TRUE(Enabled(IDC_ADV_THRESHOLD));
    SetText(IDC_ADV_THRESHOLD, "-80");
    Check(IDC_ADV_FAST_ROAMING, false);
    EXPECT_EQ(Text(IDC_ADV_THRESHOLD), "-70");
    EXPECT_FALSE(Enabled(IDC_ADV_DBM));

    Check(IDC_ADV_CCX, false);
    for (int id : {IDC_ADV_CCKM, IDC_ADV_RADIO_MEASURE, IDC_ADV_NON_SERVING, IDC_ADV_QOS})
        EXPECT_EQ(page->IsDlgButtonChecked(id), BST_UNCHECKED) << id;
    EXPECT_FALSE(Enabled(IDC_ADV_CCKM));
}

TEST_F(AdvancePageTest, ModeChangeRefillsTheRatesAndShowsTheBands) {
    Start("value WirelessMode = 0\nvalue TransRate = 7\n", 8);
    EXPECT_EQ(Count(IDC_ADV_MODE), 4);
    EXPECT_EQ(Count(IDC_ADV_TX_RATE), 13);
    EXPECT_EQ(Boxes(), 0u);  // loading changes the mode silently

    Pick(IDC_ADV_MODE, 1);  // B only
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_EQ(world.MessageBoxCalls()[0].text, "Automatically set channel according to wireless mode.");
    EXPECT_EQ(Count(IDC_ADV_TX_RATE), 5);
    EXPECT_EQ(Selection(IDC_ADV_TX_RATE), 0);  // 7 is not among B's rates

    Pick(IDC_ADV_TX_RATE, 4);
    Pick(IDC_ADV_MODE, 2);  // A only
    EXPECT_EQ(Count(IDC_ADV_TX_RATE), 9);
    EXPECT_EQ(SelectedText(IDC_ADV_TX_RATE), "18 Mbps");  // index 4 kept
    EXPECT_FALSE(Visible(IDC_ADV_REGION24));
    EXPECT_TRUE(Visible(IDC_ADV_REGION5));
    EXPECT_EQ(Count(IDC_ADV_REGION5), 9);
    EXPECT_FALSE(Visible(IDC_ADV_HT_GROUP));

    Pick(IDC_ADV_MODE, 0);
    EXPECT_TRUE(Visible(IDC_ADV_REGION24));
}

TEST_F(AdvancePageTest, HtGroupOffersFortyMegahertzOnlyOnWideRegions) {
    Start("value WirelessMode = 9\nvalue CountryRegion = 0\ndword TransmitSetting = 0x0000B879\n", 8);
    ASSERT_TRUE(Visible(IDC_ADV_HT_GROUP));
    EXPECT_EQ(SelectedText(IDC_ADV_MCS), "7");
    EXPECT_TRUE(Enabled(IDC_ADV_BW_AUTO));
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_ADV_BW_AUTO), BST_CHECKED);

    Pick(IDC_ADV_REGION24, 2);  // CH10-11
    EXPECT_FALSE(Enabled(IDC_ADV_BW_AUTO));
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_ADV_BW_20), BST_CHECKED);
    Pick(IDC_ADV_REGION24, 7);  // CH5-13
    EXPECT_TRUE(Enabled(IDC_ADV_BW_AUTO));

    // Without the EEPROM's leave no 40 MHz in this mode, whatever was stored, and none reaches
    // the driver while loading either, also when nothing was stored.
    for (const char* stored : {"dword TransmitSetting = 0x0000B879\n", ""}) {
        SCOPED_TRACE(*stored ? "stored" : "not stored");
        Start(std::string("value WirelessMode = 9\nvalue CountryRegion = 0\n") + stored, 8, 0);
        EXPECT_EQ(page->IsDlgButtonChecked(IDC_ADV_BW_20), BST_CHECKED);
        EXPECT_FALSE(Enabled(IDC_ADV_BW_AUTO));
        const Bytes record = LastSent(0xFF8C0028);
        ASSERT_EQ(record.size(), 12u);
        EXPECT_EQ(record[2], 0) << "bandwidth";
    }
}

TEST_F(AdvancePageTest, TransmitRateTextFollowsWidthGuardIntervalAndMcs) {
    Start("value WirelessMode = 9\nvalue CountryRegion = 0\ndword TransmitSetting = 0x0000A079\n", 8);
    const struct {
        int bw, gi;  // control to check
        int mcs;     // list position
        const char* text;
    } cases[] = {
        {IDC_ADV_BW_20, IDC_ADV_GI_LONG, 8, "Tx Rate: 65.00 Mbps"},
        {IDC_ADV_BW_20, IDC_ADV_GI_AUTO, 8, "Tx Rate: 72.20 Mbps"},
        {IDC_ADV_BW_20, IDC_ADV_GI_LONG, 0, "Tx Rate: Not Available"},
        {IDC_ADV_BW_20, IDC_ADV_GI_LONG, 17, "Tx Rate: Not Available"},  // MCS 32 needs 40 MHz
        {IDC_ADV_BW_AUTO, IDC_ADV_GI_LONG, 4, "Tx Rate: 121.50 Mbps \n BW:      20      MHz"},
        {IDC_ADV_BW_AUTO, IDC_ADV_GI_LONG, 12, "Tx Rate: 162.00 Mbps \n BW:      40      MHz"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Radio(c.bw, c.bw == IDC_ADV_BW_20 ? IDC_ADV_BW_AUTO : IDC_ADV_BW_20);
        Radio(c.gi, c.gi == IDC_ADV_GI_LONG ? IDC_ADV_GI_AUTO : IDC_ADV_GI_LONG);
        Pick(IDC_ADV_MCS, c.mcs);
        EXPECT_EQ(Text(IDC_ADV_TX_RATE_TEXT), c.text);
    }
}

TEST_F(AdvancePageTest, StringTableHoldsTheModeTexts) {
    Start("");
    for (int mode : {0, 1, 2, 3, 4, 5, 9}) {
        const UINT ids[] = {IDS_MODE_11BG_MIX, IDS_MODE_11B_ONLY, IDS_MODE_11A_ONLY, IDS_MODE_11ABG_MIX,
                            IDS_MODE_11G_ONLY, IDS_MODE_11ABGN_MIX, 0, 0, 0, IDS_MODE_11BGN_MIX};
        EXPECT_EQ(fw::LoadStr(ids[mode]), WirelessModeText(mode)) << mode;
    }
}

TEST_F(AdvancePageTest, LayoutKeepsEveryTextWhole) {
    Start("value WirelessMode = 9\ndword TransmitSetting = 0x0000B879\n", 8);
    ASSERT_TRUE(Visible(IDC_ADV_HT_GROUP));
    testutil::ExpectTidyLayout(page->m_hWnd);
    testutil::ShowForScreenshot();
    ShowWindow(page->GetDlgItem(IDC_ADV_QOS), SW_SHOW);  // for the day it is shown
    testutil::ExpectTidyLayout(page->m_hWnd);
}

// With the main window's sheet open, Apply asks its Site Survey page for a scan twice: sent
// while the settings go to the driver, and posted once all of them are there.
class AdvancePageBesideMainSheetTest : public MainWindowFixture {
protected:
    size_t Scans() const {
        size_t n = 0;
        for (const auto& c : world.WlanCalls()) n += c.name == "WlanScan";
        return n;
    }
};

TEST_F(AdvancePageBesideMainSheetTest, ApplyAsksTheSiteSurveyPageToRescan) {
    std::string text = testutil::Scenario("default.scn");
    const std::string radio = "radio  = on\n";
    const size_t at = text.find(radio);
    ASSERT_NE(at, std::string::npos);
    text.insert(at + radio.size(), "scan_delay = 0\n");
    Load(text);
    world.SetMessageBoxAnswerer([](const platform::sim::MessageBoxCall&) { return IDOK; });
    StationGlobalsKept globals;
    Run([&] {
        ASSERT_TRUE(dialog.IsSheetOpen());
        CSiteSurvPage* site = dialog.m_pSheet->SiteSurveyPage();
        ASSERT_TRUE(site->IsWindow());
        PumpUntil([&] { return g_ScanPending == 0 && !site->Rows().empty(); });
        fw::PumpPending();
        // Timer 3's one rescan, 4 s after start, would count among the page's on a slow run.
        KillTimer(dialog.m_hWnd, 3);

        fw::CPropertySheet sheet("Test sheet");
        CAdvancePage page;
        sheet.AddPage(&page);
        ASSERT_TRUE(sheet.Create());
        fw::PumpMessages(20);
        ASSERT_TRUE(page.IsWindow());
        world.ClearWlanCalls();
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ADV_APPLY, BN_CLICKED),
                         reinterpret_cast<LPARAM>(page.GetDlgItem(IDC_ADV_APPLY)));
        EXPECT_EQ(Scans(), 1u) << "the one sent during Apply";
        EXPECT_TRUE(site->RescanPending());
        fw::PumpPending();
        EXPECT_EQ(Scans(), 2u) << "and the one posted after it";
        sheet.DestroyWindow();
        fw::PumpMessages(20);
    });
}

// The radio switch and a region change need the main window's Native Wifi binding.
class AdvancePageOnLinkTest : public AdvancePageTest {
protected:
    void Bind() {
        g_pHideDlg = &hide;
        ASSERT_EQ(hide.m_WlanManager.Setup("Norvane ZQ-4402 Wireless LAN Card", target.hwnd(), 0),
                  static_cast<DWORD>(ERROR_SUCCESS));
    }
    void TearDown() override {
        AdvancePageTest::TearDown();
        g_pHideDlg = nullptr;
    }
    testutil::NotifyTarget target;
    CHideDlg hide;
};

TEST_F(AdvancePageOnLinkTest, RadioButtonSwitchesTheRadioAndStoresIt) {
    Start("value WirelessMode = 0\nlink = connected \"Harbor Open\" 02:11:22:33:44:55\n"
          "[network]\nssid = \"Harbor Open\"\nbssid = 02:11:22:33:44:55\nchannel = 6\n");
    Bind();
    Click(IDC_ADV_RADIO);
    EXPECT_EQ(g_RadioOn, 0);
    EXPECT_FALSE(world.Adapter(0).radioOn);
    EXPECT_EQ(Text(IDC_ADV_RADIO), "Turn on RF");
    EXPECT_EQ(Value("Radio"), "1");
    g_IsAdmin = 0;
    Click(IDC_ADV_RADIO);
    EXPECT_EQ(g_RadioOn, 1);
    EXPECT_TRUE(world.Adapter(0).radioOn);
    EXPECT_EQ(Text(IDC_ADV_RADIO), "Turn off RF ");
    EXPECT_EQ(Value("Radio"), "1");  // only an administrator stores it
}

// A region change drops the link; a profile link comes back with its whole profile name.
TEST_F(AdvancePageOnLinkTest, RegionChangeReconnectsTheProfileByItsWholeName) {
    Start("value WirelessMode = 0\nvalue CountryRegion = 0\n"
          "[network]\nssid = \"Harbor Open\"\nbssid = 02:11:22:33:44:55\nchannel = 6\n");
    Bind();
    const std::wstring name = L"Harbor Open at the end of the long pier beside the old lighthouse, "
                              L"the one with the red door and the bench facing the sea where the fishing "
                              L"boats come in every morning before seven";
    ASSERT_GT(name.size(), 150u);
    const std::wstring xml =
        L"<?xml version=\"1.0\"?><WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">"
        L"<name>" + name + L"</name><SSIDConfig><SSID><name>Harbor Open</name></SSID></SSIDConfig>"
        L"<connectionType>ESS</connectionType><MSM><security><authEncryption><authentication>open"
        L"</authentication><encryption>none</encryption><useOneX>false</useOneX></authEncryption>"
        L"</security></MSM></WLANProfile>";
    ASSERT_EQ(hide.m_WlanManager.ProfileStore()->SetProfile(xml.c_str()), static_cast<DWORD>(ERROR_SUCCESS));
    WlanConnectParams params;
    params.mode = 0;
    params.profile = name;
    params.bssType = dot11_BSS_type_infrastructure;
    ASSERT_EQ(hide.m_WlanManager.Connector()->Connect(params), static_cast<DWORD>(ERROR_SUCCESS));
    target.Drain(world);
    ASSERT_TRUE(world.Adapter(0).connected);

    world.ClearWlanCalls();
    Pick(IDC_ADV_REGION24, 1);
    Click(IDC_ADV_APPLY);
    std::vector<std::string> calls;
    for (const auto& c : world.WlanCalls())
        if (c.name == "WlanDisconnect" || c.name == "WlanConnect") calls.push_back(c.name);
    EXPECT_EQ(calls, (std::vector<std::string>{"WlanDisconnect", "WlanConnect"}));
    const auto connects = world.WlanConnects();
    ASSERT_FALSE(connects.empty());
    EXPECT_EQ(connects.back().profile, name);
    EXPECT_EQ(connects.back().mode, wlan_connection_mode_profile);
    EXPECT_EQ(Boxes(), 0u);

    // Applying again without a change leaves the link alone.
    world.ClearWlanCalls();
    Click(IDC_ADV_APPLY);
    for (const auto& c : world.WlanCalls()) EXPECT_NE(c.name, "WlanDisconnect");
}

TEST_F(AdvancePageOnLinkTest, RegionChangeWithoutAProfileSaysTheLinkIsLost) {
    Start("value WirelessMode = 0\nvalue CountryRegion = 0\n"
          "[network]\nssid = \"Harbor Open\"\nbssid = 02:11:22:33:44:55\nchannel = 6\n");
    Bind();
    WlanConnectParams params;
    params.mode = 3;  // discovery, unsecure
    params.ssid.uSSIDLength = 11;
    std::memcpy(params.ssid.ucSSID, "Harbor Open", 11);
    params.bssType = dot11_BSS_type_infrastructure;
    ASSERT_EQ(hide.m_WlanManager.Connector()->Connect(params), static_cast<DWORD>(ERROR_SUCCESS));
    target.Drain(world);
    ASSERT_TRUE(world.Adapter(0).connected);
    const size_t connects = world.WlanConnects().size();

    Pick(IDC_ADV_REGION24, 3);
    Click(IDC_ADV_APPLY);
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_EQ(world.MessageBoxCalls()[0].text, "Changing Country Region will cause current connection lost");
    EXPECT_EQ(world.WlanConnects().size(), connects);
    EXPECT_EQ(Value("CountryRegion"), "3");
}

}  // namespace
