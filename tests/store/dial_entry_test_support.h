#pragma once

#include "store/dial_entry.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

// A fresh image and mirror with a chosen display language and paper family,
// as the phone-book tests need them.
struct PhoneBookFixture {
    RecordStore store;
    SettingsMirror mirror;
    ProgramDialMarks marks;

    explicit PhoneBookFixture(uint8_t language = 0, uint8_t paperFamily = 0) {
        initStore(store);
        mirror.language = language;
        mirror.machineInformation.paperFamily = paperFamily;
    }

    StoredEntry& oneTouch(int index) { return mirror.oneTouchTable[static_cast<size_t>(index)]; }
    StoredEntry& speedDial(int index) { return mirror.speedDialTable[static_cast<size_t>(index)]; }
    uint32_t oneTouchLength(int index) {
        return store.slots[static_cast<size_t>(75 + index)].payloadLength;
    }
    uint32_t speedDialLength(int index) {
        return store.slots[static_cast<size_t>(84 + index)].payloadLength;
    }
};

// A registered fax or e-mail entry; the entry class is left to the encoder
// unless a test needs it set, as the list rows do.
inline DialEntry faxEntry(const char* name, const char* number, uint8_t speed = 1,
                          uint8_t entryClass = 0) {
    DialEntry entry;
    entry.used = 1;
    entry.entryClass = entryClass;
    setFieldText(entry.name, name);
    setFieldText(entry.faxNumber, number);
    entry.speedIndex = speed;
    entry.regDate = 0x3061;
    return entry;
}

inline DialEntry emailEntry(const char* name, const char* address, uint8_t entryClass = 0) {
    DialEntry entry;
    entry.used = 1;
    entry.isEmail = 1;
    entry.entryClass = entryClass;
    setFieldText(entry.name, name);
    setFieldText(entry.emailAddress, address);
    entry.emailScanOption = 1;
    entry.emailPaperSize = 1;
    entry.emailResolution = 1;
    entry.emailCoding = 2;
    entry.regDate = 0x3061;
    return entry;
}

// A Group of `members` (kind, number) named `name`, as the Group dialog
// stores one.
inline DialEntry groupOf(const char* name, std::initializer_list<GroupMember> members) {
    DialEntry entry;
    entry.used = 1;
    entry.entryClass = kEntryClassGroup;
    entry.highFlag = 1;
    setFieldText(entry.name, name);
    for (const GroupMember& member : members)
        entry.members[entry.memberCount++] = member;
    return entry;
}

// Writes bytes by offset, as a machine would have stored them.
inline void putBytes(StoredEntry& entry, std::initializer_list<std::pair<size_t, int>> bytes) {
    for (auto [offset, value] : bytes)
        entry[offset] = static_cast<uint8_t>(value);
}

// Checks stored bytes by offset and names the offset of any that differ.
inline void expectBytes(const StoredEntry& entry,
                        std::initializer_list<std::pair<size_t, int>> expected) {
    for (auto [offset, value] : expected)
        EXPECT_EQ(entry[offset], value) << "byte " << offset;
}
