#include "phonebook/entry_lists_win.h"

#include "app/shell_win.h"
#include "app/win_text_win.h"
#include "phonebook/list_rows.h"
#include "resource_ids.h"

#include <span>
#include <string>

namespace {

struct EntryListWindows {
    HWND entryList = nullptr;
    HWND memberList = nullptr;
};

EntryListWindows& lists() {
    static EntryListWindows windows;
    return windows;
}

Workspace& workspace() {
    return *theShell().workspace;
}

// Column titles are limited to what the list views were designed around.
constexpr size_t kMaxColumnTitle = 128;

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT |
                             LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS |
                             LVS_AUTOARRANGE;
constexpr DWORD kListExtendedStyle = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;

HWND createListControl(HWND parent, int controlId, HIMAGELIST images) {
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", kListStyle, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                                theShell().exeInstance, nullptr);
    if (list == nullptr)
        return nullptr;
    ListView_SetImageList(list, images, LVSIL_NORMAL);
    ListView_SetImageList(list, images, LVSIL_SMALL);
    HWND header = ListView_GetHeader(list);
    SetWindowLongPtrW(header, GWL_STYLE, GetWindowLongPtrW(header, GWL_STYLE) | HDS_BUTTONS);
    return list;
}

void insertListColumn(HWND list, int column, const ListColumn& spec) {
    std::wstring title = loadResourceString(theShell().resourceModule, spec.titleId);
    if (title.size() > kMaxColumnTitle)
        title.resize(kMaxColumnTitle);
    LVCOLUMNW item{};
    item.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    item.cx = spec.width;
    item.pszText = title.data();
    item.iSubItem = column;
    ListView_InsertColumn(list, column, &item);
}

void setReportStyle(HWND list, DWORD sortStyle) {
    LONG_PTR style = GetWindowLongPtrW(list, GWL_STYLE);
    style &= ~static_cast<LONG_PTR>(LVS_TYPEMASK | LVS_SORTASCENDING | LVS_SORTDESCENDING);
    SetWindowLongPtrW(list, GWL_STYLE, style | LVS_REPORT | sortStyle);
    ListView_SetExtendedListViewStyle(list, kListExtendedStyle);
}

void insertRow(HWND list, int image, std::span<const std::wstring> cells) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = ListView_GetItemCount(list);
    item.iImage = image;
    item.pszText = const_cast<wchar_t*>(cells[0].c_str());
    int row = ListView_InsertItem(list, &item);
    if (row < 0)
        return;
    for (size_t column = 1; column < cells.size(); ++column)
        ListView_SetItemText(list, row, static_cast<int>(column),
                             const_cast<wchar_t*>(cells[column].c_str()));
}

void refreshView(HWND list, int view) {
    ListView_DeleteAllItems(list);
    const StartupValues& startup = workspace().startup;
    int count = entryRowCount(view, startup.oneTouchKeyCount, startup.groupCount);
    for (int index = 0; index < count; ++index) {
        std::wstring number = utf8ToWide(rowNumberText(view, index));
        insertRow(list, kImageEmpty, std::span<const std::wstring>(&number, 1));
    }
    setReportStyle(list, LVS_SORTASCENDING);
}

// Brings the entry list's columns from the set of the view it carries to the
// set of `view`, inserting or deleting only the columns that differ.
void adjustColumns(HWND list, int view) {
    auto present = entryListColumns(workspace().phoneBookLists.columnView);
    auto wanted = entryListColumns(view);
    for (size_t column = present.size(); column < wanted.size(); ++column)
        insertListColumn(list, static_cast<int>(column), wanted[column]);
    for (size_t column = present.size(); column > wanted.size(); --column)
        ListView_DeleteColumn(list, static_cast<int>(column - 1));
}

void onEntryRowChanged(HWND list) {
    Workspace& space = workspace();
    int row = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
    space.phoneBookLists.currentRow = row;
    space.view.selectedRow = row;
}

} // namespace

void createEntryLists(HWND mainWindow, HIMAGELIST images) {
    HWND entryList = createListControl(mainWindow, IDC_ENTRY_LIST, images);
    lists().entryList = entryList;
    if (entryList != nullptr) {
        auto columns = entryListColumns(kViewOneTouch);
        for (size_t column = 0; column < columns.size(); ++column)
            insertListColumn(entryList, static_cast<int>(column), columns[column]);
        workspace().phoneBookLists.columnView = kViewOneTouch;
        refreshOneTouchList(entryList);
        EnableWindow(entryList, workspace().view.documentLoaded == 1);
    }

    HWND memberList = createListControl(mainWindow, IDC_MEMBER_LIST, images);
    lists().memberList = memberList;
    if (memberList != nullptr) {
        insertListColumn(memberList, 0, memberListColumn());
        setReportStyle(memberList, 0);
        ShowWindow(memberList, SW_HIDE);
    }
}

void destroyEntryLists() {
    EntryListWindows& windows = lists();
    for (HWND* list : {&windows.entryList, &windows.memberList}) {
        if (*list != nullptr)
            DestroyWindow(*list);
        *list = nullptr;
    }
}

HWND entryListWindow() {
    return lists().entryList;
}
HWND memberListWindow() {
    return lists().memberList;
}

LRESULT onEntryListNotify(HWND mainWindow, NMHDR* header) {
    (void)mainWindow;
    PhoneBookListState& state = workspace().phoneBookLists;
    switch (header->code) {
    case LVN_ITEMCHANGED:
        onEntryRowChanged(header->hwndFrom);
        break;
    case NM_CLICK:
    case NM_RCLICK:
        // A click back into the entry list after the member list took the
        // selection makes the entry row current again.
        if (state.memberListTouched == 1) {
            onEntryRowChanged(header->hwndFrom);
            state.memberListTouched = 0;
        }
        break;
    default:
        break;
    }
    return 0;
}

LRESULT onMemberListNotify(HWND mainWindow, NMHDR* header) {
    (void)mainWindow;
    Workspace& space = workspace();
    if (header->code == LVN_ITEMCHANGED) {
        space.view.selectedRow = -1;
        space.phoneBookLists.memberListTouched = 1;
    }
    return 0;
}

void showPhoneBookView(HWND mainWindow, int view) {
    (void)mainWindow;
    HWND list = lists().entryList;
    if (list == nullptr || view < kViewOneTouch || view > kViewGroup)
        return;
    adjustColumns(list, view);
    refreshView(list, view);
    workspace().phoneBookLists.currentRow = 0;
    UINT selected = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list, 0, selected, selected);
    workspace().phoneBookLists.columnView = view;
}

void refreshOneTouchList(HWND list) {
    refreshView(list, kViewOneTouch);
}
void refreshSpeedDialList(HWND list) {
    refreshView(list, kViewSpeedDial);
}
void refreshGroupList(HWND list) {
    refreshView(list, kViewGroup);
}

int currentRow() {
    return workspace().phoneBookLists.currentRow;
}
