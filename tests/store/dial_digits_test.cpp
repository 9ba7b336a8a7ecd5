#include "store/dial_digits.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

namespace {

// Packs `digits` into a zeroed field of `fieldBytes`, checks its first
// bytes against `leading` and that the field unpacks to the same digits.
void expectPacksTo(std::string_view digits, size_t fieldBytes,
                   const std::vector<uint8_t>& leading) {
    std::vector<uint8_t> packed(fieldBytes);
    const int count = static_cast<int>(digits.size());
    packDialDigits(packed, digits, count);
    EXPECT_EQ(std::vector<uint8_t>(packed.begin(), packed.begin() + leading.size()), leading);
    EXPECT_EQ(unpackDialDigits(packed, count), digits);
}

} // namespace

TEST(DialDigits, TwoCharactersPerByteLowNibbleFirstSymbolsInTheUpperCodes) {
    expectPacksTo("12345", 25, {0x21, 0x43, 0x05, 0x00});
    expectPacksTo("*#P +-", 3, {0xba, 0xdc, 0xfe});
    // Foreign characters pack as zero.
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
