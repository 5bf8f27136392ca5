#pragma once
// The "Setting Register" engineering page: reads and writes single MAC, baseband (BBP) and
// EEPROM registers, writes the RF registers, sets the BBP tuning switch and the R17 tuning
// record, all through the driver's private OIDs. The main sheet builds it but never adds it.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "framework/property_page.h"
#include "shared/link_slider.h"  // completes CSmartEdit's slider member
#include "shared/smart_edit.h"

class CRegSetPage : public fw::CPropertyPage {
public:
    CRegSetPage();

    BOOL OnInitDialog() override;

    void OnMacQuery();
    void OnMacSet();
    void OnBbpQuery();
    void OnBbpSet();
    void OnEepromQuery();
    void OnEepromSet();
    void OnRfSet();
    void OnR17Query();
    void OnR17Set();
    void OnBbpTuningSet();

protected:
    void DoDataExchange(fw::CDataExchange* dx) override;
    FW_DECLARE_MESSAGE_MAP()

private:
    // The text of a field as a number; a wrong one is refused with a message and the field
    // gets the focus, so that nothing is sent.
    bool HexField(int id, const std::string& text, size_t digits, uint32_t* value);
    bool ByteField(int id, const std::string& text, uint8_t* value);
    void Refuse(int id, UINT message);
    void QueryRegister(uint32_t kind, uint32_t offset, uint32_t* value);
    void SetRegister(uint32_t kind, uint32_t offset, uint32_t value);
    void QueryWord(uint32_t kind, int offsetId, const std::string& offsetText, std::string& valueText);
    void SetWord(uint32_t kind, int offsetId, const std::string& offsetText, int valueId, const std::string& valueText);

    std::array<CSmartEdit, 14> m_Edits;
    std::string m_strMacOffset = "00000000", m_strMacValue = "00000000";
    std::string m_strBbpId = "0", m_strBbpValue = "00";
    std::string m_strEepromOffset = "00000000", m_strEepromValue = "00000000";
    std::string m_strRf[4] = {"00000000", "00000000", "00000000", "00000000"};
    std::string m_strR17[3] = {"0", "0", "0"};
    std::string m_strR17Max = "00";
    int m_bBbpTuning = 1;
    int m_bRfTuning = 1;
};
