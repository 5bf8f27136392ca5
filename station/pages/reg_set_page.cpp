#include "station/pages/reg_set_page.h"

#include <cstring>

#include "framework/ddx.h"
#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "resources/station/resource.h"
#include "shared/adapter_identity.h"
#include "shared/hex_text.h"
#include "shared/oid_access.h"
#include "station/core/driver_oid_ops.h"
#include "shared/register_records.h"

namespace {

constexpr DWORD kOidQueryRegister = 0xFF0C0008;
constexpr DWORD kOidSetRfRegisters = 0x0DF10120;
constexpr DWORD kOidQueryR17 = 0x0D710109;
constexpr DWORD kOidSetR17 = 0x0DF10109;
constexpr DWORD kOidSetBbpTuning = 0x0DF10121;
constexpr int kSetTries = 3;

struct EditSpec {
    int id;
    WORD mask;
    int limit;  // characters
};
constexpr EditSpec kEdits[] = {
    {IDC_REGSET_MAC_OFFSET, CSmartEdit::kParseHex, 8},    {IDC_REGSET_MAC_VALUE, CSmartEdit::kParseHex, 8},
    {IDC_REGSET_BBP_ID, CSmartEdit::kParseUnsigned, 3},   {IDC_REGSET_BBP_VALUE, CSmartEdit::kParseHex, 2},
    {IDC_REGSET_EEPROM_OFFSET, CSmartEdit::kParseHex, 8}, {IDC_REGSET_EEPROM_VALUE, CSmartEdit::kParseHex, 8},
    {IDC_REGSET_RF_R1, CSmartEdit::kParseHex, 8},         {IDC_REGSET_RF_R2, CSmartEdit::kParseHex, 8},
    {IDC_REGSET_RF_R3, CSmartEdit::kParseHex, 8},         {IDC_REGSET_RF_R4, CSmartEdit::kParseHex, 8},
    {IDC_REGSET_R17_BYTE0, CSmartEdit::kParseUnsigned, 3}, {IDC_REGSET_R17_BYTE1, CSmartEdit::kParseUnsigned, 3},
    {IDC_REGSET_R17_BYTE2, CSmartEdit::kParseUnsigned, 3}, {IDC_REGSET_R17_MAX, CSmartEdit::kParseHex, 2},
};
static_assert(std::size(kEdits) == 14, "one smart edit per field");

// The RF row exists only on USB adapters.
constexpr int kRfControls[] = {IDC_REGSET_RF_GROUP,     IDC_REGSET_RF_LABEL,     IDC_REGSET_RF_R1_LABEL,
                               IDC_REGSET_RF_R3_LABEL,  IDC_REGSET_RF_R2_LABEL,  IDC_REGSET_RF_R4_LABEL,
                               IDC_REGSET_RF_TUNING,    IDC_REGSET_RF_SET};
constexpr int kRfEdits[] = {IDC_REGSET_RF_R1, IDC_REGSET_RF_R2, IDC_REGSET_RF_R3, IDC_REGSET_RF_R4};

}  // namespace

FW_BEGIN_MESSAGE_MAP(CRegSetPage, fw::CPropertyPage)
    FW_ON_BN_CLICKED(IDC_REGSET_MAC_QUERY, OnMacQuery)
    FW_ON_BN_CLICKED(IDC_REGSET_MAC_SET, OnMacSet)
    FW_ON_BN_CLICKED(IDC_REGSET_BBP_QUERY, OnBbpQuery)
    FW_ON_BN_CLICKED(IDC_REGSET_BBP_SET, OnBbpSet)
    FW_ON_BN_CLICKED(IDC_REGSET_EEPROM_QUERY, OnEepromQuery)
    FW_ON_BN_CLICKED(IDC_REGSET_EEPROM_SET, OnEepromSet)
    FW_ON_BN_CLICKED(IDC_REGSET_RF_SET, OnRfSet)
    FW_ON_BN_CLICKED(IDC_REGSET_R17_QUERY, OnR17Query)
    FW_ON_BN_CLICKED(IDC_REGSET_R17_SET, OnR17Set)
    FW_ON_BN_CLICKED(IDC_REGSET_BBP_TUNING_SET, OnBbpTuningSet)
FW_END_MESSAGE_MAP()

