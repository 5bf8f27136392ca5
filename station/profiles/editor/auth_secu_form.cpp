#include "station/profiles/editor/auth_secu_form.h"

#include <iterator>
#include <vector>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/station/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/system/os_code.h"
#include "station/core/station_globals.h"
#include "station/profiles/editor/auth_type_table.h"
#include "station/profiles/dot1x/dot1x_sheet.h"
#include "station/profiles/editor/editor_exchange.h"
#include "station/profiles/editor/wep_key_text.h"

namespace {

constexpr int kKeyRadios[4] = {IDC_AUTH_KEY1, IDC_AUTH_KEY2, IDC_AUTH_KEY3, IDC_AUTH_KEY4};
constexpr int kFormats[4] = {IDC_AUTH_FORMAT1, IDC_AUTH_FORMAT2, IDC_AUTH_FORMAT3, IDC_AUTH_FORMAT4};
constexpr int kHexEdits[4] = {IDC_AUTH_HEX1, IDC_AUTH_HEX2, IDC_AUTH_HEX3, IDC_AUTH_HEX4};
constexpr int kAsciiEdits[4] = {IDC_AUTH_ASCII1, IDC_AUTH_ASCII2, IDC_AUTH_ASCII3, IDC_AUTH_ASCII4};
constexpr UINT kKeyTexts[4] = {IDS_KEY1, IDS_KEY2, IDS_KEY3, IDS_KEY4};
constexpr int kLabelIds[3] = {IDC_AUTH_TYPE_LABEL, IDC_AUTH_ENCRYPTION_LABEL, IDC_AUTH_PSK_LABEL};
constexpr UINT kLabelTexts[3] = {IDS_AUTH_TYPE_LABEL, IDS_ENCRYPTION_LABEL, IDS_PSK_LABEL};
constexpr int kLeapRows[4] = {IDC_AUTH_LEAP_IDENTITY_LABEL, IDC_AUTH_LEAP_IDENTITY, IDC_AUTH_LEAP_PASSWORD_LABEL,
                              IDC_AUTH_LEAP_PASSWORD};
constexpr int kSecurityRows[5] = {IDC_AUTH_ENCRYPTION_LABEL, IDC_AUTH_ENCRYPTION, IDC_AUTH_PSK_LABEL, IDC_AUTH_PSK,
                                  IDC_AUTH_HINT};
constexpr size_t kHexKeyMax = 26;
constexpr size_t kAsciiKeyMax = 13;
constexpr size_t kPskMax = 64;
constexpr size_t kLeapTextMax = 256;

// Names of the authentication types; WPA-None has no text of its own in the table.
constexpr UINT kTypeTexts[kAuthTypeCount] = {IDS_AUTH_OPEN, IDS_AUTH_SHARED, IDS_AUTH_LEAP, 0,
                                             IDS_AUTH_WPA,  IDS_AUTH_WPA_PSK, IDS_AUTH_WPA2, IDS_AUTH_WPA2_PSK};

UINT CipherText(int cipher) {
    switch (cipher) {
        case kCipherWep: return IDS_ENC_WEP;
        case kCipherTkip: return IDS_ENC_TKIP;
        case kCipherAes: return IDS_ENC_AES;
        default: return IDS_ENC_NONE;
    }
}

bool OpenOrShared(int type) { return type == kAuthOpen || type == kAuthShared; }

}  // namespace

AuthSecuForm::AuthSecuForm(fw::CDialog& owner, AuthSecuValues& values, bool twin)
    : m_Owner(owner), m_Values(values), m_bTwin(twin) {}

