#include "softap/pages/reg_set_page.h"

#include "softap/core/app_title.h"
#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/softap/resource.h"
#include "shared/driver/oid_access.h"
#include "shared/pages/register_records.h"

namespace softap {

namespace {

constexpr DWORD kOidSetRegister = 0x0DF10105;
constexpr DWORD kOidSetErrorMic = 0x0DF10115;  // no data
constexpr int kSetTries = 3;
constexpr int kErrorMicTries = 1;
constexpr UINT kSecondMicBaseMs = 60000;  // plus the delay
constexpr UINT kThirdMicMs = 120000;

constexpr CRegSetPageBase::Oids kOids = {
    0x0D710105,  // register query
    0x0D710109,  // R17 query
    0x0DF10109,  // R17 set
};
constexpr CRegSetPageBase::Refusals kRefusals = {kAppTitle, IDS_REGSET_BAD_HEX2, IDS_REGSET_BAD_HEX8};

constexpr CRegSetPageBase::EditSpec kEdits[] = {
    {IDC_REGSET_MAC_OFFSET, CSmartEdit::kParseHex, 8},     {IDC_REGSET_MAC_VALUE, CSmartEdit::kParseHex, 8},
    {IDC_REGSET_BBP_ID, CSmartEdit::kParseUnsigned, 3},    {IDC_REGSET_BBP_VALUE, CSmartEdit::kParseHex, 2},
    {IDC_REGSET_RF_VALUE, CSmartEdit::kParseHex, 8},       {IDC_REGSET_EEPROM_OFFSET, CSmartEdit::kParseHex, 8},
    {IDC_REGSET_EEPROM_VALUE, CSmartEdit::kParseHex, 8},   {IDC_REGSET_R17_BYTE0, CSmartEdit::kParseUnsigned, 3},
    {IDC_REGSET_R17_BYTE1, CSmartEdit::kParseUnsigned, 3}, {IDC_REGSET_R17_BYTE2, CSmartEdit::kParseUnsigned, 3},
    {IDC_REGSET_R17_MAX, CSmartEdit::kParseHex, 2},        {IDC_REGSET_MIC_DELAY, CSmartEdit::kParseUnsigned, 2},
};
static_assert(std::size(kEdits) == 12, "one smart edit per field");

constexpr int kR17Ids[3] = {IDC_REGSET_R17_BYTE0, IDC_REGSET_R17_BYTE1, IDC_REGSET_R17_BYTE2};

}  // namespace

FW_BEGIN_MESSAGE_MAP(CRegSetPage, CRegSetPageBase)
    FW_ON_BN_CLICKED(IDC_REGSET_MAC_QUERY, OnMacQuery)
    FW_ON_BN_CLICKED(IDC_REGSET_MAC_SET, OnMacSet)
    FW_ON_BN_CLICKED(IDC_REGSET_BBP_QUERY, OnBbpQuery)
    FW_ON_BN_CLICKED(IDC_REGSET_BBP_SET, OnBbpSet)
    FW_ON_BN_CLICKED(IDC_REGSET_RF_SET, OnRfSet)
    FW_ON_BN_CLICKED(IDC_REGSET_EEPROM_QUERY, OnEepromQuery)
    FW_ON_BN_CLICKED(IDC_REGSET_EEPROM_SET, OnEepromSet)
    FW_ON_BN_CLICKED(IDC_REGSET_R17_QUERY, OnR17Query)
    FW_ON_BN_CLICKED(IDC_REGSET_R17_SET, OnR17Set)
    FW_ON_BN_CLICKED(IDC_REGSET_ERROR_MIC, OnGenerateErrorMic)
    FW_ON_WM_TIMER(OnTimer)
    FW_ON_WM_DESTROY(OnDestroy)
FW_END_MESSAGE_MAP()

CRegSetPage::CRegSetPage() : CRegSetPageBase(IDD_REG_SET, IDS_SETTING_REGISTER, kOids, kRefusals) {}

void CRegSetPage::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Text(dx, IDC_REGSET_MAC_OFFSET, m_strMacOffset);
    fw::DDX_Text(dx, IDC_REGSET_MAC_VALUE, m_strMacValue);
    fw::DDX_Text(dx, IDC_REGSET_BBP_ID, m_strBbpId);
    fw::DDX_Text(dx, IDC_REGSET_BBP_VALUE, m_strBbpValue);
    fw::DDX_Text(dx, IDC_REGSET_RF_VALUE, m_strRfValue);
    fw::DDX_Text(dx, IDC_REGSET_EEPROM_OFFSET, m_strEepromOffset);
    fw::DDX_Text(dx, IDC_REGSET_EEPROM_VALUE, m_strEepromValue);
    for (int i = 0; i < 3; ++i) fw::DDX_Text(dx, kR17Ids[i], m_strR17[i]);
    fw::DDX_Text(dx, IDC_REGSET_R17_MAX, m_strR17Max);
    fw::DDX_Text(dx, IDC_REGSET_MIC_DELAY, m_strMicDelay);
}