CRegSetPage::CRegSetPage() : fw::CPropertyPage(IDD_REG_SET) {}

void CRegSetPage::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Text(dx, IDC_REGSET_MAC_OFFSET, m_strMacOffset);
    fw::DDX_Text(dx, IDC_REGSET_MAC_VALUE, m_strMacValue);
    fw::DDX_Text(dx, IDC_REGSET_BBP_ID, m_strBbpId);
    fw::DDX_Text(dx, IDC_REGSET_BBP_VALUE, m_strBbpValue);
    fw::DDX_Check(dx, IDC_REGSET_BBP_TUNING, m_bBbpTuning);
    fw::DDX_Text(dx, IDC_REGSET_EEPROM_OFFSET, m_strEepromOffset);
    fw::DDX_Text(dx, IDC_REGSET_EEPROM_VALUE, m_strEepromValue);
    const int rf[] = {IDC_REGSET_RF_R1, IDC_REGSET_RF_R2, IDC_REGSET_RF_R3, IDC_REGSET_RF_R4};
    for (int i = 0; i < 4; ++i) fw::DDX_Text(dx, rf[i], m_strRf[i]);
    fw::DDX_Check(dx, IDC_REGSET_RF_TUNING, m_bRfTuning);
    const int r17[] = {IDC_REGSET_R17_BYTE0, IDC_REGSET_R17_BYTE1, IDC_REGSET_R17_BYTE2};
    for (int i = 0; i < 3; ++i) fw::DDX_Text(dx, r17[i], m_strR17[i]);
    fw::DDX_Text(dx, IDC_REGSET_R17_MAX, m_strR17Max);
}

BOOL CRegSetPage::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    for (size_t i = 0; i < std::size(kEdits); ++i) {
        m_Edits[i].SubclassEdit(kEdits[i].id, this, kEdits[i].mask);
        m_Edits[i].SendMessage(EM_LIMITTEXT, kEdits[i].limit);
    }
    if (g_IsUsbAdapter == 0) {
        for (int id : kRfControls) ::ShowWindow(GetDlgItem(id), SW_HIDE);
        for (int id : kRfEdits) ::EnableWindow(GetDlgItem(id), FALSE);
    }
    return TRUE;
}

void CRegSetPage::Refuse(int id, UINT message) {
    platform::Boxes().Show(m_hWnd, fw::LoadStr(message).c_str(), "Lumora", MB_OK | MB_ICONWARNING);
    HWND field = GetDlgItem(id);
    ::SetFocus(field);
    ::SendMessageA(field, EM_SETSEL, 0, -1);
}

// The edits refuse typed characters that are not digits, but a paste goes past that check.
bool CRegSetPage::HexField(int id, const std::string& text, size_t digits, uint32_t* value) {
    if (ParseHexNumber(text.c_str(), digits, value)) return true;
    Refuse(id, digits == 2 ? IDS_REGSET_BAD_HEX2 : IDS_REGSET_BAD_HEX8);
    return false;
}

bool CRegSetPage::ByteField(int id, const std::string& text, uint8_t* value) {
    unsigned v = 0;
    bool ok = !text.empty() && text.size() <= 3;
    for (char c : text) {
        if (c < '0' || c > '9') ok = false;
        else v = v * 10 + static_cast<unsigned>(c - '0');
    }
    if (ok && v <= 255) {
        *value = static_cast<uint8_t>(v);
        return true;
    }
    Refuse(id, IDS_REGSET_BAD_BYTE);
    return false;
}

void CRegSetPage::QueryRegister(uint32_t kind, uint32_t offset, uint32_t* value) {
    // A refused query leaves the zero the record started with.
    RegisterAccessRecord record{kind, offset, 0};
    DWORD returned = 0;
    QueryOid(kOidQueryRegister, &record, sizeof record, &returned);
    *value = record.Value;
}

void CRegSetPage::SetRegister(uint32_t kind, uint32_t offset, uint32_t value) {
    RegisterAccessRecord record{kind, offset, value};
    DriverOidOps().SetOid0008(&record);
}

// MAC and EEPROM registers: an 8-digit offset and an 8-digit value.
void CRegSetPage::QueryWord(uint32_t kind, int offsetId, const std::string& offsetText, std::string& valueText) {
    UpdateData(TRUE);
    uint32_t offset = 0, value = 0;
    if (!HexField(offsetId, offsetText, 8, &offset)) return;
    QueryRegister(kind, offset, &value);
    valueText = fw::FormatStr("%08X", value);
    UpdateData(FALSE);
}

