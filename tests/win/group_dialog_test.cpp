#include "phone_book_window_test.h"

#include "resource_ids.h"

#include <gtest/gtest.h>

using namespace harness;

namespace {

using Texts = std::vector<std::wstring>;

// Each row of a list of the dialog: its number, and its name when asked.
Texts rowsOf(HWND dialog, int listId, bool names = true) {
    Texts texts;
    for (const auto& cells : listViewRows(GetDlgItem(dialog, listId)))
        texts.push_back(names ? cells.at(0) + L" " + cells.at(1) : cells.at(0));
    return texts;
}

// Selects the rows of `listId` showing `wanted` numbers, as Ctrl+clicks would.
void selectNumbers(HWND dialog, int listId, const Texts& wanted) {
    const Texts shown = rowsOf(dialog, listId, false);
    for (size_t row = 0; row < shown.size(); ++row)
        if (std::find(wanted.begin(), wanted.end(), shown[row]) != wanted.end())
            ListView_SetItemState(GetDlgItem(dialog, listId), static_cast<int>(row), LVIS_SELECTED,
                                  LVIS_SELECTED);
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

using GroupDialogTest = PhoneBookWindowTest;

TEST_F(GroupDialogTest, AGroupIsRefusedUntilNamedAndFilledThenStoredAndShown) {
    oneTouch(7, faxEntry("", "0301+"));
    workspace().mirror.oneTouchTable[7][kEntryFlagsByte] |= kFlagCombinationKey;
    selectRow(View::group, 0);
    std::wstring caption;
    Texts oneTouchOffered, speedDialOffered, members;
    ModalScript script;
    script.then([&](HWND dialog) {
        caption = windowText(dialog);
        oneTouchOffered = rowsOf(dialog, IDC_GROUP_ONE_TOUCH_PICKER, false);
        speedDialOffered = rowsOf(dialog, IDC_GROUP_SPEED_DIAL_PICKER, false);
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
        clickButton(dialog, IDOK);
    });
    command(IDM_ENTRY_PROPERTY);

    EXPECT_EQ(caption, L"Register Group #001");
    // Not itself, the program-dial key 06, the combination key 08, empty keys.
    EXPECT_EQ(oneTouchOffered, (Texts{L"002", L"003", L"004", L"007"}));
    EXPECT_EQ(speedDialOffered, (Texts{L"007"}));
    EXPECT_EQ(noName.text, L"Group name Required !");
    EXPECT_EQ(noName.caption, L"Local Setup - Zelt");
    EXPECT_EQ(noMembers.text, L"Data List is empty !");
    EXPECT_EQ(members, (Texts{L"003 Mail", L"002 Office", L"007 Shop"}));

    EXPECT_EQ(row(0), (Texts{L"01", L"Team"}));
    EXPECT_EQ(memberRows(), (Texts{L"03  Mail", L"02  Office", L"07  Shop"}));
    EXPECT_EQ(workspace().store.slots[75].payloadLength, kGroupLength);
    EXPECT_TRUE(workspace().modifiedFlag);
}

TEST_F(GroupDialogTest, CancelKeepsTheGroupAndOkOverAOneTouchEntryTakesItOutOfOtherGroups) {
    const StoredEntry groupA = workspace().mirror.oneTouchTable[3];
    selectRow(View::group, 3);
    Texts members;
    {
        ModalScript script;
        script.then([&](HWND dialog) {
            members = rowsOf(dialog, IDC_GROUP_LOCATION_LIST);
            selectNumbers(dialog, IDC_GROUP_LOCATION_LIST, {L"002"});
            clickButton(dialog, IDC_GROUP_DELETE_SELECTED);
            setControlText(dialog, IDC_NAME_EDIT, L"Changed");
        });
        script.then([&](HWND dialog) { clickButton(dialog, IDCANCEL); });
        command(IDM_ENTRY_PROPERTY);
    }
    EXPECT_EQ(members, (Texts{L"002 Office", L"007 Shop"}));
    EXPECT_EQ(workspace().mirror.oneTouchTable[3], groupA);
    EXPECT_EQ(row(3), (Texts{L"04", L"A"}));
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

    // Key 02 "Office" (in Groups A and B) becomes a Group, by a double click.
    selectRow(View::group, 1);
    std::wstring name;
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
    EXPECT_EQ(name, L"Office");
    EXPECT_EQ(members, (Texts{L"007 Shop"}));
    EXPECT_EQ(row(1), (Texts{L"02", L"Office"}));
    EXPECT_EQ(memberRows(), (Texts{L"07  Shop"}));
    EXPECT_EQ(decodeOneTouchKey(workspace().mirror, workspace().programDialMarks, 3).memberCount, 1)
        << "Group A keeps Speed Dial 07 only";
    EXPECT_EQ(row(6), (Texts{L"07", L""})) << "Group B lost its only member";
    EXPECT_EQ(GetFocus(), list());
}

} // namespace
