#include "machine_test_support.h"

#include "store/dial_entry.h"
#include "store/settings_mirror.h"

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

TEST_F(MachineWindowTest, ConnectWithoutAMachineStaysDisconnected) {
    attachMachine(nullptr);
    ModalScript script;
    const MessageBoxRecord& box = script.answerMessageBox(IDOK);
    command(801);
    EXPECT_EQ(box.text, L"Error opening USB Port !");
    EXPECT_EQ(box.caption, kTitle);
    EXPECT_EQ(workspace().view.connected, 0);
    EXPECT_EQ(workspace().linkActive, 0u);
    EXPECT_TRUE(menuEnabled(801));
    EXPECT_TRUE(toolbarEnabled(801));
    EXPECT_FALSE(menuEnabled(802));
    EXPECT_EQ(statusPaneText(), L"Connect Status : OFFLINE");
    EXPECT_FALSE(pollTimerWasRunning());
}

TEST_F(MachineWindowTest, ConnectToABusyMachineStaysDisconnected) {
    machine.busy = true;
    ModalScript script;
    const MessageBoxRecord& box = script.answerMessageBox(IDOK);
    command(801);
    EXPECT_EQ(box.text, L"Machine is operating !");
    EXPECT_EQ(workspace().view.connected, 0);
    EXPECT_FALSE(machine.inRemoteMode());
    EXPECT_TRUE(menuEnabled(801));
}

TEST_F(MachineWindowTest, ConnectEntersRemoteModeAndPolls) {
    connect();
    EXPECT_TRUE(machine.inRemoteMode());
    EXPECT_EQ(statusPaneText(), L"Connect Status : ONLINE");
    EXPECT_FALSE(menuEnabled(801));
    EXPECT_TRUE(menuEnabled(802));
    // A quiet poll changes nothing.
    timerTick();
    EXPECT_EQ(workspace().view.connected, 1);
    EXPECT_EQ(workspace().linkActive, 1u);
    EXPECT_TRUE(pollTimerWasRunning());
}

TEST_F(MachineWindowTest, DisconnectLeavesRemoteModeAndStopsPolling) {
    connect();
    command(802);
    EXPECT_FALSE(machine.inRemoteMode());
    EXPECT_EQ(workspace().view.connected, 0);
    EXPECT_EQ(workspace().linkActive, 0u);
    EXPECT_EQ(statusPaneText(), L"Connect Status : OFFLINE");
    // The timer keeps firing but polls nothing: an unplugged machine goes
    // unnoticed (no message box would be expected by the script).
    machine.unplugAfter(0);
    timerTick();
    EXPECT_EQ(workspace().view.connected, 0);
}

TEST_F(MachineWindowTest, RemoteModeTimeOutInACheckDisconnectsThenExplains) {
    connect();
    machine.remoteTimedOut = true;
    ModalScript script;
    const MessageBoxRecord& box = script.answerMessageBox(IDOK);
    command(832);
    EXPECT_EQ(box.text, L"Disconnected from machine by timeout !");
    EXPECT_EQ(workspace().view.connected, 0);
    EXPECT_EQ(workspace().linkActive, 0u);
    EXPECT_EQ(workspace().view.documentLoaded, 0);
    EXPECT_TRUE(menuEnabled(801));
}

TEST_F(MachineWindowTest, RemoteModeTimeOutInAPollDisconnectsThenExplains) {
    connect();
    machine.remoteTimedOut = true;
    ModalScript script;
    const MessageBoxRecord& box = script.answerMessageBox(IDOK);
    timerTick();
    EXPECT_EQ(box.text, L"Disconnected from machine by timeout !");
    EXPECT_EQ(workspace().view.connected, 0);
    EXPECT_EQ(workspace().linkActive, 0u);
    EXPECT_EQ(statusPaneText(), L"Connect Status : OFFLINE");
}

