#pragma once

#include "store/dial_entry.h"
#include "workspace/view_state.h"

#include <cstdint>

// The program's own clipboard for phone-book entries, one slot per view; the
// system clipboard is never used. A slot is filled while its source is not
// -1, and only one slot is filled at a time. It lives for the run and is
// never saved: a copy is a snapshot that later edits of its source leave
// alone.
struct EntryClipboard {
    int32_t oneTouchSource = -1;  // key the One Touch entry was copied from
    int32_t speedDialSource = -1; // Speed Dial entry number
    int32_t groupSource = -1;     // key the Group was copied from
    DialEntry oneTouchEntry;
    DialEntry speedDialEntry;
    DialEntry groupEntry;
};

// Whether the slot of `view` holds an entry; never for View::none.
bool isClipboardFilled(const EntryClipboard& clipboard, View view);

// Puts `entry`, copied from row `source` of `view`, into that view's slot
// and empties the other two.
void fillClipboard(EntryClipboard& clipboard, View view, const DialEntry& entry, int32_t source);

// The entry held for `view`; the caller has checked that the slot is filled.
const DialEntry& clipboardEntry(const EntryClipboard& clipboard, View view);
