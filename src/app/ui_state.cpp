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
}};

StateColumn stateColumn(const ViewState& view) {
    const bool document = view.documentLoaded == 1;
    const bool online = view.connected == 1;
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
    if (view.documentLoaded != 1) {
        panes.statusPane = true;
        return panes;
    }
    panes.tree = true;
    panes.statusPane = view.currentView == 0;
    panes.entryList = view.currentView != 0;
    panes.memberList = view.currentView == 3;
    panes.enableTreeAndEntryList = view.connected == 1;
    return panes;
}

int statusPaneStringId(const ViewState& view) {
    return view.connected == 1 ? IDS_CONNECT_STATUS_ONLINE : IDS_CONNECT_STATUS_OFFLINE;
}

int refreshedStatusPaneStringId(const ViewState& view) {
    return view.documentLoaded == 1 ? statusPaneStringId(view) : 0;
}

bool isCurrentRowFilled(int32_t currentView, int memberRowCount, std::string_view addressText) {
    switch (currentView) {
    case 1:
    case 2:
        return !addressText.empty();
    case 3:
        return memberRowCount > 0;
    default:
        return false;
    }
}

EditCommandStates editCommandStates(const EditContext& context) {
    const bool viewShown = context.currentView != 0;
    const bool rowActionable = viewShown && context.selectedRow >= 0 && context.currentRowFilled;
    bool pasteable = viewShown;
    switch (context.currentView) {
    case 1:
        pasteable = context.clipboard.oneTouch != -1;
        break;
    case 2:
        pasteable = context.clipboard.speedDial != -1;
        break;
    case 3:
        pasteable = context.clipboard.group != -1;
        break;
    default:
        break;
    }
    return {{{
        {IDM_CUT, rowActionable, false},
        {IDM_COPY, rowActionable, false},
        {IDM_PASTE, pasteable, false},
        {IDM_DELETE, rowActionable, false},
    }}};
}

std::array<CommandState, 5> treeRootPopupStates(int32_t connected) {
    const bool online = connected == 1;
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
