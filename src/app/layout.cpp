#include "app/layout.h"

#include <algorithm>

namespace {

// Distances of the status-bar part edges from the right: help text, the
// transfer state, an empty part and the three lock indicators.
constexpr std::array<int, kStatusBarPartCount> kPartEdgeInsets = {450, 280, 180, 120, 60, 0};

// The tree is drawn two pixels narrower than its pane, leaving a gap before
// the list or the status pane.
constexpr int kTreeGap = 2;

// In the Group view the Group list takes four sevenths of the width right of
// the tree and the member list the rest.
constexpr int kGroupListSevenths = 4;

} // namespace

std::array<int, kStatusBarPartCount> statusBarPartEdges(int clientWidth) {
    std::array<int, kStatusBarPartCount> edges{};
    for (int part = 0; part < kStatusBarPartCount; ++part)
        edges[part] = clientWidth - kPartEdgeInsets[part];
    return edges;
}

MainWindowLayout layoutPanes(int clientWidth, int clientHeight, int toolbarHeight,
                             const ViewState& view, int32_t& treePaneWidth) {
    if (treePaneWidth == 0)
        treePaneWidth = clientWidth / 3;
    const int top = toolbarHeight;
    const int contentHeight = std::max(0, clientHeight - toolbarHeight - kStatusBarAllowance);

    MainWindowLayout layout;
    layout.tree = {0, top, treePaneWidth - kTreeGap, contentHeight};
    layout.statusBarEdges = statusBarPartEdges(clientWidth);

    if (!view.documentLoaded) {
        // The tree is hidden without a document: the status pane takes it all.
        layout.statusPane = PaneRect{0, top, clientWidth, contentHeight};
        return layout;
    }
    const int rightWidth = clientWidth - treePaneWidth;
    switch (view.currentView) {
    case View::none:
        layout.statusPane = PaneRect{treePaneWidth, top, rightWidth, contentHeight};
        break;
    case View::group: {
        const int groupWidth = kGroupListSevenths * rightWidth / 7;
        layout.entryList = PaneRect{treePaneWidth, top, groupWidth, contentHeight};
        layout.memberList =
            PaneRect{treePaneWidth + groupWidth, top, rightWidth - groupWidth, contentHeight};
        break;
    }
    case View::oneTouch:
    case View::speedDial:
        layout.entryList = PaneRect{treePaneWidth, top, rightWidth, contentHeight};
        break;
    }
    return layout;
}
