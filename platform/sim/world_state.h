#pragma once
// Inside of sim::World, shared by the simulated platform pieces. Every member is guarded by
// `mutex` except the pieces' own objects.
#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "platform/bridge_port.h"
#include "platform/device_enum.h"
#include "platform/driver_events.h"
#include "platform/driver_port.h"
#include "platform/file_dialogs.h"
#include "platform/ip_helper.h"
#include "platform/ics_sharing.h"
#include "platform/message_boxes.h"
#include "platform/native_wifi.h"
#include "platform/programs.h"
#include "platform/service_control.h"
#include "platform/sim/sim_bridge.h"
#include "platform/sim/sim_driver_tables.h"
#include "platform/sim/world.h"
#include "platform/sim/sim_link_stats.h"
#include "platform/sim/sim_wps.h"
#include "platform/secure_random.h"
#include "platform/tray_icon.h"

namespace platform::sim {

struct AdapterState {
    AdapterSpec spec;              // link, radio, signal and responds change here
    bool present = true;
    bool unplugDone = false;
    bool replugDone = false;
    std::string driverName;        // actual instance, may differ from spec.driver
    bool ownsKey = false;          // this world created the driver key and deletes it
    std::map<std::uint32_t, Bytes> lastSet;  // by query OID
    DriverTables tables;           // block-ack sessions, WMM and direct links
    // Native Wifi service
    std::uint32_t phyOff = 0;      // bit i: software radio of PHY i off
    std::size_t radioSwitchDone = 0;  // entries of spec.radioSwitchAt applied (in time order)
    std::wstring linkProfile;      // profile name of the current connection
    WLAN_CONNECTION_MODE linkMode = wlan_connection_mode_profile;
    BOOL autoConfig = TRUE;
    BOOL backgroundScan = TRUE;
    std::vector<WlanStoredProfile> profiles;  // in the service's order
    LinkCounterState linkCounters;
    std::set<DWORD> failingProperties;  // Setup API properties that cannot be read
    std::size_t apEventsTaken = 0;      // records of the event table the driver has handed out
    WpsRunState wps;                    // the WSC exchange (sim_wps.cpp)
    // After radio-on or a link lost to its network leaving the air, the service connects an
    // automatic profile by itself as soon as one's network is in range.
    bool autoConnectPending = false;
};

struct PendingWlanNotification {
    std::uint64_t due = 0;
    std::uint64_t seq = 0;
    DWORD source = 0;
    DWORD code = 0;
    GUID iface{};
    Bytes payload;
};

struct FaultState {
    std::uint32_t oid = 0;
    int adapter = -1;
    unsigned left = 0;
};

struct ScheduledEvent {
    std::uint64_t at = 0;
    std::size_t adapter = 0;
    bool done = false;
    std::vector<std::string> objects;  // the batch, as DriverEventSpec
};

struct WlanRegistration {
    DWORD source = 0;
    WLAN_NOTIFICATION_CALLBACK callback = nullptr;
    void* context = nullptr;
};

struct ServiceState {
    std::string name;
    bool running = true;
    std::size_t stops = 0;         // SERVICE_CONTROL_STOP requests that stopped it
};

struct ServiceHandle {
    std::size_t service = 0;       // index into services; unused for a manager handle
    bool manager = false;
    DWORD access = 0;
};

struct World::State {
    explicit State(Clock& c) : clock(c) {}

    mutable std::mutex mutex;
    Clock& clock;
    ParseError loadError;
    std::vector<AdapterState> adapters;
    std::vector<NetworkSpec> networks;
    std::vector<JournalEntry> journal;
    std::vector<FaultState> faults;
    std::vector<ScheduledEvent> driverEvents;

    std::map<HANDLE, std::size_t> driverHandles;     // open device -> adapter
    std::uintptr_t nextHandle = 0x5A000000;
    std::map<HDEVINFO, std::vector<std::size_t>> deviceSets;
    std::map<HANDLE, WlanRegistration> wlanHandles;
    std::set<void*> wlanAllocations;
    std::size_t badWlanFrees = 0;
    std::vector<WlanCall> wlanCalls;
    std::vector<WlanConnectCall> wlanConnects;
    std::vector<WlanEditorCall> wlanEditorCalls;
    std::map<DWORD, Bytes> wlanQueryOverrides;
    bool hasInterfacesOverride = false;
    Bytes interfacesOverride;
    bool hasCapabilityOverride = false;
    Bytes capabilityOverride;
    bool editorHeld = false;
    std::size_t editorsOpen = 0;
    std::condition_variable editorCv;  // with mutex

