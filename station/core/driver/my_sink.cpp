#include "station/core/driver/my_sink.h"

#include <cwchar>

#include "platform/driver_events.h"

CMySink::CMySink() = default;
CMySink::~CMySink() = default;

HRESULT CMySink::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IWbemObjectSink)) {
        *ppv = static_cast<IWbemObjectSink*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG CMySink::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_lRef)); }

ULONG CMySink::Release() {
    const LONG r = InterlockedDecrement(&m_lRef);
    if (r == 0) delete this;
    return static_cast<ULONG>(r);
}

HRESULT CMySink::Indicate(LONG count, IWbemClassObject** objects) {
    if (count <= 0 || !objects) return WBEM_S_NO_ERROR;
    for (LONG i = 0; i < count; ++i) {
        VARIANT cls;
        VariantInit(&cls);
        if (!objects[i] || FAILED(objects[i]->Get(L"__CLASS", 0, &cls, nullptr, nullptr))) {
            OutputDebugStringA("Failed to get __CLASS from event.\n");
            break;  // the rest of the batch is not read
        }
        // Only a string is compared: the object's own text is not trusted further.
        if (cls.vt == VT_BSTR && cls.bstrVal && std::wcscmp(cls.bstrVal, platform::kDriverEventClass) == 0)
            PostMessageA(m_hOwner, platform::kDriverEventMessage, 0, 0);
        VariantClear(&cls);
    }
    return WBEM_S_NO_ERROR;
}

HRESULT CMySink::SetStatus(LONG, HRESULT, BSTR, IWbemClassObject*) { return WBEM_S_NO_ERROR; }
