#pragma once
// The "Setting Register" engineering page of Havix: reads and writes single MAC, baseband
// (BBP), RF and EEPROM registers through one private OID, sets the R17 tuning record and
// asks the driver for error-MIC reports. The sheet holds it but never adds it.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "framework/property_page.h"
#include "shared/link_slider.h"  // completes CSmartEdit's slider member
#include "shared/smart_edit.h"

namespace daduve {

class CRegSetPage : public fw::CPropertyPage {
public:
    CRegSetPage();

    static constexpr UINT_PTR kSecondMicTimerId = 1;
    static constexpr UINT_PTR kThirdMicTimerId = 2;

    BOOL OnInitDialog() override;

    void OnMacQuery();
    void OnMacSet();
    void OnBbpQuery();
    void OnBbpSet();
    void OnRfSet();
    void OnEepromQuery();
    void OnEepromSet();
    void OnR17Query();
    void OnR17Set();
    void OnGenerateErrorMic();

protected:
    void DoDataExchange(fw::CDataExchange* dx) override;
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    FW_DECLARE_MESSAGE_MAP()

private:
    // The controls into the members, the number fields checked against their ranges; a wrong
    // one is refused with a message and gets the focus.
    bool ReadControls();
    bool NumberField(int id, const std::string& text, int min, int max, int* value);
    // A hex text as a number; a wrong one is refused the same way, so that nothing is sent.
    bool HexField(int id, const std::string& text, size_t digits, uint32_t* value);
    void Refuse(int id, const std::string& message);
    uint32_t QueryRegister(uint32_t kind, uint32_t offset);
    void SetRegister(uint32_t kind, uint32_t offset, uint32_t value);
    void QueryWord(uint32_t kind, int offsetId, const std::string& offsetText, std::string& valueText);
    void SetWord(uint32_t kind, int offsetId, const std::string& offsetText, int valueId, const std::string& valueText);
    void SendErrorMicRequest();

    std::array<CSmartEdit, 12> m_Edits;
    std::string m_strMacOffset = "00000000", m_strMacValue = "00000000";
    std::string m_strBbpId = "0", m_strBbpValue = "00";
    std::string m_strRfValue = "00000000";
    std::string m_strEepromOffset = "00000000", m_strEepromValue = "00000000";
    std::string m_strR17[3] = {"0", "0", "0"};
    std::string m_strR17Max = "00";
    std::string m_strMicDelay = "0";
    // The numbers ReadControls checked.
    int m_nBbpId = 0;
    int m_nR17[3] = {0, 0, 0};
    int m_nMicDelay = 0;
};

}  // namespace daduve
