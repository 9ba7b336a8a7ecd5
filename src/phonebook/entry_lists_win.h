#pragma once

#include "store/dial_entry.h"

#include <windows.h>

#include <commctrl.h>

// The two phone-book list views of the main window: the entry list (rows of
// the current view) and the Group member list beside it.

// Creates both lists as children of `mainWindow`, sharing `images` (which
// they never destroy). The entry list starts with the One Touch columns and
// rows and is enabled only while a document is loaded; the member list
// starts hidden.
void createEntryLists(HWND mainWindow, HIMAGELIST images);
void destroyEntryLists();

// The lists of the shell's main window, or null when it has none.
HWND entryListWindow();
HWND memberListWindow();

// Notification handlers for the two lists; both return 0.
LRESULT onEntryListNotify(HWND mainWindow, NMHDR* header);
LRESULT onMemberListNotify(HWND mainWindow, NMHDR* header);

// Shows view 1-3 in the entry list: adjusts its columns, rebuilds its rows
// and makes row 0 current and selected.
void showPhoneBookView(HWND mainWindow, int view);

// Rebuild every row of one view from the entry tables.
void refreshOneTouchList(HWND list);
void refreshSpeedDialList(HWND list);
void refreshGroupList(HWND list);

// Insert the row of key or entry `index` built from `entry`; the caller has
// deleted the row that showed it before. The list's sort puts it in place.
void insertOneTouchRow(HWND list, const DialEntry& entry, int index);
void insertSpeedDialRow(HWND list, const DialEntry& entry, int index);
void insertGroupRow(HWND list, const DialEntry& entry, int index);

// Adds the members of Group `group` to the member list, in member order.
void fillMemberList(HWND list, const DialEntry& group);

// The key or entry index the phone-book commands act on.
int currentRow();
