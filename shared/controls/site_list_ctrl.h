#pragma once
// The Site Survey list: full-row report view with the connected mark and the header's
// sort arrows in one small image list.
#include <windows.h>
#include <commctrl.h>

#include "framework/wnd.h"

class CSiteListCtrl : public fw::CWnd {
public:
    // Images of the list, in this order; each program's resources hold these icons.
    enum Image { kImageConnected = 0, kImageSecured = 1, kImageOpen = 2, kImageSortAscending = 3,
                 kImageSortDescending = 4 };
    static constexpr UINT kIconIds[5] = {173, 237, 238, 409, 408};

    // Builds the image list and makes it the small-icon list (the header shows it too).
    // The control owns the list. FALSE without a window or when a list cannot be made.
    BOOL InitImageList();
    HIMAGELIST GetImageList() const;

protected:
    void PreSubclassWindow() override;
};
