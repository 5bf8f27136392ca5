#pragma once
// "Certification", the first page of the 802.1X settings sheet: the EAP method and its inner
// method, identities and passwords, the client certificate and the PAC file.
#include <windows.h>

#include <string>

#include "framework/property_page.h"
#include "station/profiles/dot1x/cert_desc.h"
#include "station/profiles/dot1x/dot1x_settings.h"

class C8021xSheet;

class C8021xAuthPage : public fw::CPropertyPage {
public:
    C8021xAuthPage();
    ~C8021xAuthPage() override;

    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    BOOL OnSetActive() override { return fw::CPropertyPage::OnSetActive(); }

    // The controls into m_Settings.
    void ControlsToSettings();
    // The Issued-To line names a certificate.
    bool ShowsClientCertificate() const;

    Dot1xSettings m_Settings;
    CertDesc m_CertDesc;  // the client certificate shown

protected:
    void DoDataExchange(fw::CDataExchange* dx) override;
    void OnMethodChange();
    void OnEnablingChange();
    void OnUseClientCert();
    void OnChangeCertificate();
    void OnImport();
    void OnRemove();
    void OnAllowUnauthenticated();
    void OnPasswordMode();
    FW_DECLARE_MESSAGE_MAP()

private:
    C8021xSheet* Sheet() const;
    void FillInnerLists();
    void UpdateMethodControls();
    void ShowCertificate(bool shown);
    void ShowPacPath();
    void Show(int id, bool show);
    void Enable(int id, bool enable);

    enum InnerList { kNoInnerList, kTunnelInnerList, kTtlsInnerList };
    InnerList m_InnerList = kNoInnerList;  // what the tunnel protocol list holds now
};
