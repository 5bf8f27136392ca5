// The simulated miniport driver: answers OID queries from the scenario and keeps what is set.
#include <cstring>

#include "platform/sim/sim_driver_records.h"
#include "platform/sim/sim_soft_ap.h"
#include "platform/sim/sim_wps.h"
#include "platform/sim/world_state.h"

namespace platform::sim {
namespace {

constexpr std::uint32_t kOidSignal1 = 0xFF0C000F;
constexpr std::uint32_t kOidSignal2 = 0xFF0C0010;
constexpr std::uint32_t kOidSignal3 = 0xFF0C0022;
constexpr std::uint32_t kOidRegister = 0xFF0C0008;
constexpr std::uint32_t kOidApRegister = 0x0D710105;  // the soft-AP utility's, the same record
constexpr std::uint32_t kOidDriverVersion = 0x00010110;
constexpr std::uint32_t kOidMacPrivate = 0x0D010702;
constexpr std::uint32_t kOidPermanentAddress = 0x01010101;
constexpr std::uint32_t kOidCurrentAddress = 0x01010102;
constexpr std::uint32_t kOidNetworkTypes = 0x0D010203;

std::uint32_t ReadU32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

Bytes U32Bytes(std::uint32_t v) {
    Bytes b(4);
    std::memcpy(b.data(), &v, 4);
    return b;
}

class SimDriverPort final : public DriverPort {
public:
    explicit SimDriverPort(World& w) : w_(w) {}

    HANDLE Open(const char* devicePath) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        if (devicePath) {
            for (std::size_t i = 0; i < s.adapters.size(); ++i) {
                const AdapterState& a = s.adapters[i];
                if (!a.present || !a.spec.responds) continue;
                if (lstrcmpiA(devicePath, ("\\\\.\\" + a.spec.instanceId).c_str()) != 0) continue;
                HANDLE h = s.NewHandle();
                s.driverHandles[h] = i;
                return h;
            }
        }
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }

    BOOL Ioctl(HANDLE h, DWORD oid, void* buffer, DWORD length, DWORD* bytesReturned) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.Sync();
        auto* buf = static_cast<std::uint8_t*>(buffer);
        JournalEntry e;
        e.timeMs = s.clock.Now();
        e.oid = oid;
        e.set = IsSetOid(oid);
        if (buf && length) e.in.assign(buf, buf + length);
        if (bytesReturned) *bytesReturned = 0;

        DWORD error = ERROR_SUCCESS;
        DWORD returned = 0;
        auto it = s.driverHandles.find(h);
        if (it == s.driverHandles.end()) {
            error = ERROR_INVALID_HANDLE;
        } else {
            AdapterState& a = s.adapters[it->second];
            e.devicePath = "\\\\.\\" + a.spec.instanceId;
            if (!a.present || !a.spec.responds) error = ERROR_DEVICE_NOT_CONNECTED;
            else if (!buf && length) error = ERROR_INVALID_PARAMETER;
            else if (TakeFault(s, oid, it->second)) error = ERROR_GEN_FAILURE;
            else error = e.set ? Set(s, a, oid, buf, length, &returned) : Query(s, a, oid, buf, length, &returned);
        }
        e.result = error == ERROR_SUCCESS;
        e.error = error;
        if (e.result && bytesReturned) *bytesReturned = returned;
        e.bytesReturned = e.result ? returned : 0;
        if (buf && length) e.out.assign(buf, buf + length);
        s.journal.push_back(std::move(e));
        if (error != ERROR_SUCCESS) {
            SetLastError(error);
            return FALSE;
        }
        return TRUE;
    }

    void Close(HANDLE h) override {
        World::State& s = w_.Internal();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.driverHandles.erase(h);
    }

private:
    World& w_;

    static bool TakeFault(World::State& s, std::uint32_t oid, std::size_t adapter) {
        for (FaultState& f : s.faults) {
            if (f.left == 0 || f.oid != oid) continue;
            if (f.adapter >= 0 && static_cast<std::size_t>(f.adapter) != adapter) continue;
            --f.left;
            return true;
        }
        return false;
    }

