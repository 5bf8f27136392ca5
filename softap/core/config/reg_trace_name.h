#pragma once
// The name a registry value goes by in trace lines: "REGSTR_" and the value's name in
// upper case ("REGSTR_SSID").
#include <string>

namespace softap {

std::string RegTraceName(const char* valueName);

}  // namespace softap
