#include "phone_book_window_test.h"

#include "resource_ids.h"

#include <gtest/gtest.h>

using namespace harness;

namespace {

using Row = std::vector<std::wstring>;
using Texts = std::vector<std::wstring>;

// Column 0 (the number) of each row of a list of the dialog.
Texts numbers(HWND dialog, int listId) {
    Texts texts;
    for (const auto& cells : listViewRows(GetDlgItem(dialog, listId)))
        texts.push_back(cells.at(0));
    return texts;
}

// "number name" of each row, for lists whose names matter.
Texts rowsOf(HWND dialog, int listId) {
    Texts texts;
    for (const auto& cells : listViewRows(GetDlgItem(dialog, listId)))
        texts.push_back(cells.at(0) + L" " + cells.at(1));
    return texts;
}

// Selects the rows of `listId` showing `wanted` numbers, as Ctrl+clicks would.
void selectNumbers(HWND dialog, int listId, const Texts& wanted) {
    HWND list = GetDlgItem(dialog, listId);
    const auto rows = listViewRows(list);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        if (std::find(wanted.begin(), wanted.end(), rows[static_cast<size_t>(row)].at(0)) !=
            wanted.end())
            ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
}

// A double click on row `row` of `listId`, as the mouse delivers it.
void doubleClickRow(HWND dialog, int listId, int row) {
    HWND list = GetDlgItem(dialog, listId);
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    RECT bounds{};
    ListView_GetItemRect(list, row, &bounds, LVIR_LABEL);
    PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON,
                 MAKELPARAM((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2));
}

// Adds to the phone book of PhoneBookWindowTest a combination key on One
// Touch 08.
class GroupDialogTest : public PhoneBookWindowTest {
  protected:
    void SetUp() override {
        PhoneBookWindowTest::SetUp();
        DialEntry combination = faxEntry("", "0301+");
        combination.detailsWithheld = 1;
        oneTouch(7, combination);
    }
    DialEntry storedKey(int key) {
        return decodeOneTouchKey(workspace().mirror, workspace().programDialMarks, key);
    }
};

TEST_F(GroupDialogTest, AGroupIsRefusedUntilNamedAndFilledThenStoredAndShown) {
    selectRow(View::group, 0);
    std::wstring caption;
    Texts oneTouchOffered, speedDialOffered, members, leftOver;
    ModalScript script;
    script.then([&](HWND dialog) {
        caption = windowText(dialog);
        oneTouchOffered = numbers(dialog, IDC_GROUP_ONE_TOUCH_PICKER);
        speedDialOffered = numbers(dialog, IDC_GROUP_SPEED_DIAL_PICKER);
        clickButton(dialog, IDOK);
    });
    const MessageBoxRecord& noName = script.answerMessageBox(IDOK);
    script.then([&](HWND dialog) {
        setControlText(dialog, IDC_NAME_EDIT, L"Team\x7f");
        clickButton(dialog, IDOK);
    });
    const MessageBoxRecord& noMembers = script.answerMessageBox(IDOK);
    script.then([&](HWND dialog) {
        // Mail (03) and Group A (04: One Touch 02, Speed Dial 07).
        selectNumbers(dialog, IDC_GROUP_ONE_TOUCH_PICKER, {L"003", L"004"});
        clickButton(dialog, IDC_GROUP_ADD_ONE_TOUCH);
    });
    script.then([&](HWND dialog) {
        members = rowsOf(dialog, IDC_GROUP_LOCATION_LIST);
        leftOver = numbers(dialog, IDC_GROUP_ONE_TOUCH_PICKER);
        clickButton(dialog, IDOK);
    });
    command(IDM_ENTRY_PROPERTY);
    EXPECT_TRUE(script.finished());

    EXPECT_EQ(caption, L"Register Group #001");
    // Not this key, the program-dial key 06, the combination key 08 or the
    // empty keys.
    EXPECT_EQ(oneTouchOffered, (Texts{L"002", L"003", L"004", L"007"}));
    EXPECT_EQ(speedDialOffered, (Texts{L"007"}));
    EXPECT_EQ(noName.text, L"Group name Required !");
    EXPECT_EQ(noName.caption, L"Local Setup - Zelt");
    EXPECT_EQ(noMembers.text, L"Data List is empty !");
    EXPECT_EQ(members, (Texts{L"003 Mail", L"002 Office", L"007 Shop"}));
    EXPECT_EQ(leftOver, (Texts{L"007"}));

    EXPECT_EQ(row(0), (Row{L"01", L"Team"}));
    EXPECT_EQ(memberRows(), (Texts{L"03  Mail", L"02  Office", L"07  Shop"}));
    const DialEntry stored = storedKey(0);
    EXPECT_EQ(stored.memberCount, 3);
    EXPECT_EQ(stored.members[2], (GroupMember{kMemberKindSpeedDial, 6}));
    EXPECT_EQ(workspace().store.slots[75].payloadLength, kGroupLength);
    EXPECT_TRUE(workspace().modifiedFlag);
}

TEST_F(GroupDialogTest, CancelKeepsTheGroupAndOkOverAOneTouchEntryTakesItOutOfOtherGroups) {
    const StoredEntry groupA = workspace().mirror.oneTouchTable[3];
    selectRow(View::group, 3);
    {
        Texts members;
        ModalScript script;
        script.then([&](HWND dialog) {
            members = rowsOf(dialog, IDC_GROUP_LOCATION_LIST);
            selectNumbers(dialog, IDC_GROUP_LOCATION_LIST, {L"002"});
            clickButton(dialog, IDC_GROUP_DELETE_SELECTED);
            setControlText(dialog, IDC_NAME_EDIT, L"Changed");
        });
        script.then([&](HWND dialog) { clickButton(dialog, IDCANCEL); });
        command(IDM_ENTRY_PROPERTY);
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(members, (Texts{L"002 Office", L"007 Shop"}));
    }
    EXPECT_EQ(workspace().mirror.oneTouchTable[3], groupA);
    EXPECT_EQ(row(3), (Row{L"04", L"A"}));
    EXPECT_FALSE(workspace().modifiedFlag);

    // The program-dial key asks first; No opens nothing.
    selectRow(View::group, 5);
    {
        ModalScript declined;
        const MessageBoxRecord& question = declined.answerMessageBox(IDNO);
        command(IDM_ENTRY_PROPERTY);
        EXPECT_EQ(question.text,
                  L"This key is already used by Program Dial,\nDo you want to overwrite it ?");
        EXPECT_EQ(question.caption, L"Warning");
    }

    // Key 02 "Office", listed by Groups A and B, becomes a Group of
    // Speed Dial 07, added by a double click.
    selectRow(View::group, 1);
    std::wstring name;
    Texts members;
    ModalScript script;
    script.answerMessageBox(IDYES);
    script.then([&](HWND dialog) {
        name = controlText(dialog, IDC_NAME_EDIT);
        doubleClickRow(dialog, IDC_GROUP_SPEED_DIAL_PICKER, 0);
    });
    script.then([&](HWND dialog) {
        members = rowsOf(dialog, IDC_GROUP_LOCATION_LIST);
        clickButton(dialog, IDOK);
    });
    command(IDM_ENTRY_PROPERTY);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(name, L"Office");
    EXPECT_EQ(members, (Texts{L"007 Shop"}));
    EXPECT_EQ(row(1), (Row{L"02", L"Office"}));
    EXPECT_EQ(storedKey(1).entryClass, kEntryClassGroup);
    EXPECT_EQ(storedKey(3).memberCount, 1) << "Group A keeps Speed Dial 07 only";
    EXPECT_EQ(row(6), (Row{L"07", L""})) << "Group B lost its only member";
    EXPECT_EQ(GetFocus(), list());
}

} // namespace
