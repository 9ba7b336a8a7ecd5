#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// One open pipe of one device, numbered by the transport that opened it.
using ChannelHandle = int;
constexpr ChannelHandle kNoChannel = -1;

// The still-image driver numbers its devices 0, 1, 2 ...; the program looks
// at the first fifteen.
constexpr int kDeviceSearchCount = 15;
constexpr int kCommandPipe = 0;
constexpr int kReplyPipe = 1;

// Every transport numbers the two pipes of device d as channels 2d and
// 2d + 1, so a channel alone names its device and pipe.
constexpr int kChannelCount = 2 * kDeviceSearchCount;
constexpr ChannelHandle channelFor(int device, int pipe) {
    return device * 2 + pipe;
}
constexpr int deviceOf(ChannelHandle channel) {
    return channel / 2;
}
constexpr int pipeOf(ChannelHandle channel) {
    return channel % 2;
}

// The USB device descriptor's first 8 bytes as the driver hands them out:
// vendor id, product id, device release number, language id; u16 each,
// little-endian.
constexpr size_t kDeviceDescriptorSize = 8;
using DeviceDescriptor = std::array<uint8_t, kDeviceDescriptorSize>;

DeviceDescriptor makeDeviceDescriptor(uint16_t vendorId, uint16_t productId, uint16_t releaseNumber,
                                      uint16_t languageId);
uint16_t descriptorProductId(const DeviceDescriptor& descriptor);

// How the link reaches a machine: USB still-image pipes on Windows, a TCP
// connection to a simulated machine, or the simulated machine in-process.
class Transport {
  public:
    virtual ~Transport() = default;
    // Opens pipe `pipe` (0 or 1) of device `device`; kNoChannel when there
    // is no such device or pipe.
    virtual ChannelHandle openPipe(int device, int pipe) = 0;
    virtual bool readDescriptor(ChannelHandle channel, DeviceDescriptor& descriptor) = 0;
    // Moves up to `count` bytes and returns how many moved: 0 means the
    // stream ended, a negative value an error.
    virtual std::ptrdiff_t readSome(ChannelHandle channel, uint8_t* buffer, size_t count) = 0;
    virtual std::ptrdiff_t writeSome(ChannelHandle channel, const uint8_t* data, size_t count) = 0;
    virtual void closePipe(ChannelHandle channel) = 0;
};

// Both succeed only when all `count` bytes moved. Drivers and sockets may
// move fewer bytes than asked; a short transfer taken for a whole one would
// leave the byte stream out of step with the machine.
bool readExact(Transport& transport, ChannelHandle channel, uint8_t* buffer, size_t count);
bool writeExact(Transport& transport, ChannelHandle channel, const uint8_t* data, size_t count);
