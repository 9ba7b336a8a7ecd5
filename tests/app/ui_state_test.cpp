#include "app/ui_state.h"

#include "resource_ids.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

ViewState stateOf(int documentLoaded, int connected, int currentView = 0, int selectedRow = -1) {
    return ViewState{documentLoaded != 0, connected != 0, static_cast<View>(currentView),
                     selectedRow};
}

} // namespace

TEST(UiState, CommandTableForTheFourDocumentAndConnectionStates) {
    // Connect, Disconnect, Download, Upload, Save, Menu, then the menu-only group.
    struct Expected {
        int documentLoaded, connected;
        bool connect, disconnect, download, upload, save, menu, documentOnly;
    };
    const Expected cases[] = {
        {0, 0, true, false, false, false, false, false, false},
        {0, 1, false, true, true, false, false, false, false},
        {1, 0, true, false, false, false, true, true, true},
        {1, 1, false, true, true, true, true, true, true},
    };
    const std::set<int> onToolbar = {IDM_CONNECT, IDM_DISCONNECT, IDM_DOWNLOAD,
                                     IDM_UPLOAD,  IDM_SAVE,       IDM_SETTINGS_MENU};
    for (const Expected& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "document " << c.documentLoaded << " connected " << c.connected);
        std::map<int, bool> enabled;
        for (const CommandState& state :
             documentCommandStates(stateOf(c.documentLoaded, c.connected))) {
            enabled[state.commandId] = state.enabled;
            EXPECT_EQ(state.onToolbar, onToolbar.count(state.commandId) == 1) << state.commandId;
        }
        EXPECT_EQ(enabled.size(), kDocumentCommandCount);
        EXPECT_EQ(enabled[IDM_CONNECT], c.connect);
        EXPECT_EQ(enabled[IDM_DISCONNECT], c.disconnect);
        EXPECT_EQ(enabled[IDM_DOWNLOAD], c.download);
        EXPECT_EQ(enabled[IDM_UPLOAD], c.upload);
        EXPECT_EQ(enabled[IDM_SAVE], c.save);
        EXPECT_EQ(enabled[IDM_SETTINGS_MENU], c.menu);
        for (int id : {IDM_PRINT, IDM_TOTAL_COUNTER, IDM_CONFIGURATION, IDM_VIEW_ONE_TOUCH,
                       IDM_VIEW_SPEED_DIAL, IDM_VIEW_GROUP, IDM_SAVE_AS})
            EXPECT_EQ(enabled[id], c.documentOnly) << id;
        // Commands that are never grayed are not in the table at all.
        for (int id : {IDM_OPEN, IDM_PROPERTIES, IDM_EXIT, IDM_HELP_TOPICS, IDM_ABOUT})
            EXPECT_EQ(enabled.count(id), 0u) << id;
    }
}

TEST(UiState, PanesAndStatusTextFollowDocumentConnectionAndView) {
    // Panes: tree, entry list, member list, status pane, enable tree and list.
    // The status text is refreshed only with a document.
    struct Case {
        int documentLoaded, connected, view;
        PaneVisibility panes;
        int status, refreshedStatus;
    };
    constexpr int off = IDS_CONNECT_STATUS_OFFLINE, on = IDS_CONNECT_STATUS_ONLINE;
    const Case cases[] = {
        {0, 0, 0, {false, false, false, true, false}, off, 0},
        {0, 1, 3, {false, false, false, true, false}, on, 0},
        {1, 0, 0, {true, false, false, true, false}, off, off},
        {1, 0, 1, {true, true, false, false, false}, off, off},
        {1, 0, 2, {true, true, false, false, false}, off, off},
        {1, 0, 3, {true, true, true, false, false}, off, off},
        {1, 1, 0, {true, false, false, true, true}, on, on},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "document " << c.documentLoaded << " connected "
                                        << c.connected << " view " << c.view);
        const ViewState view = stateOf(c.documentLoaded, c.connected, c.view);
        EXPECT_EQ(paneVisibility(view), c.panes);
        EXPECT_EQ(statusPaneStringId(view), c.status);
        EXPECT_EQ(refreshedStatusPaneStringId(view), c.refreshedStatus);
    }
}

