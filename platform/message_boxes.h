#pragma once
// Modal message boxes.
#include <windows.h>

namespace platform {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // As MessageBoxA: the id of the button the user pressed.
    virtual int Show(HWND owner, const char* text, const char* caption, UINT type) = 0;
};

}  // namespace platform
