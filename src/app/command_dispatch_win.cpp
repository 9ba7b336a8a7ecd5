#include "app/command_dispatch_win.h"

#include "app/about_win.h"
#include "app/connection_commands_win.h"
#include "app/connection_flow.h"
#include "app/file_commands_win.h"
#include "app/help_win.h"
#include "app/lock_indicators.h"
#include "app/shell_outcome_win.h"
#include "app/shell_win.h"
#include "app/tree_win.h"
#include "app/ui_refresh_win.h"
#include "resource_ids.h"
#include "win/win_text_win.h"

namespace {

using CommandHandler = void (*)(HWND mainWindow, int commandId);

struct CommandEntry {
    int id;
    CommandHandler run;
};

// Whatever the dialog's result, the image counts as changed, so closing asks
// whether to save it.
void showMachineProperties(HWND mainWindow, int) {
    applyShellOutcome(mainWindow, ShellOutcome::machinePropertiesClosed);
}

void showViewOfCommand(HWND, int commandId) {
    selectTreeItem(commandId - IDM_VIEW_ONE_TOUCH + kTreeOneTouch);
}

bool lockKeyToggled(LockKey key) {
    switch (key) {
    case LockKey::numLock:
        return (GetKeyState(VK_NUMLOCK) & 1) != 0;
    case LockKey::capsLock:
        return (GetKeyState(VK_CAPITAL) & 1) != 0;
    case LockKey::scrollLock:
        return (GetKeyState(VK_SCROLL) & 1) != 0;
    }
    return false;
}

void showLockIndicator(HWND, int commandId) {
    const LockIndicator* indicator = findLockIndicator(commandId);
    const int stringId = lockIndicatorStringId(*indicator, lockKeyToggled(indicator->key));
    const std::wstring text =
        stringId != 0 ? loadResourceString(theShell().resourceModule, stringId) : L" ";
    setStatusBarPartText(indicator->statusBarPart, text.c_str());
}

template <void (*command)(HWND)> void run(HWND mainWindow, int) {
    command(mainWindow);
}

constexpr CommandEntry kCommands[] = {
    {IDM_CONNECT, run<connectMachine>},
    {IDM_DISCONNECT, run<disconnectMachine>},
    {IDM_TREE_DOWNLOAD, run<downloadFromMachine>},
    {IDM_TREE_UPLOAD, run<uploadToMachine>},
    {IDM_PROPERTIES, showMachineProperties},
    {IDM_OPEN, run<openDocument>},
    {IDM_SAVE, run<saveDocument>},
    {IDM_EXIT, run<exitProgram>},
    {IDM_VIEW_ONE_TOUCH, showViewOfCommand},
    {IDM_VIEW_SPEED_DIAL, showViewOfCommand},
    {IDM_VIEW_GROUP, showViewOfCommand},
    {IDM_MACHINE_READ, run<readMachineImage>},
    {IDM_HELP_TOPICS, run<showHelpTopics>},
    {IDM_ABOUT, run<showAboutBox>},
    {IDM_NUM_LOCK, showLockIndicator},
    {IDM_CAPS_LOCK, showLockIndicator},
    {IDM_SCROLL_LOCK, showLockIndicator},
    {IDM_SAVE_AS, run<saveDocumentAs>},
    {IDM_DOWNLOAD, run<downloadFromMachine>},
    {IDM_UPLOAD, run<uploadToMachine>},
};

} // namespace

LRESULT dispatchCommand(HWND mainWindow, int commandId) {
    for (const CommandEntry& entry : kCommands) {
        if (entry.id == commandId) {
            entry.run(mainWindow, commandId);
            break;
        }
    }
    return 0;
}
