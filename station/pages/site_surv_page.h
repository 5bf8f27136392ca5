#pragma once
// The "Site Survey" page of the main sheet: the networks of the last scan, Rescan, and a
// chosen network turned into a new profile. Rescan is WM_COMMAND 1003 from anyone; the main
// window relays the scan-complete message 0x404 here.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/property_page.h"
#include "shared/controls/site_list_ctrl.h"

// What the sheet's Profile page offers this page: the profile editor for a chosen network,
// and the name of the active profile.
class IProfileAdder {
public:
    virtual ~IProfileAdder() = default;
    // Opens the editor for a new profile prefilled with these values (NDIS encryption status,
    // authentication mode and infrastructure mode); 1 when the user saved it.
    virtual int AddProfile(const std::string& ssid, int encryption, int authentication, int networkType,
                           int channel) = 0;
    virtual std::string ActiveProfileName() const = 0;
};

namespace site_survey {

constexpr int kColumnCount = 8;
enum Column { kSsid, kBssid, kPhy, kSignal, kChannel, kEncryption, kAuthentication, kNetworkType };

using Row = std::array<std::string, kColumnCount>;

// Stable: rows with equal keys keep their order in both directions. Signal and Channel
// compare their leading decimal number, the other columns their bytes.
void SortRows(std::vector<Row>& rows, int column, bool ascending);
// 5 WPA2-PSK, 4 WPA2, 2 WPA-PSK, 3 WPA-NONE, 1 WPA, else 0: the first that the
// Authentication text contains, in that order.
int AuthenticationClass(const std::string& authentication);

// The values Add Profile hands to the profile editor for a network.
struct NewProfileValues {
    int encryption = 1;      // NDIS: 1 none, 0 WEP, 4 TKIP, 6 AES
    int authentication = 0;  // NDIS authentication mode
};
NewProfileValues ProfileValuesFor(uint32_t privacy, int authClass, const std::string& encryptionText, int osCode);

}  // namespace site_survey

class CSiteSurvPage : public fw::CPropertyPage {
public:
    CSiteSurvPage();
    ~CSiteSurvPage() override;

    // The connect target: NDIS SSID (32-bit length, 32 bytes), BSSID and the two flags.
    uint8_t m_ConnectSsid[36] = {};
    uint8_t m_ConnectBssid[6] = {};
    int m_bConnectBySsid = 0;
    int m_bConnectByBssid = 0;

    const std::vector<site_survey::Row>& Rows() const { return m_Rows; }
    int SortColumn() const { return m_nSortColumn; }
    bool SortAscending() const { return m_bSortAscending != 0; }
    bool RescanPending() const { return m_bRescanPending != 0; }
    // -1 when no row carries the connected mark.
    int ConnectedRow() const { return m_nConnectedRow; }
    CSiteListCtrl& List() { return m_List; }

    BOOL OnInitDialog() override;

    // Handlers, public for the other pages and the main window, which reach them through
    // messages as well.
    void OnRescan();
    void OnConnect();
    void OnAddProfile();
    LRESULT OnScanComplete(WPARAM = 0, LPARAM = 0);
    void UpdateButtons();
    void RefreshStatus();

protected:
    // Whether the Native Wifi service knows the adapter's interface.
    virtual BOOL InterfaceFound() const;

    void OnListDblClk(NMHDR*, LRESULT* result);
    void OnItemChanged(NMHDR*, LRESULT* result);
    void OnItemChanging(NMHDR*, LRESULT* result);
    void OnColumnClick(NMHDR* header, LRESULT* result);
    void OnGetDispInfo(NMHDR* header, LRESULT* result);
    void OnFindItem(NMHDR* header, LRESULT* result);
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    FW_DECLARE_MESSAGE_MAP()

private:
    void BuildRows();
    void SortRows();
    void FillList();
    void UpdateHeader();
    void MarkConnectedRow(int row);
    // The row of the network the adapter is on, by the link state of the last status tick.
    int LinkedRow() const;
    void SetStatus(const std::string& text);
    int SelectedRow() const;
    int SelectedAuthClass() const;
    // Snapshot entry whose MAC is the BSSID text of that row; -1 when none.
    int FindBssEntry(int row) const;
    IProfileAdder* ProfileAdder() const;
    fw::CPropertyPage* ProfileAdderPage() const;
    void EnableButtons(BOOL rescan, BOOL connect);

    CSiteListCtrl m_List;
    HGLOBAL m_hSnapshot = nullptr;
    uint8_t* m_pSnapshot = nullptr;
    std::vector<site_survey::Row> m_Rows;
    int m_nSortColumn = site_survey::kChannel;
    int m_bSortAscending = 1;
    int m_bRescanPending = 0;
    int m_nPendingTicks = 0;  // status ticks spent waiting for the scan
    int m_nConnectedRow = -1;
    int m_bLinked = 0;             // connected at the last status tick
    long long m_nLinkChannel = -1; // the driver's channel then
    std::vector<std::string> m_Shown;  // BSSID text of each list item, in list order
    // Filling the list changes items, which notifies the page, which may rebuild the list:
    // without an interface that loop never ends.
    int m_nUpdateDepth = 0;
    int m_bFilling = 0;
};
