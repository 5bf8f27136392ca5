#pragma once
// The "WDS" page: links from this access point to up to three peer access points. Apply
// stores the switch and the peers under `ApDefault`, copies that into the driver key and
// hands the driver the WDS record, with the link key when the access point uses a WPA
// pre-shared key. The main sheet never leaves it in place; it is built all the same.
#include "softap/pages/mac_list_page.h"

namespace softap {

class CWdsPage : public CMacListPage {
public:
    CWdsPage();

    // 0 enabled, 1 disabled (the radio index).
    int WdsSwitch() const { return m_nWdsSwitch; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // Apply (button 1157).
    void WriteWdsToRegistryAndSetOid();

protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;
    bool ListEditable() const override { return m_nWdsSwitch == 0; }
    void EnableChoice(BOOL enable) override;
    void OnEnable();
    void OnDisable();
    FW_DECLARE_MESSAGE_MAP()

private:
    void ReadWdsFromRegistry();

    int m_nWdsSwitch = 1;
    std::string m_strMacLabel;
    std::string m_strPolicyLabel;
    std::string m_strListLabel;
    std::string m_strNote1;
    std::string m_strNote2;
};

}  // namespace softap
