#include "phonebook/entry_lists_win.h"

#include "phonebook/entry_commands_win.h"
#include "phonebook/list_rows.h"
#include "resource_ids.h"
#include "store/machine_charset.h"
#include "win/list_view_win.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

#include <string>
#include <vector>

namespace {

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT |
                             LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS |
                             LVS_AUTOARRANGE;
constexpr DWORD kListExtendedStyle = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;

HWND createListControl(HWND parent, HINSTANCE instance, int controlId, HIMAGELIST images) {
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", kListStyle, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                                instance, nullptr);
    if (list == nullptr)
        return nullptr;
    ListView_SetImageList(list, images, LVSIL_NORMAL);
    ListView_SetImageList(list, images, LVSIL_SMALL);
    HWND header = ListView_GetHeader(list);
    SetWindowLongPtrW(header, GWL_STYLE, GetWindowLongPtrW(header, GWL_STYLE) | HDS_BUTTONS);
    return list;
}

void setReportStyle(HWND list, DWORD sortStyle) {
    LONG_PTR style = GetWindowLongPtrW(list, GWL_STYLE);
    style &= ~static_cast<LONG_PTR>(LVS_TYPEMASK | LVS_SORTASCENDING | LVS_SORTDESCENDING);
    SetWindowLongPtrW(list, GWL_STYLE, style | LVS_REPORT | sortStyle);
    ListView_SetExtendedListViewStyle(list, kListExtendedStyle);
}

// Entry texts are in the code page of the machine's display language.
std::wstring entryTextToWide(const std::string& text, const Workspace& workspace) {
    return codePageToWide(text, static_cast<unsigned>(pcCodePage(workspace.mirror.language)));
}

std::wstring cellText(const RowCell& cell, const Workspace& workspace) {
    if (cell.stringId != 0)
        return loadString(cell.stringId);
    return entryTextToWide(cell.text, workspace);
}

// Inserts a row with its image and first text at `position`; returns where
// the list put it, or -1.
int insertListItem(HWND list, int position, int image, std::wstring text) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = position;
    item.iImage = image;
    item.pszText = text.data();
    return ListView_InsertItem(list, &item);
}

void insertEntryRow(HWND list, const Workspace& workspace, const ListRow& row, int index) {
    if (list == nullptr || row.cells.empty())
        return;
    int position = insertListItem(list, index, row.image, cellText(row.cells[0], workspace));
    if (position < 0)
        return;
    for (size_t column = 1; column < row.cells.size(); ++column) {
        std::wstring text = cellText(row.cells[column], workspace);
        ListView_SetItemText(list, position, static_cast<int>(column), text.data());
    }
}

// Holds back a shown list's drawing while its rows are rebuilt. Wine's list
// view otherwise updates its scroll bars and invalidates after every row
// inserted into a shown list, and a hundred rows take seconds; held back, it
// lays itself out once. A hidden list is left alone: turning drawing back
// on would mark it visible.
class HeldDrawing {
  public:
    explicit HeldDrawing(HWND list) : list_(IsWindowVisible(list) ? list : nullptr) {
        if (list_ != nullptr)
            SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    }
    ~HeldDrawing() {
        if (list_ == nullptr)
            return;
        SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_, nullptr, TRUE);
    }
    HeldDrawing(const HeldDrawing&) = delete;
    HeldDrawing& operator=(const HeldDrawing&) = delete;

  private:
    HWND list_;
};

void refreshView(HWND list, Workspace& workspace, View view) {
    if (list == nullptr)
        return;
    HeldDrawing held(list);
    ListView_DeleteAllItems(list);
    const int count =
        entryRowCount(view, workspace.startup.oneTouchKeyCount, workspace.startup.groupCount);
    for (int index = 0; index < count; ++index)
        insertEntryRow(list, workspace,
                       decodedEntryRow(view, index, workspace.mirror, workspace.programDialMarks,
                                       workspace.store),
                       index);
    setReportStyle(list, LVS_SORTASCENDING);
}

// Brings the entry list's columns from the set of the view it carries to the
// set of `view`, inserting or deleting only the columns that differ.
void adjustColumns(HWND list, View presentView, View view) {
    auto present = entryListColumns(presentView);
    auto wanted = entryListColumns(view);
    for (size_t column = present.size(); column < wanted.size(); ++column)
        insertListColumn(list, static_cast<int>(column), wanted[column].titleId,
                         wanted[column].width);
    for (size_t column = present.size(); column > wanted.size(); --column)
        ListView_DeleteColumn(list, static_cast<int>(column - 1));
}

// Makes the focused entry row current; in the Group view the member list
// follows it. The command states then follow the new row.
void onEntryRowChanged(HWND mainWindow, Workspace& workspace, HWND list) {
    const int row = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
    workspace.phoneBookLists.currentRow = row;
    workspace.view.selectedRow = row;
    HWND memberList = memberListWindow(mainWindow);
    if (workspace.view.currentView == View::group && row >= 0 && memberList != nullptr) {
        ListView_DeleteAllItems(memberList);
        DialEntry key = decodeOneTouchKey(workspace.mirror, workspace.programDialMarks, row);
        if (key.entryClass == kEntryClassGroup)
            fillMemberList(memberList, workspace, key);
    }
}

} // namespace

