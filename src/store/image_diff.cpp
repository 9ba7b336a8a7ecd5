#include "store/image_diff.h"

#include "store/settings_mirror.h"

#include <algorithm>
#include <memory>

namespace {

bool isSent(const SettingRecord& record) {
    return record.payloadLength <= kLongestRecordLength;
}

// Both images decoded the way the lists decode them. The decoders may mend
// what they read (an e-mail entry with a NUL in its address is erased), so
// they work on copies and never on the images compared.
struct DecodedImage {
    RecordStore store;
    SettingsMirror mirror;
    ProgramDialMarks marks;

    explicit DecodedImage(const RecordStore& image) : store(image) { unpackStore(store, mirror); }

    // A One Touch key holds an entry, a Group or nothing.
    DialEntry oneTouchKey(int index) {
        DialEntry group = decodeOneTouchKey(mirror, marks, index);
        return group.entryClass == kEntryClassGroup ? group : decodeOneTouch(mirror, marks, index);
    }
    DialEntry speedDial(int index) { return decodeSpeedDial(mirror, store, index); }
};

int entryKind(const DialEntry& entry) {
    if (entry.programDial)
        return 3;
    if (entry.entryClass == kEntryClassGroup)
        return 2;
    return entry.isEmail ? 1 : 0;
}

bool sameMembers(const DialEntry& a, const DialEntry& b) {
    if (a.memberCount != b.memberCount)
        return false;
    const size_t count = std::min<size_t>(a.memberCount, kMaxGroupMembers);
    return std::equal(a.members.begin(), a.members.begin() + static_cast<long>(count),
                      b.members.begin());
}

// One row per field: whether the two entries show it differently.
struct FieldRule {
    EntryField field;
    bool (*differs)(const DialEntry& a, const DialEntry& b);
};

template <size_t N> bool textDiffers(const std::array<char, N>& a, const std::array<char, N>& b) {
    return fieldText(a) != fieldText(b);
}

const FieldRule kFieldRules[] = {
    {EntryField::kind,
     [](const DialEntry& a, const DialEntry& b) { return entryKind(a) != entryKind(b); }},
    {EntryField::name,
     [](const DialEntry& a, const DialEntry& b) { return textDiffers(a.name, b.name); }},
    {EntryField::faxNumber,
     [](const DialEntry& a, const DialEntry& b) { return textDiffers(a.faxNumber, b.faxNumber); }},
    {EntryField::subAddress,
     [](const DialEntry& a, const DialEntry& b) {
         return textDiffers(a.subAddress, b.subAddress);
     }},
    {EntryField::sidPassword,
     [](const DialEntry& a, const DialEntry& b) {
         return textDiffers(a.sidPassword, b.sidPassword);
     }},
    {EntryField::batchTime,
     [](const DialEntry& a, const DialEntry& b) {
         return textDiffers(a.batchHour, b.batchHour) || textDiffers(a.batchMinute, b.batchMinute);
     }},
    {EntryField::speed,
     [](const DialEntry& a, const DialEntry& b) {
         return !a.isEmail && !b.isEmail && a.speedIndex != b.speedIndex;
     }},
    {EntryField::emailAddress,
     [](const DialEntry& a, const DialEntry& b) {
         return textDiffers(a.emailAddress, b.emailAddress);
     }},
    {EntryField::emailScanOption,
     [](const DialEntry& a, const DialEntry& b) { return a.emailScanOption != b.emailScanOption; }},
    {EntryField::emailPaperSize,
     [](const DialEntry& a, const DialEntry& b) { return a.emailPaperSize != b.emailPaperSize; }},
    {EntryField::emailResolution,
     [](const DialEntry& a, const DialEntry& b) { return a.emailResolution != b.emailResolution; }},
    {EntryField::emailCoding,
     [](const DialEntry& a, const DialEntry& b) { return a.emailCoding != b.emailCoding; }},
    {EntryField::combinationKey,
     [](const DialEntry& a, const DialEntry& b) { return a.detailsWithheld != b.detailsWithheld; }},
    {EntryField::members,
     [](const DialEntry& a, const DialEntry& b) { return !sameMembers(a, b); }},
    {EntryField::registered,
     [](const DialEntry& a, const DialEntry& b) { return a.regDate != b.regDate; }},
};

void compareEntry(std::vector<EntryChange>& changes, EntryTable table, int index,
                  const DialEntry& before, const DialEntry& after) {
    if (!before.used && !after.used)
        return;
    EntryChange change{.table = table, .index = index, .before = before, .after = after};
    if (!before.used) {
        change.change = ChangeKind::added;
    } else if (!after.used) {
        change.change = ChangeKind::removed;
    } else {
        for (const FieldRule& rule : kFieldRules)
            if (rule.differs(before, after))
                change.fields.push_back(rule.field);
        if (change.fields.empty())
            change.fields.push_back(EntryField::storedForm);
    }
    changes.push_back(std::move(change));
}

} // namespace

bool sameUploadedRecord(const SettingRecord& a, const SettingRecord& b) {
    if (!isSent(a) && !isSent(b))
        return true;
    if (a.payloadLength != b.payloadLength)
        return false;
    const size_t length = std::min<size_t>(a.payloadLength, kPayloadSize);
    return std::equal(a.payload.begin(), a.payload.begin() + static_cast<long>(length),
                      b.payload.begin());
}

std::vector<int> differingUploadedSlots(const RecordStore& before, const RecordStore& after) {
    std::vector<int> slots;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto s = static_cast<size_t>(slot);
        if (!uploadSkipsSlot(after, slot) && !sameUploadedRecord(before.slots[s], after.slots[s]))
            slots.push_back(slot);
    }
    return slots;
}

std::vector<int> slotsNotAsSent(const RecordStore& sent, const RecordStore& readBack) {
    std::vector<int> slots;
    for (int slot : differingUploadedSlots(readBack, sent))
        if (isSent(sent.slots[static_cast<size_t>(slot)]))
            slots.push_back(slot);
    return slots;
}

std::vector<EntryChange> comparePhoneBooks(const RecordStore& before, const RecordStore& after) {
    std::vector<EntryChange> changes;
    std::unique_ptr<DecodedImage> old;
    std::unique_ptr<DecodedImage> now;
    // Entries are decoded only where the records differ, and the images
    // only once one does: an unchanged phone book costs a byte compare.
    const auto compareSlot = [&](EntryTable table, int firstSlot, int index) {
        const auto slot = static_cast<size_t>(firstSlot + index);
        if (sameUploadedRecord(before.slots[slot], after.slots[slot]))
            return;
        if (!old) {
            old = std::make_unique<DecodedImage>(before);
            now = std::make_unique<DecodedImage>(after);
        }
        if (table == EntryTable::oneTouch)
            compareEntry(changes, table, index, old->oneTouchKey(index), now->oneTouchKey(index));
        else
            compareEntry(changes, table, index, old->speedDial(index), now->speedDial(index));
    };
    for (int key = 0; key < kOneTouchKeyCount; ++key)
        compareSlot(EntryTable::oneTouch, kOneTouchFirstSlot, key);
    for (int entry = 0; entry < kSpeedDialEntryCount; ++entry)
        compareSlot(EntryTable::speedDial, kSpeedDialFirstSlot, entry);
    return changes;
}
