#include "phonebook/entry_lists_win.h"

#include "phonebook/list_rows.h"
#include "resource_ids.h"
#include "store/entry_text.h"
#include "win/win_text_win.h"

#include <string>
#include <vector>

namespace {

// Set when the main window creates the lists; its pointers outlive them.
EntryListContext listContext;

// Column titles are limited to what the list views were designed around.
constexpr size_t kMaxColumnTitle = 128;

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT |
                             LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS |
                             LVS_AUTOARRANGE;
constexpr DWORD kListExtendedStyle = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;

HWND createListControl(HWND parent, int controlId, HIMAGELIST images) {
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", kListStyle, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                                listContext.exeInstance, nullptr);
    if (list == nullptr)
        return nullptr;
    ListView_SetImageList(list, images, LVSIL_NORMAL);
    ListView_SetImageList(list, images, LVSIL_SMALL);
    HWND header = ListView_GetHeader(list);
    SetWindowLongPtrW(header, GWL_STYLE, GetWindowLongPtrW(header, GWL_STYLE) | HDS_BUTTONS);
    return list;
}

void insertListColumn(HWND list, int columnIndex, const ListColumn& column) {
    std::wstring title = loadResourceString(listContext.resourceModule, column.titleId);
    if (title.size() > kMaxColumnTitle)
        title.resize(kMaxColumnTitle);
    LVCOLUMNW item{};
    item.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    item.cx = column.width;
    item.pszText = title.data();
    item.iSubItem = columnIndex;
    ListView_InsertColumn(list, columnIndex, &item);
}

void setReportStyle(HWND list, DWORD sortStyle) {
    LONG_PTR style = GetWindowLongPtrW(list, GWL_STYLE);
    style &= ~static_cast<LONG_PTR>(LVS_TYPEMASK | LVS_SORTASCENDING | LVS_SORTDESCENDING);
    SetWindowLongPtrW(list, GWL_STYLE, style | LVS_REPORT | sortStyle);
    ListView_SetExtendedListViewStyle(list, kListExtendedStyle);
}

// Entry texts are in the code page of the machine's display language.
std::wstring entryTextToWide(const std::string& text) {
    return codePageToWide(text, static_cast<unsigned>(pcCodePage(listContext.mirror->language)));
}

std::wstring cellText(const RowCell& cell) {
    if (cell.stringId != 0)
        return loadResourceString(listContext.resourceModule, cell.stringId);
    return entryTextToWide(cell.text);
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

void insertEntryRow(HWND list, const ListRow& row, int index) {
    if (list == nullptr || row.cells.empty())
        return;
    int position = insertListItem(list, index, row.image, cellText(row.cells[0]));
    if (position < 0)
        return;
    for (size_t column = 1; column < row.cells.size(); ++column) {
        std::wstring text = cellText(row.cells[column]);
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

void refreshView(HWND list, int view) {
    if (list == nullptr)
        return;
    HeldDrawing held(list);
    ListView_DeleteAllItems(list);
    int count = entryRowCount(view, *listContext.oneTouchKeyCount, *listContext.groupCount);
    for (int index = 0; index < count; ++index)
        insertEntryRow(list,
                       decodedEntryRow(view, index, *listContext.mirror,
                                       *listContext.programDialMarks, *listContext.store),
                       index);
    setReportStyle(list, LVS_SORTASCENDING);
}

// Brings the entry list's columns from the set of the view it carries to the
// set of `view`, inserting or deleting only the columns that differ.
void adjustColumns(HWND list, int view) {
    auto present = entryListColumns(listContext.lists->columnView);
    auto wanted = entryListColumns(view);
    for (size_t column = present.size(); column < wanted.size(); ++column)
        insertListColumn(list, static_cast<int>(column), wanted[column]);
    for (size_t column = present.size(); column > wanted.size(); --column)
        ListView_DeleteColumn(list, static_cast<int>(column - 1));
}

// Makes the focused entry row current; in the Group view the member list
// follows it. The command states then follow the new row.
void onEntryRowChanged(HWND mainWindow, HWND list) {
    int row = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
    listContext.lists->currentRow = row;
    *listContext.selectedRow = row;
    HWND memberList = memberListWindow();
    if (*listContext.currentView == kViewGroup && row >= 0 && memberList != nullptr) {
        ListView_DeleteAllItems(memberList);
        DialEntry key = decodeOneTouchKey(*listContext.mirror, *listContext.programDialMarks, row);
        if (key.entryClass == kEntryClassGroup)
            fillMemberList(memberList, key);
    }
    listContext.stateChanged(mainWindow);
}

} // namespace

void createEntryLists(const EntryListContext& context, HIMAGELIST images) {
    listContext = context;
    HWND mainWindow = context.mainWindow;
    HWND entryList = createListControl(mainWindow, IDC_ENTRY_LIST, images);
    if (entryList != nullptr) {
        auto columns = entryListColumns(kViewOneTouch);
        for (size_t column = 0; column < columns.size(); ++column)
            insertListColumn(entryList, static_cast<int>(column), columns[column]);
        listContext.lists->columnView = kViewOneTouch;
        refreshOneTouchList(entryList);
        EnableWindow(entryList, *listContext.documentLoaded == 1);
    }

    HWND memberList = createListControl(mainWindow, IDC_MEMBER_LIST, images);
    if (memberList != nullptr) {
        insertListColumn(memberList, 0, memberListColumn());
        setReportStyle(memberList, 0);
        ShowWindow(memberList, SW_HIDE);
    }
}

void destroyEntryLists() {
    for (HWND list : {entryListWindow(), memberListWindow()})
        if (list != nullptr)
            DestroyWindow(list);
    // A later handle with the same value must not be taken for the lists'
    // parent.
    listContext.mainWindow = nullptr;
}

// The main window owns the lists; asking it keeps no handle that could
// outlive them.
HWND entryListWindow() {
    return GetDlgItem(listContext.mainWindow, IDC_ENTRY_LIST);
}
HWND memberListWindow() {
    return GetDlgItem(listContext.mainWindow, IDC_MEMBER_LIST);
}

LRESULT onEntryListNotify(HWND mainWindow, NMHDR* header) {
    PhoneBookListState& state = *listContext.lists;
    switch (header->code) {
    case LVN_ITEMCHANGED:
        onEntryRowChanged(mainWindow, header->hwndFrom);
        break;
    case NM_CLICK:
    case NM_RCLICK:
        // A click back into the entry list after the member list took the
        // selection makes the entry row current again.
        if (state.memberListTouched == 1) {
            onEntryRowChanged(mainWindow, header->hwndFrom);
            state.memberListTouched = 0;
        }
        break;
    default:
        break;
    }
    return 0;
}

LRESULT onMemberListNotify(HWND mainWindow, NMHDR* header) {
    if (header->code == LVN_ITEMCHANGED) {
        // While a member is selected the entry commands have no row to act on.
        *listContext.selectedRow = -1;
        listContext.lists->memberListTouched = 1;
        listContext.stateChanged(mainWindow);
    }
    return 0;
}

void showPhoneBookView(HWND mainWindow, int view) {
    (void)mainWindow;
    HWND list = entryListWindow();
    if (list == nullptr || view < kViewOneTouch || view > kViewGroup)
        return;
    adjustColumns(list, view);
    refreshView(list, view);
    listContext.lists->currentRow = 0;
    UINT selected = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list, 0, selected, selected);
    listContext.lists->columnView = view;
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

void insertOneTouchRow(HWND list, const DialEntry& entry, int index) {
    insertEntryRow(list, oneTouchRow(entry, index), index);
}
void insertSpeedDialRow(HWND list, const DialEntry& entry, int index) {
    insertEntryRow(list, speedDialRow(entry, index), index);
}
void insertGroupRow(HWND list, const DialEntry& entry, int index) {
    insertEntryRow(list, groupRow(entry, index), index);
}

void fillMemberList(HWND list, const DialEntry& group) {
    if (list == nullptr)
        return;
    std::vector<MemberRow> rows = groupMemberRows(
        group, *listContext.mirror, *listContext.programDialMarks, *listContext.store);
    for (const MemberRow& row : rows)
        insertListItem(list, ListView_GetItemCount(list), row.image, entryTextToWide(row.text));
}

int currentRow() {
    return listContext.lists->currentRow;
}
