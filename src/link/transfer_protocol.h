#pragma once

#include "link/link_channels.h"
#include "store/record_store.h"

#include <cstdint>

// The machine's exchanges. Each opens the link itself (reusing open
// channels) and returns true only when every byte went as planned.
//
// The shell stops its status poll before downloadAll and uploadAll and
// restarts it after a success, so a poll never lands inside a transfer;
// that timer is the caller's, not the link's.

// The network change flag: one byte the program keeps and sends with the
// finish command of every Upload. The network settings page raises it when
// changed settings are applied; an Upload that carried it marks it carried.
constexpr uint8_t kNetworkChangeNone = 0;
constexpr uint8_t kNetworkChangePending = 1;
constexpr uint8_t kNetworkChangeCarried = 2;

// Status query; the channels are closed afterwards whatever happened.
bool queryStatus(LinkState& link, uint8_t& status);
// Mode command (kModeEnterRemote or kModeLeaveRemote); no reply is read;
// the channels are closed afterwards.
bool setRemoteMode(LinkState& link, uint8_t mode);

// What every Download does before reading: a fresh image with its record ids
// and no network change left to report.
void prepareDownload(RecordStore& store, uint8_t& networkChangeFlag);
// Reads all 184 records in slot order. On success the channels stay open
// for the next exchange; a failure closes them, because the machine may be
// part-way through a reply the program did not read.
bool downloadAll(LinkState& link, RecordStore& store);
// Writes every record except the two information records and 0x10a00, then
// the finish command with the network change flag (1 becomes 2 once it has
// been carried, a 2 left from an earlier Upload is sent as 0). Channels as
// for downloadAll.
bool uploadAll(LinkState& link, const RecordStore& store, uint8_t& networkChangeFlag);
// The finish command and its flag byte, on the open channels.
bool sendFinish(LinkState& link, uint8_t networkChangeFlag);
