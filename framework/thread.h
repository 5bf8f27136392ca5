// Worker threads that the program starts and does not wait for.
#pragma once

#include <windows.h>

#include <functional>

namespace fw {

// The caller owns the handle (CloseHandle); nullptr when the thread could not start.
HANDLE StartThread(unsigned (*proc)(void*), void* param);
// Starts fn on a new thread and closes the handle at once.
bool StartDetachedThread(std::function<unsigned()> fn);

}  // namespace fw
