#include "harness/harness.h"
#include "pane_places.h"

#include "app/layout.h"
#include "app/tree_win.h"
#include "app/ui_refresh_win.h"
#include "link/sample_machine_image.h"
#include "phonebook/entry_lists_win.h"
#include "resource_ids.h"
#include "store/settings_mirror.h"

#include <commctrl.h>

using namespace harness;


// The main window over the sample machine's image, as after a Download.
class MainWindowViews : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        workspace().store = sampleMachineImage();
        unpackStore(workspace().store, workspace().mirror);
        workspace().view.documentLoaded = 1;
        // What a successful machine read does to the window.
        selectTreeItem(mainWindow(), View::none);
        refreshUiState(mainWindow());
        EnableWindow(shell().tree, TRUE);
        EnableWindow(entryListWindow(mainWindow()), TRUE);
        relabelTreeRoot(mainWindow());
        // A window large enough that the rows and columns are readable.
        SetWindowPos(mainWindow(), nullptr, 0, 0, 760, 520, SWP_NOMOVE | SWP_NOZORDER);
        pumpMessages();
    }

};

// What a user measures on the screen, in pixels, for the window made at
// 600 x 400 and then sized to 760 x 520 (Wine's frame and menu metrics): the
// tree keeps the third of the first client width less a 2-pixel gap, the
// lists fill the rest between the toolbar and the status bar's 24-pixel band,
// and the Group view splits that rest 4/7 : 3/7.
constexpr PaneRect kTreePane{0, 65, 195, 385};
constexpr PaneRect kListPane{197, 65, 555, 385};
constexpr PaneRect kGroupListPane{197, 65, 317, 385};
constexpr PaneRect kMemberListPane{514, 65, 238, 385};

TEST_F(MainWindowViews, EachViewShowsItsPanesWhereTheLayoutPutsThem) {
    EXPECT_TRUE(IsWindowVisible(shell().tree));
    EXPECT_TRUE(IsWindowVisible(shell().statusPane));
    EXPECT_FALSE(IsWindowVisible(entryListWindow(mainWindow())));
    EXPECT_EQ(placeOf(shell().statusPane), kListPane);
    saveScreenshot(mainWindow(), L"main_window_machine");

    const wchar_t* shots[] = {nullptr, L"main_window_one_touch", L"main_window_speed_dial",
                              L"main_window_group"};
    for (View view : {View::oneTouch, View::speedDial, View::group}) {
        SCOPED_TRACE(static_cast<int>(view));
        selectTreeItem(mainWindow(), view);
        EXPECT_EQ(workspace().view.currentView, view);
        EXPECT_FALSE(IsWindowVisible(shell().statusPane));
        ASSERT_TRUE(IsWindowVisible(entryListWindow(mainWindow())));
        EXPECT_EQ(IsWindowVisible(memberListWindow(mainWindow())) != FALSE, view == View::group);
        EXPECT_EQ(placeOf(shell().tree), kTreePane);
        EXPECT_EQ(placeOf(entryListWindow(mainWindow())),
                  view == View::group ? kGroupListPane : kListPane);
        if (view == View::group) {
            EXPECT_EQ(placeOf(memberListWindow(mainWindow())), kMemberListPane);
            // Show a Group with its members: key 7 of the sample.
            const UINT selected = LVIS_SELECTED | LVIS_FOCUSED;
            ListView_SetItemState(entryListWindow(mainWindow()), 6, selected, selected);
            EXPECT_GT(ListView_GetItemCount(memberListWindow(mainWindow())), 0);
        }
        saveScreenshot(mainWindow(), shots[static_cast<int>(view)]);
    }
    // Back on the machine the lists keep the Group columns and rows until a
    // category is chosen again.
    selectTreeItem(mainWindow(), View::none);
    EXPECT_TRUE(IsWindowVisible(shell().statusPane));
    EXPECT_FALSE(IsWindowVisible(entryListWindow(mainWindow())));
    EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(entryListWindow(mainWindow()))), 2);
    EXPECT_EQ(ListView_GetItemCount(entryListWindow(mainWindow())), 9);
}

TEST_F(MainWindowViews, RowSelectionReachesTheEditCommands) {
    HMENU menu = GetMenu(mainWindow());
    selectTreeItem(mainWindow(), View::oneTouch);
    HWND list = entryListWindow(mainWindow());
    // Row 0 of the sample holds a fax number: Cut, Copy and Delete apply.
    ASSERT_EQ(workspace().view.selectedRow, 0);
    refreshUiState(mainWindow());
    EXPECT_TRUE(menuItemState(menu, IDM_COPY).enabled);
    EXPECT_TRUE(menuItemState(menu, IDM_CUT).enabled);
    EXPECT_TRUE(menuItemState(menu, IDM_DELETE).enabled);
    EXPECT_TRUE(menuItemState(menu, IDM_PASTE).grayed); // nothing copied yet

    // The last key of the sample is empty: nothing to cut, copy or delete.
    const int lastRow = ListView_GetItemCount(list) - 1;
    const UINT selected = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list, lastRow, selected, selected);
    EXPECT_EQ(workspace().view.selectedRow, lastRow);
    std::vector<std::vector<std::wstring>> rows = listViewRows(list);
    ASSERT_EQ(rows.size(), 9u);
    ASSERT_EQ(rows[lastRow][2], L"");
    refreshUiState(mainWindow());
    EXPECT_TRUE(menuItemState(menu, IDM_COPY).grayed);
    EXPECT_TRUE(menuItemState(menu, IDM_CUT).grayed);
    EXPECT_TRUE(menuItemState(menu, IDM_DELETE).grayed);

    // Back on the machine: no edit command.
    selectTreeItem(mainWindow(), View::none);
    EXPECT_TRUE(menuItemState(menu, IDM_COPY).grayed);
    EXPECT_TRUE(menuItemState(menu, IDM_PASTE).grayed);
}
