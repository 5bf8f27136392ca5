#include "platform/sim/world.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/sim/sim_driver_records.h"
#include "platform/sim/world_state.h"

namespace platform::sim {

// ---- Clock

std::uint64_t Clock::Now() const {
    if (manual_.load()) return manualNow_.load();
    return GetTickCount64() - baseTick_.load();
}

void Clock::SetManual(std::uint64_t startMs) {
    manualNow_.store(startMs);
    manual_.store(true);
}

void Clock::SetReal() {
    // Time goes on from where the manual clock stood.
    baseTick_.store(GetTickCount64() - manualNow_.load());
    manual_.store(false);
}

void Clock::Advance(std::uint64_t ms) {
    if (manual_.load()) manualNow_.fetch_add(ms);
}

void Clock::Restart() { baseTick_.store(GetTickCount64()); }

// ---- registry keys of the adapters

namespace {

constexpr const char* kOwnersKey = "Software\\WlSim\\KeyOwners";

DWORD KeyOwner(const std::string& driverName) {
    DWORD pid = 0, size = sizeof(pid), type = 0;
    HKEY k;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kOwnersKey, 0, KEY_READ, &k) != ERROR_SUCCESS) return 0;
    if (RegQueryValueExA(k, driverName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&pid), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(pid))
        pid = 0;
    RegCloseKey(k);
    return pid;
}

// pid 0: nobody owns the key any more.
void SetKeyOwner(const std::string& driverName, DWORD pid) {
    HKEY k;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kOwnersKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &k,
                        nullptr) != ERROR_SUCCESS)
        return;
    if (pid != 0) {
        RegSetValueExA(k, driverName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&pid), sizeof(pid));
    } else {
        RegDeleteValueA(k, driverName.c_str());
    }
    RegCloseKey(k);
}

bool KeyExists(const std::string& path) {
    HKEY k;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
}

// Creates the key only when it is new; a key that exists belongs to someone else.
bool CreateNewKey(const std::string& path, HKEY* out, LONG* rc) {
    DWORD disposition = 0;
    *rc = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, out,
                          &disposition);
    if (*rc != ERROR_SUCCESS) return false;
    if (disposition == REG_CREATED_NEW_KEY) return true;
    RegCloseKey(*out);
    return false;
}

bool WriteSz(HKEY k, const char* name, const std::string& v) {
    return RegSetValueExA(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(v.c_str()),
                          static_cast<DWORD>(v.size() + 1)) == ERROR_SUCCESS;
}

// Picks and creates the adapter's driver key; fills a.driverName and a.ownsKey.
bool CreateDriverKey(AdapterState& a, bool unique, std::string* err) {
    const std::string& wanted = a.spec.driver;
    std::size_t bs = wanted.find('\\');
    std::string classPart = wanted.substr(0, bs);
    HKEY key = nullptr;
    LONG rc = ERROR_SUCCESS;
    bool created = false;

    if (!unique) {
        std::string path = std::string(kClassKeyRoot) + wanted;
        KeyBookLock book;
        const DWORD self = GetCurrentProcessId();
        if (KeyExists(path)) {
            DWORD owner = KeyOwner(wanted);
            if (owner == self && IsKeyUser(wanted, self)) {
                // The program that started this one ended and handed its adapter over.
                ForgetKeyUser(wanted, self);
                a.driverName = wanted;
                a.ownsKey = true;
                return true;
            }
            if (owner != 0 && owner != self && ProcessAlive(owner)) {
                // Another running program of this world: share its adapter as it stands.
                a.driverName = wanted;
                a.ownsKey = false;
                NoteKeyUser(wanted, self);
                return true;
            }
            if (owner != 0 && owner != self && OtherLiveKeyUser(wanted, self) != 0) {
                // Its owner ended without handing it on while other programs of the run still
                // use it: this one takes it over.
                SetKeyOwner(wanted, self);
                a.driverName = wanted;
                a.ownsKey = true;
                return true;
            }
            if (owner != 0) {
                // Left behind by a run that ended without cleaning up: start afresh.
                RegDeleteTreeA(HKEY_LOCAL_MACHINE, path.c_str());
                SetKeyOwner(wanted, 0);
                ForgetKeyUsers(wanted);
            }
        }
        if (CreateNewKey(path, &key, &rc)) {
            created = true;
            a.driverName = wanted;
        }
        // else: a key we do not own (a real adapter's); fall back to a free number.
    }
    if (!created) {
        DWORD seed = GetCurrentProcessId() / 4 * 16;
        for (DWORD k = 0; k < 9000 && !created; ++k) {
            char inst[8];
            std::snprintf(inst, sizeof inst, "%04lu", static_cast<unsigned long>(1000 + (seed + k) % 9000));
            std::string name = classPart + "\\" + inst;
            if (CreateNewKey(std::string(kClassKeyRoot) + name, &key, &rc)) {
                created = true;
                a.driverName = name;
            } else if (rc != ERROR_SUCCESS) {
                break;
            }
        }
    }
    if (!created) {
        *err = "cannot create the driver key for " + wanted + " (error " + std::to_string(rc) + ")";
        return false;
    }
    a.ownsKey = true;
    SetKeyOwner(a.driverName, GetCurrentProcessId());
    bool ok = WriteSz(key, "NetCfgInstanceId", a.spec.instanceId) && WriteSz(key, "DriverDesc", a.spec.description);
    for (const RegValue& v : a.spec.values) {
        if (v.isDword)
            ok = ok && RegSetValueExA(key, v.name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v.dword),
                                      sizeof(v.dword)) == ERROR_SUCCESS;
        else
            ok = ok && WriteSz(key, v.name.c_str(), v.text);
    }
    RegCloseKey(key);
    if (!ok) *err = "cannot write the values of " + a.driverName;
    return ok;
}

