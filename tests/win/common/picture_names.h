#pragma once
// Names and helpers of the README's pictures (tools/pictures): a sheet page is named by its
// tab, the tray menu is pictured from inside its loop.
#include <windows.h>
#include <commctrl.h>

#include <cctype>
#include <cstdlib>
#include <functional>
#include <string>

#include "framework/message_loop.h"
#include "tests/win/common/screen_picture.h"
#include "tests/win/window_steps.h"

namespace testutil {

// "<program>-<tab text>", lower case, every run of other characters one dash.
inline std::string PictureName(const char* program, HWND tabs, int index) {
    char text[64] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    TabCtrl_GetItem(tabs, index, &item);
    std::string name = program;
    bool dash = true;
    for (const char* p = text; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (std::isalnum(c)) {
            if (dash) name += '-';
            name += static_cast<char>(std::tolower(c));
            dash = false;
        } else {
            dash = true;
        }
    }
    return name;
}

// The menu showMenu opens at the cursor, saved as <name>.bmp in SHOTS_DIR once it is up.
inline void SaveTrayMenu(const std::function<void()>& showMenu, const char* name) {
    SetCursorPos(600, 400);
    const char* dir = std::getenv("SHOTS_DIR");
    const std::string path = std::string(dir ? dir : "C:\\") + "\\" + name + ".bmp";
    AtNextTick(
        [path] {
            HWND menu = FindWindowA("#32768", nullptr);
            RECT r{560, 360, 900, 520};
            if (menu) GetWindowRect(menu, &r);
            SaveScreenRect(r, path);
            EndMenu();
        },
        500);
    showMenu();
}

}  // namespace testutil
