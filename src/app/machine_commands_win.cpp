#include "app/machine_commands_win.h"

#include "app/shell_win.h"
#include "app/tree_win.h"
#include "printing/print_lists_win.h"
#include "settings/machine_information_dialog_win.h"
#include "settings/machine_status_dialog_win.h"
#include "settings/select_print_items_dialog_win.h"
#include "settings/total_counter_dialog_win.h"

void editMachineInformation(HWND mainWindow) {
    Workspace& workspace = workspaceOf(mainWindow);
    MachineInformationValues values = machineInformationValues(workspace);
    if (!showMachineInformationDialog(mainWindow, values))
        return;
    applyMachineInformation(values, workspace);
    relabelTreeRoot(mainWindow);
}

void showTotalCounter(HWND mainWindow) {
    showTotalCounterDialog(mainWindow, workspaceOf(mainWindow).store);
}

void showMachineStatus(HWND mainWindow) {
    showMachineStatusDialog(mainWindow, workspaceOf(mainWindow).mirror.machineInformation);
}

void printPhoneBook(HWND mainWindow) {
    Workspace& workspace = workspaceOf(mainWindow);
    PrintSelection selection = workspace.printSelection;
    if (!showSelectPrintItemsDialog(mainWindow, selection))
        return;
    workspace.printSelection = selection;
    printPhoneBookLists(mainWindow, workspace, selection);
}
