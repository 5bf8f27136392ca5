#pragma once
// The "Profile" page of the main sheet: the stored profiles of the adapter, newest
// activation first; Add and Edit open the profile editor, Activate puts a profile on the
// adapter, Delete removes it with its service profile.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/property_page.h"
#include "station/pages/site_surv_page.h"
#include "station/profiles/profile_list.h"

using ProfileRowTexts = std::array<std::string, kProfileColumnCount>;

// A profile the WPS page saved, for its row.
struct ProfileRowRecord {
    std::string name;
    uint32_t ssidLength = 0;
    uint8_t ssid[32] = {};
    int authentication = 0;  // NDIS authentication mode
    int encryption = 1;      // NDIS encryption status
    int networkType = 1;     // NDIS infrastructure mode
};

class CProfileSheet;

class CProfilePage : public fw::CPropertyPage, public IProfileAdder {
public:
    CProfilePage();
    ~CProfilePage() override;

    std::string m_strActiveProfile;
    std::string m_strActiveSsid;
    int m_nRowState = 0;
    UINT_PTR m_nTimer = 0;

    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange* dx) override;

    // Opens the profile editor for a new profile with these presets; 1 when one was saved.
    int AddProfile(const std::string& ssid, int encryption, int authentication, int networkType,
                   int channel) override;
    std::string ActiveProfileName() const override { return m_strActiveProfile; }

    // "PROF" and the next free number. Returns 1.
    int GenerateProfileName(std::string& name) const;
    void AddProfileRow(const ProfileRowRecord& record);
    // The driver key's `Default` values back into the driver key; 1 done, 0 when a key
    // does not open.
    int RestoreDriverDefaults();
    // [Config] of the station file back to an open infrastructure network without a profile.
    int ResetStationConfig();
    int ActivateProfileRow(int row);

    // The rows as shown, top first.
    std::vector<ProfileRowTexts> Rows() const;
    int FindActiveRow() const;

    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnActivate();

protected:
    void OnDblClkList(NMHDR*, LRESULT* result);
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    LRESULT OnEditorState(WPARAM wParam, LPARAM lParam);
    FW_DECLARE_MESSAGE_MAP()

private:
    void InitImageLists();
    void InsertColumns();
    void FillProfileList();
    void InsertRow(int at, const ProfileRowTexts& texts);
    ProfileRowTexts RowAt(int row) const;
    int RowCount() const;
    int SelectedRow() const;
    void SelectRow(int row);
    void UpdateButtons();
    void SetRowState(int row, int verdict);
    bool RowMatchesLink(const ProfileRowTexts& texts) const;
    std::string AuthenticationText(int authMode, int leap, int use8021X) const;
    void ReplaceEditor(CProfileSheet* editor);
    void ReleaseEditor();
    // The row of what the editor saved; leapByChoice: a LEAP profile's encryption text by
    // its LEAP encryption choice.
    ProfileRowTexts EditorRowTexts(CProfileSheet& editor, bool leapByChoice) const;

    fw::CWnd m_List;
    HIMAGELIST m_hLargeImages = nullptr;
    HIMAGELIST m_hSmallImages = nullptr;
    int m_bEditorOpen = 0;
};
