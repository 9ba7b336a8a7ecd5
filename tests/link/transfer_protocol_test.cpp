#include "link/transfer_protocol.h"

#include "link/in_process_transport.h"
#include "link_test_support.h"

#include <gtest/gtest.h>

namespace {

// Splits the bytes written to the machine into the exchanges they make up.
struct SentExchange {
    CommandHeader header;
    std::vector<uint8_t> data;
};

std::vector<SentExchange> exchangesIn(const std::vector<uint8_t>& bytes) {
    std::vector<SentExchange> exchanges;
    size_t at = 0;
    while (at + kHeaderSize <= bytes.size()) {
        HeaderBytes header{};
        std::copy_n(bytes.begin() + at, kHeaderSize, header.begin());
        SentExchange exchange{decodeHeader(header), {}};
        at += kHeaderSize;
        const size_t length = std::min<size_t>(exchange.header.dataLength, bytes.size() - at);
        exchange.data.assign(bytes.begin() + at, bytes.begin() + at + length);
        at += length;
        exchanges.push_back(exchange);
    }
    EXPECT_EQ(at, bytes.size()) << "bytes after the last whole exchange";
    return exchanges;
}

} // namespace

TEST(Download, ReadsAll184RecordsInSlotOrder) {
    MachineOnLink setup;
    setup.machine.image = patternImage();
    RecordStore store;
    uint8_t networkChangeFlag = kNetworkChangePending;
    prepareDownload(store, networkChangeFlag);
    EXPECT_EQ(networkChangeFlag, kNetworkChangeNone);

    ASSERT_TRUE(downloadAll(setup.link, store));
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SettingRecord& got = store.slots[slot];
        const SettingRecord& want = setup.machine.image.slots[slot];
        ASSERT_TRUE(sameRecord(got, want)) << "slot " << slot;
    }
    // The channels stay open; the next exchange reuses them.
    EXPECT_NE(setup.link.replyChannel, kNoChannel);

    const auto sent = exchangesIn(setup.transport.writtenBytes());
    ASSERT_EQ(sent.size(), 1u + 184u); // the status probe, then one request per slot
    EXPECT_EQ(sent[1].header.command, kCommandControl);
    EXPECT_EQ(sent[1].header.address, 3u);
    EXPECT_EQ(sent[2].header.command, kCommandControl);
    EXPECT_EQ(sent[2].header.address, 4u);
    for (int slot = 2; slot < kSlotCount; ++slot) {
        EXPECT_EQ(sent[slot + 1].header.command, kCommandReadRecord);
        EXPECT_EQ(sent[slot + 1].header.address, slotRecordId(slot));
        EXPECT_EQ(sent[slot + 1].header.dataLength, 0u);
    }
    // Transcript excerpt: the first request and its reply header.
    const auto writes = setup.transport.entries(TranscriptEntry::Write);
    EXPECT_EQ(hexBytes(writes[1].bytes), "02 03 03 00 00 00 00 00 00 00");
    EXPECT_EQ(hexBytes(setup.transport.entries(TranscriptEntry::Read)[2].bytes),
              "02 03 03 00 00 00 01 00 00 00");
}

TEST(Download, ReplyLengthsAreHandledByWhatTheyAnnounce) {
    MachineOnLink setup;
    RecordStore& image = setup.machine.image;
    image.slots[10].payloadLength = 0;
    image.slots[11].payloadLength = kNoRecordLength;
    image.slots[12].payloadLength = 140; // longer than the payload: tail of zeros
    image.slots[12].payload.fill(0x5A);
    image.slots[13].payloadLength = 132;
    image.slots[13].payload.fill(0x33);
    image.slots[14].recordId = 0x7777; // the program asks for an id this machine lacks
    image.slots[183].payloadLength = 132;
    image.slots[183].payload = image.slots[13].payload;
    RecordStore store = markedStore();
    ASSERT_TRUE(downloadAll(setup.link, store));

    EXPECT_EQ(store.slots[10].payloadLength, 0u);
    EXPECT_EQ(store.slots[10].payload[0], 0xEE) << "a zero length leaves the payload alone";
    EXPECT_EQ(store.slots[11].payloadLength, kNoRecordLength);
    EXPECT_EQ(store.slots[11].payload[0], 0xEE);
    EXPECT_EQ(store.slots[12].payloadLength, 140u);
    EXPECT_EQ(store.slots[12].payload, image.slots[12].payload);
    EXPECT_EQ(store.slots[13].payload, image.slots[13].payload);
    EXPECT_EQ(store.slots[14].payloadLength, kNoRecordLength);
    // The stream stayed in step: the last record arrived intact.
    EXPECT_TRUE(sameRecord(store.slots[183], image.slots[183]));
}

TEST(Download, ALengthBeyondTheLongestRecordFailsWithoutReadingIt) {
    MachineOnLink setup;
    setup.machine.image.slots[20].payloadLength = kLongestRecordLength + 1;
    RecordStore store = markedStore();
    EXPECT_FALSE(downloadAll(setup.link, store));
    EXPECT_EQ(store.slots[19].payloadLength, 0u);
    EXPECT_EQ(store.slots[20].payloadLength, 0u);
    EXPECT_EQ(store.slots[21].payloadLength, 77u) << "slots after the failure keep what they had";
    // Nothing followed the reply header; the channels are closed rather than
    // left in the middle of a reply.
    const auto reads = setup.transport.entries(TranscriptEntry::Read);
    EXPECT_EQ(reads.back().bytes.size(), kHeaderSize);
    EXPECT_EQ(setup.link.replyChannel, kNoChannel);
}

