#include "app/connection_flow.h"

#include <gtest/gtest.h>

namespace {

struct ShellState {
    ViewState view;
    bool linkActive = false;
    bool modifiedFlag = false;

    TimerChange apply(ShellOutcome outcome) {
        return applyOutcome(outcome, view, linkActive, modifiedFlag);
    }
};

ShellState connectedWithDocument() {
    ShellState state;
    state.view = {true, true, View::speedDial, 4};
    state.linkActive = 1;
    state.modifiedFlag = 0;
    return state;
}

void expectReaction(StatusReaction reaction, bool goOn, bool disconnectFirst, int messageId) {
    EXPECT_EQ(reaction.goOn, goOn);
    EXPECT_EQ(reaction.disconnectFirst, disconnectFirst);
    EXPECT_EQ(reaction.messageId, messageId);
}

} // namespace

TEST(ConnectionCheck, EveryStatusOutcomeHasItsReaction) {
    SCOPED_TRACE("unreachable, busy, time-out, fault");
    expectReaction(reactToStatusInCheck(std::nullopt), false, false, 3001);
    expectReaction(reactToStatusInCheck(1), false, false, 3002);
    expectReaction(reactToStatusInCheck(2), false, true, 3003);
    expectReaction(reactToStatusInCheck(3), false, true, 6013);
    for (int status : {0, 4, 5, 0x7f, 0x80, 0xff}) {
        SCOPED_TRACE(status);
        expectReaction(reactToStatusInCheck(static_cast<uint8_t>(status)), true, false, 0);
    }
}

TEST(ConnectionPoll, OnlyALostMachineOrItsTimeOutCount) {
    // The timer path reports the lost machine itself (string 3004).
    expectReaction(reactToStatusInPoll(std::nullopt), false, false, 0);
    expectReaction(reactToStatusInPoll(2), true, true, 3003);
    for (int status : {0, 1, 3, 4, 0xff}) {
        SCOPED_TRACE(status);
        expectReaction(reactToStatusInPoll(static_cast<uint8_t>(status)), true, false, 0);
    }
}

TEST(ShellOutcomes, ConnectAndDisconnect) {
    ShellState state;
    state.view.documentLoaded = 1;
    EXPECT_EQ(state.apply(ShellOutcome::connectSucceeded), TimerChange::start);
    EXPECT_EQ(state.view.connected, 1);
    EXPECT_EQ(state.linkActive, 1u);
    EXPECT_EQ(state.view.documentLoaded, 1);

    // Disconnect leaves the timer alone: it fires and does nothing.
    EXPECT_EQ(state.apply(ShellOutcome::disconnected), TimerChange::keep);
    EXPECT_EQ(state.view.connected, 0);
    EXPECT_EQ(state.linkActive, 0u);
    EXPECT_EQ(state.view.documentLoaded, 1);

    EXPECT_EQ(state.apply(ShellOutcome::connectRefused), TimerChange::keep);
    EXPECT_EQ(state.view.connected, 0);
    EXPECT_EQ(state.linkActive, 0u);
    EXPECT_EQ(state.modifiedFlag, 0);
}

TEST(ShellOutcomes, LostMachineStopsPollingAndDisconnects) {
    ShellState state = connectedWithDocument();
    EXPECT_EQ(state.apply(ShellOutcome::pollLostMachine), TimerChange::stop);
    EXPECT_EQ(state.view.connected, 0);
    EXPECT_EQ(state.linkActive, 0u);
    EXPECT_EQ(state.view.documentLoaded, 1);
    EXPECT_EQ(state.view.currentView, View::speedDial);
}

TEST(ShellOutcomes, FailedCheckBeforeTransferKeepsPolling) {
    ShellState state = connectedWithDocument();
    EXPECT_EQ(state.apply(ShellOutcome::checkFailedBeforeTransfer), TimerChange::keep);
    EXPECT_EQ(state.view.connected, 0);
    EXPECT_EQ(state.linkActive, 1u);
}

TEST(ShellOutcomes, DownloadLoadsTheDocumentAndAlwaysMarksItChanged) {
    ShellState state = connectedWithDocument();
    EXPECT_EQ(state.apply(ShellOutcome::machineReadStarting), TimerChange::stop);
    EXPECT_EQ(state.apply(ShellOutcome::machineReadSucceeded), TimerChange::start);
    EXPECT_EQ(state.view.documentLoaded, 1);
    EXPECT_EQ(state.view.connected, 1);
    EXPECT_EQ(state.apply(ShellOutcome::downloadEnded), TimerChange::keep);
    EXPECT_EQ(state.modifiedFlag, 1);

    // A declined question skips the read but still marks the image changed.
    ShellState declined = connectedWithDocument();
    declined.apply(ShellOutcome::downloadEnded);
    EXPECT_EQ(declined.modifiedFlag, 1);
    EXPECT_EQ(declined.view.documentLoaded, 1);
}

TEST(ShellOutcomes, FailedTransfersDropTheConnectionButNotTheLink) {
    ShellState read = connectedWithDocument();
    read.apply(ShellOutcome::machineReadStarting);
    // The timer stays stopped: polling ends until the next Connect.
    EXPECT_EQ(read.apply(ShellOutcome::machineReadFailed), TimerChange::keep);
    EXPECT_EQ(read.view.connected, 0);
    EXPECT_EQ(read.view.documentLoaded, 0);
    EXPECT_EQ(read.linkActive, 1u);

    ShellState upload = connectedWithDocument();
    EXPECT_EQ(upload.apply(ShellOutcome::uploadStarting), TimerChange::stop);
    EXPECT_EQ(upload.apply(ShellOutcome::uploadFailed), TimerChange::keep);
    EXPECT_EQ(upload.view.connected, 0);
    EXPECT_EQ(upload.view.documentLoaded, 1);
    EXPECT_EQ(upload.linkActive, 1u);
    EXPECT_EQ(upload.modifiedFlag, 0);

    ShellState uploaded = connectedWithDocument();
    uploaded.apply(ShellOutcome::uploadStarting);
    EXPECT_EQ(uploaded.apply(ShellOutcome::uploadSucceeded), TimerChange::start);
    EXPECT_EQ(uploaded.view.connected, 1);
    EXPECT_EQ(uploaded.modifiedFlag, 0);
}

TEST(ShellOutcomes, FileCommands) {
    ShellState state;
    EXPECT_EQ(state.apply(ShellOutcome::openSucceeded), TimerChange::start);
    EXPECT_EQ(state.view.documentLoaded, 1);
    EXPECT_EQ(state.view.connected, 0);
    EXPECT_EQ(state.apply(ShellOutcome::openFailed), TimerChange::keep);
    EXPECT_EQ(state.view.documentLoaded, 0);

    state.modifiedFlag = 1;
    state.apply(ShellOutcome::saveWriteFailed);
    EXPECT_EQ(state.modifiedFlag, 1) << "an image that is not on disk keeps the exit question";
    state.apply(ShellOutcome::saveWritten);
    EXPECT_EQ(state.modifiedFlag, 0);
    state.apply(ShellOutcome::saveAsWritten);
    EXPECT_EQ(state.modifiedFlag, 1) << "after Save As the exit question is asked again";
    state.modifiedFlag = 0;
    state.apply(ShellOutcome::saveAsWriteFailed);
    EXPECT_EQ(state.modifiedFlag, 1) << "a Save As that wrote nothing asks at exit all the more";
}
