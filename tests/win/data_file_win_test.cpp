#include "store/data_file.h"
#include "win/win_text_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// A folder with a name outside the ANSI code page, under the temp folder.
std::wstring makeTestFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder =
        std::wstring(temp) + L"zelt-\x0416\x65e5-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

} // namespace

TEST(DataFileWin, BackupIsReplacedInPlaceAndStaysHidden) {
    std::wstring folder = makeTestFolder();
    std::string backup = wideToUtf8(folder + L"\\A4QELD.BAK");
    RecordStore store;
    initStore(store);
    store.slots[75].payloadLength = 146;
    store.slots[75].payload[0] = 0x11;
    ASSERT_EQ(writeBackupFile(backup, store), 1);
    // Wine reports the archive bit on every file, so only the hidden bit
    // is checked.
    DWORD attributes = GetFileAttributesW(utf8ToWide(backup).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);

    // A second write replaces the hidden file and hides the new one.
    store.slots[75].payload[0] = 0x22;
    ASSERT_EQ(writeBackupFile(backup, store), 1);
    EXPECT_TRUE(GetFileAttributesW(utf8ToWide(backup).c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(GetFileAttributesW(utf8ToWide(backup + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);

    RecordStore loaded;
    initStore(loaded);
    ASSERT_EQ(readDataFile(backup, loaded), 1);
    EXPECT_EQ(loaded.slots[75].payload[0], 0x22);
    EXPECT_EQ(loaded.slots[75].payloadLength, 146u);

    // A file held open elsewhere without sharing cannot be read.
    HANDLE held = CreateFileW(utf8ToWide(backup).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(readDataFile(backup, loaded), 0);
    CloseHandle(held);

    SetFileAttributesW(utf8ToWide(backup).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(utf8ToWide(backup).c_str());
    RemoveDirectoryW(folder.c_str());
}
