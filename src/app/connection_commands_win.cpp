#include "app/connection_commands_win.h"

#include "app/connection_flow.h"
#include "app/image_changes_dialog_win.h"
#include "app/shell_messages_win.h"
#include "app/shell_outcome_win.h"
#include "app/shell_win.h"
#include "app/snapshot_folder_win.h"
#include "app/status_bar_win.h"
#include "app/ui_refresh_win.h"
#include "link/machine_transport.h"
#include "link/remote_mode.h"
#include "link/transfer_protocol.h"
#include "resource_ids.h"
#include "settings/safe_upload.h"
#include "string_table.h"
#include "store/settings_mirror.h"
#include "win/message_box_win.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

#include <memory>

namespace {

// USB, or TCP to the simulated machines that ZELT_MACHINE_ADDRESS names.
LinkState& machineLink(HWND mainWindow) {
    Shell& shell = shellOf(mainWindow);
    LinkState& link = shell.workspace->link;
    if (link.transport == nullptr) {
        shell.machineTransport = makeMachineTransportFromEnvironment();
        link.transport = shell.machineTransport.get();
    }
    if (link.acceptedProductIds.empty()) {
        link.acceptedProductIds = shell.workspace->startup.acceptedProductIds;
    }
    return link;
}

std::optional<uint8_t> machineStatus(HWND mainWindow) {
    uint8_t status = 0;
    if (!queryStatus(machineLink(mainWindow), status)) {
        return std::nullopt;
    }
    return status;
}

// The machine has ended the session on its side: the program disconnects
// first and then says why.
bool reactToStatus(HWND mainWindow, const StatusReaction& reaction) {
    if (reaction.disconnectFirst) {
        workspaceOf(mainWindow).linkActive = false;
        disconnectMachine(mainWindow);
    }
    if (reaction.messageId != 0) {
        showShellMessage(mainWindow, reaction.messageId);
    }
    return reaction.goOn;
}

void showConnectionState(HWND mainWindow) {
    refreshUiState(mainWindow);
    updateStatusPane(mainWindow);
}

void dropConnectionAfterFailedCheck(HWND mainWindow) {
    applyShellOutcome(mainWindow, ShellOutcome::checkFailedBeforeTransfer);
    showConnectionState(mainWindow);
}

// Reads the machine's whole image into `image` without touching the
// document or the network change flag.
bool readMachineInto(HWND mainWindow, RecordStore& image) {
    uint8_t untouchedFlag = kNetworkChangeNone;
    prepareDownload(image, untouchedFlag);
    return downloadAll(machineLink(mainWindow), image);
}

// What the machine holds now is read, kept as a snapshot and compared with
// the document: the user answers the Upload question seeing what changes.
// A machine that cannot be read leaves the plain question.
bool confirmUpload(HWND mainWindow) {
    Workspace& state = workspaceOf(mainWindow);
    auto machine = std::make_unique<RecordStore>();
    if (!readMachineInto(mainWindow, *machine)) {
        showShellMessage(mainWindow, IDS_PREVIEW_NOT_POSSIBLE);
        return askShellQuestion(mainWindow, IDS_CONFIRM_UPLOAD);
    }
    if (keepSnapshotNow(*machine).empty() && !askShellQuestion(mainWindow, IDS_SNAPSHOT_NOT_KEPT))
        return false;
    // The image as it will be sent; the document's own is packed only once
    // the user said Yes.
    auto outgoing = std::make_unique<RecordStore>(state.store);
    packStore(state.mirror, *outgoing);
    return showImageChangesDialog(mainWindow, uploadPreview(*machine, *outgoing));
}

// The records just sent are read back; the Upload counts as done whatever
// the check finds, and the user learns which records differ.
void verifyUploadedImage(HWND mainWindow) {
    const Workspace& state = workspaceOf(mainWindow);
    if (!readsBackAfterUpload(state.networkChangeFlag))
        return;
    auto readBack = std::make_unique<RecordStore>();
    if (!readMachineInto(mainWindow, *readBack)) {
        showShellMessage(mainWindow, IDS_VERIFY_UNREADABLE);
        return;
    }
    const VerifyVerdict verdict = verifyUpload(state.store, *readBack);
    const std::wstring text =
        utf8ToWide(fillTemplate(wideToUtf8(loadString(verdict.messageId)), verdict.detail));
    showMessageBoxText(mainWindow, text, IDS_APP_TITLE,
                       MB_OK | (verdict.matched ? MB_ICONINFORMATION : MB_ICONWARNING));
}

} // namespace

bool checkMachine(HWND mainWindow) {
    return reactToStatus(mainWindow, reactToStatusInCheck(machineStatus(mainWindow)));
}

bool pollMachine(HWND mainWindow) {
    return reactToStatus(mainWindow, reactToStatusInPoll(machineStatus(mainWindow)));
}

