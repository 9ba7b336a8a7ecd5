#include "phonebook/list_rows.h"

#include "resource_ids.h"
#include "store/record_store.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr std::array<ListColumn, 4> kEntryColumns{{
    {IDS_COLUMN_NUMBER, 50},
    {IDS_COLUMN_NAME, 100},
    {IDS_COLUMN_ADDRESS, 140},
    {IDS_COLUMN_SPEED, 80},
}};
constexpr size_t kGroupViewColumnCount = 2;

} // namespace

std::span<const ListColumn> entryListColumns(int view) {
    std::span<const ListColumn> all(kEntryColumns);
    return view == kViewGroup ? all.first(kGroupViewColumnCount) : all;
}

ListColumn memberListColumn() {
    return {IDS_COLUMN_GROUP_ITEMS, 150};
}

std::string rowNumberText(int view, int index) {
    char text[16];
    std::snprintf(text, sizeof text, view == kViewSpeedDial ? "%03d" : "%02d", index + 1);
    return text;
}

int entryRowCount(int view, int oneTouchKeyCount, int groupCount) {
    switch (view) {
    case kViewOneTouch:
        return std::clamp(oneTouchKeyCount, 0, kOneTouchKeyCount);
    case kViewSpeedDial:
        return kSpeedDialEntryCount;
    case kViewGroup:
        return std::clamp(groupCount, 0, kOneTouchKeyCount);
    default:
        return 0;
    }
}
