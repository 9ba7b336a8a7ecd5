#include "machine_test_support.h"
#include "resource_ids.h"

#include "app/connection_commands_win.h"
#include "app/ui_refresh_win.h"
#include "phonebook/entry_lists_win.h"
#include "store/data_file.h"
#include "store/dial_entry.h"
#include "win/win_text_win.h"

#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

using harness::HeldFile;
using harness::MessageBoxRecord;
using harness::ModalScript;

namespace {

constexpr wchar_t kMachineDataError[] = L"Error reading/writing machine data!";

std::vector<char> fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The main window with a simulated machine, and the file steps a user takes.
class DataSafety : public MachineWindowTest {
  protected:
    void chooseFile(ModalScript& script, const std::string& path) {
        harness::answerFileDialog(script, utf8ToWide(path));
    }
    std::string sampleFile(const wchar_t* name) {
        const std::string path = wideToUtf8(folder.file(name));
        EXPECT_EQ(writeDataFile(path, sampleMachineImage()), 1);
        return path;
    }
    // Save As onto a file another program holds: the dialog's "replace?" for
    // the existing name is answered Yes, then the error the write ends in.
    const MessageBoxRecord& failSaveAs(ModalScript& script, const std::string& heldPath) {
        chooseFile(script, heldPath);
        script.answerMessageBox(IDYES);
        return script.answerMessageBox(IDOK);
    }
    void openFile(const std::string& path) {
        ModalScript script;
        chooseFile(script, path);
        command(IDM_OPEN);
    }
    void renameStation(const char* name) {
        setFieldText(workspace().mirror.stationName, name);
        workspace().modifiedFlag = true;
    }
    static std::string stationOf(const std::string& path) {
        RecordStore image;
        initStore(image);
        if (readDataFile(path, image) != 1)
            return "(unreadable)";
        SettingsMirror mirror;
        unpackStore(image, mirror);
        return std::string(fieldText(mirror.stationName));
    }
    std::wstring title() { return harness::windowText(mainWindow()); }

    harness::TempFolder folder;
};

} // namespace

// A save or open that did not happen never loses the image nor moves the
// document to another file: Exit Yes whose Save As is cancelled or fails keeps
// the window, a failed Save As keeps the old path for the next Save, and a
// failed Open keeps it for Exit Yes, which never writes over the refused file.
TEST_F(DataSafety, SavesAndOpensThatFailKeepTheImageAndItsOwnFile) {
    const std::string blocked = sampleFile(L"blocked.dat");
    HeldFile held(blocked);
    ASSERT_TRUE(held.held());
    renameStation("Unsaved");
    for (const bool cancelDialog : {true, false}) {
        step(cancelDialog ? "Exit Yes, Save As cancelled" : "Exit Yes, Save As failed");
        ModalScript script;
        script.answerMessageBox(IDYES); // save the changes?
        if (cancelDialog)
            script.then([](HWND dialog) { harness::clickButton(dialog, IDCANCEL); });
        else
            failSaveAs(script, blocked);
        command(IDM_EXIT);
        ASSERT_TRUE(IsWindow(mainWindow()));
        EXPECT_TRUE(workspace().modifiedFlag);
        EXPECT_EQ(fieldText(workspace().mirror.stationName), "Unsaved");
        EXPECT_EQ(workspace().currentFilePath, "NewFile.Dat");
        EXPECT_EQ(title(), L"Local Setup - Zelt - NewFile.Dat");
    }

    step("failed Save As");
    const std::string old = sampleFile(L"old.dat");
    openFile(old);
    renameStation("Edited");
    workspace().modifiedFlag = false;
    {
        ModalScript script;
        const MessageBoxRecord& error = failSaveAs(script, blocked);
        command(IDM_SAVE_AS);
        EXPECT_EQ(error.text, kMachineDataError);
    }
    EXPECT_EQ(workspace().currentFilePath, old);
    EXPECT_EQ(title(), L"Local Setup - Zelt - old.dat");
    EXPECT_TRUE(workspace().modifiedFlag) << "a Save As that wrote nothing asks at exit";
    command(IDM_SAVE); // no dialog: the document still has its own file
    EXPECT_EQ(stationOf(old), "Edited");

    step("failed Open");
    renameStation("Mine");
    // Larger than any data file: refused.
    const std::string large = wideToUtf8(folder.file(L"large.dat"));
    const std::vector<char> largeBytes(1024 * 1024 + 7, 'x');
    std::ofstream(large, std::ios::binary)
        .write(largeBytes.data(), static_cast<std::streamsize>(largeBytes.size()));
    {
        ModalScript script;
        chooseFile(script, large);
        const MessageBoxRecord& error = script.answerMessageBox(IDOK);
        command(IDM_OPEN);
        EXPECT_EQ(error.text, kMachineDataError);
    }
    EXPECT_EQ(workspace().currentFilePath, old);
    EXPECT_EQ(workspace().displayFileName, "old.dat");
    {
        ModalScript script;
        const MessageBoxRecord& question = script.answerMessageBox(IDYES);
        command(IDM_EXIT);
        EXPECT_EQ(question.text, L"Is Change " + utf8ToWide(old) + L" Saved ?");
    }
    EXPECT_FALSE(IsWindow(mainWindow()));
    EXPECT_EQ(fileBytes(large), largeBytes);
    EXPECT_EQ(stationOf(old), "Mine");
}

