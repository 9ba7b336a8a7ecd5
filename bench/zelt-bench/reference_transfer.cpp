#include "reference_transfer.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kDevice = 0;
constexpr uint32_t kSkippedRecordId = 0x10a00;
constexpr size_t kStatusReplyBytes = kHeaderSize + 1;
constexpr size_t kFinishBytes = kHeaderSize + 1;

// The record data a reply carries: none for an empty or unknown record.
uint64_t replyDataBytes(uint32_t length) {
    return length == kNoRecordLength ? 0 : length;
}

bool uploaded(const RecordStore& image, int slot) {
    return slot > kCounterSlot &&
           image.slots[static_cast<size_t>(slot)].recordId != kSkippedRecordId;
}

template <typename Move> bool moveAll(size_t count, Move move) {
    for (size_t done = 0; done < count;) {
        const std::ptrdiff_t moved = move(done);
        if (moved <= 0)
            return false;
        done += static_cast<size_t>(moved);
    }
    return true;
}

bool sendAll(Transport& transport, ChannelHandle channel, const uint8_t* data, size_t count) {
    return moveAll(count, [&](size_t done) {
        return transport.writeSome(channel, data + done, count - done);
    });
}

bool receiveAll(Transport& transport, ChannelHandle channel, uint8_t* buffer, size_t count) {
    return moveAll(count, [&](size_t done) {
        return transport.readSome(channel, buffer + done, count - done);
    });
}

// An open command and reply pipe of device 0, proven by a status exchange,
// closed again at the end of the transfer.
struct OpenedDevice {
    Transport& transport;
    ChannelHandle command = kNoChannel;
    ChannelHandle reply = kNoChannel;

    explicit OpenedDevice(Transport& opened) : transport(opened) {}
    ~OpenedDevice() {
        if (command != kNoChannel)
            transport.closePipe(command);
        if (reply != kNoChannel)
            transport.closePipe(reply);
    }
    bool open() {
        static const HeaderBytes status =
            encodeHeader({kProtocolMark, kCommandControl, kControlStatus, 0});
        DeviceDescriptor descriptor{};
        std::array<uint8_t, kStatusReplyBytes> answer{};
        command = transport.openPipe(kDevice, kCommandPipe);
        if (command == kNoChannel || !transport.readDescriptor(command, descriptor))
            return false;
        reply = transport.openPipe(kDevice, kReplyPipe);
        return reply != kNoChannel && sendAll(transport, command, status.data(), status.size()) &&
               receiveAll(transport, reply, answer.data(), answer.size());
    }
};

} // namespace

TransferScript scriptTransfers(const RecordStore& image) {
    TransferScript script;
    script.download = {1, kHeaderSize, kStatusReplyBytes};
    script.upload = {1, kHeaderSize, kStatusReplyBytes};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SettingRecord& record = image.slots[static_cast<size_t>(slot)];
        const uint8_t command = slot <= kCounterSlot ? kCommandControl : kCommandReadRecord;
        script.readRequests.push_back(encodeHeader({kProtocolMark, command, record.recordId, 0}));
        script.download.commands += 1;
        script.download.bytesToMachine += kHeaderSize;
        script.download.bytesFromMachine += kHeaderSize + replyDataBytes(record.payloadLength);
        if (!uploaded(image, slot))
            continue;
        // A One Touch fax entry is longer than the payload: zeros follow it.
        TransferScript::RecordWrite write;
        write.header = encodeHeader(
            {kProtocolMark, kCommandWriteRecord, record.recordId, record.payloadLength});
        write.data.assign(record.payloadLength, 0);
        std::copy_n(record.payload.begin(), std::min<size_t>(record.payloadLength, kPayloadSize),
                    write.data.begin());
        script.upload.commands += 1;
        script.upload.bytesToMachine += kHeaderSize + write.data.size();
        script.recordWrites.push_back(std::move(write));
    }
    script.upload.commands += 1;
    script.upload.bytesToMachine += kFinishBytes;
    return script;
}

bool referenceDownload(Transport& transport, const TransferScript& script) {
    OpenedDevice device(transport);
    if (!device.open())
        return false;
    std::array<uint8_t, kLongestRecordLength> data{};
    for (const HeaderBytes& request : script.readRequests) {
        HeaderBytes reply{};
        if (!sendAll(transport, device.command, request.data(), request.size()) ||
            !receiveAll(transport, device.reply, reply.data(), reply.size()))
            return false;
        const uint64_t length = replyDataBytes(decodeHeader(reply).dataLength);
        if (length > data.size() || !receiveAll(transport, device.reply, data.data(), length))
            return false;
    }
    return true;
}

bool referenceUpload(Transport& transport, const TransferScript& script) {
    static const HeaderBytes finish =
        encodeHeader({kProtocolMark, kCommandControl, kControlFinish, 1});
    const uint8_t nothingChanged = 0;
    OpenedDevice device(transport);
    if (!device.open())
        return false;
    for (const TransferScript::RecordWrite& write : script.recordWrites) {
        if (!sendAll(transport, device.command, write.header.data(), write.header.size()) ||
            !sendAll(transport, device.command, write.data.data(), write.data.size()))
            return false;
    }
    return sendAll(transport, device.command, finish.data(), finish.size()) &&
           sendAll(transport, device.command, &nothingChanged, 1);
}
