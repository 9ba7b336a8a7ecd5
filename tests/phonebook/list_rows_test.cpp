#include "phonebook/list_rows.h"

#include "store/dial_entry_test_support.h"
#include "string_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

std::vector<std::string> columnTitles(View view) {
    std::vector<std::string> titles;
    for (const ListColumn& column : entryListColumns(view))
        titles.emplace_back(stringTableText(column.titleId));
    return titles;
}

// The row's cells as the user reads them.
Texts shownTexts(const ListRow& row) {
    Texts texts;
    for (const RowCell& cell : row.cells)
        texts.push_back(cell.stringId != 0 ? std::string(stringTableText(cell.stringId))
                                           : cell.text);
    return texts;
}

DialEntry unused(DialEntry entry) {
    entry.used = 0;
    return entry;
}

DialEntry programDial(DialEntry entry) {
    entry.programDial = 1;
    return entry;
}

// A combination key or entry: the machine withholds all but its number or address.
DialEntry withheld(DialEntry entry) {
    entry.detailsWithheld = 1;
    return entry;
}

DialEntry groupEntry(const char* name, const char* faxOffsetsText = "") {
    DialEntry entry;
    entry.used = 1;
    entry.entryClass = kEntryClassGroup;
    entry.highFlag = 1;
    entry.memberCount = 2;
    setFieldText(entry.name, name);
    setFieldText(entry.faxNumber, faxOffsetsText);
    return entry;
}

// Checks the image and texts of a row, named by the texts it should show.
void expectShown(const ListRow& row, int image, const Texts& texts) {
    SCOPED_TRACE(testing::PrintToString(texts));
    EXPECT_EQ(row.image, image);
    EXPECT_EQ(shownTexts(row), texts);
}

} // namespace

TEST(ListRows, ColumnSetsPerView) {
    EXPECT_EQ(columnTitles(View::oneTouch), (Texts{"NO.", "Name", "Address", "Speed"}));
    EXPECT_EQ(columnTitles(View::speedDial), (Texts{"NO.", "Name", "Address", "Speed"}));
    EXPECT_EQ(columnTitles(View::group), (Texts{"NO.", "Name"}));
    std::vector<int> widths;
    for (const ListColumn& column : entryListColumns(View::oneTouch))
        widths.push_back(column.width);
    EXPECT_EQ(widths, (std::vector<int>{50, 100, 140, 80}));
    EXPECT_EQ(stringTableText(memberListColumn().titleId), "Group Item(s)");
    EXPECT_EQ(memberListColumn().width, 150);
}

TEST(ListRows, NumbersAreZeroPaddedSoTheTextSortKeepsNumericOrder) {
    EXPECT_EQ(rowNumberText(View::oneTouch, 0), "01");
    EXPECT_EQ(rowNumberText(View::group, 8), "09");
    EXPECT_EQ(rowNumberText(View::speedDial, 0), "001");
    EXPECT_EQ(rowNumberText(View::speedDial, 99), "100");
    EXPECT_LT(rowNumberText(View::speedDial, 8), rowNumberText(View::speedDial, 9));
    EXPECT_LT(rowNumberText(View::speedDial, 98), rowNumberText(View::speedDial, 99));
}

TEST(ListRows, RowCountsAreBoundedByTheTables) {
    EXPECT_EQ(entryRowCount(View::oneTouch, 9, 9), 9);
    EXPECT_EQ(entryRowCount(View::speedDial, 9, 9), 100);
    EXPECT_EQ(entryRowCount(View::group, 9, 9), 9);
    EXPECT_EQ(entryRowCount(View::oneTouch, 40, 40), 9);
    EXPECT_EQ(entryRowCount(View::group, 9, -3), 0);
    EXPECT_EQ(entryRowCount(View::none, 9, 9), 0);
}

