#include "harness/control_state.h"

#include <commctrl.h>

#include <cwchar>

namespace harness {
namespace {

constexpr int kItemTextChars = 1024;

struct ChildSearch {
    HWND parent;
    const wchar_t* className;
    int remaining;
    HWND found;
};

BOOL CALLBACK matchChild(HWND window, LPARAM state) {
    auto* search = reinterpret_cast<ChildSearch*>(state);
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    if (GetParent(window) != search->parent || _wcsicmp(className, search->className) != 0)
        return TRUE;
    if (search->remaining-- > 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

std::wstring treeItemText(HWND tree, HTREEITEM item) {
    wchar_t text[kItemTextChars] = {};
    TVITEMW info = {};
    info.mask = TVIF_TEXT;
    info.hItem = item;
    info.pszText = text;
    info.cchTextMax = kItemTextChars;
    TreeView_GetItem(tree, &info);
    return text;
}

void appendTreeLines(HWND tree, HTREEITEM item, int depth, std::vector<std::wstring>& lines) {
    for (; item != nullptr; item = TreeView_GetNextSibling(tree, item)) {
        lines.push_back(std::wstring(static_cast<size_t>(depth) * 2, L' ') +
                        treeItemText(tree, item));
        appendTreeLines(tree, TreeView_GetChild(tree, item), depth + 1, lines);
    }
}

} // namespace

std::wstring windowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

HWND findChild(HWND parent, const wchar_t* className, int nth) {
    ChildSearch search{parent, className, nth, nullptr};
    EnumChildWindows(parent, matchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

MenuItemState menuItemState(HMENU menu, UINT commandId) {
    MenuItemState state;
    wchar_t text[kItemTextChars] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = kItemTextChars;
    if (!GetMenuItemInfoW(menu, commandId, FALSE, &info))
        return state;
    state.exists = true;
    state.grayed = (info.fState & MF_GRAYED) != 0;
    state.enabled = (info.fState & (MF_GRAYED | MF_DISABLED)) == 0;
    state.checked = (info.fState & MFS_CHECKED) != 0;
    state.text = text;
    return state;
}

std::vector<std::wstring> menuItemTexts(HMENU menu) {
    std::vector<std::wstring> texts;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[kItemTextChars] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, kItemTextChars, MF_BYPOSITION);
        texts.emplace_back(text);
    }
    return texts;
}

std::vector<std::vector<std::wstring>> listViewRows(HWND list) {
    std::vector<std::vector<std::wstring>> rows;
    HWND header = ListView_GetHeader(list);
    int columns = header != nullptr ? Header_GetItemCount(header) : 1;
    if (columns < 1)
        columns = 1;
    int count = ListView_GetItemCount(list);
    for (int row = 0; row < count; ++row) {
        std::vector<std::wstring>& cells = rows.emplace_back();
        for (int column = 0; column < columns; ++column) {
            wchar_t text[kItemTextChars] = {};
            ListView_GetItemText(list, row, column, text, kItemTextChars);
            cells.emplace_back(text);
        }
    }
    return rows;
}

int listViewSelectedRow(HWND list) {
    return ListView_GetNextItem(list, -1, LVNI_SELECTED);
}

std::vector<std::wstring> treeItemLines(HWND tree) {
    std::vector<std::wstring> lines;
    appendTreeLines(tree, TreeView_GetRoot(tree), 0, lines);
    return lines;
}

std::wstring treeSelectedText(HWND tree) {
    HTREEITEM selected = TreeView_GetSelection(tree);
    return selected == nullptr ? std::wstring{} : treeItemText(tree, selected);
}

std::vector<std::wstring> statusBarParts(HWND statusBar) {
    std::vector<std::wstring> parts;
    int count = static_cast<int>(SendMessageW(statusBar, SB_GETPARTS, 0, 0));
    for (int part = 0; part < count; ++part) {
        auto length = LOWORD(SendMessageW(statusBar, SB_GETTEXTLENGTHW, part, 0));
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(statusBar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
        text.resize(length);
        parts.push_back(std::move(text));
    }
    return parts;
}

} // namespace harness