void RemoveDriverKeys(std::vector<AdapterState>& adapters) {
    KeyBookLock book;
    const DWORD self = GetCurrentProcessId();
    for (AdapterState& a : adapters) {
        // A program that shared the key may have been handed it meanwhile.
        const bool owner = a.ownsKey || (!a.driverName.empty() && KeyOwner(a.driverName) == self);
        a.ownsKey = false;
        if (!owner) {
            if (!a.driverName.empty()) ForgetKeyUser(a.driverName, self);
            continue;
        }
        // Another program of the run still uses the adapter: it goes on with the key.
        if (DWORD next = OtherLiveKeyUser(a.driverName, self)) {
            SetKeyOwner(a.driverName, next);
            continue;
        }
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, (std::string(kClassKeyRoot) + a.driverName).c_str());
        SetKeyOwner(a.driverName, 0);
        ForgetKeyUsers(a.driverName);
    }
}

}  // namespace

// ---- World

World::World() : state_(std::make_unique<State>(clock_)) {
    clock_.Restart();
    state_->driverPort = MakeSimDriverPort(*this);
    state_->deviceEnum = MakeSimDeviceEnum(*this);
    state_->nativeWifi = MakeSimNativeWifi(*this);
    state_->events = MakeSimDriverEvents(*this);
    state_->outside = MakeSimPrograms(*this);
    state_->trayIcon = MakeSimTrayIcon(*this);
    state_->messageBoxes = MakeSimMessageBoxes(*this);
    state_->fileDialogs = MakeSimFileDialogs(*this);
    state_->ipHelper = MakeSimIpHelper(*this);
    state_->icsSharing = MakeSimIcsSharing(*this);
    state_->serviceControl = MakeSimServiceControl(*this);
    state_->bridgePort = MakeSimBridgePort(*this);
}

World::~World() {
    state_->events->Disconnect();
    state_->StopWlanThread();
    ForgetWorld(this);
    std::lock_guard<std::mutex> lock(state_->mutex);
    RemoveDriverKeys(state_->adapters);
    for (void* p : state_->wlanAllocations) std::free(p);
    state_->wlanAllocations.clear();
}

