// Drives a running Zelt window from outside, one step per argument, for the
// scripted tour of the demo and the installer test:
//   wait        wait up to 30 seconds for the main window to be shown
//   <number>    run that command id in the window and wait until it is done
//   close       ask the window to close
//   print:<box> print one phone-book list: Print, only check box <box> ticked
//               in "Select Print Items", OK in the print dialog; returns once
//               the list has been printed
// Returns 0 when every step succeeded, 1 when the window was not found or a
// command did not finish within a minute.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

constexpr wchar_t kMainWindowClass[] = L"Zelt";
constexpr int kWaitSteps = 300;
constexpr DWORD kWaitStepMilliseconds = 100;
constexpr UINT kCommandTimeoutMilliseconds = 60000;

// The Print command and the check boxes of "Select Print Items".
constexpr int kPrintCommand = 822;
constexpr int kPrintListBoxes[] = {1270, 1271, 1272};

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

bool closeMainWindow() {
    HWND window = findMainWindow();
    return window && PostMessageW(window, WM_CLOSE, 0, 0);
}

struct DialogSearch {
    DWORD process;
    bool selectPrintItems; // the list choice, else the print dialog
    HWND found;
};

BOOL CALLBACK matchDialog(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<DialogSearch*>(lParam);
    wchar_t className[16] = {};
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.process || !IsWindowVisible(window) ||
        !GetClassNameW(window, className, 16) || std::wcscmp(className, L"#32770") != 0)
        return TRUE;
    const bool listChoice = GetDlgItem(window, kPrintListBoxes[0]) != nullptr;
    if (listChoice != search.selectPrintItems || GetDlgItem(window, IDOK) == nullptr)
        return TRUE;
    search.found = window;
    return FALSE;
}

// The program's dialog of the given kind, once it is shown.
HWND waitForDialog(HWND mainWindow, bool selectPrintItems) {
    DialogSearch search{0, selectPrintItems, nullptr};
    GetWindowThreadProcessId(mainWindow, &search.process);
    for (int step = 0; step < kWaitSteps && search.found == nullptr; ++step) {
        EnumWindows(matchDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr)
            Sleep(kWaitStepMilliseconds);
    }
    return search.found;
}

bool printList(int keptBox) {
    HWND window = findMainWindow();
    if (!window || !PostMessageW(window, WM_COMMAND, MAKEWPARAM(kPrintCommand, 0), 0))
        return false;
    HWND choice = waitForDialog(window, true);
    if (!choice)
        return false;
    for (int box : kPrintListBoxes)
        SendDlgItemMessageW(choice, box, BM_SETCHECK, box == keptBox ? BST_CHECKED : BST_UNCHECKED,
                            0);
    PostMessageW(choice, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    HWND printDialog = waitForDialog(window, false);
    if (!printDialog)
        return false;
    PostMessageW(printDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    // The list prints inside the command; the window answers again after it.
    Sleep(kWaitStepMilliseconds);
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kCommandTimeoutMilliseconds,
                               &result) != 0;
}

bool runStep(const char* step) {
    if (std::strncmp(step, "print:", 6) == 0) {
        return printList(std::atoi(step + 6));
    }
    if (std::strcmp(step, "wait") == 0) {
        return waitForMainWindow();
    }
    if (std::strcmp(step, "close") == 0) {
        return closeMainWindow();
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
