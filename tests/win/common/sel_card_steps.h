#pragma once
// The adapter-selection dialog of either utility answered as a user would, from a
// window-less timer that runs inside the dialog's own modal loop.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "shared/adapter/sel_card_ids.h"
#include "tests/win/layout_check.h"
#include "tests/win/window_steps.h"

namespace testutil {

inline constexpr const char* kSelCardCaption = "Select wireless lan card";

struct SelCardAnswer {
    int line = 0;                 // line to pick
    bool pressOk = true;          // false: Esc
    bool checkLayout = false;     // tidy controls, and every edit showing its whole text
    int shown = 0;                // times the dialog appeared
    std::string hardwareIdShown;  // the hardware-ID edit after the selection
};

namespace selcard {
inline SelCardAnswer* answer = nullptr;
inline HWND lastDialog = nullptr;

inline void CALLBACK Answer(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindThreadWindow(kSelCardCaption);
    if (!answer || !dialog || dialog == lastDialog) return;
    lastDialog = dialog;
    ++answer->shown;
    if (answer->checkLayout) ExpectTidyLayout(dialog);
    HWND list = GetDlgItem(dialog, IDC_SELCARD_LIST);
    SendMessageA(list, CB_SETCURSEL, answer->line, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SELCARD_LIST, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    if (answer->checkLayout)
        for (int edit : {IDC_SELCARD_DESCRIPTION, IDC_SELCARD_HARDWARE_ID, IDC_SELCARD_LOCATION, IDC_SELCARD_MANUFACTURER})
            ExpectEditShowsWholeText(GetDlgItem(dialog, edit));
    char text[256] = {};
    GetDlgItemTextA(dialog, IDC_SELCARD_HARDWARE_ID, text, sizeof(text));
    answer->hardwareIdShown = text;
    if (answer->pressOk) SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    else SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

// Keeps the second line (the PCI card, whose hardware ID is the longer one) shown.
inline void CALLBACK ShowSecondCard(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindThreadWindow(kSelCardCaption);
    if (!dialog) return;
    HWND list = GetDlgItem(dialog, IDC_SELCARD_LIST);
    if (SendMessageA(list, CB_GETCURSEL, 0, 0) == 1) return;
    SendMessageA(list, CB_SETCURSEL, 1, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SELCARD_LIST, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}
}  // namespace selcard

// What `discover` returns, with the dialog it shows answered `afterMs` after it opens.
inline int AnswerSelCardWhile(SelCardAnswer& answer, const std::function<int()>& discover, UINT afterMs = 30) {
    selcard::answer = &answer;
    selcard::lastDialog = nullptr;
    const UINT_PTR timer = SetTimer(nullptr, 0, afterMs, selcard::Answer);
    const int found = discover();
    KillTimer(nullptr, timer);
    selcard::answer = nullptr;
    return found;
}

// The dialog held open on the PCI card for a screenshot, PAGES_SHOW_MS (4000 by default).
inline void HoldSelCardOnSecondCard(const std::function<int()>& discover) {
    const char* env = std::getenv("PAGES_SHOW_MS");
    SelCardAnswer answer;
    answer.line = 1;
    const UINT_PTR show = SetTimer(nullptr, 0, 30, selcard::ShowSecondCard);
    AnswerSelCardWhile(answer, discover, env ? static_cast<UINT>(std::atoi(env)) : 4000);
    KillTimer(nullptr, show);
}

}  // namespace testutil