bool World::LoadText(const std::string& text, bool uniqueInstances) {
    Scenario sc;
    ParseError err;
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (!ParseScenario(text, &sc, &err)) {
        state_->loadError = err;
        return false;
    }
    RemoveDriverKeys(state_->adapters);
    State& s = *state_;
    s.adapters.clear();
    s.faults.clear();
    s.driverEvents.clear();
    s.journal.clear();
    s.networks = sc.networks;
    s.connections = sc.connections;
    s.sharingCalls.clear();
    s.sharingKey.clear();
    s.runKey.clear();
    s.wlanNotes.clear();
    s.services.clear();
    for (const ServiceSpec& sv : sc.services) s.services.push_back({sv.name, sv.running, 0});
    s.bridge = BridgeState{};
    s.bridge.spec = sc.bridge;
    s.bridge.bridging = sc.bridge.bridging;
    for (const AdapterSpec& spec : sc.adapters) {
        AdapterState a;
        a.spec = spec;
        a.present = spec.present;
        SetAllPhys(a, spec.radioOn);
        std::stable_sort(a.spec.radioSwitchAt.begin(), a.spec.radioSwitchAt.end(),
                         [](const auto& x, const auto& y) { return x.first < y.first; });
        s.adapters.push_back(a);
    }
    for (std::size_t i = 0; i < s.adapters.size(); ++i) {
        std::string why;
        if (!CreateDriverKey(s.adapters[i], uniqueInstances, &why)) {
            RemoveDriverKeys(s.adapters);
            s.adapters.clear();
            s.loadError = ParseError{sc.adapters[i].line, why};
            return false;
        }
        for (const OidFault& f : sc.adapters[i].faults) s.faults.push_back({f.oid, static_cast<int>(i), f.count});
        for (const DriverEventSpec& e : sc.adapters[i].driverEvents)
            s.driverEvents.push_back({static_cast<std::uint64_t>(e.at), i, false, e.objects});
    }
    if (!clock_.IsManual()) clock_.Restart();
    return true;
}

bool World::LoadFile(const std::string& path, bool uniqueInstances) {
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        std::lock_guard<std::mutex> lock(state_->mutex);
        state_->loadError = ParseError{0, "cannot open the scenario file " + path};
        return false;
    }
    std::ostringstream ss;
    ss << f.rdbuf();
    if (!LoadText(ss.str(), uniqueInstances)) return false;
    std::lock_guard<std::mutex> lock(state_->mutex);
    AttachPersistedSharing(*state_, path);
    AttachRun(*state_, path);
    return true;
}

const ParseError& World::LoadError() const { return state_->loadError; }

// ---- schedule

void World::State::Sync() {
    const std::uint64_t now = clock.Now();
    for (AdapterState& a : adapters) {
        AccountLinkTime(a, now);  // before anything below changes the link
        // Due changes in time order.
        struct Step {
            std::int64_t at;
            bool plug;
        };
        Step steps[2];
        int n = 0;
        if (!a.unplugDone && a.spec.unplugAt >= 0 && static_cast<std::uint64_t>(a.spec.unplugAt) <= now)
            steps[n++] = {a.spec.unplugAt, false};
        if (!a.replugDone && a.spec.replugAt >= 0 && static_cast<std::uint64_t>(a.spec.replugAt) <= now)
            steps[n++] = {a.spec.replugAt, true};
        if (n == 2 && steps[1].at < steps[0].at) std::swap(steps[0], steps[1]);
        for (int i = 0; i < n; ++i) {
            bool was = a.present;
            a.present = steps[i].plug;
            (steps[i].plug ? a.replugDone : a.unplugDone) = true;
            if (was != a.present) NotePresence(a);
        }
        // Hardware radio switch.
        while (a.radioSwitchDone < a.spec.radioSwitchAt.size() &&
               static_cast<std::uint64_t>(a.spec.radioSwitchAt[a.radioSwitchDone].first) <= now) {
            bool on = a.spec.radioSwitchAt[a.radioSwitchDone++].second;
            if (on == a.spec.radioSwitchOn) continue;
            a.spec.radioSwitchOn = on;
            NoteRadio(static_cast<std::size_t>(&a - adapters.data()));
        }
        const std::size_t i = static_cast<std::size_t>(&a - adapters.data());
        // A link whose network has left the air ends; the service then waits for a network of
        // an automatic profile to come (back) in range.
        if (a.present && a.spec.connected) {
            const NetworkSpec* joined = NetworkByBssid(a.spec.linkBssid);
            if (joined && !InAir(*joined)) {
                DropLink(i);
                a.autoConnectPending = true;
            }
        }
        if (a.autoConnectPending && a.present && !a.spec.connected && a.spec.radioOn && a.spec.radioSwitchOn)
            AutoConnect(*this, i);
    }
    for (ScheduledEvent& e : driverEvents) {
        if (e.done || e.at > now) continue;
        e.done = true;
        // Only a listener that was subscribed when the driver fired hears it.
        if (e.at >= eventsSince && IsUsable(e.adapter)) QueueDriverEvent(e.objects);
    }
}

