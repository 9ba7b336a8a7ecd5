#include "harness/harness.h"
#include "machine_test_support.h"

#include "app/shutdown_win.h"
#include "app/startup_win.h"
#include "app/tree_win.h"
#include "resource_ids.h"
#include "store/data_file.h"
#include "win/win_text_win.h"

#include <cstring>
#include <memory>
#include <vector>

using namespace harness;

namespace {

constexpr int kBackupFileSize = 25760;

} // namespace

class MainWindowClose : public MainWindowTest {
  protected:
    std::wstring backupPath() { return utf8ToWide(workspace().backupFilePath); }
    DWORD fileSize(const std::string& path) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!GetFileAttributesExW(utf8ToWide(path).c_str(), GetFileExInfoStandard, &data))
            return 0;
        return data.nFileSizeLow;
    }
};

TEST_F(MainWindowClose, CancelKeepsTheWindowAndChangesNothing) {
    workspace().modifiedFlag = 1;
    workspace().view.documentLoaded = 1;
    ModalScript script;
    const MessageBoxRecord& question = script.answerMessageBox(IDCANCEL);
    SendMessageW(mainWindow(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(question.shown);
    EXPECT_EQ(question.caption, L"Local Setup - Zelt");
    EXPECT_EQ(question.text, L"Is Change NewFile.Dat Saved ?");
    EXPECT_TRUE(IsWindow(mainWindow()));
    EXPECT_EQ(workspace().modifiedFlag, 1);
    EXPECT_EQ(workspace().view.documentLoaded, 1);
    EXPECT_NE(shell().toolbar, nullptr);
    EXPECT_EQ(GetFileAttributesW(backupPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(MainWindowClose, NoClosesWithoutSavingButWritesTheHiddenBackup) {
    workspace().modifiedFlag = 1;
    HWND window = mainWindow();
    ModalScript script;
    script.answerMessageBox(IDNO);
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(workspace().modifiedFlag, 0);
    EXPECT_EQ(workspace().view.documentLoaded, 0);
    EXPECT_EQ(fileSize(workspace().currentFilePath), 0u) << "nothing saved";
    const DWORD attributes = GetFileAttributesW(backupPath().c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(backupPath().c_str(), GetFileExInfoStandard, &data);
    EXPECT_EQ(data.nFileSizeLow, static_cast<DWORD>(kBackupFileSize));
    EXPECT_EQ(shell().toolbar, nullptr);
    EXPECT_EQ(shell().treeImages, nullptr);
    EXPECT_EQ(pumpMessages(), 0); // the destroyed window asked the loop to end
}

TEST_F(MainWindowClose, YesSavesADocumentThatHasItsOwnFile) {
    TempFolder folder;
    const std::string path = wideToUtf8(folder.file(L"office.DAT"));
    workspace().modifiedFlag = 1;
    workspace().currentFilePath = path;
    // A document with a file of its own saves without asking for a name.
    workspace().displayFileName = "office.DAT";
    HWND window = mainWindow();
    {
        ModalScript script;
        const MessageBoxRecord& question = script.answerMessageBox(IDYES);
        SendMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(question.text, L"Is Change " + utf8ToWide(path) + L" Saved ?");
    }
    EXPECT_EQ(fileSize(path), static_cast<DWORD>(kBackupFileSize)) << "saved in place, no dialog";
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(workspace().modifiedFlag, 0);
}

TEST_F(MainWindowClose, UnchangedDocumentClosesWithoutAsking) {
    HWND window = mainWindow();
    EXPECT_TRUE(runShutdown(window, false));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_NE(GetFileAttributesW(backupPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(MainWindowBackup, TheBackupIsTheNextStartsImageWithoutADocument) {
    TempFolder folder;
    const std::string backup = wideToUtf8(folder.file(L"A4QELD.BAK"));
    const char name[] = "Branch Office";
    {
        auto workspace = std::make_unique<Workspace>();
        workspace->backupFilePath = backup;
        Shell shell;
        ASSERT_TRUE(startShell(shell, GetModuleHandleW(nullptr), *workspace, SW_SHOWNORMAL));
        SettingRecord& station = workspace->store.slots[kStationNameSlot];
        std::memcpy(station.payload.data(), name, sizeof(name));
        station.payloadLength = sizeof(name);
        workspace->store.slots[kSpeedDialFirstSlot + 99].payload[5] = 0x5A;
        EXPECT_TRUE(runShutdown(shell.mainWindow, true));
        stopShell(shell);
        pumpMessages();
    }
    auto workspace = std::make_unique<Workspace>();
    workspace->backupFilePath = backup;
    Shell shell;
    ASSERT_TRUE(startShell(shell, GetModuleHandleW(nullptr), *workspace, SW_SHOWNORMAL));
    EXPECT_EQ(workspace->view.documentLoaded, 0);
    EXPECT_EQ(workspace->store.slots[kSpeedDialFirstSlot + 99].payload[5], 0x5A);
    EXPECT_EQ(workspace->store.slots[kStationNameSlot].payloadLength, sizeof(name));
    EXPECT_STREQ(workspace->mirror.stationName.data(), name);
    EXPECT_EQ(treeItemLines(shell.tree).front(), L"Branch Office");
    stopShell(shell);
    pumpMessages();
}

class MainWindowCloseConnected : public MachineWindowTest {};

TEST_F(MainWindowCloseConnected, ClosingReleasesTheMachineFromRemoteMode) {
    connect();
    ASSERT_TRUE(machine.inRemoteMode());
    HWND window = mainWindow();
    EXPECT_TRUE(runShutdown(window, false));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(machine.inRemoteMode());
}

TEST_F(MainWindowCloseConnected, AnUnreachableMachineDoesNotHoldTheCloseUp) {
    connect();
    machine.unplugAfter(0);
    HWND window = mainWindow();
    EXPECT_TRUE(runShutdown(window, false));
    EXPECT_FALSE(IsWindow(window));
}
