#pragma once
// Stored values held in memory, read as the registry reads them: a value longer than the
// reader's buffer is not read.
#include <map>
#include <string>
#include <vector>

#include <algorithm>
#include <cstdint>

#include "softap/core/push/ap_driver.h"
#include "softap/core/config/ap_key_reader.h"

class MemoryKey : public softap::ApKeyReader {
public:
    bool Read(const char* name, size_t maxBytes, softap::RegValueData* out) const override {
        auto it = values.find(name);
        if (it == values.end() || it->second.bytes.size() > maxBytes) return false;
        *out = it->second;
        return true;
    }
    // REG_SZ with its terminator, as the utilities write it.
    void Text(const std::string& name, const std::string& text) {
        softap::RegValueData v;
        v.type = softap::kRegSz;
        v.bytes.assign(text.begin(), text.end());
        v.bytes.push_back(0);
        values[name] = v;
    }
    void Raw(const std::string& name, uint32_t type, const std::vector<uint8_t>& bytes) {
        values[name] = softap::RegValueData{type, bytes};
    }
    std::map<std::string, softap::RegValueData> values;
};

// Records what is sent; queries fail unless answered.
class RecordingDriver : public softap::ApDriver {
public:
    struct Call {
        uint32_t oid;
        bool set;
        std::vector<uint8_t> bytes;
    };
    bool Query(uint32_t oid, void* buffer, uint32_t length, uint32_t* returned) override {
        calls.push_back({oid, false, {}});
        auto it = answers.find(oid);
        if (it == answers.end() || it->second.size() > length) return false;
        std::copy(it->second.begin(), it->second.end(), static_cast<uint8_t*>(buffer));
        if (returned) *returned = static_cast<uint32_t>(it->second.size());
        return true;
    }
    bool Set(uint32_t oid, const void* buffer, uint32_t length, int) override {
        const auto* b = static_cast<const uint8_t*>(buffer);
        calls.push_back({oid, true, std::vector<uint8_t>(b, b + length)});
        return true;
    }
    std::vector<Call> SetsOf(uint32_t oid) const {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.set && c.oid == oid) out.push_back(c);
        return out;
    }
    std::map<uint32_t, std::vector<uint8_t>> answers;
    std::vector<Call> calls;
};
