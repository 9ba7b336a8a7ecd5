#include "app/command_dispatch_win.h"

#include "app/connection_flow.h"
#include "app/shell_win.h"

namespace {

using CommandHandler = void (*)(HWND mainWindow);

struct CommandEntry {
    int id;
    CommandHandler run;
};

Workspace& workspace() {
    return *theShell().workspace;
}

// The machine information dialog may change what the machine is told at the
// next Upload, so whatever its result the image counts as changed.
void showMachineProperties(HWND) {
    workspace().modifiedFlag = 1;
}

constexpr CommandEntry kCommands[] = {
    {806, showMachineProperties},
};

} // namespace

LRESULT dispatchCommand(HWND mainWindow, int commandId) {
    for (const CommandEntry& entry : kCommands) {
        if (entry.id == commandId) {
            entry.run(mainWindow);
            break;
        }
    }
    return 0;
}

void onPollTimer(HWND mainWindow) {
    (void)mainWindow;
}
