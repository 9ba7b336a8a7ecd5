#include "harness/main_window_fixture.h"

#include "app/startup_win.h"
#include "win/win_text_win.h"

namespace harness {

// Every test has a backup file of its own in a fresh folder, so that no test
// sees what an earlier one left and none touches a real one.
// The per-user snapshot folder lies in the same fresh folder.
void MainWindowTest::SetUp() {
    workspace_->backupFilePath = wideToUtf8(backupFolder_.file(L"A4QELD.BAK"));
    SetEnvironmentVariableW(L"LOCALAPPDATA", backupFolder_.path().c_str());
    ASSERT_TRUE(startShell(*shell_, GetModuleHandleW(nullptr), *workspace_, SW_SHOWNORMAL));
    ASSERT_NE(mainWindow(), nullptr);
    pumpMessages();
}

void MainWindowTest::TearDown() {
    stopShell(*shell_);
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