void AuthSecuForm::Exchange(fw::CDataExchange* dx) {
    AuthSecuValues& v = m_Values;
    for (int n = 0; n < 4; ++n) {
        editor_exchange::Text(dx, kHexEdits[n], v.hexKeys[n], kHexKeyMax);
        editor_exchange::Text(dx, kAsciiEdits[n], v.asciiKeys[n], kAsciiKeyMax);
    }
    editor_exchange::Choice(dx, IDC_AUTH_KEY1, v.defaultKey, true);
    for (int n = 0; n < 4; ++n) editor_exchange::Choice(dx, kFormats[n], v.keyFormats[n]);
    editor_exchange::Text(dx, IDC_AUTH_PSK, v.psk, kPskMax);
    fw::DDX_Check(dx, IDC_AUTH_USE_8021X, v.use8021X);
    for (int i = 0; i < 3; ++i) fw::DDX_Text(dx, kLabelIds[i], m_strLabels[i]);
    editor_exchange::Text(dx, IDC_AUTH_LEAP_PASSWORD, v.leapPassword, kLeapTextMax);
    editor_exchange::Text(dx, IDC_AUTH_LEAP_IDENTITY, v.leapIdentity, kLeapTextMax);
    editor_exchange::Choice(dx, IDC_AUTH_LEAP_WEP, v.leapEncryption, true);
}

void AuthSecuForm::InitControls() {
    for (int n = 0; n < 4; ++n) {
        m_HexEdits[n].SubclassEdit(kHexEdits[n], &m_Owner, CSmartEdit::kParseHex);
        m_AsciiEdits[n].SubclassEdit(kAsciiEdits[n], &m_Owner, CSmartEdit::kParseAll);
        ::SendMessageA(m_Owner.GetDlgItem(kHexEdits[n]), EM_LIMITTEXT, kHexKeyMax, 0);
        ::SendMessageA(m_Owner.GetDlgItem(kAsciiEdits[n]), EM_LIMITTEXT, kAsciiKeyMax, 0);
        HWND format = m_Owner.GetDlgItem(kFormats[n]);
        ::SendMessageA(format, CB_RESETCONTENT, 0, 0);
        for (UINT id : {IDS_KEY_HEX, IDS_KEY_ASCII})
            ::SendMessageA(format, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fw::LoadStr(id).c_str()));
        m_Owner.SetDlgItemText(kKeyRadios[n], fw::LoadStr(kKeyTexts[n]));
    }
    ::SendMessageA(m_Owner.GetDlgItem(IDC_AUTH_PSK), EM_LIMITTEXT, kPskMax, 0);
    ::SendMessageA(m_Owner.GetDlgItem(IDC_AUTH_LEAP_IDENTITY), EM_LIMITTEXT, kLeapTextMax, 0);
    ::SendMessageA(m_Owner.GetDlgItem(IDC_AUTH_LEAP_PASSWORD), EM_LIMITTEXT, kLeapTextMax, 0);
    for (int i = 0; i < 3; ++i) m_strLabels[i] = fw::LoadStr(kLabelTexts[i]);
    m_Owner.SetDlgItemText(IDC_AUTH_HINT, fw::LoadStr(IDS_WEP_HINT));
    m_Owner.SetDlgItemText(IDC_AUTH_SHOW_PASSWORD, fw::LoadStr(IDS_SHOW_PASSWORD));
    m_Owner.SetDlgItemText(IDC_AUTH_8021X_SETTINGS, fw::LoadStr(IDS_8021X_SETTING));
    m_Owner.SetDlgItemText(IDC_AUTH_WEP_GROUP, fw::LoadStr(IDS_WEP_KEY_GROUP));
    m_Owner.SetDlgItemText(IDC_AUTH_USE_8021X, fw::LoadStr(IDS_USE_8021X));
}

std::string AuthSecuForm::NameOfType(int type) const {
    if (type < 0 || type >= kAuthTypeCount) return {};
    return kTypeTexts[type] ? fw::LoadStr(kTypeTexts[type]) : std::string("WPA-None");
}

int AuthSecuForm::TypeOfName(const std::string& name) const {
    for (int t = 0; t < kAuthTypeCount; ++t)
        if (lstrcmpiA(NameOfType(t).c_str(), name.c_str()) == 0) return t;
    return kAuthOpen;
}

std::string AuthSecuForm::SelectedText(int id) const {
    HWND combo = m_Owner.GetDlgItem(id);
    const LRESULT index = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return {};
    const LRESULT n = ::SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
    if (n == CB_ERR || n <= 0) return {};
    std::string text(static_cast<size_t>(n) + 1, '\0');
    ::SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(n));
    return text;
}

