#include "link/tcp_transport.h"

#include <charconv>

namespace {

std::optional<MachineAddress> parseOneAddress(std::string_view entry) {
    while (!entry.empty() && entry.front() == ' ')
        entry.remove_prefix(1);
    while (!entry.empty() && entry.back() == ' ')
        entry.remove_suffix(1);
    const size_t colon = entry.rfind(':');
    if (colon == std::string_view::npos || colon == 0)
        return std::nullopt;
    const std::string_view portText = entry.substr(colon + 1);
    unsigned port = 0;
    const auto [end, error] =
        std::from_chars(portText.data(), portText.data() + portText.size(), port);
    if (error != std::errc() || end != portText.data() + portText.size() || port == 0 ||
        port > 65535)
        return std::nullopt;
    std::string_view host = entry.substr(0, colon);
    // An IPv6 address is written in brackets so its colons are not the port's.
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    return MachineAddress{std::string(host), static_cast<uint16_t>(port)};
}

} // namespace

std::vector<std::optional<MachineAddress>> parseMachineAddresses(std::string_view list) {
    std::vector<std::optional<MachineAddress>> addresses;
    while (!list.empty() && addresses.size() < static_cast<size_t>(kDeviceSearchCount)) {
        const size_t comma = list.find(',');
        addresses.push_back(parseOneAddress(list.substr(0, comma)));
        if (comma == std::string_view::npos)
            break;
        list.remove_prefix(comma + 1);
    }
    return addresses;
}

TcpTransport::TcpTransport(std::vector<std::optional<MachineAddress>> addresses)
    : addresses_(std::move(addresses)) {}

TcpTransport::~TcpTransport() {
    for (Connection& connection : connections_)
        closeConnection(connection);
}

void TcpTransport::closeConnection(Connection& connection) {
    if (connection.socket != kNoSocket)
        tcpClose(connection.socket);
    connection = Connection{};
}

TcpTransport::Connection* TcpTransport::connectionOf(ChannelHandle channel) {
    if (channel < 0 || channel >= kChannelCount)
        return nullptr;
    Connection& connection = connections_[static_cast<size_t>(deviceOf(channel))];
    if (connection.socket == kNoSocket || !connection.pipeOpen[pipeOf(channel)])
        return nullptr;
    return &connection;
}

ChannelHandle TcpTransport::openPipe(int device, int pipe) {
    if (device < 0 || static_cast<size_t>(device) >= addresses_.size() || !addresses_[device] ||
        (pipe != kCommandPipe && pipe != kReplyPipe))
        return kNoChannel;
    Connection& connection = connections_[static_cast<size_t>(device)];
    const ChannelHandle channel = channelFor(device, pipe);
    if (pipe == kReplyPipe) {
        if (connection.socket == kNoSocket)
            return kNoChannel;
        connection.pipeOpen[kReplyPipe] = true;
        return channel;
    }
    closeConnection(connection);
    connection.socket = tcpConnect(addresses_[device]->host, addresses_[device]->port);
    if (connection.socket == kNoSocket)
        return kNoChannel;
    // The descriptor is the first thing on the connection's reading side.
    connection.pipeOpen[kCommandPipe] = true;
    if (!readExact(*this, channel, connection.descriptor.data(), connection.descriptor.size())) {
        closeConnection(connection);
        return kNoChannel;
    }
    return channel;
}

bool TcpTransport::readDescriptor(ChannelHandle channel, DeviceDescriptor& descriptor) {
    Connection* connection = connectionOf(channel);
    if (connection == nullptr)
        return false;
    descriptor = connection->descriptor;
    return true;
}

std::ptrdiff_t TcpTransport::readSome(ChannelHandle channel, uint8_t* buffer, size_t count) {
    Connection* connection = connectionOf(channel);
    return connection == nullptr ? -1 : tcpReceive(connection->socket, buffer, count);
}

std::ptrdiff_t TcpTransport::writeSome(ChannelHandle channel, const uint8_t* data, size_t count) {
    Connection* connection = connectionOf(channel);
    if (connection == nullptr || pipeOf(channel) != kCommandPipe)
        return -1;
    return tcpSend(connection->socket, data, count);
}

void TcpTransport::closePipe(ChannelHandle channel) {
    Connection* connection = connectionOf(channel);
    if (connection == nullptr)
        return;
    if (pipeOf(channel) == kCommandPipe)
        closeConnection(*connection);
    else
        connection->pipeOpen[kReplyPipe] = false;
}
