#pragma once
// The caption of Havix's message boxes.

namespace softap {

constexpr const char* kAppTitle = "Havix";

}  // namespace softap
