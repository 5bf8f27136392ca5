#include "shared/radio/ht_table.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace {

// The texts stand as the Advanced page has always shown them, "121.5.0" included: the
// reading below stops at the second point.
constexpr const char* kLegacyRates[15] = {
    "54.0,20",  "81.0,20",  "108.0,20", "121.5.0,20", "135.0,20", "54.0,20",  "81.0,20",  "108.0,20",
    "121.5,20", "135.0,20", "108.0,40", "162.0,40",   "216.0,40", "243.0,40", "270.0,40",
};

struct HtRow {
    int width;
    int guardNs;
    int mcs;
    double mbps;
};

// One 800 ns symbol carries 52 data subcarriers at 20 MHz and 108 at 40 MHz; 400 ns is 10/9
// faster. One decimal, except three for the 20 MHz 400 ns rows of MCS 8-15.
constexpr HtRow kHtRates[] = {
    {20, 800, 0, 6.5},    {20, 800, 1, 13.0},   {20, 800, 2, 19.5},   {20, 800, 3, 26.0},
    {20, 800, 4, 39.0},   {20, 800, 5, 52.0},   {20, 800, 6, 58.5},   {20, 800, 7, 65.0},
    {20, 800, 8, 13.0},   {20, 800, 9, 26.0},   {20, 800, 10, 39.0},  {20, 800, 11, 52.0},
    {20, 800, 12, 78.0},  {20, 800, 13, 104.0}, {20, 800, 14, 117.0}, {20, 800, 15, 130.0},

    {20, 400, 0, 7.2},      {20, 400, 1, 14.4},     {20, 400, 2, 21.7},     {20, 400, 3, 28.9},
    {20, 400, 4, 43.3},     {20, 400, 5, 57.8},     {20, 400, 6, 65.0},     {20, 400, 7, 72.2},
    {20, 400, 8, 14.444},   {20, 400, 9, 28.889},   {20, 400, 10, 43.333},  {20, 400, 11, 57.778},
    {20, 400, 12, 86.667},  {20, 400, 13, 115.556}, {20, 400, 14, 130.000}, {20, 400, 15, 144.444},

    {40, 800, 0, 13.5},   {40, 800, 1, 27.0},   {40, 800, 2, 40.5},   {40, 800, 3, 54.0},
    {40, 800, 4, 81.0},   {40, 800, 5, 108.0},  {40, 800, 6, 121.5},  {40, 800, 7, 135.0},
    {40, 800, 8, 27.0},   {40, 800, 9, 54.0},   {40, 800, 10, 81.0},  {40, 800, 11, 108.0},
    {40, 800, 12, 162.0}, {40, 800, 13, 216.0}, {40, 800, 14, 243.0}, {40, 800, 15, 270.0},
    {40, 800, 32, 6.0},   {40, 800, 33, 39.0},

    {40, 400, 0, 15.0},   {40, 400, 1, 30.0},   {40, 400, 2, 45.0},   {40, 400, 3, 60.0},
    {40, 400, 4, 90.0},   {40, 400, 5, 120.0},  {40, 400, 6, 135.0},  {40, 400, 7, 150.0},
    {40, 400, 8, 30.0},   {40, 400, 9, 60.0},   {40, 400, 10, 90.0},  {40, 400, 11, 120.0},
    {40, 400, 12, 180.0}, {40, 400, 13, 240.0}, {40, 400, 14, 270.0}, {40, 400, 15, 300.0},
    {40, 400, 32, 6.7},   {40, 400, 33, 43.3},
};
static_assert(sizeof(kHtRates) / sizeof(kHtRates[0]) == 68, "16 + 16 rows at 20 MHz, 18 + 18 at 40 MHz");

std::string HtKey(int width, int guardNs, int mcs) {
    char key[40];
    std::snprintf(key, sizeof(key), "%d,%d,%d", width, guardNs, mcs);
    return key;
}

}  // namespace

void CHTTable::FillRateMaps() {
    for (int i = 0; i < 15; ++i) m_LegacyMap[i] = kLegacyRates[i];
    for (const HtRow& row : kHtRates) m_HtMap[HtKey(row.width, row.guardNs, row.mcs)] = row.mbps;
}

int CHTTable::GetRateByIndex(int index, double& rate, int& width) const {
    if (index < 0 || index > 14) return 0;
    const auto it = m_LegacyMap.find(index);
    if (it == m_LegacyMap.end()) return 0;
    const std::string& text = it->second;
    const size_t comma = text.find(',');
    if (comma == std::string::npos) return 0;
    // The number at the start of the left part; from_chars stops where a number cannot go on.
    double value = 0;
    const char* begin = text.data();
    if (std::from_chars(begin, begin + comma, value).ec != std::errc()) return 0;
    int w = 0;
    const char* after = begin + comma + 1;
    if (std::from_chars(after, begin + text.size(), w).ec != std::errc()) return 0;
    rate = value;
    width = w;
    return 1;
}

int CHTTable::GetHtRate(int is40MHz, int shortGi, int mcs, double& rate) const {
    if (mcs == 32 && !is40MHz) return 0;
    const auto it = m_HtMap.find(HtKey(is40MHz ? 40 : 20, shortGi == 1 ? 400 : 800, mcs));
    if (it == m_HtMap.end()) return 0;
    rate = it->second;
    return 1;
}
