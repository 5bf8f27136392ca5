#pragma once
// Traced steps of Havix (registry and configuration failures, the MCS steps): formatted
// and kept as the last trace text; while g_Ap.checkBuild is 1 each line is also appended
// to the trace file, which is opened and closed per line.
#include <string>

#ifdef __MINGW_PRINTF_FORMAT
#define HAVIX_TRACE_FORMAT __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)))
#elif defined(__GNUC__)
#define HAVIX_TRACE_FORMAT __attribute__((format(printf, 1, 2)))
#else
#define HAVIX_TRACE_FORMAT
#endif

namespace softap {

constexpr const char* kTraceFileName = "C:\\test_Havix.txt";

void Trace(const char* format, ...) HAVIX_TRACE_FORMAT;

// The text of the last Trace call.
const std::string& LastTrace();
// Tests point the file elsewhere; an empty path restores the default.
void SetTraceFilePath(const std::string& path);

}  // namespace softap
