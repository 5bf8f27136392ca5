#pragma once
// The service control manager, narrowed to what the soft-AP utility asks of it: whether a
// service runs, and stopping it.
#include <windows.h>

namespace platform {

class ServiceControl {
public:
    virtual ~ServiceControl() = default;
    // As OpenSCManagerA on the local machine's active database: null on failure.
    virtual SC_HANDLE OpenManager(DWORD access) = 0;
    // As OpenServiceA: null on failure (ERROR_SERVICE_DOES_NOT_EXIST for an unknown name).
    virtual SC_HANDLE OpenService(SC_HANDLE manager, const char* name, DWORD access) = 0;
    // As QueryServiceStatus; needs SERVICE_QUERY_STATUS.
    virtual BOOL QueryStatus(SC_HANDLE service, SERVICE_STATUS* status) = 0;
    // As ControlService; SERVICE_CONTROL_STOP needs SERVICE_STOP.
    virtual BOOL Control(SC_HANDLE service, DWORD control, SERVICE_STATUS* status) = 0;
    virtual BOOL Close(SC_HANDLE handle) = 0;
};

}  // namespace platform
