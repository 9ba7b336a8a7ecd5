#pragma once

#include "workspace/workspace.h"

#include <cstdint>
#include <optional>

// How the shell answers the machine's status byte. `std::nullopt` stands for
// a status query that did not reach the machine.
struct StatusReaction {
    // The connection check: the machine is ready for the command.
    // The poll: the machine was reached.
    bool goOn = true;
    // The machine has dropped the session: the link is marked inactive and
    // Disconnect runs before the message is shown.
    bool disconnectFirst = false;
    int messageId = 0; // string shown to the user, 0 for none
};

// Before Connect, Download and Upload.
StatusReaction reactToStatusInCheck(std::optional<uint8_t> status);
// Every timer period while the link is active.
StatusReaction reactToStatusInPoll(std::optional<uint8_t> status);

// What the connection, transfer and file commands end in. Each outcome moves
// the connection and document state in one fixed way.
enum class ShellOutcome {
    connectSucceeded,
    connectRefused,
    disconnected,
    pollLostMachine,
    checkFailedBeforeTransfer,
    machineReadStarting,
    machineReadSucceeded,
    machineReadFailed,
    downloadEnded,
    uploadStarting,
    uploadDeclined,
    uploadSucceeded,
    uploadFailed,
    openSucceeded,
    openFailed,
    saveWritten,
    saveAsWritten,
    saveWriteFailed,
    saveAsWriteFailed,
};

enum class TimerChange { keep, start, stop };

// Applies the outcome to the state and says what becomes of the poll timer.
TimerChange applyOutcome(ShellOutcome outcome, ViewState& view, bool& linkActive,
                         bool& modifiedFlag);

// Whether the records just uploaded are read back to check them. After an
// Upload that carried changed network settings the machine is restarting
// its network side and answers nothing until it is back.
bool readsBackAfterUpload(uint8_t networkChangeFlag);
