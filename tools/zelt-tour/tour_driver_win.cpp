// Drives a running Zelt window from outside, one step per argument, for the
// scripted tour of the demo and the installer test:
//   wait        wait up to 30 seconds for the main window to be shown
//   <number>    run that command id in the window and wait until it is done
//   open-<id>   start a command that opens a property sheet, and wait up to
//               30 seconds for the sheet
//   page-<n>    show page n (from 0) of the open sheet
//   close-sheet cancel the open sheet
//   close       ask the window to close
// Returns 0 when every step succeeded, 1 when the window was not found or a
// command did not finish within a minute.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

constexpr wchar_t kMainWindowClass[] = L"Zelt";
constexpr int kWaitSteps = 300;
constexpr DWORD kWaitStepMilliseconds = 100;
constexpr UINT kCommandTimeoutMilliseconds = 60000;

HWND findMainWindow() {
    return FindWindowW(kMainWindowClass, nullptr);
}

// The window exists before it is shown; wait until the user could see it.
bool waitForMainWindow() {
    for (int step = 0; step < kWaitSteps; ++step) {
        HWND window = findMainWindow();
        if (window && IsWindowVisible(window)) {
            return true;
        }
        Sleep(kWaitStepMilliseconds);
    }
    return false;
}

// Sending rather than posting returns only after the command has run, so
// the screenshot that follows shows its result.
bool runCommand(int commandId) {
    HWND window = findMainWindow();
    if (!window) {
        return false;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0, SMTO_NORMAL,
                             kCommandTimeoutMilliseconds, &result)) {
        return false;
    }
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return true;
}

BOOL CALLBACK findOwnedDialog(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wcscmp(className, L"#32770") == 0 && GetWindow(window, GW_OWNER) == findMainWindow() &&
        IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The property sheet the main window has open, or null.
HWND findSheet() {
    HWND sheet = nullptr;
    EnumWindows(findOwnedDialog, reinterpret_cast<LPARAM>(&sheet));
    return sheet;
}

// The sheet is modal: the command that opens it returns only when it
// closes, so it is posted and the sheet awaited instead.
bool openSheet(int commandId) {
    HWND window = findMainWindow();
    if (!window || !PostMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0))
        return false;
    for (int step = 0; step < kWaitSteps; ++step) {
        if (findSheet())
            return true;
        Sleep(kWaitStepMilliseconds);
    }
    return false;
}

bool showSheetPage(int pageIndex) {
    HWND sheet = findSheet();
    return sheet && SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(pageIndex), 0) != 0;
}

bool closeSheet() {
    HWND sheet = findSheet();
    return sheet && PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

// The number after `prefix` in `step`, or -1 when the step is not one.
long numberAfter(const char* step, const char* prefix) {
    const size_t length = std::strlen(prefix);
    if (std::strncmp(step, prefix, length) != 0)
        return -1;
    char* end = nullptr;
    const long number = std::strtol(step + length, &end, 10);
    return end == step + length || *end != '\0' || number < 0 || number > 0xFFFF ? -1 : number;
}

bool closeMainWindow() {
    HWND window = findMainWindow();
    return window && PostMessageW(window, WM_CLOSE, 0, 0);
}

bool runStep(const char* step) {
    if (std::strcmp(step, "wait") == 0) {
        return waitForMainWindow();
    }
    if (std::strcmp(step, "close") == 0) {
        return closeMainWindow();
    }
    if (std::strcmp(step, "close-sheet") == 0) {
        return closeSheet();
    }
    if (const long commandId = numberAfter(step, "open-"); commandId > 0) {
        return openSheet(static_cast<int>(commandId));
    }
    if (const long pageIndex = numberAfter(step, "page-"); pageIndex >= 0) {
        return showSheetPage(static_cast<int>(pageIndex));
    }
    char* end = nullptr;
    const long commandId = std::strtol(step, &end, 10);
    if (end == step || *end != '\0' || commandId <= 0 || commandId > 0xFFFF) {
        std::fprintf(stderr, "zelt-tour: not a step: %s\n", step);
        return false;
    }
    return runCommand(static_cast<int>(commandId));
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (!runStep(argv[i])) {
            std::fprintf(stderr, "zelt-tour: step %s failed\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