TEST_F(MachineWindowTest, MachineFaultBeforeUploadDisconnects) {
    connectAndDownload();
    machine.faulty = true;
    ModalScript script;
    const MessageBoxRecord& box = script.answerMessageBox(IDOK);
    command(833);
    EXPECT_EQ(box.text, L"Machine has a problem!");
    EXPECT_EQ(workspace().view.connected, 0);
    EXPECT_EQ(workspace().linkActive, 0u);
    // A fault only matters before a command: the poll ignores it.
    machine.faulty = false;
}

TEST_F(MachineWindowTest, BusyMachineBeforeDownloadKeepsPolling) {
    connect();
    machine.busy = true;
    ModalScript script;
    const MessageBoxRecord& box = script.answerMessageBox(IDOK);
    command(832);
    EXPECT_EQ(box.text, L"Machine is operating !");
    EXPECT_EQ(workspace().view.connected, 0);
    EXPECT_EQ(workspace().linkActive, 1u);
    EXPECT_TRUE(pollTimerWasRunning());
}

TEST_F(MachineWindowTest, UnpluggedMachineIsNoticedByTheNextPoll) {
    connectAndDownload();
    machine.unplugAfter(0);
    ModalScript script;
    const MessageBoxRecord& box = script.answerMessageBox(IDOK);
    timerTick();
    EXPECT_EQ(box.text, L"Disconnected from machine. Please connect again.");
    EXPECT_EQ(box.caption, kTitle);
    EXPECT_EQ(workspace().view.connected, 0);
    EXPECT_EQ(workspace().linkActive, 0u);
    EXPECT_EQ(workspace().view.documentLoaded, 1);
    EXPECT_FALSE(pollTimerWasRunning());
    EXPECT_TRUE(menuEnabled(801));
    EXPECT_FALSE(menuEnabled(833));
}

TEST_F(MachineWindowTest, FailedDownloadReportsAndStopsPolling) {
    connect();
    // The status check passes; the machine goes away part-way through the records.
    machine.unplugAfter(2000);
    ModalScript script;
    const MessageBoxRecord& box = script.answerMessageBox(IDOK);
    command(832);
    EXPECT_EQ(box.text, L"Error reading/writing machine data!");
    EXPECT_EQ(box.caption, kTitle);
    EXPECT_EQ(workspace().view.connected, 0);
    EXPECT_EQ(workspace().linkActive, 1u);
    EXPECT_EQ(workspace().view.documentLoaded, 0);
    EXPECT_EQ(workspace().modifiedFlag, 1);
    EXPECT_EQ(activityText(), L"Local Setup");
    EXPECT_FALSE(pollTimerWasRunning());
}

TEST_F(MachineWindowTest, FailedUploadReportsAndStopsPolling) {
    connectAndDownload();
    machine.unplugAfter(3000);
    ModalScript script;
    const MessageBoxRecord& question = script.answerMessageBox(IDYES);
    const MessageBoxRecord& box = script.answerMessageBox(IDOK);
    command(833);
    EXPECT_EQ(question.text,
              L"This setting data by PC overwrite to the machine's setting.\nOverwrite?");
    EXPECT_EQ(box.text, L"Error reading/writing machine data!");
    EXPECT_EQ(workspace().view.connected, 0);
    EXPECT_EQ(workspace().linkActive, 1u);
    EXPECT_EQ(workspace().view.documentLoaded, 1);
    EXPECT_EQ(activityText(), L"Local Setup");
    EXPECT_FALSE(pollTimerWasRunning());
}

