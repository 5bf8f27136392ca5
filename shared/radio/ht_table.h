#pragma once
// The 802.11n rate table: the rate in Mbit/s for a channel width, guard interval and MCS the
// driver reports, and the rate and width of the Advanced page's fixed-rate indices.
// Owners construct it, call FillRateMaps once, then only look rates up. Window-less.
#include <map>
#include <string>

class CHTTable {
public:
    CHTTable() = default;
    virtual ~CHTTable() = default;

    // The legacy map (15 entries), then the HT map (68 entries).
    void FillRateMaps();

    // 1 with the rate and width of a fixed-rate index 0-14, else 0 and both left as they were.
    int GetRateByIndex(int index, double& rate, int& width) const;
    // 1 with the rate; 0 when no row matches (MCS 32 never exists at 20 MHz). shortGi reads
    // as the short guard interval only when it is exactly 1.
    int GetHtRate(int is40MHz, int shortGi, int mcs, double& rate) const;

    // index -> "rate,width"
    const std::map<int, std::string>& LegacyMap() const { return m_LegacyMap; }
    // "width,guard interval in ns,MCS" -> Mbit/s
    const std::map<std::string, double>& HtMap() const { return m_HtMap; }

private:
    std::map<int, std::string> m_LegacyMap;
    std::map<std::string, double> m_HtMap;
};
