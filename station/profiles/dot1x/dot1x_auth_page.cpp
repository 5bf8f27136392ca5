#include "station/profiles/dot1x/dot1x_auth_page.h"

#include <cstring>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/cert_stores.h"
#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"
#include "station/core/action_data.h"
#include "station/profiles/dot1x/dot1x_checks.h"
#include "station/profiles/dot1x/dot1x_sheet.h"
#include "station/profiles/editor/editor_exchange.h"
#include "station/profiles/dot1x/sel_cert_dlg.h"

namespace {

constexpr size_t kTextMax = 63;
constexpr size_t kPacPathField = sizeof(ProfileApplyRecord::PACFilePath);

constexpr int kTunnelControls[] = {IDC_X1_TUNNEL_GROUP,    IDC_X1_TUNNEL_PROTOCOL_LABEL, IDC_X1_TUNNEL_PROTOCOL,
                                   IDC_X1_TUNNEL_ID_LABEL, IDC_X1_TUNNEL_ID,             IDC_X1_TUNNEL_PASSWORD_LABEL,
                                   IDC_X1_TUNNEL_PASSWORD};
constexpr int kPasswordModeControls[] = {IDC_X1_PASSWORD_MODE, IDC_X1_SOFT_TOKEN, IDC_X1_STATIC_PASSWORD};
constexpr int kCertificateControls[] = {IDC_X1_ISSUED_TO, IDC_X1_ISSUED_BY, IDC_X1_EXPIRED_ON, IDC_X1_FRIENDLY_NAME,
                                        IDC_X1_CHANGE_CERT};

bool Tunnelled(int method) { return method == kEapPeap || method == kEapFast; }

void FillCombo(HWND combo, std::initializer_list<const char*> items) {
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const char* item : items) ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
}

int Selection(HWND combo) {
    const LRESULT index = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

// The PAC path field of the current connect record, when there is one.
char* CurrentPacField() { return g_pCurrentAction ? g_pCurrentAction->PACFilePath : nullptr; }

}  // namespace

FW_BEGIN_MESSAGE_MAP(C8021xAuthPage, fw::CPropertyPage)
    FW_ON_CBN_SELCHANGE(IDC_X1_METHOD, OnMethodChange)
    FW_ON_CBN_SELCHANGE(IDC_X1_TUNNEL_PROTOCOL, OnEnablingChange)
    FW_ON_CBN_SELCHANGE(IDC_X1_PROVISIONING, OnEnablingChange)
    FW_ON_BN_CLICKED(IDC_X1_USE_PAC, OnEnablingChange)
    FW_ON_BN_CLICKED(IDC_X1_USE_CLIENT_CERT, OnUseClientCert)
    FW_ON_BN_CLICKED(IDC_X1_CHANGE_CERT, OnChangeCertificate)
    FW_ON_BN_CLICKED(IDC_X1_PAC_IMPORT, OnImport)
    FW_ON_BN_CLICKED(IDC_X1_PAC_REMOVE, OnRemove)
    FW_ON_BN_CLICKED(IDC_X1_ALLOW_UNAUTH, OnAllowUnauthenticated)
    FW_ON_BN_CLICKED(IDC_X1_SOFT_TOKEN, OnPasswordMode)
    FW_ON_BN_CLICKED(IDC_X1_STATIC_PASSWORD, OnPasswordMode)
FW_END_MESSAGE_MAP()

C8021xAuthPage::C8021xAuthPage() : fw::CPropertyPage(IDD_8021X_AUTH, IDS_8021X_CERTIFICATION), m_CertDesc{} {}

C8021xAuthPage::~C8021xAuthPage() = default;

C8021xSheet* C8021xAuthPage::Sheet() const { return dynamic_cast<C8021xSheet*>(GetParentSheet()); }

void C8021xAuthPage::Show(int id, bool show) {
    if (HWND h = GetDlgItem(id)) ::ShowWindow(h, show ? SW_SHOW : SW_HIDE);
}

void C8021xAuthPage::Enable(int id, bool enable) { EnableDlgItem(id, enable ? TRUE : FALSE); }

