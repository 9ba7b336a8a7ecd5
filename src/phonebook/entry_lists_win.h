#pragma once

#include "store/dial_entry.h"
#include "workspace/workspace.h"

#include <windows.h>

#include <commctrl.h>

#include <vector>

// The two phone-book list views of the main window: the entry list (rows of
// the current view) and the Group member list beside it. They show the
// Workspace they are given; the main window owns them as its children.

// Creates both lists as children of `mainWindow`, sharing `images` (which
// they never destroy). The entry list starts with the One Touch columns and
// rows and is enabled only while a document is loaded; the member list
// starts hidden. False when either list could not be made.
bool createEntryLists(HWND mainWindow, HINSTANCE instance, HIMAGELIST images, Workspace& workspace);
void destroyEntryLists(HWND mainWindow);

// The lists of the main window, or null when it has none.
HWND entryListWindow(HWND mainWindow);
HWND memberListWindow(HWND mainWindow);

// Notification handlers for the two lists; true when the row the entry
// commands act on changed, so the commands must follow it. Activating a row
// of either list (double click, Enter) opens the register dialog of the
// entry list's focused row.
bool onEntryListNotify(HWND mainWindow, Workspace& workspace, const NMHDR& header);
bool onMemberListNotify(HWND mainWindow, Workspace& workspace, const NMHDR& header);

// Shows `view` in the entry list: adjusts its columns, rebuilds its rows
// and makes row 0 current and selected.
void showPhoneBookView(HWND mainWindow, Workspace& workspace, View view);

// Rebuild every row of one view from the entry tables.
void refreshOneTouchList(HWND list, Workspace& workspace);
void refreshSpeedDialList(HWND list, Workspace& workspace);
void refreshGroupList(HWND list, Workspace& workspace);

// Shows rows `rows` of `view` afresh from the entry tables.
void replaceEntryRows(HWND list, Workspace& workspace, View view, const std::vector<int>& rows);
// Gives row `row` the selection and the focus, as a click would.
void selectEntryRow(HWND list, int row);

// Insert the row of key or entry `index` built from `entry`; the caller has
// deleted the row that showed it before. The list's sort puts it in place.
void insertOneTouchRow(HWND list, const Workspace& workspace, const DialEntry& entry, int index);
void insertSpeedDialRow(HWND list, const Workspace& workspace, const DialEntry& entry, int index);
void insertGroupRow(HWND list, const Workspace& workspace, const DialEntry& entry, int index);

// Adds the members of Group `group` to the member list, in member order.
void fillMemberList(HWND list, Workspace& workspace, const DialEntry& group);
