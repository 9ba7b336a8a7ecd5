#include "store/image_diff.h"

#include <gtest/gtest.h>

TEST(ImageDiff, ComparesWhatAnUploadSendsAndOnlyTheSlotsItWrites) {
    RecordStore a;
    initStore(a);
    RecordStore b = a;
    b.slots[3].payload[5] = 1;      // beyond the record's length: never sent
    b.slots[4].payloadLength = 200; // no Upload sends it, nor the 0xFFFFFFFF beside it
    a.slots[4].payloadLength = 0xFFFFFFFF;
    b.slots[0].payload[0] = 1; // information record
    EXPECT_TRUE(differingUploadedSlots(a, b).empty());
    b.slots[5].payloadLength = 1;
    b.slots[183].payloadLength = 109;
    EXPECT_EQ(differingUploadedSlots(a, b), (std::vector<int>{5, 183}));
}
