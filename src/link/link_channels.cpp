#include "link/link_channels.h"

#include "link/command_header.h"

#include <algorithm>

namespace {

bool productIdAccepted(const LinkState& link, uint16_t productId) {
    return std::find(link.acceptedProductIds.begin(), link.acceptedProductIds.end(), productId) !=
           link.acceptedProductIds.end();
}

// One device of the search: the command pipe, the descriptor check, the
// reply pipe and the status probe, closing everything on the first miss.
bool tryDevice(LinkState& link, int device) {
    Transport& transport = *link.transport;
    link.commandChannel = transport.openPipe(device, kCommandPipe);
    if (link.commandChannel == kNoChannel)
        return false;
    DeviceDescriptor descriptor{};
    if (!transport.readDescriptor(link.commandChannel, descriptor) ||
        !productIdAccepted(link, descriptorProductId(descriptor))) {
        closeLink(link);
        return false;
    }
    link.replyChannel = transport.openPipe(device, kReplyPipe);
    uint8_t status = 0;
    if (link.replyChannel == kNoChannel || !exchangeStatus(link, status)) {
        closeLink(link);
        return false;
    }
    return true;
}

} // namespace

int openLink(LinkState& link) {
    if (link.transport == nullptr)
        return -1;
    if (link.replyChannel != kNoChannel) {
        uint8_t status = 0;
        if (exchangeStatus(link, status))
            return 0;
        closeLink(link);
    }
    for (int device = 0; device < kDeviceSearchCount; ++device)
        if (tryDevice(link, device))
            return 0;
    return -1;
}

void closeLink(LinkState& link) {
    if (link.transport != nullptr) {
        if (link.commandChannel != kNoChannel)
            link.transport->closePipe(link.commandChannel);
        if (link.replyChannel != kNoChannel)
            link.transport->closePipe(link.replyChannel);
    }
    link.commandChannel = kNoChannel;
    link.replyChannel = kNoChannel;
}

bool writeChannel(LinkState& link, const uint8_t* data, size_t count) {
    if (link.transport == nullptr || link.commandChannel == kNoChannel)
        return false;
    return writeExact(*link.transport, link.commandChannel, data, count);
}

bool readChannel(LinkState& link, uint8_t* buffer, size_t count) {
    if (link.transport == nullptr || link.replyChannel == kNoChannel)
        return false;
    return readExact(*link.transport, link.replyChannel, buffer, count);
}

bool exchangeStatus(LinkState& link, uint8_t& status) {
    const HeaderBytes query = encodeHeader({kProtocolMark, kCommandControl, kControlStatus, 0});
    HeaderBytes reply{};
    return writeChannel(link, query.data(), query.size()) &&
           readChannel(link, reply.data(), reply.size()) && readChannel(link, &status, 1);
}
