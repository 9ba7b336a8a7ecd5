#include "store/dial_entry.h"
#include "store/dial_entry_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(DecodeOneTouch, ProgramDialKeyCarriesNothingElseAndMarksOnlyItsRange) {
    PhoneBookFixture book;
    for (int key : {2, 5, 8})
        putBytes(book.oneTouch(key), {{1, kFlagProgramDial | kFlagFax}, {2, 3}, {4, 2}, {5, 'X'}});
    DialEntry key5 = decodeOneTouch(book.mirror, book.marks, 5);
    EXPECT_EQ(key5.used, 1);
    EXPECT_EQ(key5.programDial, 1);
    EXPECT_EQ(key5.entryClass, kEntryClassOneTouch);
    EXPECT_EQ(key5.index, 0);
    EXPECT_STREQ(key5.name.data(), "");
    EXPECT_TRUE(isProgramDialMarked(book.marks, 5));
    decodeOneTouch(book.mirror, book.marks, 2);
    EXPECT_FALSE(isProgramDialMarked(book.marks, 2));
    decodeOneTouch(book.mirror, book.marks, 8);
    EXPECT_EQ(book.marks.marks, (std::array<uint8_t, 4>{1, 0, 0, 1}));
    // A key that is no longer a program-dial key loses its mark.
    book.oneTouch(5).fill(0);
    EXPECT_EQ(decodeOneTouch(book.mirror, book.marks, 5), DialEntry{});
    EXPECT_FALSE(isProgramDialMarked(book.marks, 5));
}

TEST(DecodeOneTouch, CombinationKeyShowsOnlyItsNumberAndDate) {
    PhoneBookFixture book;
    DialEntry entry = faxEntry("Hidden", "555+");
    entry.entryClass = kEntryClassOneTouch;
    entry.detailsWithheld = 1;
    setFieldText(entry.subAddress, "1");
    setFieldText(entry.batchHour, "01");
    setFieldText(entry.batchMinute, "02");
    encodeOneTouch(book.mirror, book.store, entry, 0);
    DialEntry decoded = decodeOneTouch(book.mirror, book.marks, 0);
    EXPECT_EQ(decoded.detailsWithheld, 1);
    EXPECT_STREQ(decoded.faxNumber.data(), "555+");
    EXPECT_STREQ(decoded.name.data(), "");
    EXPECT_STREQ(decoded.batchHour.data(), "");
    EXPECT_STREQ(decoded.subAddress.data(), "");
    EXPECT_EQ(decoded.speedIndex, 0);
    EXPECT_EQ(decoded.regDate, 0x3061);
}

TEST(DecodeOneTouch, LowSpeedCodesReadAsTheFastestSpeed) {
    PhoneBookFixture book;
    for (uint8_t code : {0, 1}) {
        putBytes(book.oneTouch(0), {{1, kFlagFax | kFlagOneTouch}, {2, 1}, {30, code}});
        EXPECT_EQ(decodeOneTouch(book.mirror, book.marks, 0).speedIndex, 2);
        putBytes(book.speedDial(0), {{1, kFlagFax | kFlagSpeedDial}, {2, 1}, {26, code}});
        EXPECT_EQ(decodeSpeedDial(book.mirror, book.store, 0).speedIndex, 2);
    }
}

TEST(DecodeOneTouch, GroupKeyGivesItsNameButNoDialDigitsAndAtMostFiftyMembers) {
    PhoneBookFixture book;
    StoredEntry& stored = book.oneTouch(4);
    putBytes(stored, {{1, kFlagHigh}, {2, 2}, {4, 3}, {5, 'O'}, {6, 'p'}, {7, 's'}});
    putBytes(stored, {{30, kMemberKindOneTouch}, {31, 1}, {32, kMemberKindSpeedDial}, {33, 12}});
    DialEntry decoded = decodeOneTouch(book.mirror, book.marks, 4);
    EXPECT_EQ(decoded.used, 1);
    EXPECT_EQ(decoded.entryClass, kEntryClassGroup);
    EXPECT_EQ(decoded.highFlag, 1);
    EXPECT_EQ(decoded.memberCount, 2);
    EXPECT_STREQ(decoded.name.data(), "Ops");
    EXPECT_STREQ(decoded.faxNumber.data(), "");
    EXPECT_STREQ(decoded.subAddress.data(), "");
    // A Group name longer than its field is cut, never read past it.
    std::memset(&stored[5], 'x', 21);
    stored[4] = 200;
    EXPECT_EQ(fieldText(decodeOneTouch(book.mirror, book.marks, 4).name).size(), 20u);
    EXPECT_EQ(decodeOneTouchKey(book.mirror, book.marks, 4), DialEntry{});

    // E-mail and Group flags together: the e-mail count is up to 64, the
    // member count never more than an entry holds.
    StoredEntry& email = book.oneTouch(0);
    putBytes(email, {{1, kFlagEmail | kFlagHigh}, {2, 61}});
    std::memset(&email[34], 'm', 61);
    decoded = decodeOneTouch(book.mirror, book.marks, 0);
    EXPECT_EQ(decoded.entryClass, kEntryClassGroup);
    EXPECT_EQ(decoded.memberCount, 50);
    EXPECT_EQ(fieldText(decoded.emailAddress).size(), 61u);
}

