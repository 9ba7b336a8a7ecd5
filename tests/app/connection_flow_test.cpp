#include "app/connection_flow.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

// Each status before a transfer and while polling: go on, disconnect
// first, message. The timer path reports a lost machine itself (string 3004).
TEST(ConnectionStatus, EveryStatusHasItsReactionInTheCheckAndInThePoll) {
    struct Case {
        std::optional<uint8_t> status;
        StatusReaction check, poll;
    };
    const Case cases[] = {
        {std::nullopt, {false, false, 3001}, {false, false, 0}}, // unreachable
        {1, {false, false, 3002}, {true, false, 0}},             // busy
        {2, {false, true, 3003}, {true, true, 3003}},            // time-out
        {3, {false, true, 6013}, {true, false, 0}},              // fault
        {0, {true, false, 0}, {true, false, 0}},
        {4, {true, false, 0}, {true, false, 0}},
        {5, {true, false, 0}, {true, false, 0}},
        {0x7f, {true, false, 0}, {true, false, 0}},
        {0x80, {true, false, 0}, {true, false, 0}},
        {0xff, {true, false, 0}, {true, false, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status ? std::to_string(*c.status) : "unreachable");
        for (auto [reaction, expected] : {std::pair{reactToStatusInCheck(c.status), c.check},
                                          std::pair{reactToStatusInPoll(c.status), c.poll}}) {
            EXPECT_EQ(reaction.goOn, expected.goOn);
            EXPECT_EQ(reaction.disconnectFirst, expected.disconnectFirst);
            EXPECT_EQ(reaction.messageId, expected.messageId);
        }
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
