#include "phonebook/group_form.h"

#include "phonebook/entry_commands.h"
#include "resource_ids.h"

#include <algorithm>

namespace {

using MemberList = std::vector<uint8_t>;

bool contains(const MemberList& list, int index) {
    return std::find(list.begin(), list.end(), index) != list.end();
}

size_t memberTotal(const GroupForm& form) {
    return form.members.oneTouchMembers.size() + form.members.speedDialMembers.size();
}

bool isFull(const GroupForm& form) {
    return memberTotal(form) >= kMaxGroupMembers;
}

// Pickers stay ascending and hold each number once, whichever way a row
// comes back to them.
void offer(std::vector<int>& picker, int index) {
    auto place = std::lower_bound(picker.begin(), picker.end(), index);
    if (place == picker.end() || *place != index)
        picker.insert(place, index);
}

void withdraw(std::vector<int>& picker, int index) {
    picker.erase(std::remove(picker.begin(), picker.end(), index), picker.end());
}

bool isOffered(const std::vector<int>& picker, int index) {
    return std::binary_search(picker.begin(), picker.end(), index);
}

bool holdsGroup(const DialEntry& entry) {
    return entry.entryClass == kEntryClassGroup;
}

// A member stored on the machine is only trusted as an index once it names
// a key or entry that exists.
bool isKnownMember(const GroupForm& form, const GroupMember& member) {
    if (member.kind == kMemberKindOneTouch)
        return member.index < form.oneTouchKeyCount;
    if (member.kind == kMemberKindSpeedDial)
        return member.index < kSpeedDialEntryCount;
    return false;
}

GroupListRow listRow(const DialEntry& entry, int index, bool oneTouch) {
    GroupListRow row;
    row.index = index;
    if (oneTouch && holdsGroup(entry))
        row.image = kImageOneTouchGroup;
    else if (oneTouch)
        row.image = entry.isEmail != 0 ? kImageOneTouchEmail : kImageOneTouchFax;
    else
        row.image = entry.isEmail != 0 ? kImageSpeedDialEmail : kImageSpeedDialFax;
    if (entry.programDial != 0)
        row.name = {IDS_PROGRAM_DIAL, {}};
    else
        row.name = {0, std::string(fieldText(entry.name))};
    return row;
}

// Appends a member taken from another Group; false once the Group is full,
// and the member's row then stays in its picker.
bool takeMember(GroupForm& form, const GroupMember& member) {
    const bool oneTouch = member.kind == kMemberKindOneTouch;
    // The Group never lists the key it is stored on.
    if (oneTouch && member.index == form.key)
        return true;
    MemberList& list = oneTouch ? form.members.oneTouchMembers : form.members.speedDialMembers;
    if (!contains(list, member.index)) {
        list.push_back(member.index);
        if (isFull(form))
            return false;
    }
    withdraw(oneTouch ? form.oneTouchPicker : form.speedDialPicker, member.index);
    return true;
}

void addOneTouchKey(GroupForm& form, int key) {
    const DialEntry& entry = form.oneTouchEntries[static_cast<size_t>(key)];
    if (!holdsGroup(entry))
        form.members.oneTouchMembers.push_back(static_cast<uint8_t>(key));
    withdraw(form.oneTouchPicker, key);
    if (!holdsGroup(entry))
        return;
    const int count = std::min<int>(entry.memberCount, kMaxGroupMembers);
    for (int k = 0; k < count; ++k) {
        const GroupMember& member = entry.members[static_cast<size_t>(k)];
        if (isKnownMember(form, member) && !takeMember(form, member))
            return;
    }
}

std::vector<int> sorted(std::span<const int> indices) {
    std::vector<int> ordered(indices.begin(), indices.end());
    std::sort(ordered.begin(), ordered.end());
    return ordered;
}

// The members on `rows` (positions in `list`, ascending) leave the list;
// each goes back to its picker once no other place of the list holds it.
void removeMembers(MemberList& list, const std::vector<int>& rows, std::vector<int>& picker) {
    MemberList removed;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        removed.push_back(list[static_cast<size_t>(*row)]);
        list.erase(list.begin() + *row);
    }
    for (uint8_t index : removed)
        if (!contains(list, index))
            offer(picker, index);
}

} // namespace

GroupForm openGroupForm(Workspace& workspace, int key) {
    GroupForm form;
    form.key = key;
    form.oneTouchKeyCount = entryRowCount(View::oneTouch, workspace.startup.oneTouchKeyCount, 0);
    form.language = workspace.mirror.language;
    for (int k = 0; k < form.oneTouchKeyCount; ++k)
        form.oneTouchEntries[static_cast<size_t>(k)] =
            decodeOneTouchKey(workspace.mirror, workspace.programDialMarks, k);
    for (int k = 0; k < kSpeedDialEntryCount; ++k)
        form.speedDialEntries[static_cast<size_t>(k)] =
            decodeSpeedDial(workspace.mirror, workspace.store, k);

    const DialEntry current = decodeOneTouchKey(workspace.mirror, workspace.programDialMarks, key);
    setFieldText(form.group.name, fieldText(current.name).substr(0, kMaxNameLength));
    if (holdsGroup(current)) {
        const int count = std::min<int>(current.memberCount, kMaxGroupMembers);
        for (int k = 0; k < count; ++k) {
            const GroupMember& member = current.members[static_cast<size_t>(k)];
            if (!isKnownMember(form, member))
                continue;
            (member.kind == kMemberKindOneTouch ? form.members.oneTouchMembers
                                                : form.members.speedDialMembers)
                .push_back(member.index);
        }
    }

    for (int k = 0; k < form.oneTouchKeyCount; ++k) {
        const DialEntry& entry = form.oneTouchEntries[static_cast<size_t>(k)];
        if (entry.used != 0 && entry.programDial == 0 && entry.detailsWithheld == 0 &&
            !contains(form.members.oneTouchMembers, k) && k != key)
            form.oneTouchPicker.push_back(k);
    }
    for (int k = 0; k < kSpeedDialEntryCount; ++k) {
        const DialEntry& entry = form.speedDialEntries[static_cast<size_t>(k)];
        if (entry.used != 0 && entry.detailsWithheld == 0 &&
            !contains(form.members.speedDialMembers, k))
            form.speedDialPicker.push_back(k);
    }
    return form;
}

