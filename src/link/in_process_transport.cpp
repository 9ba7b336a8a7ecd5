#include "link/in_process_transport.h"

InProcessTransport::InProcessTransport(std::vector<SimulatedMachine*> devices)
    : devices_(std::move(devices)) {}

ChannelHandle InProcessTransport::openPipe(int device, int pipe) {
    if (device < 0 || device >= kDeviceSearchCount ||
        static_cast<size_t>(device) >= devices_.size() || devices_[device] == nullptr ||
        (pipe != kCommandPipe && pipe != kReplyPipe))
        return kNoChannel;
    SimulatedMachine& machine = *devices_[device];
    if (pipe == kCommandPipe && !machine.connect())
        return kNoChannel;
    if (pipe == kReplyPipe && !machine.connected())
        return kNoChannel;
    const ChannelHandle channel = channelFor(device, pipe);
    pipes_[channel] = {true, machine.connectionNumber()};
    return channel;
}

SimulatedMachine* InProcessTransport::liveMachine(ChannelHandle channel, int pipe) const {
    if (channel < 0 || channel >= static_cast<ChannelHandle>(pipes_.size()) ||
        pipeOf(channel) != pipe || !pipes_[channel].open)
        return nullptr;
    SimulatedMachine* machine = devices_[deviceOf(channel)];
    if (!machine->connected() || machine->connectionNumber() != pipes_[channel].connection)
        return nullptr;
    return machine;
}

bool InProcessTransport::readDescriptor(ChannelHandle channel, DeviceDescriptor& descriptor) {
    SimulatedMachine* machine = liveMachine(channel, kCommandPipe);
    if (machine == nullptr)
        return false;
    descriptor = machine->descriptor();
    return true;
}

std::ptrdiff_t InProcessTransport::readSome(ChannelHandle channel, uint8_t* buffer, size_t count) {
    SimulatedMachine* machine = liveMachine(channel, kReplyPipe);
    if (machine == nullptr)
        return -1;
    return static_cast<std::ptrdiff_t>(machine->send(buffer, count));
}

std::ptrdiff_t InProcessTransport::writeSome(ChannelHandle channel, const uint8_t* data,
                                             size_t count) {
    SimulatedMachine* machine = liveMachine(channel, kCommandPipe);
    if (machine == nullptr)
        return -1;
    const size_t taken = machine->receive(data, count);
    return taken == 0 ? -1 : static_cast<std::ptrdiff_t>(taken);
}

void InProcessTransport::closePipe(ChannelHandle channel) {
    if (channel < 0 || channel >= static_cast<ChannelHandle>(pipes_.size()) ||
        !pipes_[channel].open)
        return;
    if (pipeOf(channel) == kCommandPipe) {
        if (SimulatedMachine* machine = liveMachine(channel, kCommandPipe))
            machine->disconnect();
    }
    pipes_[channel].open = false;
}
