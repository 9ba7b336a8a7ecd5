#include "machine_server.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

namespace {

// Short enough that a stop request is noticed promptly.
constexpr int kPollMilliseconds = 200;

int openListener(uint16_t port, uint16_t& boundPort) {
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    if (listener < 0)
        return -1;
    int on = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    socklen_t length = sizeof address;
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener, 4) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(listener);
        return -1;
    }
    boundPort = ntohs(address.sin_port);
    return listener;
}

// Waits until `socket` is ready for `events`; false when a stop was
// requested first or the socket failed.
bool waitReady(int socket, short events, const volatile std::sig_atomic_t& stopRequested) {
    while (!stopRequested) {
        pollfd watched{socket, events, 0};
        const int ready = ::poll(&watched, 1, kPollMilliseconds);
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return false;
    }
    return false;
}

// Sends without ever blocking in send(): a client that has stopped reading
// fills the socket's buffer, and the machine must still end promptly on a
// stop request.
bool sendAll(int socket, const uint8_t* data, size_t count,
             const volatile std::sig_atomic_t& stopRequested) {
    while (count > 0) {
        const ssize_t sent = ::send(socket, data, count, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitReady(socket, POLLOUT, stopRequested))
                return false;
            continue;
        }
        if (sent <= 0)
            return false;
        data += sent;
        count -= static_cast<size_t>(sent);
    }
    return true;
}

// Relays bytes between one connection and the machine until either side
// ends it.
void serveConnection(SimulatedMachine& machine, int connection,
                     const volatile std::sig_atomic_t& stopRequested) {
    const DeviceDescriptor descriptor = machine.descriptor();
    if (!sendAll(connection, descriptor.data(), descriptor.size(), stopRequested))
        return;
    std::vector<uint8_t> buffer(4096);
    while (machine.connected() && waitReady(connection, POLLIN, stopRequested)) {
        const ssize_t received = ::recv(connection, buffer.data(), buffer.size(), 0);
        if (received < 0 && errno == EINTR)
            continue;
        if (received <= 0)
            return;
        machine.receive(buffer.data(), static_cast<size_t>(received));
        size_t reply;
        while ((reply = machine.send(buffer.data(), buffer.size())) > 0)
            if (!sendAll(connection, buffer.data(), reply, stopRequested))
                return;
    }
}

} // namespace

bool serveMachine(SimulatedMachine& machine, uint16_t port,
                  const volatile std::sig_atomic_t& stopRequested,
                  void (*onListening)(uint16_t port)) {
    uint16_t boundPort = 0;
    const int listener = openListener(port, boundPort);
    if (listener < 0)
        return false;
    onListening(boundPort);
    while (waitReady(listener, POLLIN, stopRequested)) {
        const int connection = ::accept(listener, nullptr, nullptr);
        if (connection < 0) {
            // A listener that stays readable while accept fails (out of file
            // descriptors) would turn this loop into a spin: wait a period.
            ::poll(nullptr, 0, kPollMilliseconds);
            continue;
        }
        int on = 1;
        setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        if (machine.connect()) {
            serveConnection(machine, connection, stopRequested);
            machine.disconnect();
        }
        ::close(connection);
    }
    ::close(listener);
    return true;
}
