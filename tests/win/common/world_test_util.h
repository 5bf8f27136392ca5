#pragma once
// Helpers of every test that runs against a simulated adapter world: scenario files of the
// source tree and the adapter identity reset, besides the window steps.
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "shared/adapter/adapter_identity.h"
#include "tests/win/window_steps.h"

namespace testutil {

// A scenario file of the source tree, as text.
inline std::string Scenario(const char* name) {
    std::ifstream in(std::string("Z:") + WL_SOURCE_DIR + "/scenarios/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void ResetIdentity() {
    g_HardwareId[0] = 0;
    g_ChipIndex = -1;
    g_IsUsbAdapter = 0;
    g_AdapterDescription[0] = 0;
    g_NetCfgInstanceId[0] = 0;
    g_DevicePath[0] = 0;
    g_DriverKeyPath[0] = 0;
    g_Supports5GHz = 0;
    SetChipFlags(-1);
}

}  // namespace testutil
