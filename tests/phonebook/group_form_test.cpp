#include "phonebook/group_form.h"

#include "phone_book_workspace.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Keys = std::vector<int>;
using Members = std::vector<uint8_t>;

bool offers(const Keys& picker, int index) { // exactly once
    return std::count(picker.begin(), picker.end(), index) == 1;
}

// One Touch 01 "Alpha", 02 "Beta", 03 "Gamma" (e-mail), 04 "Delta", 05 Group
// "Nested" (One Touch 01, Speed Dial 10), 06 program dial, 07 combination key,
// 08 and 09 empty; Speed Dial 1-60 "S1".."S60", 61 combination, 62 program dial.
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
        for (stored.memberCount = 0; stored.memberCount < count; ++stored.memberCount)
            stored.members[stored.memberCount] = speedDialMember(stored.memberCount);
        encodeGroup(workspace.mirror, stored, 8);
        return openGroupForm(workspace, 8);
    }
};

TEST_F(GroupFormTest, AnEmptyKeyOffersEveryUsableKeyAndEntryButItself) {
    const GroupForm form = openGroupForm(workspace, 7);
    EXPECT_EQ(groupCaptionNumber(form), "008");
    EXPECT_EQ(fieldText(form.group.name), "");
    EXPECT_TRUE(memberListRows(form).empty());
    // Not the program-dial key 06, the combination key 07, this key or 09;
    // a program-dial Speed Dial entry is offered.
    EXPECT_EQ(form.oneTouchPicker, (Keys{0, 1, 2, 3, 4}));
    EXPECT_EQ(form.speedDialPicker.size(), 61u);
    EXPECT_TRUE(!offers(form.speedDialPicker, 60) && offers(form.speedDialPicker, 61));
    const std::vector<GroupListRow> keys = oneTouchPickerRows(form);
    EXPECT_EQ(keys.at(2), (GroupListRow{2, kImageOneTouchEmail, {0, "Gamma"}}));
    EXPECT_EQ(keys.at(4), (GroupListRow{4, kImageOneTouchGroup, {0, "Nested"}}));
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
    EXPECT_FALSE(offers(form.speedDialPicker, 9));
    addSelectedSpeedDialEntries(form, Keys{20, 9, 5});
    EXPECT_EQ(form.members.speedDialMembers, (Members{9, 5, 20}));
    const std::vector<GroupListRow> rows = memberListRows(form);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], (GroupListRow{1, kImageOneTouchFax, {0, "Beta"}}));
    EXPECT_EQ(rows[3], (GroupListRow{9, kImageSpeedDialFax, {0, "S10"}}));

    // On key 01 ("Alpha", whose name the Group starts with), the same Group
    // gives only Speed Dial 10: a Group never lists its own key.
    GroupForm onAlpha = openGroupForm(workspace, 0);
    EXPECT_EQ(fieldText(onAlpha.group.name), "Alpha");
    addSelectedOneTouchKeys(onAlpha, Keys{4});
    EXPECT_TRUE(onAlpha.members.oneTouchMembers.empty());
    EXPECT_EQ(onAlpha.members.speedDialMembers, (Members{9}));
}

TEST_F(GroupFormTest, TheFiftiethMemberEndsEveryAddition) {
    // 49 members: of three selected entries only the first joins.
    GroupForm full = openOnSpeedDialGroup(49);
    addSelectedSpeedDialEntries(full, Keys{51, 49, 50});
    EXPECT_EQ(full.members.speedDialMembers.size(), 50u);
    EXPECT_EQ(full.members.speedDialMembers.back(), 49);
    EXPECT_TRUE(!offers(full.speedDialPicker, 49) && offers(full.speedDialPicker, 50));

    // 48 members, then Group (OT 02, SD 51, SD 52) taken apart: SD 51 is the 50th.
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
    EXPECT_TRUE(form.members.speedDialMembers == before.speedDialMembers &&
                form.members.oneTouchMembers == before.oneTouchMembers);
    // Deleting it (row 50) gives it back once, not as a second row.
    deleteSelectedMembers(form, Keys{49});
    EXPECT_EQ(form.members.speedDialMembers.size(), 48u);
    EXPECT_TRUE(offers(form.speedDialPicker, 50));
}

