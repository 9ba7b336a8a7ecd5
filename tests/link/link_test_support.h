#pragma once

// Shared by the link tests: a transport that keeps a byte transcript of
// everything it carries, a machine on a link, and record images with every
// kind of length the wire can carry.

#include "link/command_header.h"
#include "link/in_process_transport.h"
#include "link/remote_mode.h"
#include "link/transport.h"
#include "store/record_store.h"

#include <cstdio>
#include <string>
#include <vector>

struct TranscriptEntry {
    enum Kind { Open, Descriptor, Read, Write, Close } kind;
    ChannelHandle channel = kNoChannel;
    int device = -1;
    int pipe = -1;
    std::vector<uint8_t> bytes; // what moved (reads: what arrived)
    bool ok = false;
};

// Passes every call to the transport underneath and logs it.
class RecordingTransport : public Transport {
  public:
    explicit RecordingTransport(Transport& inner) : inner_(inner) {}

    ChannelHandle openPipe(int device, int pipe) override {
        ChannelHandle channel = inner_.openPipe(device, pipe);
        log.push_back({TranscriptEntry::Open, channel, device, pipe, {}, channel != kNoChannel});
        return channel;
    }
    bool readDescriptor(ChannelHandle channel, DeviceDescriptor& descriptor) override {
        bool ok = inner_.readDescriptor(channel, descriptor);
        log.push_back({TranscriptEntry::Descriptor, channel, -1, -1,
                       std::vector<uint8_t>(descriptor.begin(), descriptor.end()), ok});
        return ok;
    }
    std::ptrdiff_t readSome(ChannelHandle channel, uint8_t* buffer, size_t count) override {
        std::ptrdiff_t moved = inner_.readSome(channel, buffer, count);
        log.push_back({TranscriptEntry::Read, channel, -1, -1,
                       std::vector<uint8_t>(buffer, buffer + (moved > 0 ? moved : 0)), moved > 0});
        return moved;
    }
    std::ptrdiff_t writeSome(ChannelHandle channel, const uint8_t* data, size_t count) override {
        std::ptrdiff_t moved = inner_.writeSome(channel, data, count);
        log.push_back({TranscriptEntry::Write, channel, -1, -1,
                       std::vector<uint8_t>(data, data + (moved > 0 ? moved : 0)), moved > 0});
        return moved;
    }
    void closePipe(ChannelHandle channel) override {
        inner_.closePipe(channel);
        log.push_back({TranscriptEntry::Close, channel, -1, -1, {}, true});
    }

    std::vector<TranscriptEntry> log;

    std::vector<TranscriptEntry> entries(TranscriptEntry::Kind kind) const {
        std::vector<TranscriptEntry> found;
        for (const TranscriptEntry& entry : log)
            if (entry.kind == kind)
                found.push_back(entry);
        return found;
    }
    // Every byte written to the machine, in order.
    std::vector<uint8_t> writtenBytes() const {
        std::vector<uint8_t> all;
        for (const TranscriptEntry& entry : entries(TranscriptEntry::Write))
            all.insert(all.end(), entry.bytes.begin(), entry.bytes.end());
        return all;
    }
    size_t bytesMoved() const {
        size_t total = 0;
        for (const TranscriptEntry& entry : log)
            if (entry.kind == TranscriptEntry::Read || entry.kind == TranscriptEntry::Write)
                total += entry.bytes.size();
        return total;
    }
    int opensOf(int pipe) const {
        int count = 0;
        for (const TranscriptEntry& entry : entries(TranscriptEntry::Open))
            count += entry.pipe == pipe ? 1 : 0;
        return count;
    }

  private:
    Transport& inner_;
};

inline std::string hexBytes(const std::vector<uint8_t>& bytes) {
    std::string text;
    for (uint8_t byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%s%02x", text.empty() ? "" : " ", byte);
        text += hex;
    }
    return text;
}

// A link over `transport` that accepts the simulated machine's product.
inline LinkState linkOver(Transport& transport) {
    LinkState link;
    link.transport = &transport;
    link.acceptedProductIds = {0x2078};
    return link;
}

// One simulated machine as device 0, reached through a recording transport
// by a link that accepts its product.
struct MachineOnLink {
    SimulatedMachine machine;
    InProcessTransport devices{{&machine}};
    RecordingTransport transport{devices};
    LinkState link = linkOver(transport);
};

// A record image with the lengths a machine keeps: empty records, short and
// full payloads, and One Touch fax entries of 146 bytes.
inline RecordStore patternImage() {
    RecordStore store;
    initStore(store);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SettingRecord& record = store.slots[static_cast<size_t>(slot)];
        if (slot % 11 == 5)
            record.payloadLength = 0;
        else if (slot >= kOneTouchFirstSlot && slot < kOneTouchFirstSlot + kOneTouchKeyCount)
            record.payloadLength = kLongestRecordLength;
        else
            record.payloadLength = static_cast<uint32_t>(1 + (slot * 37) % kPayloadSize);
        for (size_t i = 0; i < kPayloadSize && i < record.payloadLength; ++i)
            record.payload[i] = static_cast<uint8_t>(slot * 7 + i + 1);
    }
    return store;
}

// A store whose every record says "not touched by the link".
inline RecordStore markedStore() {
    RecordStore store;
    initStore(store);
    for (SettingRecord& record : store.slots) {
        record.payloadLength = 77;
        record.payload.fill(0xEE);
    }
    return store;
}

inline bool sameRecord(const SettingRecord& a, const SettingRecord& b) {
    return a.recordId == b.recordId && a.payloadLength == b.payloadLength && a.payload == b.payload;
}