void AuthSecuForm::Show(int id, bool show) {
    if (HWND h = m_Owner.GetDlgItem(id)) ::ShowWindow(h, show ? SW_SHOW : SW_HIDE);
}

void AuthSecuForm::Enable(int id, bool enable) { m_Owner.EnableDlgItem(id, enable ? TRUE : FALSE); }

void AuthSecuForm::FillEncryptions(int type, bool leapChange) {
    HWND combo = m_Owner.GetDlgItem(IDC_AUTH_ENCRYPTION);
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (int cipher : OfferedEncryptions(type, m_Values.infrastructure != 0, g_EncryptionLevel, leapChange))
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fw::LoadStr(CipherText(cipher)).c_str()));
}

int AuthSecuForm::ShownType() const {
    const AuthSecuValues& v = m_Values;
    return AuthTypeOfMode(AuthModeForNetwork(v.authMode, v.infrastructure != 0), v.leap != 0, g_OsCode, v.authType);
}

void AuthSecuForm::FillLists() {
    AuthSecuValues& v = m_Values;
    const bool infrastructure = v.infrastructure != 0;
    // The profile's own type on its own network type, though the lists would not offer it.
    const int stored = infrastructure == (v.storedInfrastructure != 0) ? v.storedType : -1;
    HWND combo = m_Owner.GetDlgItem(IDC_AUTH_TYPE);
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (int type : OfferedAuthTypes(infrastructure, g_WpaSupported != 0, g_EncryptionLevel, g_OsCode, m_bTwin, stored))
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(NameOfType(type).c_str()));
    if (!infrastructure) v.use8021X = 0;
    v.authType = ShownType();
    FillEncryptions(v.authType, false);
}

void AuthSecuForm::Activate() {
    FillLists();
    ValuesToControls();
    OnKeyChange();
    UpdateControlState();
}

void AuthSecuForm::FollowNetworkType(bool infrastructure) {
    if ((m_Values.infrastructure != 0) == infrastructure) return;
    // Read under the network type the controls were filled for.
    ControlsToValues();
    ::FollowNetworkType(m_Values, infrastructure);
    Activate();
}

void AuthSecuForm::ShowWepKey(int n) {
    if (n < 0 || n >= 4) return;
    Enable(kFormats[n], true);
    Enable(kHexEdits[n], true);
    Enable(kAsciiEdits[n], true);
    HWND edit = m_Owner.GetDlgItem(m_Values.keyFormats[n] == kKeyFormatAscii ? kAsciiEdits[n] : kHexEdits[n]);
    if (!edit) return;
    ::SetFocus(edit);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
}

void AuthSecuForm::ControlsToValues() {
    AuthSecuValues& v = m_Values;
    m_Owner.UpdateData(TRUE);
    v.leap = 0;
    const bool infrastructure = v.infrastructure != 0;
    v.authType = TypeOfName(SelectedText(IDC_AUTH_TYPE));
    const LRESULT encryption = ::SendMessageA(m_Owner.GetDlgItem(IDC_AUTH_ENCRYPTION), CB_GETCURSEL, 0, 0);
    v.encryptionIndex = encryption == CB_ERR ? 0 : static_cast<int>(encryption);
    v.authMode = AuthModeOfType(v.authType, infrastructure, g_OsCode);
    if ((v.authType == kAuthLeap || v.authType == kAuthWpaNone) && infrastructure) {
        v.leap = 1;
        v.use8021X = 0;
        v.encryptionIndex = 0;
    }
    LayOut();
}

