#include "link/simulated_machine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<uint8_t> header(uint8_t command, uint32_t address, uint32_t length) {
    const HeaderBytes bytes = encodeHeader({kProtocolMark, command, address, length});
    return {bytes.begin(), bytes.end()};
}

// Sends bytes to the machine and returns everything it has to say.
std::vector<uint8_t> exchange(SimulatedMachine& machine, std::vector<uint8_t> bytes) {
    EXPECT_EQ(machine.receive(bytes.data(), bytes.size()), bytes.size());
    std::vector<uint8_t> reply(400);
    reply.resize(machine.send(reply.data(), reply.size()));
    return reply;
}

uint8_t askStatus(SimulatedMachine& machine) {
    const std::vector<uint8_t> reply =
        exchange(machine, header(kCommandControl, kControlStatus, 0));
    EXPECT_EQ(reply.size(), kHeaderSize + 1);
    return reply.empty() ? 0xFF : reply.back();
}

std::vector<uint8_t> withByte(std::vector<uint8_t> bytes, uint8_t value) {
    bytes.push_back(value);
    return bytes;
}

void enterRemoteMode(SimulatedMachine& machine) {
    exchange(machine, withByte(header(kCommandControl, kControlMode, 1), kModeEnterRemote));
}

} // namespace

TEST(SimulatedMachine, StatusTellsFaultBeforeBusyBeforeTimeout) {
    SimulatedMachine machine;
    ASSERT_TRUE(machine.connect());
    EXPECT_EQ(askStatus(machine), kStatusReady);
    machine.remoteTimedOut = true;
    EXPECT_EQ(askStatus(machine), kStatusRemoteTimedOut);
    machine.busy = true;
    EXPECT_EQ(askStatus(machine), kStatusBusy);
    machine.faulty = true;
    EXPECT_EQ(askStatus(machine), kStatusFaulty);
    EXPECT_EQ(descriptorProductId(machine.descriptor()), 0x2078);
}

TEST(SimulatedMachine, RemoteModeTimesOutAfterIdleTimeAndEnteringAgainClearsIt) {
    SimulatedMachine machine;
    SimulatedMachine::Clock::time_point now{};
    machine.clock = [&] { return now; };
    machine.remoteTimeout = std::chrono::seconds(30);
    ASSERT_TRUE(machine.connect());
    enterRemoteMode(machine);
    EXPECT_TRUE(machine.inRemoteMode());
    // The program polls every few seconds while connected; only real work
    // counts as activity, so an idle program still sees the time-out.
    for (int poll = 0; poll < 10; ++poll) {
        now += std::chrono::seconds(3);
        ASSERT_EQ(askStatus(machine), kStatusReady) << poll;
    }
    now += std::chrono::seconds(3);
    EXPECT_EQ(askStatus(machine), kStatusRemoteTimedOut);
    EXPECT_FALSE(machine.inRemoteMode());

    // Entering again clears it; a record read is activity, from which the
    // clock starts again.
    enterRemoteMode(machine);
    EXPECT_EQ(askStatus(machine), kStatusReady);
    now += std::chrono::seconds(20);
    exchange(machine, header(kCommandReadRecord, 0x10c40, 0));
    now += std::chrono::seconds(20);
    EXPECT_EQ(askStatus(machine), kStatusReady);
    now += std::chrono::seconds(11);
    EXPECT_EQ(askStatus(machine), kStatusRemoteTimedOut);
}

