#pragma once

#include "link/link_channels.h"

#include <cstdint>

// What became of one exchange with the machine. The link only reports it;
// the program decides what the user sees.
enum class LinkOutcome {
    done,
    failed,
    // After an Upload that carried changed network settings the machine
    // restarts its network side and no longer answers: expected, not an error.
    failedAfterNetworkRestart,
};

// Enters the machine's remote setup mode.
LinkOutcome enterRemoteMode(LinkState& link);
// What a failed exchange means: after an Upload that carried network
// changes it is the machine's network restart (the flag is cleared, once),
// otherwise a failure.
LinkOutcome failureAfterUpload(uint8_t& networkChangeFlag);
// Leaves remote setup mode. The failure that follows an Upload which
// carried network changes clears the flag and is reported as expected.
LinkOutcome leaveRemoteMode(LinkState& link, uint8_t& networkChangeFlag);
