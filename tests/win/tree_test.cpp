#include "harness/harness.h"

#include "app/tree_win.h"
#include "app/ui_refresh_win.h"
#include "phonebook/entry_lists_win.h"
#include "resource_ids.h"

#include <commctrl.h>

#include <cstring>
#include <map>
#include <vector>

using namespace harness;

namespace {

HTREEITEM categoryItem(HWND tree, View view) {
    HTREEITEM item = TreeView_GetRoot(tree);
    const int category = static_cast<int>(view);
    if (category == 0)
        return item;
    item = TreeView_GetChild(tree, item);
    for (int n = 1; n < category && item != nullptr; ++n)
        item = TreeView_GetNextSibling(tree, item);
    return item;
}

// The screen point in the middle of an item's label.
POINT labelPoint(HWND tree, HTREEITEM item) {
    RECT label{};
    TreeView_GetItemRect(tree, item, &label, TRUE);
    POINT point{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    ClientToScreen(tree, &point);
    return point;
}

void rightClickAt(HWND mainWindow, POINT screenPoint) {
    SendMessageW(mainWindow, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(mainWindow),
                 MAKELPARAM(screenPoint.x, screenPoint.y));
}

// Reads the items of the popup menu that is open while the right-click
// runs, then closes it without choosing.
std::map<UINT, bool> poppedUpItems;
bool popupSeen = false;

void CALLBACK readOpenPopup(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND popupWindow = FindWindowW(L"#32768", nullptr);
    if (popupWindow == nullptr || !IsWindowVisible(popupWindow))
        return;
    KillTimer(nullptr, timer);
    HMENU popup = reinterpret_cast<HMENU>(SendMessageW(popupWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        const UINT id = GetMenuItemID(popup, i);
        if (id != 0 && id != static_cast<UINT>(-1))
            poppedUpItems[id] = (GetMenuState(popup, i, MF_BYPOSITION) & MF_GRAYED) == 0;
    }
    popupSeen = true;
    EndMenu();
}

std::map<UINT, bool> rootPopupItems(HWND mainWindow, HWND tree) {
    poppedUpItems.clear();
    popupSeen = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, readOpenPopup);
    rightClickAt(mainWindow, labelPoint(tree, categoryItem(tree, View::none)));
    KillTimer(nullptr, timer);
    EXPECT_TRUE(popupSeen);
    return poppedUpItems;
}

} // namespace

class Tree : public MainWindowTest {
  protected:
    void showDocument() {
        const char name[] = "Front Desk";
        std::memcpy(workspace().mirror.stationName.data(), name, sizeof(name));
        relabelTreeRoot(mainWindow());
        workspace().view.documentLoaded = 1;
        refreshUiState(mainWindow());
        EnableWindow(shell().tree, TRUE);
    }
};

TEST_F(Tree, HoldsTheMachineAndItsThreeCategories) {
    HWND tree = shell().tree;
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(GetDlgCtrlID(tree), IDC_TREE);
    EXPECT_FALSE(IsWindowEnabled(tree)); // no document yet
    const char name[] = "Office 100% Fax";
    std::memcpy(workspace().mirror.stationName.data(), name, sizeof(name));
    relabelTreeRoot(mainWindow());
    EXPECT_EQ(treeItemLines(tree), (std::vector<std::wstring>{L"Office 100% Fax", L"  One Touch",
                                                              L"  Speed Dial", L"  Group"}));
    const int images[4][2] = {{0, 1}, {2, 3}, {6, 7}, {9, 10}};
    for (int category = 0; category < 4; ++category) {
        TVITEMW item{};
        item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        item.hItem = categoryItem(tree, static_cast<View>(category));
        ASSERT_TRUE(TreeView_GetItem(tree, &item));
        EXPECT_EQ(item.iImage, images[category][0]) << category;
        EXPECT_EQ(item.iSelectedImage, images[category][1]) << category;
        EXPECT_EQ(item.lParam, category);
    }
    EXPECT_EQ(TreeView_GetImageList(tree, TVSIL_NORMAL), shell().treeImages);
    EXPECT_EQ(ImageList_GetImageCount(shell().treeImages), 14);
    int width = 0, height = 0;
    ImageList_GetIconSize(shell().treeImages, &width, &height);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 18);
}

TEST_F(Tree, SelectingCategoriesSwitchesTheView) {
    showDocument();
    selectTreeItem(mainWindow(), View::speedDial);
    EXPECT_EQ(workspace().view.currentView, View::speedDial);
    EXPECT_FALSE(IsWindowVisible(shell().statusPane));
    selectTreeItem(mainWindow(), View::group);
    EXPECT_EQ(workspace().view.currentView, View::group);
    selectTreeItem(mainWindow(), View::none);
    EXPECT_EQ(workspace().view.currentView, View::none);
    EXPECT_TRUE(IsWindowVisible(shell().statusPane));
}

