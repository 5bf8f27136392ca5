// The QoS page and its power-save dialog hold their texts without overlap; without a main
// window the page still loads its switches from the driver key.
#include <windows.h>

#include <gtest/gtest.h>

#include "dialog_steps.h"
#include "page_fixture.h"
#include "resources/station/resource.h"
#include "station/pages/qos_page.h"

namespace {

class QosLayoutTest : public PageInSheetTest<CQoSPAGE> {};

TEST_F(QosLayoutTest, PageAndPowerSaveDialogHoldTheirTextsWithoutOverlap) {
    Load(testutil::HtScenario("value WMMCapable = 1\nvalue APSDCapable = 1\n"));
    testutil::BindAdapter(world, 7);
    Open();
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_QOS_WMM), 1u);
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_QOS_APSD), 1u);
    EXPECT_EQ(page->IsDlgButtonChecked(IDC_QOS_DLS), 0u);
    EXPECT_FALSE(Enabled(IDC_QOS_LINK_APPLY));
    EXPECT_EQ(Text(IDC_QOS_DIRECT_LINK_LABEL), "Direct Link");
    EXPECT_EQ(Text(IDC_QOS_MAC_LABEL), "MAC Address :");
    testutil::ExpectTidyLayout(page->m_hWnd);
    testutil::WithModal("Power Save Setting", [&] { return page->SendMessage(WM_COMMAND, IDC_QOS_APSD_SETTING, 0); },
                        [&](HWND dialog) {
                            testutil::ExpectTidyLayout(dialog);
                            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                        });
}

}  // namespace
