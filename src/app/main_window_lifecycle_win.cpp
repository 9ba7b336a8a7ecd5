#include "app/main_window_lifecycle_win.h"

#include "app/image_list_win.h"
#include "app/main_window_win.h"
#include "app/shell_backup_win.h"
#include "app/shell_messages_win.h"
#include "app/shell_win.h"
#include "app/shutdown.h"
#include "app/status_bar_win.h"
#include "app/status_pane_win.h"
#include "app/toolbar_win.h"
#include "app/tree_win.h"
#include "app/ui_refresh_win.h"
#include "link/link_channels.h"
#include "link/remote_mode.h"
#include "phonebook/entry_lists_win.h"
#include "resource_ids.h"
#include "store/data_file.h"
#include "store/settings_mirror.h"
#include "win/win_text_win.h"

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

void loadBackup(Workspace& workspace) {
    initStore(workspace.store);
    workspace.mirror.oneTouchTable = {};
    workspace.mirror.speedDialTable = {};
    // A missing or unreadable backup leaves the freshly initialised image.
    readDataFile(shellBackupPath(workspace), workspace.store);
    unpackStore(workspace.store, workspace.mirror);
    // The image of the last run is the starting content, but the window
    // starts without a loaded document.
    workspace.view.documentLoaded = 0;
    workspace.treePaneWidth = 0;
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

SaveAnswer askToSave(HWND mainWindow, const Workspace& workspace) {
    const Shell& shell = theShell();
    const std::string question = saveQuestionText(
        wideToUtf8(loadResourceString(shell.resourceModule, IDS_SAVE_CHANGES_QUESTION)),
        workspace.currentFilePath);
    const std::wstring caption = loadResourceString(shell.resourceModule, IDS_APP_TITLE);
    switch (
        MessageBoxW(mainWindow, utf8ToWide(question).c_str(), caption.c_str(), MB_YESNOCANCEL)) {
    case IDYES:
        return SaveAnswer::yes;
    case IDNO:
        return SaveAnswer::no;
    default:
        return SaveAnswer::cancel;
    }
}

// A machine still in remote setup mode is released before the program goes;
// a failure is reported by the link and the close goes on.
void leaveRemoteMode(HWND mainWindow, Workspace& workspace) {
    LinkState& link = workspace.link;
    if (workspace.linkActive != 1 || link.transport == nullptr)
        return;
    if (openLink(link) == 0) {
        WindowLinkMessages messages(mainWindow);
        leaveRemoteModeUi(link, workspace.networkChangeFlag, messages);
    }
    closeLink(link);
}

// The lists get the shell's modules and the Workspace parts they show, and
// hand every selection change back to the shell's refresh.
EntryListContext entryListContext(HWND mainWindow) {
    Shell& shell = theShell();
    Workspace& workspace = *shell.workspace;
    EntryListContext context;
    context.exeInstance = shell.exeInstance;
    context.resourceModule = shell.resourceModule;
    context.mainWindow = mainWindow;
    context.store = &workspace.store;
    context.mirror = &workspace.mirror;
    context.programDialMarks = &workspace.programDialMarks;
    context.lists = &workspace.phoneBookLists;
    context.oneTouchKeyCount = &workspace.startup.oneTouchKeyCount;
    context.groupCount = &workspace.startup.groupCount;
    context.documentLoaded = &workspace.view.documentLoaded;
    context.currentView = &workspace.view.currentView;
    context.selectedRow = &workspace.view.selectedRow;
    context.stateChanged = refreshUiState;
    return context;
}

} // namespace

void releaseMainWindowChildren() {
    Shell& shell = theShell();
    destroyWindowOf(shell.tooltip);
    destroyWindowOf(shell.toolbar);
    destroyWindowOf(shell.statusBar);
    destroyWindowOf(shell.statusPane);
    releaseStatusPaneBrush();
    destroyImageList(shell.treeImages);
    destroyImageList(shell.disabledImages);
}

void createMainWindowChildren(HWND mainWindow) {
    Shell& shell = theShell();
    Workspace& workspace = *shell.workspace;
    shell.mainWindow = mainWindow;
    centreOnScreen(mainWindow);
    loadBackup(workspace);
    shell.treeImages = loadImageStrip(IDB_TREE_IMAGES, kTreeImageWidth, kTreeImageHeight,
                                      ILC_COLOR4, kTreeImageCount);
    createToolbar(mainWindow);
    createStatusBar(mainWindow);
    createTree(mainWindow, shell.treeImages);
    createEntryLists(entryListContext(mainWindow), shell.treeImages);
    if (shell.tree != nullptr)
        fillTree(shell.tree);
    createStatusPane(mainWindow);
    SetFocus(shell.tree);
    workspace.view.selectedRow = -1;
    workspace.view.currentView = 0;
    SendMessageW(mainWindow, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(mainWindow)), 0);
    refreshUiState(mainWindow);
}

bool runShutdown(HWND mainWindow, bool freeStore) {
    Workspace& workspace = *theShell().workspace;
    if (workspace.modifiedFlag != 0) {
        const std::string defaultName =
            wideToUtf8(loadResourceString(theShell().resourceModule, IDS_DEFAULT_FILE_NAME));
        const ShutdownStep step =
            shutdownStep(askToSave(mainWindow, workspace), workspace.currentFilePath, defaultName);
        if (step.keepRunning)
            return false;
        if (step.saveCommandId != 0)
            SendMessageW(mainWindow, WM_COMMAND, step.saveCommandId, 0);
        workspace.modifiedFlag = 0;
    }
    workspace.view.documentLoaded = 0;
    // Nothing to report if it fails: the close goes on.
    writeShellBackup(workspace);
    releaseMainWindowChildren();
    leaveRemoteMode(mainWindow, workspace);
    DestroyWindow(mainWindow);
    if (freeStore)
        workspace.store = RecordStore{};
    return true;
}
