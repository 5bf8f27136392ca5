#pragma once
// "CA Server", the second page of the 802.1X settings sheet: whether and how the server's
// certificate is validated, with the trusted root certificates ("ROOT") to choose the issuer.
#include <windows.h>

#include <vector>

#include "framework/property_page.h"
#include "station/profiles/dot1x/cert_desc.h"
#include "station/profiles/dot1x/dot1x_settings.h"

class C8021xSheet;

class C8021xCaServerPage : public fw::CPropertyPage {
public:
    C8021xCaServerPage();
    ~C8021xCaServerPage() override;

    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    BOOL OnSetActive() override;

    void ControlsToSettings();

    Dot1xSettings m_Settings;
    CertDesc m_CaDesc;  // the issuer chosen
    const std::vector<CertDesc>& Issuers() const { return m_Issuers; }

protected:
    void DoDataExchange(fw::CDataExchange* dx) override;
    void OnUseChain();
    FW_DECLARE_MESSAGE_MAP()

private:
    C8021xSheet* Sheet() const;
    void EnableChainControls();

    std::vector<CertDesc> m_Issuers;  // item n + 1 of the issuer list
};
