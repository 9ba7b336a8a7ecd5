#pragma once

#include "link/link_channels.h"

#include <cstdint>

// The status bar part that tells what the program is doing; part 0 holds
// the program's own text.
constexpr int kActivityStatusPart = 1;

// Where the link's failures reach the user. The window side implements it
// with a message box and the status bar; tests record the calls.
class LinkMessages {
  public:
    virtual ~LinkMessages() = default;
    virtual void showMessage(int textId, int captionId) = 0;
    virtual void setStatusText(int part, int textId) = 0;
};

// The one message every failed machine exchange shows: "Error
// reading/writing machine data!" under the program's title, and the status
// bar's part 1 back to "Local Setup".
void reportMachineDataError(LinkMessages& messages);

// Enters the machine's remote setup mode; reports a failure and returns false.
bool enterRemoteModeUi(LinkState& link, LinkMessages& messages);
// Leaves remote setup mode. After an Upload that carried changed network
// settings the machine restarts its network side and no longer answers the
// mode command: that failure is expected, clears the flag and stays silent.
bool leaveRemoteModeUi(LinkState& link, uint8_t& networkChangeFlag, LinkMessages& messages);
