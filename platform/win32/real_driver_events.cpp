// The driver's WMI events through COM: the locator, ROOT\WMI and an asynchronous
// notification query that delivers to the caller's sink.
#include <cstdio>

#include "platform/driver_events.h"
#include "platform/win32/real.h"

namespace platform::win32 {
namespace {

// The steps' failures are formatted for a debugger only; the user is never told.
void Diagnose(const char* format, HRESULT hr) {
    char text[96];
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(hr));
    OutputDebugStringA(text);
}

class RealDriverEvents final : public DriverEvents {
public:
    int Connect(IWbemObjectSink* sink) override {
        if (m_bConnected || !sink) return 0;
        HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (FAILED(hr)) {
            Diagnose("CoInitializeEx() failed - returned 0x%x", hr);
            return 0;
        }
        hr = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY,
                                  RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_SECURE_REFS, nullptr);
        // Security already set for this process (by an earlier COM user) serves as well.
        if (FAILED(hr) && hr != RPC_E_TOO_LATE) {
            Diagnose("CoInitializeSecurity() failed - returned 0x%x", hr);
            return Undo();
        }
        hr = CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                              reinterpret_cast<void**>(&m_pLocator));
        if (FAILED(hr)) {
            Diagnose("CoCreateInstance() failed - returned 0x%x\n", hr);
            return Undo();
        }
        BSTR ns = SysAllocString(L"ROOT\\WMI");
        hr = m_pLocator->ConnectServer(ns, nullptr, nullptr, nullptr, 0, nullptr, nullptr, &m_pServices);
        SysFreeString(ns);
        if (FAILED(hr)) {
            Diagnose("Could not connect to server - error 0x%x\n", hr);
            return Undo();
        }
        sink->AddRef();
        m_pSink = sink;
        BSTR lang = SysAllocString(L"WQL");
        BSTR query = SysAllocString(L"SELECT * FROM QelWLANMessageEvent");
        hr = m_pServices->ExecNotificationQueryAsync(lang, query, 0, nullptr, m_pSink);
        SysFreeString(lang);
        SysFreeString(query);
        if (FAILED(hr)) {
            Diagnose("Unable to execute the event query\n", hr);
            return Undo();
        }
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
    // Releases whatever the connection holds, then balances CoInitializeEx; returns 0.
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

DriverEvents& RealEvents() {
    static RealDriverEvents e;
    return e;
}

}  // namespace platform::win32
