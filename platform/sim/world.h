#pragma once
// The simulated adapter world: adapters, networks, a clock, the OID journal and the fault
// schedule, loaded from a scenario file. The simulated platform (Driver(), Devices(), Wlan(),
// Events(), Outside(), Tray(), Boxes()) serves every call from here while a world is in place:
// the one Init() loads from WLSIM_SCENARIO, or one a test installs with sim::Install.
//
// Thread-safe: one mutex guards the world. Scheduled changes (unplug_at, replug_at,
// driver_event_at) are applied whenever a platform call or a test hook reads the world.
#include <windows.h>

#include <wlanapi.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/scenario.h"

namespace platform {
class DriverPort;
class DeviceEnum;
class NativeWifi;
class DriverEvents;
class Programs;
class TrayIcon;
class MessageBoxes;
class FileDialogs;
class IpHelper;
class IcsSharing;
class ServiceControl;
class BridgePort;
class SecureRandom;
}  // namespace platform

namespace platform::sim {

// Milliseconds since the world was loaded (real mode), or a value tests move by hand.
class Clock {
public:
    std::uint64_t Now() const;
    void SetManual(std::uint64_t startMs = 0);  // freezes time at startMs
    void SetReal();                             // back to ms since load
    void Advance(std::uint64_t ms);             // manual mode only
    bool IsManual() const { return manual_.load(); }

private:
    friend class World;
    void Restart();
    std::atomic<bool> manual_{false};
    std::atomic<std::uint64_t> manualNow_{0};
    std::atomic<std::uint64_t> baseTick_{0};
};

// One driver call as it reached the simulated driver.
struct JournalEntry {
    std::uint64_t timeMs = 0;
    std::string devicePath;   // empty when the handle was not an open device
    std::uint32_t oid = 0;    // as sent
    bool set = false;         // bit 23 of the OID
    Bytes in;                 // the buffer before the call
    Bytes out;                // the buffer after the call
    DWORD bytesReturned = 0;
    bool result = false;
    DWORD error = 0;          // last error when result is false
};

struct MessageBoxCall {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT type = 0;
    int answer = 0;           // filled in the record after the box "closed"
};

struct OpenFileCall {
    HWND owner = nullptr;
    std::string filterName;
    std::string filterPattern;
    std::string initialName;
};

struct ProgramStart {
    std::string commandLine;
    UINT show = 0;
    std::size_t afterCalls = 0;  // driver calls journaled before it
};

// One document the shell was asked to open (ShellExecute).
struct ShellOpen {
    std::string verb;
    std::string file;
    std::string parameters;
    int show = 0;
    DWORD threadId = 0;  // the calling thread
};

// One Windows Help request (WinHelp).
struct HelpRequest {
    HWND owner = nullptr;
    std::string file;
    UINT command = 0;
    ULONG_PTR data = 0;
};

struct TrayCall {
    DWORD message = 0;        // NIM_ADD, NIM_MODIFY, NIM_DELETE
    UINT flags = 0;
    UINT id = 0;
    HICON icon = nullptr;
    std::string tip;
    BOOL result = FALSE;
    bool forcedFailure = false;  // failed by FailTrayCalls, the shell was not called
};

struct TrayRecord {
    bool present = false;     // added and not deleted since, as the calls' results tell
    HWND owner = nullptr;
    UINT id = 0;
    UINT callbackMessage = 0;
    HICON icon = nullptr;
    std::string tip;
    UINT flags = 0;           // of the last successful call
    std::vector<TrayCall> calls;
};

// One WlanConnect as the simulated service received it.
struct WlanConnectCall {
    std::size_t adapter = 0;
    DWORD threadId = 0;                  // the calling thread
    WLAN_CONNECTION_MODE mode = wlan_connection_mode_profile;
    bool hasProfile = false;
    std::wstring profile;                // profile name, or the XML of a temporary profile
    bool hasSsid = false;
    std::string ssid;                    // raw bytes
    DOT11_BSS_TYPE bssType = dot11_BSS_type_any;
    bool hasBssidList = false;
    std::vector<Mac> bssids;
    DWORD flags = 0;
    DWORD result = 0;                    // what WlanConnect returned
    DWORD reason = 0;                    // of the connection_complete that followed; 0 = connected
};

// A profile as the service stores it: the XML exactly as it was handed over.
struct WlanStoredProfile {
    std::wstring name;
    std::wstring xml;
    DWORD flags = 0;
};

struct WlanEditorCall {
    DWORD threadId = 0;
    DWORD clientVersion = 0;
    std::wstring profileName;
    GUID iface{};
    HWND owner = nullptr;
    WL_DISPLAY_PAGES startPage = WLConnectionPage;
};

// A change of connection sharing as the home-networking configuration received it.
struct SharingCall {
    std::string method;       // "DisableSharing" or "EnableSharing"
    std::string connection;   // its name
    int type = -1;            // EnableSharing: 0 public, 1 private
    HRESULT result = S_OK;
};

// One request to the bridge driver as it ended (platform/sim/sim_bridge.cpp).
struct BridgeCall {
    DWORD code = 0;
    Bytes in;                 // the input buffer
    bool pended = false;      // answered ERROR_IO_PENDING first
    DWORD error = 0;          // how it ended: 0 done, else the error
};

// Every Native Wifi call in order: the call's name ("WlanScan", "WlanConnect", ...), the
// opcode for query and set, the result and the calling thread.
struct WlanCall {
    std::uint64_t timeMs = 0;
    std::string name;
    DWORD opcode = 0;
    DWORD result = 0;
    DWORD threadId = 0;
};

class World {
public:
    World();
    ~World();  // removes the driver keys this world created
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // Loads a scenario. uniqueInstances gives every adapter a driver instance number of its
    // own (derived from the process id, skipping keys that exist), so worlds of parallel
    // processes under one wineserver never share registry keys. Loading again replaces.
    bool LoadText(const std::string& text, bool uniqueInstances = true);
    bool LoadFile(const std::string& path, bool uniqueInstances = false);
    const ParseError& LoadError() const;  // of the last failed load

