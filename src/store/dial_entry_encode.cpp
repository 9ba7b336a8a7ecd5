#include "store/dial_entry.h"

#include "store/dial_digits.h"
#include "store/machine_charset.h"
#include "store/entry_values.h"
#include "store/stored_entry_access.h"

#include <cstring>

namespace {

// Writes a text into the stored entry in the machine's character set. The
// caller's entry keeps its PC form: a copy is mapped. Returns the length
// written, cut to `maxLength`.
template <size_t N>
uint8_t encodeText(StoredEntry& entry, int offset, const std::array<char, N>& field,
                   size_t maxLength, uint8_t language) {
    std::array<char, N> machineText = field;
    toMachineCharset(machineText, language);
    std::string_view text = fieldText(machineText);
    std::span<uint8_t> target = entrySpan(entry, offset, std::min(text.size(), maxLength));
    std::memcpy(target.data(), text.data(), target.size());
    return static_cast<uint8_t>(target.size());
}

void encodeName(StoredEntry& entry, const EntryLayout& layout, const DialEntry& source,
                uint8_t language) {
    entry[static_cast<size_t>(layout.nameLength)] =
        encodeText(entry, layout.name, source.name, kMaxNameLength, language);
}

// Packs a dial string into its zeroed field; returns the digit count.
template <size_t N>
uint8_t encodeDigits(StoredEntry& entry, int offset, int fieldBytes,
                     const std::array<char, N>& field) {
    std::string_view text = fieldText(field);
    size_t count = std::min(text.size(), static_cast<size_t>(fieldBytes) * 2);
    std::span<uint8_t> target = entrySpan(entry, offset, static_cast<size_t>(fieldBytes));
    std::fill(target.begin(), target.end(), uint8_t{0});
    packDialDigits(target, text, static_cast<int>(count));
    return static_cast<uint8_t>(count);
}

void encodeEmail(StoredEntry& entry, const EntryLayout& layout, const SettingsMirror& mirror,
                 const DialEntry& source) {
    entry[kEntryCountByte] = encodeText(entry, layout.emailAddress, source.emailAddress,
                                        kMaxEmailLength, mirror.language);
    encodeName(entry, layout, source, mirror.language);
    entry[static_cast<size_t>(layout.emailScanOption)] = source.emailScanOption;
    entry[static_cast<size_t>(layout.emailPaperSize)] =
        encodeEmailPaperSize(source.emailPaperSize, mirror.machineInformation.paperFamily);
    entry[static_cast<size_t>(layout.emailResolution)] =
        static_cast<uint8_t>(source.emailResolution + 1);
    entry[static_cast<size_t>(layout.emailCoding)] = source.emailCoding;
    writeEntryU16(entry, layout.regDate, source.regDate);
}

// The fax fields shared by both tables: number, name, date and speed.
void encodeFax(StoredEntry& entry, const EntryLayout& layout, uint8_t language,
               const DialEntry& source) {
    entry[kEntryCountByte] =
        encodeDigits(entry, layout.dialDigits, kDialDigitBytes, source.faxNumber);
    encodeName(entry, layout, source, language);
    writeEntryU16(entry, layout.regDate, source.regDate);
    entry[static_cast<size_t>(layout.speedCode)] = static_cast<uint8_t>(source.speedIndex + 2);
}

template <size_t N> int decimalValue(const std::array<char, N>& field) {
    int value = 0;
    for (char character : fieldText(field)) {
        if (character < '0' || character > '9')
            break;
        value = value * 10 + (character - '0');
    }
    return value;
}

uint8_t flagIf(bool condition, uint8_t flag) {
    return condition ? flag : 0;
}

// A Group: flags 0x80, the name, then at most 50 (kind, index + 1) pairs.
void writeGroup(StoredEntry& entry, uint8_t language, const DialEntry& source,
                std::span<const GroupMember> members) {
    entry[kEntryFlagsByte] = kFlagHigh;
    encodeName(entry, kOneTouchLayout, source, language);
    writeEntryU16(entry, kOneTouchLayout.regDate, source.regDate);
    size_t count = std::min(members.size(), static_cast<size_t>(kMaxGroupMembers));
    entry[kEntryCountByte] = static_cast<uint8_t>(count);
    for (size_t k = 0; k < count; ++k) {
        entry[kGroupMembers + 2 * k] = members[k].kind;
        entry[kGroupMembers + 2 * k + 1] = static_cast<uint8_t>(members[k].index + 1);
    }
}

} // namespace

