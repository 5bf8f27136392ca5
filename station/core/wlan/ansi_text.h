#pragma once
// 8-bit text of the system code page to the UTF-16 the Native Wifi service takes.
#include <windows.h>

#include <string>

// Exactly the bytes given (embedded zeros too); empty for empty.
inline std::wstring WidenAnsi(const std::string& text) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}
