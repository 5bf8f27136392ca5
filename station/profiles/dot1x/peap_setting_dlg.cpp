#include "station/profiles/dot1x/peap_setting_dlg.h"

#include <cstring>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"

namespace {

// What TunnelID and TunnelPassword hold, less their terminating zero.
constexpr size_t kFieldChars = sizeof(ProfileApplyRecord::TunnelID) - 1;
static_assert(sizeof(ProfileApplyRecord::TunnelID) == sizeof(ProfileApplyRecord::TunnelPassword));

template <size_t N>
void CopyBounded(char (&field)[N], const std::string& text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), text.size() < N - 1 ? text.size() : N - 1);
}

}  // namespace

CPeapSettingDlg::CPeapSettingDlg(fw::CWnd* parent) : fw::CDialog(IDD_PEAP_SETTING, parent) {}

BOOL CPeapSettingDlg::OnInitDialog() {
    ::SendMessageA(GetDlgItem(IDC_PEAP_IDENTITY), EM_LIMITTEXT, kFieldChars, 0);
    ::SendMessageA(GetDlgItem(IDC_PEAP_PASSWORD), EM_LIMITTEXT, kFieldChars, 0);
    if (m_bNoPasswordNeeded) {
        EnableDlgItem(IDC_PEAP_PASSWORD, FALSE);
        EnableDlgItem(IDC_PEAP_PASSWORD_LABEL, FALSE);
    }
    return fw::CDialog::OnInitDialog();
}

void CPeapSettingDlg::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Text(dx, IDC_PEAP_IDENTITY, m_strIdentity);
    fw::DDX_Text(dx, IDC_PEAP_PASSWORD, m_strPassword);
}

void CPeapSettingDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    const char* problem = nullptr;
    if (m_strIdentity.empty()) problem = "Must input Identity";
    else if (!m_bNoPasswordNeeded && m_strPassword.empty()) problem = "Must input Password";
    if (problem) {
        platform::Boxes().Show(m_hWnd, problem, "Lumora", MB_OK);
        return;
    }
    EndDialog(IDOK);
}

void OpenPeapSetting(CPeapSettingDlg& dialog, ProfileApplyRecord* const& current) {
    if (dialog.IsWindow()) return;
    dialog.m_strIdentity.clear();
    if (const ProfileApplyRecord* record = current)
        dialog.m_strIdentity.assign(record->TunnelID, strnlen(record->TunnelID, sizeof(record->TunnelID)));
    dialog.m_strPassword.clear();
    dialog.DoModal();
    ProfileApplyRecord* record = current;
    if (!record) return;
    CopyBounded(record->TunnelID, dialog.m_strIdentity);
    CopyBounded(record->TunnelPassword, dialog.m_strPassword);
}
