#pragma once
// Havix's hidden main window: it starts the access point, owns the tray icon with its menu,
// polls the adapter every 2 seconds, and owns the modeless main sheet. It never shows.
#include <windows.h>

#include "softap/core/device/ap_discovery.h"
#include "framework/dialog.h"

namespace softap {

class CQelPropSheet;

constexpr UINT kTrayCallbackMessage = WM_USER + 100;  // 1124
constexpr UINT kTrayIconId = 161;
constexpr UINT_PTR kPollTimerId = 1;  // 0 is not a dependable timer id everywhere
constexpr UINT kPollMs = 2000;
constexpr const char* kTrayWindowTitle = "Tesmar Wireless UI";
constexpr const char* kStationModeCommand = "\"Trelby.exe\" OFF Lumora Havix \"NORVANE ZQ-4402\"";

class CTrayWnd : public fw::CDialog {
public:
    CTrayWnd();
    ~CTrayWnd() override;

    int m_bAdapterFound = 0;
    int m_bOpenSheet = 1;  // 0 when the command line asks for the tray only
    // While set, the poll, the tray callbacks and the menu commands do nothing: a nested
    // message loop (the adapter selection, a message box) runs.
    int m_bBusy = 0;
    UINT_PTR m_nPollTimer = 0;
    CQelPropSheet* m_pSheet = nullptr;  // owned; null while there is no sheet

    // Brings the adapter into access-point operation and pushes the stored configuration.
    void StartAccessPoint(int openSheet);
    // Raises the sheet, or creates it; "Card or driver not ready" without a present adapter.
    void OpenConfigSheet();
    bool IsSheetOpen() const;

    BOOL AddTrayIcon();
    BOOL DeleteTrayIcon();
    BOOL UpdateTrayIcon(UINT iconId);
    void ShowTrayMenu();
    UINT CurrentTrayIcon() const { return m_nTrayIcon; }
    // The picture of a tray icon id (shared handles: comparing them is meaningful).
    static HICON TrayIconHandle(UINT iconId);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    // Whether the user may run the access point (the Administrators group); tests replace it.
    virtual int PassesAdministratorTest();

    void OnPaint();
    void OnTimer(UINT_PTR id);
    void OnLaunch();
    void OnExit();
    void OnSwitchToStationMode();
    void OnClose();
    LRESULT OnEndSession(WPARAM ending, LPARAM);
    FW_DECLARE_MESSAGE_MAP()

private:
    void Poll();
    int Discover();
    // Ends what the pages keep open, destroys the sheet's window and deletes the object
    // once no handler of it runs any more.
    void CloseSheet();
    void MergeDriverEvents();

    DiscoveryContext m_Discovery;
    UINT m_nTrayIcon = 0;
};

}  // namespace softap
