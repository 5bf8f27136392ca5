#include "station/profiles/dot1x/dot1x_sheet.h"

#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"
#include "station/profiles/dot1x/dot1x_checks.h"

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

C8021xSheet::C8021xSheet(UINT captionId, fw::CWnd* parent) : fw::CPropertySheet(captionId, parent) {
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    AddPage(&m_AuthPage);
    AddPage(&m_CaServerPage);
}

C8021xSheet::~C8021xSheet() = default;

INT_PTR C8021xSheet::DoModal() {
    m_AuthPage.m_Settings = m_Settings;
    m_CaServerPage.m_Settings = m_Settings;
    return fw::CPropertySheet::DoModal();
}

bool C8021xSheet::CollectAndCheck() {
    if (m_AuthPage.IsWindow()) m_AuthPage.ControlsToSettings();
    if (m_CaServerPage.IsWindow()) m_CaServerPage.ControlsToSettings();
    const Dot1xSettings& a = m_AuthPage.m_Settings;
    const Dot1xSettings& c = m_CaServerPage.m_Settings;
    Dot1xSettings& d = m_Settings;
    d.eapMethod = a.eapMethod;
    d.innerEapType = a.innerEapType;
    d.provisioningInnerType = a.provisioningInnerType;
    d.ttlsProtocol = a.ttlsProtocol;
    d.sessionResumption = a.sessionResumption;
    d.identity = a.identity;
    d.password = a.password;
    d.tunnelIdentity = a.tunnelIdentity;
    d.tunnelPassword = a.tunnelPassword;
    d.passwordMode = a.passwordMode;
    d.useClientCert = a.useClientCert;
    d.usePac = a.usePac;
    d.allowUnauthenticatedProvision = a.allowUnauthenticatedProvision;
    d.pacFilePath = a.pacFilePath;
    d.validateServerChain = c.validateServerChain;
    d.allowIntermediateCerts = c.validateServerChain ? c.allowIntermediateCerts : 0;
    d.serverName = c.validateServerChain ? Trimmed(c.serverName) : std::string();
    d.nameRule = c.validateServerChain ? c.nameRule : 0;

    const Dot1xProblem problem = CheckDot1xSettings(d, m_AuthPage.ShowsClientCertificate());
    if (problem.message == 0) return true;
    platform::Boxes().Show(m_hWnd, fw::LoadStr(problem.message).c_str(), "Lumora", MB_OK | MB_ICONSTOP);
    SetActivePage(problem.page);
    return false;
}
