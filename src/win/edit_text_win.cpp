#include "win/edit_text_win.h"

#include "win/win_text_win.h"

std::wstring dialogItemText(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

CodePageEditText codePageEditText(HWND dialog, int controlId, unsigned codePage) {
    CodePageEditText result;
    // One character at a time, so a character the code page cannot hold is
    // dropped by itself instead of turning into the code page's '?'.
    for (wchar_t character : dialogItemText(dialog, controlId)) {
        bool lossy = false;
        std::string bytes = wideToCodePage(std::wstring_view(&character, 1), codePage, &lossy);
        if (lossy || bytes.empty()) {
            result.removed = true;
            result.caret = result.text.size();
            continue;
        }
        result.text += bytes;
    }
    return result;
}

void replaceEditText(HWND dialog, int controlId, std::string_view text, size_t caret,
                     unsigned codePage) {
    SetDlgItemTextW(dialog, controlId, codePageToWide(text, codePage).c_str());
    const auto position =
        static_cast<LPARAM>(codePageToWide(text.substr(0, caret), codePage).size());
    SendDlgItemMessageW(dialog, controlId, EM_SETSEL, static_cast<WPARAM>(position), position);
}
