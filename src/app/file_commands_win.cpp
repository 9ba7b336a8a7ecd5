#include "app/file_commands_win.h"

#include "app/connection_flow.h"
#include "app/data_file_dialog_win.h"
#include "app/image_changes_dialog_win.h"
#include "app/main_window_create_win.h"
#include "app/shell_messages_win.h"
#include "app/shell_outcome_win.h"
#include "app/shell_win.h"
#include "app/shutdown_win.h"
#include "app/snapshot_folder_win.h"
#include "app/ui_refresh_win.h"
#include "store/data_file.h"
#include "workspace/document_files.h"
#include "workspace/document_names.h"

#include <memory>

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

namespace {

void openDocumentFrom(HWND mainWindow, std::string path, const std::string& initialFolder) {
    Workspace& state = workspaceOf(mainWindow);
    if (!fileDialog(mainWindow, path, DataFileDialogMode::open, initialFolder)) {
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

} // namespace

void openDocument(HWND mainWindow) {
    openDocumentFrom(mainWindow, workspaceOf(mainWindow).currentFilePath, {});
}

void openSnapshot(HWND mainWindow) {
    openDocumentFrom(mainWindow, {}, snapshotFolder());
}

void compareWithDataFile(HWND mainWindow) {
    Workspace& state = workspaceOf(mainWindow);
    std::string path;
    if (!fileDialog(mainWindow, path, DataFileDialogMode::open))
        return;
    auto file = std::make_unique<RecordStore>();
    initStore(*file);
    if (readDataFile(path, *file) != 1) {
        showMachineDataError(mainWindow);
        return;
    }
    // The current image as an Upload or a Save would write it.
    auto current = std::make_unique<RecordStore>(state.store);
    packStore(state.mirror, *current);
    showImageChangesDialog(mainWindow, compareWithFile(*current, *file));
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
