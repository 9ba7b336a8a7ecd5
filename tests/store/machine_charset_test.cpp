#include "store/machine_charset.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

std::string toMachine(std::string text, uint8_t language) {
    toMachineCharset(text, language);
    return text;
}

std::string fromMachine(std::string text, uint8_t language) {
    fromMachineCharset(text, language);
    return text;
}

std::string bytes(std::initializer_list<int> values) {
    std::string text;
    for (int value : values)
        text.push_back(static_cast<char>(value));
    return text;
}

} // namespace

TEST(MachineCharset, LanguageSelectsTheListAndEachByteMovesOnceEachWay) {
    const std::string pound = bytes({163});
    const std::string japanese = bytes({0xb1, 0x81, 0x40, 163});
    struct Case {
        uint8_t language;
        std::string pc, machine, readBack;
    };
    const Case cases[] = {
        // Cyrillic look-alikes go out as Latin and stay Latin.
        {6, bytes({192}), "A", "A"},
        {6, bytes({193}), bytes({128}), bytes({193})},
        // 196 goes to 168 and 168 to 130: chains do not cascade.
        {6, bytes({196, 168}), bytes({168, 130}), bytes({196, 168})},
        // Not in the Cyrillic list; on the machine 163 is PC 251.
        {6, pound, pound, bytes({251})},
        {0, pound, bytes({26}), pound}, // Western
        {5, pound, bytes({26}), pound},
        {7, pound, bytes({176}), pound}, // Central European, unknown languages too
        {12, pound, bytes({176}), pound},
        {255, pound, bytes({176}), pound},
        {11, japanese, japanese, japanese},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "language " << int(c.language));
        EXPECT_EQ(toMachine(c.pc, c.language), c.machine);
        EXPECT_EQ(fromMachine(c.machine, c.language), c.readBack);
    }
}

TEST(MachineCharset, EveryMappedByteComesBackExceptTheLookAlikes) {
    const std::pair<uint8_t, int> listSizes[] = {{0, 14}, {7, 36}, {6, 47 + 19}};
    for (auto [language, pairCount] : listSizes) {
        int mapped = 0;
        int lost = 0;
        for (int pc = 1; pc < 256; ++pc) {
            std::string text = bytes({pc});
            std::string machine = toMachine(text, language);
            if (machine == text)
                continue;
            ++mapped;
            if (fromMachine(machine, language) != text)
                ++lost;
        }
        // Every pair maps its own byte; only the 19 Cyrillic look-alikes
        // cannot be told apart on the way back.
        EXPECT_EQ(mapped, pairCount) << "language " << int(language);
        EXPECT_EQ(lost, language == 6 ? 19 : 0) << "language " << int(language);
    }
}

TEST(MachineCharset, StopsAtTheNulAndAtTheEnd) {
    std::array<char, 4> field{static_cast<char>(163), '\0', static_cast<char>(163), 'x'};
    toMachineCharset(field, 0);
    EXPECT_EQ(field[0], 26);
    EXPECT_EQ(static_cast<uint8_t>(field[2]), 163);
    std::array<char, 2> full{static_cast<char>(163), static_cast<char>(163)};
    toMachineCharset(full, 0);
    EXPECT_EQ(full[1], 26);
}

TEST(MachineCharset, CodePageFollowsTheSameLanguageGroups) {
    const std::pair<uint8_t, int> codePages[] = {{0, 1252},  {5, 1252}, {6, 1251}, {7, 1250},
                                                 {10, 1250}, {11, 932}, {12, 1250}};
    for (auto [language, codePage] : codePages)
        EXPECT_EQ(pcCodePage(language), codePage) << int(language);
}
