#include "link/command_header.h"
#include "link/transfer_protocol.h"

#include <algorithm>
#include <cstdlib>

// The input is what the machine sends: its first byte sets how many bytes a
// read returns at most (the driver may return fewer than asked), the rest is
// the reply stream. The link runs a status query and a whole Download over
// it; whatever the lengths say, no record may be written outside its payload
// or left with a length the wire cannot carry.
namespace {

constexpr uint16_t kProductId = 0x2078;

class ReplyStreamTransport : public Transport {
  public:
    ReplyStreamTransport(const uint8_t* data, size_t size, size_t chunk)
        : data_(data), size_(size), chunk_(chunk) {}
    ChannelHandle openPipe(int device, int pipe) override {
        return device == 0 ? pipe : kNoChannel;
    }
    bool readDescriptor(ChannelHandle, DeviceDescriptor& descriptor) override {
        descriptor = makeDeviceDescriptor(0, kProductId, 0, 0);
        return true;
    }
    std::ptrdiff_t readSome(ChannelHandle channel, uint8_t* buffer, size_t count) override {
        if (channel != kReplyPipe)
            std::abort();
        const size_t moved = std::min({count, chunk_, size_ - at_});
        std::copy_n(data_ + at_, moved, buffer);
        at_ += moved;
        return static_cast<std::ptrdiff_t>(moved);
    }
    std::ptrdiff_t writeSome(ChannelHandle channel, const uint8_t*, size_t count) override {
        if (channel != kCommandPipe)
            std::abort();
        return static_cast<std::ptrdiff_t>(count);
    }
    void closePipe(ChannelHandle) override {}

  private:
    const uint8_t* data_;
    size_t size_;
    size_t chunk_;
    size_t at_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    ReplyStreamTransport transport(data + 1, size - 1, std::max<size_t>(data[0], 1));
    LinkState link;
    link.transport = &transport;
    link.acceptedProductIds = {kProductId};
    RecordStore store;
    initStore(store);
    downloadAll(link, store);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SettingRecord& record = store.slots[static_cast<size_t>(slot)];
        if (record.recordId != slotRecordId(slot) || (record.payloadLength > kLongestRecordLength &&
                                                      record.payloadLength != kNoRecordLength))
            std::abort();
    }
    return 0;
}
