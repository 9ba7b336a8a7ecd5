#pragma once

#include "store/record_store.h"
#include "store/settings_mirror.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// ---- The machine's packed entry (StoredEntry, 130 bytes) ----

// Byte 1 of every stored entry.
constexpr uint8_t kFlagEmail = 0x01;
constexpr uint8_t kFlagFax = 0x02;
constexpr uint8_t kFlagSpeedDial = 0x04;
constexpr uint8_t kFlagOneTouch = 0x08;
constexpr uint8_t kFlagBatchTime = 0x10;      // One Touch fax only
constexpr uint8_t kFlagCombinationKey = 0x20; // fax number ends in '+'
constexpr uint8_t kFlagProgramDial = 0x40;    // One Touch only
constexpr uint8_t kFlagHigh = 0x80;           // in the One Touch table without 0x08: a Group

constexpr int kEntryAttributeByte = 0;
// In the attribute byte: the machine does not let this entry be opened.
constexpr uint8_t kAttributeNotEditable = 0x40;
constexpr int kEntryFlagsByte = 1;
constexpr int kEntryCountByte = 2;

// Where the fields of a fax or e-mail entry lie; the One Touch and Speed
// Dial tables share the fields but not the offsets. -1: not in this table.
struct EntryLayout {
    int nameLength;
    int name;
    int regDate;
    int batchTime;
    int speedCode;
    int subCount;
    int sidCount;
    int dialDigits;
    int subDigits;
    int sidDigits;
    int emailScanOption;
    int emailPaperSize;
    int emailResolution;
    int emailCoding;
    int emailAddress;
};

constexpr EntryLayout kOneTouchLayout{4, 5, 26, 28, 30, 31, 32, 33, 63, 73, 30, 31, 32, 33, 34};
constexpr EntryLayout kSpeedDialLayout{3, 4, 24, -1, 26, 27, 28, 29, 59, 69, 26, 27, 28, 29, 30};

// A Group lives in the One Touch table: the name as in a One Touch entry,
// then (kind, index + 1) pairs from byte 30 to byte 129.
constexpr int kGroupMembers = 30;

constexpr int kMaxNameLength = 20;
constexpr int kMaxDialDigits = 50;
constexpr int kMaxSubSidDigits = 20;
constexpr int kMaxEmailLength = 64;
constexpr int kMaxGroupMembers = 50;
constexpr int kDialDigitBytes = 25;
constexpr int kSubSidBytes = 10;

constexpr uint8_t kMemberKindSpeedDial = 4;
constexpr uint8_t kMemberKindOneTouch = 8;

// The payloadLength the encoders give a phone-book slot. The machine reports
// these lengths itself; 146 is larger than the payload and is kept as is.
constexpr uint32_t kOneTouchEmailLength = 130;
constexpr uint32_t kOneTouchFaxLength = 146;
constexpr uint32_t kGroupLength = 130;
constexpr uint32_t kSpeedDialEmailLength = 94;
constexpr uint32_t kSpeedDialFaxLength = 109;

// ---- The working form ----

struct GroupMember {
    uint8_t kind = 0;  // kMemberKindOneTouch or kMemberKindSpeedDial
    uint8_t index = 0; // 0-based key or entry number
    bool operator==(const GroupMember&) const = default;
};

// One phone-book entry as the program edits it; all zero when empty.
// Texts are NUL-terminated in the PC code page of the display language.
struct DialEntry {
    uint8_t index = 0;
    uint8_t used = 0;
    uint8_t isEmail = 0;
    uint8_t entryClass = 0; // 1 One Touch, 2 Speed Dial, 3 Group
    uint8_t highFlag = 0;
    uint8_t memberCount = 0;
    uint8_t detailsWithheld = 0; // combination key
    uint8_t programDial = 0;
    std::array<char, 24> name{};
    std::array<char, 54> faxNumber{};
    std::array<char, 24> subAddress{};
    std::array<char, 24> sidPassword{};
    std::array<char, 4> batchHour{};
    std::array<char, 4> batchMinute{};
    uint8_t speedIndex = 0; // 0 "9.6K", 1 "14.4K", 2 "33.6K"
    std::array<char, 69> emailAddress{};
    uint16_t regDate = 0;
    uint8_t emailScanOption = 0;
    uint8_t emailPaperSize = 0;
    uint8_t emailResolution = 0;
    uint8_t emailCoding = 0;
    std::array<GroupMember, kMaxGroupMembers> members{};
    bool operator==(const DialEntry&) const = default;
};

constexpr uint8_t kEntryClassOneTouch = 1;
constexpr uint8_t kEntryClassSpeedDial = 2;
constexpr uint8_t kEntryClassGroup = 3;

// The text of a fixed field up to its NUL (or its end when there is none).
template <size_t N> std::string_view fieldText(const std::array<char, N>& field) {
    size_t length = 0;
    while (length < N && field[length] != '\0')
        ++length;
    return {field.data(), length};
}

// Replaces a fixed field's text, cut to fit with its NUL.
template <size_t N> void setFieldText(std::array<char, N>& field, std::string_view text) {
    field.fill('\0');
    text.copy(field.data(), std::min(text.size(), N - 1));
}

// One Touch keys that are the machine's program-dial keys while their last
// decode found bit 0x40. Every family the program recognises has them on
// keys 5-8 (0-based); with an unknown family there are no keys at all.
struct ProgramDialMarks {
    int32_t firstKey = 5;
    std::array<uint8_t, 4> marks{};
};

// Whether key `index` is one of the four keys that can carry a mark, and set.
bool isProgramDialMarked(const ProgramDialMarks& marks, int index);

// The member lists the Group register dialog edits (0-based indices).
struct GroupMemberLists {
    std::vector<uint8_t> oneTouchMembers;
    std::vector<uint8_t> speedDialMembers;
};

// ---- Decoders: stored entry to DialEntry ----
// Invalid stored data decodes as an empty entry. A stored e-mail address
// holding a NUL inside its stated length erases the stored entry.

DialEntry decodeOneTouch(SettingsMirror& mirror, ProgramDialMarks& marks, int index);
DialEntry decodeOneTouchKey(SettingsMirror& mirror, ProgramDialMarks& marks, int index);
// Also sets the slot's payloadLength to 94 (e-mail) or 109 (fax).
DialEntry decodeSpeedDial(SettingsMirror& mirror, RecordStore& store, int index);

// ---- Encoders: DialEntry to stored entry ----
// Texts longer than their stored field are cut to fit.

// A program-dial entry is never written. A fax entry without a SUB address
// loses its SID password, in `entry` too.
void encodeOneTouch(SettingsMirror& mirror, RecordStore& store, DialEntry& entry, int index);
void encodeSpeedDial(SettingsMirror& mirror, RecordStore& store, const DialEntry& entry, int index);
// Leaves the slot's payloadLength unchanged.
void encodeGroup(SettingsMirror& mirror, const DialEntry& entry, int index);
// Members come from the lists, One Touch first; sets payloadLength to 130.
void encodeGroupFromLists(SettingsMirror& mirror, RecordStore& store, const DialEntry& entry,
                          const GroupMemberLists& lists, int index);
void expandGroupMembers(const DialEntry& entry, GroupMemberLists& lists);
