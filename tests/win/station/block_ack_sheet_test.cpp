// The main sheet holds the block-ack page without ever showing it: on a legacy adapter and
// on an 802.11n one the poll's block-ack step finds nothing, and no block-ack OID is sent.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "station/core/hide_dlg.h"
#include "station/core/qel_prop_sheet.h"
#include "station/pages/block_ack_page.h"
#include "station_fixture.h"

namespace {

class BlockAckSheetTest : public MainWindowFixture {};

TEST_F(BlockAckSheetTest, TheMainSheetNeverShowsTheBlockAckPage) {
    for (int ht : {0, 1}) {
        Load(testutil::Scenario("default.scn"));
        Run([&] {
            ASSERT_TRUE(dialog.m_pSheet && dialog.m_pSheet->IsWindow());
            CQelPropSheet* sheet = dialog.m_pSheet;
            g_IsHtChip = ht;
            Poll();
            Poll();
            EXPECT_EQ(sheet->GetPageCount(), 6) << ht;
            for (int i = 0; i < sheet->GetPageCount(); ++i)
                EXPECT_EQ(dynamic_cast<CBlockAck*>(sheet->GetPage(i)), nullptr) << ht;
            for (const auto& e : world.Journal())
                for (uint32_t oid : {0xFF0C0025u, 0xFF8C0025u, 0xFF0C0026u, 0xFF8C0026u, 0xFF8C0027u, 0xFF0C0029u})
                    EXPECT_NE(e.oid, oid) << std::hex << oid;
        });
        platform::sim::Uninstall();
    }
}

}  // namespace