void* World::State::WlanAlloc(std::size_t size) {
    void* p = std::calloc(1, size ? size : 1);
    if (p) wlanAllocations.insert(p);
    return p;
}

std::int32_t World::State::ChainSignal(const AdapterState& a, int chain) const {
    const std::int64_t given = a.spec.signal[chain];
    const NetworkSpec* n = a.spec.connected && a.spec.radioOn && a.spec.radioSwitchOn && !a.spec.signalFixed
                               ? NetworkByBssid(a.spec.linkBssid)
                               : nullptr;
    if (!n) return static_cast<std::int32_t>(given);
    // The chains keep their spread around chain 0, which hears the network as the scan does.
    const std::int64_t v = n->rssi + (given - a.spec.signal[0]);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

const NetworkSpec* World::State::NetworkByBssid(const Mac& bssid) const {
    for (const NetworkSpec& n : networks)
        if (n.bssid == bssid) return &n;
    return nullptr;
}

void World::ApplySchedule() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->Sync();
}

// ---- views

std::size_t World::AdapterCount() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->adapters.size();
}

AdapterSpec World::Adapter(std::size_t i) const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return i < state_->adapters.size() ? state_->adapters[i].spec : AdapterSpec{};
}

std::vector<NetworkSpec> World::Networks() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->networks;
}

bool World::IsPresent(std::size_t i) const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->Sync();
    return state_->IsUsable(i);
}

std::string World::DevicePath(std::size_t i) const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return i < state_->adapters.size() ? "\\\\.\\" + state_->adapters[i].spec.instanceId : std::string();
}

std::string World::DriverName(std::size_t i) const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return i < state_->adapters.size() ? state_->adapters[i].driverName : std::string();
}

std::string World::DriverKeyPath(std::size_t i) const {
    std::string name = DriverName(i);
    return name.empty() ? name : std::string(kClassKeyRoot) + name;
}

GUID World::InterfaceGuid(std::size_t i) const {
    GUID g{};
    GuidParts p;
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (i < state_->adapters.size() && ParseGuidText(state_->adapters[i].spec.instanceId, &p)) {
        g.Data1 = p.data1;
        g.Data2 = p.data2;
        g.Data3 = p.data3;
        std::copy(std::begin(p.data4), std::end(p.data4), g.Data4);
    }
    return g;
}

// ---- hooks

void World::Unplug(std::size_t i) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->Sync();
    if (i < state_->adapters.size() && state_->adapters[i].present) {
        state_->adapters[i].present = false;
        state_->NotePresence(state_->adapters[i]);
    }
}

void World::Replug(std::size_t i) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->Sync();
    if (i < state_->adapters.size() && !state_->adapters[i].present) {
        state_->adapters[i].present = true;
        state_->NotePresence(state_->adapters[i]);
    }
}

void World::SetResponds(std::size_t i, bool responds) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (i < state_->adapters.size()) state_->adapters[i].spec.responds = responds;
}

void World::FailDeviceProperty(std::size_t i, DWORD property) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (i < state_->adapters.size()) state_->adapters[i].failingProperties.insert(property);
}

void World::FailOid(std::uint32_t oid, unsigned times, int adapter) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->faults.push_back({oid, adapter, times});
}

void World::SetSignal(std::size_t i, std::int32_t first, std::int32_t second) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (i >= state_->adapters.size()) return;
    AdapterSpec& a = state_->adapters[i].spec;
    a.signalCount = 2;
    a.signalFixed = true;
    a.signal[0] = first;
    a.signal[1] = second;
}

void World::SetSignal(std::size_t i, std::int32_t first, std::int32_t second, std::int32_t third) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (i >= state_->adapters.size()) return;
    AdapterSpec& a = state_->adapters[i].spec;
    a.signalCount = 3;
    a.signalFixed = true;
    a.signal[0] = first;
    a.signal[1] = second;
    a.signal[2] = third;
}

void World::SetOidAnswer(std::size_t i, std::uint32_t queryOid, const Bytes& answer) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (i < state_->adapters.size()) state_->adapters[i].spec.oidAnswers[queryOid] = answer;
}

void World::ClearOidAnswer(std::size_t i, std::uint32_t queryOid) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (i < state_->adapters.size()) state_->adapters[i].spec.oidAnswers.erase(queryOid);
}

