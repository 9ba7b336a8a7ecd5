#include "link/simulated_machine.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {

// The machine reports no vendor of its own; the program never compares it.
constexpr uint16_t kVendorId = 0;
constexpr uint16_t kReleaseNumber = 0x0100;
constexpr uint16_t kLanguageId = 0x0409;
constexpr uint32_t kMachineInfoId = 3;
constexpr uint32_t kCounterId = 4;
constexpr uint8_t kFinishRestartsNetwork = 1;

} // namespace

SimulatedMachine::SimulatedMachine() {
    initStore(image);
}

void SimulatedMachine::unplugAfter(uint64_t byteCount) {
    bytesBeforeUnplug_ = byteCount;
    if (unplugged())
        drop();
}

uint8_t SimulatedMachine::statusByte() const {
    if (faulty)
        return kStatusFaulty;
    if (busy)
        return kStatusBusy;
    if (remoteTimedOut)
        return kStatusRemoteTimedOut;
    return kStatusReady;
}

DeviceDescriptor SimulatedMachine::descriptor() const {
    return makeDeviceDescriptor(kVendorId, productId, kReleaseNumber, kLanguageId);
}

bool SimulatedMachine::connect() {
    drop();
    if (unplugged())
        return false;
    if (refuseNextConnection_) {
        refuseNextConnection_ = false;
        log("connection refused: network restarting");
        return false;
    }
    connected_ = true;
    ++connectionNumber_;
    return true;
}

void SimulatedMachine::disconnect() {
    drop();
}

void SimulatedMachine::drop() {
    connected_ = false;
    incoming_.clear();
    outgoing_.clear();
    outgoingSent_ = 0;
}

size_t SimulatedMachine::bytesAllowed(size_t count) const {
    if (!connected_)
        return 0;
    return static_cast<size_t>(std::min<uint64_t>(count, bytesBeforeUnplug_));
}

void SimulatedMachine::spend(size_t count) {
    // An unplug asked for while these bytes were on their way (from an
    // exchange observer) holds: the count never wraps round to "plugged in".
    bytesBeforeUnplug_ -= std::min<uint64_t>(count, bytesBeforeUnplug_);
    if (unplugged())
        drop();
}

size_t SimulatedMachine::receive(const uint8_t* data, size_t count) {
    if (connected_)
        expireRemoteModeIfIdle();
    const size_t allowed = bytesAllowed(count);
    size_t taken = 0;
    while (taken < allowed && connected_)
        taken += takeBytes(data + taken, allowed - taken);
    spend(taken);
    return taken;
}

size_t SimulatedMachine::send(uint8_t* buffer, size_t count) {
    const size_t copied = std::min(bytesAllowed(count), outgoing_.size() - outgoingSent_);
    std::copy_n(outgoing_.begin() + static_cast<std::ptrdiff_t>(outgoingSent_), copied, buffer);
    outgoingSent_ += copied;
    if (outgoingSent_ == outgoing_.size()) {
        outgoing_.clear();
        outgoingSent_ = 0;
    }
    spend(copied);
    return copied;
}

void SimulatedMachine::expireRemoteModeIfIdle() {
    if (remoteTimeout.count() == 0)
        return;
    const Clock::time_point now = clock();
    if (remoteMode_ && now - lastActivity_ > remoteTimeout) {
        remoteMode_ = false;
        remoteTimedOut = true;
        log("remote mode timed out");
    }
}

size_t SimulatedMachine::takeBytes(const uint8_t* data, size_t count) {
    const size_t wanted =
        incoming_.size() < kHeaderSize ? kHeaderSize : kHeaderSize + header_.dataLength;
    const size_t taken = std::min(count, wanted - incoming_.size());
    incoming_.insert(incoming_.end(), data, data + taken);
    if (incoming_.size() == kHeaderSize) {
        HeaderBytes bytes{};
        std::copy(incoming_.begin(), incoming_.end(), bytes.begin());
        header_ = decodeHeader(bytes);
        // The machine never takes more than its longest record after a
        // header; a stream that says otherwise is out of step.
        if (header_.mark != kProtocolMark || header_.dataLength > kLongestRecordLength) {
            log("unreadable header: connection dropped");
            drop();
            return taken;
        }
    }
    if (incoming_.size() == kHeaderSize + header_.dataLength) {
        runCommand();
        incoming_.clear();
    }
    return taken;
}

