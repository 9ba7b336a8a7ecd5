#pragma once

#include "store/dial_entry_test_support.h"
#include "workspace/workspace.h"

#include <initializer_list>

// A Workspace with a fresh image, nine One Touch keys and nine Group
// locations, and helpers that register entries as the dialogs leave them.
struct PhoneBookWorkspace {
    Workspace workspace;

    PhoneBookWorkspace() {
        initStore(workspace.store);
        workspace.startup.oneTouchKeyCount = 9;
        workspace.startup.groupCount = 9;
    }

    void oneTouch(int key, DialEntry entry) {
        entry.entryClass = kEntryClassOneTouch;
        encodeOneTouch(workspace.mirror, workspace.store, entry, key);
    }
    void speedDial(int index, DialEntry entry) {
        entry.entryClass = kEntryClassSpeedDial;
        encodeSpeedDial(workspace.mirror, workspace.store, entry, index);
    }
    void group(int key, const char* name, std::initializer_list<GroupMember> members) {
        encodeGroup(workspace.mirror, groupOf(name, members), key);
    }
    // The machine marks its program-dial keys itself; decoding sets the mark.
    void programDialKey(int key) {
        workspace.mirror.oneTouchTable[static_cast<size_t>(key)][kEntryFlagsByte] =
            kFlagOneTouch | kFlagProgramDial;
        decodeOneTouch(workspace.mirror, workspace.programDialMarks, key);
    }

    DialEntry groupAt(int key) {
        return decodeOneTouchKey(workspace.mirror, workspace.programDialMarks, key);
    }
    StoredEntry& oneTouchBytes(int key) {
        return workspace.mirror.oneTouchTable[static_cast<size_t>(key)];
    }
};

constexpr GroupMember oneTouchMember(uint8_t key) {
    return {kMemberKindOneTouch, key};
}
constexpr GroupMember speedDialMember(uint8_t index) {
    return {kMemberKindSpeedDial, index};
}
