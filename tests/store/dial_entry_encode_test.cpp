#include "store/dial_entry.h"
#include "store/dial_entry_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

bool allZero(const StoredEntry& entry, int first, int last) {
    for (int i = first; i <= last; ++i)
        if (entry[static_cast<size_t>(i)] != 0)
            return false;
    return true;
}

} // namespace

TEST(EncodeOneTouch, FaxEntryLayoutRoundTripAndSidWithoutSub) {
    PhoneBookFixture book;
    DialEntry entry = faxEntry("Office", "0612345+-");
    entry.entryClass = kEntryClassOneTouch;
    entry.highFlag = 1;
    setFieldText(entry.subAddress, "12");
    setFieldText(entry.sidPassword, "345");
    setFieldText(entry.batchHour, "14");
    setFieldText(entry.batchMinute, "05");
    encodeOneTouch(book.mirror, book.store, entry, 2);
    const StoredEntry& stored = book.oneTouch(2);
    expectBytes(stored, {{0, 0}, {1, kFlagFax | kFlagOneTouch | kFlagHigh | kFlagBatchTime}});
    expectBytes(stored, {{2, 9}, {4, 6}});
    EXPECT_EQ(std::memcmp(&stored[5], "Office", 6), 0);
    EXPECT_EQ(stored[26] | stored[27] << 8, 0x3061);
    EXPECT_EQ(stored[28] | stored[29] << 8, 28832); // (14 x 64 + 5) x 32
    // Speed index 1 + 2, the SUB and SID lengths, then digits low nibble
    // first: '0' '6' at 33, '5' '+' at 36, '-' and the filler nibble at 37.
    expectBytes(stored, {{30, 3}, {31, 2}, {32, 3}, {33, 0x60}, {36, 0xe5}, {37, 0x0f}});
    expectBytes(stored, {{63, 0x21}, {73, 0x43}, {74, 0x05}}); // SUB "12", SID "345"
    EXPECT_EQ(book.oneTouchLength(2), 146u);

    // The high flag of a One Touch fax entry is written, not read back: on
    // a One Touch key it means a Group.
    DialEntry decoded = decodeOneTouch(book.mirror, book.marks, 2);
    entry.index = 2;
    entry.highFlag = 0;
    EXPECT_EQ(decoded, entry);

    // A SID needs a SUB address; without a batch time its flag stays clear.
    DialEntry lab = faxEntry("Lab", "123");
    setFieldText(lab.sidPassword, "9999");
    encodeOneTouch(book.mirror, book.store, lab, 0);
    expectBytes(book.oneTouch(0), {{1, kFlagFax}, {28, 0}, {29, 0}, {31, 0}, {32, 0}});
    EXPECT_TRUE(allZero(book.oneTouch(0), 63, 82));
    EXPECT_STREQ(lab.sidPassword.data(), "");
}

TEST(EncodeOneTouch, EmailEntryLayoutAndRoundTrip) {
    PhoneBookFixture book(0, 1); // inch paper family
    DialEntry entry = emailEntry("Mail", "a.b@c.de");
    entry.entryClass = kEntryClassOneTouch;
    encodeOneTouch(book.mirror, book.store, entry, 8);
    const StoredEntry& stored = book.oneTouch(8);
    expectBytes(stored, {{1, kFlagEmail | kFlagOneTouch}, {2, 8}, {4, 4}});
    expectBytes(stored, {{30, 1}, {31, 9}, {32, 2}, {33, 2}}); // paper size 9: Ledger
    EXPECT_EQ(std::memcmp(&stored[34], "a.b@c.de", 8), 0);
    EXPECT_EQ(book.oneTouchLength(8), 130u);
    entry.index = 8;
    EXPECT_EQ(decodeOneTouch(book.mirror, book.marks, 8), entry);
}

TEST(EncodeOneTouch, ProgramDialAndUnusedEntries) {
    PhoneBookFixture book;
    putBytes(book.oneTouch(6), {{1, kFlagProgramDial}, {50, 0x77}});
    DialEntry programKey = decodeOneTouch(book.mirror, book.marks, 6);
    encodeOneTouch(book.mirror, book.store, programKey, 6);
    EXPECT_EQ(book.oneTouch(6)[1], kFlagProgramDial);
    EXPECT_EQ(book.oneTouch(6)[50], 0x77);
    EXPECT_EQ(book.oneTouchLength(6), 0u);

    // An unused entry empties the key and leaves the length alone.
    book.store.slots[75 + 1].payloadLength = 146;
    book.oneTouch(1).fill(0x33);
    DialEntry empty;
    encodeOneTouch(book.mirror, book.store, empty, 1);
    EXPECT_TRUE(allZero(book.oneTouch(1), 0, 129));
    EXPECT_EQ(book.oneTouchLength(1), 146u);
}

