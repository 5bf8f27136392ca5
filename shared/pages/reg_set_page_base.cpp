#include "shared/pages/reg_set_page_base.h"

#include "framework/resources.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "shared/text/hex_text.h"
#include "shared/driver/oid_access.h"
#include "shared/pages/register_records.h"

namespace {

constexpr int kSetTries = 3;

}  // namespace

CRegSetPageBase::CRegSetPageBase(UINT page, UINT caption, const Oids& oids, const Refusals& refusals)
    : fw::CPropertyPage(page, caption), m_Oids(oids), m_Refusals(refusals) {}

void CRegSetPageBase::SetUpEdits(CSmartEdit* edits, const EditSpec* specs, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        edits[i].SubclassEdit(specs[i].id, this, specs[i].mask);
        edits[i].SendMessage(EM_LIMITTEXT, specs[i].limit);
    }
}

void CRegSetPageBase::Refuse(int id, const std::string& message) {
    platform::Boxes().Show(m_hWnd, message.c_str(), m_Refusals.title, MB_OK | MB_ICONEXCLAMATION);
    HWND field = GetDlgItem(id);
    ::SetFocus(field);
    ::SendMessageA(field, EM_SETSEL, 0, -1);
}

// The edits refuse typed characters that are not hex digits, but a paste goes past them.
bool CRegSetPageBase::HexField(int id, const std::string& text, size_t digits, uint32_t* value) {
    if (ParseHexNumber(text.c_str(), digits, value)) return true;
    Refuse(id, fw::LoadStr(digits == 2 ? m_Refusals.badHex2 : m_Refusals.badHex8));
    return false;
}

uint32_t CRegSetPageBase::QueryRegister(uint32_t kind, uint32_t offset) {
    RegisterAccessRecord record{kind, offset, 0};
    DWORD returned = 0;
    QueryOid(m_Oids.queryRegister, &record, sizeof record, &returned);
    return record.Value;
}

void CRegSetPageBase::QueryWord(uint32_t kind, int offsetId, const std::string& offsetText, std::string& valueText) {
    uint32_t offset = 0;
    if (!HexField(offsetId, offsetText, 8, &offset)) return;
    valueText = fw::FormatStr("%08X", QueryRegister(kind, offset));
    UpdateData(FALSE);
}

void CRegSetPageBase::SetWord(uint32_t kind, int offsetId, const std::string& offsetText, int valueId,
                              const std::string& valueText) {
    uint32_t offset = 0, value = 0;
    if (!HexField(offsetId, offsetText, 8, &offset) || !HexField(valueId, valueText, 8, &value)) return;
    SetRegister(kind, offset, value);
}

void CRegSetPageBase::QueryBbp(uint8_t id) {
    m_strBbpValue = fw::FormatStr("%02X", QueryRegister(kRegisterBbp, id) & 0xFF);
    UpdateData(FALSE);
}

void CRegSetPageBase::QueryR17() {
    R17TuningRecord record{};
    DWORD returned = 0;
    QueryOid(m_Oids.queryR17, &record, sizeof record, &returned);
    for (int i = 0; i < 3; ++i) m_strR17[i] = fw::FormatStr("%d", record.Field[i]);
    m_strR17Max = fw::FormatStr("%02x", record.MaxR17);
    UpdateData(FALSE);
}

void CRegSetPageBase::SetR17(const uint8_t field[3], int maxId) {
    uint32_t max = 0;
    if (!HexField(maxId, m_strR17Max, 2, &max)) return;
    R17TuningRecord record{};
    for (int i = 0; i < 3; ++i) record.Field[i] = field[i];
    record.MaxR17 = static_cast<uint8_t>(max);
    DWORD returned = 0;
    SetOid(m_Oids.setR17, &record, sizeof record, &returned, kSetTries);
}
