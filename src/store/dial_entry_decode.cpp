#include "store/dial_entry.h"

#include "store/dial_digits.h"
#include "store/machine_charset.h"
#include "store/entry_values.h"
#include "store/stored_entry_access.h"

#include <cstdio>

namespace {

struct EntryCounts {
    uint8_t flags;
    uint8_t count;
    uint8_t nameLength;
    uint8_t subCount;
    uint8_t sidCount;
};

EntryCounts readCounts(const StoredEntry& entry, const EntryLayout& layout) {
    return {entry[kEntryFlagsByte], entry[kEntryCountByte],
            entry[static_cast<size_t>(layout.nameLength)],
            entry[static_cast<size_t>(layout.subCount)],
            entry[static_cast<size_t>(layout.sidCount)]};
}

bool countsFitTheirFields(const EntryCounts& counts, bool isEmail) {
    if (isEmail)
        return counts.count <= kMaxEmailLength && counts.nameLength <= kMaxNameLength;
    return counts.count <= kMaxDialDigits && counts.nameLength <= kMaxNameLength &&
           counts.subCount <= kMaxSubSidDigits && counts.sidCount <= kMaxSubSidDigits;
}

// Copies machine text into a field in the PC code page.
template <size_t N>
void decodeText(std::array<char, N>& field, std::string_view stored, uint8_t language) {
    setFieldText(field, stored);
    fromMachineCharset(field, language);
}

void decodeName(const StoredEntry& entry, const EntryLayout& layout, uint8_t language,
                DialEntry& decoded) {
    size_t length = std::min<size_t>(entry[static_cast<size_t>(layout.nameLength)], kMaxNameLength);
    decodeText(decoded.name, storedBytes(entry, layout.name, length), language);
}

template <size_t N>
void decodeDigits(std::array<char, N>& field, const StoredEntry& entry, int offset, int count) {
    setFieldText(field, unpackDialDigits(entrySpan(entry, offset, (count + 1) / 2), count));
}

template <size_t N> void printTwoDigits(std::array<char, N>& field, int value) {
    std::snprintf(field.data(), N, "%02d", value);
}

// The e-mail fields shared by both tables. An address that holds a NUL
// inside its stated length is garbage: the stored entry is erased. Returns
// false then, with `decoded` clear.
bool decodeEmail(StoredEntry& entry, const EntryLayout& layout, const SettingsMirror& mirror,
                 DialEntry& decoded) {
    uint8_t count = entry[kEntryCountByte];
    std::string_view address = storedBytes(entry, layout.emailAddress, count);
    if (address.find('\0') != std::string_view::npos) {
        decoded = DialEntry{};
        entry.fill(0);
        return false;
    }
    decoded.used = 1;
    decoded.isEmail = 1;
    decoded.detailsWithheld = (entry[kEntryFlagsByte] & kFlagCombinationKey) ? 1 : 0;
    decodeText(decoded.emailAddress, address, mirror.language);
    if (!decoded.detailsWithheld)
        decodeName(entry, layout, mirror.language, decoded);
    decoded.emailScanOption = entry[static_cast<size_t>(layout.emailScanOption)];
    decoded.emailPaperSize = decodeEmailPaperSize(entry[static_cast<size_t>(layout.emailPaperSize)],
                                                  mirror.machineInformation.paperFamily);
    decoded.emailResolution =
        static_cast<uint8_t>(entry[static_cast<size_t>(layout.emailResolution)] - 1);
    decoded.emailCoding = entry[static_cast<size_t>(layout.emailCoding)];
    decoded.regDate = readEntryU16(entry, layout.regDate);
    return true;
}

// The fax fields shared by both tables; the batch time exists only where
// the layout has it.
void decodeFax(const StoredEntry& entry, const EntryLayout& layout, uint8_t language,
               DialEntry& decoded) {
    EntryCounts counts = readCounts(entry, layout);
    decoded.used = 1;
    decoded.isEmail = 0;
    decoded.detailsWithheld = (counts.flags & kFlagCombinationKey) ? 1 : 0;
    decodeDigits(decoded.faxNumber, entry, layout.dialDigits, counts.count);
    if (!decoded.detailsWithheld) {
        decodeName(entry, layout, language, decoded);
        if (layout.batchTime >= 0 && (counts.flags & kFlagBatchTime)) {
            uint16_t batchTime = readEntryU16(entry, layout.batchTime);
            printTwoDigits(decoded.batchHour, clockTimeHour(batchTime));
            printTwoDigits(decoded.batchMinute, clockTimeMinute(batchTime));
        }
        decodeDigits(decoded.subAddress, entry, layout.subDigits, counts.subCount);
        decodeDigits(decoded.sidPassword, entry, layout.sidDigits, counts.sidCount);
        uint8_t speedCode = entry[static_cast<size_t>(layout.speedCode)];
        decoded.speedIndex = speedCode >= 2 ? static_cast<uint8_t>(speedCode - 2) : 2;
    }
    decoded.regDate = readEntryU16(entry, layout.regDate);
}

bool isGroupPattern(uint8_t flags) {
    return (flags & kFlagHigh) && !(flags & kFlagOneTouch);
}

// A member is kept only when it names a key or entry that exists.
bool isValidMember(uint8_t kind, uint8_t storedNumber) {
    if (kind == kMemberKindOneTouch)
        return storedNumber >= 1 && storedNumber <= kOneTouchKeyCount;
    if (kind == kMemberKindSpeedDial)
        return storedNumber >= 1 && storedNumber <= kSpeedDialEntryCount;
    return false;
}

DialEntry decodeGroup(const StoredEntry& entry, uint8_t language, int index) {
    DialEntry decoded;
    decoded.index = static_cast<uint8_t>(index);
    decoded.used = 1;
    decoded.entryClass = kEntryClassGroup;
    decoded.highFlag = 1;
    decoded.detailsWithheld = (entry[kEntryFlagsByte] & kFlagCombinationKey) ? 1 : 0;
    decodeName(entry, kOneTouchLayout, language, decoded);
    decoded.regDate = readEntryU16(entry, kOneTouchLayout.regDate);
    int storedCount = std::min<int>(entry[kEntryCountByte], kMaxGroupMembers);
    for (int k = 0; k < storedCount; ++k) {
        uint8_t kind = entry[static_cast<size_t>(kGroupMembers + 2 * k)];
        uint8_t storedNumber = entry[static_cast<size_t>(kGroupMembers + 2 * k + 1)];
        if (isValidMember(kind, storedNumber))
            decoded.members[decoded.memberCount++] = {kind, static_cast<uint8_t>(storedNumber - 1)};
    }
    return decoded;
}

int programDialMarkIndex(const ProgramDialMarks& marks, int index) {
    int markIndex = index - marks.firstKey;
    return markIndex >= 0 && markIndex < static_cast<int>(marks.marks.size()) ? markIndex : -1;
}

} // namespace

