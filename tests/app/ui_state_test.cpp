#include "app/ui_state.h"

#include "resource_ids.h"

#include <gtest/gtest.h>

// Which command is enabled in which state (menu and toolbar), the tree
// root's popup and the view commands are proven through the real main
// window: MachineWindowTest.CommandStatesFollowDocumentAndConnection,
// Tree.RootPopupGraysByConnectionAndShowsTheStatusPane and
// Tree.RightClickOnACategorySendsItsViewCommand.
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
        const ViewState view{c.documentLoaded != 0, c.connected != 0, static_cast<View>(c.view),
                             -1};
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
