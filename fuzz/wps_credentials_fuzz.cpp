// The credential table as the driver hands it over (query OID 0xFF0C002E), the connect record
// built from each credential, then the table as the "_wsc" file keeps it and the profile code
// reads it back. Input: the driver's answer, any length.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "station/core/settings/ini_document.h"
#include "station/core/wps/wps_credential_table.h"
#include "station/core/wps/wps_profile_record.h"
#include "station/profiles/station_config_reader.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void RequireBounded(const WpsCredentialTable& table) {
    Require(table.Count <= kWpsMaxCredentials);
    for (const WpsCredential& c : table.Entries) Require(c.SsidLength <= 32 && c.KeyLength <= kWpsMaxKeyLength);
}

// The connect record of one credential: every length within its field, each key block
// no longer than the longest WEP key.
void RequireRecordBounded(const WpsCredential& credential) {
    ProfileApplyRecord* record = AllocApplyRecord();
    Require(record != nullptr);
    FillRecordFromWpsCredential(credential, *record);
    Require(record->SsidLength <= sizeof record->Ssid);
    Require(record->WpaPassphraseLength <= sizeof record->WpaPassphrase);
    for (int n = 0; n < kWepKeyCount; ++n) {
        const Ndis80211KeyHeader* block = WepKeyBlock(*record, n);
        if (block) Require(block->KeyLength <= 13 && block->Length == block->KeyLength + 39);
    }
    FreeApplyRecord(record);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // On the heap at its exact size: a read past the last credential is caught.
    auto parsed = std::make_unique<WpsCredentialTable>();
    WpsCredentialTable& table = *parsed;
    ParseWpsCredentialTable(data, size, table);
    RequireBounded(table);
    for (uint32_t i = 0; i < table.Count; ++i) RequireRecordBounded(table.Entries[i]);

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
