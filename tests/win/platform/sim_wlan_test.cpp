#include <gtest/gtest.h>

#include <cwchar>

#include "platform/native_wifi.h"
#include "sim_fixture.h"

using namespace platform::sim;

namespace {

void CALLBACK IgnoreNotification(WLAN_NOTIFICATION_DATA*, void*) {}

class SimWlan : public SimWorldTest {
protected:
    void Open() {
        DWORD negotiated = 0;
        ASSERT_EQ(platform::Wlan().OpenHandle(2, &negotiated, &handle_), static_cast<DWORD>(ERROR_SUCCESS));
        EXPECT_EQ(negotiated, 2u);
    }
    void TearDown() override {
        if (handle_) platform::Wlan().CloseHandle(handle_);
        EXPECT_EQ(world_.LiveWlanAllocations(), 0u) << "a service buffer was not freed";
        if (checkFrees_) {
            EXPECT_EQ(world_.BadWlanFrees(), 0u);
        }
        SimWorldTest::TearDown();
    }
    template <typename T>
    DWORD Query(WLAN_INTF_OPCODE op, T* out) {
        GUID g = world_.InterfaceGuid(0);
        DWORD size = 0;
        void* data = nullptr;
        DWORD rc = platform::Wlan().QueryInterface(handle_, &g, op, &size, &data, nullptr);
        if (rc == ERROR_SUCCESS) {
            EXPECT_EQ(size, sizeof(T));
            std::memcpy(out, data, sizeof(T));
            platform::Wlan().FreeMemory(data);
        }
        return rc;
    }
    HANDLE handle_ = nullptr;
    bool checkFrees_ = true;
};

TEST_F(SimWlan, InterfacesFollowThePresentAdapters) {
    Load(std::string(R"(
[adapter]
hardware_id = PCI\VEN_F0E1&DEV_7001
description = Plain Description
friendly_name = Friendly Card #2
instance_id = {A3C05E77-91D4-4B6A-8E20-5F1D7C94B0E8}
driver = {4d36e972-e325-11ce-bfc1-08002be10318}\0008
)") + kOneAdapter);
    Open();
    WLAN_INTERFACE_INFO_LIST* list = nullptr;
    ASSERT_EQ(platform::Wlan().EnumInterfaces(handle_, &list), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(list->dwNumberOfItems, 2u);
    EXPECT_STREQ(list->InterfaceInfo[0].strInterfaceDescription, L"Friendly Card #2");
    EXPECT_EQ(list->InterfaceInfo[0].isState, wlan_interface_state_disconnected);
    EXPECT_STREQ(list->InterfaceInfo[1].strInterfaceDescription, L"Norvane ZQ-4402 Wireless LAN Card");
    EXPECT_EQ(list->InterfaceInfo[1].isState, wlan_interface_state_connected);
    const GUID want = {0x6F2A9C14, 0x3B7E, 0x4D21, {0x9A, 0x58, 0x0C, 0x4E, 0x1B, 0x7D, 0x3F, 0x92}};
    EXPECT_TRUE(IsEqualGUID(list->InterfaceInfo[1].InterfaceGuid, want));
    platform::Wlan().FreeMemory(list);

    world_.Unplug(0);
    ASSERT_EQ(platform::Wlan().EnumInterfaces(handle_, &list), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(list->dwNumberOfItems, 1u);
    platform::Wlan().FreeMemory(list);
    GUID gone = world_.InterfaceGuid(0);
    DWORD size;
    void* data = nullptr;
    EXPECT_EQ(platform::Wlan().QueryInterface(handle_, &gone, wlan_intf_opcode_interface_state, &size, &data, nullptr),
              static_cast<DWORD>(ERROR_NOT_FOUND));
}

TEST_F(SimWlan, CurrentConnectionCarriesTheLink) {
    Load(kOneAdapter);
    Open();
    WLAN_CONNECTION_ATTRIBUTES c{};
    ASSERT_EQ(Query(wlan_intf_opcode_current_connection, &c), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(c.isState, wlan_interface_state_connected);
    const WLAN_ASSOCIATION_ATTRIBUTES& a = c.wlanAssociationAttributes;
    ASSERT_EQ(a.dot11Ssid.uSSIDLength, 11u);
    EXPECT_EQ(std::memcmp(a.dot11Ssid.ucSSID, "Harbor Open", 11), 0);
    const UCHAR bssid[6] = {0x02, 0x11, 0x22, 0x33, 0x44, 0x55};
    EXPECT_EQ(std::memcmp(a.dot11Bssid, bssid, 6), 0);
    EXPECT_EQ(a.wlanSignalQuality, 90u);  // -55 dBm
    EXPECT_EQ(a.dot11BssType, dot11_BSS_type_infrastructure);
    EXPECT_STREQ(c.strProfileName, L"Harbor Open");
    EXPECT_FALSE(c.wlanSecurityAttributes.bSecurityEnabled);

    DWORD state = 0, bss = 0;
    ASSERT_EQ(Query(wlan_intf_opcode_interface_state, &state), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(state, static_cast<DWORD>(wlan_interface_state_connected));
    ASSERT_EQ(Query(wlan_intf_opcode_bss_type, &bss), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(bss, static_cast<DWORD>(dot11_BSS_type_infrastructure));

    world_.SetLink(0, false);
    EXPECT_EQ(Query(wlan_intf_opcode_current_connection, &c), static_cast<DWORD>(ERROR_INVALID_STATE));
    ASSERT_EQ(Query(wlan_intf_opcode_interface_state, &state), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(state, static_cast<DWORD>(wlan_interface_state_disconnected));
}

TEST_F(SimWlan, RadioStateHasOnePhy) {
    Load(kOneAdapter);
    Open();
    WLAN_RADIO_STATE r{};
    ASSERT_EQ(Query(wlan_intf_opcode_radio_state, &r), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(r.dwNumberOfPhys, 1u);
    EXPECT_EQ(r.PhyRadioState[0].dot11SoftwareRadioState, dot11_radio_state_on);
    EXPECT_EQ(r.PhyRadioState[0].dot11HardwareRadioState, dot11_radio_state_on);

    world_.SetRadio(0, false);
    ASSERT_EQ(Query(wlan_intf_opcode_radio_state, &r), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(r.PhyRadioState[0].dot11SoftwareRadioState, dot11_radio_state_off);
    DWORD state = 0;
    ASSERT_EQ(Query(wlan_intf_opcode_interface_state, &state), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(state, static_cast<DWORD>(wlan_interface_state_disconnected)) << "no link with the radio off";
}

TEST_F(SimWlan, CapabilityListsOfdmOnlyWith5GHz) {
    for (bool fiveGHz : {false, true}) {
        std::string text = kOneAdapter;
        if (fiveGHz) text.insert(text.find("signal"), "supports_5ghz = yes\n");
        Load(text);
        Open();
        GUID g = world_.InterfaceGuid(0);
        WLAN_INTERFACE_CAPABILITY* cap = nullptr;
        ASSERT_EQ(platform::Wlan().GetInterfaceCapability(handle_, &g, &cap), static_cast<DWORD>(ERROR_SUCCESS));
        bool ofdm = false;
        for (DWORD i = 0; i < cap->dwNumberOfSupportedPhys; ++i) ofdm |= cap->dot11PhyTypes[i] == dot11_phy_type_ofdm;
        EXPECT_EQ(ofdm, fiveGHz);
        platform::Wlan().FreeMemory(cap);
        platform::Wlan().CloseHandle(handle_);
        handle_ = nullptr;
    }
}

TEST_F(SimWlan, HandlesAndFreesAreChecked) {
    Load(kOneAdapter);
    Open();
    WLAN_INTERFACE_INFO_LIST* list = nullptr;
    ASSERT_EQ(platform::Wlan().EnumInterfaces(handle_, &list), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(world_.LiveWlanAllocations(), 1u);
    platform::Wlan().FreeMemory(list);
    platform::Wlan().FreeMemory(list);  // freed twice: counted, not a crash
    EXPECT_EQ(world_.BadWlanFrees(), 1u);
    checkFrees_ = false;

    DWORD prev = 0xFFFF;
    EXPECT_EQ(platform::Wlan().RegisterNotification(
                  handle_, WLAN_NOTIFICATION_SOURCE_ACM | WLAN_NOTIFICATION_SOURCE_MSM, TRUE,
                  IgnoreNotification, this, &prev),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(prev, 0u);
    EXPECT_TRUE(world_.HasWlanNotificationCallback());

    EXPECT_EQ(platform::Wlan().CloseHandle(handle_), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_FALSE(world_.HasWlanNotificationCallback());
    EXPECT_EQ(platform::Wlan().EnumInterfaces(handle_, &list), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(platform::Wlan().CloseHandle(handle_), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    handle_ = nullptr;
    EXPECT_EQ(world_.OpenWlanHandles(), 0u);
}

TEST_F(SimWlan, CallsNotSimulatedYetSayNotSupported) {
    Load(kOneAdapter);
    Open();
    GUID g = world_.InterfaceGuid(0);
    platform::NativeWifi& w = platform::Wlan();
    EXPECT_EQ(w.Scan(handle_, &g, nullptr, nullptr), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    EXPECT_EQ(w.Disconnect(handle_, &g), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    WLAN_CONNECTION_PARAMETERS p{};
    EXPECT_EQ(w.Connect(handle_, &g, &p), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    DWORD size = 0;
    void* data = nullptr;
    EXPECT_EQ(w.QueryInterface(handle_, &g, wlan_intf_opcode_statistics, &size, &data, nullptr),
              static_cast<DWORD>(ERROR_NOT_SUPPORTED));
}

}  // namespace
