#pragma once
// The "Advanced" page: wireless mode, B/G protection, transmit rate, TX burst, TCP window
// tuning, the country region of both bands, CCX options with fast roaming, the radio switch
// and, on 802.11n adapters, the HT physical mode. Apply writes the driver key (and the TCP
// parameters) and sends the settings to the driver. The main sheet builds it but never adds it.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/property_page.h"
#include "shared/radio/ht_table.h"
#include "shared/controls/resize_width_combo_box.h"

// The system's TCP parameters that "Enable TCP Window Size" writes, under HKEY_LOCAL_MACHINE.
constexpr const char* kTcpipParametersKey = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";

class CAdvancePage : public fw::CPropertyPage {
public:
    CAdvancePage();
    ~CAdvancePage() override;

    static constexpr UINT_PTR kRadioTimerId = 1;
    static constexpr UINT kRadioTimerMs = 2000;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    // The Apply button: checks, region change, the settings to the registry and the driver.
    BOOL OnApply() override;

    void OnRadio();
    void OnModeChange();
    void OnRegionChanged();

protected:
    void DoDataExchange(fw::CDataExchange* dx) override;
    void OnApplyButton() { OnApply(); }
    void OnCcx();
    void OnRadioMeasurements();
    void OnNonServing();
    void OnFastRoaming();
    void OnRegion24Change();
    void RefreshRateText();
    void OnPaint();
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    FW_DECLARE_MESSAGE_MAP()

private:
    void LoadSettings();
    void FillLists();
    void FillTxRates(int mode);
    void FillMcsList();
    void RefreshBwChoice();
    void UpdateCheckStates();
    void ShowRadioState();
    // The wireless mode the list shows, or the one read when the list does not hold it.
    int CurrentMode() const;
    int CurrentMcs() const;
    bool Checked(int id) const { return IsDlgButtonChecked(id) == BST_CHECKED; }
    void ShowControls(const int* ids, size_t count, bool show);
    bool RegionChanged() const;
    void RememberRegions();
    void ApplySettings();
    uint32_t TransmitSettingWord(int mode) const;
    uint32_t Ccx2ControlWord() const;

    CResizeWidthComboBox m_Region5List;
    CHTTable m_HtTable;
    HBITMAP m_hRadioOnImage = nullptr;
    HBITMAP m_hRadioOffImage = nullptr;
    int m_nShownRadio = -1;
    bool m_bInitialising = false;
    UINT_PTR m_nTimerId = 0;

    std::string m_strMode;
    int m_nProtection = 0;
    int m_nTxRate = 0;
    int m_bTxBurst = 0;
    int m_bTcpWindow = 0;
    int m_nRegion24 = 0;
    int m_nRegion5 = 0;
    int m_bCcx = 0, m_bCckm = 0, m_bRadioMeasure = 0, m_bNonServing = 0, m_bQos = 0, m_bFastRoaming = 0;
    std::string m_strLimit = "250";
    std::string m_strThreshold = "-70";
    int m_nLimit = 250;
    int m_nThreshold = -70;
    int m_nHtMode = 0, m_nBw = 1, m_nGi = 1, m_nStbc = 1, m_nExtension = 0;
    std::string m_strMcs = "Auto";

    // What the last apply (or loading) left, to tell whether the region changed.
    int m_nLastRegion24 = -1, m_nLastRegion5 = -1;
    bool m_bLastRegion24Shown = false, m_bLastRegion5Shown = false;
    uint8_t m_PhyConfig[32] = {};
};
