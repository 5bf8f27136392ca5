#include "softap/core/config/ap_key_reader.h"

#include <cstring>

#include "softap/core/records/access_control_record.h"
#include "softap/core/records/wds_record.h"
#include "softap/core/config/ap_numbers.h"
#include "softap/core/havix_trace.h"
#include "softap/core/input/mac_entry.h"
#include "softap/core/config/reg_trace_name.h"

namespace softap {

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
    if (!data.bytes.empty())
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

std::vector<std::string> ReadAccessControlList(const ApKeyReader& key)
{
    return ReadRegMacList(key, "AccessControlList", kWholeValue, kAccessControlMaxEntries);
}

std::vector<std::string> ReadWdsList(const ApKeyReader& key)
{
    return ReadRegMacList(key, "WdsList", kWholeValue, kWdsMaxPeers);
}

namespace {

bool Traced(const char* name, bool ok)
{
    if (!ok)
        Trace("RegQueryValueEx '%s' failed\n", RegTraceName(name).c_str());
    return ok;
}

}  // namespace

bool TracedValues::Text(const char* name, std::string& text) const
{
    return Traced(name, ReadRegText(m_Key, name, m_nBufferBytes, &text));
}

bool TracedValues::Number(const char* name, int& value) const
{
    return Traced(name, ReadRegNumber(m_Key, name, m_nBufferBytes, &value));
}

bool TracedValues::NumberU32(const char* name, uint32_t& value) const
{
    return Traced(name, ReadRegNumberU32(m_Key, name, m_nBufferBytes, &value));
}

bool TracedValues::FirstDword(const char* name, uint32_t& value) const
{
    return Traced(name, ReadRegFirstDword(m_Key, name, m_nBufferBytes, &value));
}

}  // namespace softap
