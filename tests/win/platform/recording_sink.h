#pragma once
// A WMI event sink that records what it is handed: each batch as the objects' __CLASS
// texts ("" for an object whose __CLASS could not be read), and the delivering thread.
#include <windows.h>
#include <wbemcli.h>

#include <mutex>
#include <string>
#include <vector>

class RecordingSink final : public IWbemObjectSink {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IWbemObjectSink)) {
            *ppv = static_cast<IWbemObjectSink*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the test's stack: the count only tells who still holds it.
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs)); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(InterlockedDecrement(&refs)); }
    HRESULT STDMETHODCALLTYPE Indicate(LONG count, IWbemClassObject** objects) override {
        std::vector<std::string> batch;
        for (LONG i = 0; i < count; ++i) {
            VARIANT v;
            VariantInit(&v);
            std::string cls;
            if (SUCCEEDED(objects[i]->Get(L"__CLASS", 0, &v, nullptr, nullptr)) && v.vt == VT_BSTR)
                for (const wchar_t* c = v.bstrVal; *c; ++c) cls += static_cast<char>(*c);
            VariantClear(&v);
            batch.push_back(cls);
        }
        std::lock_guard<std::mutex> lock(mutex);
        batches.push_back(batch);
        threads.push_back(GetCurrentThreadId());
        return WBEM_S_NO_ERROR;
    }
    HRESULT STDMETHODCALLTYPE SetStatus(LONG, HRESULT, BSTR, IWbemClassObject*) override { return WBEM_S_NO_ERROR; }

    std::vector<std::vector<std::string>> Batches() {
        std::lock_guard<std::mutex> lock(mutex);
        return batches;
    }

    LONG refs = 1;
    std::mutex mutex;
    std::vector<std::vector<std::string>> batches;
    std::vector<DWORD> threads;
};
