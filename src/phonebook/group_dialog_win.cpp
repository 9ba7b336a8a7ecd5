#include "phonebook/group_dialog_win.h"

#include "resource_ids.h"
#include "store/machine_charset.h"
#include "win/dialog_win.h"
#include "win/edit_text_win.h"
#include "win/image_list_win.h"
#include "win/list_view_win.h"
#include "win/message_box_win.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The pictures of the tree, which the list rows share.
constexpr int kImageWidth = 16;
constexpr int kImageHeight = 18;
constexpr int kImageCount = 14;

constexpr int kNumberColumnWidth = 50;
constexpr int kNameColumnWidth = 120;

constexpr int kListIds[] = {IDC_GROUP_ONE_TOUCH_PICKER, IDC_GROUP_LOCATION_LIST,
                            IDC_GROUP_SPEED_DIAL_PICKER};

struct GroupDialogValues {
    GroupForm form;
    HIMAGELIST images = nullptr; // made by `show`, released by `release`
};

unsigned codePageOf(const GroupForm& form) {
    return static_cast<unsigned>(pcCodePage(form.language));
}

void setUpList(HWND list, HIMAGELIST images) {
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    ListView_SetImageList(list, images, LVSIL_NORMAL);
    ListView_SetImageList(list, images, LVSIL_SMALL);
    HWND header = ListView_GetHeader(list);
    SetWindowLongPtrW(header, GWL_STYLE, GetWindowLongPtrW(header, GWL_STYLE) | HDS_BUTTONS);
    insertListColumn(list, 0, IDS_COLUMN_NUMBER, kNumberColumnWidth);
    insertListColumn(list, 1, IDS_COLUMN_NAME, kNameColumnWidth);
}

// Rows carry their key or entry number, so a picker's selection reads back
// as numbers whatever order the list sorted them into.
void insertRow(HWND list, const GroupListRow& row, int position, unsigned codePage) {
    std::wstring number = utf8ToWide(rowNumberText(View::speedDial, row.index));
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = position;
    item.iImage = row.image;
    item.lParam = row.index;
    item.pszText = number.data();
    const int inserted = ListView_InsertItem(list, &item);
    if (inserted < 0)
        return;
    std::wstring name = row.name.stringId != 0 ? loadString(row.name.stringId)
                                               : codePageToWide(row.name.text, codePage);
    ListView_SetItemText(list, inserted, 1, name.data());
}

int rowNumber(HWND list, int row) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    ListView_GetItem(list, &item);
    return static_cast<int>(item.lParam);
}

// A picker keeps the rows that stay, with their selection, and gains the
// rows given back; its sort puts them in place.
void showPicker(HWND dialog, int listId, const std::vector<GroupListRow>& rows, unsigned codePage) {
    HWND list = GetDlgItem(dialog, listId);
    std::vector<int> shown;
    for (int row = ListView_GetItemCount(list) - 1; row >= 0; --row) {
        const int number = rowNumber(list, row);
        const bool kept = std::any_of(rows.begin(), rows.end(),
                                      [&](const GroupListRow& r) { return r.index == number; });
        if (kept)
            shown.push_back(number);
        else
            ListView_DeleteItem(list, row);
    }
    for (const GroupListRow& row : rows)
        if (std::find(shown.begin(), shown.end(), row.index) == shown.end())
            insertRow(list, row, 0, codePage);
}

// The member list is rebuilt whole: One Touch members, then Speed Dial.
void showMembers(HWND dialog, const GroupForm& form) {
    HWND list = GetDlgItem(dialog, IDC_GROUP_LOCATION_LIST);
    ListView_DeleteAllItems(list);
    int position = 0;
    for (const GroupListRow& row : memberListRows(form))
        insertRow(list, row, position++, codePageOf(form));
}

void showLists(HWND dialog, const GroupForm& form) {
    showPicker(dialog, IDC_GROUP_ONE_TOUCH_PICKER, oneTouchPickerRows(form), codePageOf(form));
    showPicker(dialog, IDC_GROUP_SPEED_DIAL_PICKER, speedDialPickerRows(form), codePageOf(form));
    showMembers(dialog, form);
}

