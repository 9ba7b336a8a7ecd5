#include "app/layout.h"

#include <gtest/gtest.h>

namespace {

ViewState viewOf(int documentLoaded, int currentView) {
    ViewState view;
    view.documentLoaded = documentLoaded != 0;
    view.currentView = static_cast<View>(currentView);
    return view;
}

constexpr int kToolbar = 61;

} // namespace

TEST(Layout, TreePaneWidthIsFixedByTheFirstLayout) {
    int32_t treePaneWidth = 0;
    layoutPanes(502, 400, kToolbar, viewOf(1, 1), treePaneWidth);
    EXPECT_EQ(treePaneWidth, 167); // a third, truncated
    MainWindowLayout wider = layoutPanes(901, 500, kToolbar, viewOf(1, 1), treePaneWidth);
    EXPECT_EQ(treePaneWidth, 167);
    EXPECT_EQ(wider.tree, (PaneRect{0, kToolbar, 165, 500 - kToolbar - 24}));
    EXPECT_EQ(wider.entryList, (PaneRect{167, kToolbar, 734, 500 - kToolbar - 24}));
}

TEST(Layout, WithoutDocumentTheStatusPaneSpansTheWholeWidth) {
    int32_t treePaneWidth = 0;
    MainWindowLayout layout = layoutPanes(600, 400, kToolbar, viewOf(0, 2), treePaneWidth);
    EXPECT_EQ(layout.statusPane, (PaneRect{0, kToolbar, 600, 400 - kToolbar - 24}));
    EXPECT_FALSE(layout.entryList);
    EXPECT_FALSE(layout.memberList);
    // The tree still gets its place, hidden, so showing it later needs no layout of its own.
    EXPECT_EQ(layout.tree, (PaneRect{0, kToolbar, 198, 400 - kToolbar - 24}));
}

TEST(Layout, RootItemShowsTheStatusPaneRightOfTheTree) {
    int32_t treePaneWidth = 0;
    MainWindowLayout layout = layoutPanes(600, 400, kToolbar, viewOf(1, 0), treePaneWidth);
    EXPECT_EQ(layout.statusPane, (PaneRect{200, kToolbar, 400, 315}));
    EXPECT_FALSE(layout.entryList);
    EXPECT_FALSE(layout.memberList);
}

TEST(Layout, OneTouchAndSpeedDialFillTheRightSide) {
    for (int view : {1, 2}) {
        int32_t treePaneWidth = 0;
        MainWindowLayout layout = layoutPanes(600, 400, kToolbar, viewOf(1, view), treePaneWidth);
        EXPECT_EQ(layout.entryList, (PaneRect{200, kToolbar, 400, 315})) << view;
        EXPECT_FALSE(layout.statusPane) << view;
        EXPECT_FALSE(layout.memberList) << view;
    }
}

TEST(Layout, GroupViewSplitsFourSeventhsToThreeSevenths) {
    int32_t treePaneWidth = 0;
    // Right side 403 pixels: 4 * 403 / 7 = 230.28, truncated to 230.
    MainWindowLayout layout = layoutPanes(604, 400, kToolbar, viewOf(1, 3), treePaneWidth);
    ASSERT_EQ(treePaneWidth, 201);
    EXPECT_EQ(layout.entryList, (PaneRect{201, kToolbar, 230, 315}));
    EXPECT_EQ(layout.memberList, (PaneRect{431, kToolbar, 173, 315}));
    EXPECT_FALSE(layout.statusPane);
}

TEST(Layout, ContentHeightCountsTheStatusBarAsTwentyFourPixels) {
    int32_t treePaneWidth = 0;
    EXPECT_EQ(layoutPanes(600, 130, 80, viewOf(1, 1), treePaneWidth).entryList->height, 26);
    // A window too low for its bars gives the panes no height rather than a negative one.
    MainWindowLayout squeezed = layoutPanes(600, 100, 80, viewOf(1, 1), treePaneWidth);
    EXPECT_EQ(squeezed.tree.height, 0);
    EXPECT_EQ(squeezed.entryList->height, 0);
}

TEST(Layout, StatusBarPartEdgesFollowTheClientWidth) {
    EXPECT_EQ(statusBarPartEdges(800), (std::array<int, 6>{350, 520, 620, 680, 740, 800}));
    int32_t treePaneWidth = 0;
    EXPECT_EQ(layoutPanes(600, 400, kToolbar, viewOf(0, 0), treePaneWidth).statusBarEdges,
              (std::array<int, 6>{150, 320, 420, 480, 540, 600}));
}