    Clock& clock() { return clock_; }

    // The world as it stands now.
    std::size_t AdapterCount() const;
    AdapterSpec Adapter(std::size_t i) const;      // spec with current link, radio, signal
    std::vector<NetworkSpec> Networks() const;
    bool IsPresent(std::size_t i) const;
    std::string DevicePath(std::size_t i) const;   // "\\.\{instance id}"
    std::string DriverName(std::size_t i) const;   // SPDRP_DRIVER, after any renumbering
    std::string DriverKeyPath(std::size_t i) const;  // under HKLM
    GUID InterfaceGuid(std::size_t i) const;       // the NetCfgInstanceId

    // Test hooks.
    void Unplug(std::size_t i);
    void Replug(std::size_t i);
    void SetResponds(std::size_t i, bool responds);
    // The device's SPDRP_* property reads fail (as for a device whose driver is half removed).
    void FailDeviceProperty(std::size_t i, DWORD property);
    void FailOid(std::uint32_t oidAsSent, unsigned times, int adapter = -1);  // -1: any adapter
    // Fixed readings of the receive chains, whatever the link (as `signal = fixed ...`).
    void SetSignal(std::size_t i, std::int32_t first, std::int32_t second);
    void SetSignal(std::size_t i, std::int32_t first);  // the second reading fails
    void SetSignal(std::size_t i, std::int32_t first, std::int32_t second, std::int32_t third);
    // The driver's answer to a query OID, as an `oid` line gives it; Clear takes it away.
    void SetOidAnswer(std::size_t i, std::uint32_t queryOid, const Bytes& answer);
    void ClearOidAnswer(std::size_t i, std::uint32_t queryOid);
    void ClearSignal(std::size_t i);                    // both readings fail
    void SetLink(std::size_t i, bool connected, const std::string& ssid = {}, const Mac& bssid = {});
    void SetRadio(std::size_t i, bool softwareOn, bool switchOn = true);
    // As if the driver fired its WMI event now: one batch of objects, each named by its
    // __CLASS ("" for one whose __CLASS cannot be read); by default one QelWLANMessageEvent.
    void RaiseDriverEvent(std::vector<std::string> objects = {});
    // Waits until every batch due so far has been handed to the sink.
    bool WaitDriverEventsDelivered(DWORD timeoutMs = 5000);
    void ApplySchedule();      // applies what the clock has made due
    // The adapter's WPS push button pressed now (sim_wps.cpp).
    void PressWpsButton(std::size_t i);
    // Random bytes from fill instead of the system's secure source; an empty one gives the
    // system's back (sim_random.cpp).
    void SetRandomSource(std::function<bool(void*, std::size_t)> fill);

    std::vector<JournalEntry> Journal() const;
    void ClearJournal();
    Bytes LastSet(std::size_t i, std::uint32_t queryOid) const;  // empty when never set

    std::vector<ProgramStart> StartedPrograms() const;
    // A world loaded from a file: every command line that any program of the run (the
    // programs started on the same file while another of them runs) handed to WinExec, in
    // order (platform/sim/sim_run.cpp). DiscardRunLog deletes that log.
    std::vector<std::string> RunPrograms() const;
    void DiscardRunLog();
    // The tip of the tray icon a program of the run ("Lumora.exe") shows now, "" when it has
    // no icon; an end-to-end test sees the icon follow the link through it.
    std::string RunTrayTip(const std::string& program) const;
    std::vector<ShellOpen> ShellOpens() const;
    std::vector<HelpRequest> HelpRequests() const;

    // The adapter's IPv4 configuration as GetAdaptersInfo reports it; bound false takes the
    // adapter out of the list (sim_ip_helper.cpp).
    void SetIpConfig(std::size_t i, bool bound, const std::string& address = {}, const std::string& mask = {},
                     const std::string& gateway = "0.0.0.0");

