// The listener's WMI sink on its own: which objects of a batch post 0x8001, and its
// reference count, which the event service's threads move too.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/driver_events.h"
#include "platform/sim/wbem_object_stub.h"
#include "station/core/driver/my_sink.h"

namespace {

// An event object whose __CLASS is a string, something else, or not readable at all.
class FakeEvent final : public platform::sim::WbemClassObjectStub {
public:
    enum Kind { kString, kNumber, kNone };
    FakeEvent(Kind kind, const wchar_t* cls = nullptr) : WbemClassObjectStub(false), kind_(kind), cls_(cls) {}
    HRESULT STDMETHODCALLTYPE Get(LPCWSTR name, LONG, VARIANT* v, CIMTYPE*, LONG*) override {
        if (kind_ == kNone || wcscmp(name, L"__CLASS") != 0) return WBEM_E_NOT_FOUND;
        if (kind_ == kNumber) {
            v->vt = VT_I4;
            v->lVal = 0x8001;
        } else {
            v->vt = VT_BSTR;
            v->bstrVal = SysAllocString(cls_);
        }
        return S_OK;
    }

private:
    Kind kind_;
    const wchar_t* cls_;
};

class MySinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = CreateWindowExA(0, "STATIC", "sink", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        sink = new CMySink;
        sink->SetOwner(window);
    }
    void TearDown() override {
        if (sink) sink->Release();
        DestroyWindow(window);
    }
    int Posted() {
        MSG m;
        int n = 0;
        while (PeekMessageA(&m, window, platform::kDriverEventMessage, platform::kDriverEventMessage, PM_REMOVE)) {
            EXPECT_EQ(m.wParam, 0u);
            EXPECT_EQ(m.lParam, 0);
            ++n;
        }
        return n;
    }

    HWND window = nullptr;
    CMySink* sink = nullptr;
};

TEST_F(MySinkTest, PostsOncePerDriverEventAndStopsAtAnUnreadableObject) {
    FakeEvent ours(FakeEvent::kString, L"QelWLANMessageEvent");
    FakeEvent derived(FakeEvent::kString, L"QelWLANMessageEventEx");
    FakeEvent number(FakeEvent::kNumber);
    FakeEvent broken(FakeEvent::kNone);
    const struct {
        const char* what;
        std::vector<IWbemClassObject*> batch;
        int posted;
    } cases[] = {
        {"one event", {&ours}, 1},
        {"another class posts nothing", {&ours, &derived, &ours}, 2},
        {"a __CLASS that is no string is skipped", {&number, &ours}, 1},
        {"objects after an unreadable one are not read", {&ours, &broken, &ours}, 1},
        {"an unreadable first object ends the batch", {&broken, &ours}, 0},
        {"a missing object ends it too", {&ours, nullptr, &ours}, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sink->Indicate(static_cast<LONG>(c.batch.size()), const_cast<IWbemClassObject**>(c.batch.data())),
                  WBEM_S_NO_ERROR)
            << c.what;
        EXPECT_EQ(Posted(), c.posted) << c.what;
    }
    EXPECT_EQ(sink->Indicate(0, nullptr), WBEM_S_NO_ERROR);
    EXPECT_EQ(sink->Indicate(3, nullptr), WBEM_S_NO_ERROR);
    EXPECT_EQ(Posted(), 0);
    EXPECT_EQ(sink->SetStatus(WBEM_STATUS_COMPLETE, S_OK, nullptr, nullptr), WBEM_S_NO_ERROR);
}

TEST_F(MySinkTest, InterfacesAndAnInterlockedCount) {
    IUnknown* unk = nullptr;
    ASSERT_EQ(sink->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unk)), S_OK);
    IWbemObjectSink* asSink = nullptr;
    ASSERT_EQ(sink->QueryInterface(IID_IWbemObjectSink, reinterpret_cast<void**>(&asSink)), S_OK);
    EXPECT_EQ(asSink, static_cast<IWbemObjectSink*>(sink));
    EXPECT_EQ(asSink->Release(), 2u);
    EXPECT_EQ(unk->Release(), 1u);
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(sink->QueryInterface(IID_IWbemServices, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(sink->QueryInterface(IID_IUnknown, nullptr), E_POINTER);

    // The event service takes and drops references from its own threads.
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([this] {
            for (int i = 0; i < 20000; ++i) {
                sink->AddRef();
                sink->Release();
            }
        });
    for (auto& t : threads) t.join();
    EXPECT_EQ(sink->AddRef(), 2u);
    EXPECT_EQ(sink->Release(), 1u);
    EXPECT_EQ(sink->Release(), 0u) << "the last reference deletes it";
    sink = nullptr;
}

}  // namespace
