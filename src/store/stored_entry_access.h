#pragma once

#include "store/settings_mirror.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// Bounded access to the bytes of one stored entry: whatever a count byte
// says, nothing here reaches outside the entry's 130 bytes.

inline size_t clampToEntry(int offset, size_t count) {
    if (offset < 0 || offset >= kEntrySize)
        return 0;
    return std::min(count, static_cast<size_t>(kEntrySize - offset));
}

inline uint16_t readEntryU16(const StoredEntry& entry, int offset) {
    return static_cast<uint16_t>(entry[static_cast<size_t>(offset)] |
                                 entry[static_cast<size_t>(offset) + 1] << 8);
}

inline void writeEntryU16(StoredEntry& entry, int offset, uint16_t value) {
    entry[static_cast<size_t>(offset)] = static_cast<uint8_t>(value);
    entry[static_cast<size_t>(offset) + 1] = static_cast<uint8_t>(value >> 8);
}

// `count` stored bytes from `offset`, as text (it may hold NULs).
inline std::string_view storedBytes(const StoredEntry& entry, int offset, size_t count) {
    return {reinterpret_cast<const char*>(entry.data()) + offset, clampToEntry(offset, count)};
}

inline std::span<uint8_t> entrySpan(StoredEntry& entry, int offset, size_t count) {
    return {entry.data() + offset, clampToEntry(offset, count)};
}

inline std::span<const uint8_t> entrySpan(const StoredEntry& entry, int offset, size_t count) {
    return {entry.data() + offset, clampToEntry(offset, count)};
}

// The One Touch key or Speed Dial entry `index`; null when there is none.
inline StoredEntry* tableEntry(SettingsMirror& mirror, bool oneTouch, int index) {
    int count = oneTouch ? kOneTouchKeyCount : kSpeedDialEntryCount;
    if (index < 0 || index >= count)
        return nullptr;
    return oneTouch ? &mirror.oneTouchTable[static_cast<size_t>(index)]
                    : &mirror.speedDialTable[static_cast<size_t>(index)];
}

// The payload length of that entry's record in the store; `index` must
// name an existing entry.
inline uint32_t& slotLength(RecordStore& store, bool oneTouch, int index) {
    int slot = (oneTouch ? kOneTouchFirstSlot : kSpeedDialFirstSlot) + index;
    return store.slots[static_cast<size_t>(slot)].payloadLength;
}
