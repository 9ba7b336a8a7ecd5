#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The machine's user data as 184 fixed records. Slot order is the machine's
// transfer order and the data-file order; a record keeps its slot for life.
constexpr int kSlotCount = 184;
constexpr int kPayloadSize = 132;
constexpr int kRecordSize = 140;
constexpr int kEntrySize = 130;

constexpr int kMachineInfoSlot = 0;
constexpr int kCounterSlot = 1;
constexpr int kStationNumberSlot = 73;
constexpr int kStationNameSlot = 74;
constexpr int kOneTouchFirstSlot = 75;
constexpr int kOneTouchKeyCount = 9;
constexpr int kSpeedDialFirstSlot = 84;
constexpr int kSpeedDialEntryCount = 100;

// The longest record on the wire: a One Touch fax entry, which the program
// itself sends with this length although only 132 payload bytes exist.
constexpr uint32_t kLongestRecordLength = 146;

struct SettingRecord {
    uint32_t recordId = 0;
    uint32_t payloadLength = 0;
    std::array<uint8_t, kPayloadSize> payload{};
    friend bool operator==(const SettingRecord&, const SettingRecord&) = default;
};

struct RecordStore {
    std::array<SettingRecord, kSlotCount> slots{};
    friend bool operator==(const RecordStore&, const RecordStore&) = default;
};

// The record id that the machine gives the record in `slot` (0-183).
uint32_t slotRecordId(int slot);

// Zero-fills the whole image and writes every slot's record id.
void initStore(RecordStore& store);

// The slots an Upload leaves out: the read-only information and counter
// records and the record 0x10a00.
bool uploadSkipsSlot(const RecordStore& store, int slot);
