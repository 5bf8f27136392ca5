#pragma once
// A message-only window that collects what the Native Wifi layer posts (0x401-0x409).
#include <windows.h>

#include <utility>
#include <vector>

#include "platform/sim/world.h"

namespace testutil {

class NotifyTarget {
public:
    NotifyTarget() { hwnd_ = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr); }
    ~NotifyTarget() { DestroyWindow(hwnd_); }
    NotifyTarget(const NotifyTarget&) = delete;
    NotifyTarget& operator=(const NotifyTarget&) = delete;

    HWND hwnd() const { return hwnd_; }

    // Lets the service thread deliver what is due, then takes the posted messages.
    std::vector<std::pair<UINT, WPARAM>> Drain(platform::sim::World& world) {
        world.WaitWlanNotificationsDelivered();
        std::vector<std::pair<UINT, WPARAM>> out;
        MSG m;
        while (PeekMessageA(&m, hwnd_, 0x401, 0x409, PM_REMOVE)) out.emplace_back(m.message, m.wParam);
        return out;
    }
    std::vector<UINT> Messages(platform::sim::World& world) {
        std::vector<UINT> out;
        for (auto& [m, w] : Drain(world)) out.push_back(m);
        return out;
    }
    // Waits for messages posted from another thread (the profile editor worker).
    std::vector<std::pair<UINT, WPARAM>> WaitFor(std::size_t count, DWORD timeoutMs = 5000) {
        std::vector<std::pair<UINT, WPARAM>> out;
        DWORD start = GetTickCount();
        while (out.size() < count && GetTickCount() - start < timeoutMs) {
            MSG m;
            if (PeekMessageA(&m, hwnd_, 0x401, 0x409, PM_REMOVE)) out.emplace_back(m.message, m.wParam);
            else Sleep(2);
        }
        return out;
    }

private:
    HWND hwnd_ = nullptr;
};

}  // namespace testutil
