#include "phonebook/entry_commands.h"

#include "phonebook/list_rows.h"
#include "resource_ids.h"
#include "store/stored_entry_access.h"

#include <algorithm>
#include <span>

namespace {

constexpr int kAddressColumn = 2;

bool isRowOfView(const Workspace& workspace, View view, int row) {
    return row >= 0 && row < entryRowCount(view, workspace.startup.oneTouchKeyCount,
                                           workspace.startup.groupCount);
}

DialEntry decodeRow(Workspace& workspace, View view, int row) {
    switch (view) {
    case View::oneTouch:
        return decodeOneTouch(workspace.mirror, workspace.programDialMarks, row);
    case View::speedDial:
        return decodeSpeedDial(workspace.mirror, workspace.store, row);
    case View::group:
        return decodeOneTouchKey(workspace.mirror, workspace.programDialMarks, row);
    case View::none:
        break;
    }
    return {};
}

bool holdsGroup(const DialEntry& entry) {
    return entry.highFlag != 0 && entry.entryClass == kEntryClassGroup;
}

// The machine's program-dial keys take no pasted entry.
bool isMarkedProgramDialKey(const Workspace& workspace, int row) {
    return isProgramDialMarked(workspace.programDialMarks, row);
}

// The record image follows every change of a table, and closing asks
// whether to save it.
void commitTables(Workspace& workspace) {
    packStore(workspace.mirror, workspace.store);
    workspace.modifiedFlag = true;
}

bool pasteRefused(Workspace& workspace, View view, int row) {
    if (view == View::oneTouch) {
        DialEntry target = decodeOneTouch(workspace.mirror, workspace.programDialMarks, row);
        return target.highFlag != 0 || isMarkedProgramDialKey(workspace, row);
    }
    if (view == View::group) {
        DialEntry target = decodeOneTouchKey(workspace.mirror, workspace.programDialMarks, row);
        bool holdsOneTouchEntry = target.entryClass != 0 && target.highFlag == 0;
        return holdsOneTouchEntry || isMarkedProgramDialKey(workspace, row);
    }
    return false;
}

void writeRow(Workspace& workspace, View view, DialEntry entry, int row) {
    switch (view) {
    case View::oneTouch:
        encodeOneTouch(workspace.mirror, workspace.store, entry, row);
        break;
    case View::speedDial:
        encodeSpeedDial(workspace.mirror, workspace.store, entry, row);
        break;
    case View::group:
        encodeGroup(workspace.mirror, entry, row);
        // A key that held nothing has no length yet; without one the Group
        // would never reach the machine.
        slotLength(workspace.store, true, row) = kGroupLength;
        break;
    case View::none:
        break;
    }
}

bool isMemberOf(const GroupMember& member, const DialEntry& entry) {
    if (member.index != entry.index)
        return false;
    if ((member.kind & kMemberKindOneTouch) != 0)
        return entry.entryClass == kEntryClassOneTouch;
    if ((member.kind & kMemberKindSpeedDial) != 0)
        return entry.entryClass == kEntryClassSpeedDial;
    return false;
}

} // namespace

bool isEntryRowFilled(Workspace& workspace, View view, int row) {
    if (!isRowOfView(workspace, view, row))
        return false;
    if (view == View::group)
        return holdsGroup(decodeRow(workspace, view, row));
    ListRow shown = entryRow(view, decodeRow(workspace, view, row), row);
    const RowCell& address = shown.cells.at(kAddressColumn);
    return address.stringId != 0 || !address.text.empty();
}

bool copyEntry(Workspace& workspace, View view, int row) {
    if (!isEntryRowFilled(workspace, view, row))
        return false;
    fillClipboard(workspace.clipboard, view, decodeRow(workspace, view, row), row);
    return true;
}

EntryEdit pasteEntry(Workspace& workspace, View view, int row) {
    if (!isRowOfView(workspace, view, row) || !isClipboardFilled(workspace.clipboard, view) ||
        pasteRefused(workspace, view, row))
        return {};
    writeRow(workspace, view, clipboardEntry(workspace.clipboard, view), row);
    commitTables(workspace);
    return {true, {row}};
}

