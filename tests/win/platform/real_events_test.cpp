#include <gtest/gtest.h>

#include "platform/driver_events.h"
#include "platform/win32/real.h"

namespace {

// An event object that has a __CLASS, or none (Get fails).
class FakeEvent final : public IWbemClassObject {
public:
    explicit FakeEvent(const wchar_t* cls) : cls_(cls) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** p) override {
        *p = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Get(LPCWSTR name, LONG, VARIANT* v, CIMTYPE*, LONG*) override {
        if (!cls_ || wcscmp(name, L"__CLASS") != 0) return WBEM_E_NOT_FOUND;
        v->vt = VT_BSTR;
        v->bstrVal = SysAllocString(cls_);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetQualifierSet(IWbemQualifierSet**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Put(LPCWSTR, LONG, VARIANT*, CIMTYPE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Delete(LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetNames(LPCWSTR, LONG, VARIANT*, SAFEARRAY**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE BeginEnumeration(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Next(LONG, BSTR*, VARIANT*, CIMTYPE*, LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EndEnumeration() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPropertyQualifierSet(LPCWSTR, IWbemQualifierSet**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Clone(IWbemClassObject**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetObjectText(LONG, BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SpawnDerivedClass(LONG, IWbemClassObject**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SpawnInstance(LONG, IWbemClassObject**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CompareTo(LONG, IWbemClassObject*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPropertyOrigin(LPCWSTR, BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InheritsFrom(LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMethod(LPCWSTR, LONG, IWbemClassObject**, IWbemClassObject**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE PutMethod(LPCWSTR, LONG, IWbemClassObject*, IWbemClassObject*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DeleteMethod(LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE BeginMethodEnumeration(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE NextMethod(LONG, BSTR*, IWbemClassObject**, IWbemClassObject**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE EndMethodEnumeration() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMethodQualifierSet(LPCWSTR, IWbemQualifierSet**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMethodOrigin(LPCWSTR, BSTR*) override { return E_NOTIMPL; }

private:
    const wchar_t* cls_;
};

int DrainEvents(HWND w) {
    MSG m;
    int n = 0;
    while (PeekMessageA(&m, w, platform::kDriverEventMessage, platform::kDriverEventMessage, PM_REMOVE)) ++n;
    return n;
}

TEST(RealDriverEventSink, PostsOncePerDriverEventAndStopsAtAnUnreadableObject) {
    HWND w = CreateWindowExA(0, "STATIC", "sink", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, GetModuleHandleA(nullptr),
                             nullptr);
    ASSERT_NE(w, nullptr);
    IWbemObjectSink* sink = platform::win32::NewDriverEventSink(w);
    FakeEvent ours(L"QelWLANMessageEvent"), other(L"Win32_ProcessStartTrace"), broken(nullptr);

    IWbemClassObject* batch1[] = {&ours, &other, &ours};
    EXPECT_EQ(sink->Indicate(3, batch1), WBEM_S_NO_ERROR);
    EXPECT_EQ(DrainEvents(w), 2);

    IWbemClassObject* batch2[] = {&ours, &broken, &ours};
    sink->Indicate(3, batch2);
    EXPECT_EQ(DrainEvents(w), 1) << "objects after one without __CLASS are not read";

    EXPECT_EQ(sink->Indicate(0, nullptr), WBEM_S_NO_ERROR);
    EXPECT_EQ(DrainEvents(w), 0);

    IUnknown* unk = nullptr;
    ASSERT_EQ(sink->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unk)), S_OK);
    EXPECT_EQ(unk->Release(), 1u);
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(sink->QueryInterface(IID_IWbemServices, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(sink->Release(), 0u);
    DestroyWindow(w);
}

// Wine's WMI accepts the subscription and never delivers; what matters is the round trip.
TEST(RealDriverEvents, ConnectAndDisconnect) {
    platform::DriverEvents& e = platform::win32::RealEvents();
    HWND w = CreateWindowExA(0, "STATIC", "events", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, GetModuleHandleA(nullptr),
                             nullptr);
    ASSERT_EQ(e.Connect(w), 1);
    EXPECT_TRUE(e.IsConnected());
    e.Disconnect();
    EXPECT_FALSE(e.IsConnected());
    e.Disconnect();
    EXPECT_EQ(e.Connect(w), 1) << "a second subscription in the same process works too";
    e.Disconnect();
    DestroyWindow(w);
}

}  // namespace
