#include "shared/driver/file_version.h"

#include <cstdio>
#include <cstring>

namespace {

std::string ModificationDate(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    FILETIME local{};
    SYSTEMTIME t{};
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data) ||
        !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &t))
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "%02u-%02u-%04u", t.wMonth, t.wDay, t.wYear);
    return text;
}

}  // namespace

std::string FormatFileVersion(DWORD versionMs, DWORD versionLs) {
    char text[64];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d\n", HIWORD(versionMs), LOWORD(versionMs), HIWORD(versionLs),
                  LOWORD(versionLs));
    return text;
}

FileVersionTexts ReadFileVersionTexts(const char* path) {
    FileVersionTexts texts;
    if (path == nullptr || *path == '\0') return texts;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) return texts;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    void* block = memory ? GlobalLock(memory) : nullptr;
    if (block && GetFileVersionInfoA(path, 0, size, block)) {
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        if (VerQueryValueA(block, "\\", reinterpret_cast<void**>(&fixed), &length) && fixed &&
            length >= sizeof(VS_FIXEDFILEINFO))
            texts.version = FormatFileVersion(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
        char* copyright = nullptr;
        if (VerQueryValueA(block, "\\StringFileInfo\\040904B0\\LegalCopyright", reinterpret_cast<void**>(&copyright),
                           &length) &&
            copyright)
            texts.copyright.assign(copyright, strnlen(copyright, length));
        texts.date = ModificationDate(path);
    }
    if (block) GlobalUnlock(memory);
    if (memory) GlobalFree(memory);
    return texts;
}
