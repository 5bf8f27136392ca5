// Simulated Setup API enumeration of the Net class; the driver key is the real registry key
// the world created.
#include <cstring>

#include "platform/sim/world_state.h"

namespace platform::sim {
namespace {

class SimDeviceEnum final : public DeviceEnum {
public:
    explicit SimDeviceEnum(World& w) : w_(w) {}

    BOOL ClassGuidsFromName(const char* className, GUID* guids, DWORD guidCount, DWORD* requiredCount) override {
        if (!className) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        DWORD n = lstrcmpiA(className, "Net") == 0 ? 1 : 0;
        if (requiredCount) *requiredCount = n;
        if (n > guidCount || (n && !guids)) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return FALSE;
        }
        if (n) guids[0] = kNetClassGuid;
        return TRUE;
    }

    HDEVINFO GetClassDevs(const GUID* classGuid, DWORD flags) override {
        if (!classGuid) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return INVALID_HANDLE_VALUE;
        }
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        std::vector<std::size_t> members;
        if (IsEqualGUID(*classGuid, kNetClassGuid))
            for (std::size_t i = 0; i < s.adapters.size(); ++i)
                if (s.adapters[i].present || !(flags & DIGCF_PRESENT)) members.push_back(i);
        auto set = static_cast<HDEVINFO>(s.NewHandle());
        s.deviceSets[set] = members;
        return set;
    }

    BOOL EnumDeviceInfo(HDEVINFO set, DWORD index, SP_DEVINFO_DATA* data) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        auto it = s.deviceSets.find(set);
        if (it == s.deviceSets.end()) return Fail(ERROR_INVALID_HANDLE);
        if (!data || data->cbSize != sizeof(SP_DEVINFO_DATA)) return Fail(ERROR_INVALID_USER_BUFFER);
        if (index >= it->second.size()) return Fail(ERROR_NO_MORE_ITEMS);
        data->ClassGuid = kNetClassGuid;
        data->DevInst = static_cast<DWORD>(it->second[index] + 1);
        data->Reserved = 0;
        return TRUE;
    }

    BOOL GetDeviceRegistryProperty(HDEVINFO set, SP_DEVINFO_DATA* data, DWORD property, BYTE* buffer, DWORD size,
                                   DWORD* requiredSize) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        const AdapterState* a = Member(s, set, data);
        if (!a) return FALSE;
        if (a->failingProperties.count(property)) return Fail(ERROR_INVALID_DATA);
        std::string v;
        const AdapterSpec& sp = a->spec;
        switch (property) {
        case SPDRP_HARDWAREID:
            for (const std::string& id : sp.hardwareIds) v += id + '\0';
            break;
        case SPDRP_DEVICEDESC: v = sp.description; break;
        case SPDRP_FRIENDLYNAME:
            if (!sp.hasFriendlyName) return Fail(ERROR_INVALID_DATA);
            v = sp.friendlyName;
            break;
        case SPDRP_LOCATION_INFORMATION:
            if (!sp.hasLocation) return Fail(ERROR_INVALID_DATA);
            v = sp.location;
            break;
        case SPDRP_MFG:
            if (!sp.hasManufacturer) return Fail(ERROR_INVALID_DATA);
            v = sp.manufacturer;
            break;
        case SPDRP_DRIVER: v = a->driverName; break;
        default: return Fail(ERROR_INVALID_DATA);
        }
        v += '\0';  // REG_SZ ends in one zero, REG_MULTI_SZ in two
        const auto need = static_cast<DWORD>(v.size());
        if (requiredSize) *requiredSize = need;
        if (size < need) return Fail(ERROR_INSUFFICIENT_BUFFER);
        if (!buffer) return Fail(ERROR_INVALID_USER_BUFFER);
        std::memcpy(buffer, v.data(), need);
        return TRUE;
    }

    HKEY OpenDevRegKey(HDEVINFO set, SP_DEVINFO_DATA* data, DWORD /*scope*/, DWORD /*hwProfile*/, DWORD keyType,
                       REGSAM access) override {
        auto invalid = reinterpret_cast<HKEY>(INVALID_HANDLE_VALUE);
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        const AdapterState* a = Member(s, set, data);
        if (!a) return invalid;
        if (keyType != DIREG_DRV) {
            SetLastError(ERROR_KEY_DOES_NOT_EXIST);
            return invalid;
        }
        HKEY key;
        LONG rc = RegOpenKeyExA(HKEY_LOCAL_MACHINE, (std::string(kClassKeyRoot) + a->driverName).c_str(), 0, access,
                                &key);
        if (rc != ERROR_SUCCESS) {
            SetLastError(static_cast<DWORD>(rc));
            return invalid;
        }
        return key;
    }

    BOOL DestroyDeviceInfoList(HDEVINFO set) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        if (s.deviceSets.erase(set) == 0) return Fail(ERROR_INVALID_HANDLE);
        return TRUE;
    }

private:
    World& w_;

    static BOOL Fail(DWORD error) {
        SetLastError(error);
        return FALSE;
    }

    // The adapter a device-info element names, when it belongs to the set.
    static const AdapterState* Member(World::State& s, HDEVINFO set, const SP_DEVINFO_DATA* data) {
        auto it = s.deviceSets.find(set);
        if (it == s.deviceSets.end()) {
            Fail(ERROR_INVALID_HANDLE);
            return nullptr;
        }
        if (!data || data->cbSize != sizeof(SP_DEVINFO_DATA) || data->DevInst == 0) {
            Fail(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        std::size_t i = data->DevInst - 1;
        for (std::size_t m : it->second)
            if (m == i && i < s.adapters.size()) return &s.adapters[i];
        Fail(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
};

}  // namespace

std::unique_ptr<DeviceEnum> MakeSimDeviceEnum(World& w) { return std::make_unique<SimDeviceEnum>(w); }

}  // namespace platform::sim
