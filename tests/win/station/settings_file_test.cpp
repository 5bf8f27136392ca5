// The per-adapter settings files in a data directory of the test's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <cstring>

#include "resources/station/resource.h"
#include "station/core/qel_config_app.h"
#include "station/core/settings/settings_file.h"
#include "station/profiles/dot1x/cert_desc.h"
#include "station/profiles/profile_keys.h"
#include "station/profiles/editor/profile_sheet.h"
#include "station/profiles/station_config_reader.h"
#include "station_fixture.h"

namespace {

constexpr const char* kAdapter = "{6F2A9C14-3B7E-4D21-9A58-0C4E1B7D3F92}";

class SettingsFileTest : public StationTest {
protected:
    void SetUp() override {
        StationTest::SetUp();
        data_ = std::make_unique<testutil::TempDataDirectory>("lumora-settings");
        ASSERT_TRUE(data_->Made());
        dir_ = data_->Path();
        ASSERT_EQ(CQelConfigApp::DataDirectory(), dir_);
        g_ChipIndex = 5;
    }
    void TearDown() override {
        data_.reset();
        StationTest::TearDown();
    }

    std::string Prof() const { return dir_ + "KV31_" + kAdapter + "_prof"; }

    std::string FileText(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void WriteFileText(const std::string& path, const std::string& text) const {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        ReadIniSectionNames(kAdapter, names);
        return names;
    }

    std::unique_ptr<testutil::TempDataDirectory> data_;
    std::string dir_;
};

TEST_F(SettingsFileTest, ValuesRoundTripInTheFileOfTheirKind) {
    const int kinds[] = {kSettingsStation, kSettingsAp, kSettingsProfiles, kSettingsWps};
    const char* suffixes[] = {"_sta", "_ap", "_prof", "_wsc"};
    for (int kind : kinds) {
        const std::string value = std::string("value ") + suffixes[kind];
        EXPECT_TRUE(WriteIniValue(kAdapter, kind, "Config", "Key", value.c_str()));
        EXPECT_EQ(GetFileAttributesA((dir_ + "KV31_" + kAdapter + suffixes[kind]).c_str()) !=
                      INVALID_FILE_ATTRIBUTES,
                  true)
            << suffixes[kind];
    }
    for (int kind : kinds) EXPECT_EQ(ReadIniValue(kAdapter, kind, "Config", "Key"), std::string("value ") + suffixes[kind]);

    EXPECT_EQ(ReadIniValue(kAdapter, kSettingsStation, "Config", "Missing"), "");
    EXPECT_EQ(ReadIniValue(kAdapter, kSettingsStation, "Nowhere", "Key"), "");
    EXPECT_EQ(ReadIniValue("other adapter", kSettingsStation, "Config", "Key"), "");

    char small[6];
    EXPECT_EQ(ReadIniValue(kAdapter, kSettingsStation, "Config", "Key", small, sizeof(small)), 5u);
    EXPECT_STREQ(small, "value");
}

TEST_F(SettingsFileTest, ClearKeepsActiveTimeAndConfigCopyTakesEveryProfileKey) {
    for (size_t i = 0; i < kProfileKeyCount; ++i)
        WriteIniValue(kAdapter, kSettingsProfiles, "Home", kProfileKeys[i], (std::string("v") + kProfileKeys[i]).c_str());
    WriteIniValue(kAdapter, kSettingsProfiles, "Home", "ActiveTime", "2024, 5, 6, 7, 8, 9");

    UpdateIniConfigSection(kAdapter, "Home");
    for (size_t i = 0; i < kProfileKeyCount; ++i)
        EXPECT_EQ(ReadIniValue(kAdapter, kSettingsStation, "Config", kProfileKeys[i]),
                  std::string("v") + kProfileKeys[i]);
    EXPECT_EQ(ReadIniValue(kAdapter, kSettingsStation, "Config", "ActiveTime"), "");

    ClearIniSection(kAdapter, "Home");
    for (size_t i = 0; i < kProfileKeyCount; ++i) {
        char value[16] = "unset";
        // Present and empty: the default never shows.
        GetPrivateProfileStringA("Home", kProfileKeys[i], "absent", value, sizeof(value), Prof().c_str());
        EXPECT_STREQ(value, "") << kProfileKeys[i];
    }
    EXPECT_EQ(ReadIniValue(kAdapter, kSettingsProfiles, "Home", "ActiveTime"), "2024, 5, 6, 7, 8, 9");
}

TEST_F(SettingsFileTest, SectionNamesListEveryProfileBeyondAThousandBytes) {
    std::vector<std::string> expected;
    for (int i = 0; i < 40; ++i) {
        std::string name = "Profile number " + std::to_string(i) + " with a fairly long name (x)";
        if (i == 39) name = "Last one";
        WriteIniValue(kAdapter, kSettingsProfiles, name.c_str(), "SSID", "s");
        expected.push_back(name);
    }
    EXPECT_EQ(Names(), expected);
    EXPECT_EQ(IniSectionExists(kAdapter, "Last one"), 1);
    // The private-profile functions take one for the other: a new "last one" would overwrite it.
    EXPECT_EQ(IniSectionExists(kAdapter, "last one"), 1);
    EXPECT_EQ(IniSectionExists(kAdapter, "Last"), 0);
    EXPECT_TRUE(Names().size() == 40u);

    std::vector<std::string> stale = {"stale"};
    ReadIniSectionNames("no such adapter", stale);
    EXPECT_TRUE(stale.empty());
}

TEST_F(SettingsFileTest, DeletingASectionKeepsEveryOtherSection) {
    WriteFileText(Prof(),
                  "[Office]\r\nSSID=a\r\n"
                  "[Cafe (5G) {x}]\r\nSSID=b\r\n"
                  "[Cafe (5G) {x}2]\r\nSSID=c\r\n"
                  "[Home net]\r\nSSID=d\r\n"
                  "[Last]\r\nSSID=e\r\nWPAPSK=no line end");
    EXPECT_EQ(WriteIniFile(kAdapter, "Cafe (5G) {x}"), 1);
    EXPECT_EQ(FileText(Prof()),
              "[Office]\r\nSSID=a\r\n"
              "[Cafe (5G) {x}2]\r\nSSID=c\r\n"
              "[Home net]\r\nSSID=d\r\n"
              "[Last]\r\nSSID=e\r\nWPAPSK=no line end");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Office", "Cafe (5G) {x}2", "Home net", "Last"}));
    EXPECT_EQ(ReadIniValue(kAdapter, kSettingsProfiles, "Last", "WPAPSK"), "no line end");

    // What the profile functions wrote just before is part of what stays.
    WriteIniValue(kAdapter, kSettingsProfiles, "Office", "Channel", "6");
    EXPECT_EQ(WriteIniFile(kAdapter, "Home net"), 1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Office", "Cafe (5G) {x}2", "Last"}));
    EXPECT_EQ(ReadIniValue(kAdapter, kSettingsProfiles, "Office", "Channel"), "6");
    EXPECT_EQ(GetFileAttributesA((Prof() + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
}

// Headers the private-profile functions accept besides "[name]": blanks before it, blanks or
// a comment after "]". Deleting such a profile removes exactly its section as those
// functions see it, and every other profile keeps its keys.
TEST_F(SettingsFileTest, DeletingRemovesExactlyTheSectionTheProfileFunctionsSee) {
    const std::string file = "[Office]\r\nSSID=a\r\n"
                             "  [Cafe]\r\nSSID=b\r\n"
                             "[Home] ; moved in 2024\r\nSSID=c\r\n"
                             "\t[Quay]   \r\nSSID=d\r\n"
                             "[Last]\r\nSSID=e\r\n";
    const std::vector<std::string> all = {"Office", "Cafe", "Home", "Quay", "Last"};
    for (const std::string& gone : all) {
        SCOPED_TRACE(gone);
        WriteFileText(Prof(), file);
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, Prof().c_str());
        ASSERT_EQ(Names(), all);
        EXPECT_EQ(WriteIniFile(kAdapter, gone.c_str()), 1);
        std::vector<std::string> left;
        for (size_t i = 0; i < all.size(); ++i) {
            if (all[i] == gone) continue;
            left.push_back(all[i]);
            EXPECT_EQ(ReadIniValue(kAdapter, kSettingsProfiles, all[i].c_str(), "SSID"), std::string(1, 'a' + i)) << all[i];
        }
        EXPECT_EQ(Names(), left);
    }
}

TEST_F(SettingsFileTest, AFailedRewriteLeavesTheOldFileWhole) {
    EXPECT_EQ(WriteIniFile(kAdapter, "Any"), 0);  // no file
    EXPECT_EQ(GetFileAttributesA(Prof().c_str()), INVALID_FILE_ATTRIBUTES);

    const std::string text = "[A]\r\nx=1\r\n[B]\r\ny=2\r\n";
    WriteFileText(Prof(), text);
    ASSERT_TRUE(CreateDirectoryA((Prof() + ".new").c_str(), nullptr));  // the new file cannot be made
    EXPECT_EQ(WriteIniFile(kAdapter, "A"), 0);
    EXPECT_EQ(FileText(Prof()), text);
    RemoveDirectoryA((Prof() + ".new").c_str());
}

// The texts of a profile with blanks or quotes at their ends: saved by the editor, read back
// by the editor and, once the profile is activated, by the reader of the connect record,
// each exactly as it was; a text without such ends is written as it always was.
TEST_F(SettingsFileTest, ProfileTextsWithBlanksOrQuotesAtTheirEndsReadBackAsSaved) {
    std::strcpy(g_NetCfgInstanceId, kAdapter);
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        {"1234567 ", "\"1234567 \""},  {" leading", "\" leading\""},   {"\"quoted\"", "\"\"quoted\"\""},
        {"'quoted'", "\"'quoted'\""},  {"\"", "\"\"\""},               {"ends in \"", "\"ends in \"\""},
        {"", ""},                      {"plain text", "plain text"},   {"it's \"in\" it", "it's \"in\" it"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "[" << c.text << "]");
        {
            CProfileSheet editor(IDS_ADD_PROFILE_CAPTION);
            editor.InitProfile("Home", "", 1, 4, 1, 1, 1);
            ProfileEditorModel& m = editor.Model();
            m.sys.ssid = m.auth.psk = m.auth.leapIdentity = m.auth.leapPassword = c.text;
            m.auth.use8021X = 1;
            Dot1xSettings& d = m.auth.dot1x;
            d.identity = d.password = d.tunnelIdentity = d.tunnelPassword = d.serverName = c.text;
            editor.WriteProfile();
        }
        EXPECT_NE(FileText(Prof()).find(std::string("\r\nWPAPSK=") + c.written + "\r\n"), std::string::npos)
            << FileText(Prof());
        // The file as the next start finds it.
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, Prof().c_str());

        CProfileSheet editor(IDS_ADD_PROFILE_CAPTION);
        editor.InitProfile("Home", "", 1, 0, 0, 1, 1);
        const ProfileEditorModel& m = editor.Model();
        for (const std::string* read : {&m.sys.ssid, &m.auth.psk, &m.auth.leapIdentity, &m.auth.leapPassword,
                                        &m.auth.dot1x.identity, &m.auth.dot1x.password, &m.auth.dot1x.tunnelIdentity,
                                        &m.auth.dot1x.tunnelPassword, &m.auth.dot1x.serverName})
            EXPECT_EQ(*read, c.text);

        UpdateIniConfigSection(kAdapter, "Home");
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, (dir_ + "KV31_" + kAdapter + "_sta").c_str());
        CertDesc client{}, server{};
        StationConfigContext context;
        context.wpaSupported = 1;
        context.clientCert = &client;
        context.serverCert = &server;
        ProfileApplyRecord* record = AllocApplyRecord();
        ReadStationConfig(*record, IniFileSource(kAdapter, kSettingsStation), context);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(record->Ssid), record->SsidLength), c.text);
        EXPECT_EQ(std::string(record->WpaPassphrase, record->WpaPassphraseLength), c.text);
        for (const char* read : {record->Identity, record->Password, record->TunnelID, record->TunnelPassword,
                                 record->ServerName})
            EXPECT_STREQ(read, c.text);
        FreeApplyRecord(record);
    }
}

}  // namespace
