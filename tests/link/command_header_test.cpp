#include "link/command_header.h"

#include <gtest/gtest.h>

TEST(CommandHeader, FieldsAreBackToBackLittleEndian) {
    EXPECT_EQ(encodeHeader({kProtocolMark, kCommandReadRecord, 0x10c40, 0}),
              (HeaderBytes{0x02, 0x02, 0x40, 0x0c, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(encodeHeader({kProtocolMark, kCommandWriteRecord, 0x10c00, 146}),
              (HeaderBytes{0x02, 0x01, 0x00, 0x0c, 0x01, 0x00, 0x92, 0x00, 0x00, 0x00}));
    const CommandHeader decoded =
        decodeHeader({0x02, 0x03, 0x04, 0x00, 0x00, 0x00, 0xff, 0xff, 0xff, 0xff});
    EXPECT_EQ(decoded.mark, 2);
    EXPECT_EQ(decoded.command, kCommandControl);
    EXPECT_EQ(decoded.address, 4u);
    EXPECT_EQ(decoded.dataLength, kNoRecordLength);
}
