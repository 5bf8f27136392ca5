#include "framework/thread.h"

#include <memory>

namespace fw {
namespace {

DWORD WINAPI Trampoline(LPVOID p) {
  std::unique_ptr<std::function<unsigned()>> fn(static_cast<std::function<unsigned()>*>(p));
  return (*fn)();
}

HANDLE Start(std::function<unsigned()> fn) {
  auto* heap = new std::function<unsigned()>(std::move(fn));
  HANDLE h = CreateThread(nullptr, 0, &Trampoline, heap, 0, nullptr);
  if (h == nullptr) delete heap;
  return h;
}

}  // namespace

HANDLE StartThread(unsigned (*proc)(void*), void* param) {
  if (proc == nullptr) return nullptr;
  return Start([proc, param] { return proc(param); });
}

bool StartDetachedThread(std::function<unsigned()> fn) {
  if (!fn) return false;
  HANDLE h = Start(std::move(fn));
  if (h == nullptr) return false;
  CloseHandle(h);
  return true;
}

}  // namespace fw
