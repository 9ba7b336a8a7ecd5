#pragma once

#include "store/dial_entry.h"

#include <cstdlib>
#include <cstring>

// A phone book built from fuzz input: three bytes choose the display
// language, the paper family and the first program-dial key; the rest fills
// the One Touch table, then the Speed Dial table.
struct FuzzPhoneBook {
    RecordStore store;
    SettingsMirror mirror;
    ProgramDialMarks marks;

    FuzzPhoneBook(const uint8_t* data, size_t size) {
        initStore(store);
        if (size >= 3) {
            mirror.language = data[0];
            mirror.machineInformation.paperFamily = data[1];
            marks.firstKey = data[2] % 10;
            data += 3;
            size -= 3;
        }
        auto* tables = reinterpret_cast<uint8_t*>(&mirror.oneTouchTable);
        size_t tableBytes = sizeof mirror.oneTouchTable + sizeof mirror.speedDialTable;
        static_assert(offsetof(SettingsMirror, speedDialTable) ==
                      offsetof(SettingsMirror, oneTouchTable) + sizeof(OneTouchTable));
        if (size > 0)
            std::memcpy(tables, data, size < tableBytes ? size : tableBytes);
    }
};

template <size_t N> void requireTerminated(const std::array<char, N>& field) {
    if (std::memchr(field.data(), '\0', N) == nullptr)
        std::abort();
}

// What every decoded entry must satisfy, whatever the stored bytes were.
inline void requireSoundEntry(const DialEntry& entry) {
    requireTerminated(entry.name);
    requireTerminated(entry.faxNumber);
    requireTerminated(entry.subAddress);
    requireTerminated(entry.sidPassword);
    requireTerminated(entry.batchHour);
    requireTerminated(entry.batchMinute);
    requireTerminated(entry.emailAddress);
    if (fieldText(entry.name).size() > kMaxNameLength)
        std::abort();
    if (entry.memberCount > kMaxGroupMembers)
        std::abort();
}

// Members of a Group as decodeOneTouchKey gives it: only existing entries.
inline void requireValidMembers(const DialEntry& entry) {
    for (size_t k = 0; k < entry.memberCount; ++k) {
        const GroupMember& member = entry.members[k];
        bool oneTouch = member.kind == kMemberKindOneTouch && member.index < kOneTouchKeyCount;
        bool speedDial = member.kind == kMemberKindSpeedDial && member.index < kSpeedDialEntryCount;
        if (!oneTouch && !speedDial)
            std::abort();
    }
}
