#include "store/entry_values.h"

#include <gtest/gtest.h>

TEST(EmailPaperSize, EachCodeAndSizeOfEachFamily) {
    // Decoding: family, stored code, size.
    const uint8_t decoded[][3] = {
        {0, 0, 2}, {0, 1, 1}, {0, 2, 0}, {0, 9, 2},  {0, 12, 0}, {0, 7, 0}, //
        {1, 0, 1}, {1, 1, 1}, {1, 2, 0}, {1, 9, 1},  {1, 12, 0}, {1, 7, 0}, //
        {5, 0, 2}, {5, 1, 1}, {5, 9, 1}, {5, 12, 0}, {5, 7, 0},
    };
    for (auto [family, code, size] : decoded)
        EXPECT_EQ(decodeEmailPaperSize(code, family), size)
            << "family " << int(family) << " code " << int(code);
    // Encoding: family, size, stored code.
    const uint8_t encoded[][3] = {{0, 0, 2}, {0, 1, 1}, {0, 2, 0}, {1, 0, 12}, {1, 1, 9},
                                  {1, 2, 0}, {2, 0, 2}, {2, 2, 0}, {0, 200, 0}};
    for (auto [family, size, code] : encoded)
        EXPECT_EQ(encodeEmailPaperSize(size, family), code)
            << "family " << int(family) << " size " << int(size);
    // Each size of a family survives the round trip.
    for (uint8_t family : {0, 1})
        for (uint8_t size = 0; size < (family == 0 ? 3 : 2); ++size)
            EXPECT_EQ(decodeEmailPaperSize(encodeEmailPaperSize(size, family), family), size);
}

TEST(PackedValues, DateAndClockTimeFillSixteenBits) {
    // Years since 2000 in bits 9-15, month in bits 5-8, day in bits 0-4.
    EXPECT_EQ(packRegDate({2024, 3, 15}), 0x306f);
    EXPECT_EQ(packRegDate({2000, 1, 1}), 0x0021);
    EXPECT_EQ(packRegDate({2127, 12, 31}), 0xff9f);
    CalendarDate date = unpackRegDate(packRegDate({2031, 11, 9}));
    EXPECT_EQ(date.year, 2031);
    EXPECT_EQ(date.month, 11);
    EXPECT_EQ(date.day, 9);
    // Hour and minute sit above five zero bits.
    EXPECT_EQ(packClockTime(14, 5), 28832);
    EXPECT_EQ(clockTimeHour(28832), 14);
    EXPECT_EQ(clockTimeMinute(28832), 5);
    EXPECT_EQ(packClockTime(23, 59) & 0x1f, 0);
}
