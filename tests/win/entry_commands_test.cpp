#include "phone_book_window_test.h"

#include "resource_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace harness;

namespace {

using Row = std::vector<std::wstring>;

// What the list's context menu offered, read while it is open and then
// dismissed; `shown` stays false when no menu came up.
struct SeenMenu {
    bool shown = false;
    std::map<int, bool> enabled;
};
SeenMenu* seenMenu = nullptr;

void CALLBACK readOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (seenMenu == nullptr || menuWindow == nullptr || !IsWindowVisible(menuWindow))
        return;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    seenMenu->shown = true;
    for (int id : {IDM_ENTRY_PROPERTY, IDM_CUT, IDM_COPY, IDM_PASTE, IDM_DELETE})
        seenMenu->enabled[id] = (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) == 0;
    seenMenu = nullptr;
    EndMenu();
}

class EntryCommandsTest : public PhoneBookWindowTest {
  protected:
    // Sends the list's context-menu request for `screenPoint` as the list
    // does for a right-click or the menu key.
    SeenMenu contextMenuAt(POINT screenPoint) {
        SeenMenu seen;
        seenMenu = &seen;
        UINT_PTR timer = SetTimer(nullptr, 0, 20, readOpenMenu);
        SendMessageW(mainWindow(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list()),
                     MAKELPARAM(screenPoint.x, screenPoint.y));
        KillTimer(nullptr, timer);
        seenMenu = nullptr;
        pumpMessages();
        return seen;
    }
    POINT rowPoint(int index, int below = 0) {
        RECT bounds{};
        ListView_GetItemRect(list(), index, &bounds, LVIR_LABEL);
        POINT point{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2 + below};
        ClientToScreen(list(), &point);
        return point;
    }
    std::map<int, bool> offered(std::initializer_list<int> enabledIds) {
        std::map<int, bool> states;
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

TEST_F(EntryCommandsTest, CutOfAKeyInTwoGroupsEmptiesOneGroupAndShortensTheOther) {
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
}

TEST_F(EntryCommandsTest, DeletingTheLastSpeedDialMemberClearsItsGroup) {
    group(3, "A", {{kMemberKindSpeedDial, 6}});
    selectRow(View::speedDial, 6);
    command(IDM_DELETE);
    EXPECT_EQ(row(6), (Row{L"007", L"", L"", L""}));
    EXPECT_EQ(listViewSelectedRow(list()), 6);
    selectRow(View::group, 3);
    EXPECT_EQ(row(3), (Row{L"04", L""}));
    EXPECT_EQ(memberRows(), std::vector<std::wstring>{});
}

TEST_F(EntryCommandsTest, RefusedPastesChangeNoRowAndNoTable) {
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
}

TEST_F(EntryCommandsTest, ContextMenuGraysByRowAndOpensNowhereBelowTheLastRow) {
    selectRow(View::oneTouch, 0);
    SeenMenu empty = contextMenuAt(rowPoint(0));
    ASSERT_TRUE(empty.shown);
    EXPECT_EQ(empty.enabled, offered({IDM_ENTRY_PROPERTY}));
    EXPECT_EQ(workspace().phoneBookLists.currentRow, 0);

    SeenMenu groupKey = contextMenuAt(rowPoint(3));
    ASSERT_TRUE(groupKey.shown);
    EXPECT_EQ(groupKey.enabled, offered({IDM_ENTRY_PROPERTY}));
    EXPECT_EQ(workspace().phoneBookLists.currentRow, 3);

    selectRow(View::oneTouch, 1);
    command(IDM_COPY);
    // The menu key: the focused row, here the fax entry.
    SeenMenu keyboard = contextMenuAt(POINT{-1, -1});
    ASSERT_TRUE(keyboard.shown);
    EXPECT_EQ(keyboard.enabled,
              offered({IDM_ENTRY_PROPERTY, IDM_CUT, IDM_COPY, IDM_PASTE, IDM_DELETE}));
    EXPECT_EQ(contextMenuAt(rowPoint(0)).enabled, offered({IDM_ENTRY_PROPERTY, IDM_PASTE}));

    RECT last{};
    ListView_GetItemRect(list(), 8, &last, LVIR_BOUNDS);
    EXPECT_FALSE(contextMenuAt(rowPoint(8, (last.bottom - last.top) * 2)).shown);

    selectRow(View::group, 3);
    EXPECT_EQ(contextMenuAt(rowPoint(3)).enabled,
              offered({IDM_ENTRY_PROPERTY, IDM_CUT, IDM_COPY, IDM_DELETE}));
    EXPECT_EQ(contextMenuAt(rowPoint(1)).enabled, offered({IDM_ENTRY_PROPERTY}));
}

TEST_F(EntryCommandsTest, PropertyOnAGroupKeyAsksAndCancelKeepsTheGroup) {
    selectRow(View::oneTouch, 3);
    {
        ModalScript declined;
        const MessageBoxRecord& question = declined.answerMessageBox(IDNO);
        command(IDM_ENTRY_PROPERTY);
        EXPECT_TRUE(question.shown) << "No opens nothing";
    }
    ModalScript script;
    const MessageBoxRecord& question = script.answerMessageBox(IDYES);
    std::wstring title;
    std::wstring name;
    script.then([&](HWND dialog) {
        title = windowText(dialog);
        name = controlText(dialog, IDC_NAME_EDIT);
        clickButton(dialog, IDCANCEL);
    });
    command(IDM_ENTRY_PROPERTY);
    EXPECT_TRUE(question.shown);
    EXPECT_EQ(question.caption, L"Warning");
    EXPECT_EQ(question.text, L"This key is already used by Group,\nDo you want to overwrite it ?");
    EXPECT_EQ(title, L"Register One Touch #04");
    EXPECT_EQ(name, L"") << "the dialog starts from an empty key";
    EXPECT_EQ(row(3), (Row{L"04", L"A", L"", L""}));
    EXPECT_EQ(decodeOneTouchKey(workspace().mirror, workspace().programDialMarks, 3).memberCount,
              2);
    EXPECT_EQ(GetFocus(), list());
    EXPECT_FALSE(workspace().modifiedFlag);
}

TEST_F(EntryCommandsTest, EnterOnTheListOpensTheFocusedRowsDialog) {
    selectRow(View::speedDial, 6);
    SetFocus(list());
    ModalScript script;
    std::wstring title;
    std::wstring number;
    script.then([&](HWND dialog) {
        title = windowText(dialog);
        number = controlText(dialog, IDC_NUMBER_EDIT);
        clickButton(dialog, IDCANCEL);
    });
    SendMessageW(list(), WM_KEYDOWN, VK_RETURN, 0);
    pumpMessages();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(title, L"Register Speed Dial #07");
    EXPECT_EQ(number, L"555");
}

TEST_F(EntryCommandsTest, AnEditThenExitAsksWhetherToSave) {
    selectRow(View::oneTouch, 2);
    command(IDM_DELETE);
    ModalScript script;
    const MessageBoxRecord& question = script.answerMessageBox(IDCANCEL);
    command(IDM_EXIT);
    EXPECT_TRUE(question.shown);
    EXPECT_EQ(question.text, L"Is Change NewFile.Dat Saved ?");
    EXPECT_TRUE(IsWindow(mainWindow()));
}

} // namespace
