#pragma once

#include "link/command_header.h"
#include "link/transport.h"
#include "store/record_store.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

// The machine's side of every exchange, for tests, demos and the zelt-machine
// tool. It sees one byte stream from the program (the command pipe) and
// produces one byte stream for it (the reply pipe); a transport carries them.
//
// A connection starts with connect() and ends with disconnect(), or when the
// machine drops it: after an unplug, a stream it cannot parse, or the
// network restart that a finish command with flag 1 asks for.
class SimulatedMachine {
  public:
    using Clock = std::chrono::steady_clock;

    SimulatedMachine();

    // The 184 records the machine keeps; what a Download reads and an Upload
    // writes.
    RecordStore image;
    uint16_t productId = 0x2078;
    // Conditions tests and the tool set: status answers 3 while faulty, else
    // 1 while busy, else 2 once remote mode timed out (until the next mode
    // command), else 0.
    bool busy = false;
    bool faulty = false;
    bool remoteTimedOut = false;
    // Remote mode ends by itself after this long without an exchange other
    // than a status query (zero: never).
    std::chrono::seconds remoteTimeout{0};
    // Faults tests set. A write of the record `corruptWritesOf` (0: none)
    // is kept with its first payload byte inverted, as a machine that stored
    // it wrongly would; while `refuseReads` is set a read-record command
    // drops the connection instead of answering.
    uint32_t corruptWritesOf = 0;
    bool refuseReads = false;
    std::function<Clock::time_point()> clock = [] { return Clock::now(); };
    // Called with one line for every exchange the machine completes.
    std::function<void(const std::string&)> onExchange;

    // The machine disappears after `byteCount` more bytes in either direction.
    void unplugAfter(uint64_t byteCount);
    bool unplugged() const { return bytesBeforeUnplug_ == 0; }
    bool inRemoteMode() const { return remoteMode_; }
    uint8_t statusByte() const;
    DeviceDescriptor descriptor() const;

    // False when the machine refuses the connection: it is unplugged, or its
    // network side is restarting (the first connection after the restart).
    bool connect();
    void disconnect();
    bool connected() const { return connected_; }
    // Counts connections, so a transport can tell a dropped one from a new one.
    uint64_t connectionNumber() const { return connectionNumber_; }

    // Bytes from the program; returns how many the machine took (fewer when
    // the connection ended on the way).
    size_t receive(const uint8_t* data, size_t count);
    // Bytes for the program; returns how many were copied (0: nothing to say).
    size_t send(uint8_t* buffer, size_t count);

  private:
    // Takes bytes of the current command (header, then data) and runs it
    // once complete; returns how many bytes it took.
    size_t takeBytes(const uint8_t* data, size_t count);
    void runCommand();
    void runControl();
    void replyWithRecord(const SettingRecord* record);
    void writeRecord();
    void drop();
    void log(const char* format, ...) const __attribute__((format(printf, 2, 3)));
    void expireRemoteModeIfIdle();
    SettingRecord* findRecord(uint32_t recordId);
    size_t bytesAllowed(size_t count) const;
    void spend(size_t count);

    bool connected_ = false;
    bool refuseNextConnection_ = false;
    bool remoteMode_ = false;
    uint64_t connectionNumber_ = 0;
    uint64_t bytesBeforeUnplug_ = std::numeric_limits<uint64_t>::max();
    Clock::time_point lastActivity_{};
    size_t nextSlotHint_ = 0;
    std::vector<uint8_t> incoming_; // header, then its data
    CommandHeader header_{};
    std::vector<uint8_t> outgoing_; // replies; the first outgoingSent_ bytes are gone
    size_t outgoingSent_ = 0;
};
