#include "window_bench_win.h"

#include "app/document_files.h"
#include "app/shell_backup_win.h"
#include "app/shell_outcome_win.h"
#include "app/shell_win.h"
#include "app/startup_win.h"
#include "app/tree_win.h"
#include "full_phone_book.h"
#include "phonebook/entry_lists_win.h"
#include "scratch_folder.h"
#include "store/data_file.h"
#include "win/win_text_win.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>

namespace {

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Paints now whatever the work left to paint, in the main window and every
// child, so the time includes what the user waits to see.
bool paintNow() {
    return RedrawWindow(theShell().mainWindow, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN) !=
           FALSE;
}

// The main window reads the backup file beside this program at creation
// and writes it at close; the benchmark neither uses nor leaves one.
void removeBackupFile(const Workspace& workspace) {
    const std::wstring path = utf8ToWide(shellBackupPath(workspace));
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}

// The steps of Open after its dialog: load the file, then show the new
// image in the window.
bool openFullPhoneBook(Workspace& workspace, const ScratchFolder& folder) {
    workspace.currentFilePath = folder.file("Phone book.DAT");
    if (!folder.created() || !writeDataFile(workspace.currentFilePath, fullPhoneBookImage()) ||
        !loadDocumentFile(workspace))
        return false;
    HWND mainWindow = theShell().mainWindow;
    applyShellOutcome(mainWindow, ShellOutcome::openSucceeded);
    showNewImage(mainWindow);
    pumpMessages();
    return true;
}

struct WindowWork {
    const char* what;
    int viewBefore; // shown, untimed, before every run
    void (*work)();
    int rowsAfter; // what the list shows once the work is done
};

const WindowWork kWindowWork[] = {
    {"Refresh the One Touch list, 9 rows (Wine)", kTreeOneTouch,
     [] { refreshOneTouchList(entryListWindow()); }, kOneTouchKeyCount},
    {"Refresh the Speed Dial list, 100 rows (Wine)", kTreeSpeedDial,
     [] { refreshSpeedDialList(entryListWindow()); }, kSpeedDialEntryCount},
    {"Switch from the Group view to Speed Dial in the tree (Wine)", kTreeGroup,
     [] { selectTreeItem(kTreeSpeedDial); }, kSpeedDialEntryCount},
};

bool timeWork(const BenchSettings& settings, const WindowWork& work, double& seconds) {
    const bool timed = timeMedianAfter(
        settings,
        [&] {
            selectTreeItem(work.viewBefore);
            return paintNow();
        },
        [&] {
            work.work();
            return paintNow();
        },
        seconds);
    return timed && ListView_GetItemCount(entryListWindow()) == work.rowsAfter;
}

} // namespace

void benchMainWindow(const BenchSettings& settings, BenchReport& report) {
    auto workspace = std::make_unique<Workspace>();
    ScratchFolder folder;
    removeBackupFile(*workspace);
    if (!startShell(GetModuleHandleW(nullptr), *workspace, SW_SHOWNORMAL)) {
        report.fail("the main window could not be made");
        return;
    }
    pumpMessages();
    if (openFullPhoneBook(*workspace, folder)) {
        for (const WindowWork& work : kWindowWork) {
            double seconds = 0;
            if (timeWork(settings, work, seconds))
                report.add(frameRow(work.what, seconds));
            else
                report.fail(std::string(work.what) + ": the list does not show its rows");
        }
    } else {
        report.fail("the full phone book could not be opened in the main window");
    }
    stopShell();
    pumpMessages();
    removeBackupFile(*workspace);
}
