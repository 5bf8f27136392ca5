#pragma once
// The "Event Log" page: the access point's station events from the program-wide event
// store, time and message, appended every 2 seconds while the page is active and cut to the
// newest 100 rows; Clear empties the list and the store.
#include <windows.h>

#include <cstdint>
#include <string>

#include "softap/core/tables/event_store.h"
#include "softap/pages/refresh_page.h"

namespace softap {

constexpr int kMaxEventRows = 100;

class CEventLogPage : public CRefreshPage {
public:
    CEventLogPage();

    BOOL OnInitDialog() override;
    // Appends the records the list does not show yet.
    void Refresh() override;
    // Clear (button 1108).
    void OnClear();

    HWND List() const { return m_List.m_hWnd; }

    // The record's time in local time; empty when the system cannot convert it.
    static std::string TimeText(uint64_t fileTime);
    static std::string MessageText(const EventRecord& record);

protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;
    FW_DECLARE_MESSAGE_MAP()

private:
    void FitColumns();

    fw::CWnd m_List;
    int m_nColumnWidth[2] = {};
};

}  // namespace softap
