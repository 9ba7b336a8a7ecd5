#include "app/ui_state.h"

#include "resource_ids.h"

#include <array>

namespace {

// Index into the state columns: no document / document, then disconnected /
// connected.
enum StateColumn { kNoDocumentOffline, kNoDocumentOnline, kDocumentOffline, kDocumentOnline };

struct CommandRule {
    int commandId;
    bool onToolbar;
    std::array<bool, 4> enabledIn; // by StateColumn
};

constexpr std::array<CommandRule, kDocumentCommandCount> kCommandRules = {{
    {IDM_CONNECT, true, {true, false, true, false}},
    {IDM_DISCONNECT, true, {false, true, false, true}},
    {IDM_DOWNLOAD, true, {false, true, false, true}},
    {IDM_UPLOAD, true, {false, false, false, true}},
    {IDM_SAVE, true, {false, false, true, true}},
    {IDM_SETTINGS_MENU, true, {false, false, true, true}},
    {IDM_PRINT, false, {false, false, true, true}},
    {IDM_TOTAL_COUNTER, false, {false, false, true, true}},
    {IDM_CONFIGURATION, false, {false, false, true, true}},
    {IDM_VIEW_ONE_TOUCH, false, {false, false, true, true}},
    {IDM_VIEW_SPEED_DIAL, false, {false, false, true, true}},
    {IDM_VIEW_GROUP, false, {false, false, true, true}},
    {IDM_SAVE_AS, false, {false, false, true, true}},
    {IDM_EXPORT_PHONE_BOOK, false, {false, false, true, true}},
    {IDM_IMPORT_PHONE_BOOK, false, {false, false, true, true}},
}};

StateColumn stateColumn(const ViewState& view) {
    const bool document = view.documentLoaded;
    const bool online = view.connected;
    if (document)
        return online ? kDocumentOnline : kDocumentOffline;
    return online ? kNoDocumentOnline : kNoDocumentOffline;
}

} // namespace

std::array<CommandState, kDocumentCommandCount> documentCommandStates(const ViewState& view) {
    const StateColumn column = stateColumn(view);
    std::array<CommandState, kDocumentCommandCount> states{};
    for (size_t i = 0; i < kCommandRules.size(); ++i)
        states[i] = {kCommandRules[i].commandId, kCommandRules[i].enabledIn[column],
                     kCommandRules[i].onToolbar};
    return states;
}

PaneVisibility paneVisibility(const ViewState& view) {
    PaneVisibility panes;
    if (!view.documentLoaded) {
        panes.statusPane = true;
        return panes;
    }
    panes.tree = true;
    panes.statusPane = view.currentView == View::none;
    panes.entryList = view.currentView != View::none;
    panes.memberList = view.currentView == View::group;
    panes.enableTreeAndEntryList = view.connected;
    return panes;
}

int statusPaneStringId(const ViewState& view) {
    return view.connected ? IDS_CONNECT_STATUS_ONLINE : IDS_CONNECT_STATUS_OFFLINE;
}

int refreshedStatusPaneStringId(const ViewState& view) {
    return view.documentLoaded ? statusPaneStringId(view) : 0;
}

bool isCurrentRowFilled(View currentView, int memberRowCount, std::string_view addressText) {
    switch (currentView) {
    case View::oneTouch:
    case View::speedDial:
        return !addressText.empty();
    case View::group:
        return memberRowCount > 0;
    case View::none:
        return false;
    }
    return false;
}

EditCommandStates editCommandStates(const EditContext& context) {
    const bool viewShown = context.currentView != View::none;
    const bool rowActionable = viewShown && context.selectedRow >= 0 && context.currentRowFilled;
    const bool pasteable = viewShown && context.clipboardFilled;
    return {{{
        {IDM_CUT, rowActionable, false},
        {IDM_COPY, rowActionable, false},
        {IDM_PASTE, pasteable, false},
        {IDM_DELETE, rowActionable, false},
    }}};
}

std::array<CommandState, 5> treeRootPopupStates(bool online) {
    return {{
        {IDM_CONNECT, !online, false},
        {IDM_DISCONNECT, online, false},
        {IDM_TREE_DOWNLOAD, online, false},
        {IDM_TREE_UPLOAD, online, false},
        {IDM_PROPERTIES, true, false},
    }};
}

std::string_view machineName(const SettingsMirror& mirror) {
    const std::string_view field(mirror.stationName.data(), mirror.stationName.size());
    return field.substr(0, field.find('\0'));
}

namespace {

struct ViewCommand {
    View view;
    int commandId;
};

constexpr std::array<ViewCommand, 3> kViewCommands = {{
    {View::oneTouch, IDM_VIEW_ONE_TOUCH},
    {View::speedDial, IDM_VIEW_SPEED_DIAL},
    {View::group, IDM_VIEW_GROUP},
}};

} // namespace

View viewOfCommand(int commandId) {
    for (const ViewCommand& entry : kViewCommands)
        if (entry.commandId == commandId)
            return entry.view;
    return View::none;
}

int viewCommandOf(View view) {
    for (const ViewCommand& entry : kViewCommands)
        if (entry.view == view)
            return entry.commandId;
    return 0;
}