std::string groupCaptionNumber(const GroupForm& form) {
    return rowNumberText(View::speedDial, form.key);
}

std::vector<GroupListRow> oneTouchPickerRows(const GroupForm& form) {
    std::vector<GroupListRow> rows;
    for (int key : form.oneTouchPicker)
        rows.push_back(listRow(form.oneTouchEntries[static_cast<size_t>(key)], key, true));
    return rows;
}

std::vector<GroupListRow> speedDialPickerRows(const GroupForm& form) {
    std::vector<GroupListRow> rows;
    for (int index : form.speedDialPicker)
        rows.push_back(listRow(form.speedDialEntries[static_cast<size_t>(index)], index, false));
    return rows;
}

std::vector<GroupListRow> memberListRows(const GroupForm& form) {
    std::vector<GroupListRow> rows;
    for (uint8_t key : form.members.oneTouchMembers)
        rows.push_back(listRow(form.oneTouchEntries[key], key, true));
    for (uint8_t index : form.members.speedDialMembers)
        rows.push_back(listRow(form.speedDialEntries[index], index, false));
    return rows;
}

FilteredText changeGroupName(GroupForm& form, std::string_view typed) {
    FilteredText filtered = filterName(typed, form.language);
    // A longer name would make the stored Group unreadable; the edit's own
    // limit only holds for typing, not for every way text reaches it.
    setFieldText(form.group.name, std::string_view(filtered.text).substr(0, kMaxNameLength));
    return filtered;
}

void addSelectedOneTouchKeys(GroupForm& form, std::span<const int> selectedKeys) {
    // One key per pass, from the top of the picker: taking a Group apart
    // may withdraw keys selected further down.
    for (int key : sorted(selectedKeys)) {
        if (isFull(form))
            return;
        if (isOffered(form.oneTouchPicker, key) && !contains(form.members.oneTouchMembers, key))
            addOneTouchKey(form, key);
    }
}

void addSelectedSpeedDialEntries(GroupForm& form, std::span<const int> selectedEntries) {
    for (int index : sorted(selectedEntries)) {
        if (isFull(form))
            return;
        if (!isOffered(form.speedDialPicker, index) ||
            contains(form.members.speedDialMembers, index))
            continue;
        form.members.speedDialMembers.push_back(static_cast<uint8_t>(index));
        withdraw(form.speedDialPicker, index);
    }
}

void deleteSelectedMembers(GroupForm& form, std::span<const int> selectedRows) {
    const int oneTouchCount = static_cast<int>(form.members.oneTouchMembers.size());
    const int total = static_cast<int>(memberTotal(form));
    std::vector<int> oneTouchRows;
    std::vector<int> speedDialRows;
    for (int row : sorted(selectedRows)) {
        if (row < 0 || row >= total)
            continue;
        if (row < oneTouchCount)
            oneTouchRows.push_back(row);
        else
            speedDialRows.push_back(row - oneTouchCount);
    }
    oneTouchRows.erase(std::unique(oneTouchRows.begin(), oneTouchRows.end()), oneTouchRows.end());
    speedDialRows.erase(std::unique(speedDialRows.begin(), speedDialRows.end()),
                        speedDialRows.end());
    removeMembers(form.members.oneTouchMembers, oneTouchRows, form.oneTouchPicker);
    removeMembers(form.members.speedDialMembers, speedDialRows, form.speedDialPicker);
}

int groupFormRefusal(const GroupForm& form) {
    if (fieldText(form.group.name).empty())
        return IDS_GROUP_NAME_REQUIRED;
    if (memberTotal(form) == 0)
        return IDS_DATA_LIST_EMPTY;
    return 0;
}

void saveGroupForm(Workspace& workspace, GroupForm& form, const CalendarDate& today) {
    DialEntry replaced = decodeOneTouchKey(workspace.mirror, workspace.programDialMarks, form.key);
    DialEntry& group = form.group;
    group.index = static_cast<uint8_t>(form.key);
    group.used = 1;
    group.entryClass = kEntryClassGroup;
    group.highFlag = 1;
    group.regDate = packRegDate(today);
    encodeGroupFromLists(workspace.mirror, workspace.store, group, form.members, form.key);
    // The key's program-dial mark follows what the key now holds.
    decodeOneTouch(workspace.mirror, workspace.programDialMarks, form.key);
    if (replaced.entryClass == kEntryClassOneTouch) {
        // The One Touch entry is gone: no other Group may still dial it.
        replaced.index = static_cast<uint8_t>(form.key);
        removeFromGroups(workspace, replaced);
    }
    packStore(workspace.mirror, workspace.store);
    workspace.modifiedFlag = true;
}