bool isProgramDialMarked(const ProgramDialMarks& marks, int index) {
    int markIndex = programDialMarkIndex(marks, index);
    return markIndex >= 0 && marks.marks[static_cast<size_t>(markIndex)] != 0;
}

DialEntry decodeOneTouch(SettingsMirror& mirror, ProgramDialMarks& marks, int index) {
    DialEntry decoded;
    StoredEntry* entry = tableEntry(mirror, true, index);
    if (!entry)
        return decoded;
    int markIndex = programDialMarkIndex(marks, index);
    if (markIndex >= 0)
        marks.marks[static_cast<size_t>(markIndex)] = 0;

    EntryCounts counts = readCounts(*entry, kOneTouchLayout);
    if (counts.flags & kFlagProgramDial) {
        decoded.used = 1;
        decoded.entryClass = kEntryClassOneTouch;
        decoded.programDial = 1;
        if (markIndex >= 0)
            marks.marks[static_cast<size_t>(markIndex)] = 1;
        return decoded;
    }
    if (counts.count == 0 || counts.flags == 0)
        return decoded;
    bool isEmail = counts.flags & kFlagEmail;
    bool isGroup = isGroupPattern(counts.flags);
    bool valid = isEmail || !isGroup ? countsFitTheirFields(counts, isEmail)
                                     : counts.count <= kMaxGroupMembers;
    if (!valid)
        return decoded;

    decoded.index = static_cast<uint8_t>(index);
    if (counts.flags & kFlagOneTouch)
        decoded.entryClass = kEntryClassOneTouch;
    if (isEmail) {
        if (isGroup) {
            // An e-mail count may exceed the 50 members a DialEntry holds.
            decoded.entryClass = kEntryClassGroup;
            decoded.highFlag = 1;
            decoded.memberCount = std::min<uint8_t>(counts.count, kMaxGroupMembers);
        }
        decodeEmail(*entry, kOneTouchLayout, mirror, decoded);
        return decoded;
    }
    if (isGroup) {
        // A Group's bytes past the name are members, not dial digits: the
        // One Touch list gets its name and date, decodeOneTouchKey the rest.
        decoded.used = 1;
        decoded.entryClass = kEntryClassGroup;
        decoded.highFlag = 1;
        decoded.memberCount = counts.count;
        decoded.detailsWithheld = (counts.flags & kFlagCombinationKey) ? 1 : 0;
        if (!decoded.detailsWithheld)
            decodeName(*entry, kOneTouchLayout, mirror.language, decoded);
        decoded.regDate = readEntryU16(*entry, kOneTouchLayout.regDate);
        return decoded;
    }
    decodeFax(*entry, kOneTouchLayout, mirror.language, decoded);
    return decoded;
}

