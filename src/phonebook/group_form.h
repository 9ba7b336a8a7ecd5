#pragma once

#include "phonebook/list_rows.h"
#include "store/dial_entry.h"
#include "store/entry_values.h"
#include "store/text_filters.h"
#include "workspace/workspace.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The Group register dialog, decided apart from its controls: which One
// Touch keys and Speed Dial entries its two pickers offer, what ">>", "<<"
// and "Delete Selected" do to the Group's two member lists, what OK refuses
// and what it stores. The dialog only mirrors these lists into its three
// list views and hands back which rows the user selected.

// One row of the dialog's lists: the number (0-based), its picture and its
// name (a string-table text or the entry's own name).
struct GroupListRow {
    int index = 0;
    int image = kImageEmpty;
    RowCell name;
    bool operator==(const GroupListRow&) const = default;
};

struct GroupForm {
    int key = 0;                      // the One Touch key the Group is stored on
    int oneTouchKeyCount = 0;         // keys the machine has
    DialEntry group;                  // the name being edited
    GroupMemberLists members;         // One Touch members, Speed Dial members
    std::vector<int> oneTouchPicker;  // keys offered, ascending
    std::vector<int> speedDialPicker; // entries offered, ascending
    uint8_t language = 0;             // the machine's display language
    // Every key and entry as it was when the dialog opened; nothing else
    // changes the tables while the dialog is open. Keys are read with the
    // Group decoder, so a Group's members are never taken for dial digits.
    std::array<DialEntry, kOneTouchKeyCount> oneTouchEntries{};
    std::array<DialEntry, kSpeedDialEntryCount> speedDialEntries{};
};

// The form for One Touch key `key`: a Group starts with its name and
// members; a key holding a One Touch entry with that entry's name and no
// members. The pickers offer every used key and entry that is not yet a
// member, except this key, the program-dial keys and the combination keys.
GroupForm openGroupForm(Workspace& workspace, int key);

// The caption's number: "%03d" of key + 1.
std::string groupCaptionNumber(const GroupForm& form);

// The rows of the three lists: each picker in ascending order, the member
// list with the One Touch members first, each in member order.
std::vector<GroupListRow> oneTouchPickerRows(const GroupForm& form);
std::vector<GroupListRow> speedDialPickerRows(const GroupForm& form);
std::vector<GroupListRow> memberListRows(const GroupForm& form);

// The name edit changed to `typed` (PC code page): filtered by the display
// language and kept at most 20 characters.
FilteredText changeGroupName(GroupForm& form, std::string_view typed);

// ">>": the selected keys of the One Touch picker join the Group one at a
// time until none is left or the Group is full; a key holding a Group is
// taken apart into its members instead. Selected keys that are no longer
// offered, or already members, are passed over.
void addSelectedOneTouchKeys(GroupForm& form, std::span<const int> selectedKeys);

// "<<": the selected entries of the Speed Dial picker join the Group, in
// picker order, until the Group is full.
void addSelectedSpeedDialEntries(GroupForm& form, std::span<const int> selectedEntries);

// "Delete Selected": the members on the selected rows of the member list
// leave the Group and are offered again in their picker.
void deleteSelectedMembers(GroupForm& form, std::span<const int> selectedRows);

// What OK refuses first: the string of its message, or 0 when the Group
// may be stored.
int groupFormRefusal(const GroupForm& form);

// OK: stores the Group on its key (One Touch members first), takes a One
// Touch entry it replaces out of every other Group, packs the image and
// marks it changed. The whole Group view is to be shown afresh.
void saveGroupForm(Workspace& workspace, GroupForm& form, const CalendarDate& today);
