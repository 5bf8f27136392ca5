#pragma once
// The worker that shows the system's profile editor for one stored profile and connects with
// that profile once the editor closes. Every run gets its own hand-off block, which its
// thread owns and frees, so a second start never changes the parameters of an open editor.
#include <windows.h>
#include <wlanapi.h>

#include <atomic>
#include <memory>
#include <string>

struct ProfileEditorHandoff {
    HWND notifyWindow = nullptr;
    HANDLE clientHandle = nullptr;
    GUID interfaceGuid{};
    std::wstring profileName;  // whole: the connect after the editor needs the exact name
    DOT11_BSS_TYPE bssType = dot11_BSS_type_any;
};

// Editors open now; the Profile page treats non-zero as "the editor is open".
extern std::atomic<int> g_ProfileEditorOpen;

// Starts the worker on its own thread; false (and the block freed) when no thread started.
bool StartProfileEditorThread(std::unique_ptr<ProfileEditorHandoff> block);
// The worker's body: 0x407 (0), the editor, 0x407 (1), then the connect. Returns 1.
unsigned RunProfileEditor(const ProfileEditorHandoff& block);
