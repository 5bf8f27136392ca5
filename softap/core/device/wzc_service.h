#pragma once
// The Wireless Zero Configuration service would fight the access point for the adapter:
// Havix stops it at start and whenever a poll finds it running again.

namespace softap {

constexpr const char* kWzcServiceName = "WZCSVC";

// Whether "WZCSVC" runs; any failure of the service manager counts as not running.
bool IsWzcRunning();

// Asks "WZCSVC" to stop unless it is stopped already; does not wait for the stop.
// Failures are silent.
void StopWzcService();

}  // namespace softap
