#pragma once
// The WAN selection dialog: lists the connections of the listing Quennet.bat writes, and on
// "Enable ICS" shares the chosen one as the public side with the soft-AP card's connection
// as the private side.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/dialog.h"
#include "icsselect/quennet_parser.h"

// What the last listing held: record i is item i of the connection list.
extern std::vector<ConnectionRecord> g_ConnectionRecords;
extern std::string g_SoftApConnectionName;
// Set when the user confirms.
extern std::string g_WanConnectionName;

class CWanSelectDlg : public fw::CDialog {
public:
    explicit CWanSelectDlg(fw::CWnd* parent = nullptr);

    // The batch file is given this long to write its listing.
    static constexpr DWORD kListingWaitMs = 2000;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange* pDX) override;
    void OnOK() override;
    void OnSysCommand(UINT id, LPARAM lp);
    void OnPaint();
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    void OnSelChangeConnection();
    FW_DECLARE_MESSAGE_MAP()

private:
    void ListConnections();
    void ShowRecord(int index);
    int SelectedIndex() const;
    void Refuse(UINT messageId);

    HICON m_hIcon;
    std::string m_strDescription;
    std::string m_strMacAddress;
    std::string m_strIpAddress;
};
