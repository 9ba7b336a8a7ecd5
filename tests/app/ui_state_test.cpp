#include "app/ui_state.h"

#include "resource_ids.h"

#include <gtest/gtest.h>

#include <map>

namespace {

ViewState stateOf(int documentLoaded, int connected, int currentView = 0, int selectedRow = -1) {
    return ViewState{documentLoaded != 0, connected != 0, static_cast<View>(currentView),
                     selectedRow};
}

std::map<int, bool> enabledById(const ViewState& view) {
    std::map<int, bool> enabled;
    for (const CommandState& state : documentCommandStates(view))
        enabled[state.commandId] = state.enabled;
    return enabled;
}

} // namespace

TEST(UiState, CommandTableForTheFourDocumentAndConnectionStates) {
    // Each string: Connect, Disconnect, Download, Upload, Save, Menu, then the menu-only group.
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
    for (const Expected& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "document " << c.documentLoaded << " connected " << c.connected);
        std::map<int, bool> enabled = enabledById(stateOf(c.documentLoaded, c.connected));
        EXPECT_EQ(enabled.size(), kDocumentCommandCount);
        EXPECT_EQ(enabled[IDM_CONNECT], c.connect);
        EXPECT_EQ(enabled[IDM_DISCONNECT], c.disconnect);
        EXPECT_EQ(enabled[IDM_DOWNLOAD], c.download);
        EXPECT_EQ(enabled[IDM_UPLOAD], c.upload);
        EXPECT_EQ(enabled[IDM_SAVE], c.save);
        EXPECT_EQ(enabled[IDM_SETTINGS_MENU], c.menu);
        for (int id : {IDM_PRINT, IDM_TOTAL_COUNTER, IDM_CONFIGURATION, IDM_VIEW_ONE_TOUCH,
                       IDM_VIEW_SPEED_DIAL, IDM_VIEW_GROUP, IDM_SAVE_AS, IDM_EXPORT_PHONE_BOOK,
                       IDM_IMPORT_PHONE_BOOK})
            EXPECT_EQ(enabled[id], c.documentOnly) << id;
        // Commands that are never grayed are not in the table at all.
        for (int id : {IDM_OPEN, IDM_PROPERTIES, IDM_EXIT, IDM_HELP_TOPICS, IDM_ABOUT})
            EXPECT_EQ(enabled.count(id), 0u) << id;
    }
}

TEST(UiState, OnlyTheSevenButtonCommandsAreMarkedForTheToolbar) {
    std::map<int, bool> onToolbar;
    for (const CommandState& state : documentCommandStates(stateOf(1, 1)))
        onToolbar[state.commandId] = state.onToolbar;
    for (int id :
         {IDM_CONNECT, IDM_DISCONNECT, IDM_DOWNLOAD, IDM_UPLOAD, IDM_SAVE, IDM_SETTINGS_MENU})
        EXPECT_TRUE(onToolbar[id]) << id;
    for (int id : {IDM_PRINT, IDM_SAVE_AS, IDM_VIEW_GROUP, IDM_CONFIGURATION})
        EXPECT_FALSE(onToolbar[id]) << id;
}

TEST(UiState, PaneVisibilityFollowsDocumentAndView) {
    EXPECT_EQ(paneVisibility(stateOf(0, 1, 3)), (PaneVisibility{false, false, false, true, false}));
    EXPECT_EQ(paneVisibility(stateOf(1, 0, 0)), (PaneVisibility{true, false, false, true, false}));
    EXPECT_EQ(paneVisibility(stateOf(1, 0, 1)), (PaneVisibility{true, true, false, false, false}));
    EXPECT_EQ(paneVisibility(stateOf(1, 0, 2)), (PaneVisibility{true, true, false, false, false}));
    EXPECT_EQ(paneVisibility(stateOf(1, 0, 3)), (PaneVisibility{true, true, true, false, false}));
    EXPECT_EQ(paneVisibility(stateOf(1, 1, 0)), (PaneVisibility{true, false, false, true, true}));
}

TEST(UiState, StatusPaneTextIsRefreshedOnlyWithADocument) {
    EXPECT_EQ(statusPaneStringId(stateOf(0, 0)), IDS_CONNECT_STATUS_OFFLINE);
    EXPECT_EQ(statusPaneStringId(stateOf(0, 1)), IDS_CONNECT_STATUS_ONLINE);
    EXPECT_EQ(refreshedStatusPaneStringId(stateOf(0, 1)), 0);
    EXPECT_EQ(refreshedStatusPaneStringId(stateOf(1, 0)), IDS_CONNECT_STATUS_OFFLINE);
    EXPECT_EQ(refreshedStatusPaneStringId(stateOf(1, 1)), IDS_CONNECT_STATUS_ONLINE);
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
    auto offline = treeRootPopupStates(false);
    auto online = treeRootPopupStates(true);
    const int ids[] = {IDM_CONNECT, IDM_DISCONNECT, IDM_TREE_DOWNLOAD, IDM_TREE_UPLOAD,
                       IDM_PROPERTIES};
    const bool offlineEnabled[] = {true, false, false, false, true};
    const bool onlineEnabled[] = {false, true, true, true, true};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(offline[i].commandId, ids[i]);
        EXPECT_EQ(offline[i].enabled, offlineEnabled[i]) << ids[i];
        EXPECT_EQ(online[i].commandId, ids[i]);
        EXPECT_EQ(online[i].enabled, onlineEnabled[i]) << ids[i];
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
