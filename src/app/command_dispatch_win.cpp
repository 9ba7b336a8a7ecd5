#include "app/command_dispatch_win.h"

#include "app/about_win.h"
#include "app/connection_commands_win.h"
#include "app/exchange_commands_win.h"
#include "app/file_commands_win.h"
#include "app/help_win.h"
#include "app/machine_commands_win.h"
#include "app/settings_command_win.h"
#include "app/shell_win.h"
#include "app/status_bar_win.h"
#include "app/tree_win.h"
#include "app/ui_refresh_win.h"
#include "app/ui_state.h"
#include "phonebook/entry_commands_win.h"
#include "resource_ids.h"

namespace {

using CommandHandler = void (*)(HWND mainWindow, int commandId);

struct CommandEntry {
    int id;
    CommandHandler run;
};

void showViewOfCommand(HWND mainWindow, int commandId) {
    selectTreeItem(mainWindow, viewOfCommand(commandId));
}

// A command that needs only its window; what it returns is for other
// callers, not the menu.
template <auto command> void run(HWND mainWindow, int) {
    command(mainWindow);
}

// The entry commands change rows and the clipboard: the Edit commands
// follow them at once.
template <void (*command)(HWND, Workspace&)> void runEntryCommand(HWND mainWindow, int) {
    command(mainWindow, workspaceOf(mainWindow));
    refreshUiState(mainWindow);
}

constexpr CommandEntry kCommands[] = {
    {IDM_CONNECT, run<connectMachine>},
    {IDM_DISCONNECT, run<disconnectMachine>},
    {IDM_TREE_DOWNLOAD, run<downloadFromMachine>},
    {IDM_TREE_UPLOAD, run<uploadToMachine>},
    {IDM_PROPERTIES, run<editMachineInformation>},
    {IDM_OPEN, run<openDocument>},
    {IDM_SAVE, run<saveDocument>},
    {IDM_EXIT, run<exitProgram>},
    {IDM_CUT, runEntryCommand<cutEntryCommand>},
    {IDM_COPY, runEntryCommand<copyEntryCommand>},
    {IDM_PASTE, runEntryCommand<pasteEntryCommand>},
    {IDM_DELETE, runEntryCommand<deleteEntryCommand>},
    {IDM_VIEW_ONE_TOUCH, showViewOfCommand},
    {IDM_VIEW_SPEED_DIAL, showViewOfCommand},
    {IDM_VIEW_GROUP, showViewOfCommand},
    {IDM_MACHINE_READ, run<readMachineImage>},
    {IDM_HELP_TOPICS, run<showHelpTopics>},
    {IDM_ABOUT, run<showAboutBox>},
    {IDM_SETTINGS_MENU, run<openSettingsSheet>},
    {IDM_ENTRY_PROPERTY, runEntryCommand<openEntryDialog>},
    {IDM_PRINT, run<printPhoneBook>},
    {IDM_TOTAL_COUNTER, run<showTotalCounter>},
    {IDM_NUM_LOCK, refreshLockIndicator},
    {IDM_CAPS_LOCK, refreshLockIndicator},
    {IDM_SCROLL_LOCK, refreshLockIndicator},
    {IDM_SAVE_AS, run<saveDocumentAs>},
    {IDM_EXPORT_PHONE_BOOK, run<exportPhoneBookCommand>},
    {IDM_IMPORT_PHONE_BOOK, run<importPhoneBookCommand>},
    {IDM_COMPARE_WITH, run<compareWithDataFile>},
    {IDM_OPEN_SNAPSHOT, run<openSnapshot>},
    {IDM_DOWNLOAD, run<downloadFromMachine>},
    {IDM_UPLOAD, run<uploadToMachine>},
    {IDM_CONFIGURATION, run<showMachineStatus>},
};

} // namespace

void dispatchCommand(HWND mainWindow, int commandId) {
    for (const CommandEntry& entry : kCommands) {
        if (entry.id == commandId) {
            entry.run(mainWindow, commandId);
            return;
        }
    }
}
