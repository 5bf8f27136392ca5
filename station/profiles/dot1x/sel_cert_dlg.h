#pragma once
// "Certificate Selection": the user's personal certificates ("MY"), one row each; the row
// chosen becomes the client certificate of the 802.1X settings.
#include <windows.h>

#include <vector>

#include "framework/dialog.h"
#include "station/profiles/dot1x/cert_desc.h"

class CSelCertDlg : public fw::CDialog {
public:
    // chosen: where the choice goes and stays between openings.
    explicit CSelCertDlg(CertDesc& chosen, fw::CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // Set by the opener: the certificate shown now, and whether there is one.
    CertDesc m_Current;
    int m_bHasCurrent = 0;
    CertDesc& Chosen() { return m_Chosen; }
    const std::vector<CertDesc>& Certificates() const { return m_Certificates; }

protected:
    void DoDataExchange(fw::CDataExchange* dx) override;

private:
    std::vector<CertDesc> m_Certificates;
    CertDesc& m_Chosen;
    HWND m_hList = nullptr;
};

// The program's one dialog, whose choice is g_ClientCertDesc.
CSelCertDlg& SelCertDialog();

// Every certificate of the named store with a subject name, described.
std::vector<CertDesc> ListStoreCertificates(const char* storeName);
