// The main window's action queue against the simulated driver: the order of the driver sets a
// connect sends, the records they carry, and how scans and connects wait in the queue.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "resources/station/resource.h"
#include "station/core/action_data.h"
#include "station/core/hide_dlg.h"
#include "station/core/registry/radio_defaults.h"
#include "station/core/station_globals.h"
#include "driver_key_util.h"
#include "station_fixture.h"

namespace {

using platform::sim::Bytes;
using testutil::U32;

constexpr DWORD kSetMode = 0xFF8C0002;
constexpr DWORD kSetHt = 0xFF8C0028;
constexpr DWORD kSetRegion = 0xFF8C0003;
constexpr DWORD kQueryRegion = 0xFF0C0003;
constexpr DWORD kSetPhy = 0x0DF10111;
constexpr DWORD kSetRates = 0x0D810210;
constexpr DWORD kSetRateRecord = 0x0DF10127;
constexpr DWORD kSetCcx = 0x0DF1011E;
constexpr DWORD kQueryConfig = 0x0D010211;
constexpr DWORD kSetConfig = 0x0D810211;
constexpr DWORD kSetBssid = 0x0D810101;
constexpr DWORD kSetSsid = 0x0D810102;
constexpr DWORD kSetNativeWifiFlag = 0xFF8C0030;

// The adapter's current configuration: length 32, beacon 100, ATIM 0, 2437000 kHz, hop data.
constexpr const char* kConfigAnswer =
    "oid 0x0D010211 = 20 00 00 00 64 00 00 00 00 00 00 00 48 2F 25 00 "
    "10 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00\n";

std::string Scenario(bool withConfiguration) {
    std::string text = testutil::Scenario("default.scn");
    if (withConfiguration) {
        const std::string section = "[adapter]\n";
        text.insert(text.find(section) + section.size(), kConfigAnswer);
    }
    return text;
}

class ActionQueueTest : public StationTest {
protected:
    void SetUp() override {
        StationTest::SetUp();
        savedMode = g_WirelessMode;
        savedRegion = g_RegionWord;
        saved24 = g_Region24Valid;
        saved5 = g_Region5Valid;
        savedHt = g_HtSettingsWord;
        std::memcpy(savedPhy, g_DefaultPhyConfig, sizeof(savedPhy));
        savedPhyRead = g_DefaultPhyConfigRead;
        g_DefaultPhyConfigRead = 1;  // as after a start-up the driver answered
        g_KeyErrorFlag = 0;
        g_ScanPending = 0;
    }
    void TearDown() override {
        DrainActions(dialog.m_ActionQueue);
        FreeCurrentAction();
        g_WirelessMode = savedMode;
        g_RegionWord = savedRegion;
        g_Region24Valid = saved24;
        g_Region5Valid = saved5;
        g_HtSettingsWord = savedHt;
        std::memcpy(g_DefaultPhyConfig, savedPhy, sizeof(savedPhy));
        g_DefaultPhyConfigRead = savedPhyRead;
        g_KeyErrorFlag = 0;
        g_ScanPending = 0;
        StationTest::TearDown();
    }

    // The adapter bound as discovery would bind it, with the stored wireless mode that the
    // country-region check reads back into g_WirelessMode.
    void Bind(bool withConfiguration, int wirelessMode) {
        Load(Scenario(withConfiguration));
        testutil::BindAdapter(world);
        g_Supports5GHz = 1;
        g_WirelessMode = wirelessMode;
        g_Region24Valid = 0;
        g_Region5Valid = 0;
        g_HtSettingsWord = 0;
        testutil::SetText(world.DriverKeyPath(0), "WirelessMode", std::to_string(wirelessMode).c_str());
        world.ClearJournal();
    }

    static ProfileApplyRecord* Record(const char* ssid) {
        ProfileApplyRecord* r = AllocApplyRecord();
        r->SsidLength = static_cast<uint32_t>(std::strlen(ssid));
        std::memcpy(r->Ssid, ssid, r->SsidLength);
        return r;
    }

    void Connect(ProfileApplyRecord* record) {
        dialog.AddAction(kActionConnect, record);
        dialog.ActionExec();
    }

    std::vector<DWORD> Oids() const {
        std::vector<DWORD> out;
        for (const auto& e : world.Journal()) out.push_back(e.oid);
        return out;
    }
    std::vector<platform::sim::JournalEntry> Sets(DWORD oid) const { return testutil::SetsOf(world, oid); }