void onPollTimer(HWND mainWindow) {
    if (!workspaceOf(mainWindow).linkActive || pollMachine(mainWindow)) {
        return;
    }
    // The timer stops before the message box: its modal loop still
    // delivers timer messages. A machine restarting its network after an
    // Upload of new network settings is gone as expected: no message.
    stopPollTimer(mainWindow);
    if (failureAfterUpload(workspaceOf(mainWindow).networkChangeFlag) == LinkOutcome::failed)
        showShellMessage(mainWindow, IDS_DISCONNECTED_PLEASE_RECONNECT);
    applyShellOutcome(mainWindow, ShellOutcome::pollLostMachine);
    closeLink(machineLink(mainWindow));
    showConnectionState(mainWindow);
}

void connectMachine(HWND mainWindow) {
    if (checkMachine(mainWindow)) {
        // A refused mode command is reported, but the machine answered the
        // check, so the program still counts as connected.
        reportLinkOutcome(mainWindow, enterRemoteMode(machineLink(mainWindow)));
        applyShellOutcome(mainWindow, ShellOutcome::connectSucceeded);
    } else {
        applyShellOutcome(mainWindow, ShellOutcome::connectRefused);
    }
    refreshUiState(mainWindow);
    closeLink(machineLink(mainWindow));
    updateStatusPane(mainWindow);
}

void disconnectMachine(HWND mainWindow) {
    Workspace& state = workspaceOf(mainWindow);
    applyShellOutcome(mainWindow, ShellOutcome::disconnected);
    reportLinkOutcome(mainWindow,
                      leaveRemoteMode(machineLink(mainWindow), state.networkChangeFlag));
    closeLink(machineLink(mainWindow));
    showConnectionState(mainWindow);
}

void downloadFromMachine(HWND mainWindow) {
    Workspace& state = workspaceOf(mainWindow);
    if (!checkMachine(mainWindow)) {
        dropConnectionAfterFailedCheck(mainWindow);
        return;
    }
    if (!state.view.documentLoaded || askShellQuestion(mainWindow, IDS_CONFIRM_DOWNLOAD))
        readMachineImage(mainWindow);
    setStatusBarText(mainWindow, kActivityStatusPart, IDS_STATUS_READY);
    // Also when the question was declined, so that closing asks to save.
    applyShellOutcome(mainWindow, ShellOutcome::downloadEnded);
}

// The machine's image is read into a scratch image and taken over only when
// every record arrived: a Download that fails part-way leaves the image, the
// lists and the backup exactly as they were, never a mix of old and new.
void readMachineImage(HWND mainWindow) {
    Workspace& state = workspaceOf(mainWindow);
    auto scratch = std::make_unique<RecordStore>();
    uint8_t networkChangeFlag = state.networkChangeFlag;
    prepareDownload(*scratch, networkChangeFlag);
    applyShellOutcome(mainWindow, ShellOutcome::machineReadStarting);
    if (!downloadAll(machineLink(mainWindow), *scratch)) {
        applyShellOutcome(mainWindow, ShellOutcome::machineReadFailed);
        showMachineDataError(mainWindow);
        showConnectionState(mainWindow);
        return;
    }
    state.store = *scratch;
    state.networkChangeFlag = networkChangeFlag;
    applyShellOutcome(mainWindow, ShellOutcome::machineReadSucceeded);
    unpackStore(state.store, state.mirror);
    showNewImage(mainWindow);
    updateStatusPane(mainWindow);
    layoutMainWindow(mainWindow);
}

void uploadToMachine(HWND mainWindow) {
    Workspace& state = workspaceOf(mainWindow);
    if (!checkMachine(mainWindow)) {
        dropConnectionAfterFailedCheck(mainWindow);
        return;
    }
    applyShellOutcome(mainWindow, ShellOutcome::uploadStarting);
    if (state.view.documentLoaded && !confirmUpload(mainWindow)) {
        applyShellOutcome(mainWindow, ShellOutcome::uploadDeclined);
        setStatusBarText(mainWindow, kActivityStatusPart, IDS_STATUS_READY);
        refreshUiState(mainWindow);
        return;
    }
    packStore(state.mirror, state.store);
    if (!uploadAll(machineLink(mainWindow), state.store, state.networkChangeFlag)) {
        applyShellOutcome(mainWindow, ShellOutcome::uploadFailed);
        showMachineDataError(mainWindow);
        showConnectionState(mainWindow);
        return;
    }
    verifyUploadedImage(mainWindow);
    applyShellOutcome(mainWindow, ShellOutcome::uploadSucceeded);
    setStatusBarText(mainWindow, kActivityStatusPart, IDS_STATUS_READY);
    refreshUiState(mainWindow);
}