void AuthSecuForm::LayOut() {
    const AuthSecuValues& v = m_Values;
    const bool infrastructure = v.infrastructure != 0;
    const bool leap = infrastructure && v.authType == kAuthLeap;
    for (int id : kSecurityRows) Show(id, !leap);
    Show(IDC_AUTH_WEP_GROUP, !leap);
    for (int n = 0; n < 4; ++n) {
        Show(kKeyRadios[n], !leap);
        Show(kFormats[n], !leap);
        Show(kHexEdits[n], !leap && v.keyFormats[n] != kKeyFormatAscii);
        Show(kAsciiEdits[n], !leap && v.keyFormats[n] == kKeyFormatAscii);
    }
    for (int id : kLeapRows) {
        Show(id, leap);
        if (leap) Enable(id, true);
    }
    Show(IDC_AUTH_LEAP_WEP, leap && v.leapCapability);
    Show(IDC_AUTH_LEAP_TKIP, leap && v.leapCapability);
    Show(IDC_AUTH_LEAP_AES, false);
    // LEAP never goes with 802.1X.
    Show(IDC_AUTH_USE_8021X, !leap && infrastructure && OpenOrShared(v.authType) && g_WpaSupported);
}

void AuthSecuForm::ValuesToControls() {
    AuthSecuValues& v = m_Values;
    m_Owner.UpdateData(FALSE);
    const bool infrastructure = v.infrastructure != 0;
    const bool dot1x = g_EncryptionLevel != 0 && (v.use8021X || v.authMode == 3 || v.authMode == 6);
    m_Owner.SetDlgItemText(IDC_AUTH_8021X_TOGGLE, fw::LoadStr(dot1x ? IDS_DISABLE_8021X : IDS_USE_8021X));
    if (m_bTwin)
        Enable(IDC_AUTH_8021X_SETTINGS, g_WpaSupported && infrastructure &&
                                            (v.authType == kAuthWpa || (OpenOrShared(v.authType) && v.use8021X)));
    else
        Enable(IDC_AUTH_8021X_SETTINGS, dot1x);

    v.authType = ShownType();
    HWND types = m_Owner.GetDlgItem(IDC_AUTH_TYPE);
    // Exactly the type's name: "WPA" must not pick "WPA2-PSK" where WPA is not offered.
    LRESULT index = ::SendMessageA(types, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(NameOfType(v.authType).c_str()));
    if (index == CB_ERR) {
        v.authType = kAuthOpen;
        index = 0;
    }
    ::SendMessageA(types, CB_SETCURSEL, static_cast<WPARAM>(index), 0);

    HWND encryptions = m_Owner.GetDlgItem(IDC_AUTH_ENCRYPTION);
    const LRESULT count = ::SendMessageA(encryptions, CB_GETCOUNT, 0, 0);
    if (v.encryptionIndex < 0 || v.encryptionIndex >= count) v.encryptionIndex = 0;
    ::SendMessageA(encryptions, CB_SETCURSEL, static_cast<WPARAM>(v.encryptionIndex), 0);
}

void AuthSecuForm::OnAuthenticationChange() {
    ControlsToValues();
    AuthSecuValues& v = m_Values;
    const bool infrastructure = v.infrastructure != 0;
    if (OpenOrShared(v.authType)) {
        FillEncryptions(v.authType, false);
    } else if (v.authType == kAuthLeap && infrastructure) {
        v.leap = 1;
        v.use8021X = 0;
        FillEncryptions(v.authType, true);
    } else {
        v.use8021X = (v.authType == kAuthWpa || v.authType == kAuthWpa2) && infrastructure ? 1 : 0;
        FillEncryptions(v.authType, false);
    }
    Show(IDC_AUTH_USE_8021X, g_WpaSupported && OpenOrShared(v.authType) && infrastructure);
    ValuesToControls();
    UpdateControlState();
}

void AuthSecuForm::UpdateControlState() {
    ControlsToValues();
    const AuthSecuValues& v = m_Values;
    const bool infrastructure = v.infrastructure != 0;
    const int type = v.authType;
    if (type == kAuthOpen && v.encryptionIndex == 0) {
        Enable(IDC_AUTH_PSK, false);
        EnableWepControls(false);
    } else if (OpenOrShared(type)) {
        Enable(IDC_AUTH_PSK, false);
        EnableWepControls(!(v.use8021X && v.dot1x.eapMethod != kEapMd5));
    } else if (type == kAuthWpaPsk || type == kAuthWpa2Psk || (type == kAuthWpaNone && !infrastructure)) {
        Enable(IDC_AUTH_PSK, true);
        EnableWepControls(false);
    } else if ((type == kAuthWpa || type == kAuthWpa2) && infrastructure) {
        Enable(IDC_AUTH_PSK, false);
        EnableWepControls(false);
    }
}

