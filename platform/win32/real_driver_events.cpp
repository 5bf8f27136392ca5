// The driver's WMI events through COM: the locator, ROOT\WMI and an asynchronous
// notification query that delivers to the caller's sink.
//
// The subscription lives on a thread of its own, which joins the multithreaded apartment
// for as long as it holds it. The caller's thread, the user-interface thread, keeps no
// apartment from it: the common file dialogs and the shell it runs need a single-threaded
// apartment there, and a thread that joined the multithreaded one can never get one.
#include <cstdio>
#include <initializer_list>

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
        m_pSink = sink;
        m_hReady = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        m_hStop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        if (m_hReady && m_hStop) m_hThread = CreateThread(nullptr, 0, &RealDriverEvents::Session, this, 0, nullptr);
        if (!m_hThread) {
            Diagnose("CreateThread() failed - error 0x%x", HRESULT_FROM_WIN32(GetLastError()));
            CloseHandles();
            m_pSink = nullptr;
            return 0;
        }
        // The thread answers once the subscription is in place or a step failed.
        WaitForSingleObject(m_hReady, INFINITE);
        if (!m_bSubscribed) {
            WaitForSingleObject(m_hThread, INFINITE);
            CloseHandles();
            m_pSink = nullptr;
            return 0;
        }
        m_bConnected = true;
        return 1;
    }

    void Disconnect() override {
        if (!m_bConnected) return;
        SetEvent(m_hStop);
        // The thread cancels the call and lets go of everything in its apartment.
        WaitForSingleObject(m_hThread, INFINITE);
        CloseHandles();
        m_bConnected = false;
    }

    bool IsConnected() const override { return m_bConnected; }

private:
    static DWORD WINAPI Session(void* self) {
        auto* events = static_cast<RealDriverEvents*>(self);
        events->m_bSubscribed = events->Subscribe();
        SetEvent(events->m_hReady);
        if (!events->m_bSubscribed) return 0;
        WaitForSingleObject(events->m_hStop, INFINITE);
        events->m_pServices->CancelAsyncCall(events->m_pHeldSink);
        events->Undo();
        return 0;
    }

    // On the session thread: the steps of the subscription, each failure undone.
    bool Subscribe() {
        HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (FAILED(hr)) {
            Diagnose("CoInitializeEx() failed - returned 0x%x", hr);
            return false;
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
        m_pSink->AddRef();
        m_pHeldSink = m_pSink;
        BSTR lang = SysAllocString(L"WQL");
        BSTR query = SysAllocString(L"SELECT * FROM QelWLANMessageEvent");
        hr = m_pServices->ExecNotificationQueryAsync(lang, query, 0, nullptr, m_pHeldSink);
        SysFreeString(lang);
        SysFreeString(query);
        if (FAILED(hr)) {
            Diagnose("Unable to execute the event query\n", hr);
            return Undo();
        }
        return true;
    }

    // On the session thread: releases whatever the subscription holds, then balances
    // CoInitializeEx; returns false.
    bool Undo() {
        if (m_pHeldSink) m_pHeldSink->Release();
        if (m_pServices) m_pServices->Release();
        if (m_pLocator) m_pLocator->Release();
        m_pHeldSink = nullptr;
        m_pServices = nullptr;
        m_pLocator = nullptr;
        CoUninitialize();
        return false;
    }

    void CloseHandles() {
        for (HANDLE* h : {&m_hThread, &m_hReady, &m_hStop}) {
            if (*h) CloseHandle(*h);
            *h = nullptr;
        }
    }

    IWbemLocator* m_pLocator = nullptr;
    IWbemServices* m_pServices = nullptr;
    IWbemObjectSink* m_pSink = nullptr;      // the caller's, handed to the session thread
    IWbemObjectSink* m_pHeldSink = nullptr;  // our reference while subscribed
    HANDLE m_hThread = nullptr;
    HANDLE m_hReady = nullptr;
    HANDLE m_hStop = nullptr;
    bool m_bSubscribed = false;
    bool m_bConnected = false;
};

}  // namespace

DriverEvents& RealEvents() {
    static RealDriverEvents e;
    return e;
}

}  // namespace platform::win32
