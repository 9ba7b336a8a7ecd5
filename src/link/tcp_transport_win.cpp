#include "link/tcp_transport.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <climits>

namespace {

// A machine that stops answering must not freeze the program for ever.
constexpr DWORD kReceiveTimeoutMilliseconds = 20000;

bool winsockStarted() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

void tuneSocket(SOCKET socket) {
    // Headers and data go out as separate small writes; waiting to merge
    // them would stall every record for a delayed acknowledgement.
    BOOL on = TRUE;
    setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
    DWORD timeout = kReceiveTimeoutMilliseconds;
    setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout),
               sizeof timeout);
}

int chunk(size_t count) {
    return count > INT_MAX ? INT_MAX : static_cast<int>(count);
}

} // namespace

std::intptr_t tcpConnect(const std::string& host, uint16_t port) {
    if (!winsockStarted())
        return kNoSocket;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return kNoSocket;
    SOCKET connected = INVALID_SOCKET;
    for (addrinfo* candidate = found; candidate != nullptr && connected == INVALID_SOCKET;
         candidate = candidate->ai_next) {
        SOCKET socket =
            ::socket(candidate->ai_family, candidate->ai_socktype, candidate->ai_protocol);
        if (socket == INVALID_SOCKET)
            continue;
        if (::connect(socket, candidate->ai_addr, static_cast<int>(candidate->ai_addrlen)) == 0) {
            tuneSocket(socket);
            connected = socket;
        } else {
            closesocket(socket);
        }
    }
    freeaddrinfo(found);
    return connected == INVALID_SOCKET ? kNoSocket : static_cast<std::intptr_t>(connected);
}

std::ptrdiff_t tcpSend(std::intptr_t socket, const uint8_t* data, size_t count) {
    return ::send(static_cast<SOCKET>(socket), reinterpret_cast<const char*>(data), chunk(count),
                  0);
}

std::ptrdiff_t tcpReceive(std::intptr_t socket, uint8_t* buffer, size_t count) {
    return ::recv(static_cast<SOCKET>(socket), reinterpret_cast<char*>(buffer), chunk(count), 0);
}

void tcpClose(std::intptr_t socket) {
    closesocket(static_cast<SOCKET>(socket));
}
