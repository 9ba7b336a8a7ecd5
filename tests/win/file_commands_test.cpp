#include "harness/harness.h"
#include "resource_ids.h"

#include "app/shell_backup_win.h"
#include "link/sample_machine_image.h"
#include "phonebook/entry_lists_win.h"
#include "store/data_file.h"
#include "store/dial_entry.h"
#include "win/win_text_win.h"

#include <string>

using harness::HeldFile;
using harness::MessageBoxRecord;
using harness::ModalScript;

namespace {

class FileCommandsTest : public harness::MainWindowTest {
  protected:
    LRESULT command(int commandId) { return harness::sendCommand(mainWindow(), commandId); }

    void chooseFile(ModalScript& script, const std::wstring& path, std::wstring* title = nullptr) {
        harness::answerFileDialog(script, path, title);
    }

    std::string writeSampleFile(const wchar_t* name) {
        const std::string path = wideToUtf8(folder.file(name));
        EXPECT_EQ(writeDataFile(path, sampleMachineImage()), 1);
        return path;
    }

    void openFile(const std::string& path) {
        ModalScript script;
        chooseFile(script, utf8ToWide(path));
        command(IDM_OPEN);
    }

    std::wstring title() { return harness::windowText(mainWindow()); }

    static std::string speedDialName(const std::string& path, int index) {
        RecordStore image;
        initStore(image);
        EXPECT_EQ(readDataFile(path, image), 1);
        SettingsMirror mirror;
        unpackStore(image, mirror);
        return std::string(fieldText(decodeSpeedDial(mirror, image, index).name));
    }

    void registerSpeedDial(int index, const char* name) {
        DialEntry entry;
        entry.used = 1;
        entry.entryClass = kEntryClassSpeedDial;
        setFieldText(entry.name, name);
        setFieldText(entry.faxNumber, "030 555 0199");
        entry.speedIndex = 1;
        encodeSpeedDial(workspace().mirror, workspace().store, entry, index);
    }

    harness::TempFolder folder;
};

} // namespace