TEST(EncodeOneTouch, TextsAreMappedOnACopyCutToTheirFieldsAndReadBackInThePcCodePage) {
    PhoneBookFixture book(6);
    DialEntry entry = faxEntry("", "1");
    entry.name.fill('\xc0'); // 24 bytes without a NUL
    entry.name[0] = '\xc1';
    setFieldText(entry.faxNumber, std::string(53, '7'));
    DialEntry before = entry;
    encodeOneTouch(book.mirror, book.store, entry, 4);
    const StoredEntry& stored = book.oneTouch(4);
    expectBytes(stored, {{4, 20}, {5, 128}, {6, 'A'}, {24, 'A'}, {25, 0}});
    EXPECT_EQ(stored[26] | stored[27] << 8, 0x3061); // the date is not overwritten
    expectBytes(stored, {{2, 50}, {57, 0x77}, {58, 0}});
    EXPECT_EQ(entry, before);
    EXPECT_EQ(fieldText(decodeOneTouch(book.mirror, book.marks, 4).name),
              "\xc1" + std::string(19, 'A'));
}

TEST(EncodeSpeedDial, FaxDropsSubSidAndBatchTime) {
    PhoneBookFixture book;
    // As read from the machine: a fax entry with SUB and SID.
    StoredEntry& stored = book.speedDial(99);
    putBytes(stored,
             {{1, kFlagFax | kFlagSpeedDial | kFlagHigh}, {2, 3}, {3, 2}, {4, 'J'}, {5, 'o'}});
    putBytes(stored, {{26, 4}, {27, 2}, {28, 2}, {29, 0x21}, {30, 0x03}, {59, 0x65}, {69, 0x87}});
    DialEntry entry = decodeSpeedDial(book.mirror, book.store, 99);
    EXPECT_STREQ(entry.subAddress.data(), "56");
    EXPECT_STREQ(entry.sidPassword.data(), "78");
    EXPECT_EQ(entry.highFlag, 1);
    encodeSpeedDial(book.mirror, book.store, entry, 99);
    expectBytes(stored, {{1, kFlagFax | kFlagSpeedDial | kFlagHigh}, {26, 4}, {27, 0}, {28, 0}});
    EXPECT_TRUE(allZero(stored, 54, 129));
    EXPECT_EQ(book.speedDialLength(99), 109u);
    DialEntry again = decodeSpeedDial(book.mirror, book.store, 99);
    EXPECT_STREQ(again.faxNumber.data(), "123");
    EXPECT_STREQ(again.subAddress.data(), "");
}

TEST(EncodeSpeedDial, EmailEntryLayoutAndRoundTrip) {
    PhoneBookFixture book;
    DialEntry entry = emailEntry("Desk", "x@y.z");
    entry.entryClass = kEntryClassSpeedDial;
    entry.detailsWithheld = 1;
    encodeSpeedDial(book.mirror, book.store, entry, 0);
    const StoredEntry& stored = book.speedDial(0);
    expectBytes(stored, {{1, 0x25}, {2, 5}, {3, 4}});
    EXPECT_EQ(std::memcmp(&stored[4], "Desk", 4), 0);
    EXPECT_EQ(stored[24] | stored[25] << 8, 0x3061);
    expectBytes(stored, {{26, 1}, {27, 1}, {28, 2}, {29, 2}}); // paper size 1: B4
    EXPECT_EQ(std::memcmp(&stored[30], "x@y.z", 5), 0);
    EXPECT_EQ(book.speedDialLength(0), 94u);
    DialEntry decoded = decodeSpeedDial(book.mirror, book.store, 0);
    entry.name.fill(0); // a withheld entry shows no name
    EXPECT_EQ(decoded, entry);
}

