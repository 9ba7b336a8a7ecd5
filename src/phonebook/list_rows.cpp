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

constexpr int kNameColumn = 1;
constexpr int kAddressColumn = 2;
constexpr int kSpeedColumn = 3;

constexpr int kSpeedTextIds[] = {IDS_SPEED_9600, IDS_SPEED_14400, IDS_SPEED_33600};

RowCell entryText(std::string_view text) {
    return {0, std::string(text)};
}

RowCell speedCell(uint8_t speedIndex) {
    // A speed the machine does not name stays blank rather than borrowing
    // whatever string follows the speed texts.
    if (speedIndex >= std::size(kSpeedTextIds))
        return {};
    return {kSpeedTextIds[speedIndex], {}};
}

// A row with its number and every other cell blank.
ListRow numberedRow(View view, int index, int image) {
    ListRow row;
    row.image = image;
    row.cells.resize(entryListColumns(view).size());
    row.cells[0] = entryText(rowNumberText(view, index));
    return row;
}

bool holdsGroup(const DialEntry& entry) {
    return entry.highFlag != 0 && entry.entryClass == kEntryClassGroup;
}

// The address and speed columns of a single destination. A combination key
// withholds its name, so the name column is emptied again.
void fillDestination(ListRow& row, const DialEntry& entry) {
    if (entry.isEmail == 0 && entry.detailsWithheld == 0) {
        row.cells[kAddressColumn] = entryText(fieldText(entry.faxNumber));
        row.cells[kSpeedColumn] = speedCell(entry.speedIndex);
        return;
    }
    if (entry.detailsWithheld != 0)
        row.cells[kNameColumn] = {};
    row.cells[kAddressColumn] =
        entryText(entry.isEmail != 0 ? fieldText(entry.emailAddress) : fieldText(entry.faxNumber));
}

RowCell nameCell(const DialEntry& entry) {
    if (entry.programDial != 0)
        return {IDS_PROGRAM_DIAL, {}};
    return entryText(fieldText(entry.name));
}

MemberRow memberRow(const DialEntry& member, bool oneTouch, int index) {
    MemberRow row;
    if (oneTouch)
        row.image = member.isEmail != 0 ? kImageOneTouchEmail : kImageOneTouchFax;
    else
        row.image = member.isEmail != 0 ? kImageSpeedDialEmail : kImageSpeedDialFax;
    char number[16];
    std::snprintf(number, sizeof number, "%02d  ", index + 1);
    row.text = std::string(number) + std::string(fieldText(member.name));
    return row;
}

} // namespace

std::span<const ListColumn> entryListColumns(View view) {
    std::span<const ListColumn> all(kEntryColumns);
    return view == View::group ? all.first(kGroupViewColumnCount) : all;
}

ListColumn memberListColumn() {
    return {IDS_COLUMN_GROUP_ITEMS, 150};
}

std::string rowNumberText(View view, int index) {
    char text[16];
    std::snprintf(text, sizeof text, view == View::speedDial ? "%03d" : "%02d", index + 1);
    return text;
}

int entryRowCount(View view, int oneTouchKeyCount, int groupCount) {
    switch (view) {
    case View::oneTouch:
        return std::clamp(oneTouchKeyCount, 0, kOneTouchKeyCount);
    case View::speedDial:
        return kSpeedDialEntryCount;
    case View::group:
        return std::clamp(groupCount, 0, kOneTouchKeyCount);
    default:
        return 0;
    }
}

ListRow oneTouchRow(const DialEntry& entry, int index) {
    if (entry.used == 0)
        return numberedRow(View::oneTouch, index, kImageEmpty);
    int image = holdsGroup(entry)    ? kImageOneTouchGroup
                : entry.isEmail != 0 ? kImageOneTouchEmail
                                     : kImageOneTouchFax;
    ListRow row = numberedRow(View::oneTouch, index, image);
    row.cells[kNameColumn] = nameCell(entry);
    // A program-dial key and a Group show nothing beyond their name.
    if (entry.programDial == 0 && !holdsGroup(entry))
        fillDestination(row, entry);
    return row;
}

ListRow speedDialRow(const DialEntry& entry, int index) {
    if (entry.used == 0)
        return numberedRow(View::speedDial, index, kImageEmpty);
    ListRow row = numberedRow(View::speedDial, index,
                              entry.isEmail != 0 ? kImageSpeedDialEmail : kImageSpeedDialFax);
    row.cells[kNameColumn] = nameCell(entry);
    // Unlike a program-dial key, a program-dial entry still shows its number.
    fillDestination(row, entry);
    return row;
}

ListRow groupRow(const DialEntry& entry, int index) {
    if (entry.used == 0)
        return numberedRow(View::group, index, kImageEmpty);
    int image = entry.isEmail != 0                        ? kImageOneTouchEmail
                : entry.entryClass == kEntryClassOneTouch ? kImageGroupOnOneTouchEntry
                                                          : kImageGroup;
    ListRow row = numberedRow(View::group, index, image);
    row.cells[kNameColumn] = nameCell(entry);
    return row;
}

ListRow entryRow(View view, const DialEntry& entry, int index) {
    switch (view) {
    case View::speedDial:
        return speedDialRow(entry, index);
    case View::group:
        return groupRow(entry, index);
    default:
        return oneTouchRow(entry, index);
    }
}

ListRow decodedEntryRow(View view, int index, SettingsMirror& mirror, ProgramDialMarks& marks,
                        RecordStore& store) {
    switch (view) {
    case View::speedDial:
        return speedDialRow(decodeSpeedDial(mirror, store, index), index);
    case View::group:
        return groupRow(decodeOneTouchKey(mirror, marks, index), index);
    default:
        return oneTouchRow(decodeOneTouch(mirror, marks, index), index);
    }
}

std::vector<MemberRow> groupMemberRows(const DialEntry& group, SettingsMirror& mirror,
                                       ProgramDialMarks& marks, RecordStore& store) {
    std::vector<MemberRow> rows;
    int count = std::min<int>(group.memberCount, kMaxGroupMembers);
    for (int k = 0; k < count; ++k) {
        const GroupMember& member = group.members[k];
        bool oneTouch = (member.kind & kMemberKindOneTouch) != 0;
        int tableSize = oneTouch ? kOneTouchKeyCount : kSpeedDialEntryCount;
        // The decoder keeps no such member; one handed in otherwise is left
        // out as the decoder would, never used as a table index.
        if (member.index >= tableSize)
            continue;
        DialEntry decoded = oneTouch ? decodeOneTouch(mirror, marks, member.index)
                                     : decodeSpeedDial(mirror, store, member.index);
        rows.push_back(memberRow(decoded, oneTouch, member.index));
    }
    return rows;
}
