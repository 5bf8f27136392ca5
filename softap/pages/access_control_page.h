#pragma once
// The "Access Control" page: the access point's station filter, a policy and up to 32
// station addresses. Apply stores both under `ApDefault`, copies that into the driver key
// and hands the filter to the driver.
#include "softap/pages/mac_list_page.h"

namespace softap {

class CAccessControlPage : public CMacListPage {
public:
    CAccessControlPage();

    int Policy() const { return m_nPolicy; }

    BOOL OnInitDialog() override;
    // Apply (button 1157).
    void WriteAccessControlToRegistryAndSetOid();

protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;
    bool ListEditable() const override { return m_nPolicy != 0; }
    void EnableChoice(BOOL enable) override;
    void OnPolicyChange();
    FW_DECLARE_MESSAGE_MAP()

private:
    void ReadAccessControlFromRegistry();

    int m_nPolicy = 0;
    std::string m_strListLabel;
    std::string m_strPolicyLabel;
    std::string m_strMacLabel;
};

}  // namespace softap
