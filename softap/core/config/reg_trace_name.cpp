#include "daduve/reg_trace_name.h"

namespace daduve {

std::string RegTraceName(const char* valueName)
{
    std::string name = "REGSTR_";
    for (const char* p = valueName; p && *p; ++p)
        name += (*p >= 'a' && *p <= 'z') ? static_cast<char>(*p - 'a' + 'A') : *p;
    return name;
}

}  // namespace daduve
