#include "link/transfer_protocol.h"

#include "link/command_header.h"

#include <algorithm>
#include <array>

namespace {

bool sendHeader(LinkState& link, uint8_t command, uint32_t address, uint32_t dataLength) {
    const HeaderBytes bytes = encodeHeader({kProtocolMark, command, address, dataLength});
    return writeChannel(link, bytes.data(), bytes.size());
}

// A control command followed by its one data byte, sent as a write of its own.
bool sendControlByte(LinkState& link, uint32_t control, uint8_t value) {
    return sendHeader(link, kCommandControl, control, 1) && writeChannel(link, &value, 1);
}

// Reads the machine's data for one record. Lengths come from the wire and are
// not trusted: up to the longest record is read in full so the stream stays
// in step, but only the payload's 132 bytes are kept.
bool receiveRecordData(LinkState& link, SettingRecord& record, uint32_t length) {
    const size_t kept = std::min<size_t>(length, kPayloadSize);
    if (!readChannel(link, record.payload.data(), kept))
        return false;
    std::array<uint8_t, kLongestRecordLength - kPayloadSize> beyondPayload{};
    return readChannel(link, beyondPayload.data(), length - kept);
}

bool downloadSlot(LinkState& link, SettingRecord& record, int slot) {
    record.payloadLength = 0;
    const uint8_t command = slot <= kCounterSlot ? kCommandControl : kCommandReadRecord;
    if (!sendHeader(link, command, record.recordId, 0))
        return false;
    HeaderBytes reply{};
    if (!readChannel(link, reply.data(), reply.size()))
        return false;
    const uint32_t length = decodeHeader(reply).dataLength;
    if (length == 0 || length == kNoRecordLength) {
        record.payloadLength = length;
        return true;
    }
    if (length > kLongestRecordLength)
        return false;
    record.payloadLength = length;
    return receiveRecordData(link, record, length);
}

// A stored length above the payload (up to the longest record) goes out
// with zeros after the payload, so the machine gets the length it expects
// and never bytes from beyond this record.
bool uploadRecord(LinkState& link, const SettingRecord& record) {
    const uint32_t length = record.payloadLength;
    if (!sendHeader(link, kCommandWriteRecord, record.recordId, length))
        return false;
    const size_t fromPayload = std::min<size_t>(length, kPayloadSize);
    if (fromPayload > 0 && !writeChannel(link, record.payload.data(), fromPayload))
        return false;
    const std::array<uint8_t, kLongestRecordLength - kPayloadSize> zeros{};
    return length == fromPayload || writeChannel(link, zeros.data(), length - fromPayload);
}

bool uploadRecords(LinkState& link, const RecordStore& store) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (uploadSkipsSlot(store, slot))
            continue;
        const SettingRecord& record = store.slots[static_cast<size_t>(slot)];
        // A length beyond the longest record has no data behind it.
        if (record.payloadLength > kLongestRecordLength)
            continue;
        if (!uploadRecord(link, record))
            return false;
    }
    return true;
}

} // namespace

bool queryStatus(LinkState& link, uint8_t& status) {
    if (openLink(link) != 0)
        return false;
    const bool answered = exchangeStatus(link, status);
    closeLink(link);
    return answered;
}

bool setRemoteMode(LinkState& link, uint8_t mode) {
    if (openLink(link) != 0)
        return false;
    const bool sent = sendControlByte(link, kControlMode, mode);
    closeLink(link);
    return sent;
}

void prepareDownload(RecordStore& store, uint8_t& networkChangeFlag) {
    initStore(store);
    networkChangeFlag = kNetworkChangeNone;
}

bool downloadAll(LinkState& link, RecordStore& store) {
    if (openLink(link) != 0)
        return false;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!downloadSlot(link, store.slots[static_cast<size_t>(slot)], slot)) {
            closeLink(link);
            return false;
        }
    }
    return true;
}

bool uploadAll(LinkState& link, const RecordStore& store, uint8_t& networkChangeFlag) {
    if (openLink(link) != 0)
        return false;
    if (networkChangeFlag == kNetworkChangeCarried)
        networkChangeFlag = kNetworkChangeNone;
    if (!uploadRecords(link, store) || !sendFinish(link, networkChangeFlag)) {
        closeLink(link);
        return false;
    }
    if (networkChangeFlag != kNetworkChangeNone)
        networkChangeFlag = kNetworkChangeCarried;
    return true;
}

bool sendFinish(LinkState& link, uint8_t networkChangeFlag) {
    return sendControlByte(link, kControlFinish, networkChangeFlag);
}

