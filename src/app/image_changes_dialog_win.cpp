#include "app/image_changes_dialog_win.h"

#include "resource_ids.h"
#include "win/dialog_win.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

namespace {

// An edit control breaks lines at "\r\n" only.
std::wstring editLines(const std::string& text) {
    std::wstring lines;
    for (wchar_t c : utf8ToWide(text)) {
        if (c == L'\n')
            lines.push_back(L'\r');
        lines.push_back(c);
    }
    return lines;
}

void show(HWND dialog, ChangesView& view) {
    SetWindowTextW(dialog, loadString(view.titleId).c_str());
    SetDlgItemTextW(dialog, IDC_CHANGES_QUESTION, loadString(view.headingId).c_str());
    SetDlgItemTextW(dialog, IDC_CHANGES_LIST, editLines(view.text).c_str());
    if (view.asks) {
        SetFocus(GetDlgItem(dialog, IDOK));
        return;
    }
    ShowWindow(GetDlgItem(dialog, IDOK), SW_HIDE);
    SetDlgItemTextW(dialog, IDCANCEL, loadString(IDS_CHANGES_CLOSE).c_str());
    SendMessageW(dialog, DM_SETDEFID, IDCANCEL, 0);
    SetFocus(GetDlgItem(dialog, IDCANCEL));
}

constexpr DialogHooks<ChangesView> kHooks{.show = show};

} // namespace

bool showImageChangesDialog(HWND owner, const ChangesView& view) {
    ChangesView values = view;
    return runModalDialog(owner, IDD_IMAGE_CHANGES, kHooks, values) && view.asks;
}
