#pragma once

#include "link/link_channels.h"
#include "phonebook/phone_book_list_state.h"
#include "store/dial_entry.h"
#include "store/record_store.h"
#include "store/settings_mirror.h"

#include <cstdint>
#include <string>
#include <vector>

// What the interface refresh reads as one unit.
struct ViewState {
    int32_t documentLoaded = 0;
    int32_t connected = 0;
    int32_t currentView = 0; // 0 none, 1 One Touch, 2 Speed Dial, 3 Group
    int32_t selectedRow = -1;
};

// Derived once at start-up from the model string.
struct StartupValues {
    uint8_t modelFamily = 0; // 0 unknown, 1 A4 family, 2 A3 family
    std::vector<uint32_t> acceptedProductIds;
    int32_t oneTouchKeyCount = 0;
    int32_t groupCount = 0;
    int32_t firstProgramDialKey = 0;
};

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
    uint32_t linkActive = 0;
    LinkState link;
    uint8_t networkChangeFlag = 0; // kNetworkChange* of link/transfer_protocol.h
    uint8_t modifiedFlag = 0;
    int32_t treePaneWidth = 0;   // fixed at the first layout
    std::string displayFileName; // UTF-8
    std::string currentFilePath; // UTF-8
};
