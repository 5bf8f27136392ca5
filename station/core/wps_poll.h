#pragma once
// What the main window's timers ask of the WPS work: the credential table the driver
// fills, and the step the poll runs with each timer id.
#include <cstdint>

constexpr unsigned kWpsCredentialTableBytes = 996;
extern uint8_t g_WpsCredentialTable[kWpsCredentialTableBytes];

// 0 for timer 4 (the poll ends there), 1 otherwise.
int PollWps(unsigned timerId);
