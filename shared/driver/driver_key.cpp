#include "shared/driver/driver_key.h"

#include <algorithm>
#include <string>
#include <vector>

#include "shared/adapter/adapter_identity.h"

namespace {

constexpr size_t kMaxValueBytes = 64u << 20;  // far beyond any value a driver key holds

}  // namespace

HKEY OpenDriverKey(const char* subkey, REGSAM access) {
    if (g_DriverKeyPath[0] == 0) return nullptr;
    std::string path = g_DriverKeyPath;
    if (subkey) path = path + "\\" + subkey;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, access, &key) != ERROR_SUCCESS) return nullptr;
    return key;
}

bool CopyRegistryValues(HKEY source, HKEY destination) {
    DWORD maxName = 0, maxData = 0;
    if (RegQueryInfoKeyA(source, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName, &maxData,
                         nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    std::vector<char> name(maxName + 1);
    std::vector<BYTE> data(maxData ? maxData : 1);
    for (DWORD index = 0;;) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        LONG result = RegEnumValueA(source, index, name.data(), &nameSize, nullptr, &type, data.data(), &dataSize);
        if (result == ERROR_NO_MORE_ITEMS) return true;
        if (result == ERROR_MORE_DATA) {
            // A value grew since the key was measured: measure again (at least doubling) and
            // retry this index.
            if (data.size() >= kMaxValueBytes) return false;
            RegQueryInfoKeyA(source, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName,
                             &maxData, nullptr, nullptr);
            name.resize(std::max<size_t>(maxName + 1, name.size() * 2));
            data.resize(std::max<size_t>(maxData, data.size() * 2));
            continue;
        }
        if (result != ERROR_SUCCESS) return false;
        if (RegSetValueExA(destination, name.data(), 0, type, data.data(), dataSize) != ERROR_SUCCESS) return false;
        ++index;
    }
}

void CopyDriverKeyValues(const char* sourceSubkey, REGSAM sourceAccess, const char* destinationSubkey,
                         REGSAM destinationAccess) {
    HKEY source = OpenDriverKey(sourceSubkey, sourceAccess);
    HKEY destination = OpenDriverKey(destinationSubkey, destinationAccess);
    if (source && destination) CopyRegistryValues(source, destination);
    if (source) RegCloseKey(source);
    if (destination) RegCloseKey(destination);
}
