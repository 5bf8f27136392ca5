#pragma once
// The common file-open dialog.
#include <windows.h>

#include <string>

namespace platform {

struct OpenFileRequest {
    HWND owner = nullptr;
    std::string filterName;   // e.g. "PAC Files(*.pac)"
    std::string filterPattern;  // e.g. "*.pac"
    std::string initialName;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Only an existing file can be chosen. False when the user cancelled.
    virtual bool OpenExistingFile(const OpenFileRequest& request, std::string* path) = 0;
};

}  // namespace platform
