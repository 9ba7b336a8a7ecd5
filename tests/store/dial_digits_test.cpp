#include "store/entry_text.h"

#include <gtest/gtest.h>

#include <array>

TEST(DialDigits, PacksTwoCharactersPerByteLowNibbleFirst) {
    std::array<uint8_t, 25> packed{};
    packDialDigits(packed, "12345", 5);
    EXPECT_EQ(packed[0], 0x21);
    EXPECT_EQ(packed[1], 0x43);
    EXPECT_EQ(packed[2], 0x05);
    EXPECT_EQ(packed[3], 0x00);
    EXPECT_EQ(unpackDialDigits(packed, 5), "12345");
}

TEST(DialDigits, SymbolsUseTheUpperCodes) {
    std::array<uint8_t, 3> packed{};
    packDialDigits(packed, "*#P +-", 6);
    EXPECT_EQ(packed[0], 0xba);
    EXPECT_EQ(packed[1], 0xdc);
    EXPECT_EQ(packed[2], 0xfe);
    EXPECT_EQ(unpackDialDigits(packed, 6), "*#P +-");
}

TEST(DialDigits, ForeignCharactersPackAsZero) {
    std::array<uint8_t, 2> packed{};
    packDialDigits(packed, "9A7p", 4);
    EXPECT_EQ(unpackDialDigits(packed, 4), "9070");
}

TEST(DialDigits, NeverLeavesTheField) {
    std::array<uint8_t, 4> field{0xff, 0xff, 0xff, 0xff};
    std::array<uint8_t, 2> packed{};
    packDialDigits(std::span(packed), "123456789", 9);
    EXPECT_EQ(packed[0], 0x21);
    EXPECT_EQ(packed[1], 0x43);
    // Asking for more digits than the field holds gives what it holds.
    EXPECT_EQ(unpackDialDigits(std::span(field.data(), 1), 50), "--");
    EXPECT_EQ(unpackDialDigits(std::span(field.data(), 1), -3), "");
    // A count above the text stops at the text.
    std::array<uint8_t, 3> shortText{};
    packDialDigits(shortText, "12", 6);
    EXPECT_EQ(shortText[0], 0x21);
    EXPECT_EQ(shortText[1], 0x00);
}
