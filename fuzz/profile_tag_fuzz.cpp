// The element texts Lumora takes out of the profile documents the service lists, which any
// program may have stored. Input: a document's text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "station/core/wlan/xml_tag_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    // The nesting Lumora reads for each listed profile.
    const char* const chains[][3] = {{"name", nullptr, nullptr},
                                     {"SSIDConfig", "SSID", "name"},
                                     {"connectionType", nullptr, nullptr},
                                     {"MSM", "security", "authEncryption"}};
    for (const auto& chain : chains) {
        std::string inner = text;
        for (const char* tag : chain) {
            if (!tag) break;
            const std::string next = XmlTagText(inner, tag);
            if (next.size() > inner.size()) std::abort();
            inner = next;
        }
        XmlTagText(inner, "authentication");
        XmlTagText(inner, "encryption");
    }
    return 0;
}
