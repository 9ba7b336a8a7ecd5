#include "link/tcp_transport.h"

#include <cerrno>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

// A machine that stops answering must not freeze the program for ever.
constexpr int kReceiveTimeoutSeconds = 20;

void tuneSocket(int socket) {
    // Headers and data go out as separate small writes; waiting to merge
    // them would stall every record for a delayed acknowledgement.
    int on = 1;
    setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    timeval timeout{kReceiveTimeoutSeconds, 0};
    setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
}

} // namespace

std::intptr_t tcpConnect(const std::string& host, uint16_t port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return kNoSocket;
    int connected = -1;
    for (addrinfo* candidate = found; candidate != nullptr && connected < 0;
         candidate = candidate->ai_next) {
        int socket = ::socket(candidate->ai_family, candidate->ai_socktype, candidate->ai_protocol);
        if (socket < 0)
            continue;
        if (::connect(socket, candidate->ai_addr, candidate->ai_addrlen) == 0) {
            tuneSocket(socket);
            connected = socket;
        } else {
            ::close(socket);
        }
    }
    freeaddrinfo(found);
    return connected < 0 ? kNoSocket : connected;
}

std::ptrdiff_t tcpSend(std::intptr_t socket, const uint8_t* data, size_t count) {
    ssize_t sent;
    do
        sent = ::send(static_cast<int>(socket), data, count, MSG_NOSIGNAL);
    while (sent < 0 && errno == EINTR);
    return sent;
}

std::ptrdiff_t tcpReceive(std::intptr_t socket, uint8_t* buffer, size_t count) {
    ssize_t received;
    do
        received = ::recv(static_cast<int>(socket), buffer, count, 0);
    while (received < 0 && errno == EINTR);
    return received;
}

void tcpClose(std::intptr_t socket) {
    ::close(static_cast<int>(socket));
}
