#include "link/command_header.h"

namespace {

constexpr size_t kMarkOffset = 0;
constexpr size_t kCommandOffset = 1;
constexpr size_t kAddressOffset = 2;
constexpr size_t kLengthOffset = 6;

void putU32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t getU32(const uint8_t* at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | at[i];
    return value;
}

} // namespace

HeaderBytes encodeHeader(const CommandHeader& header) {
    HeaderBytes bytes{};
    bytes[kMarkOffset] = header.mark;
    bytes[kCommandOffset] = header.command;
    putU32(&bytes[kAddressOffset], header.address);
    putU32(&bytes[kLengthOffset], header.dataLength);
    return bytes;
}

CommandHeader decodeHeader(const HeaderBytes& bytes) {
    CommandHeader header;
    header.mark = bytes[kMarkOffset];
    header.command = bytes[kCommandOffset];
    header.address = getU32(&bytes[kAddressOffset]);
    header.dataLength = getU32(&bytes[kLengthOffset]);
    return header;
}