TEST_F(MachineWindowTest, DecliningTheDownloadQuestionStillMarksTheImageChanged) {
    connectAndDownload();
    workspace().modifiedFlag = 0;
    const RecordStore before = workspace().store;
    setFieldText(workspace().mirror.stationName, "Edited");
    ModalScript script;
    const MessageBoxRecord& question = script.answerMessageBox(IDNO);
    command(832);
    EXPECT_EQ(question.text,
              L"The setting data of Zelt is overwritten by the machine's data.\nAre you sure?");
    EXPECT_EQ(workspace().modifiedFlag, 1);
    EXPECT_EQ(fieldText(workspace().mirror.stationName), "Edited");
    EXPECT_EQ(workspace().store.slots[kStationNameSlot].payload,
              before.slots[kStationNameSlot].payload);
    EXPECT_EQ(activityText(), L"Local Setup");
}

TEST_F(MachineWindowTest, DownloadShowsTheMachinesImageInTheViews) {
    // Edit the machine's own image first: its Speed Dial entry 0 gets a new name.
    SettingsMirror mirror;
    unpackStore(machine.image, mirror);
    renameSpeedDial(mirror, machine.image, 0, "Renamed Entry");
    packStore(mirror, machine.image);

    connectAndDownload();
    EXPECT_EQ(harness::treeItemLines(shell().tree).at(0), L"Reception");
    EXPECT_EQ(harness::treeSelectedText(shell().tree), L"Reception");
    EXPECT_TRUE(IsWindowVisible(shell().tree));
    EXPECT_TRUE(IsWindowEnabled(shell().tree));

    DialEntry downloaded = decodeSpeedDial(workspace().mirror, workspace().store, 0);
    EXPECT_EQ(fieldText(downloaded.name), "Renamed Entry");
    command(817);
    EXPECT_EQ(workspace().view.currentView, 2);
    command(818);
    EXPECT_EQ(workspace().view.currentView, 3);
    command(816);
    EXPECT_EQ(workspace().view.currentView, 1);
}

TEST_F(MachineWindowTest, DownloadThenUploadLeavesTheMachineHoldingTheProgramsImage) {
    connectAndDownload();
    renameSpeedDial(workspace().mirror, workspace().store, 3, "Uploaded Name");
    const RecordStore machineBefore = machine.image;
    ModalScript script;
    script.answerMessageBox(IDYES);
    command(833);
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
}

TEST_F(MachineWindowTest, TreeRootPopupDownloadAndUploadAreTheMachineMenusCommands) {
    connect();
    command(804);
    EXPECT_EQ(workspace().view.documentLoaded, 1);
    renameSpeedDial(workspace().mirror, workspace().store, 0, "From The Popup");
    ModalScript script;
    script.answerMessageBox(IDYES);
    command(805);
    EXPECT_EQ(speedDialName(machine.image, 0), "From The Popup");
}

TEST_F(MachineWindowTest, DisconnectAfterCarryingNetworkChangesIsSilent) {
    connectAndDownload();
    workspace().networkChangeFlag = 1;
    ModalScript script;
    script.answerMessageBox(IDYES);
    command(833);
    ASSERT_EQ(workspace().networkChangeFlag, 2);
    // The machine restarts its network side and refuses the leave-mode
    // command; no message box may appear.
    command(802);
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
        for (auto [id, on] : {std::pair{801, expected.connect},
                              {802, expected.disconnect},
                              {832, expected.download},
                              {833, expected.upload},
                              {808, expected.save},
                              {825, expected.documentCommands}}) {
            EXPECT_EQ(menuEnabled(id), on) << id;
            EXPECT_EQ(toolbarEnabled(id), on) << id;
        }
        for (int id : {822, 827, 1022, 816, 817, 818, 831})
            EXPECT_EQ(menuEnabled(id), expected.documentCommands) << id;
        for (int id : {807, 806, 811, 820, 821})
            EXPECT_TRUE(menuEnabled(id)) << id;
    };
    check({"no document, disconnected", true, false, false, false, false, false});
    connect();
    check({"no document, connected", false, true, true, false, false, false});
    command(832);
    check({"document, connected", false, true, true, true, true, true});
    command(802);
    check({"document, disconnected", true, false, false, false, true, true});
}
