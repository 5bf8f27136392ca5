#include "softap/core/havix_trace.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "softap/core/config/ap_state.h"

namespace softap {
namespace {

std::string g_LastTrace;
std::string g_TracePath;

}  // namespace

void Trace(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::vector<char> text(n > 0 ? static_cast<size_t>(n) + 1 : 1, '\0');
    if (n > 0)
        std::vsnprintf(text.data(), text.size(), format, again);
    va_end(again);
    g_LastTrace.assign(text.data());

    if (g_Ap.checkBuild != 1)
        return;
    std::FILE* file = std::fopen(g_TracePath.empty() ? kTraceFileName : g_TracePath.c_str(), "a+");
    if (file == nullptr)
        return;
    std::fputs(g_LastTrace.c_str(), file);
    std::fclose(file);
}

const std::string& LastTrace()
{
    return g_LastTrace;
}

void SetTraceFilePath(const std::string& path)
{
    g_TracePath = path;
}

}  // namespace softap