void encodeOneTouch(SettingsMirror& mirror, RecordStore& store, DialEntry& source, int index) {
    StoredEntry* entry = tableEntry(mirror, true, index);
    if (!entry || source.programDial)
        return;
    entry->fill(0);
    if (!source.used)
        return;
    uint8_t classFlag = flagIf(source.entryClass == kEntryClassOneTouch, kFlagOneTouch);
    uint8_t withheldFlag = flagIf(source.detailsWithheld, kFlagCombinationKey);
    if (source.isEmail) {
        encodeEmail(*entry, kOneTouchLayout, mirror, source);
        (*entry)[kEntryFlagsByte] = kFlagEmail | classFlag | withheldFlag;
        slotLength(store, true, index) = kOneTouchEmailLength;
        return;
    }
    // The machine dials a SID only after a SUB address.
    if (fieldText(source.subAddress).empty())
        source.sidPassword.fill('\0');
    encodeFax(*entry, kOneTouchLayout, mirror.language, source);
    bool hasBatchTime =
        !fieldText(source.batchHour).empty() && !fieldText(source.batchMinute).empty();
    (*entry)[kEntryFlagsByte] = kFlagFax | classFlag | flagIf(source.highFlag == 1, kFlagHigh) |
                                withheldFlag | flagIf(hasBatchTime, kFlagBatchTime);
    writeEntryU16(*entry, kOneTouchLayout.batchTime,
                  packClockTime(decimalValue(source.batchHour), decimalValue(source.batchMinute)));
    (*entry)[static_cast<size_t>(kOneTouchLayout.subCount)] =
        encodeDigits(*entry, kOneTouchLayout.subDigits, kSubSidBytes, source.subAddress);
    (*entry)[static_cast<size_t>(kOneTouchLayout.sidCount)] =
        encodeDigits(*entry, kOneTouchLayout.sidDigits, kSubSidBytes, source.sidPassword);
    slotLength(store, true, index) = kOneTouchFaxLength;
}

void encodeSpeedDial(SettingsMirror& mirror, RecordStore& store, const DialEntry& source,
                     int index) {
    StoredEntry* entry = tableEntry(mirror, false, index);
    if (!entry)
        return;
    entry->fill(0);
    if (!source.used)
        return;
    uint8_t withheldFlag = flagIf(source.detailsWithheld, kFlagCombinationKey);
    if (source.isEmail) {
        encodeEmail(*entry, kSpeedDialLayout, mirror, source);
        (*entry)[kEntryFlagsByte] = kFlagEmail | kFlagSpeedDial | withheldFlag;
        slotLength(store, false, index) = kSpeedDialEmailLength;
        return;
    }
    // Speed Dial entries carry no SUB, SID or batch time: they stay zero.
    encodeFax(*entry, kSpeedDialLayout, mirror.language, source);
    (*entry)[kEntryFlagsByte] =
        kFlagFax | kFlagSpeedDial | withheldFlag | flagIf(source.highFlag, kFlagHigh);
    slotLength(store, false, index) = kSpeedDialFaxLength;
}

void encodeGroup(SettingsMirror& mirror, const DialEntry& source, int index) {
    StoredEntry* entry = tableEntry(mirror, true, index);
    if (!entry)
        return;
    entry->fill(0);
    if (!source.used)
        return;
    size_t count = std::min<size_t>(source.memberCount, source.members.size());
    writeGroup(*entry, mirror.language, source, std::span(source.members.data(), count));
}

void encodeGroupFromLists(SettingsMirror& mirror, RecordStore& store, const DialEntry& source,
                          const GroupMemberLists& lists, int index) {
    StoredEntry* entry = tableEntry(mirror, true, index);
    if (!entry)
        return;
    entry->fill(0);
    if (source.used) {
        std::vector<GroupMember> members;
        for (uint8_t member : lists.oneTouchMembers)
            members.push_back({kMemberKindOneTouch, member});
        for (uint8_t member : lists.speedDialMembers)
            members.push_back({kMemberKindSpeedDial, member});
        writeGroup(*entry, mirror.language, source, members);
    }
    slotLength(store, true, index) = kGroupLength;
}

void expandGroupMembers(const DialEntry& source, GroupMemberLists& lists) {
    size_t count = std::min<size_t>(source.memberCount, source.members.size());
    for (size_t k = 0; k < count; ++k) {
        const GroupMember& member = source.members[k];
        if (member.kind & kMemberKindOneTouch)
            lists.oneTouchMembers.push_back(member.index);
        else
            lists.speedDialMembers.push_back(member.index);
    }
}
