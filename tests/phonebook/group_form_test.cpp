#include "phonebook/group_form.h"

#include "phone_book_workspace.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace {

using Keys = std::vector<int>;
using Members = std::vector<uint8_t>;

Keys range(int first, int last) {
    Keys keys(static_cast<size_t>(last - first + 1));
    std::iota(keys.begin(), keys.end(), first);
    return keys;
}

bool offers(const Keys& picker, int index) {
    return std::count(picker.begin(), picker.end(), index) == 1;
}

// One Touch 01 "Alpha" (fax), 02 "Beta" (fax), 03 "Gamma" (e-mail),
// 04 "Delta" (fax), 05 Group "Nested" (One Touch 01, Speed Dial 10),
// 06 program-dial key, 07 combination key, 08 and 09 empty; Speed Dial
// 1-60 fax "S1".."S60", 61 a combination key, 62 a program-dial entry.
class GroupFormTest : public ::testing::Test, protected PhoneBookWorkspace {
  protected:
    void SetUp() override {
        oneTouch(0, faxEntry("Alpha", "1"));
        oneTouch(1, faxEntry("Beta", "2"));
        oneTouch(2, emailEntry("Gamma", "g@example.com"));
        oneTouch(3, faxEntry("Delta", "4"));
        group(4, "Nested", {oneTouchMember(0), speedDialMember(9)});
        programDialKey(5);
        oneTouch(6, faxEntry("", "0301+"));
        oneTouchBytes(6)[kEntryFlagsByte] |= kFlagCombinationKey;
        for (int k = 0; k < 60; ++k)
            speedDial(k, faxEntry(("S" + std::to_string(k + 1)).c_str(), "5"));
        speedDial(60, faxEntry("", "0302+"));
        workspace.mirror.speedDialTable[60][kEntryFlagsByte] |= kFlagCombinationKey;
        speedDial(61, faxEntry("Report", "6"));
        workspace.mirror.speedDialTable[61][kEntryFlagsByte] |= kFlagProgramDial;
    }

    // Key 09 with a stored Group of Speed Dial 1 to `count`.
    GroupForm openOnSpeedDialGroup(int count) {
        DialEntry stored = groupOf("Many", {});
        for (int k = 0; k < count; ++k)
            stored.members[stored.memberCount++] = speedDialMember(static_cast<uint8_t>(k));
        encodeGroup(workspace.mirror, stored, 8);
        return openGroupForm(workspace, 8);
    }
};

TEST_F(GroupFormTest, AnEmptyKeyOffersEveryUsableKeyAndEntryButItself) {
    const GroupForm form = openGroupForm(workspace, 7);
    EXPECT_EQ(groupCaptionNumber(form), "008");
    EXPECT_EQ(fieldText(form.group.name), "");
    EXPECT_TRUE(form.members.oneTouchMembers.empty() && form.members.speedDialMembers.empty());
    // Not the program-dial key 06, the combination key 07, this key or 09.
    EXPECT_EQ(form.oneTouchPicker, range(0, 4));
    Keys entries = range(0, 59);
    entries.push_back(61); // a program-dial Speed Dial entry is offered
    EXPECT_EQ(form.speedDialPicker, entries);

    const std::vector<GroupListRow> keys = oneTouchPickerRows(form);
    const std::vector<GroupListRow> expected = {
        {0, kImageOneTouchFax, {0, "Alpha"}},   {1, kImageOneTouchFax, {0, "Beta"}},
        {2, kImageOneTouchEmail, {0, "Gamma"}}, {3, kImageOneTouchFax, {0, "Delta"}},
        {4, kImageOneTouchGroup, {0, "Nested"}},
    };
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(speedDialPickerRows(form).back(),
              (GroupListRow{61, kImageSpeedDialFax, {IDS_PROGRAM_DIAL, {}}}));
}

