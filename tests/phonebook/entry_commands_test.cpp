#include "phonebook/entry_commands.h"

#include "phone_book_workspace.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<GroupMember> membersOf(const DialEntry& group) {
    return {group.members.begin(), group.members.begin() + group.memberCount};
}

class EntryCommandsTest : public ::testing::Test, protected PhoneBookWorkspace {
  protected:
    void SetUp() override {
        oneTouch(1, faxEntry("Office", "0301234"));
        oneTouch(2, emailEntry("Mail", "a@b.example"));
        speedDial(6, faxEntry("Shop", "555"));
        // Group A on key 4 lists One Touch 02 and Speed Dial 7; B on key 7
        // lists only One Touch 02.
        group(3, "A", {oneTouchMember(1), speedDialMember(6)});
        group(6, "B", {oneTouchMember(1)});
    }
    Workspace& ws() { return workspace; }
};

TEST_F(EntryCommandsTest, CopyThenPasteMakesATwinAndLeavesSourceGroupsAndClipboardAlone) {
    const StoredEntry source = oneTouchBytes(1);
    ASSERT_TRUE(copyEntry(ws(), View::oneTouch, 1));
    EXPECT_EQ(ws().clipboard.oneTouchSource, 1);
    EXPECT_EQ(ws().clipboard.speedDialSource, -1);
    EXPECT_FALSE(ws().modifiedFlag) << "a copy changes nothing";

    EntryEdit edit = pasteEntry(ws(), View::oneTouch, 4);
    EXPECT_TRUE(edit.done);
    EXPECT_EQ(edit.rows, std::vector<int>{4});
    EXPECT_EQ(oneTouchBytes(4), source);
    EXPECT_EQ(oneTouchBytes(1), source);
    EXPECT_EQ(membersOf(groupAt(6)), std::vector<GroupMember>{oneTouchMember(1)});
    EXPECT_TRUE(ws().modifiedFlag);
    // The record image follows the table.
    EXPECT_EQ(ws().store.slots[75 + 4].payload[kEntryFlagsByte], source[kEntryFlagsByte]);
    // The clipboard stays filled: the same entry pastes again.
    EXPECT_TRUE(pasteEntry(ws(), View::oneTouch, 5).done);
    EXPECT_EQ(oneTouchBytes(5), source);
}

TEST_F(EntryCommandsTest, DeletingAOneTouchEntryTakesItOutOfEveryGroup) {
    ASSERT_TRUE(copyEntry(ws(), View::oneTouch, 1)); // as Cut does first
    EntryEdit edit = deleteEntry(ws(), View::oneTouch, 1);
    EXPECT_TRUE(edit.done);
    // The key itself, then Group B's key, which lost its only member.
    EXPECT_EQ(edit.rows, (std::vector<int>{1, 6}));
    EXPECT_EQ(oneTouchBytes(1), StoredEntry{});
    EXPECT_EQ(membersOf(groupAt(3)), std::vector<GroupMember>{speedDialMember(6)});
    EXPECT_EQ(groupAt(6).used, 0);
    EXPECT_EQ(oneTouchBytes(6), StoredEntry{});
    EXPECT_TRUE(ws().modifiedFlag);
    EXPECT_EQ(ws().clipboard.oneTouchSource, 1) << "the cut entry can be pasted";
}

TEST_F(EntryCommandsTest, DeletingTheLastSpeedDialMemberClearsTheGroupButNoOneTouchRow) {
    group(3, "A", {speedDialMember(6)});
    EntryEdit edit = deleteEntry(ws(), View::speedDial, 6);
    EXPECT_EQ(edit.rows, std::vector<int>{6}) << "Speed Dial rows only";
    EXPECT_EQ(groupAt(3).used, 0);
    EXPECT_EQ(membersOf(groupAt(6)), std::vector<GroupMember>{oneTouchMember(1)});
}

TEST_F(EntryCommandsTest, RemoveFromGroupsTakesTheFirstMatchOnlyAndIgnoresGroups) {
    group(3, "A", {oneTouchMember(1), speedDialMember(1), oneTouchMember(1), oneTouchMember(2)});
    DialEntry removed = decodeOneTouch(ws().mirror, ws().programDialMarks, 1);
    EXPECT_EQ(removeFromGroups(ws(), removed), std::vector<int>{6});
    // Speed Dial 2 has the same index but is another table.
    EXPECT_EQ(membersOf(groupAt(3)),
              (std::vector<GroupMember>{speedDialMember(1), oneTouchMember(1), oneTouchMember(2)}));
    // A Group handed in (one Group listed inside another) removes nothing.
    group(5, "Nested", {oneTouchMember(3)});
    const StoredEntry before = oneTouchBytes(5);
    EXPECT_TRUE(removeFromGroups(ws(), groupAt(3)).empty());
    EXPECT_EQ(oneTouchBytes(5), before);
}