void AuthSecuForm::EnableWepControls(bool enable) {
    const bool others = enable && m_Values.infrastructure != 0;
    for (int n = 0; n < 4; ++n) {
        const bool on = n == 0 ? enable : others;
        Enable(kKeyRadios[n], on);
        Enable(kFormats[n], on);
        Enable(kHexEdits[n], on);
        Enable(kAsciiEdits[n], on);
    }
    Enable(IDC_AUTH_WEP_GROUP, others);
    Enable(IDC_AUTH_HINT, enable);
    if (enable && !m_Values.infrastructure) {
        // An ad hoc network sends with the first key.
        m_Values.defaultKey = 0;
        ::CheckRadioButton(m_Owner.m_hWnd, IDC_AUTH_KEY1, IDC_AUTH_KEY4, IDC_AUTH_KEY1);
    }
}

void AuthSecuForm::OnKeyChange() {
    ControlsToValues();
    m_Owner.SetDlgItemText(IDC_AUTH_HINT, fw::LoadStr(IDS_WEP_HINT));
}

void AuthSecuForm::OnShowPassword() {
    const bool show = m_Owner.IsDlgButtonChecked(IDC_AUTH_SHOW_PASSWORD) == BST_CHECKED;
    std::vector<int> ids(std::begin(kHexEdits), std::end(kHexEdits));
    ids.insert(ids.end(), std::begin(kAsciiEdits), std::end(kAsciiEdits));
    ids.push_back(IDC_AUTH_LEAP_PASSWORD);
    ids.push_back(IDC_AUTH_PSK);
    for (int id : ids) {
        HWND edit = m_Owner.GetDlgItem(id);
        if (!edit) continue;
        // A disabled edit takes the change only while enabled.
        const bool disabled = !::IsWindowEnabled(edit);
        if (disabled) ::EnableWindow(edit, TRUE);
        ::SendMessageA(edit, EM_SETPASSWORDCHAR, show ? 0 : '*', 0);
        ::InvalidateRect(edit, nullptr, TRUE);
        ::UpdateWindow(edit);
        if (disabled) ::EnableWindow(edit, FALSE);
    }
}

void AuthSecuForm::OnUse8021X(bool toggle) {
    ControlsToValues();
    AuthSecuValues& v = m_Values;
    if (toggle) v.use8021X = v.use8021X ? 0 : 1;
    if (v.use8021X && v.dot1x.eapMethod != kEapMd5) EnableWepControls(false);
    else if (v.authType == kAuthShared || v.encryptionIndex == 1) EnableWepControls(true);
    ValuesToControls();
}

void AuthSecuForm::On8021XSettings() {
    ControlsToValues();
    AuthSecuValues& v = m_Values;
    const bool infrastructure = v.infrastructure != 0;
    const bool enterprise = (v.authType == kAuthWpa || v.authType == kAuthWpa2) && infrastructure;
    if (!enterprise && !(OpenOrShared(v.authType) && infrastructure)) {
        Enable(IDC_AUTH_8021X_SETTINGS, false);
        return;
    }
    C8021xSheet sheet(IDS_8021X_SHEET_CAPTION, &m_Owner);
    sheet.m_bWpaMode = enterprise ? 1 : 0;
    sheet.m_Settings = m_Values.dot1x;
    if (sheet.DoModal() != IDOK) return;
    m_Values.dot1x = sheet.m_Settings;
    const AuthSecuValues& now = m_Values;
    if (now.use8021X && now.dot1x.eapMethod != kEapMd5) EnableWepControls(false);
    else if (now.authType == kAuthShared || now.encryptionIndex == 1) EnableWepControls(true);
}