TEST(UiState, CurrentRowIsFilledByAddressOrGroupMembers) {
    EXPECT_TRUE(isCurrentRowFilled(View::oneTouch, 0, "0123"));
    EXPECT_FALSE(isCurrentRowFilled(View::oneTouch, 5, ""));
    EXPECT_TRUE(isCurrentRowFilled(View::speedDial, 0, "a@b"));
    EXPECT_TRUE(isCurrentRowFilled(View::group, 1, ""));
    EXPECT_FALSE(isCurrentRowFilled(View::group, 0, "0123"));
    EXPECT_FALSE(isCurrentRowFilled(View::none, 4, "0123"));
}

namespace {

struct EditFlags {
    bool cut, copy, paste, erase;
    bool operator==(const EditFlags&) const = default;
};

EditFlags flagsOf(const EditContext& context) {
    EditCommandStates states = editCommandStates(context);
    EXPECT_EQ(states.items[0].commandId, IDM_CUT);
    EXPECT_EQ(states.items[1].commandId, IDM_COPY);
    EXPECT_EQ(states.items[2].commandId, IDM_PASTE);
    EXPECT_EQ(states.items[3].commandId, IDM_DELETE);
    return {states.items[0].enabled, states.items[1].enabled, states.items[2].enabled,
            states.items[3].enabled};
}

} // namespace

TEST(UiState, EditCommandsFollowViewRowAndClipboard) {
    // No view: everything off, whatever the row or the clipboard hold.
    EXPECT_EQ(flagsOf({View::none, 3, true, true}), (EditFlags{false, false, false, false}));
    // A filled, selected row with an empty clipboard.
    EXPECT_EQ(flagsOf({View::oneTouch, 0, true, false}), (EditFlags{true, true, false, true}));
    // No selected row (the member list took the selection): only Paste may stay on.
    EXPECT_EQ(flagsOf({View::group, -1, true, true}), (EditFlags{false, false, true, false}));
    // An empty row: Cut, Copy and Delete off.
    EXPECT_EQ(flagsOf({View::speedDial, 5, false, true}), (EditFlags{false, false, true, false}));
}

TEST(UiState, TreeRootPopupGraysByConnection) {
    const int ids[] = {IDM_CONNECT, IDM_DISCONNECT, IDM_TREE_DOWNLOAD, IDM_TREE_UPLOAD,
                       IDM_PROPERTIES};
    const bool enabled[2][5] = {{true, false, false, false, true}, {false, true, true, true, true}};
    for (bool connected : {false, true}) {
        const auto states = treeRootPopupStates(connected);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(states[i].commandId, ids[i]);
            EXPECT_EQ(states[i].enabled, enabled[connected][i]) << ids[i] << " " << connected;
        }
    }
}

TEST(UiState, MachineNameStopsAtTheFirstNulOrTheFieldEnd) {
    SettingsMirror mirror;
    EXPECT_EQ(machineName(mirror), "");
    const std::string_view name = "Office 5% fax";
    std::copy(name.begin(), name.end(), mirror.stationName.begin());
    EXPECT_EQ(machineName(mirror), "Office 5% fax");
    // A name that fills all 36 bytes has no terminator and is read to the end only.
    mirror.stationName.fill('A');
    EXPECT_EQ(machineName(mirror), std::string(36, 'A'));
}

TEST(UiState, ViewCommandsNameTheirViews) {
    const std::pair<int, View> pairs[] = {{IDM_VIEW_ONE_TOUCH, View::oneTouch},
                                          {IDM_VIEW_SPEED_DIAL, View::speedDial},
                                          {IDM_VIEW_GROUP, View::group}};
    for (const auto& [command, view] : pairs) {
        EXPECT_EQ(viewOfCommand(command), view);
        EXPECT_EQ(viewCommandOf(view), command);
    }
    EXPECT_EQ(viewOfCommand(IDM_CONNECT), View::none);
    EXPECT_EQ(viewCommandOf(View::none), 0);
}
