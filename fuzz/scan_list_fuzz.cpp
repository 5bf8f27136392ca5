// Scan-list conversion and display-list merge driven by a script of service reports.
// Records, each starting with a letter:
//   'R' report: MAC(6) ssidLength(1, raw) SSID(32) rssi(1, signed) kHz(4 LE) capability(2 LE)
//       phy(1) bssType(1) ieLength(2 LE) elements(ieLength, cut to what is left)
//   'M' merge: delta(4 LE, signed, 100 ms units) allowedCount(1) channels(allowedCount)
//   'S' seed: the display list becomes the pending reports' scan list
//   'C' damage the display list: offset(2 LE) length(1) bytes(length)
// Any other letter ends the script.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "station/core/scan/bss_ie_decoder.h"
#include "station/core/scan/bssid_list.h"
#include "station/core/scan/scan_conversion.h"
#include "station/core/scan/scan_merge.h"

namespace {

class Reader {
public:
    Reader(const uint8_t* d, size_t n) : m_d(d), m_n(n) {}
    bool Has(size_t k) const { return m_n - m_at >= k; }
    uint8_t U8() { return Has(1) ? m_d[m_at++] : 0; }
    uint32_t Le(size_t bytes) {
        uint32_t v = 0;
        for (size_t i = 0; i < bytes; ++i) v |= static_cast<uint32_t>(U8()) << (8 * i);
        return v;
    }
    void Bytes(uint8_t* out, size_t k) {
        for (size_t i = 0; i < k; ++i) out[i] = U8();
    }
    size_t Left() const { return m_n - m_at; }

private:
    const uint8_t* m_d;
    size_t m_n;
    size_t m_at = 0;
};

void CheckList(const BssidLists& lists, const uint8_t* display) {
    const auto entries = ReadBssidList(display);
    if (entries.size() > kBssidListMaxEntries) std::abort();
    for (const BssidEntryView& e : entries) DecodeBssInformationElements(e);
    (void)lists;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::vector<uint8_t> scan(kBssidListSize), display(kBssidListSize);
    static BssidLists lists;
    std::memset(scan.data(), 0, scan.size());
    std::memset(display.data(), 0, display.size());
    lists.Attach(scan.data(), display.data());
    lists.Seed(0);

    Reader r(data, size);
    std::vector<BssDescription> pending;
    uint64_t now = 0x01DB0000FFFF0000ull;
    bool merged = false;
    while (r.Has(1)) {
        uint8_t op = r.U8();
        if (op == 'R') {
            BssDescription d;
            r.Bytes(d.bssid.data(), 6);
            d.ssidLength = r.U8();
            r.Bytes(d.ssid.data(), 32);
            d.rssi = static_cast<int8_t>(r.U8());
            d.centerFrequencyKhz = r.Le(4);
            d.capability = static_cast<uint16_t>(r.Le(2));
            d.phyType = r.U8();
            d.bssType = r.U8();
            size_t ieLength = r.Le(2);
            if (ieLength > r.Left()) ieLength = r.Left();
            d.ies.resize(ieLength);
            r.Bytes(d.ies.data(), ieLength);
            pending.push_back(std::move(d));
        } else if (op == 'M' || op == 'S') {
            int32_t delta;
            uint32_t raw = op == 'M' ? r.Le(4) : 0;
            std::memcpy(&delta, &raw, sizeof delta);
            now += static_cast<uint64_t>(static_cast<int64_t>(delta) * 1000000);
            uint8_t channels[255];
            size_t count = op == 'M' ? r.U8() : 0;
            r.Bytes(channels, count);
            size_t built = BuildScanList(pending, lists.ScanList(), kBssidListSize, lists.ScanPhyTypes());
            if (ReadBssidList(lists.ScanList()).size() != built) std::abort();
            pending.clear();
            if (op == 'M')
                lists.Merge(now, channels, count);
            else
                lists.Seed(now);
            merged = true;
            CheckList(lists, display.data());
        } else if (op == 'C') {
            size_t offset = r.Le(2);
            size_t length = r.U8();
            for (size_t i = 0; i < length && offset + i < display.size(); ++i) display[offset + i] = r.U8();
        } else {
            break;
        }
    }
    if (!merged) {
        BuildScanList(pending, lists.ScanList(), kBssidListSize, lists.ScanPhyTypes());
        lists.Merge(now, nullptr, 0);
        CheckList(lists, display.data());
    }
    return 0;
}
