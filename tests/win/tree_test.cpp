#include "phone_book_window_test.h"

#include "resource_ids.h"

#include <commctrl.h>

#include <cstring>
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

std::optional<PopupItems> rightClickAt(HWND mainWindow, POINT screenPoint) {
    return popupDuring([&] {
        SendMessageW(mainWindow, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(mainWindow),
                     MAKELPARAM(screenPoint.x, screenPoint.y));
    });
}

PopupItems connectionItems(bool connected) {
    return {{IDM_CONNECT, !connected},
            {IDM_DISCONNECT, connected},
            {IDM_TREE_DOWNLOAD, connected},
            {IDM_TREE_UPLOAD, connected},
            {IDM_PROPERTIES, true}};
}

} // namespace

class Tree : public OpenedDocumentTest {
  protected:
    void showDocument() {
        const char name[] = "Front Desk";
        std::memcpy(workspace().mirror.stationName.data(), name, sizeof(name));
        relabelTreeRoot(mainWindow());
        openDocument();
    }
};

TEST_F(Tree, HoldsTheMachineAndItsCategoriesAndARightClickSendsTheirViewCommand) {
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

    {
        SCOPED_TRACE("without a document it falls on the status pane, not the hidden tree");
        ASSERT_FALSE(IsWindowVisible(tree));
        CommandRecorder recorder(mainWindow());
        EXPECT_FALSE(
            rightClickAt(mainWindow(), labelPoint(tree, categoryItem(tree, View::oneTouch))));
        EXPECT_TRUE(recorder.commands().empty());
    }
    showDocument();
    {
        SCOPED_TRACE("empty space below the items");
        selectTreeItem(mainWindow(), View::speedDial);
        RECT client{};
        GetClientRect(tree, &client);
        POINT bottom{client.right / 2, client.bottom - 3};
        ClientToScreen(tree, &bottom);
        CommandRecorder recorder(mainWindow());
        EXPECT_FALSE(rightClickAt(mainWindow(), bottom));
        EXPECT_TRUE(recorder.commands().empty());
        EXPECT_EQ(workspace().view.currentView, View::speedDial);
    }
    SCOPED_TRACE("a category sends its view command");
    CommandRecorder recorder(mainWindow());
    for (View view : {View::group, View::oneTouch, View::speedDial})
        rightClickAt(mainWindow(), labelPoint(tree, categoryItem(tree, view)));
    EXPECT_EQ(recorder.commands(),
              (std::vector<int>{IDM_VIEW_GROUP, IDM_VIEW_ONE_TOUCH, IDM_VIEW_SPEED_DIAL}));
}

TEST_F(Tree, CategoriesSwitchTheViewAndTheRootPopupShowsTheStatusPane) {
    showDocument();
    HWND tree = shell().tree;
    for (View view : {View::speedDial, View::group, View::none, View::oneTouch}) {
        SCOPED_TRACE(static_cast<int>(view));
        selectTreeItem(mainWindow(), view);
        EXPECT_EQ(workspace().view.currentView, view);
        EXPECT_EQ(IsWindowVisible(shell().statusPane) != FALSE, view == View::none);
    }
    {
        SCOPED_TRACE("offline root popup");
        EXPECT_EQ(rightClickAt(mainWindow(), labelPoint(tree, categoryItem(tree, View::none))),
                  connectionItems(false));
        // The machine's popup shows the status pane but leaves the selection on One Touch.
        EXPECT_EQ(workspace().view.currentView, View::none);
        EXPECT_TRUE(IsWindowVisible(shell().statusPane));
        EXPECT_EQ(treeSelectedText(tree), L"One Touch");
    }
    {
        SCOPED_TRACE("the View command brings back the list the popup hid");
        sendCommand(mainWindow(), IDM_VIEW_ONE_TOUCH);
        EXPECT_EQ(workspace().view.currentView, View::oneTouch);
        EXPECT_TRUE(IsWindowVisible(entryListWindow(mainWindow())));
        EXPECT_FALSE(IsWindowVisible(shell().statusPane));
        EXPECT_EQ(ListView_GetItemCount(entryListWindow(mainWindow())), 9);
        EXPECT_EQ(treeSelectedText(tree), L"One Touch");
    }
    SCOPED_TRACE("online root popup");
    workspace().view.connected = 1;
    EXPECT_EQ(rightClickAt(mainWindow(), labelPoint(tree, categoryItem(tree, View::none))),
              connectionItems(true));
}