TEST_F(DataSafety, ADownloadCutAtAnyRecordLeavesImageListsAndBackupAsTheyWere) {
    connectAndDownload();
    command(IDM_VIEW_SPEED_DIAL);
    const RecordStore before = workspace().store;
    const std::string stationBefore(fieldText(workspace().mirror.stationName));
    const auto rowsBefore = harness::listViewRows(entryListWindow(mainWindow()));
    const std::vector<char> backupBefore = fileBytes(workspace().backupFilePath);
    ASSERT_EQ(backupBefore.size(), 25760u);
    // The machine now holds another image, so any record taken over would show.
    for (SettingRecord& record : machine.image.slots)
        if (record.payloadLength > 0 && record.payloadLength <= record.payload.size())
            record.payload[record.payloadLength - 1] ^= 0x5A;

    for (int recordsRead : {1, 92, 183}) {
        SCOPED_TRACE(recordsRead);
        machine.unplugAfter(std::numeric_limits<uint64_t>::max());
        int reads = 0;
        machine.onExchange = [&](const std::string& line) {
            if (line.rfind("read", 0) == 0 && ++reads == recordsRead)
                machine.unplugAfter(0);
        };
        ModalScript script;
        if (workspace().view.documentLoaded)
            script.answerMessageBox(IDYES); // overwrite with the machine's data?
        const MessageBoxRecord& error = script.answerMessageBox(IDOK);
        command(IDM_DOWNLOAD);
        EXPECT_EQ(error.text, kMachineDataError);
        EXPECT_EQ(reads, recordsRead);
        EXPECT_TRUE(workspace().store == before);
        EXPECT_EQ(fieldText(workspace().mirror.stationName), stationBefore);
        EXPECT_EQ(harness::listViewRows(entryListWindow(mainWindow())), rowsBefore);
        EXPECT_EQ(fileBytes(workspace().backupFilePath), backupBefore);
        EXPECT_EQ(title(), L"Local Setup - Zelt - NewFile.Dat");
    }
    machine.onExchange = nullptr;
    // Closing writes the backup: still the image from before the Downloads.
    ModalScript script;
    script.answerMessageBox(IDNO);
    command(IDM_EXIT);
    RecordStore backup;
    initStore(backup);
    ASSERT_EQ(readDataFile(workspace().backupFilePath, backup), 1);
    EXPECT_TRUE(backup == before);
}

TEST_F(DataSafety, AFailedLeaveAtCloseShowsOneMessageAndTheWindowCloses) {
    connect();
    // The close opens the link (one status probe); the mode command's own
    // probe then finds the machine gone: leaving remote mode fails with the
    // window still up.
    int statusExchanges = 0;
    machine.onExchange = [&](const std::string& line) {
        if (line.rfind("status", 0) == 0 && ++statusExchanges == 2)
            machine.unplugAfter(0);
    };
    bool pollRunningMeanwhile = true;
    int ticksAnsweredMeanwhile = 0;
    {
        ModalScript script;
        script.then([&](HWND box) {
            pollRunningMeanwhile = KillTimer(mainWindow(), 1) != FALSE;
            // A tick delivered while the box is open must not poll again.
            SendMessageW(mainWindow(), WM_TIMER, 1, 0);
            ticksAnsweredMeanwhile = statusExchanges;
            harness::clickButton(box, IDOK);
        });
        SendMessageW(mainWindow(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(script.finished());
    }
    EXPECT_FALSE(pollRunningMeanwhile);
    EXPECT_EQ(ticksAnsweredMeanwhile, 2) << "the tick queried nothing";
    EXPECT_FALSE(IsWindow(mainWindow()));
}

// While connected the poll runs every three seconds and takes busy and fault
// replies quietly.
TEST_F(DataSafety, ThePollRunsEveryThreeSecondsAndIgnoresBusyAndFaultReplies) {
    connect();
    // Read from the running timer: no tick before two seconds, one by six.
    const DWORD start = GetTickCount();
    DWORD firstTick = 0;
    MSG message;
    while (GetTickCount() - start < 6000 && firstTick == 0) {
        if (PeekMessageW(&message, mainWindow(), WM_TIMER, WM_TIMER, PM_REMOVE) &&
            message.wParam == 1)
            firstTick = GetTickCount() - start;
        Sleep(20);
    }
    EXPECT_GE(firstTick, 2000u);
    EXPECT_LE(firstTick, 6000u);
    for (bool SimulatedMachine::*condition : {&SimulatedMachine::busy, &SimulatedMachine::faulty}) {
        machine.*condition = true;
        timerTick(); // a message box here would fail the test as unexpected
        expectConnection(1, 1);
        machine.*condition = false;
    }
    EXPECT_TRUE(pollTimerWasRunning());
}
