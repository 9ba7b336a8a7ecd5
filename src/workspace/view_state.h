#pragma once

#include <cstdint>

// The views of the main window's list pane; the tree's categories carry the
// same numbers in their item data.
enum class View : int32_t { none = 0, oneTouch = 1, speedDial = 2, group = 3 };

// What the interface refresh reads as one unit.
struct ViewState {
    bool documentLoaded = false;
    bool connected = false;
    View currentView = View::none;
    int32_t selectedRow = -1;
};

// The phone-book lists' state that outlives a single notification.
struct PhoneBookListState {
    View columnView = View::oneTouch; // the view whose column set the entry list carries
    bool memberListTouched = false;   // after a selection change in the member list
    int32_t currentRow = 0;           // key or entry index the phone-book commands act on
};
