#include "settings/select_print_items_dialog_win.h"

#include "resource_ids.h"
#include "win/dialog_win.h"

namespace {

struct ListBox {
    int controlId;
    bool PrintSelection::*flag;
};

constexpr ListBox kListBoxes[] = {
    {IDC_PRINT_ONE_TOUCH_LIST, &PrintSelection::oneTouchList},
    {IDC_PRINT_SPEED_DIAL_LIST, &PrintSelection::speedDialList},
    {IDC_PRINT_GROUP_LIST, &PrintSelection::groupList},
};

void show(HWND dialog, PrintSelection&) {
    for (const ListBox& box : kListBoxes)
        CheckDlgButton(dialog, box.controlId, BST_CHECKED);
    SetFocus(GetDlgItem(dialog, IDOK));
}

bool accept(HWND dialog, PrintSelection& selection) {
    for (const ListBox& box : kListBoxes)
        selection.*box.flag = IsDlgButtonChecked(dialog, box.controlId) == BST_CHECKED;
    return true;
}

constexpr DialogHooks<PrintSelection> kHooks{.show = show, .accept = accept};

} // namespace

bool showSelectPrintItemsDialog(HWND owner, PrintSelection& selection) {
    return runModalDialog(owner, IDD_SELECT_PRINT_ITEMS, kHooks, selection);
}
