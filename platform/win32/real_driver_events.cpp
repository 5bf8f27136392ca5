// The driver's WMI events through COM: locator, ROOT\WMI, an asynchronous notification query
// and our own sink, which only posts a message.
#include <cwchar>

#include "platform/driver_events.h"
#include "platform/win32/real.h"

namespace platform::win32 {
namespace {

constexpr const wchar_t* kEventClass = L"QelWLANMessageEvent";

class CMySink final : public IWbemObjectSink {
public:
    explicit CMySink(HWND owner) : m_hOwner(owner) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IWbemObjectSink)) {
            *ppv = static_cast<IWbemObjectSink*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_lRef)); }
    ULONG STDMETHODCALLTYPE Release() override {
        LONG r = InterlockedDecrement(&m_lRef);
        if (r == 0) delete this;
        return static_cast<ULONG>(r);
    }

    // COM delivery thread: only posts.
    HRESULT STDMETHODCALLTYPE Indicate(LONG count, IWbemClassObject** objects) override {
        if (count <= 0 || !objects) return WBEM_S_NO_ERROR;
        for (LONG i = 0; i < count; ++i) {
            if (!objects[i]) break;
            VARIANT v;
            VariantInit(&v);
            if (FAILED(objects[i]->Get(L"__CLASS", 0, &v, nullptr, nullptr))) break;  // rest of the batch unread
            if (v.vt == VT_BSTR && v.bstrVal && std::wcscmp(v.bstrVal, kEventClass) == 0)
                PostMessageA(m_hOwner, kDriverEventMessage, 0, 0);
            VariantClear(&v);
        }
        return WBEM_S_NO_ERROR;
    }
    HRESULT STDMETHODCALLTYPE SetStatus(LONG, HRESULT, BSTR, IWbemClassObject*) override { return WBEM_S_NO_ERROR; }

private:
    ~CMySink() = default;
    LONG m_lRef = 1;
    HWND m_hOwner;
};

class RealDriverEvents final : public DriverEvents {
public:
    int Connect(HWND notifyWindow) override {
        if (m_bConnected) return 1;
        HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (FAILED(hr)) return 0;
        hr = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY,
                                  RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_SECURE_REFS, nullptr);
        // Security already set for this process (an earlier subscription) is fine.
        if (FAILED(hr) && hr != RPC_E_TOO_LATE) return Undo();
        hr = CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                              reinterpret_cast<void**>(&m_pLocator));
        if (FAILED(hr)) return Undo();
        BSTR ns = SysAllocString(L"ROOT\\WMI");
        hr = m_pLocator->ConnectServer(ns, nullptr, nullptr, nullptr, 0, nullptr, nullptr, &m_pServices);
        SysFreeString(ns);
        if (FAILED(hr)) return Undo();
        m_pSink = NewDriverEventSink(notifyWindow);
        BSTR lang = SysAllocString(L"WQL");
        BSTR query = SysAllocString(L"SELECT * FROM QelWLANMessageEvent");
        hr = m_pServices->ExecNotificationQueryAsync(lang, query, 0, nullptr, m_pSink);
        SysFreeString(lang);
        SysFreeString(query);
        if (FAILED(hr)) return Undo();
        m_bConnected = true;
        return 1;
    }

    void Disconnect() override {
        if (!m_bConnected) return;
        m_pServices->CancelAsyncCall(m_pSink);
        m_bConnected = false;
        Undo();
    }

    bool IsConnected() const override { return m_bConnected; }

private:
    // Releases whatever a connection holds and balances CoInitializeEx; returns 0.
    int Undo() {
        if (m_pSink) m_pSink->Release();
        if (m_pServices) m_pServices->Release();
        if (m_pLocator) m_pLocator->Release();
        m_pSink = nullptr;
        m_pServices = nullptr;
        m_pLocator = nullptr;
        CoUninitialize();
        return 0;
    }

    IWbemLocator* m_pLocator = nullptr;
    IWbemServices* m_pServices = nullptr;
    IWbemObjectSink* m_pSink = nullptr;
    bool m_bConnected = false;
};

}  // namespace

IWbemObjectSink* NewDriverEventSink(HWND owner) { return new CMySink(owner); }

DriverEvents& RealEvents() {
    static RealDriverEvents e;
    return e;
}

}  // namespace platform::win32
