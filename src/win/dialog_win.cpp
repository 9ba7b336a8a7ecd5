#include "win/dialog_win.h"

#include "win/resource_modules_win.h"

namespace dialog_detail {

namespace {

Binding* bindingOf(HWND dialog) {
    return reinterpret_cast<Binding*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void endDialog(HWND dialog, Binding& binding, bool accepted) {
    binding.release(dialog, binding);
    EndDialog(dialog, accepted ? IDOK : IDCANCEL);
}

INT_PTR onInitDialog(HWND dialog, LPARAM lParam) {
    Binding& binding = *reinterpret_cast<Binding*>(lParam);
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    binding.show(dialog, binding);
    // Returning FALSE keeps a focus the hook has set.
    HWND focus = GetFocus();
    return focus != nullptr && IsChild(dialog, focus) ? FALSE : TRUE;
}

INT_PTR onCommand(HWND dialog, Binding& binding, int controlId, int notifyCode) {
    switch (controlId) {
    case IDOK:
        if (binding.accept(dialog, binding))
            endDialog(dialog, binding, true);
        return TRUE;
    case IDCANCEL:
        endDialog(dialog, binding, false);
        return TRUE;
    default:
        binding.command(dialog, controlId, notifyCode, binding);
        return TRUE;
    }
}

INT_PTR onNotify(HWND dialog, Binding& binding, const NMHDR& header) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, binding.notify(dialog, header, binding));
    return TRUE;
}

INT_PTR dispatch(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        return onInitDialog(dialog, lParam);
    Binding* binding = bindingOf(dialog);
    if (binding == nullptr)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        return onCommand(dialog, *binding, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
        return onNotify(dialog, *binding, *reinterpret_cast<const NMHDR*>(lParam));
    default:
        return FALSE;
    }
}

// Nothing unwinds through the system's dialog manager: a failure inside a
// hook ends the dialog as cancelled, so the caller's values stay as they were.
INT_PTR CALLBACK boundDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return dispatch(dialog, message, wParam, lParam);
    } catch (...) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
}

} // namespace

bool runBoundDialog(HWND owner, int templateId, Binding& binding) {
    const INT_PTR result =
        DialogBoxParamW(resourceModule(), MAKEINTRESOURCEW(templateId), owner, boundDialogProc,
                        reinterpret_cast<LPARAM>(&binding));
    return result == IDOK;
}

} // namespace dialog_detail
