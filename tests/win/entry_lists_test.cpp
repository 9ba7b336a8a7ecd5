#include "app/shell_win.h"
#include "app/ui_refresh_win.h"
#include "phonebook/entry_lists_win.h"
#include "resource_ids.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// A bare parent window that routes the lists' notifications the way the main
// window does, so the lists run against Wine's real controls.
LRESULT CALLBACK parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->idFrom == IDC_ENTRY_LIST)
            return onEntryListNotify(window, header);
        if (header->idFrom == IDC_MEMBER_LIST)
            return onMemberListNotify(window, header);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class EntryListsTest : public testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = parentProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = L"ZeltListParent";
        RegisterClassW(&windowClass);

        workspace.startup.oneTouchKeyCount = 9;
        workspace.startup.groupCount = 9;
        initStore(workspace.store);
        unpackStore(workspace.store, workspace.mirror);
        Shell& shell = theShell();
        shell.exeInstance = instance;
        shell.resourceModule = instance;
        shell.workspace = &workspace;

        parent = CreateWindowW(L"ZeltListParent", L"lists", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600,
                               nullptr, nullptr, instance, nullptr);
        ASSERT_NE(parent, nullptr);
        shell.mainWindow = parent;
        images = ImageList_Create(16, 18, ILC_COLOR4, 14, 0);
        createEntryLists(parent, images);
        ASSERT_NE(entryListWindow(), nullptr);
        ASSERT_NE(memberListWindow(), nullptr);
    }

    // What an Open does for the lists: the document is loaded and the
    // interface refresh shows them.
    void openDocument() {
        workspace.view.documentLoaded = 1;
        refreshUiState(parent);
    }

    void TearDown() override {
        destroyEntryLists();
        EXPECT_EQ(entryListWindow(), nullptr);
        EXPECT_EQ(memberListWindow(), nullptr);
        DestroyWindow(parent);
        theShell().mainWindow = nullptr;
        // The lists share the image list: it must survive them.
        EXPECT_TRUE(ImageList_Destroy(images));
        theShell().workspace = nullptr;
    }

    // What the tree does when the user picks a category.
    void selectView(int view) {
        workspace.view.currentView = view;
        refreshUiState(parent);
        showPhoneBookView(parent, view);
        layoutMainWindow(parent);
    }

    Workspace workspace;
    HWND parent = nullptr;
    HIMAGELIST images = nullptr;
};

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