void World::SetSignal(std::size_t i, std::int32_t first) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (i >= state_->adapters.size()) return;
    AdapterSpec& a = state_->adapters[i].spec;
    a.signalCount = 1;
    a.signalFixed = true;
    a.signal[0] = first;
}

void World::ClearSignal(std::size_t i) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (i < state_->adapters.size()) state_->adapters[i].spec.signalCount = 0;
}

void World::SetLink(std::size_t i, bool connected, const std::string& ssid, const Mac& bssid) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (i >= state_->adapters.size()) return;
    AccountLinkTime(state_->adapters[i], state_->clock.Now());
    AdapterSpec& a = state_->adapters[i].spec;
    a.connected = connected;
    a.linkSsid = connected ? ssid.substr(0, 32) : std::string();
    a.linkBssid = connected ? bssid : Mac{};
}

void World::SetRadio(std::size_t i, bool softwareOn, bool switchOn) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (i >= state_->adapters.size()) return;
    AdapterState& a = state_->adapters[i];
    bool changed = a.spec.radioOn != softwareOn || a.phyOff != (softwareOn ? 0u : (1u << PhyCount(a.spec)) - 1) ||
                   a.spec.radioSwitchOn != switchOn;
    SetAllPhys(a, softwareOn);
    a.spec.radioSwitchOn = switchOn;
    if (changed) state_->NoteRadio(i);
}

void World::RaiseDriverEvent(std::vector<std::string> objects) {
    if (objects.empty()) objects.push_back("QelWLANMessageEvent");
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->Sync();
    state_->QueueDriverEvent(std::move(objects));
}

std::vector<JournalEntry> World::Journal() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->journal;
}

void World::ClearJournal() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->journal.clear();
}

Bytes World::LastSet(std::size_t i, std::uint32_t queryOid) const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (i >= state_->adapters.size()) return {};
    auto it = state_->adapters[i].lastSet.find(SharedStateOid(queryOid));
    return it == state_->adapters[i].lastSet.end() ? Bytes{} : it->second;
}

std::vector<ProgramStart> World::StartedPrograms() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->programs;
}

std::vector<ShellOpen> World::ShellOpens() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->shellOpens;
}

std::vector<HelpRequest> World::HelpRequests() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->helpRequests;
}

void World::SetMessageBoxAnswerer(MessageBoxAnswerer answerer) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->answerer = std::move(answerer);
}

std::vector<MessageBoxCall> World::MessageBoxCalls() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->boxes;
}

TrayRecord World::Tray() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->tray;
}

void World::FailTrayCalls(unsigned n) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->trayFailures = n;
}

void World::ClearTrayCalls() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->tray.calls.clear();
}

std::size_t World::LiveWlanAllocations() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->wlanAllocations.size();
}

std::size_t World::BadWlanFrees() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->badWlanFrees;
}

std::size_t World::OpenWlanHandles() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->wlanHandles.size();
}

std::size_t World::OpenDriverHandles() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->driverHandles.size();
}

std::size_t World::LiveDeviceInfoSets() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->deviceSets.size();
}

std::vector<ConnectionSpec> World::Connections() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    ReadPersistedSharing(*state_);
    return state_->connections;
}

std::vector<SharingCall> World::SharingCalls() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->sharingCalls;
}

void World::DiscardPersistedSharing() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (state_->sharingKey.empty()) return;
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, state_->sharingKey.c_str());
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, state_->sharingKey.c_str());
    state_->sharingKey.clear();
}

bool World::DriverEventsConnected() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->eventsConnected;
}

std::size_t World::DriverEventsDelivered() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->Sync();
    return state_->eventsDelivered;
}

bool World::HasWlanNotificationCallback() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    for (const auto& [h, r] : state_->wlanHandles)
        if (r.callback) return true;
    return false;
}

DriverPort& World::Driver() { return *state_->driverPort; }
DeviceEnum& World::Devices() { return *state_->deviceEnum; }
NativeWifi& World::Wlan() { return *state_->nativeWifi; }
DriverEvents& World::Events() { return *state_->events; }
Programs& World::Outside() { return *state_->outside; }
TrayIcon& World::TrayPort() { return *state_->trayIcon; }
MessageBoxes& World::Boxes() { return *state_->messageBoxes; }
IpHelper& World::IpPort() { return *state_->ipHelper; }
IcsSharing& World::Sharing() { return *state_->icsSharing; }
ServiceControl& World::Services() { return *state_->serviceControl; }

}  // namespace platform::sim
