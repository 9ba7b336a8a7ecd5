#pragma once

#include "store/record_store.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The 10-byte header that starts every exchange in both directions:
// protocol mark, command, u32 address, u32 data length (little-endian).
constexpr size_t kHeaderSize = 10;
constexpr uint8_t kProtocolMark = 2;

constexpr uint8_t kCommandWriteRecord = 1;
constexpr uint8_t kCommandReadRecord = 2;
constexpr uint8_t kCommandControl = 3;

// Addresses of the control command other than the information record ids.
constexpr uint32_t kControlStatus = 1;
constexpr uint32_t kControlMode = 2;
constexpr uint32_t kControlFinish = 5;

constexpr uint8_t kModeEnterRemote = 1;
constexpr uint8_t kModeLeaveRemote = 2;

// Status byte values the program gives a meaning.
constexpr uint8_t kStatusReady = 0;
constexpr uint8_t kStatusBusy = 1;
constexpr uint8_t kStatusRemoteTimedOut = 2;
constexpr uint8_t kStatusFaulty = 3;

// A record length the machine answers for an id it does not keep; stored
// as is and never followed by data.
constexpr uint32_t kNoRecordLength = 0xFFFFFFFF;
struct CommandHeader {
    uint8_t mark = kProtocolMark;
    uint8_t command = 0;
    uint32_t address = 0;
    uint32_t dataLength = 0;
};

using HeaderBytes = std::array<uint8_t, kHeaderSize>;

HeaderBytes encodeHeader(const CommandHeader& header);
CommandHeader decodeHeader(const HeaderBytes& bytes);