TEST(Upload, Sends181RecordsWithExactlyTheirDataThenFinish) {
    MachineOnLink setup;
    RecordStore store = patternImage();
    // Records without data behind their length are left out.
    store.slots[40].payloadLength = kNoRecordLength;
    store.slots[41].payloadLength = kLongestRecordLength + 1;
    const RecordStore machineBefore = setup.machine.image;
    uint8_t networkChangeFlag = kNetworkChangeNone;
    ASSERT_TRUE(uploadAll(setup.link, store, networkChangeFlag));

    const auto sent = exchangesIn(setup.transport.writtenBytes());
    ASSERT_EQ(sent.size(), 1u + 181u - 2u + 1u);
    size_t at = 1;
    for (int slot = 3; slot < kSlotCount; ++slot) { // not 3, 4 nor 0x10a00
        if (slot == 40 || slot == 41) {
            EXPECT_TRUE(sameRecord(setup.machine.image.slots[slot], machineBefore.slots[slot]));
            continue;
        }
        const SettingRecord& record = store.slots[slot];
        const SentExchange& exchange = sent[at++];
        ASSERT_EQ(exchange.header.command, kCommandWriteRecord);
        ASSERT_EQ(exchange.header.address, record.recordId);
        ASSERT_EQ(exchange.header.dataLength, record.payloadLength);
        ASSERT_EQ(exchange.data.size(), record.payloadLength);
        const size_t fromPayload = std::min<size_t>(record.payloadLength, kPayloadSize);
        EXPECT_TRUE(std::equal(exchange.data.begin(), exchange.data.begin() + fromPayload,
                               record.payload.begin()));
        // A One Touch fax entry's 146 bytes end in zeros, never in the next
        // record's bytes.
        EXPECT_TRUE(std::all_of(exchange.data.begin() + fromPayload, exchange.data.end(),
                                [](uint8_t b) { return b == 0; }));
        // The machine now holds what was sent.
        ASSERT_TRUE(sameRecord(setup.machine.image.slots[slot], record)) << slot;
    }
    EXPECT_EQ(sent.back().header.command, kCommandControl);
    EXPECT_EQ(sent.back().header.address, kControlFinish);
    EXPECT_EQ(hexBytes(setup.transport.entries(TranscriptEntry::Write).back().bytes), "00");
    EXPECT_EQ(networkChangeFlag, kNetworkChangeNone);
    // A record with length 0 is a header alone.
    EXPECT_EQ(store.slots[5].payloadLength, 0u);
    EXPECT_EQ(sent[1 + 5 - 3].data.size(), 0u);
}

TEST(Upload, NetworkChangeFlagIsCarriedOnceThenCleared) {
    MachineOnLink setup;
    const RecordStore store = patternImage();
    std::vector<std::string> machineLog;
    setup.machine.onExchange = [&](const std::string& line) {
        if (line.rfind("finish", 0) == 0)
            machineLog.push_back(line);
    };
    uint8_t networkChangeFlag = kNetworkChangePending;
    ASSERT_TRUE(uploadAll(setup.link, store, networkChangeFlag));
    EXPECT_EQ(networkChangeFlag, kNetworkChangeCarried);
    // The machine restarts its network side: the next attempt finds no
    // machine and leaves the flag alone, the one after that sends 0.
    EXPECT_FALSE(uploadAll(setup.link, store, networkChangeFlag));
    EXPECT_EQ(networkChangeFlag, kNetworkChangeCarried);
    ASSERT_TRUE(uploadAll(setup.link, store, networkChangeFlag));
    EXPECT_EQ(networkChangeFlag, kNetworkChangeNone);
    EXPECT_EQ(machineLog, (std::vector<std::string>{"finish flag 1", "finish flag 0"}));
}

TEST(StatusAndMode, EachExchangeClosesTheChannelsAfterwards) {
    MachineOnLink setup;
    setup.machine.busy = true;
    uint8_t status = 0xFF;
    ASSERT_TRUE(queryStatus(setup.link, status));
    EXPECT_EQ(status, kStatusBusy);
    EXPECT_EQ(setup.link.replyChannel, kNoChannel);
    EXPECT_FALSE(setup.machine.connected());

    ASSERT_TRUE(setRemoteMode(setup.link, kModeEnterRemote));
    EXPECT_TRUE(setup.machine.inRemoteMode());
    EXPECT_EQ(setup.link.commandChannel, kNoChannel);
    const auto writes = setup.transport.entries(TranscriptEntry::Write);
    // The mode byte goes out as a write of its own after its header.
    ASSERT_GE(writes.size(), 2u);
    EXPECT_EQ(hexBytes(writes[writes.size() - 2].bytes), "02 03 02 00 00 00 01 00 00 00");
    EXPECT_EQ(hexBytes(writes.back().bytes), "01");

    setup.machine.unplugAfter(0);
    EXPECT_FALSE(queryStatus(setup.link, status));
    EXPECT_FALSE(setRemoteMode(setup.link, kModeLeaveRemote));
}
