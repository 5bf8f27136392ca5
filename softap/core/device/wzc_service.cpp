#include "softap/core/device/wzc_service.h"

#include "platform/platform.h"
#include "platform/service_control.h"

namespace softap {
namespace {

// The manager and one service, both closed on every path.
class OpenedService {
public:
    explicit OpenedService(DWORD serviceAccess)
        : m_Scm(platform::Services()), m_hManager(m_Scm.OpenManager(SC_MANAGER_ALL_ACCESS))
    {
        if (m_hManager)
            m_hService = m_Scm.OpenService(m_hManager, kWzcServiceName, serviceAccess);
    }
    ~OpenedService()
    {
        if (m_hService)
            m_Scm.Close(m_hService);
        if (m_hManager)
            m_Scm.Close(m_hManager);
    }
    OpenedService(const OpenedService&) = delete;
    OpenedService& operator=(const OpenedService&) = delete;

    bool Status(SERVICE_STATUS* status) { return m_hService && m_Scm.QueryStatus(m_hService, status); }
    void Stop()
    {
        SERVICE_STATUS status{};
        m_Scm.Control(m_hService, SERVICE_CONTROL_STOP, &status);
    }

private:
    platform::ServiceControl& m_Scm;
    SC_HANDLE m_hManager = nullptr;
    SC_HANDLE m_hService = nullptr;
};

}  // namespace

bool IsWzcRunning()
{
    OpenedService service(SERVICE_QUERY_STATUS);
    SERVICE_STATUS status{};
    return service.Status(&status) && status.dwCurrentState == SERVICE_RUNNING;
}

void StopWzcService()
{
    OpenedService service(SERVICE_ALL_ACCESS);
    SERVICE_STATUS status{};
    if (service.Status(&status) && status.dwCurrentState != SERVICE_STOPPED)
        service.Stop();
}

}  // namespace softap
