#include "station/pages/reg_set_page.h"

#include "framework/ddx.h"
#include "framework/resources.h"
#include "resources/station/resource.h"
#include "shared/adapter/adapter_identity.h"
#include "shared/driver/oid_access.h"
#include "shared/pages/register_records.h"
#include "station/core/driver/driver_oid_ops.h"

namespace {

constexpr DWORD kOidSetRfRegisters = 0x0DF10120;
constexpr DWORD kOidSetBbpTuning = 0x0DF10121;
constexpr int kSetTries = 3;

constexpr CRegSetPageBase::Oids kOids = {
    0xFF0C0008,  // register query
    0x0D710109,  // R17 query
    0x0DF10109,  // R17 set
};
constexpr CRegSetPageBase::Refusals kRefusals = {"Lumora", IDS_REGSET_BAD_HEX2, IDS_REGSET_BAD_HEX8};

constexpr CRegSetPageBase::EditSpec kEdits[] = {
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

constexpr int kR17Ids[3] = {IDC_REGSET_R17_BYTE0, IDC_REGSET_R17_BYTE1, IDC_REGSET_R17_BYTE2};

}  // namespace

FW_BEGIN_MESSAGE_MAP(CRegSetPage, CRegSetPageBase)
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

CRegSetPage::CRegSetPage() : CRegSetPageBase(IDD_REG_SET, 0, kOids, kRefusals) {}

void CRegSetPage::DoDataExchange(fw::CDataExchange* dx) {
    fw::DDX_Text(dx, IDC_REGSET_MAC_OFFSET, m_strMacOffset);
    fw::DDX_Text(dx, IDC_REGSET_MAC_VALUE, m_strMacValue);
    fw::DDX_Text(dx, IDC_REGSET_BBP_ID, m_strBbpId);
    fw::DDX_Text(dx, IDC_REGSET_BBP_VALUE, m_strBbpValue);
    fw::DDX_Check(dx, IDC_REGSET_BBP_TUNING, m_bBbpTuning);
    fw::DDX_Text(dx, IDC_REGSET_EEPROM_OFFSET, m_strEepromOffset);
    fw::DDX_Text(dx, IDC_REGSET_EEPROM_VALUE, m_strEepromValue);
    for (int i = 0; i < 4; ++i) fw::DDX_Text(dx, kRfEdits[i], m_strRf[i]);
    fw::DDX_Check(dx, IDC_REGSET_RF_TUNING, m_bRfTuning);
    for (int i = 0; i < 3; ++i) fw::DDX_Text(dx, kR17Ids[i], m_strR17[i]);
    fw::DDX_Text(dx, IDC_REGSET_R17_MAX, m_strR17Max);
}

BOOL CRegSetPage::OnInitDialog() {
    fw::CPropertyPage::OnInitDialog();
    SetUpEdits(m_Edits.data(), kEdits, std::size(kEdits));
    if (g_IsUsbAdapter == 0) {
        for (int id : kRfControls) ::ShowWindow(GetDlgItem(id), SW_HIDE);
        for (int id : kRfEdits) ::EnableWindow(GetDlgItem(id), FALSE);
    }
    return TRUE;
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
    Refuse(id, fw::LoadStr(IDS_REGSET_BAD_BYTE));
    return false;
}

void CRegSetPage::SetRegister(uint32_t kind, uint32_t offset, uint32_t value) {
    RegisterAccessRecord record{kind, offset, value};
    DriverOidOps().SetOid0008(&record);
}

void CRegSetPage::OnMacQuery() {
    UpdateData(TRUE);
    QueryWord(kRegisterMac, IDC_REGSET_MAC_OFFSET, m_strMacOffset, m_strMacValue);
}

void CRegSetPage::OnMacSet() {
    UpdateData(TRUE);
    SetWord(kRegisterMac, IDC_REGSET_MAC_OFFSET, m_strMacOffset, IDC_REGSET_MAC_VALUE, m_strMacValue);
}

void CRegSetPage::OnEepromQuery() {
    UpdateData(TRUE);
    QueryWord(kRegisterEeprom, IDC_REGSET_EEPROM_OFFSET, m_strEepromOffset, m_strEepromValue);
}

void CRegSetPage::OnEepromSet() {
    UpdateData(TRUE);
    SetWord(kRegisterEeprom, IDC_REGSET_EEPROM_OFFSET, m_strEepromOffset, IDC_REGSET_EEPROM_VALUE, m_strEepromValue);
}

void CRegSetPage::OnBbpQuery() {
    UpdateData(TRUE);
    uint8_t id = 0;
    if (ByteField(IDC_REGSET_BBP_ID, m_strBbpId, &id)) QueryBbp(id);
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
    QueryR17();
}

void CRegSetPage::OnR17Set() {
    UpdateData(TRUE);
    uint8_t field[3] = {};
    for (int i = 0; i < 3; ++i)
        if (!ByteField(kR17Ids[i], m_strR17[i], &field[i])) return;
    SetR17(field, IDC_REGSET_R17_MAX);
}

void CRegSetPage::OnBbpTuningSet() {
    UpdateData(TRUE);
    DWORD enable = m_bBbpTuning == BST_CHECKED ? 1 : 0;
    DWORD returned = 0;
    SetOid(kOidSetBbpTuning, &enable, sizeof enable, &returned, kSetTries);
}