TEST_F(GroupFormTest, DeleteSelectedGivesMembersBackAndStoredMembersNamingNothingAreLeftOut) {
    group(8, "Mixed",
          {speedDialMember(4), oneTouchMember(3), oneTouchMember(1), speedDialMember(2)});
    GroupForm form = openGroupForm(workspace, 8);
    EXPECT_EQ(form.members.oneTouchMembers, (Members{3, 1}));
    EXPECT_EQ(form.members.speedDialMembers, (Members{4, 2}));
    // Rows OT 04, OT 02, SD 5, SD 3: rows 1 and 3 go, a stray row is ignored.
    deleteSelectedMembers(form, Keys{3, 1, 7});
    EXPECT_EQ(form.members.oneTouchMembers, (Members{3}));
    EXPECT_EQ(form.members.speedDialMembers, (Members{4}));
    EXPECT_EQ(form.oneTouchPicker, (Keys{0, 1, 2, 4}));
    EXPECT_EQ(form.speedDialPicker.at(2), 2);
    // Members (8, 1), (4, 0), (4, 150), (8, 10), (3, 5), (4, 3).
    const uint8_t stored[] = {8, 1, 4, 0, 4, 150, 8, 10, 3, 5, 4, 3};
    std::copy(std::begin(stored), std::end(stored), oneTouchBytes(8).begin() + kGroupMembers);
    oneTouchBytes(8)[kEntryCountByte] = 6;
    const GroupForm untrusted = openGroupForm(workspace, 8);
    EXPECT_EQ(untrusted.members.oneTouchMembers, (Members{0}));
    EXPECT_EQ(untrusted.members.speedDialMembers, (Members{2}));
}

TEST_F(GroupFormTest, OkRefusesAnEmptyGroupAndStoresOneTouchMembersFirstEverywhere) {
    group(8, "Others", {oneTouchMember(1), speedDialMember(9)});
    // Key 02 "Beta", listed by the Group on key 09, becomes a Group.
    GroupForm form = openGroupForm(workspace, 1);
    form.group.name.fill('\0');
    addSelectedSpeedDialEntries(form, Keys{5});
    EXPECT_EQ(groupFormRefusal(form), IDS_GROUP_NAME_REQUIRED);
    EXPECT_TRUE(changeGroupName(form, "Te\177am").removed);
    EXPECT_EQ(fieldText(form.group.name), "Team");
    EXPECT_FALSE(changeGroupName(form, "Twenty-one characters").removed);
    EXPECT_EQ(fieldText(form.group.name), "Twenty-one character");
    deleteSelectedMembers(form, Keys{0});
    EXPECT_EQ(groupFormRefusal(form), IDS_DATA_LIST_EMPTY);
    addSelectedSpeedDialEntries(form, Keys{5});
    addSelectedOneTouchKeys(form, Keys{3});
    EXPECT_EQ(groupFormRefusal(form), 0);
    saveGroupForm(workspace, form, {2024, 3, 9});
    const StoredEntry& key = oneTouchBytes(1);
    expectBytes(key, {{kEntryFlagsByte, kFlagHigh}, {kEntryCountByte, 2}, {4, 20}, {26, 0x69}});
    EXPECT_EQ(Members(key.begin() + 27, key.begin() + 35), (Members{0x30, 0, 0, 8, 4, 4, 6, 0}));
    EXPECT_EQ(workspace.store.slots[76].payloadLength, kGroupLength);
    EXPECT_EQ(workspace.store.slots[76].payload[1], kFlagHigh) << "the image follows";
    EXPECT_TRUE(workspace.modifiedFlag);
    EXPECT_EQ(groupAt(1).memberCount, 2) << "the name's 20 characters read back";
    EXPECT_EQ(groupAt(8).memberCount, 1);
    EXPECT_EQ(groupAt(8).members[0], speedDialMember(9));

    // A program-dial key overwritten in the Group view loses its mark.
    GroupForm onProgramKey = openGroupForm(workspace, 5);
    addSelectedOneTouchKeys(onProgramKey, Keys{0});
    changeGroupName(onProgramKey, "P");
    saveGroupForm(workspace, onProgramKey, {2024, 3, 9});
    EXPECT_FALSE(isProgramDialMarked(workspace.programDialMarks, 5));
}

} // namespace
