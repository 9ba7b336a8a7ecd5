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
bool writeAndReport(HWND mainWindow, const std::string& path, ShellOutcome failure) {
    if (writeDocumentFile(workspaceOf(mainWindow), path)) {
        return true;
    }
    showMachineDataError(mainWindow);
    applyShellOutcome(mainWindow, failure);
    return false;
}

} // namespace

// The dialogs work on a copy of the path: the document's own path changes
// only once its file has been read or written, so a failed Open or Save As
// never leaves the document named after a file that does not hold it.

void openDocument(HWND mainWindow) {
    Workspace& state = workspaceOf(mainWindow);
    std::string path = state.currentFilePath;
    if (!fileDialog(mainWindow, path, DataFileDialogMode::open)) {
        return;
    }
    if (!loadDocumentFile(state, path)) {
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

bool saveDocument(HWND mainWindow) {
    Workspace& state = workspaceOf(mainWindow);
    std::string path = state.currentFilePath;
    if (saveNeedsFileName(state.displayFileName, state.currentFilePath) &&
        !fileDialog(mainWindow, path, DataFileDialogMode::save)) {
        return false;
    }
    if (!writeAndReport(mainWindow, path, ShellOutcome::saveWriteFailed)) {
        return false;
    }
    state.currentFilePath = path;
    applyShellOutcome(mainWindow, ShellOutcome::saveWritten);
    return true;
}

bool saveDocumentAs(HWND mainWindow) {
    Workspace& state = workspaceOf(mainWindow);
    std::string path = state.currentFilePath;
    if (!fileDialog(mainWindow, path, DataFileDialogMode::saveAs)) {
        return false;
    }
    if (!writeAndReport(mainWindow, path, ShellOutcome::saveAsWriteFailed)) {
        return false;
    }
    state.currentFilePath = path;
    state.displayFileName = fileNamePart(path);
    applyShellOutcome(mainWindow, ShellOutcome::saveAsWritten);
    showDocumentTitle(mainWindow);
    return true;
}

void exitProgram(HWND mainWindow) {
    runShutdown(mainWindow, true);
}
