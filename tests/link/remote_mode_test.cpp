#include "link/remote_mode.h"

#include "link/in_process_transport.h"
#include "link/transfer_protocol.h"
#include "link_test_support.h"

#include <gtest/gtest.h>

TEST(RemoteMode, AFailedLeaveIsExpectedOnlyOnceRightAfterNetworkSettingsWereCarried) {
    MachineOnLink unplugged;
    unplugged.machine.unplugAfter(0);
    EXPECT_EQ(enterRemoteMode(unplugged.link), LinkOutcome::failed);
    uint8_t networkChangeFlag = kNetworkChangePending;
    EXPECT_EQ(leaveRemoteMode(unplugged.link, networkChangeFlag), LinkOutcome::failed);
    EXPECT_EQ(networkChangeFlag, kNetworkChangePending);

    MachineOnLink setup;
    const RecordStore store = patternImage();
    ASSERT_EQ(enterRemoteMode(setup.link), LinkOutcome::done);
    EXPECT_TRUE(setup.machine.inRemoteMode());
    ASSERT_TRUE(uploadAll(setup.link, store, networkChangeFlag));
    ASSERT_EQ(networkChangeFlag, kNetworkChangeCarried);

    // The machine restarts its network side and does not answer the mode
    // command: an expected failure, and the flag goes back to 0.
    EXPECT_EQ(leaveRemoteMode(setup.link, networkChangeFlag),
              LinkOutcome::failedAfterNetworkRestart);
    EXPECT_EQ(networkChangeFlag, kNetworkChangeNone);

    // Once back, the machine answers again.
    ASSERT_EQ(leaveRemoteMode(setup.link, networkChangeFlag), LinkOutcome::done);
    EXPECT_FALSE(setup.machine.inRemoteMode());
}

TEST(RemoteMode, AfterATimeOutTheDisconnectLetsTheNextConnectThrough) {
    MachineOnLink setup;
    uint8_t networkChangeFlag = kNetworkChangeNone;
    ASSERT_EQ(enterRemoteMode(setup.link), LinkOutcome::done);
    setup.machine.remoteTimedOut = true;
    uint8_t status = 0;
    ASSERT_TRUE(queryStatus(setup.link, status));
    EXPECT_EQ(status, kStatusRemoteTimedOut);
    ASSERT_TRUE(queryStatus(setup.link, status));
    EXPECT_EQ(status, kStatusRemoteTimedOut) << "reported until the program acts on it";

    // The program disconnects on that status; the machine then answers
    // ready again, or no Connect could ever pass its check.
    ASSERT_EQ(leaveRemoteMode(setup.link, networkChangeFlag), LinkOutcome::done);
    ASSERT_TRUE(queryStatus(setup.link, status));
    EXPECT_EQ(status, kStatusReady);
}
