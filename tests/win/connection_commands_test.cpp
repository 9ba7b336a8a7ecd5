#include "machine_test_support.h"

#include "app/shell_backup_win.h"
#include "phonebook/entry_lists_win.h"
#include "store/data_file.h"
#include "store/dial_entry.h"
#include "store/settings_mirror.h"
#include "win/win_text_win.h"

#include <array>
#include <limits>

using harness::MessageBoxRecord;
using harness::ModalScript;

namespace {

constexpr wchar_t kTitle[] = L"Local Setup - Zelt";

// What the register dialog does to an entry's name: decode, change, encode.
void renameSpeedDial(SettingsMirror& mirror, RecordStore& store, int index, const char* name) {
    DialEntry entry = decodeSpeedDial(mirror, store, index);
    setFieldText(entry.name, name);
    encodeSpeedDial(mirror, store, entry, index);
}

std::string speedDialName(const RecordStore& image, int index) {
    RecordStore copy = image;
    SettingsMirror mirror;
    unpackStore(copy, mirror);
    return std::string(fieldText(decodeSpeedDial(mirror, copy, index).name));
}

} // namespace

// Connect refused (no machine, then a busy one), then connected and polling
// quietly, then disconnected: the timer keeps firing but polls nothing. Once
// connected again, the next poll notices an unplugged machine.
TEST_F(MachineWindowTest, ConnectRefusalsThenConnectPollAndDisconnect) {
    step("no machine");
    attachMachine(nullptr);
    const ShownMessage box = messageOfCommand(IDM_CONNECT);
    EXPECT_EQ(box.text, L"Error opening USB Port !");
    EXPECT_EQ(box.caption, kTitle);
    expectConnection(0, 0);
    EXPECT_TRUE(toolbarEnabled(IDM_CONNECT));
    EXPECT_FALSE(menuEnabled(IDM_DISCONNECT));
    EXPECT_EQ(statusPaneText(), L"Connect Status : OFFLINE");
    EXPECT_FALSE(pollTimerWasRunning());
    step("busy machine");
    attachMachine(&machine);
    machine.busy = true;
    EXPECT_EQ(messageOfCommand(IDM_CONNECT).text, L"Machine is operating !");
    EXPECT_EQ(workspace().view.connected, 0);
    EXPECT_FALSE(machine.inRemoteMode());
    EXPECT_TRUE(menuEnabled(IDM_CONNECT));
    machine.busy = false;
    step("connected, a quiet poll");
    connect();
    EXPECT_TRUE(machine.inRemoteMode());
    EXPECT_EQ(statusPaneText(), L"Connect Status : ONLINE");
    EXPECT_FALSE(menuEnabled(IDM_CONNECT));
    EXPECT_TRUE(menuEnabled(IDM_DISCONNECT));
    timerTick();
    expectConnection(1, 1);
    step("disconnected");
    command(IDM_DISCONNECT);
    EXPECT_FALSE(machine.inRemoteMode());
    expectConnection(0, 0);
    EXPECT_EQ(statusPaneText(), L"Connect Status : OFFLINE");
    // An unplugged machine goes unnoticed: a message box would be unexpected.
    machine.unplugAfter(0);
    timerTick();
    EXPECT_EQ(workspace().view.connected, 0);
    EXPECT_TRUE(pollTimerWasRunning());
    step("unplugged while connected, noticed by the next poll");
    machine.unplugAfter(std::numeric_limits<uint64_t>::max());
    connectAndDownload();
    machine.unplugAfter(0);
    const ShownMessage unplugged = messageOfTimerTick();
    EXPECT_EQ(unplugged.text, L"Disconnected from machine. Please connect again.");
    EXPECT_EQ(unplugged.caption, kTitle);
    expectConnection(0, 0);
    EXPECT_EQ(workspace().view.documentLoaded, 1);
    EXPECT_FALSE(pollTimerWasRunning());
    EXPECT_TRUE(menuEnabled(IDM_CONNECT));
    EXPECT_FALSE(menuEnabled(IDM_UPLOAD));
}

