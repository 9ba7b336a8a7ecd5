#pragma once

#include "phonebook/phone_book_list_state.h"
#include "store/dial_entry.h"
#include "store/record_store.h"
#include "store/settings_mirror.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdint>

// The two phone-book list views of the main window: the entry list (rows of
// the current view) and the Group member list beside it.

// What the lists need from the program that shows them. The pointers lead
// into state that outlives the main window; the lists read it live, so a
// later change there shows at the next refresh.
struct EntryListContext {
    HINSTANCE exeInstance = nullptr;    // owns the controls
    HINSTANCE resourceModule = nullptr; // the column titles and cell texts
    HWND mainWindow = nullptr;
    RecordStore* store = nullptr;
    SettingsMirror* mirror = nullptr;
    ProgramDialMarks* programDialMarks = nullptr;
    PhoneBookListState* lists = nullptr;
    const int32_t* oneTouchKeyCount = nullptr;
    const int32_t* groupCount = nullptr;
    const int32_t* documentLoaded = nullptr;
    const int32_t* currentView = nullptr;
    int32_t* selectedRow = nullptr;
    // Called after a selection change so the commands follow the new row.
    void (*stateChanged)(HWND mainWindow) = nullptr;
};

// Creates both lists as children of `context.mainWindow`, sharing `images`
// (which they never destroy), and keeps `context` for every later call. The
// entry list starts with the One Touch columns and rows and is enabled only
// while a document is loaded; the member list starts hidden.
void createEntryLists(const EntryListContext& context, HIMAGELIST images);
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
