#include "app/settings_command_win.h"

#include "app/shell_win.h"
#include "app/tree_win.h"
#include "resource_ids.h"
#include "settings/settings_sheet_win.h"

void openSettingsSheet(HWND mainWindow) {
    Workspace& workspace = workspaceOf(mainWindow);
    unpackStore(workspace.store, workspace.mirror);
    // The sheet is about the machine: the tree shows its root, and the
    // Speed Dial list gives way to the One Touch list first.
    if (workspace.view.currentView != View::none) {
        if (workspace.view.currentView == View::speedDial)
            SendMessageW(mainWindow, WM_COMMAND, IDM_VIEW_ONE_TOUCH, 0);
        selectTreeItem(mainWindow, View::none);
    }
    runSettingsSheet(mainWindow, workspace);
}
