#include "harness/main_window_fixture.h"

#include "app/model_string.h"
#include "app/startup_win.h"
#include "harness/program_files.h"

namespace harness {

namespace {

// The main window reads a backup file beside the program when it is created
// and writes one when it is destroyed; every test starts without one so that
// no test sees what an earlier one left.
void removeBackupFile() {
    std::wstring name(familyFileBaseName(kModelFamilyA4).begin(),
                      familyFileBaseName(kModelFamilyA4).end());
    std::wstring path = programFolder() + L"\\" + name + L".BAK";
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}

} // namespace

void MainWindowTest::SetUp() {
    removeBackupFile();
    ASSERT_TRUE(startShell(GetModuleHandleW(nullptr), *workspace_, SW_SHOWNORMAL));
    ASSERT_NE(mainWindow(), nullptr);
    pumpMessages();
}

void MainWindowTest::TearDown() {
    stopShell();
    pumpMessages();
    removeBackupFile();
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
