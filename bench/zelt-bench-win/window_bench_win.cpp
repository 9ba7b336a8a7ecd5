#include "window_bench_win.h"

#include "workspace/document_files.h"
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

// The one main window the benchmark makes, and what it shows.
HWND benchWindow = nullptr;
Workspace* benchWorkspace = nullptr;

// Paints now whatever the work left to paint, in the main window and every
// child, so the time includes what the user waits to see.
bool paintNow() {
    return RedrawWindow(benchWindow, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN) != FALSE;
}

// The steps of Open after its dialog: load the file, then show the new
// image in the window.
bool openFullPhoneBook(Workspace& workspace, const ScratchFolder& folder) {
    const std::string path = folder.file("Phone book.DAT");
    if (!folder.created() || !writeDataFile(path, fullPhoneBookImage()) ||
        !loadDocumentFile(workspace, path))
        return false;
    HWND mainWindow = benchWindow;
    applyShellOutcome(mainWindow, ShellOutcome::openSucceeded);
    showNewImage(mainWindow);
    pumpMessages();
    return true;
}

struct WindowWork {
    const char* what;
    View viewBefore; // shown, untimed, before every run
    void (*work)();
    int rowsAfter; // what the list shows once the work is done
};

const WindowWork kWindowWork[] = {
    {"Refresh the One Touch list, 9 rows (Wine)", View::oneTouch,
     [] { refreshOneTouchList(entryListWindow(benchWindow), *benchWorkspace); }, kOneTouchKeyCount},
    {"Refresh the Speed Dial list, 100 rows (Wine)", View::speedDial,
     [] { refreshSpeedDialList(entryListWindow(benchWindow), *benchWorkspace); },
     kSpeedDialEntryCount},
    {"Switch from the Group view to Speed Dial in the tree (Wine)", View::group,
     [] { selectTreeItem(benchWindow, View::speedDial); }, kSpeedDialEntryCount},
};

bool timeWork(const BenchSettings& settings, const WindowWork& work, double& seconds) {
    const bool timed = timeMedianAfter(
        settings,
        [&] {
            selectTreeItem(benchWindow, work.viewBefore);
            return paintNow();
        },
        [&] {
            work.work();
            return paintNow();
        },
        seconds);
    return timed && ListView_GetItemCount(entryListWindow(benchWindow)) == work.rowsAfter;
}

} // namespace

void benchMainWindow(const BenchSettings& settings, BenchReport& report) {
    auto workspace = std::make_unique<Workspace>();
    auto shell = std::make_unique<Shell>();
    ScratchFolder folder;
    // The benchmark's own backup, in its scratch folder: never the one beside
    // the program.
    workspace->backupFilePath = folder.file("A4QELD.BAK");
    if (!startShell(*shell, GetModuleHandleW(nullptr), *workspace, SW_SHOWNORMAL)) {
        report.fail("the main window could not be made");
        return;
    }
    benchWindow = shell->mainWindow;
    benchWorkspace = workspace.get();
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
    stopShell(*shell);
    pumpMessages();
    benchWindow = nullptr;
    benchWorkspace = nullptr;
}
