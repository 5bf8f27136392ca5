// The simulated service control manager: the services of the scenario's [service]
// sections, each running or stopped. It refuses what the real one refuses: unknown names,
// calls without the access they need, stopping a service that is not running.
#include <algorithm>

#include "platform/sim/world_state.h"

namespace platform::sim {
namespace {

int FindService(const World::State& s, const std::string& name) {
    for (std::size_t i = 0; i < s.services.size(); ++i)
        if (lstrcmpiA(s.services[i].name.c_str(), name.c_str()) == 0) return static_cast<int>(i);
    return -1;
}

void Fill(SERVICE_STATUS* status, bool running) {
    if (!status) return;
    *status = SERVICE_STATUS{};
    status->dwServiceType = SERVICE_WIN32_SHARE_PROCESS;
    status->dwCurrentState = running ? SERVICE_RUNNING : SERVICE_STOPPED;
    status->dwControlsAccepted = running ? SERVICE_ACCEPT_STOP : 0;
}

class SimServiceControl final : public ServiceControl {
public:
    explicit SimServiceControl(World& w) : w_(w) {}

    SC_HANDLE OpenManager(DWORD access) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        auto h = static_cast<SC_HANDLE>(s.NewHandle());
        s.serviceHandles[h] = {0, true, access};
        return h;
    }

    SC_HANDLE OpenService(SC_HANDLE manager, const char* name, DWORD access) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        auto m = s.serviceHandles.find(manager);
        if (m == s.serviceHandles.end() || !m->second.manager) return Fail(ERROR_INVALID_HANDLE);
        if (!(m->second.access & (SC_MANAGER_CONNECT | GENERIC_READ | GENERIC_ALL)) &&
            (m->second.access & SC_MANAGER_ALL_ACCESS) != SC_MANAGER_ALL_ACCESS)
            return Fail(ERROR_ACCESS_DENIED);
        const int i = name ? FindService(s, name) : -1;
        if (i < 0) return Fail(ERROR_SERVICE_DOES_NOT_EXIST);
        auto h = static_cast<SC_HANDLE>(s.NewHandle());
        s.serviceHandles[h] = {static_cast<std::size_t>(i), false, access};
        return h;
    }

    BOOL QueryStatus(SC_HANDLE service, SERVICE_STATUS* status) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        const ServiceHandle* h = Service(s, service);
        if (!h) return FailBool(ERROR_INVALID_HANDLE);
        if (!(h->access & SERVICE_QUERY_STATUS)) return FailBool(ERROR_ACCESS_DENIED);
        if (!status) return FailBool(ERROR_INVALID_PARAMETER);
        Fill(status, s.services[h->service].running);
        return TRUE;
    }

    BOOL Control(SC_HANDLE service, DWORD control, SERVICE_STATUS* status) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        const ServiceHandle* h = Service(s, service);
        if (!h) return FailBool(ERROR_INVALID_HANDLE);
        if (control != SERVICE_CONTROL_STOP) return FailBool(ERROR_INVALID_SERVICE_CONTROL);
        if (!(h->access & SERVICE_STOP)) return FailBool(ERROR_ACCESS_DENIED);
        ServiceState& sv = s.services[h->service];
        if (!sv.running) {
            Fill(status, false);
            return FailBool(ERROR_SERVICE_NOT_ACTIVE);
        }
        sv.running = false;
        ++sv.stops;
        Fill(status, false);
        if (status) status->dwCurrentState = SERVICE_STOP_PENDING;  // as a real stop reports itself
        return TRUE;
    }

    BOOL Close(SC_HANDLE handle) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        if (s.serviceHandles.erase(handle) == 0) return FailBool(ERROR_INVALID_HANDLE);
        return TRUE;
    }

private:
    static SC_HANDLE Fail(DWORD error) {
        SetLastError(error);
        return nullptr;
    }
    static BOOL FailBool(DWORD error) {
        SetLastError(error);
        return FALSE;
    }
    static const ServiceHandle* Service(const World::State& s, SC_HANDLE h) {
        auto it = s.serviceHandles.find(h);
        if (it == s.serviceHandles.end() || it->second.manager || it->second.service >= s.services.size())
            return nullptr;
        return &it->second;
    }

    World& w_;
};

}  // namespace

std::unique_ptr<ServiceControl> MakeSimServiceControl(World& w) { return std::make_unique<SimServiceControl>(w); }

bool World::ServiceRunning(const std::string& name) const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    const int i = FindService(*state_, name);
    return i >= 0 && state_->services[static_cast<std::size_t>(i)].running;
}

void World::SetServiceRunning(const std::string& name, bool running) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    const int i = FindService(*state_, name);
    if (i < 0) state_->services.push_back({name, running, 0});
    else state_->services[static_cast<std::size_t>(i)].running = running;
}

std::size_t World::ServiceStops(const std::string& name) const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    const int i = FindService(*state_, name);
    return i < 0 ? 0 : state_->services[static_cast<std::size_t>(i)].stops;
}

std::size_t World::OpenServiceHandles() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->serviceHandles.size();
}

}  // namespace platform::sim
