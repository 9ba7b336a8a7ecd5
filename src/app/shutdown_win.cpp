#include "app/shutdown_win.h"

#include "app/file_commands_win.h"
#include "app/main_window_children_win.h"
#include "app/shell_backup_win.h"
#include "app/shell_messages_win.h"
#include "app/shell_outcome_win.h"
#include "app/shell_win.h"
#include "app/shutdown.h"
#include "link/link_channels.h"
#include "link/remote_mode.h"
#include "resource_ids.h"
#include "string_table.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

namespace {

SaveAnswer askToSave(HWND mainWindow, const Workspace& workspace) {
    const std::string question = fillTemplate(
        wideToUtf8(loadString(IDS_SAVE_CHANGES_QUESTION)), workspace.currentFilePath);
    const std::wstring caption = loadString(IDS_APP_TITLE);
    switch (
        MessageBoxW(mainWindow, utf8ToWide(question).c_str(), caption.c_str(), MB_YESNOCANCEL)) {
    case IDYES:
        return SaveAnswer::yes;
    case IDNO:
        return SaveAnswer::no;
    default:
        return SaveAnswer::cancel;
    }
}

// True when the image was written, or when no save was asked for.
bool saveBeforeClosing(HWND mainWindow, int saveCommandId) {
    switch (saveCommandId) {
    case IDM_SAVE:
        return saveDocument(mainWindow);
    case IDM_SAVE_AS:
        return saveDocumentAs(mainWindow);
    default:
        return true;
    }
}

// A machine still in remote setup mode is released before the program goes;
// a failure is reported and the close goes on. The poll stops and the link
// counts as inactive first, as Disconnect does: a tick delivered while the
// failure message is open would otherwise poll a half-closed window.
void leaveRemoteMode(HWND mainWindow, Workspace& workspace) {
    LinkState& link = workspace.link;
    if (!workspace.linkActive || link.transport == nullptr)
        return;
    stopPollTimer(mainWindow);
    workspace.linkActive = false;
    if (openLink(link) == 0)
        reportLinkOutcome(mainWindow, leaveRemoteMode(link, workspace.networkChangeFlag));
    closeLink(link);
}

} // namespace

bool runShutdown(HWND mainWindow, bool freeStore) {
    Shell& shell = shellOf(mainWindow);
    Workspace& workspace = *shell.workspace;
    if (workspace.modifiedFlag) {
        const std::string defaultName = wideToUtf8(loadString(IDS_DEFAULT_FILE_NAME));
        const ShutdownStep step =
            shutdownStep(askToSave(mainWindow, workspace), workspace.currentFilePath, defaultName);
        // A save that did not happen (its dialog cancelled, the file not
        // written) keeps the window open with the image as it was.
        if (step.keepRunning || !saveBeforeClosing(mainWindow, step.saveCommandId))
            return false;
        workspace.modifiedFlag = false;
    }
    workspace.view.documentLoaded = false;
    // Nothing to report if it fails: the close goes on.
    writeShellBackup(workspace);
    releaseMainWindowChildren(shell);
    leaveRemoteMode(mainWindow, workspace);
    DestroyWindow(mainWindow);
    if (freeStore)
        workspace.store = RecordStore{};
    return true;
}
