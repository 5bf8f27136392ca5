#pragma once
// The "Setting Register" engineering page: reads and writes single MAC, baseband (BBP) and
// EEPROM registers, writes the RF registers, sets the BBP tuning switch and the R17 tuning
// record, all through the driver's private OIDs. The main sheet builds it but never adds it.
#include <array>

#include "shared/pages/reg_set_page_base.h"

class CRegSetPage : public CRegSetPageBase {
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
    void SetRegister(uint32_t kind, uint32_t offset, uint32_t value) override;
    FW_DECLARE_MESSAGE_MAP()

private:
    // A decimal byte; a wrong one is refused with a message, so that nothing is sent.
    bool ByteField(int id, const std::string& text, uint8_t* value);

    std::array<CSmartEdit, 14> m_Edits;
    std::string m_strRf[4] = {"00000000", "00000000", "00000000", "00000000"};
    int m_bBbpTuning = 1;
    int m_bRfTuning = 1;
};
