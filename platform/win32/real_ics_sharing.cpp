// Internet Connection Sharing through the home-networking configuration objects: the
// sharing manager, its collection of every connection, and each connection's properties
// and sharing configuration.
#include <windows.h>
#include <netcon.h>
#include <oleauto.h>

#include <cstdio>
#include <string>

#include "platform/ics_sharing.h"
#include "platform/win32/real.h"

namespace platform::win32 {
namespace {

// COM for one operation. Uninitialised only when this object initialised it: a thread
// already in the other apartment model keeps its own initialisation.
class ComSession {
public:
    ComSession() {
        m_bInitialised = SUCCEEDED(CoInitialize(nullptr));
        // Security may have been set earlier in this process; that is fine.
        CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT, RPC_C_IMP_LEVEL_IMPERSONATE,
                             nullptr, EOAC_NONE, nullptr);
    }
    ~ComSession() {
        if (m_bInitialised) CoUninitialize();
    }
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;

private:
    bool m_bInitialised = false;
};

INetSharingManager* CreateSharingManager() {
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(L"HNetCfg.HNetShare.1", &clsid))) return nullptr;  // not installed (Wine)
    INetSharingManager* manager = nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_INetSharingManager,
                                reinterpret_cast<void**>(&manager))))
        return nullptr;
    return manager;
}

// Calls visit(connection) for every connection until it returns false. Every fetched
// element is cleared and every interface released, whichever way the walk ends.
template <class Visit>
void ForEachConnection(INetSharingManager* manager, Visit visit) {
    INetSharingEveryConnectionCollection* collection = nullptr;
    if (FAILED(manager->get_EnumEveryConnection(&collection)) || !collection) return;
    IUnknown* unknown = nullptr;
    IEnumVARIANT* items = nullptr;
    if (SUCCEEDED(collection->get__NewEnum(&unknown)) && unknown) {
        unknown->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&items));
        unknown->Release();
    }
    if (items) {
        bool more = true;
        while (more) {
            VARIANT item;
            VariantInit(&item);
            ULONG fetched = 0;
            if (items->Next(1, &item, &fetched) != S_OK || fetched != 1) {
                VariantClear(&item);
                break;
            }
            IUnknown* element = (item.vt == VT_UNKNOWN || item.vt == VT_DISPATCH) ? item.punkVal : nullptr;
            INetConnection* connection = nullptr;
            if (element &&
                SUCCEEDED(element->QueryInterface(IID_INetConnection, reinterpret_cast<void**>(&connection))) &&
                connection) {
                more = visit(connection);
                connection->Release();
            }
            VariantClear(&item);
        }
        items->Release();
    }
    collection->Release();
}

// The connection's properties; a connection without them is skipped, with a diagnostic line.
INetConnectionProps* PropertiesOf(INetSharingManager* manager, INetConnection* connection) {
    INetConnectionProps* props = nullptr;
    if (FAILED(manager->get_NetConnectionProps(connection, &props)) || !props) {
        std::fputs("failed to get NetConnectionProps!\r\n", stdout);
        return nullptr;
    }
    return props;
}

INetSharingConfiguration* SharingConfigurationOf(INetSharingManager* manager, INetConnection* connection) {
    INetSharingConfiguration* configuration = nullptr;
    if (FAILED(manager->get_INetSharingConfigurationForINetConnection(connection, &configuration))) return nullptr;
    return configuration;
}

// A COM text in the ANSI code page; empty when it cannot be converted.
std::string Ansi(BSTR text) {
    if (!text) return {};
    const int wide = static_cast<int>(SysStringLen(text));
    if (wide == 0) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, text, wide, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, wide, out.data(), n, nullptr, nullptr);
    return out;
}

class RealIcsSharing final : public IcsSharing {
public:
    int DisableAllIcs() override {
        ComSession com;
        INetSharingManager* manager = CreateSharingManager();
        if (!manager) return 1;
        ForEachConnection(manager, [&](INetConnection* connection) {
            INetConnectionProps* props = PropertiesOf(manager, connection);
            if (!props) return true;
            if (INetSharingConfiguration* configuration = SharingConfigurationOf(manager, connection)) {
                VARIANT_BOOL enabled = VARIANT_FALSE;
                if (SUCCEEDED(configuration->get_SharingEnabled(&enabled)) && enabled == VARIANT_TRUE)
                    configuration->DisableSharing();
                configuration->Release();
            }
            props->Release();
            return true;
        });
        manager->Release();
        return 1;
    }

    int EnableIcsOnConnection(const char* name, int sharingType, int matchByGuid) override {
        const std::string wanted = name ? name : "";
        int result = 0;
        ComSession com;
        INetSharingManager* manager = CreateSharingManager();
        if (!manager) return 0;
        ForEachConnection(manager, [&](INetConnection* connection) {
            INetConnectionProps* props = PropertiesOf(manager, connection);
            if (!props) return true;
            BSTR text = nullptr;
            HRESULT hr = matchByGuid ? props->get_Guid(&text) : props->get_Name(&text);
            const bool same = SUCCEEDED(hr) && Ansi(text) == wanted;
            SysFreeString(text);
            props->Release();
            if (!same) return true;
            INetSharingConfiguration* configuration = SharingConfigurationOf(manager, connection);
            if (!configuration) return true;  // try the next connection of that name
            if (configuration->EnableSharing(static_cast<SHARINGCONNECTIONTYPE>(sharingType)) == S_OK) result = 1;
            configuration->Release();
            return false;
        });
        manager->Release();
        return result;
    }
};

}  // namespace

IcsSharing& RealSharing() {
    static RealIcsSharing sharing;
    return sharing;
}

}  // namespace platform::win32
