#pragma once
// What the Access Control and WDS pages share: a list of station or peer addresses with
// an address edit, Add, Delete, Remove All, an in-place editor that Modify opens over a
// double-clicked row, and the page's own Apply. The list lives only in the page between
// the registry read when its window is created and Apply.
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "framework/property_page.h"
#include "shared/controls/link_slider.h"  // CSmartEdit owns a slider: its type must be complete here
#include "shared/controls/smart_edit.h"

namespace softap {

class CMacListPage : public fw::CPropertyPage {
public:
    // The rows as shown, six dash-joined pairs each.
    std::vector<std::string> Rows() const;
    // The in-place editor is open over a row.
    bool IsModifying() const { return m_bModifying; }

    BOOL OnKillActive() override;
    // Cancel of the in-place editor, and the sheet's cancel: the editor closes unchanged.
    void OnCancel() override;

protected:
    CMacListPage(UINT templateId, UINT captionId, int listId, size_t maxRows);

    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange* pDX) override;

    // Whether the list may be edited: the Access Control policy is not Disable, WDS is on.
    virtual bool ListEditable() const = 0;
    // The page's own choice (the policy combo, the WDS radios) while the editor is open.
    virtual void EnableChoice(BOOL enable) = 0;

    void OnAdd();
    void OnDelete();
    void OnRemoveAll();
    void OnListDblClk();
    void OnModify();
    void OnModifyCancel() { OnCancel(); }

    // The list, the address edit, Add (only below the row limit), Delete and Remove All.
    void EnableListControls(bool on);
    void CloseEditor();
    // Rows from a stored list (12-digit entries), the shown ones kept, up to the limit.
    void LoadRows(const std::vector<std::string>& digits);
    // The rows' 12 digits in list order, at most the row limit.
    std::vector<std::string> RowDigits() const;
    // Both edits take hex digits only and at most 12 of them.
    void SetUpEdits();
    // The label and button texts shared by both pages.
    void LoadButtonTexts();

    int RowCount() const;
    HWND List() const { return GetDlgItem(m_nListId); }

    std::string m_strMac;
    std::string m_strModify;

    FW_DECLARE_MESSAGE_MAP()

private:
    // Validates an address text, with the message a user gets; false when refused. A row
    // already holding the address refuses it, the row being modified included.
    bool Acceptable(const std::string& digits);
    void ShowError(UINT textId);
    void PlaceEditor(int row);

    CSmartEdit m_MacEdit;
    CSmartEdit m_ModifyEdit;
    const int m_nListId;
    const size_t m_nMaxRows;
    bool m_bModifying = false;
};

}  // namespace softap
