#include "workspace/entry_clipboard.h"

#include <gtest/gtest.h>

TEST(EntryClipboard, OneSlotAtATimeAndOnlyTheShownViewsSlotCounts) {
    EntryClipboard clipboard;
    for (View view : {View::none, View::oneTouch, View::speedDial, View::group})
        EXPECT_FALSE(isClipboardFilled(clipboard, view));
    DialEntry entry;
    entry.used = 1;
    entry.index = 17;
    fillClipboard(clipboard, View::speedDial, entry, 17);
    EXPECT_TRUE(isClipboardFilled(clipboard, View::speedDial));
    EXPECT_FALSE(isClipboardFilled(clipboard, View::oneTouch));
    EXPECT_FALSE(isClipboardFilled(clipboard, View::group));
    EXPECT_EQ(clipboardEntry(clipboard, View::speedDial), entry);
    // Source 0 is a filled slot; a new copy empties the other slots.
    fillClipboard(clipboard, View::group, DialEntry{}, 0);
    EXPECT_TRUE(isClipboardFilled(clipboard, View::group));
    EXPECT_FALSE(isClipboardFilled(clipboard, View::speedDial));
    EXPECT_EQ(clipboard.speedDialSource, -1);
}
