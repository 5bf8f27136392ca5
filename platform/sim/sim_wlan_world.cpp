// The Native Wifi side of the simulated world: the service's notification thread, the link
// and radio changes that notify, and the test hooks of the service.
#include <algorithm>
#include <cstring>

#include "platform/sim/world_state.h"
#include "platform/wlan_codes.h"

namespace platform::sim {

GUID AdapterGuid(const AdapterSpec& spec) {
    GUID g{};
    GuidParts p;
    if (ParseGuidText(spec.instanceId, &p)) {
        g.Data1 = p.data1;
        g.Data2 = p.data2;
        g.Data3 = p.data3;
        std::memcpy(g.Data4, p.data4, 8);
    }
    return g;
}

// One PHY per PHY type the interface capability lists.
unsigned PhyCount(const AdapterSpec& spec) { return 2u + (spec.supports5GHz ? 1 : 0) + (spec.supports11n ? 1 : 0); }

void SetAllPhys(AdapterState& a, bool on) {
    a.phyOff = on ? 0 : (1u << PhyCount(a.spec)) - 1;
    a.spec.radioOn = on;
}

void World::State::LogWlan(const char* name, DWORD opcode, DWORD result) {
    wlanCalls.push_back(WlanCall{clock.Now(), name, opcode, result, GetCurrentThreadId()});
}

bool World::State::InAir(const NetworkSpec& n) const {
    const std::uint64_t now = clock.Now();
    if (n.appearAt >= 0 && now < static_cast<std::uint64_t>(n.appearAt)) return false;
    if (n.vanishAt >= 0 && now >= static_cast<std::uint64_t>(n.vanishAt)) return false;
    return true;
}

void World::State::QueueWlan(DWORD source, DWORD code, const GUID& iface, Bytes payload, std::uint64_t delayMs) {
    PendingWlanNotification n;
    n.due = clock.Now() + delayMs;
    n.seq = ++wlanNoteSeq;
    n.source = source;
    n.code = code;
    n.iface = iface;
    n.payload = std::move(payload);
    wlanNotes.push_back(std::move(n));
    StartWlanThread();
    wlanCv.notify_all();
}

void World::State::DropLink(std::size_t i) {
    AdapterState& a = adapters[i];
    if (!a.spec.connected) return;
    WLAN_CONNECTION_NOTIFICATION_DATA d{};
    d.wlanConnectionMode = a.linkMode;
    std::wstring profile = a.linkProfile;
    if (profile.empty()) profile.assign(a.spec.linkSsid.begin(), a.spec.linkSsid.end());
    wcsncpy(d.strProfileName, profile.c_str(), WLAN_MAX_NAME_LENGTH - 1);
    d.dot11Ssid.uSSIDLength = static_cast<ULONG>(std::min<std::size_t>(a.spec.linkSsid.size(), 32));
    std::memcpy(d.dot11Ssid.ucSSID, a.spec.linkSsid.data(), d.dot11Ssid.uSSIDLength);
    const NetworkSpec* n = NetworkByBssid(a.spec.linkBssid);
    d.dot11BssType = n && n->adhoc ? dot11_BSS_type_independent : dot11_BSS_type_infrastructure;
    d.bSecurityEnabled = n && n->security != Security::Open;
    Bytes payload(reinterpret_cast<const std::uint8_t*>(&d), reinterpret_cast<const std::uint8_t*>(&d) + sizeof d);
    a.spec.connected = false;
    a.spec.linkSsid.clear();
    a.spec.linkBssid = Mac{};
    a.linkProfile.clear();
    GUID g = AdapterGuid(a.spec);
    QueueWlan(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_disconnecting, g, payload);
    QueueWlan(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_disconnected, g, payload);
}

void World::State::NotePresence(AdapterState& a) {
    QueueWlan(WLAN_NOTIFICATION_SOURCE_ACM,
              a.present ? wlan_notification_acm_interface_arrival : wlan_notification_acm_interface_removal,
              AdapterGuid(a.spec));
}

void World::State::NoteRadio(std::size_t i) {
    AdapterState& a = adapters[i];
    const unsigned phys = PhyCount(a.spec);
    for (unsigned p = 0; p < phys; ++p) {
        WLAN_PHY_RADIO_STATE r{};
        r.dwPhyIndex = p;
        r.dot11SoftwareRadioState = (a.phyOff >> p) & 1 ? dot11_radio_state_off : dot11_radio_state_on;
        r.dot11HardwareRadioState = a.spec.radioSwitchOn ? dot11_radio_state_on : dot11_radio_state_off;
        const auto* b = reinterpret_cast<const std::uint8_t*>(&r);
        QueueWlan(WLAN_NOTIFICATION_SOURCE_MSM, platform::kWlanMsmRadioStateChange, AdapterGuid(a.spec),
                  Bytes(b, b + sizeof r));
    }
    if (!a.spec.radioOn || !a.spec.radioSwitchOn) DropLink(i);
    else a.autoConnectPending = true;
}

void World::State::StartWlanThread() {
    if (wlanThread.joinable() || wlanThreadStop) return;
    wlanThread = std::thread([this] {
        deliveryThreadId = GetCurrentThreadId();
        std::unique_lock<std::mutex> lock(mutex);
        while (!wlanThreadStop) {
            Sync();
            const std::uint64_t now = clock.Now();
            auto due = std::min_element(wlanNotes.begin(), wlanNotes.end(), [](const auto& x, const auto& y) {
                return x.due != y.due ? x.due < y.due : x.seq < y.seq;
            });
            if (due == wlanNotes.end() || due->due > now) {
                // A manual clock moves without telling anyone: look again shortly.
                wlanCv.wait_for(lock, std::chrono::milliseconds(2));
                continue;
            }
            PendingWlanNotification note = std::move(*due);
            wlanNotes.erase(due);
            wlanDelivering = true;
            lock.unlock();
            {
                // Callbacks run outside the world's lock; closing a handle waits for them.
                std::lock_guard<std::mutex> delivery(deliveryMutex);
                std::vector<std::pair<WLAN_NOTIFICATION_CALLBACK, void*>> targets;
                {
                    std::lock_guard<std::mutex> relock(mutex);
                    for (const auto& [h, r] : wlanHandles)
                        if (r.callback && (r.source & note.source)) targets.emplace_back(r.callback, r.context);
                }
                if (deliveryHeld && !targets.empty()) {
                    deliveryWaiting = true;
                    while (deliveryHeld) Sleep(1);
                    deliveryWaiting = false;
                }
                WLAN_NOTIFICATION_DATA data{};
                data.NotificationSource = note.source;
                data.NotificationCode = note.code;
                data.InterfaceGuid = note.iface;
                data.dwDataSize = static_cast<DWORD>(note.payload.size());
                data.pData = note.payload.empty() ? nullptr : note.payload.data();
                for (auto& [callback, context] : targets) callback(&data, context);
            }
            lock.lock();
            wlanDelivering = false;
            wlanCv.notify_all();
        }
    });
}

void World::State::StopWlanThread() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        wlanThreadStop = true;
        deliveryHeld = false;
        editorHeld = false;
        wlanCv.notify_all();
        editorCv.notify_all();
    }
    if (wlanThread.joinable()) wlanThread.join();
}

