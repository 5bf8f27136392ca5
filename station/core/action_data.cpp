#include "station/core/action_data.h"

#include <cstring>

ProfileApplyRecord* g_pCurrentAction = nullptr;

bool IsKnownActionKind(int kind) { return kind >= kActionScan && kind <= kActionSetBssid; }

void* AllocSsidActionRecord(const uint8_t* ssid, uint32_t length) {
    if (length > 32) length = 32;
    auto* record = new uint8_t[kNdisSsidSize]();
    std::memcpy(record, &length, 4);
    if (ssid != nullptr && length != 0) std::memcpy(record + 4, ssid, length);
    return record;
}

void* AllocBssidActionRecord(const uint8_t bssid[6]) {
    auto* record = new uint8_t[kBssidSize]();
    if (bssid != nullptr) std::memcpy(record, bssid, kBssidSize);
    return record;
}

void FreeActionRecord(int kind, void* record) {
    if (record == nullptr) return;
    if (kind == kActionConnect)
        FreeApplyRecord(static_cast<ProfileApplyRecord*>(record));
    else if (kind == kActionSetSsid || kind == kActionSetBssid)
        delete[] static_cast<uint8_t*>(record);
}

int InsertAction(std::vector<_ACTION_DATA>& queue, int kind, void* record) {
    bool placed = false;
    for (std::size_t i = queue.size(); i-- > 0;) {
        _ACTION_DATA& entry = queue[i];
        if (kind == kActionScan && entry.Kind == kActionScan) {
            queue.erase(queue.begin() + static_cast<std::ptrdiff_t>(i));
        } else if (kind == kActionConnect && entry.Kind == kActionConnect) {
            // The same record queued again must not be freed under the new entry.
            if (entry.pRecord != record) FreeActionRecord(kActionConnect, entry.pRecord);
            if (!placed) {
                entry.pRecord = record;
                placed = true;
            } else {
                queue.erase(queue.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }
    if (!placed) queue.push_back({kind, record});
    return queue.size() == 1 ? 1 : 0;
}

void ReplaceCurrentAction(const ProfileApplyRecord* record) {
    if (record == nullptr || record == g_pCurrentAction) return;
    ProfileApplyRecord* copy = CloneApplyRecord(record);
    FreeApplyRecord(g_pCurrentAction);
    g_pCurrentAction = copy;
}

void FreeCurrentAction() {
    FreeApplyRecord(g_pCurrentAction);
    g_pCurrentAction = nullptr;
}

void DrainActions(std::vector<_ACTION_DATA>& queue) {
    // Taken out first: nothing freed here can be reached through the queue any more.
    std::vector<_ACTION_DATA> entries;
    entries.swap(queue);
    for (const _ACTION_DATA& entry : entries) FreeActionRecord(entry.Kind, entry.pRecord);
}
