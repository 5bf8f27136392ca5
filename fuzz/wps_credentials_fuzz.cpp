// The credential table as the driver hands it over (query OID 0xFF0C002E), then as the "_wsc"
// file keeps it and the profile code reads it back. Input: the driver's answer, any length.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "station/core/ini_document.h"
#include "station/core/wps_credential_table.h"
#include "station/profiles/station_config_reader.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void RequireBounded(const WpsCredentialTable& table) {
    Require(table.Count <= kWpsMaxCredentials);
    for (const WpsCredential& c : table.Entries) Require(c.SsidLength <= 32 && c.KeyLength <= kWpsMaxKeyLength);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WpsCredentialTable table;
    ParseWpsCredentialTable(data, size, table);
    RequireBounded(table);

    std::string text, section;
    for (const WpsFileValue& v : WpsCredentialFileValues(table, 0, 12345670)) {
        if (v.section != section) text += "[" + (section = v.section) + "]\n";
        text += v.key + "=" + v.value + "\n";
    }
    WpsCredentialTable back;
    ReadWpsCredentials(IniDocument("[Config]\nWSC=1\n"), IniDocument(text), back);
    RequireBounded(back);
    Require(back.Count == table.Count);
    return 0;
}
