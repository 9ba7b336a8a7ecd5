#pragma once

#include "store/dial_entry.h"
#include "store/record_store.h"

#include <vector>

// What differs between two record images, as far as an Upload carries it.
// The phone book is compared entry by entry in its decoded form, so a
// change reads as the fields a person edits, not as bytes.

// Whether an Upload of either record puts the same bytes on the machine:
// the same length and the same payload bytes within it. A record whose
// length no Upload sends counts as the same as any other such record.
bool sameUploadedRecord(const SettingRecord& a, const SettingRecord& b);

// The slots an Upload writes whose records differ, in slot order. Both
// images must hold the slot table's record ids.
std::vector<int> differingUploadedSlots(const RecordStore& before, const RecordStore& after);

// After an Upload of `sent`: the slots it wrote whose records the machine
// does not hold as they were sent, in slot order.
std::vector<int> slotsNotAsSent(const RecordStore& sent, const RecordStore& readBack);

enum class EntryTable { oneTouch, speedDial };
enum class ChangeKind { added, removed, changed };

// The parts of an entry a person sees and edits. `kind` is fax, e-mail,
// Group or program dial; `storedForm` stands alone and says that only the
// stored bytes differ (bytes no field shows).
enum class EntryField {
    kind,
    name,
    faxNumber,
    subAddress,
    sidPassword,
    batchTime,
    speed,
    emailAddress,
    emailScanOption,
    emailPaperSize,
    emailResolution,
    emailCoding,
    combinationKey,
    members,
    registered,
    storedForm,
};

struct EntryChange {
    EntryTable table = EntryTable::oneTouch;
    int index = 0; // 0-based key or entry number
    ChangeKind change = ChangeKind::changed;
    DialEntry before;               // decoded; empty for an added entry
    DialEntry after;                // decoded; empty for a removed entry
    std::vector<EntryField> fields; // for a changed entry
};

// The entries an Upload of `after` changes on a machine holding `before`,
// One Touch keys (and the Groups on them) first, then Speed Dial, each in
// number order.
std::vector<EntryChange> comparePhoneBooks(const RecordStore& before, const RecordStore& after);
