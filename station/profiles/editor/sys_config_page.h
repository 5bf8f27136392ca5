#pragma once
// "System Configuration", the first page of the profile editor: the profile's name, SSID,
// network type and transmit power, and the radio settings the page keeps without showing
// them (power saving, preamble, ad hoc channel, RTS and fragment thresholds). The main sheet
// also holds one and never adds it.
#include <windows.h>

#include <string>

#include "framework/property_page.h"
#include "shared/controls/link_slider.h"
#include "shared/controls/smart_edit.h"
#include "station/profiles/editor/profile_editor_model.h"

class CSysConfigPage : public fw::CPropertyPage {
public:
    // values: the editor's; null gives the page values of its own.
    explicit CSysConfigPage(SysConfigValues* values = nullptr);
    ~CSysConfigPage() override;

    SysConfigValues& Values() { return *m_pValues; }

    BOOL OnInitDialog() override;
    void OnOK() override { fw::CPropertyPage::OnOK(); }
    // The editor's save; FALSE keeps the sheet open.
    BOOL OnApply() override;

    // The channel value becomes the text of the chosen channel (the first one in
    // infrastructure), as the sheet reads it before saving.
    void ReadChannelBack();

    void OnNetworkTypeChange();
    void OnRtsCheck();
    void OnFragCheck();

protected:
    void DoDataExchange(fw::CDataExchange* dx) override;
    BOOL OnHelpInfo(HELPINFO*) { return TRUE; }
    FW_DECLARE_MESSAGE_MAP()

private:
    void FillSsidList();
    void FillChannelList();
    void SetThresholdRow(CSmartEdit& edit, CLinkSlider& slider, int use, int& value, int off);
    void SetSecurityInfrastructure(int infrastructure);

    SysConfigValues m_OwnValues;
    SysConfigValues* m_pValues;
    CSmartEdit m_RtsEdit;
    CSmartEdit m_FragEdit;
    CLinkSlider m_RtsSlider;
    CLinkSlider m_FragSlider;
    // Texts of the labels 1201, 1092, 1202, 1073, 1215, 1216.
    std::string m_strLabels[6];
};

// Ends every open System Configuration window of this process that runs as a dialog of its
// own with code 2 (IDCANCEL); the main window calls it when the adapter goes.
void CloseSysConfigDialogs();
