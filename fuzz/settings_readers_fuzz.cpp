// The readers of the settings files: [Config] of the station file into an apply record (and
// that record into a service profile document), the WPS credentials of the "_wsc" file, the
// activation times of the profile list, the same section as a profile the editor loads
// and writes back, the whole text split into sections as a section is removed (exactly the
// sections the reader sees by that name), and a value in the form it is written. Input: the
// station file's text, a zero byte, then the "_wsc" file's text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "station/core/settings/ini_document.h"
#include "station/core/settings/ini_text.h"
#include "station/core/wlan/wlan_profile_text.h"
#include "station/profiles/editor/profile_editor_model.h"
#include "station/profiles/profile_list.h"
#include "station/profiles/station_config_reader.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckBlock(const Ndis80211KeyHeader* block, uint32_t length) {
    if (!block) return;
    Require(block->KeyLength <= kMaxKeyMaterial && block->Length == KeyBlockSize(block->KeyLength) &&
            length == block->Length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const IniDocument station(input.substr(0, split));
    const IniDocument wps(split == std::string::npos ? std::string() : input.substr(split + 1));

    CertDesc client{}, server{};
    StationConfigContext context;
    context.wpaSupported = 1;
    context.driverVersion = 0x0600;
    context.clientCert = &client;
    context.serverCert = &server;
    ProfileApplyRecord* record = AllocApplyRecord();
    ReadStationConfig(*record, station, context);
    Require(record->SsidLength <= sizeof(record->Ssid));
    Require(record->WpaPassphraseLength <= sizeof(record->WpaPassphrase));
    Require(record->AuthMode >= 0 && record->AuthMode <= 7);
    Require(client.ThumbprintLength <= kCertThumbprintMax && server.ThumbprintLength <= kCertThumbprintMax);
    CheckBlock(record->WpaNoneKey, record->WpaNoneKeyLength);
    for (int n = 0; n < kWepKeyCount; ++n) CheckBlock(WepKeyBlock(*record, n), WepKeyLength(*record, n));
    if (const auto doc = wlan_profile::Build(*record, "Picked")) Require(doc->xml.size() < 4000);
    FreeApplyRecord(record);

    WpsCredentialTable table;
    ReadWpsCredentials(station, wps, table);
    Require(table.Count <= kWpsMaxCredentials);
    for (const WpsCredential& c : table.Entries) Require(c.SsidLength <= 32 && c.KeyLength <= kWpsMaxKeyLength);

    ParseActiveTime(station.Read("Config", "ActiveTime", 127));

    ProfileEditorModel model;
    InitProfileModel(model, "Config", "", 1, 0, 0, 1, 1, 11);
    ReadProfileModel(model, station, 11, &client, &server);
    Require(model.sys.ssid.size() <= kSsidMax);
    Require(model.auth.authMode >= 0 && model.auth.authMode <= 7);
    Require(model.auth.defaultKey >= 0 && model.auth.defaultKey <= 3);
    Require(model.auth.leapEncryption >= 0 && model.auth.leapEncryption <= 2);
    Require(model.sys.networkType >= 0 && model.sys.networkType <= 2);
    Require(client.ThumbprintLength <= kCertThumbprintMax && server.ThumbprintLength <= kCertThumbprintMax);
    Require(WriteProfileValues(model, &client, &server).size() == 49);

    // Removing a profile's section rewrites the file from its split lines.
    IniSections sections;
    ParseIniFile(input, sections);
    std::string joined;
    for (const IniSection& section : sections)
        for (const std::string& line : section) joined += line;
    Require(joined == input);
    Require(RemoveIniSection(input, "Config").size() <= input.size());
    // It takes exactly the sections the reader sees under that name.
    const std::string stationText = input.substr(0, split);
    std::vector<std::string> kept;
    for (const std::string& name : station.SectionNames())
        if (name != "Config") kept.push_back(name);
    Require(IniDocument(RemoveIniSection(stationText, "Config")).SectionNames() == kept);

    // A value written in its encoded form reads back as it was: the first line of the input.
    const std::string value = stationText.substr(0, stationText.find('\n'));
    Require(IniDocument("[S]\nk=" + EncodeIniValue(value) + "\n").Read("S", "k", value.size()) == value);
    return 0;
}
