#pragma once
// The WMI event sink of the driver-event listener: every QelWLANMessageEvent object it is
// handed becomes one message 0x8001 to the owner window. Indicate runs on a thread of the
// event service and only posts; the reference count is interlocked for that thread.
#include <windows.h>
#include <wbemcli.h>

class CMySink : public IWbemObjectSink {
public:
    CMySink();  // one reference, the creator's

    // Where the messages go; set before the subscription hands the sink to the service.
    void SetOwner(HWND owner) { m_hOwner = owner; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;  // deletes the sink at zero
    // Posts for each object of the class, in order; an object without a readable __CLASS
    // ends the batch. Returns 0 always.
    HRESULT STDMETHODCALLTYPE Indicate(LONG count, IWbemClassObject** objects) override;
    HRESULT STDMETHODCALLTYPE SetStatus(LONG flags, HRESULT result, BSTR param, IWbemClassObject* object) override;

protected:
    virtual ~CMySink();

private:
    HWND m_hOwner = nullptr;
    LONG m_lRef = 1;
};