TEST_F(GroupFormTest, AddingKeysAndEntriesMovesThemIntoTheGroupInPickerOrder) {
    GroupForm form = openGroupForm(workspace, 7);
    addSelectedOneTouchKeys(form, Keys{3, 1});
    EXPECT_EQ(form.members.oneTouchMembers, (Members{1, 3}));
    EXPECT_EQ(form.oneTouchPicker, (Keys{0, 2, 4}));

    // A key holding a Group is taken apart: its members join, their rows
    // and the Group's own row leave the pickers.
    addSelectedOneTouchKeys(form, Keys{4});
    EXPECT_EQ(form.members.oneTouchMembers, (Members{1, 3, 0}));
    EXPECT_EQ(form.members.speedDialMembers, (Members{9}));
    EXPECT_EQ(form.oneTouchPicker, (Keys{2}));
    EXPECT_FALSE(std::binary_search(form.speedDialPicker.begin(), form.speedDialPicker.end(), 9));

    addSelectedSpeedDialEntries(form, Keys{20, 9, 5});
    EXPECT_EQ(form.members.speedDialMembers, (Members{9, 5, 20}));
    const std::vector<GroupListRow> rows = memberListRows(form);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], (GroupListRow{1, kImageOneTouchFax, {0, "Beta"}}));
    EXPECT_EQ(rows[3], (GroupListRow{9, kImageSpeedDialFax, {0, "S10"}}));
}

TEST_F(GroupFormTest, TakingApartAGroupListingTheEditedKeyLeavesThatKeyOut) {
    // Key 01 holds "Alpha": the Group starts with its name and no members.
    GroupForm form = openGroupForm(workspace, 0);
    EXPECT_EQ(fieldText(form.group.name), "Alpha");
    EXPECT_EQ(form.oneTouchPicker, range(1, 4));
    addSelectedOneTouchKeys(form, Keys{4});
    EXPECT_TRUE(form.members.oneTouchMembers.empty());
    EXPECT_EQ(form.members.speedDialMembers, (Members{9}));
}

TEST_F(GroupFormTest, TheFiftiethMemberEndsEveryAddition) {
    // 49 members: of three selected entries only the first joins.
    GroupForm full = openOnSpeedDialGroup(49);
    addSelectedSpeedDialEntries(full, Keys{51, 49, 50});
    EXPECT_EQ(full.members.speedDialMembers.size(), 50u);
    EXPECT_EQ(full.members.speedDialMembers.back(), 49);
    EXPECT_FALSE(offers(full.speedDialPicker, 49));
    EXPECT_TRUE(offers(full.speedDialPicker, 50) && offers(full.speedDialPicker, 51));

    // 48 members, then a Group of One Touch 02, Speed Dial 51 and 52 taken
    // apart: Speed Dial 51 is the 50th, its row stays, Speed Dial 52 is left.
    group(4, "Nested", {oneTouchMember(1), speedDialMember(50), speedDialMember(51)});
    GroupForm form = openOnSpeedDialGroup(48);
    addSelectedOneTouchKeys(form, Keys{4});
    EXPECT_EQ(form.members.oneTouchMembers, (Members{1}));
    EXPECT_EQ(form.members.speedDialMembers.size(), 49u);
    EXPECT_EQ(form.members.speedDialMembers.back(), 50);
    EXPECT_TRUE(offers(form.speedDialPicker, 50));
    EXPECT_EQ(form.oneTouchPicker, (Keys{0, 2, 3}));

    // Full: neither button adds the row left behind.
    const GroupMemberLists before = form.members;
    addSelectedSpeedDialEntries(form, Keys{50, 51});
    addSelectedOneTouchKeys(form, Keys{0});
    EXPECT_EQ(form.members.speedDialMembers, before.speedDialMembers);
    EXPECT_EQ(form.members.oneTouchMembers, before.oneTouchMembers);

    // Deleting it (row 50: one One Touch member, then 49 Speed Dial) gives
    // it back once, not as a second row.
    deleteSelectedMembers(form, Keys{49});
    EXPECT_EQ(form.members.speedDialMembers.size(), 48u);
    EXPECT_TRUE(offers(form.speedDialPicker, 50));
}

TEST_F(GroupFormTest, DeleteSelectedGivesMembersBackToTheirPickersInPlace) {
    group(8, "Mixed", {speedDialMember(4), oneTouchMember(3), oneTouchMember(1),
                       speedDialMember(2)});
    GroupForm form = openGroupForm(workspace, 8);
    EXPECT_EQ(form.members.oneTouchMembers, (Members{3, 1}));
    EXPECT_EQ(form.members.speedDialMembers, (Members{4, 2}));
    EXPECT_EQ(form.oneTouchPicker, (Keys{0, 2, 4}));
    // Rows: OT 04, OT 02, SD 5, SD 3; rows 1 and 3 go, a stray row is ignored.
    deleteSelectedMembers(form, Keys{3, 1, 7});
    EXPECT_EQ(form.members.oneTouchMembers, (Members{3}));
    EXPECT_EQ(form.members.speedDialMembers, (Members{4}));
    EXPECT_EQ(form.oneTouchPicker, (Keys{0, 1, 2, 4}));
    EXPECT_EQ(form.speedDialPicker.at(2), 2);
}