void SimulatedMachine::runCommand() {
    // The program polls the status every few seconds while it is connected;
    // were a poll activity, remote mode could never time out under an idle
    // program.
    if (header_.command != kCommandControl || header_.address != kControlStatus)
        lastActivity_ = clock();
    switch (header_.command) {
    case kCommandWriteRecord:
        writeRecord();
        return;
    case kCommandReadRecord:
        if (refuseReads) {
            log("read 0x%05x refused: connection dropped", static_cast<unsigned>(header_.address));
            drop();
            return;
        }
        replyWithRecord(findRecord(header_.address));
        return;
    case kCommandControl:
        runControl();
        return;
    default:
        log("unknown command %u ignored", header_.command);
    }
}

void SimulatedMachine::runControl() {
    const uint8_t value = header_.dataLength > 0 ? incoming_[kHeaderSize] : 0;
    switch (header_.address) {
    case kControlStatus: {
        const uint8_t status = statusByte();
        const HeaderBytes reply = encodeHeader({kProtocolMark, kCommandControl, kControlStatus, 1});
        outgoing_.insert(outgoing_.end(), reply.begin(), reply.end());
        outgoing_.push_back(status);
        log("status -> %u", status);
        return;
    }
    case kControlMode:
        remoteMode_ = value == kModeEnterRemote;
        // The time-out is reported until the program acts on it: it leaves
        // remote mode (its Disconnect) or enters it again.
        remoteTimedOut = false;
        log("mode %u: %s", value, remoteMode_ ? "remote mode" : "local mode");
        return;
    case kControlFinish:
        log("finish flag %u", value);
        if (value == kFinishRestartsNetwork) {
            // The new network settings take effect: this connection ends and
            // the next one is refused while the network side comes back.
            refuseNextConnection_ = true;
            drop();
        }
        return;
    case kMachineInfoId:
    case kCounterId:
        replyWithRecord(findRecord(header_.address));
        return;
    default:
        log("control %u ignored", static_cast<unsigned>(header_.address));
    }
}

SettingRecord* SimulatedMachine::findRecord(uint32_t recordId) {
    // The program asks in slot order, so the search starts after the slot
    // found last.
    for (size_t step = 0; step < image.slots.size(); ++step) {
        const size_t slot = (nextSlotHint_ + step) % image.slots.size();
        if (image.slots[slot].recordId == recordId) {
            nextSlotHint_ = slot + 1;
            return &image.slots[slot];
        }
    }
    return nullptr;
}

void SimulatedMachine::replyWithRecord(const SettingRecord* record) {
    const uint32_t length = record ? record->payloadLength : kNoRecordLength;
    const HeaderBytes reply =
        encodeHeader({kProtocolMark, header_.command, header_.address, length});
    outgoing_.insert(outgoing_.end(), reply.begin(), reply.end());
    // Whatever the image says, the machine sends no more than its longest
    // record; the bytes beyond the payload are zeros.
    if (length <= kLongestRecordLength) {
        const size_t fromPayload = std::min<size_t>(length, kPayloadSize);
        outgoing_.insert(outgoing_.end(), record->payload.begin(),
                         record->payload.begin() + static_cast<std::ptrdiff_t>(fromPayload));
        outgoing_.insert(outgoing_.end(), length - fromPayload, 0);
    }
    if (record == nullptr)
        log("read 0x%05x -> unknown id", static_cast<unsigned>(header_.address));
    else
        log("read 0x%05x -> %u bytes", static_cast<unsigned>(header_.address),
            static_cast<unsigned>(length));
}

void SimulatedMachine::writeRecord() {
    SettingRecord* record = findRecord(header_.address);
    if (record == nullptr || record == &image.slots[kMachineInfoSlot] ||
        record == &image.slots[kCounterSlot]) {
        log("write 0x%05x ignored", static_cast<unsigned>(header_.address));
        return;
    }
    record->payloadLength = header_.dataLength;
    record->payload.fill(0);
    const size_t kept = std::min<size_t>(header_.dataLength, kPayloadSize);
    std::copy_n(incoming_.begin() + kHeaderSize, kept, record->payload.begin());
    if (record->recordId == corruptWritesOf)
        record->payload[0] = static_cast<uint8_t>(~record->payload[0]);
    log("write 0x%05x %u bytes", static_cast<unsigned>(header_.address),
        static_cast<unsigned>(header_.dataLength));
}

void SimulatedMachine::log(const char* format, ...) const {
    if (!onExchange)
        return;
    char line[128];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    onExchange(line);
}
