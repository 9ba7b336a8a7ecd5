#include "app/main_window_win.h"

#include "app/command_dispatch_win.h"
#include "app/main_window_lifecycle_win.h"
#include "app/shell_win.h"
#include "app/tree_win.h"
#include "app/ui_refresh_win.h"
#include "phonebook/entry_lists_win.h"
#include "resource_ids.h"

#include <windowsx.h>

namespace {

LRESULT onCreate(HWND window, WPARAM, LPARAM) {
    createMainWindowChildren(window);
    return 0;
}

LRESULT onDestroy(HWND, WPARAM, LPARAM) {
    // A window destroyed without the close sequence still returns what it
    // holds; the tree and the lists go with the window.
    releaseMainWindowChildren();
    destroyEntryLists();
    theShell().tree = nullptr;
    PostQuitMessage(0);
    return 0;
}

LRESULT onSize(HWND window, WPARAM, LPARAM) {
    layoutMainWindow(window);
    return 0;
}

LRESULT onClose(HWND window, WPARAM, LPARAM) {
    runShutdown(window, false);
    return 0;
}

LRESULT onSysColorChange(HWND window, WPARAM, LPARAM) {
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    HBRUSH previous = reinterpret_cast<HBRUSH>(
        SetClassLongPtrW(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(face)));
    if (previous != nullptr && previous != face)
        DeleteObject(previous);
    return 0;
}

LRESULT onNotify(HWND window, WPARAM, LPARAM lParam) {
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    switch (header->idFrom) {
    case IDC_TREE:
        return onTreeNotify(window, header);
    case IDC_ENTRY_LIST:
        return onEntryListNotify(window, header);
    case IDC_MEMBER_LIST:
        return onMemberListNotify(window, header);
    default:
        return 0;
    }
}

LRESULT onContextMenu(HWND window, WPARAM, LPARAM lParam) {
    const POINT screenPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    POINT clientPoint = screenPoint;
    ScreenToClient(window, &clientPoint);
    // Only a shown child counts: the hidden tree lies under the status pane
    // while no document is loaded.
    HWND child = ChildWindowFromPointEx(window, clientPoint, CWP_SKIPINVISIBLE);
    if (child != nullptr && child == theShell().tree)
        showTreePopup(child, screenPoint);
    return 0;
}

LRESULT onCommand(HWND window, WPARAM wParam, LPARAM) {
    return dispatchCommand(window, LOWORD(wParam));
}

LRESULT onTimer(HWND window, WPARAM, LPARAM) {
    onPollTimer(window);
    return 0;
}

LRESULT onInitMenu(HWND window, WPARAM, LPARAM) {
    refreshUiState(window);
    return 0;
}

using MessageHandler = LRESULT (*)(HWND, WPARAM, LPARAM);

struct MessageRoute {
    UINT message;
    MessageHandler handler;
    bool answered; // the handler's result is the answer; no default processing
};

constexpr MessageRoute kRoutes[] = {
    {WM_CREATE, onCreate, false},
    {WM_DESTROY, onDestroy, true},
    {WM_SIZE, onSize, false},
    {WM_CLOSE, onClose, true}, // the default would destroy the window even on Cancel
    {WM_SYSCOLORCHANGE, onSysColorChange, false},
    {WM_NOTIFY, onNotify, true},
    {WM_CONTEXTMENU, onContextMenu, false},
    {WM_COMMAND, onCommand, true},
    {WM_TIMER, onTimer, false},
    {WM_INITMENU, onInitMenu, false},
};

} // namespace

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    for (const MessageRoute& route : kRoutes) {
        if (route.message != message)
            continue;
        const LRESULT result = route.handler(window, wParam, lParam);
        if (route.answered)
            return result;
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
