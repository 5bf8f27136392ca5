// The action queue's collapsing rules (at most one waiting scan and one waiting connect) and
// the ownership of queued records (run under ASan in the host preset).
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "station/core/action_data.h"

namespace {

// Steps and queues are written as words: "S" a scan, "Cx" a connect with record x, "D" a set-SSID,
// "B" a set-BSSID.
class QueueScript {
public:
    ~QueueScript() { DrainActions(queue); }

    int Add(const std::string& word) {
        switch (word[0]) {
            case 'S': return InsertAction(queue, kActionScan, nullptr);
            case 'C': return InsertAction(queue, kActionConnect, Record(word.substr(1)));
            case 'D': return InsertAction(queue, kActionSetSsid, AllocSsidActionRecord(nullptr, 0));
            default: return InsertAction(queue, kActionSetBssid, AllocBssidActionRecord(nullptr));
        }
    }

    std::string Render() const {
        std::string out;
        for (const _ACTION_DATA& e : queue) {
            if (!out.empty()) out += ' ';
            switch (e.Kind) {
                case kActionScan: out += 'S'; break;
                case kActionConnect: out += 'C' + NameOf(e.pRecord); break;
                case kActionSetSsid: out += 'D'; break;
                default: out += 'B'; break;
            }
        }
        return out;
    }

    std::vector<_ACTION_DATA> queue;

private:
    ProfileApplyRecord* Record(const std::string& name) {
        // A name used again queues the same record object again.
        auto it = records_.find(name);
        if (it != records_.end()) return it->second;
        ProfileApplyRecord* r = AllocApplyRecord();
        records_[name] = r;
        return r;
    }
    std::string NameOf(void* record) const {
        for (const auto& [name, r] : records_)
            if (r == record) return name;
        return "?";
    }
    std::map<std::string, ProfileApplyRecord*> records_;
};

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> out;
    std::string word;
    for (char c : text + ' ') {
        if (c != ' ') word += c;
        else if (!word.empty()) out.push_back(word), word.clear();
    }
    return out;
}

struct QueueCase {
    const char* before;  // built with the same rules
    const char* add;
    const char* after;
    int result;
};

TEST(ActionQueue, AtMostOneWaitingScanAndOneWaitingConnect) {
    const QueueCase cases[] = {
        {"", "S", "S", 1},
        {"", "Ca", "Ca", 1},
        {"S", "S", "S", 1},              // the old scan goes, the new one is alone again
        {"Ca", "S", "Ca S", 0},
        {"S Ca", "S", "Ca S", 0},        // a scan moves behind the waiting connect
        {"Ca", "Cb", "Cb", 1},
        {"S Ca", "Cb", "S Cb", 0},       // the connect keeps its place, with the new record
        {"Ca S", "Cb", "Cb S", 0},
        {"Ca S D", "Cb", "Cb S D", 0},
        {"S Ca", "D", "S Ca D", 0},      // SSID and BSSID sets just queue up
        {"D", "B", "D B", 0},
        {"D", "D", "D D", 0},
        {"Ca", "Ca", "Ca", 1},           // the same record again is kept, not freed
    };
    for (const QueueCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "[" << c.before << "] + " << c.add);
        QueueScript script;
        for (const std::string& w : Words(c.before)) script.Add(w);
        ASSERT_EQ(script.Render(), c.before);
        EXPECT_EQ(script.Add(c.add), c.result);
        EXPECT_EQ(script.Render(), c.after);
    }
}

TEST(ActionQueue, ANewConnectDropsEveryOlderConnect) {
    // Only reachable when connects were queued behind scans by hand: older ones are freed.
    QueueScript script;
    script.queue.push_back({kActionConnect, AllocApplyRecord()});
    script.queue.push_back({kActionScan, nullptr});
    script.queue.push_back({kActionConnect, AllocApplyRecord()});
    ProfileApplyRecord* newest = AllocApplyRecord();
    EXPECT_EQ(InsertAction(script.queue, kActionConnect, newest), 0);
    ASSERT_EQ(script.queue.size(), 2u);
    EXPECT_EQ(script.queue[0].Kind, kActionScan);
    EXPECT_EQ(script.queue[1].pRecord, newest);
}

TEST(ActionQueue, SsidRecordsHoldAtMost32Bytes) {
    uint8_t longSsid[40];
    for (int i = 0; i < 40; ++i) longSsid[i] = static_cast<uint8_t>('a' + i % 26);
    auto* record = static_cast<uint8_t*>(AllocSsidActionRecord(longSsid, 40));
    uint32_t length = 0;
    std::memcpy(&length, record, 4);
    EXPECT_EQ(length, 32u);
    EXPECT_EQ(std::memcmp(record + 4, longSsid, 32), 0);
    FreeActionRecord(kActionSetSsid, record);
}

TEST(CurrentAction, IsADeepCopyOfTheLastConnectAndSurvivesTheQueuedRecord) {
    const uint8_t key[5] = {1, 2, 3, 4, 5};
    ProfileApplyRecord* record = AllocApplyRecord();
    record->AuthMode = 1;
    record->WepKey1 = AllocKeyBlock(0, key, 5);
    record->WepKey1Length = KeyBlockSize(5);
    record->SsidLength = 4;
    std::memcpy(record->Ssid, "Quay", 4);

    ReplaceCurrentAction(record);
    ASSERT_NE(g_pCurrentAction, nullptr);
    EXPECT_NE(g_pCurrentAction, record);
    EXPECT_NE(g_pCurrentAction->WepKey1, record->WepKey1);
    FreeApplyRecord(record);  // the executor is done with it
    EXPECT_EQ(std::memcmp(KeyMaterial(g_pCurrentAction->WepKey1), key, 5), 0);

    ReplaceCurrentAction(nullptr);  // a null connect changes nothing in force
    ASSERT_NE(g_pCurrentAction, nullptr);
    EXPECT_EQ(g_pCurrentAction->SsidLength, 4u);

    ProfileApplyRecord* next = AllocApplyRecord();
    next->SsidLength = 7;
    ReplaceCurrentAction(next);  // the old copy is freed (ASan: no leak)
    EXPECT_EQ(g_pCurrentAction->SsidLength, 7u);
    FreeApplyRecord(next);
    FreeCurrentAction();
    EXPECT_EQ(g_pCurrentAction, nullptr);
}

}  // namespace
