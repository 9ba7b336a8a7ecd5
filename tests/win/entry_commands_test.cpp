#include "phone_book_window_test.h"

#include "resource_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace harness;

namespace {

using Row = std::vector<std::wstring>;

class EntryCommandsTest : public PhoneBookWindowTest {
  protected:
    // Sends the list's context-menu request for `screenPoint` as the list
    // does for a right-click or the menu key.
    std::optional<PopupItems> contextMenuAt(POINT screenPoint) {
        return popupDuring([&] {
            SendMessageW(mainWindow(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list()),
                         MAKELPARAM(screenPoint.x, screenPoint.y));
        });
    }
    POINT rowPoint(int index, int below = 0) {
        RECT bounds{};
        ListView_GetItemRect(list(), index, &bounds, LVIR_LABEL);
        POINT point{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2 + below};
        ClientToScreen(list(), &point);
        return point;
    }
    PopupItems offered(std::initializer_list<int> enabledIds) {
        PopupItems states;
        for (int id : {IDM_ENTRY_PROPERTY, IDM_CUT, IDM_COPY, IDM_PASTE, IDM_DELETE})
            states[id] = std::find(enabledIds.begin(), enabledIds.end(), id) != enabledIds.end();
        return states;
    }
};

TEST_F(EntryCommandsTest, CopyTwoPasteFiveMakesATwinAndSelectsIt) {
    selectRow(View::oneTouch, 1);
    EXPECT_FALSE(menuEnabled(IDM_PASTE));
    command(IDM_COPY);
    EXPECT_TRUE(menuEnabled(IDM_PASTE));
    EXPECT_FALSE(workspace().modifiedFlag);
    selectRow(View::oneTouch, 4);
    command(IDM_PASTE);
    EXPECT_EQ(row(4), (Row{L"05", L"Office", L"0301234", L"14.4K"}));
    EXPECT_EQ(row(1), (Row{L"02", L"Office", L"0301234", L"14.4K"}));
    EXPECT_EQ(listViewSelectedRow(list()), 4);
    EXPECT_EQ(workspace().phoneBookLists.currentRow, 4);
    EXPECT_EQ(GetFocus(), list());
    EXPECT_TRUE(workspace().modifiedFlag);
    EXPECT_TRUE(menuEnabled(IDM_CUT)) << "the pasted row is filled";
    // The Groups listing key 02 still list key 02 only.
    selectRow(View::group, 6);
    EXPECT_EQ(memberRows(), std::vector<std::wstring>{L"02  Office"});
    // The One Touch slot is no Paste in the Speed Dial view.
    selectRow(View::speedDial, 0);
    EXPECT_FALSE(menuEnabled(IDM_PASTE));
}

TEST_F(EntryCommandsTest, CutOfAKeyInTwoGroupsEmptiesOneShortensTheOtherAndExitAsks) {
    selectRow(View::oneTouch, 1);
    command(IDM_CUT);
    EXPECT_EQ(row(1), (Row{L"02", L"", L"", L""}));
    EXPECT_EQ(row(6), (Row{L"07", L"", L"", L""})) << "Group B lost its only member";
    EXPECT_EQ(row(3), (Row{L"04", L"A", L"", L""}));
    EXPECT_FALSE(menuEnabled(IDM_CUT));
    EXPECT_TRUE(menuEnabled(IDM_PASTE));
    selectRow(View::group, 3);
    EXPECT_EQ(memberRows(), std::vector<std::wstring>{L"07  Shop"});
    EXPECT_EQ(row(6), (Row{L"07", L""}));

    SCOPED_TRACE("after an edit, Exit asks whether to save");
    ModalScript script;
    const MessageBoxRecord& question = script.answerMessageBox(IDCANCEL);
    command(IDM_EXIT);
    EXPECT_TRUE(question.shown);
    EXPECT_EQ(question.text, L"Is Change NewFile.Dat Saved ?");
    EXPECT_TRUE(IsWindow(mainWindow()));
}

TEST_F(EntryCommandsTest, RefusedPastesChangeNothingAndDeletingTheLastMemberClearsAGroup) {
    selectRow(View::oneTouch, 1);
    command(IDM_COPY);
    const auto rowsBefore = listViewRows(list());
    const auto tableBefore = workspace().mirror.oneTouchTable;
    for (int target : {3, 5}) { // a Group key, a program-dial key
        selectRow(View::oneTouch, target);
        command(IDM_PASTE);
    }
    selectRow(View::group, 3);
    command(IDM_COPY);
    selectRow(View::group, 1); // holds a One Touch entry
    command(IDM_PASTE);
    selectTreeItem(mainWindow(), View::oneTouch);
    EXPECT_EQ(listViewRows(list()), rowsBefore);
    EXPECT_EQ(workspace().mirror.oneTouchTable, tableBefore);
    EXPECT_FALSE(workspace().modifiedFlag);

    SCOPED_TRACE("deleting the last Speed Dial member clears its group");
    group(3, "A", {{kMemberKindSpeedDial, 6}});
    selectRow(View::speedDial, 6);
    command(IDM_DELETE);
    EXPECT_EQ(row(6), (Row{L"007", L"", L"", L""}));
    EXPECT_EQ(listViewSelectedRow(list()), 6);
    selectRow(View::group, 3);
    EXPECT_EQ(row(3), (Row{L"04", L""}));
    EXPECT_EQ(memberRows(), std::vector<std::wstring>{});
}

TEST_F(EntryCommandsTest, ContextMenuGraysByRowAndOpensNowhereBelowTheLastRow) {
    selectRow(View::oneTouch, 0);
    EXPECT_EQ(contextMenuAt(rowPoint(0)), offered({IDM_ENTRY_PROPERTY}));
    EXPECT_EQ(workspace().phoneBookLists.currentRow, 0);
    EXPECT_EQ(contextMenuAt(rowPoint(3)), offered({IDM_ENTRY_PROPERTY})) << "a Group key";
    EXPECT_EQ(workspace().phoneBookLists.currentRow, 3);

    selectRow(View::oneTouch, 1);
    command(IDM_COPY);
    // The menu key: the focused row, here the fax entry.
    EXPECT_EQ(contextMenuAt(POINT{-1, -1}),
              offered({IDM_ENTRY_PROPERTY, IDM_CUT, IDM_COPY, IDM_PASTE, IDM_DELETE}));
    EXPECT_EQ(contextMenuAt(rowPoint(0)), offered({IDM_ENTRY_PROPERTY, IDM_PASTE}));

    RECT last{};
    ListView_GetItemRect(list(), 8, &last, LVIR_BOUNDS);
    EXPECT_FALSE(contextMenuAt(rowPoint(8, (last.bottom - last.top) * 2)));

    selectRow(View::group, 3);
    EXPECT_EQ(contextMenuAt(rowPoint(3)),
              offered({IDM_ENTRY_PROPERTY, IDM_CUT, IDM_COPY, IDM_DELETE}));
    EXPECT_EQ(contextMenuAt(rowPoint(1)), offered({IDM_ENTRY_PROPERTY}));
}

TEST_F(EntryCommandsTest, PropertyOnAGroupKeyAsksAndCancelKeepsItAndEnterOpensADialog) {
    selectRow(View::oneTouch, 3);
    {
        ModalScript declined;
        const MessageBoxRecord& question = declined.answerMessageBox(IDNO);
        command(IDM_ENTRY_PROPERTY);
        EXPECT_TRUE(question.shown) << "No opens nothing";
    }
    {
        ModalScript script;
        const MessageBoxRecord& question = script.answerMessageBox(IDYES);
        script.then([&](HWND dialog) {
            EXPECT_EQ(windowText(dialog), L"Register One Touch #04");
            EXPECT_EQ(controlText(dialog, IDC_NAME_EDIT), L"")
                << "the dialog starts from an empty key";
            clickButton(dialog, IDCANCEL);
        });
        command(IDM_ENTRY_PROPERTY);
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(question.caption, L"Warning");
        EXPECT_EQ(question.text,
                  L"This key is already used by Group,\nDo you want to overwrite it ?");
        EXPECT_EQ(row(3), (Row{L"04", L"A", L"", L""}));
        EXPECT_EQ(
            decodeOneTouchKey(workspace().mirror, workspace().programDialMarks, 3).memberCount, 2);
        EXPECT_EQ(GetFocus(), list());
        EXPECT_FALSE(workspace().modifiedFlag);
    }

    SCOPED_TRACE("Enter on the list opens the focused row's dialog");
    selectRow(View::speedDial, 6);
    SetFocus(list());
    ModalScript enter;
    enter.then([&](HWND dialog) {
        EXPECT_EQ(windowText(dialog), L"Register Speed Dial #07");
        EXPECT_EQ(controlText(dialog, IDC_NUMBER_EDIT), L"555");
        clickButton(dialog, IDCANCEL);
    });
    SendMessageW(list(), WM_KEYDOWN, VK_RETURN, 0);
    pumpMessages();
    EXPECT_TRUE(enter.finished());
}

} // namespace