void CRegSetPage::SetWord(uint32_t kind, int offsetId, const std::string& offsetText, int valueId,
                          const std::string& valueText) {
    UpdateData(TRUE);
    uint32_t offset = 0, value = 0;
    if (!HexField(offsetId, offsetText, 8, &offset) || !HexField(valueId, valueText, 8, &value)) return;
    SetRegister(kind, offset, value);
}

void CRegSetPage::OnMacQuery() { QueryWord(kRegisterMac, IDC_REGSET_MAC_OFFSET, m_strMacOffset, m_strMacValue); }

void CRegSetPage::OnMacSet() {
    SetWord(kRegisterMac, IDC_REGSET_MAC_OFFSET, m_strMacOffset, IDC_REGSET_MAC_VALUE, m_strMacValue);
}

void CRegSetPage::OnEepromQuery() {
    QueryWord(kRegisterEeprom, IDC_REGSET_EEPROM_OFFSET, m_strEepromOffset, m_strEepromValue);
}

void CRegSetPage::OnEepromSet() {
    SetWord(kRegisterEeprom, IDC_REGSET_EEPROM_OFFSET, m_strEepromOffset, IDC_REGSET_EEPROM_VALUE, m_strEepromValue);
}

void CRegSetPage::OnBbpQuery() {
    UpdateData(TRUE);
    uint8_t id = 0;
    uint32_t value = 0;
    if (!ByteField(IDC_REGSET_BBP_ID, m_strBbpId, &id)) return;
    QueryRegister(kRegisterBbp, id, &value);
    m_strBbpValue = fw::FormatStr("%02X", value & 0xFF);
    UpdateData(FALSE);
}

void CRegSetPage::OnBbpSet() {
    UpdateData(TRUE);
    uint8_t id = 0;
    uint32_t value = 0;
    if (!ByteField(IDC_REGSET_BBP_ID, m_strBbpId, &id) || !HexField(IDC_REGSET_BBP_VALUE, m_strBbpValue, 2, &value))
        return;
    SetRegister(kRegisterBbp, id, value);
}

void CRegSetPage::OnRfSet() {
    UpdateData(TRUE);
    RfRegisterRecord record{};
    for (int i = 0; i < 4; ++i)
        if (!HexField(kRfEdits[i], m_strRf[i], 8, &record.R[i])) return;
    record.TuningEnable = m_bRfTuning == BST_CHECKED ? 1 : 0;
    DWORD returned = 0;
    SetOid(kOidSetRfRegisters, &record, sizeof record, &returned, kSetTries);
}

void CRegSetPage::OnR17Query() {
    UpdateData(TRUE);
    R17TuningRecord record{};
    DWORD returned = 0;
    QueryOid(kOidQueryR17, &record, sizeof record, &returned);
    for (int i = 0; i < 3; ++i) m_strR17[i] = fw::FormatStr("%d", record.Field[i]);
    m_strR17Max = fw::FormatStr("%02x", record.MaxR17);
    UpdateData(FALSE);
}

void CRegSetPage::OnR17Set() {
    UpdateData(TRUE);
    R17TuningRecord record{};
    const int ids[] = {IDC_REGSET_R17_BYTE0, IDC_REGSET_R17_BYTE1, IDC_REGSET_R17_BYTE2};
    for (int i = 0; i < 3; ++i)
        if (!ByteField(ids[i], m_strR17[i], &record.Field[i])) return;
    uint32_t max = 0;
    if (!HexField(IDC_REGSET_R17_MAX, m_strR17Max, 2, &max)) return;
    record.MaxR17 = static_cast<uint8_t>(max);
    DWORD returned = 0;
    SetOid(kOidSetR17, &record, sizeof record, &returned, kSetTries);
}

void CRegSetPage::OnBbpTuningSet() {
    UpdateData(TRUE);
    DWORD enable = m_bBbpTuning == BST_CHECKED ? 1 : 0;
    DWORD returned = 0;
    SetOid(kOidSetBbpTuning, &enable, sizeof enable, &returned, kSetTries);
}
