#include "app/ui_refresh_win.h"

#include "app/layout.h"
#include "app/shell_win.h"
#include "app/ui_state.h"
#include "phonebook/entry_lists_win.h"
#include "resource_ids.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

#include <commctrl.h>

namespace {

// The address column of the One Touch and Speed Dial rows.
constexpr int kAddressColumn = 2;
constexpr int kCellTextCapacity = 256;

void showPane(HWND pane, bool visible) {
    if (pane != nullptr)
        ShowWindow(pane, visible ? SW_SHOW : SW_HIDE);
}

void movePane(HWND pane, const PaneRect& rect) {
    if (pane != nullptr)
        MoveWindow(pane, rect.x, rect.y, rect.width, rect.height, TRUE);
}

void applyPaneVisibility(HWND mainWindow, const PaneVisibility& panes) {
    const Shell& shell = shellOf(mainWindow);
    HWND entryList = entryListWindow(mainWindow);
    showPane(shell.tree, panes.tree);
    showPane(entryList, panes.entryList);
    showPane(memberListWindow(mainWindow), panes.memberList);
    showPane(shell.statusPane, panes.statusPane);
    if (panes.enableTreeAndEntryList) {
        if (shell.tree != nullptr)
            EnableWindow(shell.tree, TRUE);
        if (entryList != nullptr)
            EnableWindow(entryList, TRUE);
    }
}

// The menu is the one the window carries: the class menu while the window
// is being created, the program's main menu afterwards.
void applyCommandState(HWND toolbar, HMENU menu, const CommandState& state) {
    if (state.onToolbar && toolbar != nullptr)
        SendMessageW(toolbar, TB_ENABLEBUTTON, state.commandId, MAKELPARAM(state.enabled, 0));
    if (menu != nullptr)
        EnableMenuItem(menu, state.commandId,
                       MF_BYCOMMAND | (state.enabled ? MF_ENABLED : MF_GRAYED));
}

bool currentRowFilled(HWND mainWindow, const Workspace& workspace) {
    std::wstring address;
    HWND entryList = entryListWindow(mainWindow);
    if (entryList != nullptr) {
        wchar_t cell[kCellTextCapacity] = {};
        ListView_GetItemText(entryList, workspace.phoneBookLists.currentRow, kAddressColumn, cell,
                             kCellTextCapacity);
        address = cell;
    }
    HWND memberList = memberListWindow(mainWindow);
    const int memberRows = memberList != nullptr ? ListView_GetItemCount(memberList) : 0;
    return isCurrentRowFilled(workspace.view.currentView, memberRows, wideToUtf8(address));
}

void applyEditCommandStates(HWND mainWindow, HMENU menu, const Workspace& workspace) {
    EditContext context;
    context.currentView = workspace.view.currentView;
    context.selectedRow = workspace.view.selectedRow;
    context.currentRowFilled = currentRowFilled(mainWindow, workspace);
    context.clipboardFilled = isClipboardFilled(workspace.clipboard, workspace.view.currentView);
    for (const CommandState& state : editCommandStates(context).items)
        applyCommandState(shellOf(mainWindow).toolbar, menu, state);
}

void setStatusPaneText(HWND mainWindow, int stringId) {
    HWND statusPane = shellOf(mainWindow).statusPane;
    if (statusPane == nullptr)
        return;
    SetDlgItemTextW(statusPane, IDC_STATUS_TEXT, loadString(stringId).c_str());
}

} // namespace

void refreshUiState(HWND mainWindow) {
    const Shell& shell = shellOf(mainWindow);
    const Workspace& workspace = *shell.workspace;
    applyPaneVisibility(mainWindow, paneVisibility(workspace.view));
    HMENU menu = GetMenu(mainWindow);
    for (const CommandState& state : documentCommandStates(workspace.view))
        applyCommandState(shell.toolbar, menu, state);
    if (int stringId = refreshedStatusPaneStringId(workspace.view); stringId != 0)
        setStatusPaneText(mainWindow, stringId);
    applyEditCommandStates(mainWindow, menu, workspace);
    layoutMainWindow(mainWindow);
}

void updateStatusPane(HWND mainWindow) {
    setStatusPaneText(mainWindow, statusPaneStringId(workspaceOf(mainWindow).view));
}

void layoutMainWindow(HWND mainWindow) {
    Shell& shell = shellOf(mainWindow);
    RECT client{};
    GetClientRect(mainWindow, &client);
    int toolbarHeight = 0;
    if (shell.toolbar != nullptr) {
        SendMessageW(shell.toolbar, TB_AUTOSIZE, 0, 0);
        RECT toolbarClient{};
        GetClientRect(shell.toolbar, &toolbarClient);
        toolbarHeight = toolbarClient.bottom;
    }
    const MainWindowLayout layout =
        layoutPanes(client.right, client.bottom, toolbarHeight, shell.workspace->view,
                    shell.workspace->treePaneWidth);
    movePane(shell.tree, layout.tree);
    if (layout.statusPane)
        movePane(shell.statusPane, *layout.statusPane);
    if (layout.entryList)
        movePane(entryListWindow(mainWindow), *layout.entryList);
    if (layout.memberList)
        movePane(memberListWindow(mainWindow), *layout.memberList);
    if (shell.statusBar != nullptr) {
        // The status bar places itself along the bottom edge when it is sized.
        SendMessageW(shell.statusBar, WM_SIZE, 0, 0);
        SendMessageW(shell.statusBar, SB_SETPARTS, layout.statusBarEdges.size(),
                     reinterpret_cast<LPARAM>(layout.statusBarEdges.data()));
    }
}
