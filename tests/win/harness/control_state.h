#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace harness {

// What a user sees of windows, menus and common controls.
std::wstring windowText(HWND window);

// The `nth` (0-based) direct child of `parent` with the window class `className`.
HWND findChild(HWND parent, const wchar_t* className, int nth = 0);

struct MenuItemState {
    bool exists = false;
    bool enabled = false;
    bool grayed = false;
    bool checked = false;
    std::wstring text;
};

// The item with `commandId` anywhere in `menu` or its popups.
MenuItemState menuItemState(HMENU menu, UINT commandId);
// The texts of one menu level, in order; separators give "".
std::vector<std::wstring> menuItemTexts(HMENU menu);

// Report-style list view: one entry per row, one text per column.
std::vector<std::vector<std::wstring>> listViewRows(HWND list);
int listViewSelectedRow(HWND list);

// Tree view in display order, two spaces of indent per level.
std::vector<std::wstring> treeItemLines(HWND tree);
std::wstring treeSelectedText(HWND tree);

std::vector<std::wstring> statusBarParts(HWND statusBar);

} // namespace harness