    static DWORD Set(World::State& s, AdapterState& a, std::uint32_t oid, const std::uint8_t* buf, DWORD length,
                     DWORD* returned) {
        const std::uint32_t q = QueryOidOf(oid);
        if (DWORD refused = CheckSetRecord(q, buf, length)) return refused;
        DWORD error = ERROR_SUCCESS;
        if (WpsSet(s.networks, a, s.clock.Now(), q, buf, length, &error) && error != ERROR_SUCCESS) return error;
        if (BlockAckSet(s.networks, a, q, buf, length, s.clock.Now(), &error) ||
            QosSet(s.networks, a, q, buf, length, &error)) {
            if (error == ERROR_SUCCESS) *returned = length;
            return error;
        }
        if ((q == kOidRegister || q == kOidApRegister) && length >= 12)
            a.spec.registers[{ReadU32(buf), ReadU32(buf + 4)}] = ReadU32(buf + 8);
        if (q == kOidResetCounters || q == kOidApResetCounters) ResetLinkCounters(a);
        a.lastSet[SharedStateOid(q)] = buf ? Bytes(buf, buf + length) : Bytes{};
        *returned = length;
        return ERROR_SUCCESS;
    }

    static DWORD Query(World::State& s, AdapterState& a, std::uint32_t oid, std::uint8_t* buf, DWORD length,
                       DWORD* returned) {
        DWORD error = ERROR_SUCCESS;
        if (BlockAckQuery(s.networks, a, oid, buf, length, s.clock.Now(), returned, &error) ||
            QosQuery(s.networks, a, oid, buf, length, returned, &error))
            return error;
        Bytes answer;
        if (oid == kOidSignal1 || oid == kOidSignal2 || oid == kOidSignal3) {
            int k = oid == kOidSignal1 ? 0 : oid == kOidSignal2 ? 1 : 2;
            if (a.spec.signalCount <= k) return ERROR_NOT_SUPPORTED;
            answer = U32Bytes(static_cast<std::uint32_t>(s.ChainSignal(a, k)));
        } else if (oid == kOidRegister || oid == kOidApRegister) {
            // {kind, offset, value}: the driver fills in the value.
            if (length < 12) return ERROR_INSUFFICIENT_BUFFER;
            auto r = a.spec.registers.find({ReadU32(buf), ReadU32(buf + 4)});
            std::uint32_t v = r == a.spec.registers.end() ? 0 : r->second;
            std::memcpy(buf + 8, &v, 4);
            *returned = 12;
            return ERROR_SUCCESS;
        } else if (auto set = a.lastSet.find(SharedStateOid(oid)); set != a.lastSet.end()) {
            answer = set->second;
        } else if (auto given = a.spec.oidAnswers.find(oid); given != a.spec.oidAnswers.end()) {
            answer = given->second;
        } else if (auto shared = a.spec.oidAnswers.find(SharedStateOid(oid)); shared != a.spec.oidAnswers.end()) {
            answer = shared->second;
        } else if (DWORD wpsError = 0; WpsQuery(s.networks, a, s.clock.Now(), oid, buf, length, returned, &wpsError)) {
            return wpsError;
        } else if (oid == kOidNetworkTypes) {
            answer = NetworkTypesAnswer(a.spec);
        } else if (LinkStatsAnswer(a, oid, &answer)) {
            // the link record, rate words, noise, SNR and counters
        } else if (DWORD refused = 0; SoftApAnswer(a, oid, length, s.clock.Now(), &answer, &refused)) {
            // the RSSI, the station table and the event table
            if (refused != ERROR_SUCCESS) return refused;
        } else if (a.spec.hasMac &&
                   (oid == kOidMacPrivate || oid == kOidPermanentAddress || oid == kOidCurrentAddress)) {
            answer.assign(a.spec.mac.begin(), a.spec.mac.end());
        } else if (a.spec.hasDriverVersion && oid == kOidDriverVersion) {
            answer = {static_cast<std::uint8_t>(a.spec.driverVersion & 0xFF),
                      static_cast<std::uint8_t>(a.spec.driverVersion >> 8)};
        } else {
            return ERROR_NOT_SUPPORTED;
        }
        if (answer.size() > length) return ERROR_INSUFFICIENT_BUFFER;
        if (!answer.empty()) std::memcpy(buf, answer.data(), answer.size());
        *returned = static_cast<DWORD>(answer.size());
        return ERROR_SUCCESS;
    }
};

}  // namespace

std::unique_ptr<DriverPort> MakeSimDriverPort(World& w) { return std::make_unique<SimDriverPort>(w); }

}  // namespace platform::sim
