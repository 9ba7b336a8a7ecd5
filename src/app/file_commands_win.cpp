#include "app/file_commands_win.h"

#include "app/connection_flow.h"
#include "app/data_file_dialog_win.h"
#include "app/document_files.h"
#include "app/document_names.h"
#include "app/main_window_win.h"
#include "app/shell_backup_win.h"
#include "app/shell_messages_win.h"
#include "app/shell_outcome_win.h"
#include "app/shell_win.h"
#include "app/tree_win.h"
#include "app/ui_refresh_win.h"
#include "app/win_text_win.h"
#include "phonebook/entry_lists_win.h"
#include "resource_ids.h"

namespace {

Workspace& workspace() {
    return *theShell().workspace;
}

void showDocumentTitle(HWND mainWindow) {
    const std::wstring title = loadResourceString(theShell().resourceModule, IDS_APP_TITLE) +
                               L" - " + utf8ToWide(workspace().displayFileName);
    SetWindowTextW(mainWindow, title.c_str());
}

// A failed write is reported and leaves the exit question armed: the image
// is not on disk.
bool writeAndReport(HWND mainWindow) {
    if (writeDocumentFile(workspace())) {
        return true;
    }
    showMachineDataError(mainWindow);
    applyShellOutcome(mainWindow, ShellOutcome::saveWriteFailed);
    return false;
}

} // namespace

void openDocument(HWND mainWindow) {
    Workspace& state = workspace();
    if (!fileDialog(mainWindow, theShell().resourceModule, state.currentFilePath,
                    DataFileDialogMode::open)) {
        return;
    }
    if (!loadDocumentFile(state)) {
        applyShellOutcome(mainWindow, ShellOutcome::openFailed);
        showMachineDataError(mainWindow);
        return;
    }
    applyShellOutcome(mainWindow, ShellOutcome::openSucceeded);
    refreshUiState(mainWindow);
    selectTreeItem(kTreeRoot);
    EnableWindow(theShell().tree, TRUE);
    EnableWindow(entryListWindow(), TRUE);
    relabelTreeRoot(mainWindow);
    writeShellBackup(state);
    showDocumentTitle(mainWindow);
    updateStatusPane(mainWindow);
    layoutMainWindow(mainWindow);
}

void saveDocument(HWND mainWindow) {
    Workspace& state = workspace();
    if (saveNeedsFileName(state.displayFileName, state.currentFilePath) &&
        !fileDialog(mainWindow, theShell().resourceModule, state.currentFilePath,
                    DataFileDialogMode::save)) {
        return;
    }
    if (writeAndReport(mainWindow)) {
        applyShellOutcome(mainWindow, ShellOutcome::saveWritten);
    }
}

void saveDocumentAs(HWND mainWindow) {
    Workspace& state = workspace();
    if (!fileDialog(mainWindow, theShell().resourceModule, state.currentFilePath,
                    DataFileDialogMode::saveAs)) {
        return;
    }
    if (writeAndReport(mainWindow)) {
        applyShellOutcome(mainWindow, ShellOutcome::saveAsWritten);
        state.displayFileName = fileNamePart(state.currentFilePath);
        showDocumentTitle(mainWindow);
    }
}

void exitProgram(HWND mainWindow) {
    runShutdown(mainWindow, true);
}
