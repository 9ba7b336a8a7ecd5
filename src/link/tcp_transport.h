#pragma once

#include "link/transport.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A machine reached over TCP instead of USB: the simulated machine served by
// zelt-machine. Device i is the i-th entry of a comma-separated "host:port"
// list; on connect the peer sends its 8-byte device descriptor, then the one
// connection carries both pipes (pipe 0 its writing side, pipe 1 its reading
// side). Closing pipe 0 closes the connection.
struct MachineAddress {
    std::string host;
    uint16_t port = 0;
};

// Entries that are not "host:port" with a port of 1-65535 stay empty, so the
// devices after them keep their numbers; entries after the fifteenth are
// ignored.
std::vector<std::optional<MachineAddress>> parseMachineAddresses(std::string_view list);

class TcpTransport : public Transport {
  public:
    explicit TcpTransport(std::vector<std::optional<MachineAddress>> addresses);
    ~TcpTransport() override;
    TcpTransport(const TcpTransport&) = delete;
    TcpTransport& operator=(const TcpTransport&) = delete;

    ChannelHandle openPipe(int device, int pipe) override;
    bool readDescriptor(ChannelHandle channel, DeviceDescriptor& descriptor) override;
    std::ptrdiff_t readSome(ChannelHandle channel, uint8_t* buffer, size_t count) override;
    std::ptrdiff_t writeSome(ChannelHandle channel, const uint8_t* data, size_t count) override;
    void closePipe(ChannelHandle channel) override;

  private:
    struct Connection {
        std::intptr_t socket = -1;
        DeviceDescriptor descriptor{};
        std::array<bool, 2> pipeOpen{};
    };
    Connection* connectionOf(ChannelHandle channel);
    void closeConnection(Connection& connection);

    std::vector<std::optional<MachineAddress>> addresses_;
    std::array<Connection, kDeviceSearchCount> connections_{};
};

// The socket calls behind TcpTransport; tcp_transport_posix.cpp and
// tcp_transport_win.cpp provide them. A failed connect gives kNoSocket;
// send and receive return the byte count, 0 at end of stream, or a negative
// value on error (including the receive time-out).
constexpr std::intptr_t kNoSocket = -1;
std::intptr_t tcpConnect(const std::string& host, uint16_t port);
std::ptrdiff_t tcpSend(std::intptr_t socket, const uint8_t* data, size_t count);
std::ptrdiff_t tcpReceive(std::intptr_t socket, uint8_t* buffer, size_t count);
void tcpClose(std::intptr_t socket);
