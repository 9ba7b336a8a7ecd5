#pragma once

#include "workspace/workspace.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// What the interface refresh enables, grays, shows and hides, decided from
// the view state alone so it can be checked without a window.

struct CommandState {
    int commandId = 0;
    bool enabled = false;
    bool onToolbar = false; // also a toolbar button, set apart from the menu item
    friend bool operator==(const CommandState&, const CommandState&) = default;
};

// The commands that follow the document and connection state. Open,
// Properties, Exit, Help Topics and About are never grayed and are absent.
constexpr size_t kDocumentCommandCount = 15;
std::array<CommandState, kDocumentCommandCount> documentCommandStates(const ViewState& view);

struct PaneVisibility {
    bool tree = false;
    bool entryList = false;
    bool memberList = false;
    bool statusPane = false;
    // The refresh only ever enables the tree and the main list; disabling
    // them is left to the commands that unload a document.
    bool enableTreeAndEntryList = false;
    friend bool operator==(const PaneVisibility&, const PaneVisibility&) = default;
};

PaneVisibility paneVisibility(const ViewState& view);

// String id for the status pane: online or offline.
int statusPaneStringId(const ViewState& view);
// The refresh rewrites the status pane only while a document is loaded; 0
// means leave its text as it is.
int refreshedStatusPaneStringId(const ViewState& view);

struct EditContext {
    View currentView = View::none;
    int32_t selectedRow = -1;
    bool currentRowFilled = false;
    bool clipboardFilled = false; // the entry clipboard's slot of currentView
};

// Whether the row the edit commands act on holds an entry: in the Group view
// the member list shows the Group's members; elsewhere the row has an address.
bool isCurrentRowFilled(View currentView, int memberRowCount, std::string_view addressText);

struct EditCommandStates {
    std::array<CommandState, 4> items; // Cut, Copy, Paste, Delete
};

EditCommandStates editCommandStates(const EditContext& context);

// The tree root popup: Connect while disconnected, the rest while connected;
// Property always.
std::array<CommandState, 5> treeRootPopupStates(bool connected);

// The machine's name on the tree root: the station name of the mirror up to
// its first NUL, in the PC code page of the machine's display language.
std::string_view machineName(const SettingsMirror& mirror);

// The View menu's commands and the views they show; View::none for any
// other command, 0 for View::none.
View viewOfCommand(int commandId);
int viewCommandOf(View view);