    CHideDlg dialog;

private:
    int savedMode = 0, saved24 = 0, saved5 = 0, savedPhyRead = 0;
    uint32_t savedRegion = 0, savedHt = 0;
    uint8_t savedPhy[32] = {};
};

struct OrderCase {
    const char* name;
    uint32_t ownSettings;  // ApplyDriverSettings
    int mode;
    int htChip;
    int region24, region5;
    uint32_t useBssid;
    std::vector<DWORD> oids;
    // What the driver did not answer: the record's radio block and 802.11n part, the
    // adapter's default block.
    uint32_t blockUnread = 0, htUnread = 0;
    int defaultBlockRead = 1;
    uint32_t settingsOnly = 0;
};

TEST_F(ActionQueueTest, ConnectSendsItsDriverSetsInOrder) {
    const OrderCase cases[] = {
        {"own settings, b/g, by SSID", 1, 3, 0, 1, 1, 0,
         {kSetMode, kSetPhy, kSetRegion, kQueryRegion, kSetRates, kSetRateRecord, kSetCcx, kSetSsid, kSetCcx}},
        {"own settings, 11n mode 9 on an 11n chip, by SSID", 1, 9, 1, 0, 1, 0,
         {kSetMode, kSetHt, kSetPhy, kSetRegion, kQueryRegion, kSetCcx, kSetSsid, kSetCcx}},
        {"own settings, mode 5, no valid region, by SSID", 1, 5, 0, 0, 0, 0,
         {kSetMode, kSetPhy, kSetCcx, kSetSsid, kSetCcx}},
        {"own settings, mode 6 on an 11n chip, by BSSID", 1, 6, 1, 0, 0, 1,
         {kSetMode, kSetHt, kSetPhy, kSetCcx, kQueryConfig, kSetConfig, kSetBssid, kSetCcx}},
        {"own settings, a, by BSSID", 1, 2, 0, 1, 0, 1,
         {kSetMode, kSetPhy, kSetRegion, kQueryRegion, kSetRates, kSetRateRecord, kSetCcx, kQueryConfig,
          kSetConfig, kSetBssid, kSetCcx}},
        {"defaults, b, by SSID", 0, 1, 1, 1, 1, 0,
         {kSetPhy, kSetRegion, kQueryRegion, kSetRates, kSetRateRecord, kSetSsid, kSetCcx}},
        {"defaults, mode 6: HT rates, no rate record", 0, 6, 1, 0, 0, 0, {kSetPhy, kSetRates, kSetSsid, kSetCcx}},
        {"defaults, mode 9, region valid, by BSSID", 0, 9, 1, 1, 0, 1,
         {kSetPhy, kSetRegion, kQueryRegion, kSetRates, kQueryConfig, kSetConfig, kSetBssid, kSetCcx}},
        // Nothing of what the driver did not answer goes back to it; the rest goes as ever.
        {"own settings, radio block unread", 1, 3, 0, 1, 1, 0,
         {kSetMode, kSetRegion, kQueryRegion, kSetRates, kSetRateRecord, kSetCcx, kSetSsid, kSetCcx}, 1, 0},
        {"own settings on an 11n chip, 11n answer unread", 1, 9, 1, 0, 1, 0,
         {kSetMode, kSetPhy, kSetRegion, kQueryRegion, kSetCcx, kSetSsid, kSetCcx}, 0, 1},
        {"own settings on an 11n chip, neither read", 1, 6, 1, 0, 0, 0, {kSetMode, kSetCcx, kSetSsid, kSetCcx}, 1, 1},
        {"defaults, no block ever read", 0, 1, 1, 1, 1, 0,
         {kSetRegion, kQueryRegion, kSetRates, kSetRateRecord, kSetSsid, kSetCcx}, 0, 0, 0},
        // The driver settings alone: nothing joined, by SSID or by BSSID.
        {"own settings only", 1, 3, 0, 1, 1, 0,
         {kSetMode, kSetPhy, kSetRegion, kQueryRegion, kSetRates, kSetRateRecord, kSetCcx}, 0, 0, 1, 1},
        {"defaults only, by BSSID", 0, 3, 0, 0, 0, 1, {kSetPhy, kSetRates, kSetRateRecord}, 0, 0, 1, 1},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.name);
        Bind(true, c.mode);
        g_IsHtChip = c.htChip;
        g_Region24Valid = c.region24;
        g_Region5Valid = c.region5;
        ProfileApplyRecord* record = Record("Harbor Open");
        record->ApplyDriverSettings = c.ownSettings;
        record->UseBssid = c.useBssid;
        record->CountryRegion = 0x0705;
        record->RadioBlockUnread = c.blockUnread;
        record->HtSettingsUnread = c.htUnread;
        record->SettingsOnly = c.settingsOnly;
        g_DefaultPhyConfigRead = c.defaultBlockRead;
        Connect(record);
        EXPECT_EQ(Oids(), c.oids);
        EXPECT_TRUE(dialog.m_ActionQueue.empty());
        platform::sim::Uninstall();
    }
}

