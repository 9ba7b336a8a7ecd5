#pragma once

#include "link/link_channels.h"
#include "store/dial_entry.h"
#include "store/record_store.h"
#include "store/settings_mirror.h"
#include "workspace/entry_clipboard.h"
#include "workspace/model_string.h"
#include "workspace/print_selection.h"
#include "workspace/view_state.h"

#include <cstdint>
#include <string>

// Everything the program keeps for its lifetime. The Win32 program owns
// exactly one; every test makes its own. Fields are added by the parts of
// the program that own them.
struct Workspace {
    StartupValues startup;
    RecordStore store;
    SettingsMirror mirror;
    ProgramDialMarks programDialMarks;
    ViewState view;
    PhoneBookListState phoneBookLists;
    EntryClipboard clipboard;
    // The entry the phone-book lists, commands and register dialog decoded
    // last; the register dialog edits a copy and hands it back on OK.
    DialEntry sharedEntry;
    bool linkActive = false;
    LinkState link;
    uint8_t networkChangeFlag = 0; // kNetworkChange* of link/transfer_protocol.h
    bool modifiedFlag = false;
    PrintSelection printSelection; // the lists the last Print command chose
    int32_t treePaneWidth = 0;   // fixed at the first layout
    std::string displayFileName; // UTF-8
    std::string currentFilePath; // UTF-8
    // The hidden backup file (UTF-8): beside the resource module unless the
    // one who starts the program names another (the tests do).
    std::string backupFilePath;
};
