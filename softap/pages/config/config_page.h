#pragma once
// The "Config" page, first of the main sheet: the access point's whole configuration. It
// reads the record from the driver key when its window is made, keeps its lists in step
// with the wireless mode, regions, channel and 40 MHz choice, opens the security dialog,
// and on Apply stores the record in `ApDefault`, copies it into the driver key and hands it
// to the driver.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "softap/core/config/ap_settings.h"
#include "framework/property_page.h"
#include "shared/radio/ht_table.h"
#include "shared/controls/resize_width_combo_box.h"

namespace softap {

constexpr UINT_PTR kConfigTimerId = 1;
constexpr UINT kConfigTimerMs = 1000;

class CConfigPage : public fw::CPropertyPage {
public:
    CConfigPage();

    const DaduVeSettings& Settings() const { return m_Settings; }
    // The 802.11n group (while bCheckBuild is 1 and show is 1) and the legacy rate row.
    void ShowHtControls(int show);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;

    void OnApplyButton();
    void OnDefault();
    void OnSecurity();
    void OnUseMacAddress();
    void OnModeChange() { ModeChanged(); }
    void OnAutoChannel();
    void OnRegionChange();
    void OnChannelChange();
    void OnBw20();
    void OnBw40();
    void OnRateChoice();
    void OnAllowBw40();
    void OnTimer(UINT_PTR id);
    FW_DECLARE_MESSAGE_MAP()

private:
    // UpdateData(TRUE): never fails, the number edits are kept as text until Apply.
    void ReadControls() { UpdateData(TRUE); }
    // The record's numbers into the texts of their edits.
    void ShowNumbers();
    // Beacon period and idle time in their ranges, with the message of the first that is not.
    bool ValidateNumbers();
    bool ValidateNumber(int id, const std::string& text, int low, int high, int* value);

    void ModeChanged();
    void RebuildRegionLists();
    void RebuildChannelList();
    void RefreshExtensionChannels();
    void UpdateRateLabel();
    void EnableExtensionChannel(BOOL enable);
    // What timer 1 keeps up: the 802.11n group and Allow BW 40 MHz by the mode.
    void RefreshHtVisibility();
    int Mode() const;
    void ShowItem(int id, bool show);
    void FillCombo(int id, const std::vector<std::string>& rows);
    std::vector<std::string> ComboRows(int id) const;

    DaduVeSettings m_Settings;
    std::string m_strBeaconPeriod;
    std::string m_strIdleTime;
    int m_bLegacyG = 0;
    int m_bLegacyA = 0;
    int m_bLegacyB = 0;
    std::vector<uint8_t> m_Channels24;
    std::vector<uint8_t> m_Channels5;
    uint8_t m_Mac[6] = {};
    bool m_bMacRead = false;  // the driver answered the address query
    std::string m_strApName;  // "AP" and the adapter's address
    CHTTable m_HtTable;
    CResizeWidthComboBox m_Region24Combo;
    CResizeWidthComboBox m_Region5Combo;
};

}  // namespace softap