// ---- hooks

std::vector<WlanCall> World::WlanCalls() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->wlanCalls;
}

std::vector<WlanConnectCall> World::WlanConnects() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->wlanConnects;
}

std::vector<WlanStoredProfile> World::WlanProfiles(std::size_t adapter) const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return adapter < state_->adapters.size() ? state_->adapters[adapter].profiles : std::vector<WlanStoredProfile>{};
}

std::vector<WlanEditorCall> World::WlanEditorCalls() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->wlanEditorCalls;
}

void World::ClearWlanCalls() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->wlanCalls.clear();
    state_->wlanConnects.clear();
    state_->wlanEditorCalls.clear();
}

void World::RaiseWlanNotification(DWORD source, DWORD code, const GUID& iface, const Bytes& payload,
                                  std::uint64_t delayMs) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->QueueWlan(source, code, iface, payload, delayMs);
}

bool World::WaitWlanNotificationsDelivered(DWORD timeoutMs) {
    State& s = *state_;
    std::unique_lock<std::mutex> lock(s.mutex);
    s.Sync();  // what the clock has made due is queued first
    return s.wlanCv.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        if (s.wlanDelivering) return false;
        const std::uint64_t now = s.clock.Now();
        for (const auto& n : s.wlanNotes)
            if (n.due <= now) return false;
        return true;
    });
}

std::size_t World::WlanNotificationsQueued() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->wlanNotes.size();
}

void World::OverrideWlanQuery(DWORD opcode, const Bytes& answer) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->wlanQueryOverrides[opcode] = answer;
}

void World::OverrideWlanInterfaces(const Bytes& answer) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->hasInterfacesOverride = true;
    state_->interfacesOverride = answer;
}

void World::OverrideWlanCapability(const Bytes& answer) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->hasCapabilityOverride = true;
    state_->capabilityOverride = answer;
}

void World::ClearWlanOverrides() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->wlanQueryOverrides.clear();
    state_->hasInterfacesOverride = state_->hasCapabilityOverride = false;
}

void World::HoldWlanProfileEditor(bool hold) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->editorHeld = hold;
    state_->editorCv.notify_all();
}

std::size_t World::OpenWlanProfileEditors() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->editorsOpen;
}

void World::HoldWlanDelivery(bool hold) { state_->deliveryHeld = hold; }

bool World::WlanDeliveryWaiting() const { return state_->deliveryWaiting; }

}  // namespace platform::sim
