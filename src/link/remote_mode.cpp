#include "link/remote_mode.h"

#include "link/command_header.h"
#include "link/transfer_protocol.h"

LinkOutcome enterRemoteMode(LinkState& link) {
    return setRemoteMode(link, kModeEnterRemote) ? LinkOutcome::done : LinkOutcome::failed;
}

LinkOutcome failureAfterUpload(uint8_t& networkChangeFlag) {
    if (networkChangeFlag != kNetworkChangeCarried)
        return LinkOutcome::failed;
    networkChangeFlag = kNetworkChangeNone;
    return LinkOutcome::failedAfterNetworkRestart;
}

LinkOutcome leaveRemoteMode(LinkState& link, uint8_t& networkChangeFlag) {
    if (setRemoteMode(link, kModeLeaveRemote))
        return LinkOutcome::done;
    return failureAfterUpload(networkChangeFlag);
}
