// The machine is unplugged after every possible number of bytes of a whole
// Download and a whole Upload. Each cut must end the transfer with a
// failure, without a crash or a wait, and leave the stores as the protocol
// defines: what arrived so far is kept, nothing else is touched.

#include "link/in_process_transport.h"
#include "link/transfer_protocol.h"
#include "link_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

struct TransferRun {
    bool result = false;
    bool channelsClosed = false;
    size_t bytesMoved = 0; // counted only when asked: the log costs time
};

TransferRun runTransfer(SimulatedMachine& machine, bool countBytes,
                        const std::function<bool(LinkState&)>& transfer) {
    InProcessTransport devices({&machine});
    RecordingTransport recorder(devices);
    LinkState link;
    link.transport = countBytes ? static_cast<Transport*>(&recorder) : &devices;
    link.acceptedProductIds = {machine.productId};
    TransferRun run;
    run.result = transfer(link);
    run.channelsClosed = link.replyChannel == kNoChannel && link.commandChannel == kNoChannel;
    run.bytesMoved = recorder.bytesMoved();
    closeLink(link);
    return run;
}

TransferRun download(SimulatedMachine& machine, RecordStore& store, bool countBytes = false) {
    return runTransfer(machine, countBytes,
                       [&](LinkState& link) { return downloadAll(link, store); });
}

TransferRun upload(SimulatedMachine& machine, const RecordStore& store, uint8_t& flag,
                   bool countBytes = false) {
    return runTransfer(machine, countBytes,
                       [&](LinkState& link) { return uploadAll(link, store, flag); });
}

constexpr size_t kStatusProbeBytes = 2 * kHeaderSize + 1;

size_t dataBytes(uint32_t length) {
    return length <= kLongestRecordLength ? length : 0;
}

bool downloadedAs(const SettingRecord& got, const SettingRecord& want) {
    const size_t kept = std::min<size_t>(dataBytes(want.payloadLength), kPayloadSize);
    return got.recordId == want.recordId && got.payloadLength == want.payloadLength &&
           std::equal(want.payload.begin(), want.payload.begin() + kept, got.payload.begin());
}

// A cut after `cut` bytes falls into one slot's exchange: the slots before it
// hold the machine's records, the slot itself has length 0 (its reply header
// did not arrive) or the announced length (its data did not), and the slots
// after it are untouched. A cut inside the status probe touches nothing.
void expectDownloadState(const RecordStore& store, const RecordStore& image, size_t cut) {
    const RecordStore untouched = markedStore();
    size_t exchangeStart = kStatusProbeBytes;
    int failed = cut < exchangeStart ? -1 : 0;
    while (failed >= 0 && failed + 1 < kSlotCount) {
        const size_t next =
            exchangeStart + 2 * kHeaderSize + dataBytes(image.slots[failed].payloadLength);
        if (next > cut)
            break;
        exchangeStart = next;
        ++failed;
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SettingRecord& got = store.slots[slot];
        if (slot < failed)
            ASSERT_TRUE(downloadedAs(got, image.slots[slot])) << "cut " << cut << " slot " << slot;
        else if (slot > failed)
            ASSERT_TRUE(sameRecord(got, untouched.slots[slot]))
                << "cut " << cut << " slot " << slot;
        else if (cut < exchangeStart + 2 * kHeaderSize)
            ASSERT_EQ(got.payloadLength, 0u) << "cut " << cut;
        else
            ASSERT_EQ(got.payloadLength, image.slots[slot].payloadLength) << "cut " << cut;
    }
}

// The machine keeps exactly the records whose every byte arrived before the
// cut, and its own old records otherwise.
void expectUploadState(const RecordStore& machineImage, const RecordStore& sent,
                       const RecordStore& before, size_t cut) {
    size_t exchangeEnd = kStatusProbeBytes;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SettingRecord& record = sent.slots[slot];
        bool written = false;
        if (!uploadSkipsSlot(sent, slot) && record.payloadLength <= kLongestRecordLength) {
            exchangeEnd += kHeaderSize + record.payloadLength;
            written = exchangeEnd <= cut;
        }
        ASSERT_TRUE(sameRecord(machineImage.slots[slot], written ? record : before.slots[slot]))
            << "cut " << cut << " slot " << slot;
    }
}

} // namespace

TEST(FaultInjection, DownloadCutAtEveryByteFailsCleanly) {
    SimulatedMachine whole;
    whole.image = patternImage();
    whole.image.slots[61].payloadLength = kNoRecordLength;
    whole.image.slots[61].payload.fill(0);
    RecordStore complete = markedStore();
    const TransferRun full = download(whole, complete, true);
    ASSERT_TRUE(full.result);
    const size_t total = full.bytesMoved;
    EXPECT_GT(total, 184u * 20u);

    for (size_t cut = 0; cut < total; ++cut) {
        SimulatedMachine machine;
        machine.image = whole.image;
        machine.unplugAfter(cut);
        RecordStore store = markedStore();
        const TransferRun run = download(machine, store);
        ASSERT_FALSE(run.result) << "cut " << cut;
        ASSERT_TRUE(run.channelsClosed) << "cut " << cut;
        expectDownloadState(store, machine.image, cut);
        if (HasFatalFailure())
            return;
    }
    std::printf("Download: %zu cut points, all failed cleanly\n", total);
}

TEST(FaultInjection, UploadCutAtEveryByteFailsCleanly) {
    const RecordStore sent = patternImage();
    const RecordStore before = markedStore();
    SimulatedMachine whole;
    whole.image = before;
    uint8_t flag = kNetworkChangePending;
    const TransferRun full = upload(whole, sent, flag, true);
    ASSERT_TRUE(full.result);
    EXPECT_EQ(flag, kNetworkChangeCarried);
    const size_t total = full.bytesMoved;

    for (size_t cut = 0; cut < total; ++cut) {
        SimulatedMachine machine;
        machine.image = before;
        machine.unplugAfter(cut);
        uint8_t networkChangeFlag = kNetworkChangePending;
        const TransferRun run = upload(machine, sent, networkChangeFlag);
        // The finish byte is the last one: a cut anywhere before it fails.
        ASSERT_FALSE(run.result) << "cut " << cut;
        ASSERT_TRUE(run.channelsClosed) << "cut " << cut;
        ASSERT_EQ(networkChangeFlag, kNetworkChangePending) << "cut " << cut;
        expectUploadState(machine.image, sent, before, cut);
        if (HasFatalFailure())
            return;
    }
    std::printf("Upload: %zu cut points, all failed cleanly\n", total);
}