TEST(SimulatedMachine, ServesAndStoresRecordsByIdAndAnswersUnknownIdsWithNoLength) {
    SimulatedMachine machine;
    machine.image.slots[84].payloadLength = 3;
    machine.image.slots[84].payload[0] = 0xAB;
    std::vector<std::string> lines;
    machine.onExchange = [&](const std::string& line) { lines.push_back(line); };
    ASSERT_TRUE(machine.connect());

    std::vector<uint8_t> reply = exchange(machine, header(kCommandReadRecord, 0x10c40, 0));
    EXPECT_EQ(reply,
              withByte(withByte(withByte(header(kCommandReadRecord, 0x10c40, 3), 0xAB), 0), 0));
    reply = exchange(machine, header(kCommandReadRecord, 0x99999, 0));
    EXPECT_EQ(reply, header(kCommandReadRecord, 0x99999, kNoRecordLength));

    // A 146-byte write keeps 132 payload bytes and the length; read back it
    // has zeros after the payload.
    std::vector<uint8_t> write = header(kCommandWriteRecord, 0x10c00, 146);
    for (int i = 0; i < 146; ++i)
        write.push_back(static_cast<uint8_t>(i + 1));
    EXPECT_TRUE(exchange(machine, write).empty());
    EXPECT_EQ(machine.image.slots[75].payloadLength, 146u);
    EXPECT_EQ(machine.image.slots[75].payload[131], 132);
    reply = exchange(machine, header(kCommandReadRecord, 0x10c00, 0));
    ASSERT_EQ(reply.size(), kHeaderSize + 146);
    EXPECT_EQ(reply[kHeaderSize + 131], 132);
    EXPECT_EQ(reply.back(), 0);

    // The information records are read-only.
    exchange(machine, withByte(header(kCommandWriteRecord, 3, 1), 7));
    EXPECT_EQ(machine.image.slots[0].payloadLength, 0u);
    EXPECT_EQ(lines,
              (std::vector<std::string>{"read 0x10c40 -> 3 bytes", "read 0x99999 -> unknown id",
                                        "write 0x10c00 146 bytes", "read 0x10c00 -> 146 bytes",
                                        "write 0x00003 ignored"}));
}

TEST(SimulatedMachine, DropsAStreamItCannotParse) {
    SimulatedMachine machine;
    ASSERT_TRUE(machine.connect());
    std::vector<uint8_t> bad = header(kCommandWriteRecord, 0x10c00, 147);
    EXPECT_EQ(machine.receive(bad.data(), bad.size()), bad.size());
    EXPECT_FALSE(machine.connected());
    ASSERT_TRUE(machine.connect());
    bad = header(kCommandReadRecord, 0x10c00, 0);
    bad[0] = 7;
    machine.receive(bad.data(), bad.size());
    EXPECT_FALSE(machine.connected());
}

TEST(SimulatedMachine, FinishWithFlagOneRestartsTheNetworkSide) {
    SimulatedMachine machine;
    ASSERT_TRUE(machine.connect());
    const std::vector<uint8_t> finish = withByte(header(kCommandControl, kControlFinish, 1), 1);
    EXPECT_EQ(machine.receive(finish.data(), finish.size()), finish.size());
    EXPECT_FALSE(machine.connected());
    EXPECT_FALSE(machine.connect()) << "the first connection after the restart is refused";
    EXPECT_TRUE(machine.connect());
    const std::vector<uint8_t> plainFinish =
        withByte(header(kCommandControl, kControlFinish, 1), 0);
    machine.receive(plainFinish.data(), plainFinish.size());
    EXPECT_TRUE(machine.connected());
}

TEST(SimulatedMachine, UnpluggedAfterAByteCountInEitherDirection) {
    SimulatedMachine machine;
    ASSERT_TRUE(machine.connect());
    machine.unplugAfter(14);
    const std::vector<uint8_t> query = header(kCommandControl, kControlStatus, 0);
    EXPECT_EQ(machine.receive(query.data(), query.size()), 10u);
    uint8_t reply[11];
    EXPECT_EQ(machine.send(reply, sizeof reply), 4u);
    EXPECT_TRUE(machine.unplugged());
    EXPECT_FALSE(machine.connected());
    EXPECT_EQ(machine.send(reply, sizeof reply), 0u);
    EXPECT_FALSE(machine.connect());

    // Unplugged by an exchange observer while the command's bytes are still
    // being taken: it stays unplugged.
    SimulatedMachine observed;
    ASSERT_TRUE(observed.connect());
    observed.onExchange = [&](const std::string&) { observed.unplugAfter(0); };
    observed.receive(query.data(), query.size());
    EXPECT_TRUE(observed.unplugged());
    EXPECT_FALSE(observed.connect());
}
