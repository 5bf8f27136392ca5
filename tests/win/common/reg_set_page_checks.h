#pragma once
// The checks both programs' Setting Register page tests make, over the program's
// page-in-sheet fixture, on an adapter with "register mac 0x1000 = 0x12345678", "register bbp
// 255 = 0x1A5", "register eeprom 0x36 = 0xBEEF" and the R17 record 05 40 20 7f. The control
// ids are those of the resource.h the test included before this: both programs name them
// alike.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/sim/world.h"

#ifndef IDC_REGSET_MAC_QUERY
#error "include the program's resource.h before reg_set_page_checks.h"
#endif

namespace testutil {

inline platform::sim::Bytes RegisterWords(std::initializer_list<uint32_t> words) {
    platform::sim::Bytes out;
    for (uint32_t w : words)
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(w >> (8 * i)));
    return out;
}

struct RegisterRead {
    const char* name;
    int offsetId;
    const char* offset;
    int button;
    platform::sim::Bytes sent;
    int valueId;
    const char* shown;
};
// What both pages read alike.
inline std::vector<RegisterRead> CommonRegisterReads() {
    return {
        {"MAC", IDC_REGSET_MAC_OFFSET, "1000", IDC_REGSET_MAC_QUERY, RegisterWords({0, 0x1000, 0}),
         IDC_REGSET_MAC_VALUE, "12345678"},
        // A value wider than a byte shows its low byte.
        {"BBP", IDC_REGSET_BBP_ID, "255", IDC_REGSET_BBP_QUERY, RegisterWords({1, 255, 0}), IDC_REGSET_BBP_VALUE,
         "A5"},
        {"EEPROM", IDC_REGSET_EEPROM_OFFSET, "36", IDC_REGSET_EEPROM_QUERY, RegisterWords({3, 0x36, 0}),
         IDC_REGSET_EEPROM_VALUE, "0000BEEF"},
    };
}

struct RegisterWrite {
    const char* name;
    std::vector<std::pair<int, const char*>> fields;
    int button;
    DWORD oid;  // as sent
    platform::sim::Bytes sent;
};

// A text that is not a number, pasted past the edit's filter.
struct RegisterRefusal {
    int field;
    const char* text;
    int button;
    const char* message;
};

template <class Fixture>
class RegSetPageChecks : public Fixture {
protected:
    void CheckReads(const std::vector<RegisterRead>& cases, DWORD queryOid) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            this->world.ClearJournal();
            this->SetText(c.offsetId, c.offset);
            this->Click(c.button);
            const auto calls = this->Calls(queryOid);
            ASSERT_EQ(calls.size(), 1u);
            EXPECT_EQ(calls[0].in, c.sent);
            EXPECT_EQ(this->Text(c.valueId), c.shown);
        }
    }

    // Each write is all the journal holds, and no message comes up.
    void CheckWrites(const std::vector<RegisterWrite>& cases) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            this->world.ClearJournal();
            for (const auto& [id, text] : c.fields) this->SetText(id, text);
            this->Click(c.button);
            ASSERT_EQ(this->world.Journal().size(), 1u);
            const auto calls = this->Calls(c.oid);
            ASSERT_EQ(calls.size(), 1u);
            EXPECT_TRUE(calls[0].set);
            EXPECT_EQ(calls[0].in, c.sent);
        }
        EXPECT_TRUE(this->world.MessageBoxCalls().empty());
    }

    void CheckR17QueryShowsTheFourBytes() {
        this->Click(IDC_REGSET_R17_QUERY);
        const auto calls = this->Calls(0x0D710109);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].in, platform::sim::Bytes(4, 0)) << "zeroed first";
        EXPECT_EQ(this->Text(IDC_REGSET_R17_BYTE0), "5");
        EXPECT_EQ(this->Text(IDC_REGSET_R17_BYTE1), "64");
        EXPECT_EQ(this->Text(IDC_REGSET_R17_BYTE2), "32");
        EXPECT_EQ(this->Text(IDC_REGSET_R17_MAX), "7f");
    }

    // A refused read shows the zero it started with, never the value of an earlier read.
    void CheckFailedReadShowsZero(DWORD queryOid) {
        this->SetText(IDC_REGSET_MAC_OFFSET, "1000");
        this->Click(IDC_REGSET_MAC_QUERY);
        ASSERT_EQ(this->Text(IDC_REGSET_MAC_VALUE), "12345678");
        this->world.FailOid(queryOid, 1);
        this->Click(IDC_REGSET_MAC_QUERY);
        EXPECT_EQ(this->Text(IDC_REGSET_MAC_VALUE), "00000000");
    }

    // Each refused with its message, the field focused and nothing sent.
    void CheckRefusals(const std::vector<RegisterRefusal>& cases) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.text);
            const std::string before = this->Text(c.field);
            this->SetText(c.field, c.text);
            this->world.ClearJournal();
            const size_t boxes = this->world.MessageBoxCalls().size();
            this->Click(c.button);
            EXPECT_TRUE(this->world.Journal().empty());
            const auto calls = this->world.MessageBoxCalls();
            ASSERT_EQ(calls.size(), boxes + 1);
            EXPECT_EQ(calls.back().text, c.message);
            EXPECT_EQ(GetFocus(), this->page->GetDlgItem(c.field));
            this->SetText(c.field, before);
        }
    }
};

}  // namespace testutil