TEST(DecodeOneTouchKey, LeavesOutMembersThatNameNoEntryAndDecodesOneTouchEntriesAsSuch) {
    PhoneBookFixture book;
    StoredEntry& stored = book.oneTouch(0);
    stored[1] = kFlagHigh;
    const uint8_t members[][2] = {{8, 9}, {8, 10}, {4, 100}, {4, 101},
                                  {4, 0}, {2, 5},  {12, 3},  {8, 1}};
    stored[2] = std::size(members);
    for (size_t k = 0; k < std::size(members); ++k) {
        stored[30 + 2 * k] = members[k][0];
        stored[31 + 2 * k] = members[k][1];
    }
    DialEntry group = decodeOneTouchKey(book.mirror, book.marks, 0);
    EXPECT_EQ(group.entryClass, kEntryClassGroup);
    EXPECT_EQ(group.memberCount, 3);
    EXPECT_EQ(group.members[0], (GroupMember{8, 8}));
    EXPECT_EQ(group.members[1], (GroupMember{4, 99}));
    EXPECT_EQ(group.members[2], (GroupMember{8, 0}));
    EXPECT_EQ(group.members[3], GroupMember{});

    // One Touch entries go through the One Touch decoder.
    DialEntry entry = faxEntry("Key", "42");
    entry.entryClass = kEntryClassOneTouch;
    encodeOneTouch(book.mirror, book.store, entry, 7);
    EXPECT_EQ(decodeOneTouchKey(book.mirror, book.marks, 7),
              decodeOneTouch(book.mirror, book.marks, 7));
    // Without 0x08 and without a Group's flag the key is empty.
    book.oneTouch(7)[1] = kFlagFax;
    EXPECT_EQ(decodeOneTouchKey(book.mirror, book.marks, 7), DialEntry{});
    book.oneTouch(7)[1] = kFlagHigh;
    book.oneTouch(7)[2] = 51;
    EXPECT_EQ(decodeOneTouchKey(book.mirror, book.marks, 7), DialEntry{});
}

TEST(DecodeAny, CountsBeyondTheirFieldsDecodeAsEmpty) {
    struct Case {
        bool oneTouch;
        uint8_t flags;
        int byte;
        uint8_t value;
    };
    const Case cases[] = {
        {true, kFlagFax | kFlagOneTouch, 2, 51},
        {true, kFlagFax | kFlagOneTouch, 4, 21},
        {true, kFlagFax | kFlagOneTouch, 31, 21},
        {true, kFlagFax | kFlagOneTouch, 32, 255},
        {true, kFlagEmail | kFlagOneTouch, 2, 65},
        {true, kFlagEmail | kFlagOneTouch, 4, 21},
        {true, kFlagHigh, 2, 51},
        {false, kFlagFax | kFlagSpeedDial, 2, 51},
        {false, kFlagFax | kFlagSpeedDial, 3, 21},
        {false, kFlagFax | kFlagSpeedDial, 27, 21},
        {false, kFlagFax | kFlagSpeedDial, 28, 21},
        {false, kFlagEmail | kFlagSpeedDial, 2, 200},
        {false, kFlagEmail | kFlagSpeedDial, 3, 21},
        {false, 0, 2, 5},
    };
    for (const Case& c : cases) {
        PhoneBookFixture book;
        StoredEntry& stored = c.oneTouch ? book.oneTouch(1) : book.speedDial(1);
        stored.fill('1');
        putBytes(stored, {{1, c.flags}, {2, 1}, {3, 0}, {4, 0}});
        putBytes(stored, {{c.oneTouch ? 31u : 27u, 0}, {c.oneTouch ? 32u : 28u, 0}});
        putBytes(stored, {{static_cast<size_t>(c.byte), c.value}});
        DialEntry decoded = c.oneTouch ? decodeOneTouch(book.mirror, book.marks, 1)
                                       : decodeSpeedDial(book.mirror, book.store, 1);
        EXPECT_EQ(decoded, DialEntry{}) << "flags " << int(c.flags) << " byte " << c.byte;
        EXPECT_EQ(book.speedDialLength(1), 0u);
    }
}

TEST(DecodeAny, EmailAddressWithANulIsErased) {
    PhoneBookFixture book;
    DialEntry entry = emailEntry("N", "ab@c.d");
    encodeOneTouch(book.mirror, book.store, entry, 3);
    encodeSpeedDial(book.mirror, book.store, entry, 3);
    book.oneTouch(3)[2] = 7; // one byte more than the address: a NUL
    book.speedDial(3)[32] = 0;
    book.store.slots[84 + 3].payloadLength = 0;
    EXPECT_EQ(decodeOneTouch(book.mirror, book.marks, 3), DialEntry{});
    EXPECT_EQ(book.oneTouch(3), StoredEntry{});
    EXPECT_EQ(decodeSpeedDial(book.mirror, book.store, 3), DialEntry{});
    EXPECT_EQ(book.speedDial(3), StoredEntry{});
    EXPECT_EQ(book.speedDialLength(3), 0u);
}

TEST(DecodeSpeedDial, SetsTheSlotLengthEvenWhenItWasZero) {
    PhoneBookFixture book;
    putBytes(book.speedDial(42), {{1, kFlagFax | kFlagSpeedDial}, {2, 2}, {29, 0x21}});
    DialEntry decoded = decodeSpeedDial(book.mirror, book.store, 42);
    EXPECT_STREQ(decoded.faxNumber.data(), "12");
    EXPECT_EQ(decoded.index, 42);
    EXPECT_EQ(book.speedDialLength(42), 109u);
    putBytes(book.speedDial(42),
             {{1, kFlagEmail | kFlagSpeedDial | kFlagProgramDial}, {30, 'a'}, {31, 'b'}});
    decoded = decodeSpeedDial(book.mirror, book.store, 42);
    EXPECT_STREQ(decoded.emailAddress.data(), "ab");
    EXPECT_EQ(decoded.programDial, 1);
    EXPECT_EQ(book.speedDialLength(42), 94u);
}
