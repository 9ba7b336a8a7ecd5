#pragma once

#include "link/transport.h"

#include <cstdint>
#include <vector>

// The program's link to the machine: how it is reached, which product ids
// count as the machine, and the two channels while they are open. The
// caller owns it (the Workspace in the program, each test its own).
struct LinkState {
    Transport* transport = nullptr; // not owned; outlives the link
    std::vector<uint32_t> acceptedProductIds;
    ChannelHandle commandChannel = kNoChannel; // pipe 0, written to
    ChannelHandle replyChannel = kNoChannel;   // pipe 1, read from
};

// 0 when both channels are open and answered a status query, -1 otherwise.
// Open channels that still answer are reused; otherwise devices 0-14 are
// searched for the first one with an accepted product id.
int openLink(LinkState& link);
void closeLink(LinkState& link);

bool writeChannel(LinkState& link, const uint8_t* data, size_t count);
bool readChannel(LinkState& link, uint8_t* buffer, size_t count);

// The status exchange on channels already open: header out, reply header
// and one status byte in.
bool exchangeStatus(LinkState& link, uint8_t& status);
