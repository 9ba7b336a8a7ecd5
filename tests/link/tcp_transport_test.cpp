#include "link/tcp_transport.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

// A one-shot peer on the loopback address, driven from a thread of its own.
class LoopbackPeer {
  public:
    LoopbackPeer() {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            ::listen(listener_, 1) == 0 &&
            getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            port_ = ntohs(address.sin_port);
    }
    ~LoopbackPeer() {
        if (thread_.joinable())
            thread_.join();
        ::close(listener_);
    }
    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }

    // Accepts one connection, sends `pieces` one by one with a pause between
    // them so they arrive as separate short reads, then closes it.
    void serve(std::vector<std::vector<uint8_t>> pieces) {
        thread_ = std::thread([this, pieces] {
            const int connection = ::accept(listener_, nullptr, nullptr);
            for (const std::vector<uint8_t>& piece : pieces) {
                ::send(connection, piece.data(), piece.size(), MSG_NOSIGNAL);
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            ::close(connection);
        });
    }

  private:
    int listener_ = -1;
    uint16_t port_ = 0;
    std::thread thread_;
};

} // namespace

TEST(MachineAddresses, EachEntryIsOneDeviceAndBadEntriesKeepTheirPlaceButNeverOpen) {
    // Each device as "host port", or "-" when its entry is unusable.
    std::vector<std::string> parsed;
    for (const auto& address : parseMachineAddresses("127.0.0.1:5000, localhost:65535,nonsense,"
                                                     ":80,host:0,host:65536,host:12x,[::1]:7"))
        parsed.push_back(address ? address->host + " " + std::to_string(address->port) : "-");
    EXPECT_EQ(parsed, (std::vector<std::string>{"127.0.0.1 5000", "localhost 65535", "-", "-", "-",
                                                "-", "-", "::1 7"}));

    std::string many;
    for (int i = 0; i < 20; ++i)
        many += "h:" + std::to_string(1000 + i) + ",";
    EXPECT_EQ(parseMachineAddresses(many).size(), 15u);
    EXPECT_TRUE(parseMachineAddresses("").empty());

    // Devices without an address or a peer do not open.
    TcpTransport transport(parseMachineAddresses("nonsense,127.0.0.1:1"));
    EXPECT_EQ(transport.openPipe(0, 0), kNoChannel);
    EXPECT_EQ(transport.openPipe(1, 0), kNoChannel); // nobody listens on port 1
    EXPECT_EQ(transport.openPipe(1, 1), kNoChannel);
    EXPECT_EQ(transport.openPipe(2, 0), kNoChannel);
    uint8_t byte = 0;
    EXPECT_LT(transport.readSome(3, &byte, 1), 0);
}

TEST(TcpTransport, ReadsAcrossShortPiecesAndFailsWithoutASignalOnceThePeerIsGone) {
    LoopbackPeer peer;
    const DeviceDescriptor sent = makeDeviceDescriptor(0, 0x2078, 0x0100, 0x0409);
    peer.serve({{sent.begin(), sent.begin() + 3},
                {sent.begin() + 3, sent.end()},
                {2, 3, 1, 0},
                {0, 0, 1, 0, 0, 0, 7}});
    TcpTransport transport(parseMachineAddresses(peer.address()));
    const ChannelHandle command = transport.openPipe(0, kCommandPipe);
    ASSERT_NE(command, kNoChannel);
    const ChannelHandle reply = transport.openPipe(0, kReplyPipe);
    ASSERT_NE(reply, kNoChannel);
    DeviceDescriptor descriptor{};
    ASSERT_TRUE(transport.readDescriptor(command, descriptor));
    EXPECT_EQ(descriptor, sent);
    uint8_t status[11] = {};
    ASSERT_TRUE(readExact(transport, reply, status, sizeof status));
    EXPECT_EQ(status[10], 7);

    // The peer has closed the connection: reads end and writes fail, and a
    // write into the closed connection must not end the process.
    uint8_t byte = 0;
    EXPECT_LE(transport.readSome(reply, &byte, 1), 0);
    const std::vector<uint8_t> block(4096, 0x55);
    bool failed = false;
    for (int attempt = 0; attempt < 100 && !failed; ++attempt) {
        failed = !writeExact(transport, command, block.data(), block.size());
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(failed);
    transport.closePipe(command);
    EXPECT_LT(transport.writeSome(command, block.data(), block.size()), 0);
}
