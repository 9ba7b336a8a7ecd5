#include "store/record_store.h"

#include <gtest/gtest.h>

TEST(RecordStore, RecordIsTheMachinesFixedSize) {
    EXPECT_EQ(sizeof(SettingRecord), 140u);
    EXPECT_EQ(sizeof(RecordStore), 25760u);
}

TEST(RecordStore, InitWritesTheMachinesIdsInTransferOrderAndZeroesTheRest) {
    // Every run of the machine's table, written out once more independently.
    const std::pair<int, uint32_t> runStarts[] = {
        {0, 0x3},      {1, 0x4},      {2, 0x10a00},  {3, 0x10000},  {18, 0x10a06}, {19, 0x10a01},
        {20, 0x10100}, {23, 0x10200}, {30, 0x10b00}, {35, 0x10300}, {38, 0x10400}, {48, 0x10500},
        {52, 0x10505}, {53, 0x10600}, {56, 0x10700}, {57, 0x10702}, {61, 0x10707}, {62, 0x10709},
        {63, 0x10801}, {64, 0x10803}, {65, 0x10805}, {69, 0x1080a}, {70, 0x10900}, {73, 0x10a03},
        {74, 0x10a05}, {75, 0x10c00}, {84, 0x10c40}, {184, 0}};
    RecordStore store;
    store.slots[10].payloadLength = 7;
    store.slots[10].payload[3] = 0xAA;
    initStore(store);
    for (size_t run = 0; run + 1 < std::size(runStarts); ++run)
        for (int slot = runStarts[run].first; slot < runStarts[run + 1].first; ++slot) {
            const uint32_t id =
                runStarts[run].second + static_cast<uint32_t>(slot - runStarts[run].first);
            EXPECT_EQ(slotRecordId(slot), id) << "slot " << slot;
            EXPECT_EQ(store.slots[slot].recordId, id) << "slot " << slot;
            EXPECT_EQ(store.slots[slot].payloadLength, 0u);
            EXPECT_EQ(store.slots[slot].payload, decltype(store.slots[slot].payload){});
        }
    EXPECT_EQ(slotRecordId(-1), 0u);
    EXPECT_EQ(slotRecordId(184), 0u);
}
