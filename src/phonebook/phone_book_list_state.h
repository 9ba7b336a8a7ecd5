#pragma once

#include <cstdint>

// The phone-book lists' state that outlives a single notification.
struct PhoneBookListState {
    int32_t columnView = 1;        // the view whose column set the entry list carries
    int32_t memberListTouched = 0; // 1 after a selection change in the member list
    int32_t currentRow = 0;        // key or entry index the phone-book commands act on
};
