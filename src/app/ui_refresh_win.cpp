#include "app/ui_refresh_win.h"

#include "app/layout.h"
#include "app/shell_win.h"
#include "app/ui_state.h"
#include "phonebook/entry_lists_win.h"
#include "resource_ids.h"
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

void applyPaneVisibility(const PaneVisibility& panes) {
    const Shell& shell = theShell();
    showPane(shell.tree, panes.tree);
    showPane(entryListWindow(), panes.entryList);
    showPane(memberListWindow(), panes.memberList);
    showPane(shell.statusPane, panes.statusPane);
    if (panes.enableTreeAndEntryList) {
        if (shell.tree != nullptr)
            EnableWindow(shell.tree, TRUE);
        if (entryListWindow() != nullptr)
            EnableWindow(entryListWindow(), TRUE);
    }
}

// The menu is the one the window carries: the class menu while the window
// is being created, the program's main menu afterwards.
void applyCommandState(HMENU menu, const CommandState& state) {
    HWND toolbar = theShell().toolbar;
    if (state.onToolbar && toolbar != nullptr)
        SendMessageW(toolbar, TB_ENABLEBUTTON, state.commandId, MAKELPARAM(state.enabled, 0));
    if (menu != nullptr)
        EnableMenuItem(menu, state.commandId,
                       MF_BYCOMMAND | (state.enabled ? MF_ENABLED : MF_GRAYED));
}

bool currentRowFilled(const Workspace& workspace) {
    std::wstring address;
    HWND entryList = entryListWindow();
    if (entryList != nullptr) {
        wchar_t cell[kCellTextCapacity] = {};
        ListView_GetItemText(entryList, currentRow(), kAddressColumn, cell, kCellTextCapacity);
        address = cell;
    }
    HWND memberList = memberListWindow();
    const int memberRows = memberList != nullptr ? ListView_GetItemCount(memberList) : 0;
    return isCurrentRowFilled(workspace.view.currentView, memberRows, wideToUtf8(address));
}

void applyEditCommandStates(HMENU menu, const Workspace& workspace) {
    EditContext context;
    context.currentView = workspace.view.currentView;
    context.selectedRow = workspace.view.selectedRow;
    context.currentRowFilled = currentRowFilled(workspace);
    for (const CommandState& state : editCommandStates(context).items)
        applyCommandState(menu, state);
}

void setStatusPaneText(int stringId) {
    const Shell& shell = theShell();
    if (shell.statusPane == nullptr)
        return;
    const std::wstring text = loadResourceString(shell.resourceModule, stringId);
    SetDlgItemTextW(shell.statusPane, IDC_STATUS_TEXT, text.c_str());
}

} // namespace

void refreshUiState(HWND mainWindow) {
    Workspace& workspace = *theShell().workspace;
    applyPaneVisibility(paneVisibility(workspace.view));
    HMENU menu = GetMenu(mainWindow);
    for (const CommandState& state : documentCommandStates(workspace.view))
        applyCommandState(menu, state);
    if (int stringId = refreshedStatusPaneStringId(workspace.view); stringId != 0)
        setStatusPaneText(stringId);
    applyEditCommandStates(menu, workspace);
    layoutMainWindow(mainWindow);
}

void updateStatusPane(HWND) {
    setStatusPaneText(statusPaneStringId(theShell().workspace->view));
}

void layoutMainWindow(HWND mainWindow) {
    Shell& shell = theShell();
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
        movePane(entryListWindow(), *layout.entryList);
    if (layout.memberList)
        movePane(memberListWindow(), *layout.memberList);
    if (shell.statusBar != nullptr) {
        // The status bar places itself along the bottom edge when it is sized.
        SendMessageW(shell.statusBar, WM_SIZE, 0, 0);
        SendMessageW(shell.statusBar, SB_SETPARTS, layout.statusBarEdges.size(),
                     reinterpret_cast<LPARAM>(layout.statusBarEdges.data()));
    }
}
