#include "app/shell_win.h"
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
        Shell& shell = theShell();
        shell.exeInstance = instance;
        shell.resourceModule = instance;
        shell.workspace = &workspace;

        parent = CreateWindowW(L"ZeltListParent", L"lists", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600,
                               nullptr, nullptr, instance, nullptr);
        ASSERT_NE(parent, nullptr);
        images = ImageList_Create(16, 18, ILC_COLOR4, 14, 0);
        createEntryLists(parent, images);
        ASSERT_NE(entryListWindow(), nullptr);
        ASSERT_NE(memberListWindow(), nullptr);
        MoveWindow(entryListWindow(), 0, 0, 400, 500, FALSE);
        MoveWindow(memberListWindow(), 400, 0, 300, 500, FALSE);
    }

    void TearDown() override {
        destroyEntryLists();
        EXPECT_EQ(entryListWindow(), nullptr);
        DestroyWindow(parent);
        // The lists share the image list: it must survive them.
        EXPECT_TRUE(ImageList_Destroy(images));
        theShell().workspace = nullptr;
    }

    // What the tree does when the user picks a category.
    void selectView(int view) {
        workspace.view.currentView = view;
        ShowWindow(memberListWindow(), view == 3 ? SW_SHOW : SW_HIDE);
        showPhoneBookView(parent, view);
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
    DWORD extended = ListView_GetExtendedListViewStyle(list);
    EXPECT_TRUE(extended & LVS_EX_GRIDLINES);
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
    EXPECT_FALSE(GetWindowLongPtrW(memberListWindow(), GWL_STYLE) & LVS_SORTASCENDING);
}

TEST_F(EntryListsTest, FreshStoreShowsEmptyRowsInEveryView) {
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

TEST_F(EntryListsTest, SelectionMakesTheRowCurrentUntilTheMemberListTakesIt) {
    HWND list = entryListWindow();
    selectView(2);
    EXPECT_EQ(currentRow(), 0);
    EXPECT_EQ(workspace.view.selectedRow, 0);
    UINT selected = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list, 41, selected, selected);
    EXPECT_EQ(currentRow(), 41);
    EXPECT_EQ(workspace.view.selectedRow, 41);
}

} // namespace
