#include "link/usbscan.h"

#include <windows.h>

#include <array>
#include <cstdio>

namespace {

// The still-image driver's get-device-descriptor request: no input, the
// descriptor's first 8 bytes out.
constexpr DWORD kGetDeviceDescriptor = 0x80002018;
// The pipes are opened with the system attribute, as the driver's own
// clients do.
constexpr DWORD kPipeAttributes = FILE_ATTRIBUTE_SYSTEM;

class UsbScanTransport : public Transport {
  public:
    UsbScanTransport() { pipes_.fill(INVALID_HANDLE_VALUE); }
    ~UsbScanTransport() override {
        for (ChannelHandle channel = 0; channel < static_cast<ChannelHandle>(pipes_.size());
             ++channel)
            closePipe(channel);
    }
    UsbScanTransport(const UsbScanTransport&) = delete;
    UsbScanTransport& operator=(const UsbScanTransport&) = delete;

    ChannelHandle openPipe(int device, int pipe) override {
        if (device < 0 || device >= kDeviceSearchCount ||
            (pipe != kCommandPipe && pipe != kReplyPipe))
            return kNoChannel;
        char name[64];
        std::snprintf(name, sizeof name, "\\\\.\\Usbscan%d\\%d", device, pipe);
        HANDLE handle =
            CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_EXISTING, kPipeAttributes, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return kNoChannel;
        const ChannelHandle channel = channelFor(device, pipe);
        closePipe(channel);
        pipes_[static_cast<size_t>(channel)] = handle;
        return channel;
    }

    bool readDescriptor(ChannelHandle channel, DeviceDescriptor& descriptor) override {
        HANDLE handle = handleOf(channel);
        DWORD returned = 0;
        return handle != INVALID_HANDLE_VALUE &&
               DeviceIoControl(handle, kGetDeviceDescriptor, nullptr, 0, descriptor.data(),
                               static_cast<DWORD>(descriptor.size()), &returned, nullptr) &&
               returned == descriptor.size();
    }

    std::ptrdiff_t readSome(ChannelHandle channel, uint8_t* buffer, size_t count) override {
        HANDLE handle = handleOf(channel);
        DWORD moved = 0;
        if (handle == INVALID_HANDLE_VALUE ||
            !ReadFile(handle, buffer, clampCount(count), &moved, nullptr))
            return -1;
        return static_cast<std::ptrdiff_t>(moved);
    }

    std::ptrdiff_t writeSome(ChannelHandle channel, const uint8_t* data, size_t count) override {
        HANDLE handle = handleOf(channel);
        DWORD moved = 0;
        if (handle == INVALID_HANDLE_VALUE ||
            !WriteFile(handle, data, clampCount(count), &moved, nullptr))
            return -1;
        return static_cast<std::ptrdiff_t>(moved);
    }

    void closePipe(ChannelHandle channel) override {
        HANDLE handle = handleOf(channel);
        if (handle == INVALID_HANDLE_VALUE)
            return;
        CloseHandle(handle);
        pipes_[static_cast<size_t>(channel)] = INVALID_HANDLE_VALUE;
    }

  private:
    HANDLE handleOf(ChannelHandle channel) const {
        if (channel < 0 || channel >= static_cast<ChannelHandle>(pipes_.size()))
            return INVALID_HANDLE_VALUE;
        return pipes_[static_cast<size_t>(channel)];
    }
    static DWORD clampCount(size_t count) {
        return count > MAXDWORD ? MAXDWORD : static_cast<DWORD>(count);
    }

    std::array<HANDLE, kChannelCount> pipes_;
};

} // namespace

std::unique_ptr<Transport> makeUsbScanTransport() {
    return std::make_unique<UsbScanTransport>();
}