    // Notifications: queued under mutex, delivered by the service thread outside it.
    std::vector<PendingWlanNotification> wlanNotes;
    std::uint64_t wlanNoteSeq = 0;
    std::thread wlanThread;
    bool wlanThreadStop = false;
    bool wlanDelivering = false;
    std::condition_variable wlanCv;    // with mutex: new notes, stop, delivery done
    std::mutex deliveryMutex;          // held while callbacks run; CloseHandle waits on it
    std::atomic<DWORD> deliveryThreadId{0};
    std::atomic<bool> deliveryHeld{false};
    std::atomic<bool> deliveryWaiting{false};

    // The driver's WMI events: batches queued under mutex, handed to the subscribed sink by
    // the event thread outside it.
    bool eventsConnected = false;
    IWbemObjectSink* eventsSink = nullptr;   // one reference while subscribed
    std::uint64_t eventsSince = 0;
    std::deque<std::vector<std::string>> eventBatches;
    bool eventsDelivering = false;
    bool eventsStop = false;
    std::size_t eventsDelivered = 0;         // batches handed to the sink
    std::condition_variable eventsCv;        // with mutex: new batch, stop, delivery done
    std::thread eventsThread;

    // Connections and their sharing; sharingKey names the registry key that keeps the
    // sharing for every program of the same scenario file (empty: kept in memory only).
    std::vector<ConnectionSpec> connections;
    std::vector<SharingCall> sharingCalls;
    std::string sharingKey;

    std::vector<ProgramStart> programs;
    std::string runKey;  // the log of the programs started in this run (sim_run.cpp)
    std::vector<ShellOpen> shellOpens;
    std::vector<HelpRequest> helpRequests;
    MessageBoxAnswerer answerer;
    std::vector<MessageBoxCall> boxes;
    OpenFileAnswerer openFileAnswerer;
    std::unique_ptr<FileDialogs> fileDialogs;
    TrayRecord tray;
    unsigned trayFailures = 0;
    std::string runTrayTip;  // as last written for the run (sim_run.cpp)

    std::unique_ptr<DriverPort> driverPort;
    std::unique_ptr<DeviceEnum> deviceEnum;
    std::unique_ptr<NativeWifi> nativeWifi;
    std::unique_ptr<DriverEvents> events;
    std::unique_ptr<Programs> outside;
    std::unique_ptr<TrayIcon> trayIcon;
    std::unique_ptr<MessageBoxes> messageBoxes;
    std::unique_ptr<IpHelper> ipHelper;
    std::unique_ptr<IcsSharing> icsSharing;

    // Service control manager
    std::vector<ServiceState> services;
    std::map<SC_HANDLE, ServiceHandle> serviceHandles;
    std::unique_ptr<ServiceControl> serviceControl;

    // The secure random source (sim_random.cpp): the system's unless a test gives one.
    std::function<bool(void*, std::size_t)> randomSource;
    std::unique_ptr<SecureRandom> random;

    // The ethernet bridge driver (sim_bridge.cpp).
    BridgeState bridge;
    std::unique_ptr<BridgePort> bridgePort;

