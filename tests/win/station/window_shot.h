#pragma once
// A picture of one window, brought to the front and drawn, as <name>.bmp in SHOTS_DIR
// (default the root of drive C:), for a look at it.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "framework/message_loop.h"
#include "tests/win/common/screen_picture.h"

namespace testutil {

inline void SaveWindowShot(HWND window, const char* name) {
    SetWindowPos(window, HWND_TOP, 120, 60, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    fw::PumpMessages(300);
    const char* dir = std::getenv("SHOTS_DIR");
    SaveWindowPicture(window, std::string(dir ? dir : "C:\\") + "\\" + name + ".bmp");
}

}  // namespace testutil
