#include "softap/core/config/reg_trace_name.h"

namespace softap {

std::string RegTraceName(const char* valueName)
{
    std::string name = "REGSTR_";
    for (const char* p = valueName; p && *p; ++p)
        name += (*p >= 'a' && *p <= 'z') ? static_cast<char>(*p - 'a' + 'A') : *p;
    return name;
}

}  // namespace softap
