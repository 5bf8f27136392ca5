#pragma once
// What both utilities' "Setting Register" engineering pages share: their smart edits, the
// refusal of a field that is not a number, the single-register record read and written
// through the program's OIDs, the MAC and EEPROM words, and the R17 tuning record. Each
// program checks its number fields, has its own RF row and extras, and writes a register
// its way.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/property_page.h"
#include "shared/controls/link_slider.h"  // completes CSmartEdit's slider member
#include "shared/controls/smart_edit.h"

class CRegSetPageBase : public fw::CPropertyPage {
public:
    struct EditSpec {
        int id;
        WORD mask;
        int limit;  // characters
    };
    struct Oids {
        uint32_t queryRegister, queryR17, setR17;
    };
    // The refusals' box title and the program's numbers for the two hex messages.
    struct Refusals {
        const char* title;
        UINT badHex2, badHex8;
    };

protected:
    CRegSetPageBase(UINT page, UINT caption, const Oids& oids, const Refusals& refusals);

    // Binds one smart edit to each field, with its characters and length.
    void SetUpEdits(CSmartEdit* edits, const EditSpec* specs, size_t count);

    // A message box, then the field gets the focus with its text selected.
    void Refuse(int id, const std::string& message);
    // A hex text as a number; a wrong one is refused, so that nothing is sent.
    bool HexField(int id, const std::string& text, size_t digits, uint32_t* value);

    // A refused read gives the zero the record started with.
    uint32_t QueryRegister(uint32_t kind, uint32_t offset);
    virtual void SetRegister(uint32_t kind, uint32_t offset, uint32_t value) = 0;
    // MAC and EEPROM registers: an offset and a value of up to 8 hex digits each.
    void QueryWord(uint32_t kind, int offsetId, const std::string& offsetText, std::string& valueText);
    void SetWord(uint32_t kind, int offsetId, const std::string& offsetText, int valueId, const std::string& valueText);
    // The BBP register's low byte, shown as two hex digits.
    void QueryBbp(uint8_t id);

    // The R17 record into its four fields; written with the checked bytes and the max field.
    void QueryR17();
    void SetR17(const uint8_t field[3], int maxId);

    std::string m_strMacOffset = "00000000", m_strMacValue = "00000000";
    std::string m_strBbpId = "0", m_strBbpValue = "00";
    std::string m_strEepromOffset = "00000000", m_strEepromValue = "00000000";
    std::string m_strR17[3] = {"0", "0", "0"};
    std::string m_strR17Max = "00";

private:
    const Oids m_Oids;
    const Refusals m_Refusals;
};
