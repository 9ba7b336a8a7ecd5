// Drives a running Zelt window from outside, one step per argument, for the
// scripted tour of the demo and the installer test:
//   wait        wait up to 30 seconds for the main window to be shown
//   <number>    run that command id in the window and wait until it is done
//   post:<id>   start that command and return at once (it opens a dialog or
//               a property sheet)
//   key:<vk>    press that virtual key in the phone-book list
//   text:<id>:<text>  type <text> into control <id> of the open dialog
//   click:<id>  press button <id> of the open dialog (2 cancels a sheet)
//   page:<n>    show page n (from 0) of the open property sheet
//   close       ask the window to close
//   print:<box> print one phone-book list: Print, only check box <box> ticked
//               in "Select Print Items", OK in the print dialog; returns once
//               the list has been printed
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
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr int kEntryListId = 2001;
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

// The program's open modal dialog: a top-level dialog of the main
// window's process, waited for up to the usual bound.
HWND openDialog() {
    HWND window = findMainWindow();
    if (!window)
        return nullptr;
    DWORD program = 0;
    GetWindowThreadProcessId(window, &program);
    for (int step = 0; step < kWaitSteps; ++step) {
        for (HWND dialog = FindWindowExW(nullptr, nullptr, kDialogClass, nullptr); dialog;
             dialog = FindWindowExW(nullptr, dialog, kDialogClass, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(dialog, &owner);
            if (owner == program && IsWindowVisible(dialog) && IsWindowEnabled(dialog))
                return dialog;
        }
        Sleep(kWaitStepMilliseconds);
    }
    return nullptr;
}

bool postCommand(int commandId) {
    HWND window = findMainWindow();
    return window && PostMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

bool pressListKey(int virtualKey) {
    HWND window = findMainWindow();
    HWND list = window ? GetDlgItem(window, kEntryListId) : nullptr;
    if (!list)
        return false;
    SendMessageW(list, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 0);
    SendMessageW(list, WM_KEYUP, static_cast<WPARAM>(virtualKey), 0);
    return true;
}

// Typing replaces the control's text; the program filters it as it would
// filter keystrokes.
bool typeText(int controlId, const char* text) {
    HWND dialog = openDialog();
    if (!dialog)
        return false;
    wchar_t wide[256] = {};
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, 255);
    return SetDlgItemTextW(dialog, controlId, wide) != FALSE;
}

bool showSheetPage(int pageIndex) {
    HWND sheet = openDialog();
    return sheet && SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(pageIndex), 0) != 0;
}

bool clickButton(int controlId) {
    HWND dialog = openDialog();
    HWND button = dialog ? GetDlgItem(dialog, controlId) : nullptr;
    return button && PostMessageW(button, BM_CLICK, 0, 0);
}

// The number (0 to 0xFFFF) after `prefix` in `step`, or -1.
long numberAfter(const char* step, const char* prefix, char** rest = nullptr) {
    const size_t length = std::strlen(prefix);
    if (std::strncmp(step, prefix, length) != 0)
        return -1;
    char* end = nullptr;
    const long value = std::strtol(step + length, &end, 10);
    if (end == step + length || value < 0 || value > 0xFFFF)
        return -1;
    if (rest)
        *rest = end;
    return value;
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
    if (long id = numberAfter(step, "post:"); id > 0)
        return postCommand(static_cast<int>(id));
    if (long key = numberAfter(step, "key:"); key > 0)
        return pressListKey(static_cast<int>(key));
    if (long id = numberAfter(step, "click:"); id > 0)
        return clickButton(static_cast<int>(id));
    char* rest = nullptr;
    if (long id = numberAfter(step, "text:", &rest); id > 0 && *rest == ':')
        return typeText(static_cast<int>(id), rest + 1);
    if (long page = numberAfter(step, "page:"); page >= 0)
        return showSheetPage(static_cast<int>(page));
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
