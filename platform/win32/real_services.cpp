// The service control manager: straight to Win32.
#include "platform/service_control.h"
#include "platform/win32/real.h"

namespace platform::win32 {
namespace {

class RealServiceControl final : public ServiceControl {
public:
    SC_HANDLE OpenManager(DWORD access) override { return OpenSCManagerA(nullptr, nullptr, access); }
    SC_HANDLE OpenService(SC_HANDLE manager, const char* name, DWORD access) override {
        return OpenServiceA(manager, name, access);
    }
    BOOL QueryStatus(SC_HANDLE service, SERVICE_STATUS* status) override {
        return QueryServiceStatus(service, status);
    }
    BOOL Control(SC_HANDLE service, DWORD control, SERVICE_STATUS* status) override {
        return ControlService(service, control, status);
    }
    BOOL Close(SC_HANDLE handle) override { return CloseServiceHandle(handle); }
};

}  // namespace

ServiceControl& RealServices() {
    static RealServiceControl s;
    return s;
}

}  // namespace platform::win32
