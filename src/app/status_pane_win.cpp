#include "app/status_pane_win.h"

#include "app/shell_win.h"
#include "resource_ids.h"
#include "win/win_text_win.h"

namespace {

// Pale yellow, so the connection state stands apart from the window face.
constexpr COLORREF kStatusPaneColour = RGB(255, 255, 223);

HBRUSH statusPaneBrush = nullptr;

HBRUSH paneBrush() {
    if (statusPaneBrush == nullptr)
        statusPaneBrush = CreateSolidBrush(kStatusPaneColour);
    return statusPaneBrush;
}

INT_PTR onColourMessage(WPARAM wParam) {
    HDC context = reinterpret_cast<HDC>(wParam);
    SetBkMode(context, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(paneBrush());
}

// The pane starts offline: the program is never connected when it starts.
INT_PTR onInitDialog(HWND pane) {
    const std::wstring text =
        loadResourceString(theShell().resourceModule, IDS_CONNECT_STATUS_OFFLINE);
    SetDlgItemTextW(pane, IDC_STATUS_TEXT, text.c_str());
    return FALSE;
}

INT_PTR CALLBACK statusPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog(pane);
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return onColourMessage(wParam);
    default:
        return FALSE;
    }
}

} // namespace

HWND createStatusPane(HWND mainWindow) {
    Shell& shell = theShell();
    shell.statusPane = CreateDialogParamW(shell.resourceModule, MAKEINTRESOURCEW(IDD_STATUS_PANE),
                                          mainWindow, statusPaneProc, 0);
    return shell.statusPane;
}

void releaseStatusPaneBrush() {
    if (statusPaneBrush != nullptr)
        DeleteObject(statusPaneBrush);
    statusPaneBrush = nullptr;
}
