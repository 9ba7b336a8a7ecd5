// The harness drives real Wine controls; these tests prove its message-box
// answers and its readers against windows whose content the test itself
// makes. Driving dialogs and property sheets step by step is proven by the
// program's own dialogs (the register dialog's refusals, the settings sheet).
#include "harness/harness.h"

#include <commctrl.h>

#include <gtest/gtest-spi.h>

#include <string>
#include <vector>

using namespace harness;

TEST(Harness, AnswersAMessageBoxAndRecordsWhatItSaid) {
    ModalScript script;
    const MessageBoxRecord& box = script.answerMessageBox(IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, L"Save the changes?", L"Local Setup - Zelt", MB_YESNOCANCEL),
              IDNO);
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.caption, L"Local Setup - Zelt");
    EXPECT_EQ(box.text, L"Save the changes?");
    EXPECT_TRUE(script.finished());
}

TEST(Harness, AModalWindowNoStepExpectsFailsTheTestInsteadOfHangingIt) {
    EXPECT_NONFATAL_FAILURE(MessageBoxW(nullptr, L"Nobody expects this", L"Surprise", MB_OK),
                            "Nobody expects this");
}

TEST(Harness, ReadsMenuListTreeAndStatusBarState) {
    HWND host = CreateWindowExW(0, L"STATIC", L"Host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_NE(host, nullptr);

    HMENU menu = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 807, L"&Open");
    AppendMenuW(file, MF_STRING | MF_GRAYED, 808, L"&Save");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING | MF_CHECKED, 809, L"Save &As");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    EXPECT_EQ(menuItemTexts(file),
              (std::vector<std::wstring>{L"&Open", L"&Save", L"", L"Save &As"}));
    MenuItemState open = menuItemState(menu, 807);
    MenuItemState save = menuItemState(menu, 808);
    EXPECT_TRUE(open.exists && open.enabled && !open.grayed && !open.checked);
    EXPECT_TRUE(save.exists && !save.enabled && save.grayed);
    EXPECT_EQ(save.text, L"&Save");
    EXPECT_TRUE(menuItemState(menu, 809).checked);
    EXPECT_FALSE(menuItemState(menu, 999).exists);
    DestroyMenu(menu);

    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 0, 200, 100, host,
                                nullptr, nullptr, nullptr);
    LVCOLUMNW column = {LVCF_TEXT | LVCF_WIDTH, 0, 80};
    for (int i = 0; i < 2; ++i)
        ListView_InsertColumn(list, i, &column);
    for (int row = 0; row < 2; ++row) {
        std::wstring name = L"Name " + std::to_wstring(row);
        LVITEMW item = {LVIF_TEXT, row, 0};
        item.pszText = name.data();
        ListView_InsertItem(list, &item);
        std::wstring number = std::to_wstring(100 + row);
        ListView_SetItemText(list, row, 1, number.data());
    }
    ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(listViewRows(list),
              (std::vector<std::vector<std::wstring>>{{L"Name 0", L"100"}, {L"Name 1", L"101"}}));
    EXPECT_EQ(listViewSelectedRow(list), 1);

    HWND tree = CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD, 0, 0, 200, 100, host, nullptr,
                                nullptr, nullptr);
    auto insert = [tree](HTREEITEM parent, const wchar_t* text) {
        TVINSERTSTRUCTW insertion = {};
        insertion.hParent = parent;
        insertion.hInsertAfter = TVI_LAST;
        insertion.item.mask = TVIF_TEXT;
        insertion.item.pszText = const_cast<wchar_t*>(text);
        return TreeView_InsertItem(tree, &insertion);
    };
    HTREEITEM root = insert(TVI_ROOT, L"Machine");
    insert(root, L"One Touch");
    HTREEITEM speedDial = insert(root, L"Speed Dial");
    TreeView_SelectItem(tree, speedDial);
    EXPECT_EQ(treeItemLines(tree),
              (std::vector<std::wstring>{L"Machine", L"  One Touch", L"  Speed Dial"}));
    EXPECT_EQ(treeSelectedText(tree), L"Speed Dial");

    HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD, 0, 0, 0, 0, host, nullptr,
                                  nullptr, nullptr);
    int edges[] = {100, 150, -1};
    SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
    SendMessageW(status, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(L"NUM"));
    EXPECT_EQ(statusBarParts(status), (std::vector<std::wstring>{L"Ready", L"", L"NUM"}));

    EXPECT_EQ(findChild(host, WC_TREEVIEWW), tree);
    EXPECT_EQ(findChild(host, STATUSCLASSNAMEW), status);
    EXPECT_EQ(findChild(host, WC_LISTVIEWW, 1), nullptr);
    DestroyWindow(host);
}