TEST(EncodeGroup, FiftyMembersFillTheEntryExactly) {
    PhoneBookFixture book;
    GroupMemberLists lists;
    for (uint8_t key = 0; key < 9; ++key)
        lists.oneTouchMembers.push_back(key);
    for (uint8_t entry = 0; entry < 41; ++entry)
        lists.speedDialMembers.push_back(static_cast<uint8_t>(entry + 59));
    DialEntry group;
    group.used = 1;
    group.entryClass = kEntryClassGroup;
    setFieldText(group.name, "Team");
    group.regDate = 0x1234;
    encodeGroupFromLists(book.mirror, book.store, group, lists, 3);
    const StoredEntry& stored = book.oneTouch(3);
    expectBytes(stored, {{1, kFlagHigh}, {2, 50}, {4, 4}});
    // Members as (kind, number) pairs, One Touch keys first, numbers from 1.
    expectBytes(stored, {{30, kMemberKindOneTouch}, {31, 1}, {46, kMemberKindOneTouch}, {47, 9}});
    expectBytes(stored, {{48, kMemberKindSpeedDial}, {49, 60}});
    expectBytes(stored, {{128, kMemberKindSpeedDial}, {129, 100}});
    EXPECT_EQ(book.oneTouchLength(3), 130u);

    DialEntry decoded = decodeOneTouchKey(book.mirror, book.marks, 3);
    EXPECT_EQ(decoded.entryClass, kEntryClassGroup);
    EXPECT_EQ(decoded.memberCount, 50);
    EXPECT_EQ(decoded.members[49], (GroupMember{kMemberKindSpeedDial, 99}));
    GroupMemberLists expanded;
    expandGroupMembers(decoded, expanded);
    EXPECT_EQ(expanded.oneTouchMembers, lists.oneTouchMembers);
    EXPECT_EQ(expanded.speedDialMembers, lists.speedDialMembers);

    // Re-encoding the decoded Group gives the same bytes and keeps the length.
    StoredEntry bytes = stored;
    book.store.slots[75 + 3].payloadLength = 7;
    encodeGroup(book.mirror, decoded, 3);
    EXPECT_EQ(stored, bytes);
    EXPECT_EQ(book.oneTouchLength(3), 7u);
}

TEST(EncodeGroup, MoreThanFiftyListedMembersStopAtTheEntrysEnd) {
    PhoneBookFixture book;
    book.speedDial(0).fill(0xab); // the next table must stay untouched
    GroupMemberLists lists;
    for (uint8_t entry = 0; entry < 100; ++entry)
        lists.speedDialMembers.push_back(entry);
    DialEntry group;
    group.used = 1;
    encodeGroupFromLists(book.mirror, book.store, group, lists, 8);
    EXPECT_EQ(book.oneTouch(8)[2], 50);
    EXPECT_EQ(book.oneTouch(8)[129], 50);
    EXPECT_EQ(book.speedDial(0)[0], 0xab);
    group.memberCount = 200;
    encodeGroup(book.mirror, group, 8);
    EXPECT_EQ(book.oneTouch(8)[2], 50);
}

TEST(DialEntryCodec, IndicesOutsideTheTablesReadAndWriteNothing) {
    PhoneBookFixture book;
    book.marks.marks.fill(1);
    SettingsMirror before = book.mirror;
    DialEntry entry = faxEntry("x", "1");
    encodeOneTouch(book.mirror, book.store, entry, 9);
    encodeOneTouch(book.mirror, book.store, entry, -1);
    encodeSpeedDial(book.mirror, book.store, entry, 100);
    encodeGroup(book.mirror, entry, 9);
    encodeGroupFromLists(book.mirror, book.store, entry, {}, -5);
    EXPECT_EQ(book.mirror.oneTouchTable, before.oneTouchTable);
    EXPECT_EQ(book.mirror.speedDialTable, before.speedDialTable);
    for (const SettingRecord& record : book.store.slots)
        EXPECT_EQ(record.payloadLength, 0u);
    EXPECT_EQ(decodeOneTouch(book.mirror, book.marks, 9), DialEntry{});
    EXPECT_EQ(decodeOneTouchKey(book.mirror, book.marks, -1), DialEntry{});
    EXPECT_EQ(decodeSpeedDial(book.mirror, book.store, 100), DialEntry{});
    EXPECT_EQ(book.marks.marks, (std::array<uint8_t, 4>{1, 1, 1, 1}));
}
