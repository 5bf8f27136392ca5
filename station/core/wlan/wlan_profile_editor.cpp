#include "station/core/wlan/wlan_profile_editor.h"

#include "framework/thread.h"
#include "platform/native_wifi.h"
#include "platform/platform.h"
#include "station/core/wlan/wlan_messages.h"

std::atomic<int> g_ProfileEditorOpen{0};

unsigned RunProfileEditor(const ProfileEditorHandoff& block) {
    ++g_ProfileEditorOpen;
    PostMessageA(block.notifyWindow, kMsgProfileEditor, 0, 0);

    GUID iface = block.interfaceGuid;
    DWORD reason = 0;
    platform::Wlan().UIEditProfile(1, block.profileName.c_str(), &iface, block.notifyWindow, WLSecurityPage, &reason);

    --g_ProfileEditorOpen;
    PostMessageA(block.notifyWindow, kMsgProfileEditor, 1, 0);

    // Whatever the editor answered, the profile as it stands now is the one to join.
    WLAN_CONNECTION_PARAMETERS params{};
    params.wlanConnectionMode = wlan_connection_mode_profile;
    params.strProfile = block.profileName.c_str();
    params.dot11BssType = block.bssType;
    platform::Wlan().Connect(block.clientHandle, &iface, &params);
    return 1;
}

bool StartProfileEditorThread(std::unique_ptr<ProfileEditorHandoff> block) {
    std::shared_ptr<ProfileEditorHandoff> owned(std::move(block));
    return fw::StartDetachedThread([owned] { return RunProfileEditor(*owned); });
}
