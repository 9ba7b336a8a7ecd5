#include "link/transport.h"

namespace {

void putU16(uint8_t* at, uint16_t value) {
    at[0] = static_cast<uint8_t>(value & 0xFF);
    at[1] = static_cast<uint8_t>(value >> 8);
}

constexpr size_t kProductIdOffset = 2;

// Repeats `moveSome(done)` until `count` bytes moved; a call that moves
// nothing, fails or claims more than was left ends it as a failure.
template <typename MoveSome> bool moveExact(size_t count, MoveSome moveSome) {
    size_t done = 0;
    while (done < count) {
        std::ptrdiff_t moved = moveSome(done);
        if (moved <= 0 || static_cast<size_t>(moved) > count - done)
            return false;
        done += static_cast<size_t>(moved);
    }
    return true;
}

} // namespace

DeviceDescriptor makeDeviceDescriptor(uint16_t vendorId, uint16_t productId, uint16_t releaseNumber,
                                      uint16_t languageId) {
    DeviceDescriptor descriptor{};
    putU16(&descriptor[0], vendorId);
    putU16(&descriptor[kProductIdOffset], productId);
    putU16(&descriptor[4], releaseNumber);
    putU16(&descriptor[6], languageId);
    return descriptor;
}

uint16_t descriptorProductId(const DeviceDescriptor& descriptor) {
    return static_cast<uint16_t>(descriptor[kProductIdOffset] |
                                 (descriptor[kProductIdOffset + 1] << 8));
}

bool readExact(Transport& transport, ChannelHandle channel, uint8_t* buffer, size_t count) {
    return moveExact(count, [&](size_t done) {
        return transport.readSome(channel, buffer + done, count - done);
    });
}

bool writeExact(Transport& transport, ChannelHandle channel, const uint8_t* data, size_t count) {
    return moveExact(count, [&](size_t done) {
        return transport.writeSome(channel, data + done, count - done);
    });
}