TEST_F(FileCommandsTest, OpenLoadsTheImageAndNamesTheWindow) {
    const std::string path = writeSampleFile(L"sample.dat");
    std::wstring dialogTitle;
    {
        ModalScript script;
        chooseFile(script, utf8ToWide(path), &dialogTitle);
        command(IDM_OPEN);
    }
    EXPECT_EQ(dialogTitle, L"Open");
    EXPECT_EQ(workspace().view.documentLoaded, 1);
    EXPECT_EQ(workspace().currentFilePath, path);
    EXPECT_EQ(workspace().displayFileName, "sample.dat");
    EXPECT_EQ(title(), L"Local Setup - Zelt - sample.dat");
    EXPECT_EQ(harness::treeSelectedText(shell().tree), L"Reception");
    EXPECT_TRUE(IsWindowVisible(shell().tree));
    EXPECT_EQ(fieldText(workspace().mirror.stationName), "Reception");
    EXPECT_EQ(workspace().modifiedFlag, 0);
    const DWORD backup = GetFileAttributesW(utf8ToWide(workspace().backupFilePath).c_str());
    ASSERT_NE(backup, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(backup & FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(FileCommandsTest, CancelledOpenChangesNothing) {
    {
        ModalScript script;
        script.then([](HWND dialog) { harness::clickButton(dialog, IDCANCEL); });
        command(IDM_OPEN);
    }
    EXPECT_EQ(workspace().view.documentLoaded, 0);
    EXPECT_EQ(workspace().currentFilePath, "NewFile.Dat");
    EXPECT_EQ(title(), L"Local Setup - Zelt - NewFile.Dat");
}

TEST_F(FileCommandsTest, OpenOfAnUnreadableFileReportsAndHidesTheDocument) {
    openFile(writeSampleFile(L"good.dat"));
    ASSERT_EQ(workspace().view.documentLoaded, 1);
    command(IDM_VIEW_ONE_TOUCH);
    ASSERT_TRUE(IsWindowVisible(entryListWindow(mainWindow())));
    const std::string locked = writeSampleFile(L"locked.dat");
    HeldFile held(locked);
    ASSERT_TRUE(held.held());
    {
        ModalScript script;
        chooseFile(script, utf8ToWide(locked));
        const MessageBoxRecord& box = script.answerMessageBox(IDOK);
        command(IDM_OPEN);
        EXPECT_EQ(box.text, L"Error reading/writing machine data!");
        EXPECT_EQ(box.caption, L"Local Setup - Zelt");
    }
    EXPECT_EQ(workspace().view.documentLoaded, 0);
    EXPECT_EQ(workspace().currentFilePath, wideToUtf8(folder.file(L"good.dat")))
        << "the refused file never becomes the document's";
    EXPECT_EQ(title(), L"Local Setup - Zelt - good.dat");
    EXPECT_EQ(harness::statusBarParts(shell().statusBar).at(1), L"Local Setup");
    // The next refresh (any menu opening) hides the tree and the lists.
    SendMessageW(mainWindow(), WM_INITMENU, reinterpret_cast<WPARAM>(shell().mainMenu), 0);
    EXPECT_FALSE(IsWindowVisible(shell().tree));
    EXPECT_FALSE(IsWindowVisible(entryListWindow(mainWindow())));
    EXPECT_FALSE(IsWindowVisible(memberListWindow(mainWindow())));
    EXPECT_TRUE(IsWindowVisible(shell().statusPane));
}

TEST_F(FileCommandsTest, FirstSaveAsksForANameThenSavesInPlace) {
    const std::wstring path = folder.file(L"first.dat");
    workspace().modifiedFlag = 1;
    std::wstring dialogTitle;
    {
        ModalScript script;
        chooseFile(script, path, &dialogTitle);
        command(IDM_SAVE);
    }
    EXPECT_EQ(dialogTitle, L"Save");
    EXPECT_EQ(workspace().currentFilePath, wideToUtf8(path));
    EXPECT_EQ(workspace().modifiedFlag, 0);
    EXPECT_EQ(title(), L"Local Setup - Zelt - NewFile.Dat");
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeLow, 25760u);

    // The second Save writes the current image without a dialog: a dialog
    // would fail the test as unexpected.
    registerSpeedDial(2, "Saved Again");
    workspace().modifiedFlag = 1;
    command(IDM_SAVE);
    EXPECT_EQ(speedDialName(wideToUtf8(path), 2), "Saved Again");
    EXPECT_EQ(workspace().modifiedFlag, 0);
}

TEST_F(FileCommandsTest, SaveAsRenamesTheWindowAndKeepsTheExitQuestion) {
    const std::wstring path = folder.file(L"copy.dat");
    std::wstring dialogTitle;
    {
        ModalScript script;
        chooseFile(script, path, &dialogTitle);
        command(IDM_SAVE_AS);
    }
    EXPECT_EQ(dialogTitle, L"Save As...");
    EXPECT_EQ(title(), L"Local Setup - Zelt - copy.dat");
    EXPECT_EQ(workspace().modifiedFlag, 1);
    EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);

    ModalScript script;
    const MessageBoxRecord& question = script.answerMessageBox(IDCANCEL);
    command(IDM_EXIT);
    EXPECT_EQ(question.text, L"Is Change " + path + L" Saved ?");
    EXPECT_TRUE(IsWindow(mainWindow()));
}

TEST_F(FileCommandsTest, FailedSaveIsReportedAndKeepsTheImageMarkedChanged) {
    const std::string path = writeSampleFile(L"held.dat");
    HeldFile held(path);
    ASSERT_TRUE(held.held());
    workspace().currentFilePath = path;
    workspace().displayFileName = "held.dat";
    workspace().modifiedFlag = 1;
    {
        ModalScript script;
        const MessageBoxRecord& box = script.answerMessageBox(IDOK);
        command(IDM_SAVE);
        EXPECT_EQ(box.text, L"Error reading/writing machine data!");
    }
    EXPECT_EQ(workspace().modifiedFlag, 1);
    EXPECT_EQ(harness::statusBarParts(shell().statusBar).at(1), L"Local Setup");
}
