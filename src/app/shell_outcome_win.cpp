#include "app/shell_outcome_win.h"

#include "app/shell_backup_win.h"
#include "app/shell_win.h"
#include "app/tree_win.h"
#include "app/ui_refresh_win.h"
#include "phonebook/entry_lists_win.h"

void applyShellOutcome(HWND mainWindow, ShellOutcome outcome) {
    Workspace& state = workspaceOf(mainWindow);
    switch (applyOutcome(outcome, state.view, state.linkActive, state.modifiedFlag)) {
    case TimerChange::start:
        SetTimer(mainWindow, kPollTimerId, kPollPeriodMilliseconds, nullptr);
        break;
    case TimerChange::stop:
        stopPollTimer(mainWindow);
        break;
    case TimerChange::keep:
        break;
    }
}

void stopPollTimer(HWND mainWindow) {
    KillTimer(mainWindow, kPollTimerId);
}

void showNewImage(HWND mainWindow) {
    selectTreeItem(mainWindow, View::none);
    refreshUiState(mainWindow);
    EnableWindow(shellOf(mainWindow).tree, TRUE);
    EnableWindow(entryListWindow(mainWindow), TRUE);
    relabelTreeRoot(mainWindow);
    writeShellBackup(workspaceOf(mainWindow));
}
