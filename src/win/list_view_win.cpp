#include "win/list_view_win.h"

#include "win/resource_modules_win.h"

#include <string>

namespace {

constexpr size_t kMaxColumnTitle = 128;

} // namespace

void insertListColumn(HWND list, int column, int titleId, int width) {
    std::wstring title = loadString(titleId);
    if (title.size() > kMaxColumnTitle)
        title.resize(kMaxColumnTitle);
    LVCOLUMNW item{};
    item.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    item.cx = width;
    item.pszText = title.data();
    item.iSubItem = column;
    ListView_InsertColumn(list, column, &item);
}
