#include "app/main_window_win.h"

#include "app/command_dispatch_win.h"
#include "app/connection_commands_win.h"
#include "app/main_window_children_win.h"
#include "app/shell_win.h"
#include "app/shutdown_win.h"
#include "app/tree_win.h"
#include "app/ui_refresh_win.h"
#include "phonebook/entry_commands_win.h"
#include "phonebook/entry_lists_win.h"
#include "resource_ids.h"

#include <windowsx.h>

namespace {

// Creation fails when a child the window cannot live without is missing;
// the window is then destroyed and CreateWindow returns null.
LRESULT onCreate(HWND window) {
    return createMainWindowChildren(window) ? 0 : -1;
}

void onDestroy(HWND window, Shell& shell) {
    // A window destroyed without the close sequence still returns what it
    // holds; the tree and the lists go with the window.
    releaseMainWindowChildren(shell);
    destroyEntryLists(window);
    shell.tree = nullptr;
    PostQuitMessage(0);
}

void onSysColorChange(HWND window) {
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    HBRUSH previous = reinterpret_cast<HBRUSH>(
        SetClassLongPtrW(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(face)));
    if (previous != nullptr && previous != face)
        DeleteObject(previous);
}

void onSelectionChanged(HWND window, bool changed) {
    if (changed)
        refreshUiState(window);
}

LRESULT onNotify(HWND window, Shell& shell, const NMHDR& header) {
    switch (header.idFrom) {
    case IDC_TREE:
        onTreeNotify(window, header);
        break;
    case IDC_ENTRY_LIST:
        onSelectionChanged(window, onEntryListNotify(window, *shell.workspace, header));
        break;
    case IDC_MEMBER_LIST:
        onSelectionChanged(window, onMemberListNotify(window, *shell.workspace, header));
        break;
    default:
        break;
    }
    return 0;
}

void onContextMenu(HWND window, const Shell& shell, HWND source, POINT screenPoint) {
    // The entry list sends its right-clicks and the menu key (Shift+F10)
    // here alike; both open the same menu at the row.
    if (source != nullptr && source == entryListWindow(window)) {
        showEntryListMenu(window, *shell.workspace, screenPoint);
        return;
    }
    POINT clientPoint = screenPoint;
    ScreenToClient(window, &clientPoint);
    // Only a shown child counts: the hidden tree lies under the status pane
    // while no document is loaded.
    HWND child = ChildWindowFromPointEx(window, clientPoint, CWP_SKIPINVISIBLE);
    if (child != nullptr && child == shell.tree)
        showTreePopup(child, screenPoint);
}

// The shell arrives with WM_NCCREATE; the few messages before it get the
// default answer.
Shell* shellOfMessage(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* shell = static_cast<Shell*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        attachShell(window, shell);
        return shell;
    }
    return reinterpret_cast<Shell*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

} // namespace

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Shell* shell = shellOfMessage(window, message, lParam);
    if (shell == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        return onCreate(window);
    case WM_DESTROY:
        onDestroy(window, *shell);
        return 0;
    case WM_SIZE:
        layoutMainWindow(window);
        return 0;
    case WM_CLOSE:
        // The default would destroy the window even when the user cancels.
        runShutdown(window, false);
        return 0;
    case WM_SYSCOLORCHANGE:
        onSysColorChange(window);
        break;
    case WM_NOTIFY:
        return onNotify(window, *shell, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_CONTEXTMENU:
        onContextMenu(window, *shell, reinterpret_cast<HWND>(wParam),
                      POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    case WM_COMMAND:
        dispatchCommand(window, LOWORD(wParam));
        return 0;
    case WM_TIMER:
        onPollTimer(window);
        return 0;
    case WM_INITMENU:
        refreshUiState(window);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
