#pragma once

#include "store/image_diff.h"
#include "store/record_store.h"

#include <string>
#include <vector>

// The comparison of two record images as a person reads it, in UTF-8. The
// "Changes on the machine" dialog and zelt-dat diff both show this list, so
// the program and the tool never describe one change in two ways.

struct FieldChange {
    std::string name;   // empty: the change has one value and no field name
    std::string before; // empty for an added entry's fields
    std::string after;  // empty for a removed entry's fields
};

struct ImageChange {
    std::string
        subject; // "Speed Dial 12 (Office)", "Machine Setting: Buzzer Volume", "Record 0x10402"
    ChangeKind change = ChangeKind::changed;
    std::vector<FieldChange> fields;
};

// Everything an Upload of `after` changes on a machine holding `before`:
// the station name and number, each setting named as its page shows it (a
// record that no page names by its id and bytes), then the phone book.
// The records an Upload never writes are left out.
std::vector<ImageChange> describeImageChanges(const RecordStore& before, const RecordStore& after);

// One line per change and one indented line per field; `noneTextId` is the
// sentence shown when the list is empty.
std::string imageChangesText(const std::vector<ImageChange>& changes, int noneTextId);
// The same list for scripts: {"changes": [{"subject", "change", "fields":
// [{"name", "before", "after"}]}]}.
std::string imageChangesJson(const std::vector<ImageChange>& changes);

// The records that differ after a verify, one "Record 0x..." per line.
std::string recordListText(const std::vector<int>& slots);