    using MessageBoxAnswerer = std::function<int(const MessageBoxCall&)>;
    // Called outside the world's lock, on the caller's thread, in place of the real box.
    void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);
    std::vector<MessageBoxCall> MessageBoxCalls() const;
    // The file-open dialog: the answerer returns the chosen path, or nothing for Cancel
    // (sim_file_dialogs.cpp). Without one the real dialog opens.
    using OpenFileAnswerer = std::function<std::optional<std::string>(const OpenFileCall&)>;
    void SetOpenFileAnswerer(OpenFileAnswerer answerer);

    TrayRecord Tray() const;
    void FailTrayCalls(unsigned n);  // the next n Notify calls fail (as after a shell restart)
    void ClearTrayCalls();           // the calls of the record; the icon stays as it is

    // Leak checks.
    std::size_t LiveWlanAllocations() const;
    std::size_t BadWlanFrees() const;        // FreeMemory of a pointer the service never gave
    std::size_t OpenWlanHandles() const;
    std::size_t OpenDriverHandles() const;
    std::size_t LiveDeviceInfoSets() const;

    // Native Wifi service.
    std::vector<WlanCall> WlanCalls() const;
    std::vector<WlanConnectCall> WlanConnects() const;
    std::vector<WlanStoredProfile> WlanProfiles(std::size_t adapter) const;
    std::vector<WlanEditorCall> WlanEditorCalls() const;
    void ClearWlanCalls();
    // Queues a notification as the service would send it; it reaches the registered callbacks
    // on the service's thread once the clock reaches now + delayMs.
    void RaiseWlanNotification(DWORD source, DWORD code, const GUID& iface, const Bytes& payload = {},
                               std::uint64_t delayMs = 0);
    // Waits until no notification is due or being delivered (pending future ones stay).
    bool WaitWlanNotificationsDelivered(DWORD timeoutMs = 5000);
    std::size_t WlanNotificationsQueued() const;  // due or not
    // Answers in place of the simulated ones, byte for byte (untrusted-data tests).
    void OverrideWlanQuery(DWORD opcode, const Bytes& answer);
    void OverrideWlanInterfaces(const Bytes& answer);
    void OverrideWlanCapability(const Bytes& answer);
    void ClearWlanOverrides();
    // While held, WlanUIEditProfile does not return (the user keeps the editor open).
    void HoldWlanProfileEditor(bool hold);
    std::size_t OpenWlanProfileEditors() const;
    // While held, the service thread stops right before calling the callbacks of the
    // notification it took; WlanDeliveryWaiting tells that it got there.
    void HoldWlanDelivery(bool hold);
    bool WlanDeliveryWaiting() const;

    // Connections with their sharing as it stands, and every sharing change in order.
    std::vector<ConnectionSpec> Connections() const;
    std::vector<SharingCall> SharingCalls() const;
    // Deletes the registry key in which a world loaded from a file keeps its sharing for
    // later programs (tests that start programs clean up with it).
    void DiscardPersistedSharing();
    // Service control manager (platform/sim/sim_services.cpp).
    bool ServiceRunning(const std::string& name) const;  // false for an unknown service
    void SetServiceRunning(const std::string& name, bool running);  // adds an unknown one
    std::size_t ServiceStops(const std::string& name) const;
    std::size_t OpenServiceHandles() const;

    // The bridge driver (platform/sim/sim_bridge.cpp): its requests as they ended, whether it
    // bridges now, its open handles, and the pending requests whose handle was closed while
    // nobody waited for them (the driver would write into buffers gone by then).
    std::vector<BridgeCall> BridgeCalls() const;
    bool Bridging() const;
    std::size_t OpenBridgeHandles() const;
    std::size_t AbandonedBridgeRequests() const;

    bool DriverEventsConnected() const;
    std::size_t DriverEventsDelivered() const;  // batches handed to the subscribed sink
    bool HasWlanNotificationCallback() const;

    // The simulated platform of this world; platform::Driver() and friends hand these out
    // while the world is in place.
    DriverPort& Driver();
    DeviceEnum& Devices();
    NativeWifi& Wlan();
    DriverEvents& Events();
    Programs& Outside();
    TrayIcon& TrayPort();
    MessageBoxes& Boxes();
    IpHelper& IpPort();
    IcsSharing& Sharing();
    ServiceControl& Services();
    BridgePort& Bridge();
    FileDialogs& FilesPort();
    SecureRandom& Random();

    struct State;  // platform/sim/world_state.h; for the simulated platform only
    State& Internal() const { return *state_; }

private:
    Clock clock_;
    std::unique_ptr<State> state_;
};

// Puts a world in place of whatever Init() chose (tests); Uninstall() takes it away again.
void Install(World* world);
void Uninstall();

}  // namespace platform::sim
