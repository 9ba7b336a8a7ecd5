#include "link/transport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Moves at most `chunk` bytes per call and ends the stream, or fails, once
// `available` bytes have moved.
class TricklingTransport : public Transport {
  public:
    TricklingTransport(size_t chunk, size_t available, std::ptrdiff_t atEnd)
        : chunk_(chunk), available_(available), atEnd_(atEnd) {}
    ChannelHandle openPipe(int, int) override { return 0; }
    bool readDescriptor(ChannelHandle, DeviceDescriptor&) override { return false; }
    std::ptrdiff_t readSome(ChannelHandle, uint8_t* buffer, size_t count) override {
        const size_t n = next(count);
        for (size_t i = 0; i < n; ++i)
            buffer[i] = static_cast<uint8_t>(moved_ + i);
        return finish(n);
    }
    std::ptrdiff_t writeSome(ChannelHandle, const uint8_t* data, size_t count) override {
        const size_t n = next(count);
        written.insert(written.end(), data, data + n);
        return finish(n);
    }
    void closePipe(ChannelHandle) override {}
    std::vector<uint8_t> written;
    int calls = 0;

  private:
    size_t next(size_t count) {
        ++calls;
        return std::min({count, chunk_, available_ - moved_});
    }
    std::ptrdiff_t finish(size_t n) {
        moved_ += n;
        return n == 0 ? atEnd_ : static_cast<std::ptrdiff_t>(n);
    }
    size_t chunk_, available_;
    std::ptrdiff_t atEnd_;
    size_t moved_ = 0;
};

} // namespace

TEST(Transport, ShortTransfersAreContinuedUntilEveryByteMovedOrTheStreamEnds) {
    TricklingTransport transport(3, 100, 0);
    const std::vector<uint8_t> data = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_TRUE(writeExact(transport, 0, data.data(), data.size()));
    EXPECT_EQ(transport.written, data);
    EXPECT_EQ(transport.calls, 4);

    TricklingTransport reader(1, 100, 0);
    uint8_t buffer[5] = {};
    EXPECT_TRUE(readExact(reader, 0, buffer, sizeof buffer));
    EXPECT_EQ(buffer[4], 4);
    EXPECT_EQ(reader.calls, 5);

    // End of stream or an error before the last byte is a failure.
    uint8_t ten[10] = {};
    TricklingTransport endsEarly(4, 9, 0);
    EXPECT_FALSE(readExact(endsEarly, 0, ten, sizeof ten));
    TricklingTransport failsEarly(4, 9, -1);
    EXPECT_FALSE(writeExact(failsEarly, 0, ten, sizeof ten));
    EXPECT_EQ(failsEarly.written.size(), 9u);
    TricklingTransport exactlyEnough(4, 10, 0);
    EXPECT_TRUE(readExact(exactlyEnough, 0, ten, sizeof ten));
}

TEST(Transport, DescriptorHoldsFourLittleEndianWords) {
    const DeviceDescriptor descriptor = makeDeviceDescriptor(0x1234, 0x2078, 0x0100, 0x0409);
    EXPECT_EQ(descriptor, (DeviceDescriptor{0x34, 0x12, 0x78, 0x20, 0x00, 0x01, 0x09, 0x04}));
    EXPECT_EQ(descriptorProductId(descriptor), 0x2078);
}
