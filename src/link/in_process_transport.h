#pragma once

#include "link/simulated_machine.h"
#include "link/transport.h"

#include <array>
#include <vector>

// Simulated machines as still-image devices 0, 1, 2 ... of this process
// (a null entry is a device number with nothing attached). Pipe 0 starts a
// connection to the machine and closing it ends the connection; pipe 1
// reads that connection's replies. A read the machine has nothing for ends
// the stream rather than waiting, so a test never hangs.
class InProcessTransport : public Transport {
  public:
    explicit InProcessTransport(std::vector<SimulatedMachine*> devices);

    ChannelHandle openPipe(int device, int pipe) override;
    bool readDescriptor(ChannelHandle channel, DeviceDescriptor& descriptor) override;
    std::ptrdiff_t readSome(ChannelHandle channel, uint8_t* buffer, size_t count) override;
    std::ptrdiff_t writeSome(ChannelHandle channel, const uint8_t* data, size_t count) override;
    void closePipe(ChannelHandle channel) override;

  private:
    struct OpenPipe {
        bool open = false;
        uint64_t connection = 0;
    };
    // The machine behind an open pipe whose connection is still the
    // machine's current one; null otherwise.
    SimulatedMachine* liveMachine(ChannelHandle channel, int pipe) const;

    std::vector<SimulatedMachine*> devices_;
    std::array<OpenPipe, kChannelCount> pipes_{};
};
