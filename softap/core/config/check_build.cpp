#include "softap/core/config/check_build.h"

#include <string>

#include "softap/core/config/ap_key_reader.h"
#include "softap/core/config/ap_numbers.h"
#include "softap/core/havix_trace.h"
#include "softap/core/config/reg_key.h"

namespace softap {

int ReadCheckBuild()
{
    ScopedKey key(OpenDriverKeyTraced(nullptr, KEY_ALL_ACCESS));
    if (!key)
        return 0;
    constexpr const char* kName = "bCheckBuild";
    std::string text;
    if (ReadRegText(RegistryKeyReader(key.get()), kName, kPageBufferBytes, &text))
        return DecimalValue(text);
    if (HasRegValue(key.get(), kName)) {
        Trace("RegQueryValueEx 'REGSTR_CHECK_BUILD' failed\n");
        return 0;
    }
    if (RegSetValueExA(key.get(), kName, 0, REG_SZ, reinterpret_cast<const BYTE*>("0"), 2) != ERROR_SUCCESS)
        Trace("RegSetValueEx 'REGSTR_CHECK_BUILD' failed\n");
    return 0;
}

}  // namespace softap
