#include "store/record_store.h"

namespace {

// Runs of consecutive ids in transfer order. The order is the machine's, not
// sorted by id: 0x10a00 comes third, 0x10a06 before 0x10a01, the 0x10bxx run
// between 0x102xx and 0x103xx.
struct IdRun {
    uint32_t firstId;
    int count;
};

constexpr IdRun kIdRuns[] = {
    {0x3, 1},     {0x4, 1},     {0x10a00, 1},   {0x10000, 15}, {0x10a06, 1},  {0x10a01, 1},
    {0x10100, 3}, {0x10200, 7}, {0x10b00, 5},   {0x10300, 3},  {0x10400, 10}, {0x10500, 4},
    {0x10505, 1}, {0x10600, 3}, {0x10700, 1},   {0x10702, 4},  {0x10707, 1},  {0x10709, 1},
    {0x10801, 1}, {0x10803, 1}, {0x10805, 4},   {0x1080a, 1},  {0x10900, 3},  {0x10a03, 1},
    {0x10a05, 1}, {0x10c00, 9}, {0x10c40, 100},
};

constexpr std::array<uint32_t, kSlotCount> kSlotIds = [] {
    std::array<uint32_t, kSlotCount> ids{};
    int slot = 0;
    for (const IdRun& run : kIdRuns)
        for (int i = 0; i < run.count; ++i)
            ids[slot++] = run.firstId + static_cast<uint32_t>(i);
    return ids;
}();

} // namespace

uint32_t slotRecordId(int slot) {
    if (slot < 0 || slot >= kSlotCount)
        return 0;
    return kSlotIds[static_cast<size_t>(slot)];
}

void initStore(RecordStore& store) {
    store = RecordStore{};
    for (int slot = 0; slot < kSlotCount; ++slot)
        store.slots[static_cast<size_t>(slot)].recordId = slotRecordId(slot);
}

bool uploadSkipsSlot(const RecordStore& store, int slot) {
    constexpr uint32_t kUploadSkippedRecordId = 0x10a00;
    return slot <= kCounterSlot ||
           store.slots[static_cast<size_t>(slot)].recordId == kUploadSkippedRecordId;
}
