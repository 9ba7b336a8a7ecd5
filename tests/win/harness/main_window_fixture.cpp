#include "harness/main_window_fixture.h"

#include "app/startup_win.h"

namespace harness {

void MainWindowTest::SetUp() {
    ASSERT_TRUE(startShell(GetModuleHandleW(nullptr), *workspace_, SW_SHOWNORMAL));
    ASSERT_NE(mainWindow(), nullptr);
    pumpMessages();
}

void MainWindowTest::TearDown() {
    stopShell();
    pumpMessages();
}

LRESULT sendCommand(HWND window, int commandId) {
    return SendMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

std::optional<int> pumpMessages() {
    std::optional<int> quitCode;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitCode = static_cast<int>(message.wParam);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return quitCode;
}

} // namespace harness
