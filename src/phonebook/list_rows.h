#pragma once

#include <span>
#include <string>

// What the phone-book lists show, decided apart from the controls that show it.

// The views of the entry list, as ViewState::currentView names them.
constexpr int kViewNone = 0;
constexpr int kViewOneTouch = 1;
constexpr int kViewSpeedDial = 2;
constexpr int kViewGroup = 3;

// Indices into the tree's image list that list rows use.
enum RowImage : int {
    kImageOneTouchFax = 2,
    kImageOneTouchEmail = 4,
    kImageOneTouchGroup = 5,
    kImageSpeedDialFax = 6,
    kImageSpeedDialEmail = 8,
    kImageGroup = 9,
    kImageGroupOnOneTouchEntry = 11,
    kImageEmpty = 12,
};

struct ListColumn {
    int titleId;
    int width;
};

// The column set the entry list carries in `view`; the Group view drops the
// address and speed columns, which only describe single destinations.
std::span<const ListColumn> entryListColumns(int view);

// The member list's single column.
ListColumn memberListColumn();

// The number shown in column 0 for key or entry `index`. It is zero-padded so
// that the list's ascending text sort keeps the rows in numeric order.
std::string rowNumberText(int view, int index);

// How many rows `view` holds: one per key or entry. The start-up counts are
// bounded by the tables, so a view never names a key the tables lack.
int entryRowCount(int view, int oneTouchKeyCount, int groupCount);
