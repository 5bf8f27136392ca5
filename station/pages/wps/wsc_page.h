#pragma once
// The "WPS Configuration" page of the main sheet: runs WPS with a PIN or the push button as
// enrollee or registrar, follows the driver's status every second, stores and connects with
// the credentials it hands over, and keeps the list of stored credentials. While the page
// exists it polls the WPS status and the adapter's button itself; the main window's WPS
// timers are off until its window goes.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "framework/property_page.h"
#include "shared/controls/smart_edit.h"

class CWscPage : public fw::CPropertyPage {
public:
    CWscPage();
    ~CWscPage() override;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void DoDataExchange(fw::CDataExchange* dx) override;

    // Handlers, public for the tests and the main window's relays.
    void OnPbc();
    void OnPin();
    void OnRescan();
    void OnInformation();
    void OnProfileDetail();
    void OnConnect();
    void OnRotate();
    void OnDisconnect();
    void OnDelete();
    void OnConfigModeChange();
    void OnImportProfile();
    void OnRenew();
    void OnHardwareButton();
    void RefreshApList();
    void RefreshCredentialList();
    void UpdateButtons();

    int Running() const { return m_bRunning; }
    uint32_t GeneratedPin() const { return m_nGeneratedPin; }
    // The credential row's image: 0 linked, 1 being tried, -1 none.
    int CredentialImage(int row) const;

    // Timer ids of the page.
    static constexpr UINT_PTR kStatusTimer = 2;
    static constexpr UINT_PTR kLinkTimer = 4;
    static constexpr UINT_PTR kButtonTimer = 5;

protected:
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    void OnListChanged(NMHDR*, LRESULT* result);
    LRESULT OnScanComplete(WPARAM, LPARAM);
    LRESULT OnScanFailed(WPARAM, LPARAM);
    FW_DECLARE_MESSAGE_MAP()

private:
    void PollStatus();
    void OnConfigured();
    void CheckLink();
    void StartStatusPolling();
    void StopStatusPolling(int resetProgress);
    void KillRunTimers();
    void WpsDisconnect();
    // The steps every start shares before its records go out.
    void DropConnection();
    void ClearCredentials();
    void SendStart(const void* record);
    // false when the registrar's open credential was not confirmed.
    bool ConfirmUnsecured();
    bool CheckPinCodeText();
    void MarkCredential(int index, int image);
    void SetStatus(const std::string& text);
    void SetProgress(int value);
    void MakeRegistrarCredential();
    void ShowPin(uint32_t pin);
    void ShowModeControls();
    HWND Item(int id) const { return GetDlgItem(id); }

    // Source of the registrar network name's last three bytes; nothing fills it.
    uint8_t m_RegistrarNameBytes[6] = {};
    int m_nTicks = 1;
    HIMAGELIST m_hImages = nullptr;
    uint32_t m_nGeneratedPin = 0;
    HGLOBAL m_hBssList = nullptr;
    uint8_t* m_pBssList = nullptr;
    CSmartEdit m_PinEdit;
    int m_bProbeIe = 1;
    int m_bAssociateIe = 1;
    int m_bRunning = 0;
};
