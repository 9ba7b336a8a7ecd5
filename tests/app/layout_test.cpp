#include "app/layout.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

ViewState viewOf(int documentLoaded, int currentView) {
    ViewState view;
    view.documentLoaded = documentLoaded != 0;
    view.currentView = static_cast<View>(currentView);
    return view;
}

constexpr int kToolbar = 61;

} // namespace

// That the tree pane keeps its first width when the window grows is proven
// on the real window (MainWindow.TreePaneKeepsItsFirstWidthWhenTheWindowGrows).
TEST(Layout, PanesFollowDocumentAndView) {
    // Every pane here sits below the toolbar, as high as a 400-pixel window leaves.
    auto paneAt = [](int left, int width) { return PaneRect{left, kToolbar, width, 315}; };
    struct Case {
        int width, documentLoaded, view;
        PaneRect tree;
        std::optional<PaneRect> statusPane, entryList, memberList;
    };
    const Case cases[] = {
        // Without a document the status pane spans the whole width; the tree
        // still gets its place, hidden, so showing it later needs no layout.
        {600, 0, 2, paneAt(0, 198), paneAt(0, 600), {}, {}},
        {600, 1, 0, paneAt(0, 198), paneAt(200, 400), {}, {}},
        {600, 1, 1, paneAt(0, 198), {}, paneAt(200, 400), {}},
        {600, 1, 2, paneAt(0, 198), {}, paneAt(200, 400), {}},
        // The Group view splits 4:3; right side 403 pixels: 4 * 403 / 7 = 230.28.
        {604, 1, 3, paneAt(0, 199), {}, paneAt(201, 230), paneAt(431, 173)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "document " << c.documentLoaded << " view " << c.view);
        int32_t treePaneWidth = 0;
        const MainWindowLayout layout =
            layoutPanes(c.width, 400, kToolbar, viewOf(c.documentLoaded, c.view), treePaneWidth);
        EXPECT_EQ(layout.tree, c.tree);
        EXPECT_EQ(layout.statusPane, c.statusPane);
        EXPECT_EQ(layout.entryList, c.entryList);
        EXPECT_EQ(layout.memberList, c.memberList);
    }
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
