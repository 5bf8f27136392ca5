#pragma once
// What both utilities' block-ack page tests build and check: a session request's bytes, the
// scenario line of a driver's session table, the session lists' columns, and the refresh and
// the Delete dialog's runs, which both pages go through alike.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "framework/property_sheet.h"
#include "platform/sim/world.h"
#include "shared/block_ack/block_ack.h"
#include "shared/block_ack/block_ack_program.h"
#include "tests/win/common/modal_steps.h"
#include "tests/win/layout_check.h"

namespace testutil {

inline platform::sim::Bytes BlockAckRequest(int direction, const uint8_t peer[6], int tid, int window, int all) {
    platform::sim::Bytes r(14, 0);
    r[0] = static_cast<uint8_t>(direction);
    std::memcpy(r.data() + 1, peer, 6);
    r[7] = static_cast<uint8_t>(tid);
    r[8] = static_cast<uint8_t>(window);
    r[12] = static_cast<uint8_t>(all);
    return r;
}

// The driver key's BACapability as a scenario line, and the capability the page sends at
// start for it.
struct BlockAckStartCase {
    const char* name;
    std::string value;
    platform::sim::Bytes sent;
};

inline std::vector<BlockAckStartCase> BlockAckStartCases() {
    return {
        {"no stored value", "", {32, 32, 1, 0, 1, 0, 3, 1}},
        {"stored: aggregation off, density 5, dynamic SMPS, manual", "dword BACapability = 0x016C4010\n",
         {0x10, 0x40, 2, 5, 1, 0, 1, 0}},
        {"all fields 0: A-MSDU and aggregation off, static SMPS", "dword BACapability = 0x00002020\n",
         {32, 32, 2, 0, 0, 0, 0, 0}},
        {"not a REG_DWORD: as if missing", "value BACapability = 1\n", {32, 32, 1, 0, 1, 0, 3, 1}},
    };
}

// An entry of a session table: {direction, slot, last MAC byte, TID bitmap}; the window of
// TID t is 10 + t.
struct BlockAckSession {
    int direction, slot;
    uint8_t macTail, bitmap;
};

// "oid <oid> = <bytes>": the table with the given entries, their MACs macPrefix and macTail,
// and the two counts.
inline std::string BlockAckTableLine(DWORD oid, const uint8_t (&macPrefix)[5], const std::vector<BlockAckSession>& sessions,
                                     int originators, int recipients) {
    platform::sim::Bytes table(sizeof(BaSessionTable), 0);
    for (const BlockAckSession& s : sessions) {
        uint8_t* e = table.data() + (s.direction ? 1536 : 0) + 48 * s.slot;
        std::memcpy(e, macPrefix, 5);
        e[5] = s.macTail;
        e[6] = s.bitmap;
        for (int t = 0; t < 8; ++t) e[8 + t] = static_cast<uint8_t>(10 + t);
    }
    table[3072] = static_cast<uint8_t>(originators);
    table[3073] = static_cast<uint8_t>(recipients);
    char head[32];
    std::snprintf(head, sizeof(head), "oid 0x%08lX = ", static_cast<unsigned long>(oid));
    std::string line = head;
    for (uint8_t b : table) {
        char hex[4];
        std::snprintf(hex, sizeof(hex), "%02X ", b);
        line += hex;
    }
    return line + "\n";
}

// Session tables and the rows the two lists show for them, the peers' MACs macPrefix-xx.
struct BlockAckListCase {
    const char* name;
    std::vector<BlockAckSession> sessions;
    int originators, recipients;  // the table's counts
    std::vector<std::vector<std::string>> originatorRows, recipientRows;
};

inline std::vector<BlockAckListCase> BlockAckListCases(const uint8_t (&macPrefix)[5]) {
    char text[16];
    std::snprintf(text, sizeof(text), "%02X-%02X-%02X-%02X-%02X-", macPrefix[0], macPrefix[1], macPrefix[2],
                  macPrefix[3], macPrefix[4]);
    const std::string p = text;
    return {
        {"count 2 with entries at 0 and 5: a later entry is ignored",
         {{0, 0, 0x01, 0x01}, {0, 5, 0x05, 0x81}, {0, 9, 0x09, 0x02}, {1, 3, 0x33, 0x06}},
         2,
         1,
         {{p + "01", "10", "-", "-", "-", "-", "-", "-", "-"}, {p + "05", "10", "-", "-", "-", "-", "-", "-", "17"}},
         {{p + "33", "-", "11", "12", "-", "-", "-", "-", "-"}}},
        {"count 0 lists nothing", {{0, 0, 0x01, 0x01}, {1, 0, 0x02, 0x01}}, 0, 0, {}, {}},
        {"entries without a TID are skipped",
         {{1, 0, 0x01, 0x00}, {1, 1, 0x02, 0x10}},
         0,
         1,
         {},
         {{p + "02", "-", "-", "-", "-", "14", "-", "-", "-"}}},
        {"a count above 32 stops at the table's end",
         {{0, 31, 0x1F, 0x01}},
         200,
         0,
         {{p + "1F", "10", "-", "-", "-", "-", "-", "-", "-"}},
         {}},
    };
}

// A session list's nine columns: "MAC", "TID=0" and "1" to "7", at 0.33, 0.12 and 0.08 of
// the list's width.
inline void ExpectSessionColumns(HWND list) {
    RECT client{};
    GetClientRect(list, &client);
    const char* headers[] = {"MAC", "TID=0", "1", "2", "3", "4", "5", "6", "7"};
    for (int c = 0; c < 9; ++c) {
        char text[32] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = text;
        column.cchTextMax = sizeof(text);
        ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, c, reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(text, headers[c]);
        const double factor = c == 0 ? 0.33 : c == 1 ? 0.12 : 0.08;
        EXPECT_EQ(column.cx, static_cast<int>(client.right * factor)) << headers[c];
    }
}

// A block-ack page in its test sheet; ids is BLOCK_ACK_RESOURCE_IDS of the program.
struct BlockAckPageInSheet {
    fw::CPropertySheet* sheet;
    fw::CPropertyPage* page;
    fw::CPropertyPage* other;  // a second page of the sheet
    platform::sim::World* world;
    BlockAckResourceIds ids;
};

inline std::vector<platform::sim::Bytes> BlockAckSetsOf(const platform::sim::World& world, DWORD oid) {
    std::vector<platform::sim::Bytes> out;
    for (const auto& e : world.Journal())
        if (e.set && e.oid == oid) out.push_back(e.in);
    return out;
}

// The driver's table lists one originator: the timer refreshes the lists only while the page
// is active, and a failed query of the table keeps what they show.
inline void ExpectRefreshOnlyWhileActive(const BlockAckPageInSheet& t, DWORD querySessionsOid) {
    auto tick = [&] { t.page->SendMessage(WM_TIMER, 1, 0); };
    auto originators = [&] { return ListRows(t.page->GetDlgItem(t.ids.originatorList), 9); };
    t.sheet->SetActivePage(t.other);
    t.world->ClearJournal();
    tick();
    EXPECT_TRUE(t.world->Journal().empty());
    EXPECT_TRUE(originators().empty());

    t.sheet->SetActivePage(t.page);
    tick();
    EXPECT_EQ(originators().size(), 1u);
    t.world->FailOid(querySessionsOid, 1);
    tick();
    EXPECT_EQ(originators().size(), 1u);
}

// The recipient list shows peer with sessions for TIDs 1, 4 and 6 (window 16): delete ends
// TID 4, DELETE ENTRY every TID, each dialog offering the peer once.
inline void ExpectDeleteThenDeleteEntry(const BlockAckPageInSheet& t, const char* caption, DWORD deleteOid,
                                        const uint8_t peer[6], bool checkLayout) {
    using RowList = std::vector<std::vector<std::string>>;
    char mac[18];
    std::snprintf(mac, sizeof(mac), "%02X-%02X-%02X-%02X-%02X-%02X", peer[0], peer[1], peer[2], peer[3], peer[4],
                  peer[5]);
    auto tick = [&] { t.page->SendMessage(WM_TIMER, 1, 0); };
    auto recipients = [&] { return ListRows(t.page->GetDlgItem(t.ids.recipientList), 9); };
    t.world->ClearJournal();

    RowList peers;
    WithModal(
        caption, [&] { return t.page->SendMessage(WM_COMMAND, t.ids.recipientDelete, 0); },
        [&](HWND dialog) {
            peers = ListRows(GetDlgItem(dialog, t.ids.peerList), 1);
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, t.ids.tid)));
            if (checkLayout) ExpectTidyLayout(dialog);
            SendMessageA(GetDlgItem(dialog, t.ids.tid), CB_SETCURSEL, 4, 0);
            SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        });
    // One row for the peer, whatever its number of sessions.
    EXPECT_EQ(peers, (RowList{{mac}}));
    EXPECT_EQ(BlockAckSetsOf(*t.world, deleteOid), (std::vector<platform::sim::Bytes>{BlockAckRequest(1, peer, 4, 0, 0)}));
    tick();
    EXPECT_EQ(recipients(), (RowList{{mac, "-", "16", "-", "-", "-", "-", "16", "-"}}));

    t.world->ClearJournal();
    WithModal(
        caption, [&] { return t.page->SendMessage(WM_COMMAND, t.ids.recipientDeleteAll, 0); },
        [&](HWND dialog) {
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, t.ids.tid)));
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, t.ids.tidLabel)));
            SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        });
    EXPECT_EQ(BlockAckSetsOf(*t.world, deleteOid), (std::vector<platform::sim::Bytes>{BlockAckRequest(1, peer, 0, 0, 1)}));
    tick();
    EXPECT_TRUE(recipients().empty());
}

}  // namespace testutil