// The selected rows of a list: their numbers, or for the member list their
// positions.
std::vector<int> selectedRows(HWND dialog, int listId, bool numbers) {
    HWND list = GetDlgItem(dialog, listId);
    std::vector<int> selected;
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list, row, LVNI_SELECTED))
        selected.push_back(numbers ? rowNumber(list, row) : row);
    return selected;
}

// ">>", "<<" and "Delete Selected", from their buttons or a double click
// on a row of their list.
void moveSelection(HWND dialog, int listId, GroupForm& form) {
    switch (listId) {
    case IDC_GROUP_ONE_TOUCH_PICKER:
        addSelectedOneTouchKeys(form, selectedRows(dialog, listId, true));
        break;
    case IDC_GROUP_SPEED_DIAL_PICKER:
        addSelectedSpeedDialEntries(form, selectedRows(dialog, listId, true));
        break;
    case IDC_GROUP_LOCATION_LIST:
        deleteSelectedMembers(form, selectedRows(dialog, listId, false));
        break;
    default:
        return;
    }
    showLists(dialog, form);
}

void show(HWND dialog, GroupDialogValues& values) {
    GroupForm& form = values.form;
    const std::wstring caption =
        loadString(IDS_REGISTER_GROUP_TITLE) + utf8ToWide(groupCaptionNumber(form));
    SetWindowTextW(dialog, caption.c_str());
    values.images =
        loadImageStrip(IDB_TREE_IMAGES, kImageWidth, kImageHeight, ILC_COLOR4, kImageCount);
    for (int listId : kListIds)
        setUpList(GetDlgItem(dialog, listId), values.images);
    // The text comes back as a change and goes through the name filter.
    SetDlgItemTextW(dialog, IDC_NAME_EDIT,
                    codePageToWide(fieldText(form.group.name), codePageOf(form)).c_str());
    showLists(dialog, form);
    SetFocus(GetDlgItem(dialog, IDOK));
}

void command(HWND dialog, int controlId, int notifyCode, GroupDialogValues& values) {
    GroupForm& form = values.form;
    if (controlId == IDC_NAME_EDIT && notifyCode == EN_CHANGE) {
        bool removed = false;
        filterEditText(dialog, controlId, codePageOf(form), [&](std::string_view typed) {
            FilteredText filtered = changeGroupName(form, typed);
            removed = filtered.removed;
            return filtered;
        });
        if (!removed)
            SendDlgItemMessageW(dialog, controlId, EM_LIMITTEXT,
                                static_cast<WPARAM>(kMaxNameLength), 0);
        return;
    }
    if (notifyCode != BN_CLICKED)
        return;
    if (controlId == IDC_GROUP_ADD_ONE_TOUCH)
        moveSelection(dialog, IDC_GROUP_ONE_TOUCH_PICKER, form);
    else if (controlId == IDC_GROUP_ADD_SPEED_DIAL)
        moveSelection(dialog, IDC_GROUP_SPEED_DIAL_PICKER, form);
    else if (controlId == IDC_GROUP_DELETE_SELECTED)
        moveSelection(dialog, IDC_GROUP_LOCATION_LIST, form);
}

LRESULT notify(HWND dialog, const NMHDR& header, GroupDialogValues& values) {
    if (header.code == NM_DBLCLK && reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0)
        moveSelection(dialog, static_cast<int>(header.idFrom), values.form);
    return 0;
}

bool accept(HWND dialog, GroupDialogValues& values) {
    const int refusal = groupFormRefusal(values.form);
    if (refusal == 0)
        return true;
    showMessageBox(dialog, refusal, IDS_APP_TITLE, MB_OK);
    return false;
}

void release(HWND, GroupDialogValues& values) {
    if (values.images != nullptr)
        ImageList_Destroy(values.images);
    values.images = nullptr;
}

constexpr DialogHooks<GroupDialogValues> kHooks{
    .show = show, .command = command, .accept = accept, .notify = notify, .release = release};

} // namespace

bool showGroupDialog(HWND owner, GroupForm& form) {
    GroupDialogValues values;
    values.form = form;
    if (!runModalDialog(owner, IDD_REGISTER_GROUP, kHooks, values))
        return false;
    form = std::move(values.form);
    return true;
}
