#pragma once
// Steps of page and dialog tests of either utility: clicks that turn check boxes over, list
// rows as text, and modal dialogs driven from inside their own loop.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/message_loop.h"
#include "framework/wnd.h"
#include "shared/controls/list_view_rows.h"
#include "tests/win/window_steps.h"

namespace testutil {

// BM_CLICK: a check box or radio button turns over and notifies, as under the mouse.
inline void Press(fw::CWnd* window, int id) {
    ::SendMessageA(window->GetDlgItem(id), BM_CLICK, 0, 0);
}
inline void SetCheck(fw::CWnd* window, int id, bool on) {
    ::SendMessageA(window->GetDlgItem(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

inline std::vector<std::vector<std::string>> ListRows(HWND list, int columns) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < ListRowCount(list); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < columns; ++c) row.push_back(ListItemText(list, r, c));
        rows.push_back(row);
    }
    return rows;
}

// The visible top-level window of this thread with that caption; waits for it up to 2 s.
inline HWND WaitForWindow(const char* caption) {
    for (int i = 0; i < 200; ++i) {
        if (HWND w = FindThreadWindow(caption)) return w;
        fw::PumpMessages(10);
    }
    return nullptr;
}

// Runs steps on the dialog that `open` shows modally, once it is up; the steps end it. A
// dialog still open 3 s later (a step failed) is cancelled, so the test cannot hang.
struct ModalWatchdog {
    static HWND& Dialog() {
        static HWND dialog = nullptr;
        return dialog;
    }
    static void CALLBACK Fire(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        if (IsWindow(Dialog())) PostMessageA(Dialog(), WM_COMMAND, IDCANCEL, 0);
    }
};

inline INT_PTR WithModal(const char* caption, const std::function<INT_PTR()>& open,
                         const std::function<void(HWND)>& steps) {
    UINT_PTR watchdog = 0;
    AtNextTick([=, &watchdog] {
        HWND dialog = WaitForWindow(caption);
        EXPECT_NE(dialog, nullptr) << caption;
        if (!dialog) return;
        ModalWatchdog::Dialog() = dialog;
        watchdog = SetTimer(nullptr, 0, 3000, ModalWatchdog::Fire);
        steps(dialog);
    });
    INT_PTR result = open();
    if (watchdog) KillTimer(nullptr, watchdog);
    ModalWatchdog::Dialog() = nullptr;
    return result;
}

}  // namespace testutil
