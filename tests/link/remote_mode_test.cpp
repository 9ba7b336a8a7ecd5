#include "link/remote_mode.h"

#include "link/in_process_transport.h"
#include "link/transfer_protocol.h"
#include "link_test_support.h"
#include "resource_ids.h"
#include "string_table.h"

#include <gtest/gtest.h>

namespace {

void expectMachineDataError(const RecordedMessages& messages) {
    ASSERT_EQ(messages.calls.size(), 2u);
    EXPECT_EQ(messages.calls[0].textId, IDS_ERROR_MACHINE_DATA);
    EXPECT_EQ(messages.calls[0].captionId, IDS_APP_TITLE);
    EXPECT_EQ(messages.calls[1].statusPart, 1);
    EXPECT_EQ(messages.calls[1].textId, IDS_STATUS_READY);
    EXPECT_EQ(stringTableText(IDS_ERROR_MACHINE_DATA), "Error reading/writing machine data!");
    EXPECT_EQ(stringTableText(IDS_STATUS_READY), "Local Setup");
}

} // namespace

TEST(RemoteMode, EnterAndLeaveSwitchTheMachineSilently) {
    MachineOnLink setup;
    uint8_t networkChangeFlag = kNetworkChangeNone;
    ASSERT_TRUE(enterRemoteModeUi(setup.link, setup.messages));
    EXPECT_TRUE(setup.machine.inRemoteMode());
    ASSERT_TRUE(leaveRemoteModeUi(setup.link, networkChangeFlag, setup.messages));
    EXPECT_FALSE(setup.machine.inRemoteMode());
    EXPECT_TRUE(setup.messages.calls.empty());
}

TEST(RemoteMode, FailedEnterShowsTheMachineDataError) {
    MachineOnLink setup;
    setup.machine.unplugAfter(0);
    EXPECT_FALSE(enterRemoteModeUi(setup.link, setup.messages));
    expectMachineDataError(setup.messages);
}

TEST(RemoteMode, FailedLeaveShowsTheErrorUnlessNetworkSettingsWereJustCarried) {
    MachineOnLink setup;
    setup.machine.unplugAfter(0);
    uint8_t networkChangeFlag = kNetworkChangePending;
    EXPECT_FALSE(leaveRemoteModeUi(setup.link, networkChangeFlag, setup.messages));
    expectMachineDataError(setup.messages);
    EXPECT_EQ(networkChangeFlag, kNetworkChangePending);
}

TEST(RemoteMode, DisconnectAfterAnUploadWithNetworkChangesIsSilentAndClearsTheFlag) {
    MachineOnLink setup;
    const RecordStore store = patternImage();
    uint8_t networkChangeFlag = kNetworkChangePending;
    ASSERT_TRUE(enterRemoteModeUi(setup.link, setup.messages));
    ASSERT_TRUE(uploadAll(setup.link, store, networkChangeFlag));
    ASSERT_EQ(networkChangeFlag, kNetworkChangeCarried);

    // The machine restarts its network side and does not answer the mode
    // command: no message, and the flag goes back to 0.
    EXPECT_FALSE(leaveRemoteModeUi(setup.link, networkChangeFlag, setup.messages));
    EXPECT_TRUE(setup.messages.calls.empty());
    EXPECT_EQ(networkChangeFlag, kNetworkChangeNone);

    // Once back, the machine answers again.
    ASSERT_TRUE(leaveRemoteModeUi(setup.link, networkChangeFlag, setup.messages));
    EXPECT_FALSE(setup.machine.inRemoteMode());
}

TEST(RemoteMode, AfterATimeOutTheDisconnectLetsTheNextConnectThrough) {
    MachineOnLink setup;
    uint8_t networkChangeFlag = kNetworkChangeNone;
    ASSERT_TRUE(enterRemoteModeUi(setup.link, setup.messages));
    setup.machine.remoteTimedOut = true;
    uint8_t status = 0;
    ASSERT_TRUE(queryStatus(setup.link, status));
    EXPECT_EQ(status, kStatusRemoteTimedOut);
    ASSERT_TRUE(queryStatus(setup.link, status));
    EXPECT_EQ(status, kStatusRemoteTimedOut) << "reported until the program acts on it";

    // The program disconnects on that status; the machine then answers
    // ready again, or no Connect could ever pass its check.
    ASSERT_TRUE(leaveRemoteModeUi(setup.link, networkChangeFlag, setup.messages));
    ASSERT_TRUE(queryStatus(setup.link, status));
    EXPECT_EQ(status, kStatusReady);
    EXPECT_TRUE(setup.messages.calls.empty());
}
