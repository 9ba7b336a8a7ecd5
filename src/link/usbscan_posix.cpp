#include "link/usbscan.h"

namespace {

// No still-image driver outside Windows: every device number is empty.
class NoStillImageDevices : public Transport {
  public:
    ChannelHandle openPipe(int, int) override { return kNoChannel; }
    bool readDescriptor(ChannelHandle, DeviceDescriptor&) override { return false; }
    std::ptrdiff_t readSome(ChannelHandle, uint8_t*, size_t) override { return -1; }
    std::ptrdiff_t writeSome(ChannelHandle, const uint8_t*, size_t) override { return -1; }
    void closePipe(ChannelHandle) override {}
};

} // namespace

std::unique_ptr<Transport> makeUsbScanTransport() {
    return std::make_unique<NoStillImageDevices>();
}
