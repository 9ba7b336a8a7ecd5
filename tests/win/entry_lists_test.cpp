#include "phone_book_window_test.h"

#include "resource_ids.h"
#include "store/dial_entry.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

using namespace harness;

namespace {

std::wstring cellText(HWND list, int row, int column) {
    wchar_t text[256] = {};
    ListView_GetItemText(list, row, column, text, 256);
    return text;
}

int rowImage(HWND list, int row) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    ListView_GetItem(list, &item);
    return item.iImage;
}

// A row as "text|text|...#image", the way a user reads the list.
std::wstring shownRow(HWND list, int row) {
    std::wstring shown;
    int columns = Header_GetItemCount(ListView_GetHeader(list));
    for (int column = 0; column < columns; ++column)
        shown += (column ? L"|" : L"") + cellText(list, row, column);
    return shown + L"#" + std::to_wstring(rowImage(list, row));
}

std::wstring memberRowsOf(HWND list) {
    std::wstring shown;
    for (int row = 0; row < ListView_GetItemCount(list); ++row)
        shown += cellText(list, row, 0) + L"#" + std::to_wstring(rowImage(list, row)) + L" ";
    return shown;
}

void selectRow(HWND list, int row) {
    UINT selected = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list, row, selected, selected);
}

std::wstring columnTitles(HWND list) {
    std::wstring titles;
    int count = Header_GetItemCount(ListView_GetHeader(list));
    for (int column = 0; column < count; ++column) {
        wchar_t text[130] = {};
        LVCOLUMNW item{};
        item.mask = LVCF_TEXT | LVCF_WIDTH;
        item.pszText = text;
        item.cchTextMax = 130;
        ListView_GetColumn(list, column, &item);
        titles += std::wstring(text) + L"/" + std::to_wstring(item.cx) + L" ";
    }
    return titles;
}

bool hasStyle(HWND window, LONG_PTR style) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & style) == style;
}

const wchar_t* const kFourColumns = L"NO./50 Name/100 Address/140 Speed/80 ";
const wchar_t* const kTwoColumns = L"NO./50 Name/100 ";

// The real main window, started without a backup: a fresh store.
using EntryListsTest = OpenedDocumentTest;

// One fresh store walked from start-up through the three views.
TEST_F(EntryListsTest, FreshStoreWalk) {
    HWND list = entryListWindow(mainWindow());
    HWND members = memberListWindow(mainWindow());
    {
        SCOPED_TRACE("before a document: One Touch columns, disabled, members hidden");
        ASSERT_NE(list, nullptr);
        ASSERT_NE(members, nullptr);
        EXPECT_EQ(GetParent(list), mainWindow());
        EXPECT_EQ(columnTitles(list), kFourColumns);
        EXPECT_EQ(ListView_GetItemCount(list), 9);
        EXPECT_FALSE(IsWindowEnabled(list));
        EXPECT_FALSE(IsWindowVisible(members));
        EXPECT_EQ(columnTitles(members), L"Group Item(s)/150 ");
        EXPECT_EQ(ListView_GetImageList(list, LVSIL_SMALL), shell().treeImages);
        EXPECT_EQ(ListView_GetImageList(members, LVSIL_SMALL), shell().treeImages);
        EXPECT_TRUE(hasStyle(list, LVS_REPORT | LVS_SORTASCENDING | LVS_SHAREIMAGELISTS |
                                       LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP));
        EXPECT_TRUE(GetWindowLongPtrW(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        EXPECT_TRUE(hasStyle(ListView_GetHeader(list), HDS_BUTTONS));
        DWORD extended = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
        EXPECT_EQ(ListView_GetExtendedListViewStyle(list) & extended, extended);
        EXPECT_EQ(ListView_GetExtendedListViewStyle(members) & extended, extended);
        EXPECT_FALSE(hasStyle(members, LVS_SORTASCENDING));
    }
    openDocument();
    struct Expected {
        View view;
        int rows;
        const wchar_t* first;
        const wchar_t* last;
        const wchar_t* columns;
    };
    for (Expected expected : {Expected{View::oneTouch, 9, L"01", L"09", kFourColumns},
                              Expected{View::speedDial, 100, L"001", L"100", kFourColumns},
                              Expected{View::group, 9, L"01", L"09", kTwoColumns}}) {
        SCOPED_TRACE(static_cast<int>(expected.view));
        selectTreeItem(mainWindow(), expected.view);
        EXPECT_EQ(columnTitles(list), expected.columns);
        EXPECT_EQ(workspace().phoneBookLists.columnView, expected.view);
        ASSERT_EQ(ListView_GetItemCount(list), expected.rows);
        EXPECT_EQ(cellText(list, 0, 0), expected.first);
        EXPECT_EQ(cellText(list, expected.rows - 1, 0), expected.last);
        for (int row = 0; row < expected.rows; ++row) {
            EXPECT_EQ(rowImage(list, row), 12);
            EXPECT_EQ(cellText(list, row, 1), L"");
        }
        EXPECT_EQ(workspace().phoneBookLists.currentRow, 0);
        EXPECT_EQ(workspace().view.selectedRow, 0);
        EXPECT_EQ(memberRowsOf(members), L"");
        // The view shown again, as the View menu does for the current category.
        showPhoneBookView(mainWindow(), workspace(), expected.view);
        EXPECT_EQ(columnTitles(list), expected.columns);
    }
    {
        SCOPED_TRACE("the machine item hides the list and leaves its columns alone");
        selectTreeItem(mainWindow(), View::none);
        EXPECT_EQ(columnTitles(list), kTwoColumns);
        EXPECT_EQ(workspace().phoneBookLists.columnView, View::group);
    }
    {
        // The rows are rebuilt with drawing held back; once drawing resumes,
        // the list scrolls through every one of them.
        SCOPED_TRACE("a rebuilt list scrolls to its last row");
        selectTreeItem(mainWindow(), View::oneTouch);
        selectTreeItem(mainWindow(), View::speedDial);
        SCROLLINFO range{sizeof(SCROLLINFO), SIF_RANGE};
        ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &range));
        EXPECT_EQ(range.nMax - range.nMin + 1, 100);
        ASSERT_TRUE(ListView_EnsureVisible(list, 99, FALSE));
        EXPECT_EQ(ListView_GetTopIndex(list) + ListView_GetCountPerPage(list), 100);
    }
    {
        SCOPED_TRACE("selecting a row makes it current");
        selectRow(list, 41);
        EXPECT_EQ(workspace().phoneBookLists.currentRow, 41);
        EXPECT_EQ(workspace().view.selectedRow, 41);
    }
    {
        SCOPED_TRACE("names in the code page of the display language");
        DialEntry entry = faxEntry("M\xfcller", "1", 0);
        speedDial(0, entry);
        refreshSpeedDialList(list, workspace());
        EXPECT_EQ(cellText(list, 0, 1), L"M\u00fcller");
        workspace().mirror.language = 6;
        // Letters that the machine mapping carries both ways.
        setFieldText(entry.name, "\xc1\xe1\xeb");
        speedDial(0, entry);
        refreshSpeedDialList(list, workspace());
        EXPECT_EQ(cellText(list, 0, 1), L"\u0411\u0431\u043b");
    }
}

