#pragma once
// The "Setting Register" engineering page of Havix: reads and writes single MAC, baseband
// (BBP), RF and EEPROM registers through one private OID, sets the R17 tuning record and
// asks the driver for error-MIC reports. The sheet holds it but never adds it.
#include <array>

#include "shared/pages/reg_set_page_base.h"

namespace softap {

class CRegSetPage : public CRegSetPageBase {
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
    void SetRegister(uint32_t kind, uint32_t offset, uint32_t value) override;
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    FW_DECLARE_MESSAGE_MAP()

private:
    // The controls into the members, the number fields checked against their ranges; a wrong
    // one is refused with a message and gets the focus.
    bool ReadControls();
    bool NumberField(int id, const std::string& text, int min, int max, int* value);
    void SendErrorMicRequest();

    std::array<CSmartEdit, 12> m_Edits;
    std::string m_strRfValue = "00000000";
    std::string m_strMicDelay = "0";
    // The numbers ReadControls checked.
    int m_nBbpId = 0;
    int m_nR17[3] = {0, 0, 0};
    int m_nMicDelay = 0;
};

}  // namespace softap
