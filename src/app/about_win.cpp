#include "app/about_win.h"

#include "app/shell_win.h"
#include "resource_ids.h"
#include "win/win_text_win.h"

namespace {

void setTextFromExecutable(HWND dialog, int controlId, int stringId) {
    const std::wstring text = loadResourceString(theShell().exeInstance, stringId);
    SetDlgItemTextW(dialog, controlId, text.c_str());
}

INT_PTR onInitDialog(HWND dialog) {
    // The product line and the notice identify this build, so they come from
    // the executable even when a resource library supplies everything else.
    setTextFromExecutable(dialog, IDC_ABOUT_NOTICE, IDS_NOTICE_LINE);
    setTextFromExecutable(dialog, IDC_ABOUT_PRODUCT, IDS_PRODUCT_VERSION);
    SetFocus(GetDlgItem(dialog, IDOK));
    return FALSE; // the focus is set
}

INT_PTR CALLBACK aboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog(dialog);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

void showAboutBox(HWND owner) {
    DialogBoxParamW(theShell().resourceModule, MAKEINTRESOURCEW(IDD_ABOUT), owner, aboutProc, 0);
}
