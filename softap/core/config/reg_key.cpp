#include "softap/core/config/reg_key.h"

#include "softap/core/config/ap_numbers.h"
#include "softap/core/havix_trace.h"
#include "softap/core/config/reg_trace_name.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/driver/driver_key.h"

namespace softap {

bool RegistryKeyReader::Read(const char* name, size_t maxBytes, RegValueData* out) const
{
    if (maxBytes == kWholeValue) {
        // The value may change between the size and the read: ask again while it grows.
        for (int attempt = 0; attempt < 4; ++attempt) {
            DWORD type = 0, size = 0;
            if (RegQueryValueExA(m_hKey, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
                return false;
            out->bytes.assign(size ? size : 1, 0);
            const LONG result = RegQueryValueExA(m_hKey, name, nullptr, &type, out->bytes.data(), &size);
            if (result == ERROR_MORE_DATA)
                continue;
            if (result != ERROR_SUCCESS)
                return false;
            out->type = type;
            out->bytes.resize(size);
            return true;
        }
        return false;
    }
    out->bytes.assign(maxBytes ? maxBytes : 1, 0);
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(maxBytes);
    const LONG result = RegQueryValueExA(m_hKey, name, nullptr, &type, out->bytes.data(), &size);
    if (result != ERROR_SUCCESS)
        return false;  // ERROR_MORE_DATA too: a value larger than the buffer is not read
    out->type = type;
    out->bytes.resize(size < maxBytes ? size : maxBytes);
    return true;
}

namespace {

bool Written(const char* name, const std::string& shown, LONG result)
{
    if (result != ERROR_SUCCESS)
        Trace("RegSetValueEx %s '%s' failed\n", RegTraceName(name).c_str(), shown.c_str());
    return result == ERROR_SUCCESS;
}

}  // namespace

bool WriteRegText(HKEY key, const char* name, const std::string& text)
{
    return Written(name, text,
                   RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                  static_cast<DWORD>(text.size() + 1)));
}

bool WriteRegNumber(HKEY key, const char* name, int value)
{
    return WriteRegText(key, name, DecimalText(value));
}

bool WriteRegDword(HKEY key, const char* name, DWORD value)
{
    return Written(name, DecimalText(static_cast<uint32_t>(value)),
                   RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)));
}

bool WriteRegMultiString(HKEY key, const char* name, const std::vector<uint8_t>& bytes)
{
    return Written(name, "", RegSetValueExA(key, name, 0, REG_MULTI_SZ, bytes.data(), static_cast<DWORD>(bytes.size())));
}

bool HasRegValue(HKEY key, const char* name)
{
    return RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

HKEY OpenDriverKeyTraced(const char* subkey, REGSAM access)
{
    HKEY key = OpenDriverKey(subkey, access);
    if (!key) {
        const std::string path = std::string(g_DriverKeyPath) + (subkey ? std::string("\\") + subkey : "");
        Trace("RegOpenKeyEx '%s' failed\n", path.c_str());
    }
    return key;
}

}  // namespace softap