TEST_F(EntryCommandsTest, RefusedPastesChangeNothing) {
    programDialKey(5);
    ASSERT_TRUE(copyEntry(ws(), View::oneTouch, 1));
    const SettingsMirror before = ws().mirror;
    // Onto a key holding a Group, onto a program-dial key, from an empty
    // slot, and outside the table.
    EXPECT_FALSE(pasteEntry(ws(), View::oneTouch, 3).done);
    EXPECT_FALSE(pasteEntry(ws(), View::oneTouch, 5).done);
    EXPECT_FALSE(pasteEntry(ws(), View::speedDial, 0).done);
    EXPECT_FALSE(pasteEntry(ws(), View::oneTouch, 9).done);
    ASSERT_TRUE(copyEntry(ws(), View::group, 3));
    EXPECT_FALSE(pasteEntry(ws(), View::group, 1).done) << "the key holds a One Touch entry";
    EXPECT_FALSE(pasteEntry(ws(), View::group, 5).done) << "a program-dial key";
    EXPECT_EQ(ws().mirror.oneTouchTable, before.oneTouchTable);
    EXPECT_EQ(ws().mirror.speedDialTable, before.speedDialTable);
    EXPECT_FALSE(ws().modifiedFlag);
}

TEST_F(EntryCommandsTest, AGroupPastedOntoAnEmptyKeyHoldsTheCopyAndReachesTheMachine) {
    ASSERT_TRUE(copyEntry(ws(), View::group, 3));
    ASSERT_EQ(ws().store.slots[75 + 8].payloadLength, 0u);
    EXPECT_TRUE(pasteEntry(ws(), View::group, 8).done);
    DialEntry pasted = groupAt(8);
    EXPECT_EQ(fieldText(pasted.name), "A");
    EXPECT_EQ(membersOf(pasted), (std::vector<GroupMember>{oneTouchMember(1), speedDialMember(6)}));
    EXPECT_EQ(ws().store.slots[75 + 8].payloadLength, kGroupLength);
}

TEST_F(EntryCommandsTest, DeletingAGroupInTheGroupViewClearsOnlyItsKey) {
    EXPECT_EQ(deleteEntry(ws(), View::group, 3).rows, std::vector<int>{3});
    EXPECT_EQ(groupAt(3).used, 0);
    EXPECT_EQ(membersOf(groupAt(6)), std::vector<GroupMember>{oneTouchMember(1)});
    // A key that holds no Group is no Group-view row to delete.
    EXPECT_FALSE(deleteEntry(ws(), View::group, 1).done);
    EXPECT_NE(oneTouchBytes(1), StoredEntry{});
}

TEST_F(EntryCommandsTest, ContextMenuGraysByRowAndClipboard) {
    programDialKey(5);
    oneTouchBytes(2)[kEntryAttributeByte] = kAttributeNotEditable;
    struct Case {
        View view;
        int row;
        EntryMenuStates expected;
    };
    const Case cases[] = {
        {View::oneTouch, 1, {true, true, true, false, true}},    // a fax entry
        {View::oneTouch, 0, {true, false, false, false, false}}, // empty key
        {View::oneTouch, 3, {true, false, false, false, false}}, // key holding a Group
        {View::oneTouch, 5, {true, false, false, false, false}}, // program-dial key
        {View::oneTouch, 2, {false, true, true, false, true}},   // attribute bit 0x40
        {View::group, 3, {true, true, true, false, true}},       // a Group
        {View::group, 1, {true, false, false, false, false}},    // a One Touch entry
        {View::speedDial, 6, {true, true, true, false, true}},
        {View::speedDial, 100, {}}, // below the last row
        {View::none, 1, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(entryMenuStates(ws(), c.view, c.row), c.expected)
            << static_cast<int>(c.view) << " row " << c.row;
    ASSERT_TRUE(copyEntry(ws(), View::speedDial, 6));
    EXPECT_TRUE(entryMenuStates(ws(), View::speedDial, 0).paste);
    EXPECT_FALSE(entryMenuStates(ws(), View::oneTouch, 0).paste);
}

TEST_F(EntryCommandsTest, PropertyAsksBeforeOverwritingAKeyOfTheOtherKind) {
    programDialKey(5);
    struct Case {
        View view;
        int row;
        EntryQuestion question;
        EntryDialog dialog;
    };
    const Case cases[] = {
        {View::oneTouch, 3, EntryQuestion::keyUsedByGroup, EntryDialog::registerEntry},
        {View::oneTouch, 1, EntryQuestion::none, EntryDialog::registerEntry},
        {View::speedDial, 6, EntryQuestion::none, EntryDialog::registerEntry},
        {View::group, 1, EntryQuestion::keyUsedByOneTouch, EntryDialog::registerGroup},
        {View::group, 5, EntryQuestion::keyUsedByProgramDial, EntryDialog::registerGroup},
        {View::group, 3, EntryQuestion::none, EntryDialog::registerGroup},
        {View::oneTouch, -1, EntryQuestion::none, EntryDialog::none},
    };
    for (const Case& c : cases) {
        EntryDialogPlan plan = planEntryDialog(ws(), c.view, c.row);
        EXPECT_EQ(plan.question, c.question) << c.row;
        EXPECT_EQ(plan.dialog, c.dialog) << c.row;
    }
    EXPECT_EQ(entryQuestionStringId(EntryQuestion::keyUsedByGroup), IDS_KEY_USED_BY_GROUP);
    EXPECT_EQ(entryQuestionStringId(EntryQuestion::keyUsedByOneTouch), IDS_KEY_USED_BY_ONE_TOUCH);
    EXPECT_EQ(entryQuestionStringId(EntryQuestion::keyUsedByProgramDial),
              IDS_KEY_USED_BY_PROGRAM_DIAL);
}

} // namespace