TEST_F(GroupFormTest, StoredMembersNamingNothingAreLeftOut) {
    StoredEntry& key = oneTouchBytes(8);
    key.fill(0);
    putBytes(key, {{kEntryFlagsByte, kFlagHigh}, {kEntryCountByte, 6}, {4, 1}, {5, 'X'},
                   {30, 8}, {31, 1},   // One Touch 01
                   {32, 4}, {33, 0},   // Speed Dial "0"
                   {34, 4}, {35, 150}, // beyond the table
                   {36, 8}, {37, 10},  // beyond the One Touch keys
                   {38, 3}, {39, 5},   // no such kind
                   {40, 4}, {41, 3}}); // Speed Dial 3
    const GroupForm form = openGroupForm(workspace, 8);
    EXPECT_EQ(form.members.oneTouchMembers, (Members{0}));
    EXPECT_EQ(form.members.speedDialMembers, (Members{2}));
    EXPECT_EQ(memberListRows(form).size(), 2u);
}

TEST_F(GroupFormTest, OkRefusesAGroupWithoutNameOrMembersAndKeepsNamesStorable) {
    GroupForm form = openGroupForm(workspace, 7);
    addSelectedSpeedDialEntries(form, Keys{0});
    EXPECT_EQ(groupFormRefusal(form), IDS_GROUP_NAME_REQUIRED);
    const FilteredText filtered = changeGroupName(form, "Twenty-one characters");
    EXPECT_FALSE(filtered.removed);
    EXPECT_EQ(fieldText(form.group.name), "Twenty-one character");
    const FilteredText refused = changeGroupName(form, "Sal\x7f" "es");
    EXPECT_TRUE(refused.removed);
    EXPECT_EQ(fieldText(form.group.name), "Sales");
    EXPECT_EQ(groupFormRefusal(form), 0);
    deleteSelectedMembers(form, Keys{0});
    EXPECT_EQ(groupFormRefusal(form), IDS_DATA_LIST_EMPTY);
}

TEST_F(GroupFormTest, OkStoresOneTouchMembersFirstAndReplacesAOneTouchEntryEverywhere) {
    group(8, "Others", {oneTouchMember(1), speedDialMember(9)});
    // Key 02 "Beta", listed by the Group on key 09, becomes a Group.
    GroupForm form = openGroupForm(workspace, 1);
    addSelectedSpeedDialEntries(form, Keys{5});
    addSelectedOneTouchKeys(form, Keys{3});
    changeGroupName(form, "Team");
    saveGroupForm(workspace, form, {2024, 3, 9});

    expectBytes(oneTouchBytes(1), {{kEntryFlagsByte, kFlagHigh},
                                   {kEntryCountByte, 2},
                                   {4, 4},
                                   {26, 0x69},
                                   {27, 0x30},
                                   {30, kMemberKindOneTouch},
                                   {31, 4},
                                   {32, kMemberKindSpeedDial},
                                   {33, 6},
                                   {34, 0}});
    EXPECT_EQ(workspace.store.slots[76].payloadLength, kGroupLength);
    EXPECT_EQ(workspace.store.slots[76].payload[1], kFlagHigh) << "the image follows";
    EXPECT_TRUE(workspace.modifiedFlag);
    EXPECT_EQ(groupAt(8).memberCount, 1);
    EXPECT_EQ(groupAt(8).members[0], speedDialMember(9));

    // A program-dial key overwritten in the Group view loses its mark.
    GroupForm onProgramKey = openGroupForm(workspace, 5);
    addSelectedOneTouchKeys(onProgramKey, Keys{0});
    changeGroupName(onProgramKey, "P");
    saveGroupForm(workspace, onProgramKey, {2024, 3, 9});
    EXPECT_FALSE(isProgramDialMarked(workspace.programDialMarks, 5));
    EXPECT_EQ(groupAt(5).memberCount, 1);
}

} // namespace
