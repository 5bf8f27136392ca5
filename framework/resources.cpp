#include "framework/resources.h"

#include <cstdarg>
#include <cstdio>
#include <map>
#include <utility>

#include "framework/app.h"

namespace fw {

HINSTANCE ResourceInstance() {
  CWinApp* app = CWinApp::Get();
  if (app != nullptr && app->m_hInstance != nullptr) return app->m_hInstance;
  return GetModuleHandleA(nullptr);
}

std::string LoadStr(UINT id) {
  // LoadStringA truncates silently: grow until the text fits (entries hold < 64 K chars).
  for (int size = 256; size <= 131072; size *= 2) {
    std::string buf(static_cast<size_t>(size), '\0');
    int n = LoadStringA(ResourceInstance(), id, buf.data(), size);
    if (n <= 0) return {};
    if (n < size - 1) {
      buf.resize(static_cast<size_t>(n));
      return buf;
    }
  }
  return {};
}

HICON LoadIconRes(UINT id, int size) {
  static std::map<std::pair<UINT, int>, HICON> cache;
  auto key = std::make_pair(id, size);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  HICON icon = size == 0 ? LoadIconA(ResourceInstance(), MAKEINTRESOURCEA(id))
                         : static_cast<HICON>(LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                                          size, size, LR_DEFAULTCOLOR));
  if (icon != nullptr) cache[key] = icon;
  return icon;
}

std::string FormatStr(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(nullptr, 0, fmt, copy);
  va_end(copy);
  std::string s;
  if (n > 0) {
    s.resize(static_cast<size_t>(n) + 1);
    std::vsnprintf(s.data(), s.size(), fmt, args);
    s.resize(static_cast<size_t>(n));
  }
  va_end(args);
  return s;
}

}  // namespace fw