BOOL CRegSetPage::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    SetUpEdits(m_Edits.data(), kEdits, std::size(kEdits));
    return TRUE;
}

bool CRegSetPage::NumberField(int id, const std::string& text, int min, int max, int* value) {
    bool digits = !text.empty() && text.size() <= 9;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') digits = false;
        else if (digits) v = v * 10 + (c - '0');
    }
    if (!digits) {
        Refuse(id, fw::LoadStr(IDS_ENTER_INTEGER));
        return false;
    }
    if (v < min || v > max) {
        Refuse(id, fw::FormatStr(fw::LoadStr(IDS_ENTER_INTEGER_RANGE).c_str(), min, max));
        return false;
    }
    *value = v;
    return true;
}

bool CRegSetPage::ReadControls() {
    UpdateData(TRUE);
    if (!NumberField(IDC_REGSET_BBP_ID, m_strBbpId, 0, 255, &m_nBbpId)) return false;
    for (int i = 0; i < 3; ++i)
        if (!NumberField(kR17Ids[i], m_strR17[i], 0, 255, &m_nR17[i])) return false;
    return NumberField(IDC_REGSET_MIC_DELAY, m_strMicDelay, 0, 59, &m_nMicDelay);
}

void CRegSetPage::SetRegister(uint32_t kind, uint32_t offset, uint32_t value) {
    RegisterAccessRecord record{kind, offset, value};
    DWORD returned = 0;
    SetOid(kOidSetRegister, &record, sizeof record, &returned, kSetTries);
}

void CRegSetPage::OnMacQuery() {
    if (ReadControls()) QueryWord(kRegisterMac, IDC_REGSET_MAC_OFFSET, m_strMacOffset, m_strMacValue);
}

void CRegSetPage::OnMacSet() {
    if (ReadControls())
        SetWord(kRegisterMac, IDC_REGSET_MAC_OFFSET, m_strMacOffset, IDC_REGSET_MAC_VALUE, m_strMacValue);
}

void CRegSetPage::OnEepromQuery() {
    if (ReadControls()) QueryWord(kRegisterEeprom, IDC_REGSET_EEPROM_OFFSET, m_strEepromOffset, m_strEepromValue);
}

void CRegSetPage::OnEepromSet() {
    if (ReadControls())
        SetWord(kRegisterEeprom, IDC_REGSET_EEPROM_OFFSET, m_strEepromOffset, IDC_REGSET_EEPROM_VALUE,
                m_strEepromValue);
}

void CRegSetPage::OnBbpQuery() {
    if (ReadControls()) QueryBbp(static_cast<uint8_t>(m_nBbpId));
}

void CRegSetPage::OnBbpSet() {
    uint32_t value = 0;
    if (!ReadControls() || !HexField(IDC_REGSET_BBP_VALUE, m_strBbpValue, 2, &value)) return;
    SetRegister(kRegisterBbp, static_cast<uint32_t>(m_nBbpId), value);
}

void CRegSetPage::OnRfSet() {
    uint32_t value = 0;
    if (!ReadControls() || !HexField(IDC_REGSET_RF_VALUE, m_strRfValue, 8, &value)) return;
    SetRegister(kRegisterRf, 0, value);
}

void CRegSetPage::OnR17Query() {
    if (ReadControls()) QueryR17();
}

void CRegSetPage::OnR17Set() {
    if (!ReadControls()) return;
    const uint8_t field[3] = {static_cast<uint8_t>(m_nR17[0]), static_cast<uint8_t>(m_nR17[1]),
                              static_cast<uint8_t>(m_nR17[2])};
    SetR17(field, IDC_REGSET_R17_MAX);
}

void CRegSetPage::SendErrorMicRequest() {
    DWORD returned = 0;
    SetOid(kOidSetErrorMic, nullptr, 0, &returned, kErrorMicTries);
}

// Three requests: now, after the delay plus a minute, and after two minutes.
void CRegSetPage::OnGenerateErrorMic() {
    if (!ReadControls()) return;
    SendErrorMicRequest();
    SetTimer(kSecondMicTimerId, static_cast<UINT>(m_nMicDelay) * 1000 + kSecondMicBaseMs);
    SetTimer(kThirdMicTimerId, kThirdMicMs);
    ::EnableWindow(GetDlgItem(IDC_REGSET_ERROR_MIC), FALSE);
}

void CRegSetPage::OnTimer(UINT_PTR id) {
    if (id == kSecondMicTimerId) {
        SendErrorMicRequest();
        KillTimer(kSecondMicTimerId);
    } else if (id == kThirdMicTimerId) {
        SendErrorMicRequest();
        KillTimer(kThirdMicTimerId);
        ::EnableWindow(GetDlgItem(IDC_REGSET_ERROR_MIC), TRUE);
    }
}

void CRegSetPage::OnDestroy() {
    KillTimer(kSecondMicTimerId);
    KillTimer(kThirdMicTimerId);
}

}  // namespace softap
