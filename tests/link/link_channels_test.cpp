#include "link/link_channels.h"

#include "link/in_process_transport.h"
#include "link_test_support.h"

#include <gtest/gtest.h>

namespace {

const std::vector<uint8_t> kStatusQuery = {2, 3, 1, 0, 0, 0, 0, 0, 0, 0};

} // namespace

TEST(OpenLink, ProbesTheMachineWithAStatusQueryAndReusesOnlyChannelsThatStillAnswer) {
    MachineOnLink setup;

    ASSERT_EQ(openLink(setup.link), 0);
    ASSERT_EQ(openLink(setup.link), 0);
    EXPECT_EQ(setup.transport.opensOf(kCommandPipe), 1);
    EXPECT_EQ(setup.transport.opensOf(kReplyPipe), 1);
    const auto writes = setup.transport.entries(TranscriptEntry::Write);
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].bytes, kStatusQuery);
    EXPECT_EQ(writes[1].bytes, kStatusQuery);
    const auto reads = setup.transport.entries(TranscriptEntry::Read);
    EXPECT_EQ(hexBytes(reads[0].bytes), "02 03 01 00 00 00 01 00 00 00");
    EXPECT_EQ(hexBytes(reads[1].bytes), "00");

    closeLink(setup.link);
    EXPECT_EQ(setup.link.commandChannel, kNoChannel);
    EXPECT_EQ(setup.link.replyChannel, kNoChannel);
    EXPECT_FALSE(setup.machine.connected());

    // Open channels that stopped answering are closed and the search runs again.
    ASSERT_EQ(openLink(setup.link), 0);
    setup.machine.disconnect(); // the cable was pulled and plugged in again
    ASSERT_EQ(openLink(setup.link), 0);
    EXPECT_EQ(setup.transport.opensOf(kCommandPipe), 3);
    EXPECT_TRUE(setup.machine.connected());
}

TEST(OpenLink, SkipsAnotherProductAndASilentMachineAndGoesOn) {
    SimulatedMachine otherProduct;
    otherProduct.productId = 0x1111;
    SimulatedMachine silent;
    silent.unplugAfter(kHeaderSize); // takes the query, never answers
    SimulatedMachine wanted;
    InProcessTransport devices({nullptr, &otherProduct, &silent, &wanted});
    RecordingTransport transport(devices);
    LinkState link = linkOver(transport);

    ASSERT_EQ(openLink(link), 0);
    EXPECT_EQ(link.commandChannel, 3 * 2 + kCommandPipe);
    EXPECT_EQ(link.replyChannel, 3 * 2 + kReplyPipe);
    EXPECT_FALSE(otherProduct.connected());
    EXPECT_TRUE(wanted.connected());

    // Device 1: its command pipe opened and closed again, no reply pipe.
    std::vector<std::string> steps;
    for (const TranscriptEntry& entry : transport.log)
        if (entry.channel / 2 == 1)
            steps.push_back(std::to_string(entry.kind) + (entry.ok ? "+" : "-"));
    EXPECT_EQ(steps, (std::vector<std::string>{"0+", "1+", "4+"}));
    EXPECT_EQ(transport.opensOf(kReplyPipe), 2);
}

TEST(OpenLink, WithoutAMachineTriesAllFifteenDevicesAndFails) {
    InProcessTransport devices({});
    RecordingTransport transport(devices);
    LinkState link = linkOver(transport);
    EXPECT_EQ(openLink(link), -1);
    const auto opens = transport.entries(TranscriptEntry::Open);
    ASSERT_EQ(opens.size(), 15u);
    for (int device = 0; device < 15; ++device) {
        EXPECT_EQ(opens[device].device, device);
        EXPECT_EQ(opens[device].pipe, kCommandPipe);
    }
    EXPECT_EQ(link.replyChannel, kNoChannel);

    LinkState noTransport;
    EXPECT_EQ(openLink(noTransport), -1);
}
