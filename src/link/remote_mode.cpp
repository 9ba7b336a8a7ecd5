#include "link/remote_mode.h"

#include "link/command_header.h"
#include "link/transfer_protocol.h"
#include "resource_ids.h"

void reportMachineDataError(LinkMessages& messages) {
    messages.showMessage(IDS_ERROR_MACHINE_DATA, IDS_APP_TITLE);
    messages.setStatusText(kActivityStatusPart, IDS_STATUS_READY);
}

bool enterRemoteModeUi(LinkState& link, LinkMessages& messages) {
    if (setRemoteMode(link, kModeEnterRemote))
        return true;
    reportMachineDataError(messages);
    return false;
}

bool leaveRemoteModeUi(LinkState& link, uint8_t& networkChangeFlag, LinkMessages& messages) {
    if (setRemoteMode(link, kModeLeaveRemote))
        return true;
    if (networkChangeFlag == kNetworkChangeCarried)
        networkChangeFlag = kNetworkChangeNone;
    else
        reportMachineDataError(messages);
    return false;
}
