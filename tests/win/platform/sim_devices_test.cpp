#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/device_enum.h"
#include "sim_fixture.h"

using namespace platform::sim;

namespace {

constexpr GUID kNet = {0x4d36e972, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

std::string ReadFile(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    std::string s;
    if (!f) return s;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    std::fclose(f);
    return s;
}

bool KeyExists(const std::string& path) {
    HKEY k;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
}

std::string ReadSz(HKEY k, const char* name) {
    char buf[256] = {};
    DWORD size = sizeof buf - 1, type = 0;
    if (RegQueryValueExA(k, name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return "<missing>";
    return buf;
}

class SimDevices : public SimWorldTest {
protected:
    std::string Property(HDEVINFO set, SP_DEVINFO_DATA& d, DWORD prop, bool* ok = nullptr) {
        BYTE buf[256] = {};
        DWORD need = 0;
        BOOL r = platform::Devices().GetDeviceRegistryProperty(set, &d, prop, buf, sizeof buf, &need);
        if (ok) *ok = r != FALSE;
        return r ? std::string(reinterpret_cast<char*>(buf), need) : std::string();
    }
};

TEST_F(SimDevices, NetClassGuid) {
    Load(kOneAdapter);
    platform::DeviceEnum& e = platform::Devices();
    GUID g[3] = {};
    DWORD n = 0;
    ASSERT_TRUE(e.ClassGuidsFromName("Net", g, 3, &n));
    EXPECT_EQ(n, 1u);
    EXPECT_TRUE(IsEqualGUID(g[0], kNet));
    EXPECT_TRUE(e.ClassGuidsFromName("Modem", g, 3, &n));
    EXPECT_EQ(n, 0u);
    EXPECT_FALSE(e.ClassGuidsFromName("net", g, 0, &n));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(n, 1u);
}

TEST_F(SimDevices, EnumeratesPresentAdaptersWithTheirProperties) {
    Load(ReadFile(ScenarioPath("two-adapters.scn")));
    platform::DeviceEnum& e = platform::Devices();
    HDEVINFO set = e.GetClassDevs(&kNet, DIGCF_PRESENT);
    ASSERT_NE(set, INVALID_HANDLE_VALUE);
    SP_DEVINFO_DATA d{};
    d.cbSize = sizeof d;
    ASSERT_TRUE(e.EnumDeviceInfo(set, 0, &d));
    EXPECT_EQ(Property(set, d, SPDRP_HARDWAREID),
              std::string("USB\\VID_F0E1&PID_5101&REV_0001\0USB\\VID_F0E1&PID_5101\0\0", 54));
    EXPECT_EQ(Property(set, d, SPDRP_DEVICEDESC), std::string("Norvane ZQ-4402 Wireless LAN Card\0", 34));
    bool ok = true;
    Property(set, d, SPDRP_FRIENDLYNAME, &ok);
    EXPECT_FALSE(ok) << "no friendly name in the scenario";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DATA));
    EXPECT_EQ(Property(set, d, SPDRP_MFG), std::string("Tesmar\0", 7));
    EXPECT_EQ(Property(set, d, SPDRP_DRIVER), world_.DriverName(0) + '\0');

    ASSERT_TRUE(e.EnumDeviceInfo(set, 1, &d));
    EXPECT_EQ(Property(set, d, SPDRP_FRIENDLYNAME), std::string("Norvane ZQ-4402 Wireless LAN PCI Card #2") + '\0');
    EXPECT_EQ(Property(set, d, SPDRP_LOCATION_INFORMATION), std::string("PCI bus 3, device 0, function 0") + '\0');
    EXPECT_FALSE(e.EnumDeviceInfo(set, 2, &d));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
    EXPECT_TRUE(e.DestroyDeviceInfoList(set));
    EXPECT_EQ(world_.LiveDeviceInfoSets(), 0u);
}

TEST_F(SimDevices, PropertyBufferTooSmallTellsTheSize) {
    Load(kOneAdapter);
    platform::DeviceEnum& e = platform::Devices();
    HDEVINFO set = e.GetClassDevs(&kNet, DIGCF_PRESENT);
    SP_DEVINFO_DATA d{};
    d.cbSize = sizeof d;
    ASSERT_TRUE(e.EnumDeviceInfo(set, 0, &d));
    BYTE buf[8];
    std::memset(buf, 0x5A, sizeof buf);
    DWORD need = 0;
    EXPECT_FALSE(e.GetDeviceRegistryProperty(set, &d, SPDRP_DEVICEDESC, buf, sizeof buf, &need));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(need, 34u);
    EXPECT_EQ(buf[0], 0x5A);

    SP_DEVINFO_DATA wrong{};
    wrong.cbSize = 4;
    EXPECT_FALSE(e.EnumDeviceInfo(set, 0, &wrong)) << "a record of the wrong size is refused";
    e.DestroyDeviceInfoList(set);
    EXPECT_FALSE(e.DestroyDeviceInfoList(set));
}

TEST_F(SimDevices, UnpluggedAdapterIsNotPresent) {
    Load(ReadFile(ScenarioPath("two-adapters.scn")));
    world_.Unplug(0);
    platform::DeviceEnum& e = platform::Devices();
    HDEVINFO present = e.GetClassDevs(&kNet, DIGCF_PRESENT);
    SP_DEVINFO_DATA d{};
    d.cbSize = sizeof d;
    ASSERT_TRUE(e.EnumDeviceInfo(present, 0, &d));
    EXPECT_EQ(Property(present, d, SPDRP_HARDWAREID).substr(0, 21), "PCI\\VEN_F0E1&DEV_7001");
    EXPECT_FALSE(e.EnumDeviceInfo(present, 1, &d));
    HDEVINFO all = e.GetClassDevs(&kNet, 0);
    EXPECT_TRUE(e.EnumDeviceInfo(all, 1, &d));
    e.DestroyDeviceInfoList(present);
    e.DestroyDeviceInfoList(all);
}

TEST_F(SimDevices, DriverKeyLivesAndDiesWithTheWorld) {
    std::string keyPath;
    {
        World w;
        ASSERT_TRUE(w.LoadText(kOneAdapter)) << w.LoadError().Text();
        platform::sim::Install(&w);
        keyPath = w.DriverKeyPath(0);
        EXPECT_EQ(keyPath.rfind("System\\CurrentControlSet\\Control\\Class\\{4d36e972-e325-11ce-bfc1-08002be10318}\\", 0),
                  0u);
        platform::DeviceEnum& e = platform::Devices();
        HDEVINFO set = e.GetClassDevs(&kNet, DIGCF_PRESENT);
        SP_DEVINFO_DATA d{};
        d.cbSize = sizeof d;
        ASSERT_TRUE(e.EnumDeviceInfo(set, 0, &d));
        HKEY k = e.OpenDevRegKey(set, &d, DICS_FLAG_GLOBAL, 0, DIREG_DRV, KEY_READ);
        ASSERT_NE(k, reinterpret_cast<HKEY>(INVALID_HANDLE_VALUE));
        EXPECT_EQ(ReadSz(k, "NetCfgInstanceId"), "{6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}");
        EXPECT_EQ(ReadSz(k, "DriverDesc"), "Norvane ZQ-4402 Wireless LAN Card");
        EXPECT_EQ(ReadSz(k, "WirelessMode"), "9");
        DWORD flags = 0, size = sizeof flags, type = 0;
        EXPECT_EQ(RegQueryValueExA(k, "Flags", nullptr, &type, reinterpret_cast<BYTE*>(&flags), &size), ERROR_SUCCESS);
        EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(flags, 0x10u);
        RegCloseKey(k);
        EXPECT_EQ(e.OpenDevRegKey(set, &d, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ),
                  reinterpret_cast<HKEY>(INVALID_HANDLE_VALUE));
        e.DestroyDeviceInfoList(set);

        // What a utility writes under the key goes with it.
        HKEY sub;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, (keyPath + "\\ApDefault").c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &sub, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(sub);
        EXPECT_TRUE(KeyExists(keyPath));
        platform::sim::Uninstall();
    }
    EXPECT_FALSE(KeyExists(keyPath));
}

TEST_F(SimDevices, WorldsLoadedTogetherGetTheirOwnDriverKeys) {
    World a, b;
    ASSERT_TRUE(a.LoadText(kOneAdapter));
    ASSERT_TRUE(b.LoadText(kOneAdapter));
    EXPECT_NE(a.DriverName(0), b.DriverName(0));
    EXPECT_TRUE(KeyExists(a.DriverKeyPath(0)));
    EXPECT_TRUE(KeyExists(b.DriverKeyPath(0)));
}

TEST_F(SimDevices, ForeignKeyIsNeverTakenOver) {
    // A key that exists and is not the simulation's (a real adapter's on Windows): the world
    // must neither write into it nor delete it.
    char instance[8];
    std::snprintf(instance, sizeof instance, "%04lu", GetCurrentProcessId() % 10000);
    const std::string cls = "{0e5d1a6c-7f3b-4c29-b8e1-2a9d4f6c8b13}";
    const std::string foreign = "System\\CurrentControlSet\\Control\\Class\\" + cls + "\\" + instance;
    HKEY k;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, foreign.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(k, "DriverDesc", 0, REG_SZ, reinterpret_cast<const BYTE*>("Real card"), 10);
    RegCloseKey(k);

    std::string text = kOneAdapter;
    std::size_t p = text.find("{4d36e972");
    text.replace(p, cls.size() + 5, cls + "\\" + instance);
    {
        World w;
        ASSERT_TRUE(w.LoadText(text, /*uniqueInstances=*/false)) << w.LoadError().Text();
        EXPECT_NE(w.DriverName(0), cls + "\\" + instance);
        EXPECT_EQ(w.DriverName(0).rfind(cls + "\\", 0), 0u);
    }
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, foreign.c_str(), 0, KEY_READ, &k), ERROR_SUCCESS);
    EXPECT_EQ(ReadSz(k, "DriverDesc"), "Real card");
    EXPECT_EQ(ReadSz(k, "NetCfgInstanceId"), "<missing>");
    RegCloseKey(k);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, foreign.c_str());
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, ("System\\CurrentControlSet\\Control\\Class\\" + cls).c_str());
}

}  // namespace
