#pragma once
// The adapter descriptions under which the wireless cards that can serve as the soft access
// point appear in the connection listing. Searched in table order; window-less.
#include <cstddef>
#include <cstdint>
#include <string_view>

constexpr std::size_t kAdapterDescriptionCount = 130;
constexpr std::size_t kAdapterDescriptionSlot = 256;
constexpr std::size_t kAdapterDescriptionMaxLength = 111;

// Fixed slots, each a NUL-terminated description, then the number of entries.
struct AdapterDescriptionTable {
    char entries[kAdapterDescriptionCount][kAdapterDescriptionSlot];
    std::uint32_t count;
};
static_assert(sizeof(AdapterDescriptionTable) == kAdapterDescriptionCount * kAdapterDescriptionSlot + 4);

extern const AdapterDescriptionTable g_AdapterDescriptions;

// Index of the first table entry that occurs in line (case-sensitive), or -1.
int FindAdapterDescription(std::string_view line);
