// The scenario file the simulated world is loaded from: a text anyone writes by hand.
// Input: the file's text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/sim/scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    platform::sim::Scenario scenario;
    platform::sim::ParseError error;
    if (!platform::sim::ParseScenario(text, &scenario, &error)) {
        // A refusal always says why.
        if (error.message.empty()) std::abort();
        error.Text();
    }
    platform::sim::GuidParts guid;
    platform::sim::ParseGuidText(text, &guid);
    return 0;
}