TEST_F(ActionQueueTest, OwnSettingsSendTheRecordsValues) {
    Bind(true, 3);
    g_Region24Valid = 1;
    const DWORD storedCcx = 0x12345678;
    testutil::SetValue(HKEY_LOCAL_MACHINE, world.DriverKeyPath(0), "CCX2Control", REG_DWORD, &storedCcx, 4);

    ProfileApplyRecord* record = Record("Harbor Open");
    record->ApplyDriverSettings = 1;
    record->CountryRegion = 0x0705;
    record->Ccx2Control = 0xFFFFFFFF;
    const uint8_t rates[8] = {22, 11, 4, 2, 0, 0, 0, 0};
    std::memcpy(record->DesiredRates, rates, 8);
    std::memset(record->PhyConfig, 0xAB, sizeof(record->PhyConfig));
    Connect(record);

    Bytes phy(32, 0xAB);
    std::fill(phy.begin() + 24, phy.begin() + 28, 0);  // the seventh field is cleared
    ASSERT_EQ(Sets(kSetPhy).size(), 1u);
    EXPECT_EQ(Sets(kSetPhy)[0].in, phy);
    EXPECT_EQ(Sets(kSetMode)[0].in, U32(3));
    EXPECT_EQ(Sets(kSetRegion)[0].in, U32(0x0705));
    EXPECT_EQ(Sets(kSetRates)[0].in, Bytes(rates, rates + 8));
    const Bytes bgRecord = {8, 0x82, 0x84, 0x8B, 0x96, 0x12, 0x24, 0x48, 0x6C, 0, 0, 0, 0,
                            4, 0x8C, 0x98, 0xB0, 0x60, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Sets(kSetRateRecord)[0].in, bgRecord);

    Bytes ssid = U32(11);
    const std::string name = "Harbor Open";
    ssid.insert(ssid.end(), name.begin(), name.end());
    ssid.resize(36, 0);
    EXPECT_EQ(Sets(kSetSsid)[0].in, ssid);

    // Joining by SSID: both CCX sets unadjusted, first the record's value, then the stored one.
    const auto ccx = Sets(kSetCcx);
    ASSERT_EQ(ccx.size(), 2u);
    EXPECT_EQ(ccx[0].in, U32(0xFFFFFFFF));
    EXPECT_EQ(ccx[1].in, U32(storedCcx));
    EXPECT_EQ(g_KeyErrorFlag, 0);
}

TEST_F(ActionQueueTest, BssidJoinWritesTheFrequencyIntoTheAdaptersConfiguration) {
    Bind(true, 3);
    const DWORD storedCcx = 0x12345678;
    testutil::SetValue(HKEY_LOCAL_MACHINE, world.DriverKeyPath(0), "CCX2Control", REG_DWORD, &storedCcx, 4);
    g_KeyErrorFlag = 1;

    ProfileApplyRecord* record = Record("Lantern Home");
    record->ApplyDriverSettings = 1;
    record->UseBssid = 1;
    record->AdhocFrequency = 2462000;
    record->Ccx2Control = 0xFFFFFFFF;
    const uint8_t bssid[6] = {0x02, 0x11, 0x22, 0x33, 0x44, 0x77};
    std::memcpy(record->Bssid, bssid, 6);
    Connect(record);

    const Bytes configuration = {0x20, 0, 0, 0, 0x64, 0, 0, 0, 0, 0, 0, 0, 0x30, 0x91, 0x25, 0,
                                 0x10, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0};
    ASSERT_EQ(Sets(kSetConfig).size(), 1u);
    EXPECT_EQ(Sets(kSetConfig)[0].in, configuration);
    EXPECT_EQ(Sets(kSetBssid)[0].in, Bytes(bssid, bssid + 6));
    EXPECT_TRUE(Sets(kSetSsid).empty());
    // Joining by BSSID: both CCX sets adjusted (bit 5 cleared, bits 8-15 0xFA).
    const auto ccx = Sets(kSetCcx);
    ASSERT_EQ(ccx.size(), 2u);
    EXPECT_EQ(ccx[0].in, U32(0xFFFFFADF));
    EXPECT_EQ(ccx[1].in, U32(0x1234FA58));
    EXPECT_EQ(g_KeyErrorFlag, 0);
}

