#include "harness/main_window_fixture.h"

#include "app/shell_backup_win.h"
#include "app/startup_win.h"
#include "win/win_text_win.h"

namespace harness {

namespace {

// The main window reads the backup file when it is created and writes it
// when it is destroyed; every test starts and ends without one, so that no
// test sees what an earlier one left. Outside a running shell the path is
// the one beside this test program.
void removeBackupFile(const Workspace& workspace) {
    std::wstring path = utf8ToWide(shellBackupPath(workspace));
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}

} // namespace

void MainWindowTest::SetUp() {
    removeBackupFile(*workspace_);
    ASSERT_TRUE(startShell(GetModuleHandleW(nullptr), *workspace_, SW_SHOWNORMAL));
    ASSERT_NE(mainWindow(), nullptr);
    pumpMessages();
}

void MainWindowTest::TearDown() {
    stopShell();
    pumpMessages();
    removeBackupFile(*workspace_);
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
