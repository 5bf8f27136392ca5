#pragma once
// What both utilities' block-ack page tests build and check: a session request's bytes, the
// scenario line of a driver's session table, and the session lists' columns.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/sim/world.h"
#include "shared/block_ack.h"

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

}  // namespace testutil
