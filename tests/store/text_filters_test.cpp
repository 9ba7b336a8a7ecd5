#include "store/text_filters.h"

#include <gtest/gtest.h>

// Register-dialog fields run through these filters in
// RegisterFormTest.FiltersKeepOnlyWhatEachFieldMayHold; the cases it covers
// are not repeated here.
TEST(TextFilters, EachFilterKeepsWhatItsFieldMayHold) {
    const std::string western = "Caf\xe9 \x80\x8c\xbf\xd7\xa4\xa6\x9d";
    const std::pair<FilteredText, std::string> cases[] = {
        // Dial numbers keep exactly what the codec stores.
        {filterDialNumber("0P12 3-4*#+x", DialField::faxNumber), "0P12 3-4*#+"},
        {filterDialNumber("0P12 3-4*#+x", DialField::subOrSid), "01234*#+"},
        {filterDialNumber("p", DialField::faxNumber), ""},
        // E-mail refuses separators and non-ASCII.
        {filterEmailAddress("<x>:y;\"z\\\"@\xe9.\x7f"), "xyz@."},
        // Names follow the display language.
        {filterName(western, 0), "Caf\xe9 \x80\x8c\xbf\xd7"},
        {filterName(western, 5), "Caf\xe9 \x80\x8c\xbf\xd7"},
        {filterName("\xc0\xff\xa8\xb8\xa9\x7f~", 6), "\xc0\xff\xa8\xb8~"},
        {filterName("\x9a\x9b\x9c\xa3\xa4\xed\xee\xff", 7), "\x9a\x9c\xa3\xee"},
        {filterName("\x9a\x9b", 12), "\x9a"},
        {filterName("\xb1~}\\\xa0\xe0", 11), "\xb1}"},
        // Only 0x81 and 0x83 lead a double-byte character that cuts the name.
        {filterName("AB\x82\x40\xb1", 11), "AB@\xb1"},
        {filterName("AB\x83xyz", 11), "AB"},
        // Setting texts are ASCII by language.
        {filterSettingText("a,b~\x7f\x1f\xe9", 0), "a,b~"},
        {filterSettingText("a,b~}\\\x7f", 11), "a,b}"},
        {filterTelephoneNumber("+49 (0) 30"), "+49 0 30"},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].first.text, cases[i].second) << "case " << i;
}

TEST(TextFilters, RemovalsLeaveTheCaretAtTheLastRemoval) {
    FilteredText clean = filterDigits("0815");
    EXPECT_EQ(clean.text, "0815");
    EXPECT_FALSE(clean.removed);
    FilteredText spread = filterDigits("x1y2z");
    EXPECT_EQ(spread.text, "12");
    EXPECT_EQ(spread.caret, 2u);
    FilteredText number = filterTelephoneNumber("12a-3");
    EXPECT_EQ(number.text, "12-3");
    EXPECT_EQ(number.caret, 2u);
}

TEST(EmailAddressRule, OneAtAndADotAnywhere) {
    for (const char* valid : {"a.b@c", "a@b.", "x@y.z", "a b@c.d", ".@"})
        EXPECT_TRUE(isValidEmailAddress(valid)) << valid;
    for (const char* invalid : {"", "a@b", "a@@b.c", "a@b@c.d", "ab.cd"})
        EXPECT_FALSE(isValidEmailAddress(invalid)) << invalid;
}
