#pragma once
// A page that refreshes itself every 2 seconds while it is the active page (the Mac Table
// and Event Log pages): timer 1 runs from OnSetActive to OnKillActive, and every WM_TIMER
// runs the page's refresh.
#include <windows.h>

#include "framework/property_page.h"

namespace softap {

constexpr UINT_PTR kRefreshTimerId = 1;
constexpr UINT kRefreshMs = 2000;

class CRefreshPage : public fw::CPropertyPage {
public:
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

    // What each tick does.
    virtual void Refresh() = 0;

protected:
    CRefreshPage(UINT templateId, UINT captionId) : fw::CPropertyPage(templateId, captionId) {}

    void OnTimer(UINT_PTR);
    FW_DECLARE_MESSAGE_MAP()
};

}  // namespace softap
