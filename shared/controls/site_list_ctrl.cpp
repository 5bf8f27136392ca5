#include "shared/controls/site_list_ctrl.h"

#include "framework/resources.h"

void CSiteListCtrl::PreSubclassWindow()
{
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES);
    fw::CWnd::PreSubclassWindow();
}

BOOL CSiteListCtrl::InitImageList()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR8, 5, 1);
    if (list == nullptr)
        return FALSE;
    ImageList_SetBkColor(list, GetSysColor(COLOR_MENU));
    for (UINT id : kIconIds) {
        auto icon = static_cast<HICON>(
            LoadImageA(fw::ResourceInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
        // A missing icon still takes its slot: the later indexes must not shift.
        if (icon != nullptr) {
            ImageList_AddIcon(list, icon);
            DestroyIcon(icon);
        } else {
            HBITMAP blank = CreateBitmap(16, 16, 1, 32, nullptr);
            ImageList_Add(list, blank, nullptr);
            DeleteObject(blank);
        }
    }
    // Without LVS_SHAREIMAGELISTS the control destroys its lists with its window; a list
    // set before is no longer referenced and goes now.
    auto old = reinterpret_cast<HIMAGELIST>(SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(list)));
    if (old != nullptr && old != list && !(GetWindowLongA(m_hWnd, GWL_STYLE) & LVS_SHAREIMAGELISTS))
        ImageList_Destroy(old);
    return TRUE;
}

HIMAGELIST CSiteListCtrl::GetImageList() const
{
    return reinterpret_cast<HIMAGELIST>(::SendMessageA(m_hWnd, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
}
