#include "settings/total_counter.h"

#include "resource_ids.h"

#include <gtest/gtest.h>

TEST(TotalCounter, SixLittleEndianCountersInRecordOrder) {
    RecordStore store;
    initStore(store);
    const uint8_t counters[] = {0x64, 0,    0, 0,    0xff, 0xff, 0xff, 0xff, 0x01, 0x02,
                                0x03, 0x04, 0, 0,    0,    0,    0xa1, 0x08, 0,    0,
                                0x56, 0x23, 0, 0x80, 0x99, 0x99, 0x99, 0x99};
    std::copy(std::begin(counters), std::end(counters), store.slots[kCounterSlot].payload.begin());
    const auto lines = totalCounterLines(store);
    const std::array<CounterLine, 6> expected = {{
        {IDC_COUNTER_MONO_COPY, "100"},
        {IDC_COUNTER_COLOR_COPY, "4294967295"},
        {IDC_COUNTER_MONO_PRINT, "67305985"},
        {IDC_COUNTER_COLOR_PRINT, "0"},
        {IDC_COUNTER_FAX_PRINT, "2209"},
        {IDC_COUNTER_TOTAL_SCAN, "2147492694"},
    }};
    EXPECT_EQ(lines, expected) << "the seventh counter is not shown";
}
