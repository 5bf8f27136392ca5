// Simulated connection sharing: the scenario's connections, shared and unshared as the
// home-networking configuration does it, every change journaled.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/sim/world_state.h"

namespace platform::sim {
namespace {

constexpr const char* kSharingRoot = "Software\\WlSim\\Sharing\\";

const char* RoleText(IcsRole r) {
    switch (r) {
    case IcsRole::Public: return "public";
    case IcsRole::Private: return "private";
    case IcsRole::None: break;
    }
    return "none";
}

class SimIcsSharing final : public IcsSharing {
public:
    explicit SimIcsSharing(World& w) : w_(w) {}

    int DisableAllIcs() override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        ReadPersistedSharing(s);
        for (ConnectionSpec& c : s.connections) {
            if (c.sharing == IcsRole::None) continue;
            c.sharing = IcsRole::None;
            s.sharingCalls.push_back({"DisableSharing", c.name, -1, S_OK});
        }
        PersistSharing(s);
        return 1;
    }

    int EnableIcsOnConnection(const char* name, int sharingType, int matchByGuid) override {
        const std::string wanted = name ? name : "";
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        ReadPersistedSharing(s);
        for (ConnectionSpec& c : s.connections) {
            if ((matchByGuid ? c.guid : c.name) != wanted) continue;
            HRESULT hr = Enable(s, c, sharingType);
            s.sharingCalls.push_back({"EnableSharing", c.name, sharingType, hr});
            PersistSharing(s);
            return hr == S_OK ? 1 : 0;
        }
        return 0;
    }

private:
    // One connection per side: sharing a new public (or private) connection turns the
    // previous one of that side off, as the system does.
    static HRESULT Enable(World::State& s, ConnectionSpec& target, int type) {
        if (type != kIcsSharingPublic && type != kIcsSharingPrivate) return E_INVALIDARG;
        const IcsRole role = type == kIcsSharingPublic ? IcsRole::Public : IcsRole::Private;
        for (ConnectionSpec& c : s.connections)
            if (&c != &target && c.sharing == role) c.sharing = IcsRole::None;
        target.sharing = role;
        return S_OK;
    }

    World& w_;
};

std::string SharingKeyFor(const std::string& scenarioPath) { return ScenarioKeyName(kSharingRoot, scenarioPath); }

}  // namespace

std::unique_ptr<IcsSharing> MakeSimIcsSharing(World& w) { return std::make_unique<SimIcsSharing>(w); }

void AttachPersistedSharing(World::State& s, const std::string& scenarioPath) {
    if (s.connections.empty()) return;
    const std::string key = SharingKeyFor(scenarioPath);
    CreateStableKey(kSharingRoot);
    HKEY k = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_READ | KEY_WRITE,
                        nullptr, &k, &disposition) != ERROR_SUCCESS)
        return;
    RegCloseKey(k);
    s.sharingKey = key;
    // A program of this run that is already going keeps the sharing: writing this program's
    // start state over it would undo what that one changed meanwhile.
    if (disposition == REG_OPENED_EXISTING_KEY) ReadPersistedSharing(s);
    else PersistSharing(s);
}

void ReadPersistedSharing(World::State& s) {
    if (s.sharingKey.empty()) return;
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, s.sharingKey.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return;
    for (ConnectionSpec& c : s.connections) {
        char text[16] = {};
        DWORD type = 0, size = sizeof text - 1;
        if (RegQueryValueExA(k, c.guid.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text), &size) !=
                ERROR_SUCCESS ||
            type != REG_SZ)
            continue;
        text[size < sizeof text ? size : sizeof text - 1] = 0;
        const std::string v = text;
        if (v == "none") c.sharing = IcsRole::None;
        else if (v == "public") c.sharing = IcsRole::Public;
        else if (v == "private") c.sharing = IcsRole::Private;
    }
    RegCloseKey(k);
}

void PersistSharing(const World::State& s) {
    if (s.sharingKey.empty()) return;
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, s.sharingKey.c_str(), 0, KEY_WRITE, &k) != ERROR_SUCCESS) return;
    for (const ConnectionSpec& c : s.connections) {
        const char* v = RoleText(c.sharing);
        RegSetValueExA(k, c.guid.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(v),
                       static_cast<DWORD>(std::strlen(v) + 1));
    }
    RegCloseKey(k);
}

}  // namespace platform::sim
