#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

// Edit controls whose text is kept in a PC code page and cleaned by a
// portable keystroke filter on every change.

std::wstring dialogItemText(HWND dialog, int controlId);

// The text of an edit as code-page bytes, without the characters the code
// page cannot hold: they count as forbidden, like any other the filter
// removes. `caret` is where the last of them was.
struct CodePageEditText {
    std::string text;
    bool removed = false;
    size_t caret = 0;
};
CodePageEditText codePageEditText(HWND dialog, int controlId, unsigned codePage);

// Writes `text` back into the edit and puts the caret at byte `caret`.
void replaceEditText(HWND dialog, int controlId, std::string_view text, size_t caret,
                     unsigned codePage);

// Runs `filter` (text -> {text, removed, caret}) over the edit's text and,
// when anything was removed, writes the rest back with the caret where the
// last removal was, as if the character had never been typed. Returns the
// text kept.
template <typename Filter>
std::string filterEditText(HWND dialog, int controlId, unsigned codePage, Filter filter) {
    CodePageEditText typed = codePageEditText(dialog, controlId, codePage);
    auto filtered = filter(std::string_view(typed.text));
    if (filtered.removed || typed.removed)
        replaceEditText(dialog, controlId, filtered.text,
                        filtered.removed ? filtered.caret : typed.caret, codePage);
    return std::move(filtered.text);
}
