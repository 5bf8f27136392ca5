#pragma once
// Havix's Windows Help file, beside the program: "SorvelCHN.HLP" on systems whose default
// language is Chinese (Taiwan), "SorvelENG.HLP" on all others. Window-less.
#include <string>

namespace softap {

constexpr unsigned kLangChineseTaiwan = 0x0404;

// modulePath is the program's full path.
std::string HelpFilePath(const std::string& modulePath, unsigned systemLangId);

}  // namespace softap
