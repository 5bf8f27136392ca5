#pragma once
// The station utility's hidden main window: tray icon and menu, the 2-second poll of the
// adapter and its link, and the binding to the adapter's driver and Native Wifi interface.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/dialog.h"
#include "station/core/action_data.h"
#include "station/core/scan/scan_merge.h"
#include "station/core/wlan/wlan_manager.h"
#include "station/core/driver/wmi_event_listener.h"
#include "station/profiles/dot1x/peap_setting_dlg.h"

class CQelPropSheet;

constexpr UINT kTrayCallbackMessage = 0x464;
constexpr UINT kTrayIconId = 161;

class CHideDlg : public fw::CDialog {
public:
    CHideDlg();
    ~CHideDlg() override;

    WlanManager m_WlanManager;
    // Asks for a PEAP one-time password; nothing in the program opens it (OnPeapSetting).
    CPeapSettingDlg m_PeapSettingDlg;
    CWmiEventListener m_WmiListener;
    // The latest scan and the merged list the pages show, over the two 64 KB buffers.
    BssidLists m_BssLists;
    int m_bDeviceExist = 0;
    int m_bOpenSheetAtStart = 1;
    int m_bSkipDefaultSave = 0;
    int m_bBusy = 0;
    int m_bTrayAdded = 0;
    int m_bAdapterChanged = 0;
    CQelPropSheet* m_pSheet = nullptr;
    UINT_PTR m_nTimer3 = 0;
    // Adapters whose selection the user dismissed (see DiscoveryContext::declined).
    std::vector<std::string> m_DeclinedAdapters;

    BOOL AddTrayIcon();
    BOOL DeleteTrayIcon();
    BOOL ModifyTrayIcon(UINT iconId);
    void ShowTrayMenu();
    // The tray menu offers the switch to AP mode: both programs beside this one, chip 4 to 8.
    bool CanSwitchToAp() const;
    // The service's scan results into the scan list, merged into the display list.
    DWORD UpdateBssList();
    void InitDevice(int openSheet);
    void KillPollTimers();
    // The WPS page polls the driver itself while it exists: it takes timers 4, 5 and 6 when it
    // is created and gives them back when its window is destroyed (timer 5 only when a run
    // is still going on, timer 4 for a rotating WPS session). Suspending returns 1 when timer
    // 5 was following a run (the adapter's button, or a page run handed over): the page
    // carries that run on to its end.
    int SuspendWpsTimers();
    void ResumeWpsTimers(int statusPolling);
    int Discover();

    // True while the main sheet's window exists.
    BOOL IsSheetOpen() const;
    void ShowConfigSheet();
    // The PEAP one-time password for the current connect record.
    void OnPeapSetting() { OpenPeapSetting(m_PeapSettingDlg, g_pCurrentAction); }

    // The action queue (bodies in action_queue.cpp). AddAction takes ownership of record and
    // returns 1 when the queue then holds exactly one entry; ActionExec carries the queue out
    // up to and including the first scan; ExecuteAction queues a scan and runs it when
    // nothing else waits.
    int AddAction(int kind, void* record);
    void ActionExec();
    void ExecuteAction();
    std::vector<_ACTION_DATA> m_ActionQueue;

    // The icon shown for a tray picture id (shared handles: comparing them is meaningful).
    static HICON TrayIconHandle(UINT iconId);
    UINT CurrentTrayIcon() const { return m_nTrayIcon; }

protected:
    BOOL OnInitDialog() override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override {}
    void OnCancel() override {}

    void OnPaint();
    void OnTrayLaunch();
    void OnTrayExit();
    // The exit steps of the tray's Exit, also for a close or an end of the session.
    void ExitProgram();
    void OnClose();
    LRESULT OnEndSession(WPARAM ending, LPARAM);
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    LRESULT OnDriverEvent(WPARAM, LPARAM);
    LRESULT OnNothing(WPARAM, LPARAM) { return 0; }
    LRESULT OnScanComplete(WPARAM, LPARAM);
    LRESULT OnScanFailed(WPARAM, LPARAM);
    LRESULT OnProfileEditor(WPARAM, LPARAM);
    LRESULT OnRadioOn(WPARAM, LPARAM);
    LRESULT OnRadioOff(WPARAM, LPARAM);
    void OnSwitchToApMode();
    void OnUseZeroConfig();
    void OnUseOwnConfig();
    FW_DECLARE_MESSAGE_MAP()

private:
    void Poll(UINT_PTR id);
    // Destroys the sheet window and its object (exit, adapter lost).
    void CloseSheet(bool endDialogs);
    void PostToPage(fw::CWnd* page, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void BuildTooltip(UINT iconId, char* tip, size_t size) const;

    UINT m_nTrayIcon = 0;
};