    // Caller holds the mutex.
    void Sync();
    HANDLE NewHandle() {
        nextHandle += 4;
        return reinterpret_cast<HANDLE>(nextHandle);
    }
    void* WlanAlloc(std::size_t size);
    bool IsUsable(std::size_t i) const { return i < adapters.size() && adapters[i].present; }
    const NetworkSpec* NetworkByBssid(const Mac& bssid) const;
    // The reading of a receive chain below a.spec.signalCount: the joined network's signal
    // while linked (unless the readings are fixed), else the scenario's.
    std::int32_t ChainSignal(const AdapterState& a, int chain) const;
    // Native Wifi, caller holds the mutex.
    void QueueWlan(DWORD source, DWORD code, const GUID& iface, Bytes payload = {}, std::uint64_t delayMs = 0);
    void LogWlan(const char* name, DWORD opcode, DWORD result);
    bool InAir(const NetworkSpec& n) const;
    // Ends the link of adapter i (radio off, network gone, disconnect) with its notifications.
    void DropLink(std::size_t i);
    void NotePresence(AdapterState& a);  // interface arrival or removal
    // Hands a batch of event objects to the subscribed sink (nothing when not subscribed).
    void QueueDriverEvent(std::vector<std::string> objects);
    void NoteRadio(std::size_t i);       // radio state change of every PHY; drops the link when off
    void StartWlanThread();
    void StopWlanThread();  // caller does NOT hold the mutex
};

// The service's own connect of adapter i with the first automatic profile, in profile-list
// order, whose network is in the air (sim_wlan.cpp). Caller holds the mutex.
void AutoConnect(World::State& s, std::size_t i);

GUID AdapterGuid(const AdapterSpec& spec);
unsigned PhyCount(const AdapterSpec& spec);
void SetAllPhys(AdapterState& a, bool on);

std::unique_ptr<DriverPort> MakeSimDriverPort(World& w);
std::unique_ptr<DeviceEnum> MakeSimDeviceEnum(World& w);
std::unique_ptr<NativeWifi> MakeSimNativeWifi(World& w);
std::unique_ptr<DriverEvents> MakeSimDriverEvents(World& w);
std::unique_ptr<Programs> MakeSimPrograms(World& w);
std::unique_ptr<TrayIcon> MakeSimTrayIcon(World& w);
std::unique_ptr<MessageBoxes> MakeSimMessageBoxes(World& w);
std::unique_ptr<FileDialogs> MakeSimFileDialogs(World& w);
std::unique_ptr<IpHelper> MakeSimIpHelper(World& w);
std::unique_ptr<IcsSharing> MakeSimIcsSharing(World& w);

// Connection sharing of a world loaded from a file: kept in a volatile registry key named
// after the file, so that every program of the same run, also one running at the same time,
// works on one machine-wide state. Caller holds the mutex.
void AttachPersistedSharing(World::State& s, const std::string& scenarioPath);
void ReadPersistedSharing(World::State& s);  // the state as the other programs left it
void PersistSharing(const World::State& s);
// The full IP configuration listing of the connections, in the Windows XP layout.
std::string IpConfigListing(const std::vector<ConnectionSpec>& connections);
std::unique_ptr<ServiceControl> MakeSimServiceControl(World& w);
std::unique_ptr<BridgePort> MakeSimBridgePort(World& w);

// Programs of one run (sim_run.cpp). The bookkeeping of the driver keys is done under one
// lock for all processes.
class KeyBookLock {
public:
    KeyBookLock();
    ~KeyBookLock();
    KeyBookLock(const KeyBookLock&) = delete;
    KeyBookLock& operator=(const KeyBookLock&) = delete;

private:
    HANDLE mutex_;
};
bool ProcessAlive(DWORD pid);
// A key that lasts, created before volatile keys below it: a volatile parent would refuse
// every lasting key created under it later.
void CreateStableKey(const char* path);
// The programs that share a driver key they do not own; the owner hands the key to one of
// them when it ends.
void NoteKeyUser(const std::string& driverName, DWORD pid);
bool IsKeyUser(const std::string& driverName, DWORD pid);
void ForgetKeyUser(const std::string& driverName, DWORD pid);
void ForgetKeyUsers(const std::string& driverName);
// A running user other than except (the ended ones are forgotten on the way); 0 when none.
DWORD OtherLiveKeyUser(const std::string& driverName, DWORD except);
// root followed by a hash of the scenario file's full path.
std::string ScenarioKeyName(const char* root, const std::string& scenarioPath);
// A world loaded from a file logs the programs it starts under a key named after the file.
void AttachRun(World::State& s, const std::string& scenarioPath);
void LogRunProgram(const World::State& s, const std::string& commandLine);
// The tip of this program's tray icon, "" when it has none, for the other programs of the run
// to read (only a change is written). Called with the world's lock held.
void NoteRunTrayTip(World::State& s, const std::string& tip);
// Starts the program a WinExec command line names when it is an .exe beside this program
// (the way the suite's programs find each other); its process id, or 0.
DWORD StartBesideCaller(const std::string& commandLine, UINT show);

// Takes a dying world out of place so that no platform call reaches it afterwards.
void ForgetWorld(World* world);

constexpr GUID kNetClassGuid = {0x4d36e972, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
constexpr const char* kClassKeyRoot = "System\\CurrentControlSet\\Control\\Class\\";

}  // namespace platform::sim
