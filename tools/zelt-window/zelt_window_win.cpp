// Finds and closes Zelt's main window from outside the program: what
// scripts/run uses to photograph the window on a headless display and end
// the program cleanly.
//   zelt-window wait SECONDS   prints the window's frame as WIDTHxHEIGHT+LEFT+TOP
//                              once it is visible
//   zelt-window close SECONDS  asks the window to close and waits for its process
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr wchar_t kMainWindowClassName[] = L"Zelt";
constexpr DWORD kPollIntervalMs = 100;
// Time for the freshly shown window to finish painting before its picture is taken.
constexpr DWORD kPaintSettleMs = 1000;

HWND waitForVisibleWindow(DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindWindowW(kMainWindowClassName, nullptr);
        if (window != nullptr && IsWindowVisible(window))
            return window;
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        Sleep(kPollIntervalMs);
    }
}

int waitCommand(DWORD timeoutMs) {
    HWND window = waitForVisibleWindow(timeoutMs);
    if (window == nullptr) {
        std::fprintf(stderr, "zelt-window: no main window within the time allowed\n");
        return 1;
    }
    Sleep(kPaintSettleMs);
    RECT frame;
    if (!GetWindowRect(window, &frame))
        return 1;
    std::printf("%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top, frame.left,
                frame.top);
    return 0;
}

int closeCommand(DWORD timeoutMs) {
    HWND window = FindWindowW(kMainWindowClassName, nullptr);
    if (window == nullptr)
        return 0;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageW(window, WM_CLOSE, 0, 0);
    bool ended = process == nullptr || WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
    if (process != nullptr)
        CloseHandle(process);
    if (!ended)
        std::fprintf(stderr, "zelt-window: the program did not end within the time allowed\n");
    return ended ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zelt-window wait|close SECONDS\n");
        return 2;
    }
    DWORD timeoutMs = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)) * 1000;
    if (std::strcmp(argv[1], "wait") == 0)
        return waitCommand(timeoutMs);
    if (std::strcmp(argv[1], "close") == 0)
        return closeCommand(timeoutMs);
    std::fprintf(stderr, "zelt-window: unknown command %s\n", argv[1]);
    return 2;
}
