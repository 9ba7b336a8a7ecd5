#include "phonebook/entry_commands_win.h"

#include "phonebook/entry_commands.h"
#include "phonebook/entry_lists_win.h"
#include "phonebook/group_dialog_win.h"
#include "phonebook/register_dialog_win.h"
#include "resource_ids.h"
#include "win/message_box_win.h"
#include "win/resource_modules_win.h"

#include <commctrl.h>

namespace {

int focusedRow(HWND list) {
    return list != nullptr ? ListView_GetNextItem(list, -1, LVNI_FOCUSED) : -1;
}

// Shows the changed rows afresh and makes the first one current again.
void showEdit(HWND mainWindow, Workspace& workspace, const EntryEdit& edit) {
    HWND list = entryListWindow(mainWindow);
    if (!edit.done || list == nullptr)
        return;
    replaceEntryRows(list, workspace, workspace.view.currentView, edit.rows);
    selectEntryRow(list, edit.rows.front());
}

void runRegisterDialog(HWND list, Workspace& workspace, View view, int row) {
    RegisterForm form = openRegisterForm(workspace, view, row);
    if (!showRegisterDialog(list, form))
        return;
    replaceEntryRows(list, workspace, view, saveRegisterForm(workspace, form, localToday()));
    selectEntryRow(list, row);
}

// OK rebuilds the whole Group view; the key stays current, so the member
// list shows what was stored.
void openGroupRegisterDialog(HWND list, Workspace& workspace, int row) {
    GroupForm form = openGroupForm(workspace, row);
    if (!showGroupDialog(list, form))
        return;
    saveGroupForm(workspace, form, localToday());
    refreshGroupList(list, workspace);
    selectEntryRow(list, row);
}

} // namespace

void openEntryDialog(HWND mainWindow, Workspace& workspace) {
    HWND list = entryListWindow(mainWindow);
    const View view = workspace.view.currentView;
    const int row = focusedRow(list);
    if (row < 0)
        return;
    workspace.phoneBookLists.currentRow = row;
    const EntryDialogPlan plan = planEntryDialog(workspace, view, row);
    if (plan.question != EntryQuestion::none &&
        showMessageBox(mainWindow, entryQuestionStringId(plan.question), IDS_WARNING_CAPTION,
                       MB_YESNO) != IDYES)
        return;
    if (plan.dialog == EntryDialog::registerEntry)
        runRegisterDialog(list, workspace, view, row);
    else if (plan.dialog == EntryDialog::registerGroup)
        openGroupRegisterDialog(list, workspace, row);
    SetFocus(list);
}

void copyEntryCommand(HWND mainWindow, Workspace& workspace) {
    copyEntry(workspace, workspace.view.currentView, workspace.phoneBookLists.currentRow);
    SetFocus(entryListWindow(mainWindow));
}

void pasteEntryCommand(HWND mainWindow, Workspace& workspace) {
    showEdit(
        mainWindow, workspace,
        pasteEntry(workspace, workspace.view.currentView, workspace.phoneBookLists.currentRow));
    SetFocus(entryListWindow(mainWindow));
}

void deleteEntryCommand(HWND mainWindow, Workspace& workspace) {
    showEdit(
        mainWindow, workspace,
        deleteEntry(workspace, workspace.view.currentView, workspace.phoneBookLists.currentRow));
    SetFocus(entryListWindow(mainWindow));
}

void cutEntryCommand(HWND mainWindow, Workspace& workspace) {
    copyEntryCommand(mainWindow, workspace);
    deleteEntryCommand(mainWindow, workspace);
}

void showEntryListMenu(HWND mainWindow, Workspace& workspace, POINT screenPoint) {
    HWND list = entryListWindow(mainWindow);
    const View view = workspace.view.currentView;
    if (list == nullptr || view == View::none)
        return;
    int row = -1;
    if (screenPoint.x == -1 && screenPoint.y == -1) {
        // From the keyboard: the focused row, with the menu at its label.
        row = focusedRow(list);
        RECT bounds{};
        if (row < 0 || !ListView_GetItemRect(list, row, &bounds, LVIR_LABEL))
            return;
        screenPoint = {bounds.left + (bounds.right - bounds.left) / 2, bounds.bottom};
        ClientToScreen(list, &screenPoint);
    } else {
        LVHITTESTINFO hit{};
        hit.pt = screenPoint;
        ScreenToClient(list, &hit.pt);
        row = ListView_HitTest(list, &hit);
        if (row < 0 || (hit.flags & LVHT_ONITEM) == 0)
            return;
    }
    workspace.phoneBookLists.currentRow = row;

    HMENU menu = LoadMenuW(resourceModule(), MAKEINTRESOURCEW(IDR_LIST_MEMBER_MENU));
    if (menu == nullptr)
        return;
    HMENU popup = GetSubMenu(menu, 0);
    const EntryMenuStates states = entryMenuStates(workspace, view, row);
    const std::pair<int, bool> items[] = {{IDM_ENTRY_PROPERTY, states.property},
                                          {IDM_CUT, states.cut},
                                          {IDM_COPY, states.copy},
                                          {IDM_PASTE, states.paste},
                                          {IDM_DELETE, states.erase}};
    for (const auto& [commandId, enabled] : items)
        EnableMenuItem(popup, commandId, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    SetForegroundWindow(mainWindow);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, mainWindow, nullptr);
    DestroyMenu(menu);
}

CalendarDate localToday() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}
