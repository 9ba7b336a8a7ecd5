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

// A combination key as the decoders leave it: number only.
DialEntry combinationKey(uint8_t entryClass, const char* number) {
    DialEntry entry = faxEntry("", number, 0, entryClass);
    entry.detailsWithheld = 1;
    return entry;
}

DialEntry programDialKey() {
    DialEntry entry;
    entry.used = 1;
    entry.entryClass = kEntryClassOneTouch;
    entry.programDial = 1;
    return entry;
}

DialEntry groupEntry(const char* name) {
    DialEntry entry;
    entry.used = 1;
    entry.entryClass = kEntryClassGroup;
    entry.highFlag = 1;
    entry.memberCount = 2;
    setFieldText(entry.name, name);
    return entry;
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

TEST(ListRows, EmptyEntriesShowOnlyTheirNumberAndTheBlankImage) {
    // A used-0 entry may still carry leftovers; none of them show.
    DialEntry leftovers = faxEntry("Stale", "123", 1, kEntryClassOneTouch);
    leftovers.used = 0;
    ListRow oneTouch = oneTouchRow(leftovers, 4);
    EXPECT_EQ(oneTouch.image, kImageEmpty);
    EXPECT_EQ(shownTexts(oneTouch), (Texts{"05", "", "", ""}));
    ListRow speedDial = speedDialRow(leftovers, 99);
    EXPECT_EQ(speedDial.image, kImageEmpty);
    EXPECT_EQ(shownTexts(speedDial), (Texts{"100", "", "", ""}));
    ListRow group = groupRow(leftovers, 0);
    EXPECT_EQ(group.image, kImageEmpty);
    EXPECT_EQ(shownTexts(group), (Texts{"01", ""}));
}

TEST(ListRows, OneTouchRowsByEntryKind) {
    ListRow fax = oneTouchRow(faxEntry("Office", "0301234", 1, kEntryClassOneTouch), 2);
    EXPECT_EQ(fax.image, kImageOneTouchFax);
    EXPECT_EQ(shownTexts(fax), (Texts{"03", "Office", "0301234", "14.4K"}));

    ListRow email = oneTouchRow(emailEntry("Mail", "a@b.example", kEntryClassOneTouch), 0);
    EXPECT_EQ(email.image, kImageOneTouchEmail);
    EXPECT_EQ(shownTexts(email), (Texts{"01", "Mail", "a@b.example", ""}));

    // A program-dial key shows its label and nothing else, whatever it holds.
    DialEntry program = programDialKey();
    setFieldText(program.faxNumber, "999");
    ListRow programRow = oneTouchRow(program, 5);
    EXPECT_EQ(programRow.image, kImageOneTouchFax);
    EXPECT_EQ(shownTexts(programRow), (Texts{"06", "PROGRAM DIAL", "", ""}));

    ListRow combination = oneTouchRow(combinationKey(kEntryClassOneTouch, "0301+"), 1);
    EXPECT_EQ(combination.image, kImageOneTouchFax);
    EXPECT_EQ(shownTexts(combination), (Texts{"02", "", "0301+", ""}));

    // A key holding a Group shows only the Group's name, even though the
    // One Touch decoder reads the Group's bytes at the fax offsets.
    DialEntry group = groupEntry("Team");
    setFieldText(group.faxNumber, "0000");
    ListRow groupKey = oneTouchRow(group, 8);
    EXPECT_EQ(groupKey.image, kImageOneTouchGroup);
    EXPECT_EQ(shownTexts(groupKey), (Texts{"09", "Team", "", ""}));
}

TEST(ListRows, SpeedDialRowsByEntryKind) {
    ListRow fax = speedDialRow(faxEntry("Shop", "5551234", 0, kEntryClassSpeedDial), 11);
    EXPECT_EQ(fax.image, kImageSpeedDialFax);
    EXPECT_EQ(shownTexts(fax), (Texts{"012", "Shop", "5551234", "9.6K"}));

    ListRow email = speedDialRow(emailEntry("Desk", "d@e.example", kEntryClassSpeedDial), 0);
    EXPECT_EQ(email.image, kImageSpeedDialEmail);
    EXPECT_EQ(shownTexts(email), (Texts{"001", "Desk", "d@e.example", ""}));

    // Unlike a program-dial key, a program-dial entry keeps its number and speed.
    DialEntry program = faxEntry("Ignored", "77", 2, kEntryClassSpeedDial);
    program.programDial = 1;
    EXPECT_EQ(shownTexts(speedDialRow(program, 6)), (Texts{"007", "PROGRAM DIAL", "77", "33.6K"}));

    ListRow combination = speedDialRow(combinationKey(kEntryClassSpeedDial, "12+"), 49);
    EXPECT_EQ(combination.image, kImageSpeedDialFax);
    EXPECT_EQ(shownTexts(combination), (Texts{"050", "", "12+", ""}));

    // An e-mail combination entry keeps its address but not its name.
    DialEntry withheldEmail = emailEntry("Hidden", "x@y.example", kEntryClassSpeedDial);
    withheldEmail.detailsWithheld = 1;
    EXPECT_EQ(shownTexts(speedDialRow(withheldEmail, 1)), (Texts{"002", "", "x@y.example", ""}));
}

TEST(ListRows, GroupViewRowsByKeyContent) {
    ListRow group = groupRow(groupEntry("Team"), 3);
    EXPECT_EQ(group.image, kImageGroup);
    EXPECT_EQ(shownTexts(group), (Texts{"04", "Team"}));

    ListRow fax = groupRow(faxEntry("Office", "0301234", 1, kEntryClassOneTouch), 0);
    EXPECT_EQ(fax.image, kImageGroupOnOneTouchEntry);
    EXPECT_EQ(shownTexts(fax), (Texts{"01", "Office"}));

    ListRow program = groupRow(programDialKey(), 6);
    EXPECT_EQ(program.image, kImageGroupOnOneTouchEntry);
    EXPECT_EQ(shownTexts(program), (Texts{"07", "PROGRAM DIAL"}));

    ListRow email = groupRow(emailEntry("Mail", "a@b.example", kEntryClassOneTouch), 1);
    EXPECT_EQ(email.image, kImageOneTouchEmail);
    EXPECT_EQ(shownTexts(email), (Texts{"02", "Mail"}));
}

TEST(ListRows, RowsShowTheirPositionNotTheEntryIndexField) {
    // A program-dial decode leaves the index field 0.
    DialEntry entry = faxEntry("Shop", "1", 0, kEntryClassSpeedDial);
    entry.index = 0;
    EXPECT_EQ(shownTexts(entryRow(View::speedDial, entry, 41))[0], "042");
    EXPECT_EQ(shownTexts(entryRow(View::oneTouch, entry, 7))[0], "08");
    EXPECT_EQ(entryRow(View::group, entry, 7).cells.size(), 2u);
}

TEST(ListRows, UnknownSpeedCodesShowBlank) {
    // A stored speed code beyond the three the machine knows decodes past 2.
    ListRow row = speedDialRow(faxEntry("Odd", "1", 9, kEntryClassSpeedDial), 0);
    EXPECT_EQ(shownTexts(row), (Texts{"001", "Odd", "1", ""}));
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

    EXPECT_EQ(shownTexts(book.row(View::oneTouch, 0)), (Texts{"01", "Office", "0301234", "33.6K"}));
    ListRow groupKey = book.row(View::oneTouch, 3);
    EXPECT_EQ(groupKey.image, kImageOneTouchGroup);
    EXPECT_EQ(shownTexts(groupKey), (Texts{"04", "Team", "", ""}));
    EXPECT_EQ(shownTexts(book.row(View::oneTouch, 5)), (Texts{"06", "PROGRAM DIAL", "", ""}));
    EXPECT_EQ(book.row(View::oneTouch, 8).image, kImageEmpty);

    EXPECT_EQ(book.row(View::group, 3).image, kImageGroup);
    EXPECT_EQ(shownTexts(book.row(View::group, 3)), (Texts{"04", "Team"}));
    EXPECT_EQ(book.row(View::group, 0).image, kImageGroupOnOneTouchEntry);
    EXPECT_EQ(book.row(View::group, 1).image, kImageEmpty);

    ListRow desk = book.row(View::speedDial, 11);
    EXPECT_EQ(desk.image, kImageSpeedDialEmail);
    EXPECT_EQ(shownTexts(desk), (Texts{"012", "Desk", "d@e.example", ""}));
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
