#include "store/text_filters.h"

#include <gtest/gtest.h>

TEST(TextFilters, RemovalsLeaveTheCaretAtTheLastRemoval) {
    FilteredText hour = filterDigits("12ab34");
    EXPECT_EQ(hour.text, "1234");
    EXPECT_TRUE(hour.removed);
    EXPECT_EQ(hour.caret, 2u);
    FilteredText clean = filterDigits("0815");
    EXPECT_EQ(clean.text, "0815");
    EXPECT_FALSE(clean.removed);
    FilteredText spread = filterDigits("x1y2z");
    EXPECT_EQ(spread.text, "12");
    EXPECT_EQ(spread.caret, 2u);
}

TEST(TextFilters, DialNumbersKeepExactlyWhatTheCodecStores) {
    EXPECT_EQ(filterDialNumber("0P12 3-4*#+x", DialField::faxNumber).text, "0P12 3-4*#+");
    EXPECT_EQ(filterDialNumber("0P12 3-4*#+x", DialField::subOrSid).text, "01234*#+");
    EXPECT_EQ(filterDialNumber("p", DialField::faxNumber).text, "");
}

TEST(TextFilters, EmailRefusesSeparatorsAndNonAscii) {
    EXPECT_EQ(filterEmailAddress("A,B").text, "AB");
    EXPECT_EQ(filterEmailAddress("a b@c.d").text, "a b@c.d");
    EXPECT_EQ(filterEmailAddress("<x>:y;\"z\\\"@\xe9.\x7f").text, "xyz@.");
}

TEST(TextFilters, NameFilterFollowsTheDisplayLanguage) {
    const std::string western = "Caf\xe9 \x80\x8c\xbf\xd7\xa4\xa6\x9d";
    EXPECT_EQ(filterName(western, 0).text, "Caf\xe9 \x80\x8c\xbf\xd7");
    EXPECT_EQ(filterName(western, 5).text, "Caf\xe9 \x80\x8c\xbf\xd7");
    EXPECT_EQ(filterName("\xc0\xff\xa8\xb8\xa9\x7f~", 6).text, "\xc0\xff\xa8\xb8~");
    EXPECT_EQ(filterName("\x9a\x9b\x9c\xa3\xa4\xed\xee\xff", 7).text, "\x9a\x9c\xa3\xee");
    EXPECT_EQ(filterName("\x9a\x9b", 12).text, "\x9a");
    EXPECT_EQ(filterName("\xb1~}\\\xa0\xe0", 11).text, "\xb1}");
}

TEST(TextFilters, JapaneseLeadByteCutsTheName) {
    FilteredText cut = filterName("AB\x81\x40\xb1", 11);
    EXPECT_EQ(cut.text, "AB");
    EXPECT_EQ(cut.caret, 2u);
    FilteredText other = filterName("AB\x82\x40\xb1", 11);
    EXPECT_EQ(other.text, "AB@\xb1");
    EXPECT_EQ(filterName("AB\x83xyz", 11).text, "AB");
}

TEST(TextFilters, SettingTextIsAsciiByLanguage) {
    EXPECT_EQ(filterSettingText("a,b~\x7f\x1f\xe9", 0).text, "a,b~");
    EXPECT_EQ(filterSettingText("a,b~}\\\x7f", 11).text, "a,b}");
}

TEST(TextFilters, TelephoneNumberTakesDigitsPlusMinusAndSpace) {
    FilteredText number = filterTelephoneNumber("12a-3");
    EXPECT_EQ(number.text, "12-3");
    EXPECT_EQ(number.caret, 2u);
    EXPECT_EQ(filterTelephoneNumber("+49 (0) 30").text, "+49 0 30");
}