DialEntry decodeOneTouchKey(SettingsMirror& mirror, ProgramDialMarks& marks, int index) {
    const StoredEntry* entry = tableEntry(mirror, true, index);
    if (!entry)
        return DialEntry{};
    uint8_t flags = (*entry)[kEntryFlagsByte];
    uint8_t count = (*entry)[kEntryCountByte];
    if (flags & kFlagOneTouch)
        return decodeOneTouch(mirror, marks, index);
    bool isGroup = (flags & kFlagHigh) && count >= 1 && count <= kMaxGroupMembers &&
                   (*entry)[static_cast<size_t>(kOneTouchLayout.nameLength)] <= kMaxNameLength;
    if (!isGroup)
        return DialEntry{};
    return decodeGroup(*entry, mirror.language, index);
}

DialEntry decodeSpeedDial(SettingsMirror& mirror, RecordStore& store, int index) {
    DialEntry decoded;
    StoredEntry* entry = tableEntry(mirror, false, index);
    if (!entry)
        return decoded;
    EntryCounts counts = readCounts(*entry, kSpeedDialLayout);
    if (counts.count == 0 || counts.flags == 0)
        return decoded;
    bool isEmail = counts.flags & kFlagEmail;
    if (!countsFitTheirFields(counts, isEmail))
        return decoded;

    decoded.index = static_cast<uint8_t>(index);
    if (counts.flags & kFlagSpeedDial)
        decoded.entryClass = kEntryClassSpeedDial;
    decoded.highFlag = (counts.flags & kFlagHigh) ? 1 : 0;
    decoded.programDial = (counts.flags & kFlagProgramDial) ? 1 : 0;
    uint32_t& payloadLength = slotLength(store, false, index);
    if (isEmail) {
        if (decodeEmail(*entry, kSpeedDialLayout, mirror, decoded))
            payloadLength = kSpeedDialEmailLength;
        return decoded;
    }
    decodeFax(*entry, kSpeedDialLayout, mirror.language, decoded);
    payloadLength = kSpeedDialFaxLength;
    return decoded;
}