bool createEntryLists(HWND mainWindow, HINSTANCE instance, HIMAGELIST images,
                      Workspace& workspace) {
    HWND entryList = createListControl(mainWindow, instance, IDC_ENTRY_LIST, images);
    HWND memberList = createListControl(mainWindow, instance, IDC_MEMBER_LIST, images);
    if (entryList == nullptr || memberList == nullptr)
        return false;
    auto columns = entryListColumns(View::oneTouch);
    for (size_t column = 0; column < columns.size(); ++column)
        insertListColumn(entryList, static_cast<int>(column), columns[column].titleId,
                         columns[column].width);
    workspace.phoneBookLists.columnView = View::oneTouch;
    refreshOneTouchList(entryList, workspace);
    EnableWindow(entryList, workspace.view.documentLoaded);

    insertListColumn(memberList, 0, memberListColumn().titleId, memberListColumn().width);
    setReportStyle(memberList, 0);
    ShowWindow(memberList, SW_HIDE);
    return true;
}

void destroyEntryLists(HWND mainWindow) {
    for (HWND list : {entryListWindow(mainWindow), memberListWindow(mainWindow)})
        if (list != nullptr)
            DestroyWindow(list);
}

// The main window owns the lists; asking it keeps no handle that could
// outlive them.
HWND entryListWindow(HWND mainWindow) {
    return GetDlgItem(mainWindow, IDC_ENTRY_LIST);
}
HWND memberListWindow(HWND mainWindow) {
    return GetDlgItem(mainWindow, IDC_MEMBER_LIST);
}

bool onEntryListNotify(HWND mainWindow, Workspace& workspace, const NMHDR& header) {
    PhoneBookListState& state = workspace.phoneBookLists;
    switch (header.code) {
    case LVN_ITEMCHANGED:
        onEntryRowChanged(mainWindow, workspace, header.hwndFrom);
        return true;
    case LVN_ITEMACTIVATE:
        // Under Wine, Enter reports no row: the dialog takes the focused one.
        openEntryDialog(mainWindow, workspace);
        return true;
    case NM_CLICK:
    case NM_RCLICK:
        // A click back into the entry list after the member list took the
        // selection makes the entry row current again.
        if (!state.memberListTouched)
            return false;
        onEntryRowChanged(mainWindow, workspace, header.hwndFrom);
        state.memberListTouched = false;
        return true;
    default:
        return false;
    }
}

bool onMemberListNotify(HWND mainWindow, Workspace& workspace, const NMHDR& header) {
    if (header.code == LVN_ITEMACTIVATE) {
        // A member opens the Group it belongs to.
        openEntryDialog(mainWindow, workspace);
        return true;
    }
    if (header.code != LVN_ITEMCHANGED)
        return false;
    // While a member is selected the entry commands have no row to act on.
    workspace.view.selectedRow = -1;
    workspace.phoneBookLists.memberListTouched = true;
    return true;
}

void showPhoneBookView(HWND mainWindow, Workspace& workspace, View view) {
    HWND list = entryListWindow(mainWindow);
    if (list == nullptr || view == View::none)
        return;
    adjustColumns(list, workspace.phoneBookLists.columnView, view);
    refreshView(list, workspace, view);
    workspace.phoneBookLists.currentRow = 0;
    UINT selected = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list, 0, selected, selected);
    workspace.phoneBookLists.columnView = view;
}

void refreshOneTouchList(HWND list, Workspace& workspace) {
    refreshView(list, workspace, View::oneTouch);
}
void refreshSpeedDialList(HWND list, Workspace& workspace) {
    refreshView(list, workspace, View::speedDial);
}
void refreshGroupList(HWND list, Workspace& workspace) {
    refreshView(list, workspace, View::group);
}

void replaceEntryRows(HWND list, Workspace& workspace, View view, const std::vector<int>& rows) {
    for (int row : rows) {
        ListView_DeleteItem(list, row);
        insertEntryRow(list, workspace,
                       decodedEntryRow(view, row, workspace.mirror, workspace.programDialMarks,
                                       workspace.store),
                       row);
    }
}

void selectEntryRow(HWND list, int row) {
    UINT selected = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list, row, selected, selected);
    ListView_EnsureVisible(list, row, FALSE);
}

void insertOneTouchRow(HWND list, const Workspace& workspace, const DialEntry& entry, int index) {
    insertEntryRow(list, workspace, oneTouchRow(entry, index), index);
}
void insertSpeedDialRow(HWND list, const Workspace& workspace, const DialEntry& entry, int index) {
    insertEntryRow(list, workspace, speedDialRow(entry, index), index);
}
void insertGroupRow(HWND list, const Workspace& workspace, const DialEntry& entry, int index) {
    insertEntryRow(list, workspace, groupRow(entry, index), index);
}

void fillMemberList(HWND list, Workspace& workspace, const DialEntry& group) {
    if (list == nullptr)
        return;
    std::vector<MemberRow> rows =
        groupMemberRows(group, workspace.mirror, workspace.programDialMarks, workspace.store);
    for (const MemberRow& row : rows)
        insertListItem(list, ListView_GetItemCount(list), row.image,
                       entryTextToWide(row.text, workspace));
}