EntryEdit deleteEntry(Workspace& workspace, View view, int row) {
    if (!isEntryRowFilled(workspace, view, row))
        return {};
    DialEntry old = decodeRow(workspace, view, row);
    old.index = static_cast<uint8_t>(row);
    if (view == View::group)
        encodeGroupFromLists(workspace.mirror, workspace.store, DialEntry{}, {}, row);
    else
        writeRow(workspace, view, DialEntry{}, row);
    EntryEdit edit{true, {row}};
    for (int key : removeFromGroups(workspace, old))
        if (key != row)
            edit.rows.push_back(key);
    commitTables(workspace);
    return edit;
}

std::vector<int> removeFromGroups(Workspace& workspace, const DialEntry& removed) {
    std::vector<int> clearedKeys;
    if (removed.memberCount != 0)
        return clearedKeys;
    const int keys = entryRowCount(View::group, workspace.startup.oneTouchKeyCount,
                                   workspace.startup.groupCount);
    for (int key = 0; key < keys; ++key) {
        DialEntry group = decodeOneTouchKey(workspace.mirror, workspace.programDialMarks, key);
        if (group.memberCount == 0)
            continue;
        const int count = std::min<int>(group.memberCount, kMaxGroupMembers);
        auto members = std::span(group.members).first(static_cast<size_t>(count));
        auto match = std::find_if(members.begin(), members.end(),
                                  [&](const GroupMember& m) { return isMemberOf(m, removed); });
        if (match == members.end())
            continue;
        std::move(match + 1, members.end(), match);
        members.back() = {};
        group.memberCount = static_cast<uint8_t>(count - 1);
        if (group.memberCount != 0) {
            encodeGroup(workspace.mirror, group, key);
            continue;
        }
        encodeGroup(workspace.mirror, DialEntry{}, key);
        if (removed.entryClass == kEntryClassOneTouch)
            clearedKeys.push_back(key);
    }
    return clearedKeys;
}

EntryMenuStates entryMenuStates(Workspace& workspace, View view, int row) {
    EntryMenuStates states;
    if (!isRowOfView(workspace, view, row))
        return states;
    const StoredEntry* stored = tableEntry(workspace.mirror, view != View::speedDial, row);
    states.property =
        stored != nullptr && ((*stored)[kEntryAttributeByte] & kAttributeNotEditable) == 0;
    const bool filled = isEntryRowFilled(workspace, view, row);
    states.cut = filled;
    states.copy = filled;
    states.erase = filled;
    states.paste = isClipboardFilled(workspace.clipboard, view);
    return states;
}

EntryDialogPlan planEntryDialog(Workspace& workspace, View view, int row) {
    if (!isRowOfView(workspace, view, row))
        return {};
    DialEntry entry = decodeRow(workspace, view, row);
    workspace.sharedEntry = entry;
    switch (view) {
    case View::oneTouch:
        return {holdsGroup(entry) ? EntryQuestion::keyUsedByGroup : EntryQuestion::none,
                EntryDialog::registerEntry};
    case View::speedDial:
        return {EntryQuestion::none, EntryDialog::registerEntry};
    case View::group: {
        // A program-dial key is overwritten by OK like a One Touch entry, so
        // it is asked about the same way.
        EntryQuestion question = EntryQuestion::none;
        if (entry.entryClass == kEntryClassOneTouch)
            question = entry.programDial != 0 ? EntryQuestion::keyUsedByProgramDial
                                              : EntryQuestion::keyUsedByOneTouch;
        return {question, EntryDialog::registerGroup};
    }
    case View::none:
        break;
    }
    return {};
}

int entryQuestionStringId(EntryQuestion question) {
    switch (question) {
    case EntryQuestion::keyUsedByGroup:
        return IDS_KEY_USED_BY_GROUP;
    case EntryQuestion::keyUsedByOneTouch:
        return IDS_KEY_USED_BY_ONE_TOUCH;
    case EntryQuestion::keyUsedByProgramDial:
        return IDS_KEY_USED_BY_PROGRAM_DIAL;
    case EntryQuestion::none:
        break;
    }
    return 0;
}
