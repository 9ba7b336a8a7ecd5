#include "app/tree_win.h"

#include "app/shell_win.h"
#include "app/ui_refresh_win.h"
#include "app/ui_state.h"
#include "phonebook/entry_lists_win.h"
#include "resource_ids.h"
#include "store/entry_text.h"
#include "win/win_text_win.h"

#include <array>

namespace {

struct TreeItemDefinition {
    TreeCategory category;
    int textStringId; // 0: the machine name
    int image;
    int selectedImage;
};

constexpr TreeItemDefinition kRootItem = {kTreeRoot, 0, 0, 1};
constexpr std::array<TreeItemDefinition, 3> kCategoryItems = {{
    {kTreeOneTouch, IDS_ONE_TOUCH, 2, 3},
    {kTreeSpeedDial, IDS_SPEED_DIAL, 6, 7},
    {kTreeGroup, IDS_GROUP, 9, 10},
}};

// The commands a right-click on a category sends: the same as the View menu.
constexpr std::array<int, 4> kViewCommandOfCategory = {0, IDM_VIEW_ONE_TOUCH, IDM_VIEW_SPEED_DIAL,
                                                       IDM_VIEW_GROUP};

constexpr int kRootLabelCapacity = 128;

std::wstring machineNameText() {
    const SettingsMirror& mirror = theShell().workspace->mirror;
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
    insert.item.lParam = definition.category;
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

int categoryOf(HWND tree, HTREEITEM item) {
    TVITEMW data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!TreeView_GetItem(tree, &data))
        return -1;
    return static_cast<int>(data.lParam);
}

void showCategory(HWND mainWindow, int category) {
    Workspace& workspace = *theShell().workspace;
    workspace.view.currentView = category;
    // The refresh shows the panes of the new view; the lists are then rebuilt
    // for a category, and left as they were for the root.
    refreshUiState(mainWindow);
    if (category != kTreeRoot)
        showPhoneBookView(mainWindow, category);
    layoutMainWindow(mainWindow);
}

void onSelectionChanged(HWND mainWindow, const NMTREEVIEWW& change) {
    showCategory(mainWindow, static_cast<int>(change.itemNew.lParam));
}

void showRootPopup(HWND mainWindow, POINT screenPoint) {
    const Shell& shell = theShell();
    HMENU menu = LoadMenuW(shell.resourceModule, MAKEINTRESOURCEW(IDR_TREE_ROOT_MENU));
    if (menu == nullptr)
        return;
    HMENU popup = GetSubMenu(menu, 0);
    // Right-clicking the machine shows its state without moving the selection.
    shell.workspace->view.currentView = kTreeRoot;
    refreshUiState(mainWindow);
    for (const CommandState& state : treeRootPopupStates(shell.workspace->view.connected))
        EnableMenuItem(popup, state.commandId,
                       MF_BYCOMMAND | (state.enabled ? MF_ENABLED : MF_GRAYED));
    SetForegroundWindow(mainWindow);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, mainWindow, nullptr);
    DestroyMenu(menu);
}

} // namespace

HWND createTree(HWND mainWindow, HIMAGELIST images) {
    Shell& shell = theShell();
    shell.tree = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS |
                                     TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                                 0, 0, 0, 0, mainWindow,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TREE)),
                                 shell.resourceModule, nullptr);
    if (shell.tree != nullptr)
        TreeView_SetImageList(shell.tree, images, TVSIL_NORMAL);
    return shell.tree;
}

void fillTree(HWND tree) {
    const Shell& shell = theShell();
    TreeView_DeleteAllItems(tree);
    TreeView_SetImageList(tree, shell.treeImages, TVSIL_NORMAL);
    HTREEITEM root = insertItem(tree, TVI_ROOT, kRootItem, machineNameText());
    for (const TreeItemDefinition& item : kCategoryItems)
        insertItem(tree, root, item, loadResourceString(shell.resourceModule, item.textStringId));
    // The categories are what the user comes for: show them from the start.
    TreeView_Expand(tree, root, TVE_EXPAND);
    EnableWindow(tree, shell.workspace->view.documentLoaded == 1);
}

void relabelTreeRoot(HWND) {
    HWND tree = theShell().tree;
    HTREEITEM root = TreeView_GetRoot(tree);
    if (root == nullptr)
        return;
    // Set as plain item text: a "%" in the name is shown as it is.
    std::wstring name = machineNameText().substr(0, kRootLabelCapacity);
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = root;
    item.pszText = name.data();
    TreeView_SetItem(tree, &item);
}

void selectTreeItem(int category) {
    HWND tree = theShell().tree;
    HTREEITEM item = TreeView_GetRoot(tree);
    if (category > kTreeRoot)
        item = TreeView_GetChild(tree, item);
    for (int n = kTreeOneTouch; n < category && item != nullptr; ++n)
        item = TreeView_GetNextSibling(tree, item);
    if (item == nullptr)
        return;
    // The machine's popup shows the status pane while a category stays
    // selected; selecting that category again then brings its list back,
    // although the tree reports no change of selection.
    if (item == TreeView_GetSelection(tree) && theShell().workspace->view.currentView != category) {
        showCategory(GetParent(tree), category);
        return;
    }
    TreeView_SelectItem(tree, item);
}

LRESULT onTreeNotify(HWND mainWindow, NMHDR* header) {
    if (header->code == TVN_SELCHANGEDW)
        onSelectionChanged(mainWindow, *reinterpret_cast<NMTREEVIEWW*>(header));
    return 0;
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
    const int category = categoryOf(tree, item);
    if (category == kTreeRoot)
        showRootPopup(mainWindow, screenPoint);
    else if (category > kTreeRoot && category < static_cast<int>(kViewCommandOfCategory.size()))
        SendMessageW(mainWindow, WM_COMMAND, kViewCommandOfCategory[category], 0);
}
