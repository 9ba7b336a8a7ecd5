#include "app/tree_win.h"

#include "app/shell_win.h"
#include "app/ui_refresh_win.h"
#include "app/ui_state.h"
#include "phonebook/entry_lists_win.h"
#include "resource_ids.h"
#include "store/machine_charset.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

#include <array>
#include <optional>

namespace {

struct TreeItemDefinition {
    View view;
    int textStringId; // 0: the machine name
    int image;
    int selectedImage;
};

constexpr TreeItemDefinition kRootItem = {View::none, 0, 0, 1};
constexpr std::array<TreeItemDefinition, 3> kCategoryItems = {{
    {View::oneTouch, IDS_ONE_TOUCH, 2, 3},
    {View::speedDial, IDS_SPEED_DIAL, 6, 7},
    {View::group, IDS_GROUP, 9, 10},
}};

constexpr int kRootLabelCapacity = 128;

std::wstring machineNameText(const SettingsMirror& mirror) {
    return codePageToWide(machineName(mirror), static_cast<unsigned>(pcCodePage(mirror.language)));
}

HTREEITEM insertItem(HWND tree, HTREEITEM parent, const TreeItemDefinition& definition,
                     std::wstring text) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = text.data();
    insert.item.iImage = definition.image;
    insert.item.iSelectedImage = definition.selectedImage;
    insert.item.cChildren = parent == TVI_ROOT ? 1 : 0;
    insert.item.lParam = static_cast<LPARAM>(definition.view);
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

// The view an item shows, or nothing for a point off the items.
std::optional<View> viewOf(HWND tree, HTREEITEM item) {
    TVITEMW data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!TreeView_GetItem(tree, &data))
        return std::nullopt;
    return static_cast<View>(data.lParam);
}

void showView(HWND mainWindow, View view) {
    workspaceOf(mainWindow).view.currentView = view;
    // The refresh shows the panes of the new view; the lists are then rebuilt
    // for a category, and left as they were for the root.
    refreshUiState(mainWindow);
    if (view != View::none)
        showPhoneBookView(mainWindow, workspaceOf(mainWindow), view);
    layoutMainWindow(mainWindow);
}

void showRootPopup(HWND mainWindow, POINT screenPoint) {
    HMENU menu = LoadMenuW(resourceModule(), MAKEINTRESOURCEW(IDR_TREE_ROOT_MENU));
    if (menu == nullptr)
        return;
    HMENU popup = GetSubMenu(menu, 0);
    Workspace& workspace = workspaceOf(mainWindow);
    // Right-clicking the machine shows its state without moving the selection.
    workspace.view.currentView = View::none;
    refreshUiState(mainWindow);
    for (const CommandState& state : treeRootPopupStates(workspace.view.connected))
        EnableMenuItem(popup, state.commandId,
                       MF_BYCOMMAND | (state.enabled ? MF_ENABLED : MF_GRAYED));
    SetForegroundWindow(mainWindow);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, mainWindow, nullptr);
    DestroyMenu(menu);
}

} // namespace

HWND createTree(HWND mainWindow, HIMAGELIST images) {
    Shell& shell = shellOf(mainWindow);
    shell.tree = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS |
                                     TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                                 0, 0, 0, 0, mainWindow,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TREE)),
                                 shell.exeInstance, nullptr);
    if (shell.tree != nullptr)
        TreeView_SetImageList(shell.tree, images, TVSIL_NORMAL);
    return shell.tree;
}

void fillTree(HWND mainWindow) {
    const Shell& shell = shellOf(mainWindow);
    HWND tree = shell.tree;
    TreeView_DeleteAllItems(tree);
    TreeView_SetImageList(tree, shell.treeImages, TVSIL_NORMAL);
    HTREEITEM root = insertItem(tree, TVI_ROOT, kRootItem, machineNameText(shell.workspace->mirror));
    for (const TreeItemDefinition& item : kCategoryItems)
        insertItem(tree, root, item, loadString(item.textStringId));
    // The categories are what the user comes for: show them from the start.
    TreeView_Expand(tree, root, TVE_EXPAND);
    EnableWindow(tree, shell.workspace->view.documentLoaded);
}

void relabelTreeRoot(HWND mainWindow) {
    const Shell& shell = shellOf(mainWindow);
    HTREEITEM root = TreeView_GetRoot(shell.tree);
    if (root == nullptr)
        return;
    // Set as plain item text: a "%" in the name is shown as it is.
    std::wstring name = machineNameText(shell.workspace->mirror).substr(0, kRootLabelCapacity);
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = root;
    item.pszText = name.data();
    TreeView_SetItem(shell.tree, &item);
}

void selectTreeItem(HWND mainWindow, View view) {
    HWND tree = shellOf(mainWindow).tree;
    HTREEITEM item = TreeView_GetRoot(tree);
    if (view != View::none) {
        // The categories follow each other under the root in table order.
        item = TreeView_GetChild(tree, item);
        for (auto category = kCategoryItems.begin();
             item != nullptr && category != kCategoryItems.end() && category->view != view;
             ++category)
            item = TreeView_GetNextSibling(tree, item);
    }
    if (item == nullptr)
        return;
    // The machine's popup shows the status pane while a category stays
    // selected; selecting that category again then brings its list back,
    // although the tree reports no change of selection.
    if (item == TreeView_GetSelection(tree) && workspaceOf(mainWindow).view.currentView != view) {
        showView(mainWindow, view);
        return;
    }
    TreeView_SelectItem(tree, item);
}

void onTreeNotify(HWND mainWindow, const NMHDR& header) {
    if (header.code == TVN_SELCHANGEDW) {
        const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
        showView(mainWindow, static_cast<View>(change.itemNew.lParam));
    }
}

void showTreePopup(HWND tree, POINT screenPoint) {
    TVHITTESTINFO hit{};
    hit.pt = screenPoint;
    ScreenToClient(tree, &hit.pt);
    HTREEITEM item = TreeView_HitTest(tree, &hit);
    if (item == nullptr ||
        (hit.flags & (TVHT_ONITEMLABEL | TVHT_ONITEMICON | TVHT_ONITEMSTATEICON)) == 0)
        return;
    HWND mainWindow = GetParent(tree);
    const std::optional<View> view = viewOf(tree, item);
    if (view == View::none)
        showRootPopup(mainWindow, screenPoint);
    else if (view && viewCommandOf(*view) != 0)
        // A right-click on a category does what the View menu does.
        SendMessageW(mainWindow, WM_COMMAND, viewCommandOf(*view), 0);
}
