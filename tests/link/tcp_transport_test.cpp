#include "link/tcp_transport.h"

#include <gtest/gtest.h>

TEST(MachineAddresses, EachEntryIsOneDeviceAndBadEntriesKeepTheirPlace) {
    const auto addresses = parseMachineAddresses("127.0.0.1:5000, localhost:65535,nonsense,:80,"
                                                 "host:0,host:65536,host:12x,[::1]:7");
    ASSERT_EQ(addresses.size(), 8u);
    ASSERT_TRUE(addresses[0]);
    EXPECT_EQ(addresses[0]->host, "127.0.0.1");
    EXPECT_EQ(addresses[0]->port, 5000);
    ASSERT_TRUE(addresses[1]);
    EXPECT_EQ(addresses[1]->host, "localhost");
    EXPECT_EQ(addresses[1]->port, 65535);
    for (size_t i = 2; i < 7; ++i)
        EXPECT_FALSE(addresses[i]) << i;
    ASSERT_TRUE(addresses[7]);
    EXPECT_EQ(addresses[7]->host, "::1");

    std::string many;
    for (int i = 0; i < 20; ++i)
        many += "h:" + std::to_string(1000 + i) + ",";
    EXPECT_EQ(parseMachineAddresses(many).size(), 15u);
    EXPECT_TRUE(parseMachineAddresses("").empty());
}

TEST(TcpTransport, DevicesWithoutAnAddressOrAPeerDoNotOpen) {
    TcpTransport transport(parseMachineAddresses("nonsense,127.0.0.1:1"));
    EXPECT_EQ(transport.openPipe(0, 0), kNoChannel);
    EXPECT_EQ(transport.openPipe(1, 0), kNoChannel); // nobody listens on port 1
    EXPECT_EQ(transport.openPipe(1, 1), kNoChannel);
    EXPECT_EQ(transport.openPipe(2, 0), kNoChannel);
    uint8_t byte = 0;
    EXPECT_LT(transport.readSome(3, &byte, 1), 0);
}
