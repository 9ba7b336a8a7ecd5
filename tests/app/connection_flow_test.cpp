#include "app/connection_flow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

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

// What each outcome leaves behind, from a shell with every flag clear and
// from one with every flag set: together they pin whether the outcome sets,
// clears or keeps each flag. Flags read connected, link active, document
// loaded, modified.
TEST(ShellOutcomes, EachOutcomeSetsClearsOrKeepsEachFlag) {
    struct Case {
        ShellOutcome outcome;
        TimerChange timer;
        const char* fromClear;
        const char* fromSet;
    };
    using enum ShellOutcome;
    constexpr TimerChange start = TimerChange::start, stop = TimerChange::stop,
                          keep = TimerChange::keep;
    const Case cases[] = {
        {connectSucceeded, start, "1100", "1111"},
        {connectRefused, keep, "0000", "0111"},
        // Disconnect leaves the timer alone: it fires and does nothing.
        {disconnected, keep, "0000", "0011"},
        {pollLostMachine, stop, "0000", "0011"},
        // A failed check before a transfer keeps the link, so polling goes on.
        {checkFailedBeforeTransfer, keep, "0000", "0111"},
        {machineReadStarting, stop, "0000", "1111"},
        {machineReadSucceeded, start, "0010", "1111"},
        // Failed transfers drop the connection but not the link; the timer
        // stays stopped until the next Connect.
        {machineReadFailed, keep, "0000", "0101"},
        // Marks the image changed even when the question was declined.
        {downloadEnded, keep, "0001", "1111"},
        {uploadStarting, stop, "0000", "1111"},
        // The preview's read stopped the poll; a declined Upload restarts it.
        {uploadDeclined, start, "0000", "1111"},
        {uploadSucceeded, start, "0000", "1111"},
        {uploadFailed, keep, "0000", "0111"},
        {openSucceeded, start, "0010", "1111"},
        {openFailed, keep, "0000", "1101"},
        {saveWritten, keep, "0000", "1110"},
        // After Save As the exit question is asked again.
        {saveAsWritten, keep, "0001", "1111"},
        // An image that is not on disk keeps the exit question.
        {saveWriteFailed, keep, "0000", "1111"},
        {saveAsWriteFailed, keep, "0001", "1111"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "outcome " << static_cast<int>(c.outcome));
        for (bool flag : {false, true}) {
            ViewState view{flag, flag, View::speedDial, 4};
            bool linkActive = flag;
            bool modified = flag;
            EXPECT_EQ(applyOutcome(c.outcome, view, linkActive, modified), c.timer);
            const std::string flags{char('0' + view.connected), char('0' + linkActive),
                                    char('0' + view.documentLoaded), char('0' + modified)};
            EXPECT_EQ(flags, flag ? c.fromSet : c.fromClear);
            // The shown view and row are never an outcome's business.
            EXPECT_EQ(view.currentView, View::speedDial);
            EXPECT_EQ(view.selectedRow, 4);
        }
    }
}
