#pragma once

#include "link/command_header.h"
#include "link/transport.h"

#include <cstdint>

// What crossed the wire in one transfer: the commands sent to the machine
// (each a 10-byte header and the data it announces) and the bytes each way.
struct WireCounts {
    uint64_t commands = 0;
    uint64_t bytesToMachine = 0;
    uint64_t bytesFromMachine = 0;
    bool operator==(const WireCounts&) const = default;
};

// Passes every call to the transport underneath and counts what moved. The
// commands are told apart by reading the headers in the stream to the
// machine, as the machine does, so a command is counted however the
// program splits its writes.
class CountingTransport : public Transport {
  public:
    explicit CountingTransport(Transport& inner) : inner_(inner) {}

    ChannelHandle openPipe(int device, int pipe) override;
    bool readDescriptor(ChannelHandle channel, DeviceDescriptor& descriptor) override;
    std::ptrdiff_t readSome(ChannelHandle channel, uint8_t* buffer, size_t count) override;
    std::ptrdiff_t writeSome(ChannelHandle channel, const uint8_t* data, size_t count) override;
    void closePipe(ChannelHandle channel) override;

    const WireCounts& counts() const { return counts_; }

  private:
    void followCommandStream(const uint8_t* data, size_t count);

    Transport& inner_;
    WireCounts counts_;
    HeaderBytes header_{};
    size_t headerBytes_ = 0;
    uint64_t dataBytesLeft_ = 0;
};
