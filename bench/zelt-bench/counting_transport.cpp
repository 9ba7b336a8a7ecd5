#include "counting_transport.h"

#include <algorithm>

ChannelHandle CountingTransport::openPipe(int device, int pipe) {
    return inner_.openPipe(device, pipe);
}

bool CountingTransport::readDescriptor(ChannelHandle channel, DeviceDescriptor& descriptor) {
    return inner_.readDescriptor(channel, descriptor);
}

std::ptrdiff_t CountingTransport::readSome(ChannelHandle channel, uint8_t* buffer, size_t count) {
    const std::ptrdiff_t moved = inner_.readSome(channel, buffer, count);
    if (moved > 0)
        counts_.bytesFromMachine += static_cast<uint64_t>(moved);
    return moved;
}

std::ptrdiff_t CountingTransport::writeSome(ChannelHandle channel, const uint8_t* data,
                                            size_t count) {
    const std::ptrdiff_t moved = inner_.writeSome(channel, data, count);
    if (moved > 0) {
        counts_.bytesToMachine += static_cast<uint64_t>(moved);
        followCommandStream(data, static_cast<size_t>(moved));
    }
    return moved;
}

void CountingTransport::closePipe(ChannelHandle channel) {
    inner_.closePipe(channel);
}

void CountingTransport::followCommandStream(const uint8_t* data, size_t count) {
    while (count > 0) {
        if (dataBytesLeft_ > 0) {
            const size_t skipped = static_cast<size_t>(std::min<uint64_t>(count, dataBytesLeft_));
            dataBytesLeft_ -= skipped;
            data += skipped;
            count -= skipped;
            continue;
        }
        const size_t taken = std::min(count, header_.size() - headerBytes_);
        std::copy_n(data, taken, header_.begin() + static_cast<std::ptrdiff_t>(headerBytes_));
        headerBytes_ += taken;
        data += taken;
        count -= taken;
        if (headerBytes_ == header_.size()) {
            ++counts_.commands;
            dataBytesLeft_ = decodeHeader(header_).dataLength;
            headerBytes_ = 0;
        }
    }
}