void C8021xAuthPage::DoDataExchange(fw::CDataExchange* dx) {
    Dot1xSettings& d = m_Settings;
    editor_exchange::Choice(dx, IDC_X1_METHOD, d.eapMethod);
    editor_exchange::Choice(dx, IDC_X1_SESSION, d.sessionResumption);
    editor_exchange::Text(dx, IDC_X1_IDENTITY, d.identity, kTextMax);
    editor_exchange::Text(dx, IDC_X1_PASSWORD, d.password, kTextMax);
    editor_exchange::Text(dx, IDC_X1_TUNNEL_ID, d.tunnelIdentity, kTextMax);
    editor_exchange::Text(dx, IDC_X1_TUNNEL_PASSWORD, d.tunnelPassword, kTextMax);
    fw::DDX_Check(dx, IDC_X1_USE_CLIENT_CERT, d.useClientCert);
    editor_exchange::Choice(dx, IDC_X1_SOFT_TOKEN, d.passwordMode, true);
    fw::DDX_Check(dx, IDC_X1_USE_PAC, d.usePac);
    fw::DDX_Check(dx, IDC_X1_ALLOW_UNAUTH, d.allowUnauthenticatedProvision);

    // The inner lists by what they hold: the index means a type or a TTLS protocol.
    HWND inner = GetDlgItem(IDC_X1_TUNNEL_PROTOCOL);
    HWND provisioning = GetDlgItem(IDC_X1_PROVISIONING);
    if (dx->m_bSaveAndValidate) {
        const int index = Selection(inner);
        if (index >= 0 && m_InnerList == kTtlsInnerList) d.ttlsProtocol = TtlsProtocolOfIndex(index);
        if (index >= 0 && m_InnerList == kTunnelInnerList) d.innerEapType = InnerTypeOfIndex(index);
        const int provision = Selection(provisioning);
        if (provision >= 0 && d.eapMethod == kEapFast) d.provisioningInnerType = InnerTypeOfIndex(provision);
    } else {
        int index = -1;
        if (m_InnerList == kTtlsInnerList) index = TtlsProtocolIndex(d.ttlsProtocol);
        if (m_InnerList == kTunnelInnerList) index = InnerTypeIndex(d.innerEapType);
        ::SendMessageA(inner, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageA(provisioning, CB_SETCURSEL,
                       static_cast<WPARAM>(d.eapMethod == kEapFast ? InnerTypeIndex(d.provisioningInnerType) : -1), 0);
    }
}

void C8021xAuthPage::FillInnerLists() {
    const int method = m_Settings.eapMethod;
    HWND inner = GetDlgItem(IDC_X1_TUNNEL_PROTOCOL);
    if (Tunnelled(method)) {
        FillCombo(inner, {"EAP-MSCHAP v2", "EAP-TLS/Smart card", "Generic Token Card"});
        m_InnerList = kTunnelInnerList;
    } else if (method == kEapTtls) {
        FillCombo(inner, {"CHAP", "MS-CHAP", "MS-CHAP-V2", "PAP", "EAP-MD5"});
        m_InnerList = kTtlsInnerList;
    } else {
        FillCombo(inner, {});
        m_InnerList = kNoInnerList;
    }
    if (method == kEapFast) FillCombo(GetDlgItem(IDC_X1_PROVISIONING), {"EAP-MSCHAP v2", "EAP-TLS/Smart card", "Generic Token Card"});
    else FillCombo(GetDlgItem(IDC_X1_PROVISIONING), {});
}

BOOL C8021xAuthPage::OnInitDialog() {
    C8021xSheet* sheet = Sheet();
    const bool wpaMode = sheet && sheet->m_bWpaMode;
    HWND methods = GetDlgItem(IDC_X1_METHOD);
    FillCombo(methods, {"PEAP", "TLS/Smart Card", "TTLS"});
    if (!wpaMode) ::SendMessageA(methods, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Md5-Challenge"));
    else if (m_Settings.eapMethod == kEapMd5) m_Settings.eapMethod = kEapPeap;
    FillCombo(GetDlgItem(IDC_X1_SESSION), {"Disabled", "Enabled"});
    FillInnerLists();

    static const struct {
        int id;
        UINT text;
    } kLabels[] = {{IDC_X1_METHOD_LABEL, IDS_X1_METHOD_LABEL},
                   {IDC_X1_SESSION_LABEL, IDS_X1_SESSION_LABEL},
                   {IDC_X1_IDENTITY_LABEL, IDS_X1_IDENTITY_LABEL},
                   {IDC_X1_PASSWORD_LABEL, IDS_X1_PASSWORD_LABEL},
                   {IDC_X1_TUNNEL_GROUP, IDS_X1_TUNNEL_GROUP},
                   {IDC_X1_TUNNEL_PROTOCOL_LABEL, IDS_X1_TUNNEL_PROTOCOL_LABEL},
                   {IDC_X1_TUNNEL_ID_LABEL, IDS_X1_TUNNEL_ID_LABEL},
                   {IDC_X1_TUNNEL_PASSWORD_LABEL, IDS_X1_TUNNEL_PASSWORD_LABEL},
                   {IDC_X1_USE_CLIENT_CERT, IDS_X1_USE_CLIENT_CERT},
                   {IDC_X1_PASSWORD_MODE, IDS_X1_PASSWORD_MODE},
                   {IDC_X1_WINDOWS_LOGON, IDS_X1_WINDOWS_LOGON},
                   {IDC_X1_PROVISIONING_LABEL, IDS_X1_PROVISIONING_LABEL},
                   {IDC_X1_USE_PAC, IDS_X1_USE_PAC},
                   {IDC_X1_ALLOW_UNAUTH, IDS_X1_ALLOW_UNAUTH},
                   {IDC_X1_CHANGE_CERT, IDS_X1_MORE}};
    for (const auto& label : kLabels) SetDlgItemText(label.id, fw::LoadStr(label.text));
    for (int id : {IDC_X1_IDENTITY, IDC_X1_PASSWORD, IDC_X1_TUNNEL_ID, IDC_X1_TUNNEL_PASSWORD})
        ::SendMessageA(GetDlgItem(id), EM_LIMITTEXT, kTextMax, 0);

    // The client certificate of the last choice, when the personal store still holds it.
    m_CertDesc = g_ClientCertDesc;
    platform::StoredCertificate found;
    const bool present = platform::Certificates().FindBySha1("MY", m_CertDesc.Thumbprint,
                                                              m_CertDesc.ThumbprintLength, &found);
    if (present) m_CertDesc = DescribeCertificate(found);
    ShowCertificate(present && m_CertDesc.IssuedTo[0] != '\0');

    if (m_Settings.usePac) {
        if (const char* field = CurrentPacField()) m_Settings.pacFilePath.assign(field, strnlen(field, kPacPathField));
    } else {
        m_Settings.pacFilePath.clear();
        if (char* field = CurrentPacField()) std::memset(field, 0, kPacPathField);
    }
    ShowPacPath();

    fw::CPropertyPage::OnInitDialog();
    UpdateMethodControls();
    return TRUE;
}

void C8021xAuthPage::ShowCertificate(bool shown) {
    static const UINT kTexts[4] = {IDS_CERT_ISSUED_TO, IDS_CERT_ISSUED_BY, IDS_CERT_EXPIRED_ON, IDS_CERT_FRIENDLY_NAME};
    const char* values[4] = {m_CertDesc.IssuedTo, m_CertDesc.IssuedBy, m_CertDesc.ExpiredOn, m_CertDesc.FriendlyName};
    for (int i = 0; i < 4; ++i)
        SetDlgItemText(IDC_X1_ISSUED_TO + i, fw::FormatStr("%s : %s", fw::LoadStr(kTexts[i]).c_str(), shown ? values[i] : ""));
}

bool C8021xAuthPage::ShowsClientCertificate() const {
    return GetDlgItemText(IDC_X1_ISSUED_TO) != fw::LoadStr(IDS_CERT_ISSUED_TO) + " : ";
}

void C8021xAuthPage::ShowPacPath() {
    SetDlgItemText(IDC_X1_PAC_PATH, fw::LoadStr(IDS_PAC_FILE_PATH) + " : " + m_Settings.pacFilePath);
}

void C8021xAuthPage::UpdateMethodControls() {
    Dot1xSettings& d = m_Settings;
    const int method = d.eapMethod;
    const bool fast = method == kEapFast;
    const bool session = method == kEapPeap || method == kEapTls || method == kEapTtls || fast;
    Show(IDC_X1_SESSION, session);
    Show(IDC_X1_SESSION_LABEL, session);
    if (!session) {
        d.sessionResumption = 0;
        ::SendMessageA(GetDlgItem(IDC_X1_SESSION), CB_SETCURSEL, 0, 0);
    }

    bool serverValidation = true;
    bool passwordModeShown = false;
    if (method == kEapTls) {
        Show(IDC_X1_WINDOWS_LOGON, false);
        Enable(IDC_X1_IDENTITY, true);
        Enable(IDC_X1_PASSWORD, false);
        d.useClientCert = 1;
        Enable(IDC_X1_USE_CLIENT_CERT, false);
        for (int id : kTunnelControls) Enable(id, false);
    } else if (Tunnelled(method) || method == kEapTtls) {
        Show(IDC_X1_WINDOWS_LOGON, true);
        Enable(IDC_X1_IDENTITY, true);
        Enable(IDC_X1_PASSWORD, false);
        for (int id : {IDC_X1_TUNNEL_GROUP, IDC_X1_TUNNEL_PROTOCOL_LABEL, IDC_X1_TUNNEL_PROTOCOL, IDC_X1_TUNNEL_ID_LABEL,
                       IDC_X1_TUNNEL_ID})
            Enable(id, true);
        const bool innerTls = Tunnelled(method) && d.innerEapType == kInnerTls;
        const bool provisioningTls = fast && d.provisioningInnerType == kInnerTls;
        if (innerTls) d.useClientCert = 1;
        Enable(IDC_X1_USE_CLIENT_CERT, !innerTls);
        passwordModeShown =
            Tunnelled(method) && (d.innerEapType == kInnerTokenCard || (fast && d.provisioningInnerType == kInnerTokenCard));
        bool tunnelPassword = !innerTls && !provisioningTls;
        if (passwordModeShown && d.passwordMode == 0) tunnelPassword = false;
        Enable(IDC_X1_TUNNEL_PASSWORD, tunnelPassword);
        Enable(IDC_X1_TUNNEL_PASSWORD_LABEL, tunnelPassword);
    } else {
        Show(IDC_X1_WINDOWS_LOGON, true);
        Enable(IDC_X1_WINDOWS_LOGON, true);
        Enable(IDC_X1_IDENTITY, true);
        Enable(IDC_X1_PASSWORD, true);
        d.useClientCert = 0;
        Enable(IDC_X1_USE_CLIENT_CERT, false);
        for (int id : kTunnelControls) Enable(id, false);
        serverValidation = false;
    }
    for (int id : kPasswordModeControls) Show(id, passwordModeShown);
    if (!passwordModeShown) d.passwordMode = 1;
    ::CheckRadioButton(m_hWnd, IDC_X1_SOFT_TOKEN, IDC_X1_STATIC_PASSWORD,
                       d.passwordMode == 0 ? IDC_X1_SOFT_TOKEN : IDC_X1_STATIC_PASSWORD);
    if (C8021xSheet* sheet = Sheet()) sheet->m_bServerValidation = serverValidation ? 1 : 0;

    CheckDlgButton(IDC_X1_USE_CLIENT_CERT, d.useClientCert ? BST_CHECKED : BST_UNCHECKED);
    for (int id : kCertificateControls) Enable(id, d.useClientCert != 0);

    // A PAC belongs to method 5 only.
    if (!fast) d.usePac = 0;
    CheckDlgButton(IDC_X1_USE_PAC, d.usePac ? BST_CHECKED : BST_UNCHECKED);
    Enable(IDC_X1_USE_PAC, fast);
    for (int id : {IDC_X1_PAC_IMPORT, IDC_X1_PAC_PATH, IDC_X1_PAC_REMOVE}) Enable(id, d.usePac != 0);
    for (int id : {IDC_X1_ALLOW_UNAUTH, IDC_X1_PROVISIONING, IDC_X1_PROVISIONING_LABEL}) Enable(id, fast);
}

void C8021xAuthPage::ControlsToSettings() { UpdateData(TRUE); }

void C8021xAuthPage::OnMethodChange() {
    UpdateData(TRUE);
    // The inner list follows the method: a TTLS protocol is no PEAP inner type.
    FillInnerLists();
    UpdateData(FALSE);
    UpdateMethodControls();
}

void C8021xAuthPage::OnEnablingChange() {
    UpdateData(TRUE);
    UpdateMethodControls();
}

void C8021xAuthPage::OnUseClientCert() {
    m_Settings.useClientCert = IsDlgButtonChecked(IDC_X1_USE_CLIENT_CERT) == BST_CHECKED ? 1 : 0;
    for (int id : kCertificateControls) Enable(id, m_Settings.useClientCert != 0);
}

void C8021xAuthPage::OnChangeCertificate() {
    CSelCertDlg& dialog = SelCertDialog();
    dialog.m_pParentWnd = Sheet();
    dialog.m_Current = m_CertDesc;
    dialog.m_bHasCurrent = ShowsClientCertificate() ? 1 : 0;
    if (dialog.DoModal() != IDOK) return;
    m_CertDesc = dialog.Chosen();
    ShowCertificate(true);
}

void C8021xAuthPage::OnImport() {
    platform::OpenFileRequest request;
    request.owner = GetParentHwnd();
    request.filterName = fw::LoadStr(IDS_PAC_FILTER);
    request.filterPattern = "*.pac";
    request.initialName = "*.pac";
    std::string path;
    if (!platform::Files().OpenExistingFile(request, &path)) return;
    // The connect record keeps the path in a field of 256 bytes: a longer one is refused, not cut.
    if (path.size() >= kPacPathField) {
        platform::Boxes().Show(GetParentHwnd(), fw::LoadStr(IDS_PAC_PATH_TOO_LONG).c_str(), "Lumora",
                               MB_OK | MB_ICONSTOP);
        return;
    }
    m_Settings.pacFilePath = path;
    ShowPacPath();
}

void C8021xAuthPage::OnRemove() {
    const std::string path = m_Settings.pacFilePath;
    if (!path.empty()) {
        const std::string question = fw::FormatStr(fw::LoadStr(IDS_PAC_REMOVE_CONFIRM).c_str(), path.c_str());
        if (platform::Boxes().Show(GetParentHwnd(), question.c_str(), "Lumora", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        // Only a file named with its folder: a relative name would reach whatever the current
        // directory holds. A file already gone is no error.
        const bool absolute = (path.size() > 2 && path[1] == ':' && (path[2] == '\\' || path[2] == '/')) ||
                              path.rfind("\\\\", 0) == 0;
        const DWORD attributes = ::GetFileAttributesA(path.c_str());
        if (absolute && attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            ::DeleteFileA(path.c_str());
    }
    m_Settings.pacFilePath.clear();
    ShowPacPath();
    if (char* field = CurrentPacField()) std::memset(field, 0, kPacPathField);
}

void C8021xAuthPage::OnAllowUnauthenticated() {
    m_Settings.allowUnauthenticatedProvision = IsDlgButtonChecked(IDC_X1_ALLOW_UNAUTH) == BST_CHECKED ? 1 : 0;
}

void C8021xAuthPage::OnPasswordMode() {
    const bool staticPassword = IsDlgButtonChecked(IDC_X1_STATIC_PASSWORD) == BST_CHECKED;
    m_Settings.passwordMode = staticPassword ? 1 : 0;
    Enable(IDC_X1_TUNNEL_PASSWORD, staticPassword);
    Enable(IDC_X1_TUNNEL_PASSWORD_LABEL, staticPassword);
}

BOOL C8021xAuthPage::OnApply() {
    C8021xSheet* sheet = Sheet();
    if (sheet && !sheet->CollectAndCheck()) return FALSE;
    if (char* field = CurrentPacField()) {
        const std::string& path = m_Settings.pacFilePath;
        std::memset(field, 0, kPacPathField);
        if (path.size() < kPacPathField) std::memcpy(field, path.data(), path.size());
    }
    return fw::CPropertyPage::OnApply();
}
