#pragma once
// The registry under the configuration readers and writers: an open key as an
// ApKeyReader, and the writes, each failure traced by the value's name.
#include <windows.h>

#include <string>
#include <vector>

#include "softap/core/config/ap_key_reader.h"

namespace softap {

class RegistryKeyReader : public ApKeyReader {
public:
    explicit RegistryKeyReader(HKEY key) : m_hKey(key) {}
    bool Read(const char* name, size_t maxBytes, RegValueData* out) const override;

private:
    HKEY m_hKey;
};

// An open key that closes itself.
class ScopedKey {
public:
    explicit ScopedKey(HKEY key = nullptr) : m_hKey(key) {}
    ~ScopedKey()
    {
        if (m_hKey)
            RegCloseKey(m_hKey);
    }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;
    HKEY get() const { return m_hKey; }
    explicit operator bool() const { return m_hKey != nullptr; }

private:
    HKEY m_hKey;
};

// REG_SZ with its terminator.
bool WriteRegText(HKEY key, const char* name, const std::string& text);
bool WriteRegNumber(HKEY key, const char* name, int value);
bool WriteRegDword(HKEY key, const char* name, DWORD value);
bool WriteRegMultiString(HKEY key, const char* name, const std::vector<uint8_t>& bytes);
// Present with any type and length.
bool HasRegValue(HKEY key, const char* name);

// The driver key or one of its subkeys, opened; traced when it does not open.
HKEY OpenDriverKeyTraced(const char* subkey, REGSAM access);

}  // namespace softap