// The machine ends the session (remote-mode time-out in a check or a poll, a
// fault before Upload): each time the program disconnects before it explains.
// A busy machine before Download only stops the document being connected.
TEST_F(MachineWindowTest, MachineEndingTheSessionDisconnectsThenExplains) {
    step("time-out in the Download check");
    connect();
    machine.remoteTimedOut = true;
    expectDisconnectedBeforeMessage(messageOfCommand(IDM_DOWNLOAD),
                                    L"Disconnected from machine by timeout !");
    EXPECT_EQ(workspace().view.documentLoaded, 0);
    EXPECT_TRUE(menuEnabled(IDM_CONNECT));
    step("time-out in a poll");
    connect();
    machine.remoteTimedOut = true;
    expectDisconnectedBeforeMessage(messageOfTimerTick(),
                                    L"Disconnected from machine by timeout !");
    EXPECT_EQ(statusPaneText(), L"Connect Status : OFFLINE");
    step("fault before Upload");
    connectAndDownload();
    machine.faulty = true;
    expectDisconnectedBeforeMessage(messageOfCommand(IDM_UPLOAD), L"Machine has a problem!");
    machine.faulty = false;
    step("busy before Download");
    connect();
    machine.busy = true;
    EXPECT_EQ(messageOfCommand(IDM_DOWNLOAD).text, L"Machine is operating !");
    expectConnection(0, 1);
    EXPECT_TRUE(pollTimerWasRunning());
}

TEST_F(MachineWindowTest, FailedDownloadReportsAndStopsPolling) {
    connect();
    // The status check passes; the machine goes away part-way through the records.
    machine.unplugAfter(2000);
    const ShownMessage box = messageOfCommand(IDM_DOWNLOAD);
    EXPECT_EQ(box.text, L"Error reading/writing machine data!");
    EXPECT_EQ(box.caption, kTitle);
    expectConnection(0, 1);
    EXPECT_EQ(workspace().view.documentLoaded, 0);
    EXPECT_EQ(workspace().modifiedFlag, 1);
    EXPECT_EQ(activityText(), L"Local Setup");
    EXPECT_FALSE(pollTimerWasRunning());
}