TEST(ListRows, EachKindOfEntryShowsItsImageAndTexts) {
    constexpr uint8_t kOneTouch = kEntryClassOneTouch;
    constexpr uint8_t kSpeedDial = kEntryClassSpeedDial;
    // Entries keep their index field 0: rows are numbered by their position.
    // A used-0 entry may still carry leftovers; none of them show.
    const DialEntry leftovers = unused(faxEntry("Stale", "123", 1, kOneTouch));
    expectShown(entryRow(View::oneTouch, leftovers, 4), kImageEmpty, {"05", "", "", ""});
    expectShown(entryRow(View::speedDial, leftovers, 99), kImageEmpty, {"100", "", "", ""});
    expectShown(entryRow(View::group, leftovers, 0), kImageEmpty, {"01", ""});

    expectShown(entryRow(View::oneTouch, faxEntry("Office", "0301234", 1, kOneTouch), 2),
                kImageOneTouchFax, {"03", "Office", "0301234", "14.4K"});
    expectShown(entryRow(View::oneTouch, emailEntry("Mail", "a@b.example", kOneTouch), 0),
                kImageOneTouchEmail, {"01", "Mail", "a@b.example", ""});
    // A program-dial key shows its label and nothing else, whatever it holds.
    expectShown(entryRow(View::oneTouch, programDial(faxEntry("", "999", 0, kOneTouch)), 5),
                kImageOneTouchFax, {"06", "PROGRAM DIAL", "", ""});
    expectShown(entryRow(View::oneTouch, withheld(faxEntry("", "0301+", 0, kOneTouch)), 1),
                kImageOneTouchFax, {"02", "", "0301+", ""});
    // The One Touch decoder reads a Group's bytes at the fax offsets too.
    expectShown(entryRow(View::oneTouch, groupEntry("Team", "0000"), 8), kImageOneTouchGroup,
                {"09", "Team", "", ""});

    expectShown(entryRow(View::speedDial, faxEntry("Shop", "5551234", 0, kSpeedDial), 11),
                kImageSpeedDialFax, {"012", "Shop", "5551234", "9.6K"});
    expectShown(entryRow(View::speedDial, emailEntry("Desk", "d@e.example", kSpeedDial), 0),
                kImageSpeedDialEmail, {"001", "Desk", "d@e.example", ""});
    // Unlike a program-dial key, a program-dial entry keeps its number and speed.
    expectShown(entryRow(View::speedDial, programDial(faxEntry("Ignored", "77", 2, kSpeedDial)), 6),
                kImageSpeedDialFax, {"007", "PROGRAM DIAL", "77", "33.6K"});
    expectShown(entryRow(View::speedDial, withheld(faxEntry("", "12+", 0, kSpeedDial)), 49),
                kImageSpeedDialFax, {"050", "", "12+", ""});
    // An e-mail combination entry keeps its address but not its name.
    expectShown(
        entryRow(View::speedDial, withheld(emailEntry("Hidden", "x@y.example", kSpeedDial)), 1),
        kImageSpeedDialEmail, {"002", "", "x@y.example", ""});
    // A stored speed code beyond the three the machine knows decodes past 2.
    expectShown(entryRow(View::speedDial, faxEntry("Odd", "1", 9, kSpeedDial), 0),
                kImageSpeedDialFax, {"001", "Odd", "1", ""});

    expectShown(entryRow(View::group, groupEntry("Team"), 3), kImageGroup, {"04", "Team"});
    expectShown(entryRow(View::group, faxEntry("Office", "0301234", 1, kOneTouch), 0),
                kImageGroupOnOneTouchEntry, {"01", "Office"});
    expectShown(entryRow(View::group, programDial(faxEntry("", "", 0, kOneTouch)), 6),
                kImageGroupOnOneTouchEntry, {"07", "PROGRAM DIAL"});
    expectShown(entryRow(View::group, emailEntry("Mail", "a@b.example", kOneTouch), 1),
                kImageOneTouchEmail, {"02", "Mail"});
}

namespace {

// The tables a user would have after registering entries through the dialogs.
struct PhoneBook {
    SettingsMirror mirror;
    ProgramDialMarks marks;
    RecordStore store;

    PhoneBook() { initStore(store); }

    void registerOneTouch(DialEntry entry, int index) {
        encodeOneTouch(mirror, store, entry, index);
    }
    void registerSpeedDial(const DialEntry& entry, int index) {
        encodeSpeedDial(mirror, store, entry, index);
    }
    void registerGroup(const char* name, std::vector<GroupMember> members, int index) {
        DialEntry group = groupEntry(name);
        group.memberCount = static_cast<uint8_t>(members.size());
        std::copy(members.begin(), members.end(), group.members.begin());
        encodeGroup(mirror, group, index);
    }
    ListRow row(View view, int index) { return decodedEntryRow(view, index, mirror, marks, store); }
    std::vector<MemberRow> members(int key) {
        return groupMemberRows(decodeOneTouchKey(mirror, marks, key), mirror, marks, store);
    }
};

} // namespace

