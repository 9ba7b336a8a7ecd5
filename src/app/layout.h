#pragma once

#include "workspace/workspace.h"

#include <array>
#include <optional>

// Where the main window's children go for a given client size and view.

// The status bar is counted at this height whatever the platform draws, so
// the panes keep the same size on every system.
constexpr int kStatusBarAllowance = 24;
constexpr int kStatusBarPartCount = 6;

struct PaneRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PaneRect&, const PaneRect&) = default;
};

// A pane without a rectangle keeps its previous place; only the panes the
// current state shows are moved.
struct MainWindowLayout {
    PaneRect tree;
    std::optional<PaneRect> statusPane;
    std::optional<PaneRect> entryList;
    std::optional<PaneRect> memberList;
    std::array<int, kStatusBarPartCount> statusBarEdges{};
};

// Fixes `treePaneWidth` at a third of the first client width it sees; later
// sizes never change it, so the tree keeps its width when the window grows.
MainWindowLayout layoutPanes(int clientWidth, int clientHeight, int toolbarHeight,
                             const ViewState& view, int32_t& treePaneWidth);

// Right edges of the six status-bar parts for a client width.
std::array<int, kStatusBarPartCount> statusBarPartEdges(int clientWidth);
