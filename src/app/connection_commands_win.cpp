#include "app/connection_commands_win.h"

#include "app/command_dispatch_win.h"
#include "app/connection_flow.h"
#include "app/shell_messages_win.h"
#include "app/shell_outcome_win.h"
#include "app/shell_win.h"
#include "app/ui_refresh_win.h"
#include "link/machine_transport.h"
#include "link/remote_mode.h"
#include "link/transfer_protocol.h"
#include "resource_ids.h"
#include "store/settings_mirror.h"

namespace {

Workspace& workspace() {
    return *theShell().workspace;
}

// USB, or TCP to the simulated machines that ZELT_MACHINE_ADDRESS names.
LinkState& machineLink() {
    Shell& shell = theShell();
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

void runCommand(HWND mainWindow, int commandId) {
    SendMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

std::optional<uint8_t> machineStatus() {
    uint8_t status = 0;
    if (!queryStatus(machineLink(), status)) {
        return std::nullopt;
    }
    return status;
}

// The machine has ended the session on its side: the program disconnects
// first and then says why.
bool reactToStatus(HWND mainWindow, const StatusReaction& reaction) {
    if (reaction.disconnectFirst) {
        workspace().linkActive = 0;
        runCommand(mainWindow, IDM_DISCONNECT);
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

} // namespace

bool checkMachine(HWND mainWindow) {
    return reactToStatus(mainWindow, reactToStatusInCheck(machineStatus()));
}

bool pollMachine(HWND mainWindow) {
    return reactToStatus(mainWindow, reactToStatusInPoll(machineStatus()));
}

void onPollTimer(HWND mainWindow) {
    if (workspace().linkActive != 1 || pollMachine(mainWindow)) {
        return;
    }
    // The timer stops before the message box: its modal loop still
    // delivers timer messages.
    stopPollTimer(mainWindow);
    showShellMessage(mainWindow, IDS_DISCONNECTED_PLEASE_RECONNECT);
    applyShellOutcome(mainWindow, ShellOutcome::pollLostMachine);
    closeLink(machineLink());
    showConnectionState(mainWindow);
}

void connectMachine(HWND mainWindow) {
    if (checkMachine(mainWindow)) {
        // A refused mode command is reported, but the machine answered the
        // check, so the program still counts as connected.
        WindowLinkMessages messages(mainWindow);
        enterRemoteModeUi(machineLink(), messages);
        applyShellOutcome(mainWindow, ShellOutcome::connectSucceeded);
    } else {
        applyShellOutcome(mainWindow, ShellOutcome::connectRefused);
    }
    refreshUiState(mainWindow);
    closeLink(machineLink());
    updateStatusPane(mainWindow);
}

void disconnectMachine(HWND mainWindow) {
    Workspace& state = workspace();
    applyShellOutcome(mainWindow, ShellOutcome::disconnected);
    WindowLinkMessages messages(mainWindow);
    leaveRemoteModeUi(machineLink(), state.networkChangeFlag, messages);
    closeLink(machineLink());
    showConnectionState(mainWindow);
}

void downloadFromMachine(HWND mainWindow) {
    Workspace& state = workspace();
    if (!checkMachine(mainWindow)) {
        dropConnectionAfterFailedCheck(mainWindow);
        return;
    }
    if (state.view.documentLoaded != 1 || askShellQuestion(mainWindow, IDS_CONFIRM_DOWNLOAD)) {
        prepareDownload(state.store, state.networkChangeFlag);
        runCommand(mainWindow, IDM_MACHINE_READ);
    }
    setStatusBarText(kActivityStatusPart, IDS_STATUS_READY);
    // Also when the question was declined, so that closing asks to save.
    applyShellOutcome(mainWindow, ShellOutcome::downloadEnded);
}

void readMachineImage(HWND mainWindow) {
    Workspace& state = workspace();
    applyShellOutcome(mainWindow, ShellOutcome::machineReadStarting);
    if (!downloadAll(machineLink(), state.store)) {
        applyShellOutcome(mainWindow, ShellOutcome::machineReadFailed);
        showMachineDataError(mainWindow);
        showConnectionState(mainWindow);
        return;
    }
    applyShellOutcome(mainWindow, ShellOutcome::machineReadSucceeded);
    unpackStore(state.store, state.mirror);
    showNewImage(mainWindow);
    updateStatusPane(mainWindow);
    layoutMainWindow(mainWindow);
}

void uploadToMachine(HWND mainWindow) {
    Workspace& state = workspace();
    if (!checkMachine(mainWindow)) {
        dropConnectionAfterFailedCheck(mainWindow);
        return;
    }
    if (state.view.documentLoaded == 1 && !askShellQuestion(mainWindow, IDS_CONFIRM_UPLOAD)) {
        setStatusBarText(kActivityStatusPart, IDS_STATUS_READY);
        refreshUiState(mainWindow);
        return;
    }
    packStore(state.mirror, state.store);
    applyShellOutcome(mainWindow, ShellOutcome::uploadStarting);
    if (!uploadAll(machineLink(), state.store, state.networkChangeFlag)) {
        applyShellOutcome(mainWindow, ShellOutcome::uploadFailed);
        showMachineDataError(mainWindow);
        showConnectionState(mainWindow);
        return;
    }
    applyShellOutcome(mainWindow, ShellOutcome::uploadSucceeded);
    setStatusBarText(kActivityStatusPart, IDS_STATUS_READY);
    refreshUiState(mainWindow);
}
