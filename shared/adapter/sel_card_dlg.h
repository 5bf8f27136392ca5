#pragma once
// Lets the user pick one of several supported adapters.
#include <windows.h>
#include <setupapi.h>

#include <string>
#include <vector>

#include "framework/dialog.h"

class CSelCardDlg : public fw::CDialog {
public:
    CSelCardDlg(HDEVINFO deviceList, const std::vector<DWORD>& candidates, fw::CWnd* parent);

    // Index into the candidate list, kept on OK only; -1 otherwise.
    int m_nSelected = -1;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange* pDX) override;
    void OnOK() override;
    void OnSelChangeCard();
    FW_DECLARE_MESSAGE_MAP()

private:
    std::string Property(DWORD candidate, DWORD property) const;
    void FillFields(int line);

    HDEVINFO m_hDeviceList;
    std::vector<DWORD> m_Candidates;
    std::string m_strDescription;
    std::string m_strHardwareId;
    std::string m_strLocation;
    std::string m_strManufacturer;
};
