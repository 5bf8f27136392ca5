// Simulated driver events: the subscription holds the caller's sink, and a thread of the
// simulation hands it each batch of event objects, as the event service does from its own
// thread.
#include <chrono>
#include <string>
#include <vector>

#include "platform/sim/wbem_object_stub.h"
#include "platform/sim/world_state.h"

namespace platform::sim {
namespace {

// An event object as the service delivers it; only __CLASS is readable. An empty class
// stands for an object whose __CLASS cannot be read.
class SimEventObject final : public WbemClassObjectStub {
public:
    explicit SimEventObject(const std::string& cls) : WbemClassObjectStub(true), m_class(cls.begin(), cls.end()) {}

    HRESULT STDMETHODCALLTYPE Get(LPCWSTR name, LONG, VARIANT* value, CIMTYPE* type, LONG* flavor) override {
        if (!name) return WBEM_E_INVALID_PARAMETER;
        if (m_class.empty() || _wcsicmp(name, L"__CLASS") != 0) return WBEM_E_NOT_FOUND;
        if (value) {
            value->vt = VT_BSTR;
            value->bstrVal = SysAllocStringLen(m_class.data(), static_cast<UINT>(m_class.size()));
        }
        if (type) *type = CIM_STRING;
        if (flavor) *flavor = WBEM_FLAVOR_ORIGIN_SYSTEM;
        return WBEM_S_NO_ERROR;
    }

private:
    std::wstring m_class;
};

void Deliver(IWbemObjectSink* sink, const std::vector<std::string>& batch) {
    std::vector<IWbemClassObject*> objects;
    for (const std::string& cls : batch) objects.push_back(new SimEventObject(cls));
    sink->Indicate(static_cast<LONG>(objects.size()), objects.data());
    for (IWbemClassObject* o : objects) o->Release();
}

class SimDriverEvents final : public DriverEvents {
public:
    explicit SimDriverEvents(World& w) : w_(w) {}

    int Connect(IWbemObjectSink* sink) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        if (s.eventsConnected || !sink) return 0;
        sink->AddRef();
        s.eventsSink = sink;
        s.eventsConnected = true;
        s.eventsSince = s.clock.Now();
        s.eventsStop = false;
        s.eventsThread = std::thread([&s] { Run(s); });
        return 1;
    }

    void Disconnect() override {
        World::State& s = w_.Internal();
        {
            std::lock_guard<std::mutex> lock(s.mutex);
            s.Sync();  // events already due still reach the sink
            if (!s.eventsConnected) return;
            s.eventsConnected = false;
            s.eventsStop = true;
            s.eventsCv.notify_all();
        }
        if (s.eventsThread.joinable()) s.eventsThread.join();
        IWbemObjectSink* sink;
        {
            std::lock_guard<std::mutex> lock(s.mutex);
            sink = s.eventsSink;
            s.eventsSink = nullptr;
        }
        if (sink) sink->Release();
    }

    bool IsConnected() const override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        return s.eventsConnected;
    }

private:
    // The event thread: delivers until the subscription ends and nothing is left queued.
    static void Run(World::State& s) {
        std::unique_lock<std::mutex> lock(s.mutex);
        for (;;) {
            s.eventsCv.wait(lock, [&] { return s.eventsStop || !s.eventBatches.empty(); });
            if (s.eventBatches.empty()) return;
            std::vector<std::string> batch = std::move(s.eventBatches.front());
            s.eventBatches.pop_front();
            s.eventsDelivering = true;
            IWbemObjectSink* sink = s.eventsSink;
            lock.unlock();
            Deliver(sink, batch);
            lock.lock();
            s.eventsDelivering = false;
            ++s.eventsDelivered;
            s.eventsCv.notify_all();
        }
    }

    World& w_;
};

}  // namespace

void World::State::QueueDriverEvent(std::vector<std::string> objects) {
    if (!eventsConnected) return;
    eventBatches.push_back(std::move(objects));
    eventsCv.notify_all();
}

bool World::WaitDriverEventsDelivered(DWORD timeoutMs) {
    std::unique_lock<std::mutex> lock(state_->mutex);
    state_->Sync();
    return state_->eventsCv.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] {
        return state_->eventBatches.empty() && !state_->eventsDelivering;
    });
}

std::unique_ptr<DriverEvents> MakeSimDriverEvents(World& w) { return std::make_unique<SimDriverEvents>(w); }

}  // namespace platform::sim