// Every row as "text|text|...#image", the way a user reads the list.
std::wstring shownRow(HWND list, int row) {
    std::wstring shown;
    int columns = Header_GetItemCount(ListView_GetHeader(list));
    for (int column = 0; column < columns; ++column)
        shown += (column ? L"|" : L"") + cellText(list, row, column);
    return shown + L"#" + std::to_wstring(rowImage(list, row));
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

TEST_F(EntryListsTest, StartsWithTheOneTouchColumnsDisabledAndAHiddenMemberList) {
    HWND list = entryListWindow();
    EXPECT_EQ(columnTitles(list), L"NO./50 Name/100 Address/140 Speed/80 ");
    EXPECT_EQ(ListView_GetItemCount(list), 9);
    EXPECT_FALSE(IsWindowEnabled(list));
    EXPECT_EQ(GetDlgCtrlID(list), IDC_ENTRY_LIST);
    EXPECT_EQ(GetDlgCtrlID(memberListWindow()), IDC_MEMBER_LIST);
    EXPECT_FALSE(IsWindowVisible(memberListWindow()));
    EXPECT_EQ(columnTitles(memberListWindow()), L"Group Item(s)/150 ");
    EXPECT_EQ(ListView_GetImageList(list, LVSIL_SMALL), images);
    LONG_PTR style = GetWindowLongPtrW(list, GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_SORTASCENDING);
    EXPECT_TRUE(style & LVS_SHAREIMAGELISTS);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_TRUE(GetWindowLongPtrW(ListView_GetHeader(list), GWL_STYLE) & HDS_BUTTONS);
    DWORD extended = ListView_GetExtendedListViewStyle(list);
    EXPECT_TRUE(extended & LVS_EX_GRIDLINES);
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
    EXPECT_FALSE(GetWindowLongPtrW(memberListWindow(), GWL_STYLE) & LVS_SORTASCENDING);
}

TEST_F(EntryListsTest, FreshStoreShowsEmptyRowsInEveryView) {
    openDocument();
    HWND list = entryListWindow();
    struct Expected {
        int view;
        int rows;
        const wchar_t* first;
        const wchar_t* last;
    };
    for (Expected expected : {Expected{1, 9, L"01", L"09"}, Expected{2, 100, L"001", L"100"},
                              Expected{3, 9, L"01", L"09"}}) {
        SCOPED_TRACE(expected.view);
        selectView(expected.view);
        ASSERT_EQ(ListView_GetItemCount(list), expected.rows);
        EXPECT_EQ(cellText(list, 0, 0), expected.first);
        EXPECT_EQ(cellText(list, expected.rows - 1, 0), expected.last);
        for (int row = 0; row < expected.rows; ++row) {
            EXPECT_EQ(rowImage(list, row), 12);
            EXPECT_EQ(cellText(list, row, 1), L"");
        }
    }
}

TEST_F(EntryListsTest, ColumnSetsFollowTheViews) {
    openDocument();
    HWND list = entryListWindow();
    const wchar_t* four = L"NO./50 Name/100 Address/140 Speed/80 ";
    const wchar_t* two = L"NO./50 Name/100 ";
    selectView(2);
    EXPECT_EQ(columnTitles(list), four);
    selectView(3);
    EXPECT_EQ(columnTitles(list), two);
    selectView(3);
    EXPECT_EQ(columnTitles(list), two);
    EXPECT_EQ(workspace.phoneBookLists.columnView, 3);
    selectView(1);
    EXPECT_EQ(columnTitles(list), four);
    selectView(1);
    EXPECT_EQ(columnTitles(list), four);
    EXPECT_EQ(workspace.phoneBookLists.columnView, 1);
}

TEST_F(EntryListsTest, SelectingARowMakesItCurrent) {
    openDocument();
    HWND list = entryListWindow();
    selectView(2);
    EXPECT_EQ(currentRow(), 0);
    EXPECT_EQ(workspace.view.selectedRow, 0);
    selectRow(list, 41);
    EXPECT_EQ(currentRow(), 41);
    EXPECT_EQ(workspace.view.selectedRow, 41);
}

// A phone book as the register dialogs would leave it.
class StoredPhoneBookTest : public EntryListsTest {
  protected:
    void SetUp() override {
        EntryListsTest::SetUp();
        registerOneTouch(fax("Office", "0301234", 1), 0);
        registerOneTouch(email("Mail", "a@b.example"), 1);
        DialEntry combination = fax("", "0301+", 0);
        combination.detailsWithheld = 1;
        registerOneTouch(combination, 2);
        DialEntry group;
        group.used = 1;
        group.entryClass = kEntryClassGroup;
        group.highFlag = 1;
        setFieldText(group.name, "Team");
        group.memberCount = 2;
        group.members[0] = {kMemberKindOneTouch, 0};
        group.members[1] = {kMemberKindSpeedDial, 11};
        encodeGroup(workspace.mirror, group, 3);
        // The machine marks its program-dial keys itself; no dialog writes one.
        workspace.mirror.oneTouchTable[5][kEntryFlagsByte] = kFlagOneTouch | kFlagProgramDial;

        DialEntry shop = fax("Shop", "555", 2);
        shop.entryClass = kEntryClassSpeedDial;
        encodeSpeedDial(workspace.mirror, workspace.store, shop, 11);
        DialEntry desk = email("Desk", "d@e.example");
        desk.entryClass = kEntryClassSpeedDial;
        encodeSpeedDial(workspace.mirror, workspace.store, desk, 0);
        encodeSpeedDial(workspace.mirror, workspace.store, shop, 6);
        workspace.mirror.speedDialTable[6][kEntryFlagsByte] |= kFlagProgramDial;
        openDocument();
    }

    static DialEntry fax(const char* name, const char* number, uint8_t speed) {
        DialEntry entry;
        entry.used = 1;
        entry.entryClass = kEntryClassOneTouch;
        setFieldText(entry.name, name);
        setFieldText(entry.faxNumber, number);
        entry.speedIndex = speed;
        return entry;
    }
    static DialEntry email(const char* name, const char* address) {
        DialEntry entry;
        entry.used = 1;
        entry.isEmail = 1;
        entry.entryClass = kEntryClassOneTouch;
        setFieldText(entry.name, name);
        setFieldText(entry.emailAddress, address);
        return entry;
    }
    void registerOneTouch(DialEntry entry, int index) {
        encodeOneTouch(workspace.mirror, workspace.store, entry, index);
    }

    std::wstring memberRows() {
        std::wstring shown;
        HWND list = memberListWindow();
        for (int row = 0; row < ListView_GetItemCount(list); ++row)
            shown += cellText(list, row, 0) + L"#" + std::to_wstring(rowImage(list, row)) + L" ";
        return shown;
    }
};

TEST_F(StoredPhoneBookTest, RowsShowWhatEachEntryHolds) {
    HWND list = entryListWindow();
    selectView(1);
    EXPECT_EQ(shownRow(list, 0), L"01|Office|0301234|14.4K#2");
    EXPECT_EQ(shownRow(list, 1), L"02|Mail|a@b.example|#4");
    EXPECT_EQ(shownRow(list, 2), L"03||0301+|#2");
    EXPECT_EQ(shownRow(list, 3), L"04|Team||#5");
    EXPECT_EQ(shownRow(list, 4), L"05|||#12");
    EXPECT_EQ(shownRow(list, 5), L"06|PROGRAM DIAL||#2");

    selectView(2);
    EXPECT_EQ(shownRow(list, 0), L"001|Desk|d@e.example|#8");
    EXPECT_EQ(shownRow(list, 6), L"007|PROGRAM DIAL|555|33.6K#6");
    EXPECT_EQ(shownRow(list, 11), L"012|Shop|555|33.6K#6");
    EXPECT_EQ(shownRow(list, 99), L"100|||#12");

    selectView(3);
    EXPECT_EQ(shownRow(list, 0), L"01|Office#11");
    EXPECT_EQ(shownRow(list, 1), L"02|Mail#4");
    EXPECT_EQ(shownRow(list, 2), L"03|#11");
    EXPECT_EQ(shownRow(list, 3), L"04|Team#9");
    EXPECT_EQ(shownRow(list, 5), L"06|PROGRAM DIAL#11");
    EXPECT_EQ(shownRow(list, 4), L"05|#12");
}

TEST_F(StoredPhoneBookTest, MemberListFollowsTheSelectedGroup) {
    HWND list = entryListWindow();
    selectView(3);
    // The test's parent window is never shown, so the style tells.
    EXPECT_TRUE(GetWindowLongPtrW(memberListWindow(), GWL_STYLE) & WS_VISIBLE);
    // Row 0 is selected by the view switch; its key holds a One Touch entry.
    EXPECT_EQ(memberRows(), L"");
    selectRow(list, 3);
    EXPECT_EQ(currentRow(), 3);
    EXPECT_EQ(workspace.view.selectedRow, 3);
    EXPECT_EQ(memberRows(), L"01  Office#2 12  Shop#6 ");
    selectRow(list, 0);
    EXPECT_EQ(memberRows(), L"");
    // Outside the Group view a Group key's row leaves the member list alone.
    selectView(1);
    selectRow(list, 3);
    EXPECT_EQ(currentRow(), 3);
    EXPECT_EQ(memberRows(), L"");
}

TEST_F(StoredPhoneBookTest, MemberSelectionHoldsUntilAClickInTheEntryList) {
    HWND list = entryListWindow();
    selectView(3);
    selectRow(list, 3);
    selectRow(memberListWindow(), 1);
    EXPECT_EQ(workspace.view.selectedRow, -1);
    EXPECT_EQ(workspace.phoneBookLists.memberListTouched, 1);
    EXPECT_EQ(currentRow(), 3);

    // A click on the row that is already selected changes no item, so only
    // the click makes it current again.
    RECT bounds{};
    ListView_GetItemRect(list, 3, &bounds, LVIR_LABEL);
    LPARAM point = MAKELPARAM((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    PostMessageW(list, WM_LBUTTONUP, 0, point);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    EXPECT_EQ(workspace.view.selectedRow, 3);
    EXPECT_EQ(workspace.phoneBookLists.memberListTouched, 0);
    EXPECT_EQ(memberRows(), L"01  Office#2 12  Shop#6 ");
}

TEST_F(StoredPhoneBookTest, AReplacedRowReturnsToItsNumericPlace) {
    HWND list = entryListWindow();
    selectView(2);
    // How the entry commands replace a row: delete it, insert it afresh.
    for (int index : {9, 0, 99}) {
        ListView_DeleteItem(list, index);
        DialEntry entry = fax("New", "42", 0);
        entry.entryClass = kEntryClassSpeedDial;
        insertSpeedDialRow(list, entry, index);
    }
    ASSERT_EQ(ListView_GetItemCount(list), 100);
    EXPECT_EQ(shownRow(list, 0), L"001|New|42|9.6K#6");
    EXPECT_EQ(shownRow(list, 8), L"009|||#12");
    EXPECT_EQ(shownRow(list, 9), L"010|New|42|9.6K#6");
    EXPECT_EQ(shownRow(list, 10), L"011|||#12");
    EXPECT_EQ(shownRow(list, 99), L"100|New|42|9.6K#6");

    selectView(3);
    ListView_DeleteItem(list, 3);
    insertGroupRow(list, DialEntry{}, 3);
    EXPECT_EQ(shownRow(list, 3), L"04|#12");
    EXPECT_EQ(shownRow(list, 4), L"05|#12");
    selectView(1);
    ListView_DeleteItem(list, 8);
    insertOneTouchRow(list, email("Last", "z@y.example"), 8);
    EXPECT_EQ(shownRow(list, 8), L"09|Last|z@y.example|#4");
}

TEST_F(EntryListsTest, NamesAreShownInTheCodePageOfTheDisplayLanguage) {
    openDocument();
    DialEntry entry;
    entry.used = 1;
    entry.entryClass = kEntryClassSpeedDial;
    setFieldText(entry.name, "M\xfcller");
    setFieldText(entry.faxNumber, "1");
    encodeSpeedDial(workspace.mirror, workspace.store, entry, 0);
    selectView(2);
    EXPECT_EQ(cellText(entryListWindow(), 0, 1), L"M\u00fcller");

    workspace.mirror.language = 6;
    // Letters that the machine mapping carries both ways.
    setFieldText(entry.name, "\xc1\xe1\xeb");
    encodeSpeedDial(workspace.mirror, workspace.store, entry, 0);
    selectView(2);
    EXPECT_EQ(cellText(entryListWindow(), 0, 1), L"\u0411\u0431\u043b");
}

} // namespace