TEST_F(Tree, RootPopupGraysByConnectionAndShowsTheStatusPane) {
    showDocument();
    HWND tree = shell().tree;
    selectTreeItem(mainWindow(), View::oneTouch);
    ASSERT_EQ(workspace().view.currentView, View::oneTouch);

    std::map<UINT, bool> offline = rootPopupItems(mainWindow(), tree);
    EXPECT_EQ(offline, (std::map<UINT, bool>{{IDM_CONNECT, true},
                                             {IDM_DISCONNECT, false},
                                             {IDM_TREE_DOWNLOAD, false},
                                             {IDM_TREE_UPLOAD, false},
                                             {IDM_PROPERTIES, true}}));
    // The machine's popup shows the status pane but leaves the selection on One Touch.
    EXPECT_EQ(workspace().view.currentView, View::none);
    EXPECT_TRUE(IsWindowVisible(shell().statusPane));
    EXPECT_EQ(treeSelectedText(tree), L"One Touch");

    workspace().view.connected = 1;
    std::map<UINT, bool> online = rootPopupItems(mainWindow(), tree);
    EXPECT_EQ(online, (std::map<UINT, bool>{{IDM_CONNECT, false},
                                            {IDM_DISCONNECT, true},
                                            {IDM_TREE_DOWNLOAD, true},
                                            {IDM_TREE_UPLOAD, true},
                                            {IDM_PROPERTIES, true}}));
}

TEST_F(Tree, TheViewCommandBringsBackTheListThePopupHidThoughItStaysSelected) {
    showDocument();
    HWND tree = shell().tree;
    selectTreeItem(mainWindow(), View::oneTouch);
    rootPopupItems(mainWindow(), tree);
    ASSERT_EQ(workspace().view.currentView, View::none);
    ASSERT_EQ(treeSelectedText(tree), L"One Touch");

    sendCommand(mainWindow(), IDM_VIEW_ONE_TOUCH);
    EXPECT_EQ(workspace().view.currentView, View::oneTouch);
    EXPECT_TRUE(IsWindowVisible(entryListWindow(mainWindow())));
    EXPECT_FALSE(IsWindowVisible(shell().statusPane));
    EXPECT_EQ(ListView_GetItemCount(entryListWindow(mainWindow())), 9);
    EXPECT_EQ(treeSelectedText(tree), L"One Touch");
}

TEST_F(Tree, RightClickOnACategorySendsItsViewCommand) {
    showDocument();
    HWND tree = shell().tree;
    CommandRecorder recorder(mainWindow());
    rightClickAt(mainWindow(), labelPoint(tree, categoryItem(tree, View::group)));
    rightClickAt(mainWindow(), labelPoint(tree, categoryItem(tree, View::oneTouch)));
    rightClickAt(mainWindow(), labelPoint(tree, categoryItem(tree, View::speedDial)));
    EXPECT_EQ(recorder.commands(),
              (std::vector<int>{IDM_VIEW_GROUP, IDM_VIEW_ONE_TOUCH, IDM_VIEW_SPEED_DIAL}));
}

TEST_F(Tree, RightClickOnEmptySpaceDoesNothing) {
    showDocument();
    HWND tree = shell().tree;
    selectTreeItem(mainWindow(), View::speedDial);
    RECT client{};
    GetClientRect(tree, &client);
    POINT bottom{client.right / 2, client.bottom - 3};
    ClientToScreen(tree, &bottom);
    CommandRecorder recorder(mainWindow());
    poppedUpItems.clear();
    popupSeen = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, readOpenPopup);
    rightClickAt(mainWindow(), bottom);
    pumpMessages();
    KillTimer(nullptr, timer);
    EXPECT_FALSE(popupSeen);
    EXPECT_TRUE(recorder.commands().empty());
    EXPECT_EQ(workspace().view.currentView, View::speedDial);
}

TEST_F(Tree, RightClickWithoutDocumentFallsOnTheStatusPaneNotTheHiddenTree) {
    HWND tree = shell().tree;
    ASSERT_FALSE(IsWindowVisible(tree));
    CommandRecorder recorder(mainWindow());
    popupSeen = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, readOpenPopup);
    rightClickAt(mainWindow(), labelPoint(tree, categoryItem(tree, View::oneTouch)));
    pumpMessages();
    KillTimer(nullptr, timer);
    EXPECT_FALSE(popupSeen);
    EXPECT_TRUE(recorder.commands().empty());
}