TEST(ListRows, DecodedRowsOfAStoredPhoneBook) {
    PhoneBook book;
    book.registerOneTouch(faxEntry("Office", "0301234", 2, kEntryClassOneTouch), 0);
    book.registerGroup("Team", {{kMemberKindOneTouch, 0}}, 3);
    book.registerSpeedDial(emailEntry("Desk", "d@e.example", kEntryClassSpeedDial), 11);
    // The machine marks its program-dial keys itself; no dialog writes one.
    book.mirror.oneTouchTable[5][kEntryFlagsByte] = kFlagOneTouch | kFlagProgramDial;

    expectShown(book.row(View::oneTouch, 0), kImageOneTouchFax,
                {"01", "Office", "0301234", "33.6K"});
    expectShown(book.row(View::oneTouch, 3), kImageOneTouchGroup, {"04", "Team", "", ""});
    expectShown(book.row(View::oneTouch, 5), kImageOneTouchFax, {"06", "PROGRAM DIAL", "", ""});
    expectShown(book.row(View::oneTouch, 8), kImageEmpty, {"09", "", "", ""});
    expectShown(book.row(View::group, 3), kImageGroup, {"04", "Team"});
    expectShown(book.row(View::group, 0), kImageGroupOnOneTouchEntry, {"01", "Office"});
    expectShown(book.row(View::group, 1), kImageEmpty, {"02", ""});
    expectShown(book.row(View::speedDial, 11), kImageSpeedDialEmail,
                {"012", "Desk", "d@e.example", ""});
}

TEST(ListRows, MemberRowsInMemberOrderWithTwoDigitNumbers) {
    PhoneBook book;
    book.registerOneTouch(faxEntry("Office", "0301234", 1, kEntryClassOneTouch), 2);
    book.registerSpeedDial(faxEntry("Shop", "555", 1, kEntryClassSpeedDial), 11);
    book.registerSpeedDial(emailEntry("Desk", "d@e.example", kEntryClassSpeedDial), 99);
    book.registerOneTouch(emailEntry("Mail", "a@b.example", kEntryClassOneTouch), 1);
    book.registerGroup("Team",
                       {{kMemberKindOneTouch, 2},
                        {kMemberKindSpeedDial, 11},
                        {kMemberKindSpeedDial, 99},
                        {kMemberKindOneTouch, 1}},
                       6);

    std::vector<MemberRow> expected{{kImageOneTouchFax, "03  Office"},
                                    {kImageSpeedDialFax, "12  Shop"},
                                    {kImageSpeedDialEmail, "100  Desk"},
                                    {kImageOneTouchEmail, "02  Mail"}};
    EXPECT_EQ(book.members(6), expected);
    // Only a Group has members.
    EXPECT_TRUE(book.members(2).empty());
    EXPECT_TRUE(book.members(0).empty());
}

TEST(ListRows, MembersBeyondTheTablesAreLeftOut) {
    PhoneBook book;
    book.registerOneTouch(faxEntry("Office", "1", 1, kEntryClassOneTouch), 0);
    DialEntry group = groupEntry("Odd");
    group.memberCount = 3;
    group.members[0] = {kMemberKindOneTouch, 0};
    group.members[1] = {kMemberKindOneTouch, 40};
    group.members[2] = {kMemberKindSpeedDial, 200};
    std::vector<MemberRow> expected{{kImageOneTouchFax, "01  Office"}};
    EXPECT_EQ(groupMemberRows(group, book.mirror, book.marks, book.store), expected);
    // A member count beyond the member array is bounded by it; the unused
    // members are Speed Dial entry 1 by their zero bytes.
    group.memberCount = 255;
    EXPECT_EQ(groupMemberRows(group, book.mirror, book.marks, book.store).size(),
              static_cast<size_t>(kMaxGroupMembers) - 2);
}
