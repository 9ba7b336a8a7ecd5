#include "app/main_window_children_win.h"

#include "app/shell_backup_win.h"
#include "app/status_bar_win.h"
#include "app/status_pane_win.h"
#include "app/toolbar_win.h"
#include "app/tree_win.h"
#include "app/ui_refresh_win.h"
#include "phonebook/entry_lists_win.h"
#include "resource_ids.h"
#include "win/image_list_win.h"

#include <commctrl.h>

namespace {

constexpr int kTreeImageWidth = 16;
constexpr int kTreeImageHeight = 18;
constexpr int kTreeImageCount = 14;

void centreOnScreen(HWND window) {
    HDC screen = CreateICW(L"DISPLAY", nullptr, nullptr, nullptr);
    if (screen == nullptr)
        return;
    const int screenWidth = GetDeviceCaps(screen, HORZRES);
    const int screenHeight = GetDeviceCaps(screen, VERTRES);
    DeleteDC(screen);
    RECT frame{};
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(window, nullptr, (screenWidth - width) / 2, (screenHeight - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void destroyWindowOf(HWND& window) {
    if (window != nullptr)
        DestroyWindow(window);
    window = nullptr;
}

void destroyImageList(HIMAGELIST& images) {
    if (images != nullptr)
        ImageList_Destroy(images);
    images = nullptr;
}

} // namespace

void releaseMainWindowChildren(Shell& shell) {
    destroyWindowOf(shell.tooltip);
    destroyWindowOf(shell.toolbar);
    destroyWindowOf(shell.statusBar);
    destroyWindowOf(shell.statusPane);
    releaseStatusPaneBrush(shell);
    destroyImageList(shell.treeImages);
    destroyImageList(shell.disabledImages);
}

bool createMainWindowChildren(HWND mainWindow) {
    Shell& shell = shellOf(mainWindow);
    Workspace& workspace = *shell.workspace;
    centreOnScreen(mainWindow);
    loadShellBackup(workspace);
    shell.treeImages = loadImageStrip(IDB_TREE_IMAGES, kTreeImageWidth, kTreeImageHeight,
                                      ILC_COLOR4, kTreeImageCount);
    createToolbar(mainWindow);
    createStatusBar(mainWindow);
    createTree(mainWindow, shell.treeImages);
    if (shell.tree == nullptr ||
        !createEntryLists(mainWindow, shell.exeInstance, shell.treeImages, workspace))
        return false;
    fillTree(mainWindow);
    createStatusPane(mainWindow);
    SetFocus(shell.tree);
    workspace.view.selectedRow = -1;
    workspace.view.currentView = View::none;
    refreshUiState(mainWindow);
    return true;
}