// A phone book as the register dialogs would leave it.
class StoredPhoneBookTest : public EntryListsTest {
  protected:
    void SetUp() override {
        EntryListsTest::SetUp();
        oneTouch(0, faxEntry("Office", "0301234", 1));
        oneTouch(1, emailEntry("Mail", "a@b.example"));
        DialEntry combination = faxEntry("", "0301+", 0);
        combination.detailsWithheld = 1;
        oneTouch(2, combination);
        group(3, "Team", {{kMemberKindOneTouch, 0}, {kMemberKindSpeedDial, 11}});
        // The machine marks its program-dial keys itself; no dialog writes one.
        workspace().mirror.oneTouchTable[5][kEntryFlagsByte] = kFlagOneTouch | kFlagProgramDial;
        speedDial(11, faxEntry("Shop", "555", 2));
        speedDial(0, emailEntry("Desk", "d@e.example"));
        speedDial(6, faxEntry("Shop", "555", 2));
        workspace().mirror.speedDialTable[6][kEntryFlagsByte] |= kFlagProgramDial;
        openDocument();
    }

    // A real left click on the middle of a row's label.
    void clickRow(HWND list, int row) {
        RECT bounds{};
        ListView_GetItemRect(list, row, &bounds, LVIR_LABEL);
        LPARAM point =
            MAKELPARAM((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
        // The list tracks the mouse until the button comes up.
        PostMessageW(list, WM_LBUTTONUP, 0, point);
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
        pumpMessages();
    }
};

// One stored phone book walked: what each row shows, the member list, rows
// replaced the way the entry commands replace them.
TEST_F(StoredPhoneBookTest, RowsMembersAndReplacedRows) {
    HWND list = entryListWindow(mainWindow());
    selectTreeItem(mainWindow(), View::oneTouch);
    EXPECT_EQ(shownRow(list, 0), L"01|Office|0301234|14.4K#2");
    EXPECT_EQ(shownRow(list, 1), L"02|Mail|a@b.example|#4");
    EXPECT_EQ(shownRow(list, 2), L"03||0301+|#2");
    EXPECT_EQ(shownRow(list, 3), L"04|Team||#5");
    EXPECT_EQ(shownRow(list, 4), L"05|||#12");
    EXPECT_EQ(shownRow(list, 5), L"06|PROGRAM DIAL||#2");
    saveScreenshot(mainWindow(), L"phone_book_one_touch_kinds");

    selectTreeItem(mainWindow(), View::speedDial);
    EXPECT_EQ(shownRow(list, 0), L"001|Desk|d@e.example|#8");
    EXPECT_EQ(shownRow(list, 6), L"007|PROGRAM DIAL|555|33.6K#6");
    EXPECT_EQ(shownRow(list, 11), L"012|Shop|555|33.6K#6");
    EXPECT_EQ(shownRow(list, 99), L"100|||#12");

    selectTreeItem(mainWindow(), View::group);
    EXPECT_EQ(shownRow(list, 0), L"01|Office#11");
    EXPECT_EQ(shownRow(list, 1), L"02|Mail#4");
    EXPECT_EQ(shownRow(list, 2), L"03|#11");
    EXPECT_EQ(shownRow(list, 3), L"04|Team#9");
    EXPECT_EQ(shownRow(list, 4), L"05|#12");
    EXPECT_EQ(shownRow(list, 5), L"06|PROGRAM DIAL#11");

    SCOPED_TRACE("the member list follows the selected group");
    selectTreeItem(mainWindow(), View::group);
    EXPECT_TRUE(IsWindowVisible(memberListWindow(mainWindow())));
    // Row 0 is selected by the view switch; its key holds a One Touch entry.
    EXPECT_EQ(memberRowsOf(memberListWindow(mainWindow())), L"");
    selectRow(list, 3);
    EXPECT_EQ(workspace().phoneBookLists.currentRow, 3);
    EXPECT_EQ(workspace().view.selectedRow, 3);
    EXPECT_EQ(memberRowsOf(memberListWindow(mainWindow())), L"01  Office#2 12  Shop#6 ");
    saveScreenshot(mainWindow(), L"phone_book_group_members");
    selectRow(list, 0);
    EXPECT_EQ(memberRowsOf(memberListWindow(mainWindow())), L"");
    // Outside the Group view a Group key's row leaves the member list alone.
    selectTreeItem(mainWindow(), View::oneTouch);
    selectRow(list, 3);
    EXPECT_EQ(workspace().phoneBookLists.currentRow, 3);
    EXPECT_EQ(memberRowsOf(memberListWindow(mainWindow())), L"");

    SCOPED_TRACE("a member selection withdraws the edit commands until a click in the list");
    HMENU menu = GetMenu(mainWindow());
    selectTreeItem(mainWindow(), View::group);
    selectRow(list, 3);
    EXPECT_TRUE(menuItemState(menu, IDM_COPY).enabled);
    EXPECT_TRUE(menuItemState(menu, IDM_DELETE).enabled);

    selectRow(memberListWindow(mainWindow()), 1);
    EXPECT_EQ(workspace().view.selectedRow, -1);
    EXPECT_EQ(workspace().phoneBookLists.memberListTouched, 1);
    EXPECT_EQ(workspace().phoneBookLists.currentRow, 3);
    EXPECT_TRUE(menuItemState(menu, IDM_COPY).grayed);
    EXPECT_TRUE(menuItemState(menu, IDM_CUT).grayed);
    EXPECT_TRUE(menuItemState(menu, IDM_DELETE).grayed);

    // A click on the row that is already selected changes no item, so only
    // the click makes it current again.
    clickRow(list, 3);
    EXPECT_EQ(workspace().view.selectedRow, 3);
    EXPECT_EQ(workspace().phoneBookLists.memberListTouched, 0);
    EXPECT_EQ(memberRowsOf(memberListWindow(mainWindow())), L"01  Office#2 12  Shop#6 ");
    EXPECT_TRUE(menuItemState(menu, IDM_COPY).enabled);
    EXPECT_TRUE(menuItemState(menu, IDM_DELETE).enabled);

    // Without a member selection a click is only a click.
    clickRow(list, 3);
    EXPECT_EQ(workspace().phoneBookLists.memberListTouched, 0);
    EXPECT_EQ(workspace().view.selectedRow, 3);

    SCOPED_TRACE("a replaced row returns to its numeric place");
    selectTreeItem(mainWindow(), View::speedDial);
    // How the entry commands replace a row: delete it, insert it afresh.
    for (int index : {9, 0, 99}) {
        ListView_DeleteItem(list, index);
        insertSpeedDialRow(list, workspace(), faxEntry("New", "42", 0, kEntryClassSpeedDial),
                           index);
    }
    ASSERT_EQ(ListView_GetItemCount(list), 100);
    EXPECT_EQ(shownRow(list, 0), L"001|New|42|9.6K#6");
    EXPECT_EQ(shownRow(list, 8), L"009|||#12");
    EXPECT_EQ(shownRow(list, 9), L"010|New|42|9.6K#6");
    EXPECT_EQ(shownRow(list, 10), L"011|||#12");
    EXPECT_EQ(shownRow(list, 99), L"100|New|42|9.6K#6");

    selectTreeItem(mainWindow(), View::group);
    ListView_DeleteItem(list, 3);
    insertGroupRow(list, workspace(), DialEntry{}, 3);
    EXPECT_EQ(shownRow(list, 3), L"04|#12");
    EXPECT_EQ(shownRow(list, 4), L"05|#12");
    selectTreeItem(mainWindow(), View::oneTouch);
    ListView_DeleteItem(list, 8);
    insertOneTouchRow(list, workspace(), emailEntry("Last", "z@y.example", kEntryClassOneTouch), 8);
    EXPECT_EQ(shownRow(list, 8), L"09|Last|z@y.example|#4");
}

} // namespace
