#pragma once
// The station utility's action queue entries: scans and connects are queued by whoever asks
// for them and carried out later by the main window, which owns the queue. An entry owns its
// record from the moment it is queued. Window-less.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "station/profiles/profile_apply_record.h"

enum ActionKind : int {
    kActionScan = 0,      // no record
    kActionConnect = 1,   // a ProfileApplyRecord
    kActionSetSsid = 2,   // an NDIS SSID: 32-bit length, 32 bytes
    kActionSetBssid = 3,  // 6 bytes
};

struct _ACTION_DATA {
    int Kind;
    void* pRecord;
};

constexpr std::size_t kNdisSsidSize = 36;
constexpr std::size_t kBssidSize = 6;

// A private deep copy of the last connect record queued: the settings in force, for the pages.
extern ProfileApplyRecord* g_pCurrentAction;

bool IsKnownActionKind(int kind);

// Records for kinds 2 and 3. The SSID length is limited to the 32 bytes the record holds.
void* AllocSsidActionRecord(const uint8_t* ssid, uint32_t length);
void* AllocBssidActionRecord(const uint8_t bssid[6]);
// Frees a record of the given kind (a connect record with its key blocks). Null is fine.
void FreeActionRecord(int kind, void* record);

// Puts an action into the queue so that it holds at most one waiting scan and one waiting
// connect: a scan drops every waiting scan and goes to the end; a connect takes the place of
// the newest waiting connect (whose record is freed) and drops the older ones; anything else
// goes to the end. Returns 1 when the queue then holds exactly one entry, else 0.
int InsertAction(std::vector<_ACTION_DATA>& queue, int kind, void* record);

// Replaces g_pCurrentAction by a copy of record (a null record keeps the current copy).
void ReplaceCurrentAction(const ProfileApplyRecord* record);
void FreeCurrentAction();

// Frees every entry's record and empties the queue.
void DrainActions(std::vector<_ACTION_DATA>& queue);