TEST_F(MachineWindowTest, DownloadShowsTheMachinesImageInTheViews) {
    // Edit the machine's own image first: its Speed Dial entry 0 gets a new name.
    SettingsMirror mirror;
    unpackStore(machine.image, mirror);
    renameSpeedDial(mirror, machine.image, 0, "Renamed Entry");
    packStore(mirror, machine.image);

    connectAndDownload();
    // The downloaded image is also the next start's: the backup is written, hidden.
    const DWORD backup = GetFileAttributesW(utf8ToWide(workspace().backupFilePath).c_str());
    ASSERT_NE(backup, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(backup & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(harness::treeItemLines(shell().tree).at(0), L"Reception");
    EXPECT_EQ(harness::treeSelectedText(shell().tree), L"Reception");
    EXPECT_TRUE(IsWindowVisible(shell().tree));
    EXPECT_TRUE(IsWindowEnabled(shell().tree));

    command(IDM_VIEW_ONE_TOUCH);
    EXPECT_EQ(workspace().view.currentView, View::oneTouch);
    EXPECT_EQ(harness::listViewRows(entryListWindow(mainWindow())).at(0).at(1), L"Head Office");
    command(IDM_VIEW_SPEED_DIAL);
    EXPECT_EQ(workspace().view.currentView, View::speedDial);
    EXPECT_EQ(harness::listViewRows(entryListWindow(mainWindow())).at(0).at(1), L"Renamed Entry");
    EXPECT_EQ(harness::listViewRows(entryListWindow(mainWindow())).at(1).at(1), L"Bruno Costa");
    command(IDM_VIEW_GROUP);
    EXPECT_EQ(workspace().view.currentView, View::group);
    EXPECT_TRUE(IsWindowVisible(memberListWindow(mainWindow())));

    // Declining a second Download keeps the edit, yet still marks the image changed.
    workspace().modifiedFlag = 0;
    const RecordStore before = workspace().store;
    setFieldText(workspace().mirror.stationName, "Edited");
    ModalScript script;
    const MessageBoxRecord& question = script.answerMessageBox(IDNO);
    command(IDM_DOWNLOAD);
    EXPECT_EQ(question.text,
              L"The setting data of Zelt is overwritten by the machine's data.\nAre you sure?");
    EXPECT_EQ(workspace().modifiedFlag, 1);
    EXPECT_EQ(fieldText(workspace().mirror.stationName), "Edited");
    EXPECT_EQ(workspace().store.slots[kStationNameSlot].payload,
              before.slots[kStationNameSlot].payload);
    EXPECT_EQ(activityText(), L"Local Setup");
}

TEST_F(MachineWindowTest, DownloadThenUploadLeavesTheMachineHoldingTheProgramsImage) {
    connect();
    // The tree root's popup Download and Upload are the Machine menu's commands.
    command(IDM_TREE_DOWNLOAD);
    ASSERT_EQ(workspace().view.documentLoaded, 1);
    renameSpeedDial(workspace().mirror, workspace().store, 3, "Uploaded Name");
    const RecordStore machineBefore = machine.image;
    ModalScript script;
    answerChanges(script, IDOK);
    script.answerMessageBox(IDOK); // verified
    command(IDM_UPLOAD);
    EXPECT_EQ(workspace().view.connected, 1);
    EXPECT_TRUE(pollTimerWasRunning());

    const RecordStore& program = workspace().store;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        const SettingRecord& sent = program.slots[static_cast<size_t>(slot)];
        const SettingRecord& kept = machine.image.slots[static_cast<size_t>(slot)];
        if (slot == kMachineInfoSlot || slot == kCounterSlot || sent.recordId == 0x10a00) {
            // Never uploaded: the machine keeps its own.
            EXPECT_EQ(kept.payload, machineBefore.slots[static_cast<size_t>(slot)].payload);
            continue;
        }
        ASSERT_EQ(kept.recordId, sent.recordId);
        ASSERT_EQ(kept.payloadLength, sent.payloadLength);
        const size_t length = std::min<size_t>(sent.payloadLength, kPayloadSize);
        EXPECT_TRUE(
            std::equal(sent.payload.begin(), sent.payload.begin() + length, kept.payload.begin()));
    }
    EXPECT_EQ(speedDialName(machine.image, 3), "Uploaded Name");

    renameSpeedDial(workspace().mirror, workspace().store, 0, "From The Popup");
    answerChanges(script, IDOK);
    script.answerMessageBox(IDOK);
    command(IDM_TREE_UPLOAD);
    EXPECT_EQ(speedDialName(machine.image, 0), "From The Popup");
}


TEST_F(MachineWindowTest, DisconnectAfterCarryingNetworkChangesIsSilent) {
    connectAndDownload();
    workspace().networkChangeFlag = 1;
    ModalScript script;
    answerChanges(script, IDOK); // no verify: the machine restarts its network side
    command(IDM_UPLOAD);
    ASSERT_EQ(workspace().networkChangeFlag, 2);
    // The machine restarts its network side and refuses the leave-mode
    // command; no message box may appear.
    command(IDM_DISCONNECT);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(workspace().networkChangeFlag, 0);
    EXPECT_EQ(workspace().view.connected, 0);
}

TEST_F(MachineWindowTest, CommandStatesFollowDocumentAndConnection) {
    struct Expected {
        const char* state;
        bool connect, disconnect, download, upload, save, documentCommands;
    };
    const auto check = [this](const Expected& expected) {
        SCOPED_TRACE(expected.state);
        SendMessageW(mainWindow(), WM_INITMENU, reinterpret_cast<WPARAM>(shell().mainMenu), 0);
        for (auto [id, on] : {std::pair{IDM_CONNECT, expected.connect},
                              {IDM_DISCONNECT, expected.disconnect},
                              {IDM_DOWNLOAD, expected.download},
                              {IDM_UPLOAD, expected.upload},
                              {IDM_SAVE, expected.save},
                              {IDM_SETTINGS_MENU, expected.documentCommands}}) {
            EXPECT_EQ(menuEnabled(id), on) << id;
            EXPECT_EQ(toolbarEnabled(id), on) << id;
        }
        for (int id : {IDM_PRINT, IDM_TOTAL_COUNTER, IDM_CONFIGURATION, IDM_VIEW_ONE_TOUCH,
                       IDM_VIEW_SPEED_DIAL, IDM_VIEW_GROUP, IDM_SAVE_AS, IDM_EXPORT_PHONE_BOOK,
                       IDM_IMPORT_PHONE_BOOK})
            EXPECT_EQ(menuEnabled(id), expected.documentCommands) << id;
        for (int id : {IDM_OPEN, IDM_PROPERTIES, IDM_EXIT, IDM_HELP_TOPICS, IDM_ABOUT,
                       IDM_COMPARE_WITH, IDM_OPEN_SNAPSHOT})
            EXPECT_TRUE(menuEnabled(id)) << id;
    };
    check({"no document, disconnected", true, false, false, false, false, false});
    connect();
    check({"no document, connected", false, true, true, false, false, false});
    command(IDM_DOWNLOAD);
    check({"document, connected", false, true, true, true, true, true});
    // Cut, Copy and Delete are grayed on a Group key without a Group: key 09
    // holds none in the sample image.
    command(IDM_VIEW_GROUP);
    const UINT selected = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(entryListWindow(mainWindow()), 8, selected, selected);
    ASSERT_EQ(ListView_GetItemCount(memberListWindow(mainWindow())), 0);
    SendMessageW(mainWindow(), WM_INITMENU, reinterpret_cast<WPARAM>(shell().mainMenu), 0);
    for (int id : {IDM_CUT, IDM_COPY, IDM_DELETE})
        EXPECT_FALSE(menuEnabled(id)) << id;
    command(IDM_DISCONNECT);
    check({"document, disconnected", true, false, false, false, true, true});
}

TEST_F(MachineWindowTest, ExitHandsTheMachineBackAndFreesTheImage) {
    connect();
    ASSERT_TRUE(machine.inRemoteMode());
    command(IDM_EXIT);
    EXPECT_FALSE(IsWindow(mainWindow()));
    EXPECT_FALSE(machine.inRemoteMode());
    EXPECT_EQ(workspace().store.slots[2].recordId, 0u);
    EXPECT_EQ(harness::pumpMessages(), std::optional<int>(0));
}

TEST_F(MachineWindowTest, ExitWithTheMachineGoneClosesWithoutAMessage) {
    connect();
    machine.unplugAfter(0);
    // No machine answers the link: there is no remote mode to leave, and no
    // message box may appear.
    command(IDM_EXIT);
    EXPECT_FALSE(IsWindow(mainWindow()));
}

TEST_F(MachineWindowTest, RefusedRemoteModeIsReportedButTheMachineCountsAsConnected) {
    // The connection check takes two status exchanges (the link's probe and
    // the query); the machine goes away during the third, the probe before
    // the mode command.
    int statusExchanges = 0;
    machine.onExchange = [&](const std::string& line) {
        if (line.rfind("status", 0) == 0 && ++statusExchanges == 3)
            machine.unplugAfter(0);
    };
    const ShownMessage box = messageOfCommand(IDM_CONNECT);
    EXPECT_EQ(box.text, L"Error reading/writing machine data!");
    EXPECT_EQ(box.caption, kTitle);
    EXPECT_FALSE(machine.inRemoteMode());
    expectConnection(1, 1);
    EXPECT_EQ(activityText(), L"Local Setup");
    EXPECT_TRUE(pollTimerWasRunning());
}

// Upload shows what changes, keeps what the machine held, and checks what
// arrived: No writes nothing and changes nothing, Yes sends and verifies, a
// record the machine stores wrongly is named.
TEST_F(MachineWindowTest, UploadPreviewsTheChangesKeepsASnapshotAndVerifies) {
    connectAndDownload();
    renameSpeedDial(workspace().mirror, workspace().store, 0, "First Edit");
    renameSpeedDial(workspace().mirror, workspace().store, 3, "Second Edit");
    const RecordStore machineBefore = machine.image;
    const RecordStore storeBefore = workspace().store;
    int writes = 0;
    machine.onExchange = [&](const std::string& line) {
        writes += line.rfind("write", 0) == 0 ? 1 : 0;
    };
    {
        ModalScript script;
        const auto shown = answerChanges(script, IDCANCEL);
        command(IDM_UPLOAD);
        EXPECT_EQ(shown->title, L"Changes on the machine");
        EXPECT_EQ(shown->heading,
                  L"This setting data by PC overwrite to the machine's setting.\nOverwrite?");
        EXPECT_EQ(shown->list, L"Speed Dial 1 (First Edit): changed\r\n"
                               L"    Name: A. Berger \u2192 First Edit\r\n"
                               L"Speed Dial 4 (Second Edit): changed\r\n"
                               L"    Name: Delta Freight \u2192 Second Edit\r\n");
        EXPECT_TRUE(shown->asks);
    }
    EXPECT_EQ(writes, 0);
    machine.onExchange = nullptr;
    EXPECT_TRUE(machine.image == machineBefore);
    EXPECT_TRUE(workspace().store == storeBefore);
    EXPECT_EQ(activityText(), L"Local Setup");
    expectConnection(1, 1);
    EXPECT_TRUE(workspace().modifiedFlag);
    // The test's own folder stands for the profile's local application data.
    std::array<wchar_t, MAX_PATH> profile{};
    GetEnvironmentVariableW(L"LOCALAPPDATA", profile.data(), MAX_PATH);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(
        (std::wstring(profile.data()) + L"\\Zelt\\Snapshots\\* Reception.DAT").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE) << "no snapshot of the machine's image";
    FindClose(search);
    // Restoring is Open Snapshot and Upload.
    const std::wstring snapshot =
        std::wstring(profile.data()) + L"\\Zelt\\Snapshots\\" + found.cFileName;
    {
        ModalScript script;
        harness::answerFileDialog(script, snapshot);
        command(IDM_OPEN_SNAPSHOT);
    }
    EXPECT_EQ(workspace().currentFilePath, wideToUtf8(snapshot));
    EXPECT_EQ(speedDialName(workspace().store, 3), "Delta Freight");
    renameSpeedDial(workspace().mirror, workspace().store, 0, "First Edit");
    renameSpeedDial(workspace().mirror, workspace().store, 3, "Second Edit");

    ModalScript script;
    answerChanges(script, IDOK);
    const MessageBoxRecord& verified = script.answerMessageBox(IDOK);
    command(IDM_UPLOAD);
    EXPECT_EQ(verified.text, L"Upload verified: the machine holds every record as it was sent.");
    EXPECT_EQ(speedDialName(machine.image, 3), "Second Edit");

    machine.corruptWritesOf = 0x10c40;
    answerChanges(script, IDOK);
    const MessageBoxRecord& mismatch = script.answerMessageBox(IDOK);
    command(IDM_UPLOAD);
    EXPECT_NE(mismatch.text.find(L"These records differ:\nRecord 0x10c40\n\n"), std::wstring::npos)
        << mismatch.text;
    EXPECT_TRUE(pollTimerWasRunning());
}

// Without a preview the plain question is asked: a machine refusing reads
// takes the Upload unchecked; one that goes while the preview reads it fails
// the Upload, which stops the poll.
TEST_F(MachineWindowTest, UploadWithoutAPreviewAsksThePlainQuestion) {
    connectAndDownload();
    for (const bool unplugged : {false, true}) {
        step(unplugged ? "machine gone during the preview" : "machine refusing reads");
        renameSpeedDial(workspace().mirror, workspace().store, 1, "Sent Unseen");
        machine.refuseReads = !unplugged;
        if (unplugged)
            machine.unplugAfter(3000);
        ModalScript script;
        const MessageBoxRecord& noPreview = script.answerMessageBox(IDOK);
        const MessageBoxRecord& question = script.answerMessageBox(IDYES);
        const MessageBoxRecord& outcome = script.answerMessageBox(IDOK);
        command(IDM_UPLOAD);
        EXPECT_EQ(noPreview.text, L"The machine's current settings could not be read, so no "
                                  L"preview of the changes is possible.");
        EXPECT_EQ(question.text,
                  L"This setting data by PC overwrite to the machine's setting.\nOverwrite?");
        EXPECT_EQ(outcome.text,
                  unplugged ? L"Error reading/writing machine data!"
                            : L"The Upload is done, but the records could not be read back to "
                              L"check them.");
        EXPECT_EQ(activityText(), L"Local Setup");
        EXPECT_EQ(workspace().view.documentLoaded, 1);
        expectConnection(unplugged ? 0 : 1, 1);
        if (unplugged) {
            EXPECT_FALSE(pollTimerWasRunning());
        } else {
            EXPECT_EQ(speedDialName(machine.image, 1), "Sent Unseen");
        }
    }
}

TEST_F(MachineWindowTest, CompareWithListsTheOneSpeedDialEntryThatDiffers) {
    connectAndDownload();
    RecordStore file = workspace().store;
    SettingsMirror mirror;
    unpackStore(file, mirror);
    renameSpeedDial(mirror, file, 5, "Only Here");
    packStore(mirror, file);
    const std::string path = workspace().backupFilePath + ".compare.dat";
    ASSERT_EQ(writeDataFile(path, file), 1);
    const RecordStore before = workspace().store;

    ModalScript script;
    harness::answerFileDialog(script, utf8ToWide(path));
    const auto shown = answerChanges(script, IDCANCEL);
    command(IDM_COMPARE_WITH);
    EXPECT_EQ(shown->title, L"Compare With...");
    EXPECT_EQ(shown->list, L"Speed Dial 6 (Only Here): changed\r\n"
                           L"    Name: Field Team \u2192 Only Here\r\n");
    EXPECT_FALSE(shown->asks);
    EXPECT_TRUE(workspace().store == before);
}
