#pragma once

#include "store/record_store.h"

#include <array>
#include <string>

// The six usage counters of the counter record (id 4) that the Total
// Counter dialog shows, each as an unsigned decimal number in its control.
struct CounterLine {
    int controlId;
    std::string text;
    bool operator==(const CounterLine&) const = default;
};

constexpr size_t kShownCounterCount = 6;

// Read from the record image itself: the counters are the machine's, and
// nothing in the program edits them.
std::array<CounterLine, kShownCounterCount> totalCounterLines(const RecordStore& store);
