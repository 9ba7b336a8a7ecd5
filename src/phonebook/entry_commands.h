#pragma once

#include "store/dial_entry.h"
#include "workspace/workspace.h"

#include <vector>

// What the user can do to one row of the entry list: copy, paste and delete
// it through the program's own clipboard, and which register dialog opens
// for it. Every function acts on row `row` of `view`; the row number is the
// key or entry index. Each one changes only the tables and the clipboard;
// the list rows follow from what it returns.

// Whether the row holds something Cut, Copy and Delete can act on: in the
// One Touch and Speed Dial views a row that shows an address (so not an
// empty entry, a program-dial key or a key holding a Group), in the Group
// view a key holding a Group.
bool isEntryRowFilled(Workspace& workspace, View view, int row);

// A change to the phone book: whether it was made, and the rows of the
// view to show afresh from the tables (the edited row first).
struct EntryEdit {
    bool done = false;
    std::vector<int> rows;
};

// Copies the row into the clipboard slot of `view`; false (and nothing
// copied) when the row holds nothing to copy.
bool copyEntry(Workspace& workspace, View view, int row);

// Writes the clipboard's entry of `view` into `row`. Refused, and nothing
// changes, when the slot is empty, when a One Touch target holds a Group,
// when a Group-view target holds a One Touch entry, or when the target is
// a marked program-dial key.
EntryEdit pasteEntry(Workspace& workspace, View view, int row);

// Empties the row and takes the deleted entry out of every Group.
EntryEdit deleteEntry(Workspace& workspace, View view, int row);

// Takes a deleted or withheld One Touch or Speed Dial entry out of every
// Group that lists it (the first matching member of each Group only); a
// Group left without members is cleared. Returns the One Touch keys whose
// Group was cleared when `removed` is a One Touch entry: their rows of the
// One Touch view change. A Group passed in changes nothing.
std::vector<int> removeFromGroups(Workspace& workspace, const DialEntry& removed);

// The list's context menu for `row`, item by item.
struct EntryMenuStates {
    bool property = false;
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool erase = false;
    bool operator==(const EntryMenuStates&) const = default;
};
EntryMenuStates entryMenuStates(Workspace& workspace, View view, int row);

// What Property, a double click or Enter on a row leads to.
enum class EntryQuestion { none, keyUsedByGroup, keyUsedByOneTouch, keyUsedByProgramDial };
enum class EntryDialog { none, registerEntry, registerGroup };
struct EntryDialogPlan {
    EntryQuestion question = EntryQuestion::none; // asked first; anything but Yes stops
    EntryDialog dialog = EntryDialog::none;
};
EntryDialogPlan planEntryDialog(Workspace& workspace, View view, int row);

// The string id of a question.
int entryQuestionStringId(EntryQuestion question);
