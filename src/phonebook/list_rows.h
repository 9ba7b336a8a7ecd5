#pragma once

#include "store/dial_entry.h"
#include "workspace/view_state.h"

#include <span>
#include <string>
#include <vector>

// What the phone-book lists show, decided apart from the controls that show it.

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
std::span<const ListColumn> entryListColumns(View view);

// The member list's single column.
ListColumn memberListColumn();

// The number shown in column 0 for key or entry `index`. It is zero-padded so
// that the list's ascending text sort keeps the rows in numeric order.
std::string rowNumberText(View view, int index);

// How many rows `view` holds: one per key or entry. The start-up counts are
// bounded by the tables, so a view never names a key the tables lack.
int entryRowCount(View view, int oneTouchKeyCount, int groupCount);

// One cell: a string-table text when stringId is set, else `text` as the
// entry holds it (PC code page of the machine's display language).
struct RowCell {
    int stringId = 0;
    std::string text;
    bool operator==(const RowCell&) const = default;
};

// One row of the entry list: its image and a cell per column of its view.
struct ListRow {
    int image = kImageEmpty;
    std::vector<RowCell> cells;
};

// The row of key or entry `index` in each view. The row shows `index`, never
// the entry's own index field, which a decoder leaves 0 for some keys.
ListRow oneTouchRow(const DialEntry& entry, int index);
ListRow speedDialRow(const DialEntry& entry, int index);
ListRow groupRow(const DialEntry& entry, int index);
ListRow entryRow(View view, const DialEntry& entry, int index);

// The row of key or entry `index` of `view`, decoded from the tables.
ListRow decodedEntryRow(View view, int index, SettingsMirror& mirror, ProgramDialMarks& marks,
                        RecordStore& store);

// One row of the member list; `text` is in the PC code page.
struct MemberRow {
    int image = kImageOneTouchFax;
    std::string text;
    bool operator==(const MemberRow&) const = default;
};

// The member rows of a Group, in member order, each decoded from its table.
std::vector<MemberRow> groupMemberRows(const DialEntry& group, SettingsMirror& mirror,
                                       ProgramDialMarks& marks, RecordStore& store);
