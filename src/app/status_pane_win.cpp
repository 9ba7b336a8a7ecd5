#include "app/status_pane_win.h"

#include "resource_ids.h"
#include "win/resource_modules_win.h"

namespace {

// Pale yellow, so the connection state stands apart from the window face.
constexpr COLORREF kStatusPaneColour = RGB(255, 255, 223);

HBRUSH paneBrush(Shell& shell) {
    if (shell.statusPaneBrush == nullptr)
        shell.statusPaneBrush = CreateSolidBrush(kStatusPaneColour);
    return shell.statusPaneBrush;
}

INT_PTR onColourMessage(HWND pane, HDC context) {
    SetBkMode(context, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(paneBrush(shellOf(GetParent(pane))));
}

// The pane starts offline: the program is never connected when it starts.
INT_PTR onInitDialog(HWND pane) {
    SetDlgItemTextW(pane, IDC_STATUS_TEXT, loadString(IDS_CONNECT_STATUS_OFFLINE).c_str());
    return FALSE;
}

INT_PTR CALLBACK statusPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog(pane);
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return onColourMessage(pane, reinterpret_cast<HDC>(wParam));
    default:
        return FALSE;
    }
}

} // namespace

HWND createStatusPane(HWND mainWindow) {
    Shell& shell = shellOf(mainWindow);
    shell.statusPane = CreateDialogParamW(resourceModule(), MAKEINTRESOURCEW(IDD_STATUS_PANE),
                                          mainWindow, statusPaneProc, 0);
    return shell.statusPane;
}

void releaseStatusPaneBrush(Shell& shell) {
    if (shell.statusPaneBrush != nullptr)
        DeleteObject(shell.statusPaneBrush);
    shell.statusPaneBrush = nullptr;
}
