#include "app/connection_flow.h"

#include "link/transfer_protocol.h"
#include "resource_ids.h"

namespace {

constexpr int kNoMessage = 0;

struct StatusRow {
    std::optional<uint8_t> status;
    StatusReaction inCheck;
    StatusReaction inPoll;
};

// Status 0 and every value not listed mean ready. A busy machine or a fault
// only matters when the user is about to start something; the poll reacts
// to nothing but a lost machine and the machine's own time-out.
const StatusRow kStatusRows[] = {
    {std::nullopt, {false, false, IDS_ERROR_USB_PORT}, {false, false, kNoMessage}},
    {1, {false, false, IDS_MACHINE_BUSY}, {true, false, kNoMessage}},
    {2, {false, true, IDS_DISCONNECTED_BY_TIMEOUT}, {true, true, IDS_DISCONNECTED_BY_TIMEOUT}},
    {3, {false, true, IDS_MACHINE_FAULT}, {true, false, kNoMessage}},
};

const StatusRow* findStatusRow(std::optional<uint8_t> status) {
    for (const StatusRow& row : kStatusRows) {
        if (row.status == status) {
            return &row;
        }
    }
    return nullptr;
}

enum class Change : int8_t { keep, clear, set };

struct OutcomeRow {
    ShellOutcome outcome;
    Change connected;
    Change linkActive;
    Change documentLoaded;
    Change modifiedFlag;
    TimerChange timer;
};

constexpr Change K = Change::keep;
constexpr Change C = Change::clear;
constexpr Change S = Change::set;

// A failed transfer drops the user's connection but not the link: polling
// stays stopped until the next Connect. A failed check before a transfer
// keeps link and timer as they were, so polling goes on. Disconnect leaves
// the timer running; it does nothing while the link is inactive.
constexpr OutcomeRow kOutcomeRows[] = {
    // outcome, connected, linkActive, documentLoaded, modifiedFlag, timer
    {ShellOutcome::connectSucceeded, S, S, K, K, TimerChange::start},
    {ShellOutcome::connectRefused, C, K, K, K, TimerChange::keep},
    {ShellOutcome::disconnected, C, C, K, K, TimerChange::keep},
    {ShellOutcome::pollLostMachine, C, C, K, K, TimerChange::stop},
    {ShellOutcome::checkFailedBeforeTransfer, C, K, K, K, TimerChange::keep},
    {ShellOutcome::machineReadStarting, K, K, K, K, TimerChange::stop},
    {ShellOutcome::machineReadSucceeded, K, K, S, K, TimerChange::start},
    {ShellOutcome::machineReadFailed, C, K, C, K, TimerChange::keep},
    {ShellOutcome::downloadEnded, K, K, K, S, TimerChange::keep},
    {ShellOutcome::uploadStarting, K, K, K, K, TimerChange::stop},
    // The preview read stops the poll; a declined Upload lets it go on.
    {ShellOutcome::uploadDeclined, K, K, K, K, TimerChange::start},
    {ShellOutcome::uploadSucceeded, K, K, K, K, TimerChange::start},
    {ShellOutcome::uploadFailed, C, K, K, K, TimerChange::keep},
    {ShellOutcome::openSucceeded, K, K, S, K, TimerChange::start},
    {ShellOutcome::openFailed, K, K, C, K, TimerChange::keep},
    {ShellOutcome::saveWritten, K, K, K, C, TimerChange::keep},
    // After Save As the exit question is asked again.
    {ShellOutcome::saveAsWritten, K, K, K, S, TimerChange::keep},
    // The image is not on disk: keep the exit question's protection.
    {ShellOutcome::saveWriteFailed, K, K, K, K, TimerChange::keep},
    {ShellOutcome::saveAsWriteFailed, K, K, K, S, TimerChange::keep},
};

void applyChange(Change change, bool& field) {
    if (change != Change::keep) {
        field = change == Change::set;
    }
}

} // namespace

StatusReaction reactToStatusInCheck(std::optional<uint8_t> status) {
    const StatusRow* row = findStatusRow(status);
    return row ? row->inCheck : StatusReaction{};
}

StatusReaction reactToStatusInPoll(std::optional<uint8_t> status) {
    const StatusRow* row = findStatusRow(status);
    return row ? row->inPoll : StatusReaction{};
}

TimerChange applyOutcome(ShellOutcome outcome, ViewState& view, bool& linkActive,
                         bool& modifiedFlag) {
    for (const OutcomeRow& row : kOutcomeRows) {
        if (row.outcome == outcome) {
            applyChange(row.connected, view.connected);
            applyChange(row.linkActive, linkActive);
            applyChange(row.documentLoaded, view.documentLoaded);
            applyChange(row.modifiedFlag, modifiedFlag);
            return row.timer;
        }
    }
    return TimerChange::keep;
}

bool readsBackAfterUpload(uint8_t networkChangeFlag) {
    return networkChangeFlag != kNetworkChangeCarried;
}
