#include "app/file_commands_win.h"

#include "app/connection_flow.h"
#include "app/data_file_dialog_win.h"
#include "app/main_window_create_win.h"
#include "app/shell_messages_win.h"
#include "app/shell_outcome_win.h"
#include "app/shell_win.h"
#include "app/shutdown_win.h"
#include "app/ui_refresh_win.h"
#include "workspace/document_files.h"
#include "workspace/document_names.h"

namespace {

void showDocumentTitle(HWND mainWindow) {
    SetWindowTextW(mainWindow, mainWindowTitle(workspaceOf(mainWindow)).c_str());
}

// A failed write is reported and leaves the exit question armed: the image
// is not on disk.
bool writeAndReport(HWND mainWindow, ShellOutcome failure) {
    if (writeDocumentFile(workspaceOf(mainWindow))) {
        return true;
    }
    showMachineDataError(mainWindow);
    applyShellOutcome(mainWindow, failure);
    return false;
}

} // namespace

void openDocument(HWND mainWindow) {
    Workspace& state = workspaceOf(mainWindow);
    if (!fileDialog(mainWindow, state.currentFilePath,
                    DataFileDialogMode::open)) {
        return;
    }
    if (!loadDocumentFile(state)) {
        applyShellOutcome(mainWindow, ShellOutcome::openFailed);
        showMachineDataError(mainWindow);
        return;
    }
    applyShellOutcome(mainWindow, ShellOutcome::openSucceeded);
    showNewImage(mainWindow);
    showDocumentTitle(mainWindow);
    updateStatusPane(mainWindow);
    layoutMainWindow(mainWindow);
}

void saveDocument(HWND mainWindow) {
    Workspace& state = workspaceOf(mainWindow);
    if (saveNeedsFileName(state.displayFileName, state.currentFilePath) &&
        !fileDialog(mainWindow, state.currentFilePath,
                    DataFileDialogMode::save)) {
        return;
    }
    if (writeAndReport(mainWindow, ShellOutcome::saveWriteFailed)) {
        applyShellOutcome(mainWindow, ShellOutcome::saveWritten);
    }
}

void saveDocumentAs(HWND mainWindow) {
    Workspace& state = workspaceOf(mainWindow);
    if (!fileDialog(mainWindow, state.currentFilePath,
                    DataFileDialogMode::saveAs)) {
        return;
    }
    if (writeAndReport(mainWindow, ShellOutcome::saveAsWriteFailed)) {
        applyShellOutcome(mainWindow, ShellOutcome::saveAsWritten);
        state.displayFileName = fileNamePart(state.currentFilePath);
        showDocumentTitle(mainWindow);
    }
}

void exitProgram(HWND mainWindow) {
    runShutdown(mainWindow, true);
}