TEST_F(ActionQueueTest, BssidJoinWithoutTheAdaptersConfigurationDoesNotWriteOne) {
    Bind(false, 3);
    ProfileApplyRecord* record = Record("Lantern Home");
    record->UseBssid = 1;
    record->AdhocFrequency = 2462000;
    Connect(record);
    EXPECT_TRUE(Sets(kSetConfig).empty());  // a zeroed configuration would wipe the adapter's
    EXPECT_EQ(Sets(kSetBssid).size(), 1u);
}

TEST_F(ActionQueueTest, DefaultsClearThePhyBlockAndChooseHtRatesByTheMcsBits) {
    const struct {
        uint32_t htWord;
        Bytes rates;
    } cases[] = {
        {33u << 4, {108, 96, 72, 48, 22, 11, 4, 2}},
        {(33u << 4) | 0x7F80Fu, {108, 96, 72, 48, 22, 11, 4, 2}},  // other bits do not count
        {32u << 4, {108, 0, 0, 0, 0, 0, 0, 0}},
        {0x7Fu << 4, {108, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.htWord);
        Bind(true, 6);
        g_HtSettingsWord = c.htWord;
        std::memset(g_DefaultPhyConfig, 0x11, sizeof(g_DefaultPhyConfig));
        Connect(Record("Harbor Open"));

        Bytes phy(32, 0x11);
        std::fill(phy.begin() + 24, phy.begin() + 28, 0);
        ASSERT_EQ(Sets(kSetPhy).size(), 1u);
        EXPECT_EQ(Sets(kSetPhy)[0].in, phy);
        ASSERT_EQ(Sets(kSetRates).size(), 1u);
        EXPECT_EQ(Sets(kSetRates)[0].in, c.rates);
        EXPECT_TRUE(Sets(kSetRateRecord).empty());
        EXPECT_TRUE(Sets(kSetMode).empty());
        platform::sim::Uninstall();
    }
}

TEST_F(ActionQueueTest, DefaultsUseTheAdaptersRegionAndTheModesRates) {
    Bind(true, 4);
    g_Region5Valid = 1;
    g_RegionWord = 0x0701;
    Connect(Record("Lantern 5G"));
    EXPECT_EQ(Sets(kSetRegion)[0].in, U32(0x0701));
    EXPECT_EQ(Sets(kSetRates)[0].in, (Bytes{108, 96, 72, 48, 36, 24, 18, 12}));
    EXPECT_EQ(Sets(kSetRateRecord)[0].in,
              (Bytes{8, 0x8C, 0x12, 0x98, 0x24, 0xB0, 0x48, 0x60, 0x6C, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

// Enabled once the Native Wifi connect sends its flag OID (it is a stand-in until then).
TEST_F(ActionQueueTest, NativeWifiConnectOnlyWithApplyFlagOneAndAnSsid) {
    const struct {
        uint32_t applyFlag;
        const char* ssid;
        bool nativeWifi;
    } cases[] = {{1, "Harbor Open", true}, {1, "", false}, {0, "Harbor Open", false}, {2, "Harbor Open", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "ApplyFlag " << c.applyFlag << " SSID '" << c.ssid << "'");
        Bind(true, 3);
        ProfileApplyRecord* record = Record(c.ssid);
        record->ApplyFlag = c.applyFlag;
        Connect(record);
        const auto oids = Oids();
        // The Native Wifi connect opens with its flag OID, before every driver set of the connect.
        ASSERT_FALSE(oids.empty());
        EXPECT_EQ(oids.front() == kSetNativeWifiFlag, c.nativeWifi);
        EXPECT_EQ(Sets(kSetSsid).size(), 1u);  // the OID steps run in any case
        platform::sim::Uninstall();
    }
}

TEST_F(ActionQueueTest, ExecutorRunsTheOldestFirstAndStopsAfterAScan) {
    Bind(true, 3);
    EXPECT_EQ(dialog.AddAction(kActionScan, nullptr), 1);
    EXPECT_EQ(dialog.AddAction(kActionConnect, Record("Alpha")), 0);
    const uint8_t beta[] = {'B', 'e', 't', 'a'};
    EXPECT_EQ(dialog.AddAction(kActionSetSsid, AllocSsidActionRecord(beta, 4)), 0);

    dialog.ActionExec();  // the scan, and nothing behind it
    EXPECT_EQ(g_ScanPending, 1);
    EXPECT_TRUE(world.Journal().empty());
    ASSERT_EQ(dialog.m_ActionQueue.size(), 2u);
    EXPECT_EQ(dialog.m_ActionQueue[0].Kind, kActionConnect);

    dialog.ActionExec();  // then the connect, then the SSID set
    EXPECT_TRUE(dialog.m_ActionQueue.empty());
    const auto ssids = Sets(kSetSsid);
    ASSERT_EQ(ssids.size(), 2u);
    EXPECT_EQ(std::string(ssids[0].in.begin() + 4, ssids[0].in.begin() + 9), std::string("Alpha"));
    EXPECT_EQ(std::string(ssids[1].in.begin() + 4, ssids[1].in.begin() + 8), std::string("Beta"));
}

TEST_F(ActionQueueTest, ExecuteActionWaitsBehindQueuedWork) {
    Bind(true, 3);
    EXPECT_EQ(dialog.AddAction(kActionConnect, Record("Alpha")), 1);
    dialog.ExecuteAction();  // queued behind the connect, not run
    EXPECT_EQ(g_ScanPending, 0);
    ASSERT_EQ(dialog.m_ActionQueue.size(), 2u);
    EXPECT_EQ(dialog.m_ActionQueue[1].Kind, kActionScan);
    EXPECT_TRUE(world.Journal().empty());

    DrainActions(dialog.m_ActionQueue);
    dialog.ExecuteAction();  // nothing waits: runs at once
    EXPECT_EQ(g_ScanPending, 1);
    EXPECT_TRUE(dialog.m_ActionQueue.empty());
}

TEST_F(ActionQueueTest, ANewerConnectReplacesTheWaitingOneAndANullRecordIsSkipped) {
    Bind(true, 3);
    dialog.AddAction(kActionScan, nullptr);
    dialog.AddAction(kActionConnect, Record("Alpha"));
    dialog.AddAction(kActionConnect, Record("Bravo"));
    ASSERT_EQ(dialog.m_ActionQueue.size(), 2u);
    dialog.ActionExec();
    dialog.ActionExec();
    const auto ssids = Sets(kSetSsid);
    ASSERT_EQ(ssids.size(), 1u);  // Alpha was never sent
    EXPECT_EQ(std::string(ssids[0].in.begin() + 4, ssids[0].in.begin() + 9), std::string("Bravo"));

    world.ClearJournal();
    EXPECT_EQ(dialog.AddAction(kActionConnect, nullptr), 1);
    dialog.ActionExec();
    EXPECT_TRUE(world.Journal().empty());
    EXPECT_TRUE(dialog.m_ActionQueue.empty());
}

TEST_F(ActionQueueTest, AddingAConnectKeepsACopyInForceAndClearsTheAdapterChangedFlag) {
    Bind(true, 3);
    dialog.m_bAdapterChanged = 1;
    ProfileApplyRecord* record = Record("Quay WEP");
    record->AuthMode = 1;
    const uint8_t key[5] = {1, 2, 3, 4, 5};
    record->WepKey2 = AllocKeyBlock(kKeyIndexTransmit | 1, key, 5);
    record->WepKey2Length = KeyBlockSize(5);
    Connect(record);  // the executor frees the record and its block

    EXPECT_EQ(dialog.m_bAdapterChanged, 0);
    ASSERT_NE(g_pCurrentAction, nullptr);
    EXPECT_EQ(g_pCurrentAction->SsidLength, 8u);
    ASSERT_NE(g_pCurrentAction->WepKey2, nullptr);
    EXPECT_EQ(g_pCurrentAction->WepKey2->KeyIndex, 0x80000001u);
    EXPECT_EQ(std::memcmp(KeyMaterial(g_pCurrentAction->WepKey2), key, 5), 0);

    EXPECT_EQ(dialog.AddAction(7, nullptr), 0);  // unknown kinds are not queued
    EXPECT_TRUE(dialog.m_ActionQueue.empty());
}

TEST_F(ActionQueueTest, DestroyingTheWindowDrainsTheQueueAndTheCopyInForce) {
    Load(testutil::Scenario("default.scn"));
    CHideDlg window;
    window.m_bOpenSheetAtStart = 0;
    size_t queued = 0;
    testutil::AtNextTick([&] {
        window.AddAction(kActionConnect, Record("Alpha"));
        window.AddAction(kActionScan, nullptr);
        window.AddAction(kActionSetBssid, AllocBssidActionRecord(nullptr));
        queued = window.m_ActionQueue.size();
        window.SendMessage(WM_COMMAND, IDM_TRAY_EXIT, 0);
    });
    EXPECT_EQ(window.DoModal(), 1);
    EXPECT_EQ(queued, 3u);
    EXPECT_TRUE(window.m_ActionQueue.empty());
    EXPECT_EQ(g_pCurrentAction, nullptr);
}

}  // namespace
