#include "daduve/ap_key_reader.h"

#include <cstring>

#include "daduve/ap_numbers.h"
#include "daduve/mac_entry.h"

namespace daduve {

bool ReadRegText(const ApKeyReader& key, const char* name, size_t bufferBytes, std::string* text)
{
    RegValueData value;
    if (bufferBytes == 0 || !key.Read(name, bufferBytes - 1, &value) || value.type != kRegSz)
        return false;
    const size_t limit = value.bytes.size() < bufferBytes - 1 ? value.bytes.size() : bufferBytes - 1;
    size_t length = 0;
    while (length < limit && value.bytes[length] != 0)
        ++length;
    text->assign(reinterpret_cast<const char*>(value.bytes.data()), length);
    return true;
}

bool ReadRegNumber(const ApKeyReader& key, const char* name, size_t bufferBytes, int* value)
{
    std::string text;
    if (!ReadRegText(key, name, bufferBytes, &text))
        return false;
    *value = DecimalValue(text);
    return true;
}

bool ReadRegNumberU32(const ApKeyReader& key, const char* name, size_t bufferBytes, uint32_t* value)
{
    std::string text;
    if (!ReadRegText(key, name, bufferBytes, &text))
        return false;
    *value = DecimalValueU32(text);
    return true;
}

bool ReadRegFirstDword(const ApKeyReader& key, const char* name, size_t bufferBytes, uint32_t* value)
{
    RegValueData data;
    if (!key.Read(name, bufferBytes, &data))
        return false;
    uint8_t bytes[4] = {};
    std::memcpy(bytes, data.bytes.data(), data.bytes.size() < 4 ? data.bytes.size() : 4);
    *value = static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
             static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
    return true;
}

std::vector<std::string> ReadRegMacList(const ApKeyReader& key, const char* name, size_t bufferBytes,
                                        size_t maxEntries)
{
    RegValueData data;
    if (!key.Read(name, bufferBytes, &data) || (data.type != kRegMultiSz && data.type != kRegSz))
        return {};
    const size_t size = data.bytes.size() < bufferBytes ? data.bytes.size() : bufferBytes;
    return ParseMacMultiString(data.bytes.data(), size, maxEntries);
}

}  // namespace daduve
