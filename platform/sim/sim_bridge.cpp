// The simulated ethernet bridge driver "VLDX": its version, the bridging switch, and requests
// that end at once, when the caller waits for them, or only when cancelled.
#include <cstring>

#include "platform/bridge_port.h"
#include "platform/sim/world_state.h"

namespace platform::sim {
namespace {

constexpr DWORD kCodeVersion = 0x80000000;
constexpr DWORD kCodeSetBridging = 0x80000004;
constexpr DWORD kCodeGetBridging = 0x80000008;
constexpr const char* kDevicePath = "\\\\.\\VLDX";

void PutU32(void* out, std::uint32_t v) { std::memcpy(out, &v, 4); }

// Carries the request out on the driver's state; ERROR_SUCCESS or the driver's error.
DWORD Execute(BridgeState& b, const BridgeCall& call, void* out, DWORD outSize, DWORD* returned) {
    *returned = 0;
    switch (call.code) {
    case kCodeVersion:
        if (outSize < 4 || !out) return ERROR_INSUFFICIENT_BUFFER;
        PutU32(out, b.spec.version);
        *returned = 4;
        return ERROR_SUCCESS;
    case kCodeSetBridging: {
        if (b.spec.version != 2) return ERROR_INVALID_FUNCTION;
        if (call.in.size() < 4) return ERROR_INSUFFICIENT_BUFFER;
        std::uint32_t v = 0;
        std::memcpy(&v, call.in.data(), 4);
        b.bridging = v != 0;
        return ERROR_SUCCESS;
    }
    case kCodeGetBridging:
        if (b.spec.version != 2) return ERROR_INVALID_FUNCTION;
        if (outSize < 4 || !out) return ERROR_INSUFFICIENT_BUFFER;
        PutU32(out, b.bridging ? 1 : 0);
        *returned = 4;
        return ERROR_SUCCESS;
    default:
        return ERROR_INVALID_FUNCTION;
    }
}

// What the I/O manager does when a request ends: the status in the OVERLAPPED, its event set.
void Complete(OVERLAPPED* ov, DWORD error, DWORD returned) {
    if (!ov) return;
    ov->Internal = error;
    ov->InternalHigh = returned;
    if (ov->hEvent) SetEvent(ov->hEvent);
}

class SimBridgePort final : public BridgePort {
public:
    explicit SimBridgePort(World& w) : w_(w) {}

    HANDLE Open(const char* devicePath, DWORD flags) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        if (!s.bridge.spec.present || !devicePath || lstrcmpiA(devicePath, kDevicePath) != 0) {
            SetLastError(ERROR_FILE_NOT_FOUND);
            return INVALID_HANDLE_VALUE;
        }
        HANDLE h = s.NewHandle();
        s.bridge.handles[h] = flags;
        return h;
    }

    BOOL Control(HANDLE h, DWORD code, void* in, DWORD inSize, void* out, DWORD outSize, DWORD* returned,
                 OVERLAPPED* overlapped) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        BridgeState& b = s.bridge;
        BridgeCall call;
        call.code = code;
        if (in && inSize) call.in.assign(static_cast<std::uint8_t*>(in), static_cast<std::uint8_t*>(in) + inSize);
        auto it = b.handles.find(h);
        if (it == b.handles.end()) return Refuse(b, call, ERROR_INVALID_HANDLE);
        // A device opened for overlapped I/O takes no request without its OVERLAPPED.
        if ((it->second & FILE_FLAG_OVERLAPPED) && !overlapped) return Refuse(b, call, ERROR_INVALID_PARAMETER);
        if (overlapped && overlapped->hEvent) ResetEvent(overlapped->hEvent);
        if (b.spec.pending != BridgePending::kNo && overlapped) {
            call.pended = true;
            b.pending.push_back({h, overlapped, call, out, outSize, false});
            if (overlapped) overlapped->Internal = STATUS_PENDING;
            SetLastError(ERROR_IO_PENDING);
            return FALSE;
        }
        DWORD done = 0;
        call.error = Execute(b, call, out, outSize, &done);
        b.calls.push_back(call);
        Complete(overlapped, call.error, done);
        if (call.error != ERROR_SUCCESS) {
            SetLastError(call.error);
            return FALSE;
        }
        if (returned) *returned = done;
        return TRUE;
    }

    BOOL WaitResult(HANDLE h, OVERLAPPED* overlapped, DWORD* returned, DWORD) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        BridgeState& b = s.bridge;
        for (auto it = b.pending.begin(); it != b.pending.end(); ++it) {
            if (it->handle != h || it->overlapped != overlapped) continue;
            if (!it->cancelled && b.spec.pending == BridgePending::kNever) {
                SetLastError(WAIT_TIMEOUT);
                return FALSE;
            }
            PendingBridgeRequest request = *it;
            b.pending.erase(it);
            DWORD done = 0;
            request.call.error = request.cancelled ? ERROR_OPERATION_ABORTED
                                                   : Execute(b, request.call, request.out, request.outSize, &done);
            b.calls.push_back(request.call);
            Complete(overlapped, request.call.error, done);
            if (request.call.error != ERROR_SUCCESS) {
                SetLastError(request.call.error);
                return FALSE;
            }
            if (returned) *returned = done;
            return TRUE;
        }
        // Not pending (any more): what the OVERLAPPED says.
        if (!overlapped || overlapped->Internal == STATUS_PENDING) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        if (overlapped->Internal != ERROR_SUCCESS) {
            SetLastError(static_cast<DWORD>(overlapped->Internal));
            return FALSE;
        }
        if (returned) *returned = static_cast<DWORD>(overlapped->InternalHigh);
        return TRUE;
    }

    BOOL Cancel(HANDLE h) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        if (!s.bridge.handles.count(h)) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        for (PendingBridgeRequest& p : s.bridge.pending) {
            if (p.handle != h || p.cancelled) continue;
            p.cancelled = true;
            if (p.overlapped && p.overlapped->hEvent) SetEvent(p.overlapped->hEvent);
        }
        return TRUE;
    }

    void Close(HANDLE h) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        BridgeState& b = s.bridge;
        b.handles.erase(h);
        for (auto it = b.pending.begin(); it != b.pending.end();) {
            if (it->handle != h) {
                ++it;
                continue;
            }
            ++b.abandoned;
            it = b.pending.erase(it);
        }
    }

private:
    static BOOL Refuse(BridgeState& b, BridgeCall& call, DWORD error) {
        call.error = error;
        b.calls.push_back(call);
        SetLastError(error);
        return FALSE;
    }

    World& w_;
};

}  // namespace

std::unique_ptr<BridgePort> MakeSimBridgePort(World& w) { return std::make_unique<SimBridgePort>(w); }

std::vector<BridgeCall> World::BridgeCalls() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->bridge.calls;
}

bool World::Bridging() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->bridge.bridging;
}

std::size_t World::OpenBridgeHandles() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->bridge.handles.size();
}

std::size_t World::AbandonedBridgeRequests() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->bridge.abandoned;
}

BridgePort& World::Bridge() { return *state_->bridgePort; }

}  // namespace platform::sim
