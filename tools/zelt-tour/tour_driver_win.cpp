// Drives a running Zelt window from outside, one step per argument, for the
// scripted tour of the demo and the installer test:
//   wait        wait up to 30 seconds for the main window to be shown
//   <number>    run that command id in the window and wait until it is done
//   close       ask the window to close
// Returns 0 when every step succeeded, 1 when the window was not found or a
// command did not finish within a minute.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

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
