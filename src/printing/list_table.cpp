#include "printing/list_table.h"

#include "resource_ids.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <span>

namespace {

constexpr int kColumnPadding = 15;
constexpr int kNamePadding = 5;
constexpr int kTextIndent = 2;

constexpr int kSpeedTexts[] = {IDS_SPEED_9600, IDS_SPEED_14400, IDS_SPEED_33600};
constexpr int kScanOptionTexts[] = {IDS_EMAIL_SCAN_DEFAULT, IDS_EMAIL_SCAN_SPECIFIED};
constexpr int kMetricSizeTexts[] = {IDS_EMAIL_PAPER_A4, IDS_EMAIL_PAPER_B4, IDS_EMAIL_PAPER_A3};
constexpr int kInchSizeTexts[] = {IDS_EMAIL_PAPER_LETTER, IDS_EMAIL_PAPER_LEDGER};
constexpr int kResolutionTexts[] = {IDS_EMAIL_RESOLUTION_FINE, IDS_EMAIL_RESOLUTION_SUPER_FINE};
constexpr int kCodingTexts[] = {IDS_EMAIL_CODING_MH, IDS_EMAIL_CODING_MR, IDS_EMAIL_CODING_MMR};

// The e-mail columns of the A3 model: each heading with the value texts
// that set its width.
struct ExtraColumn {
    int heading;
    std::initializer_list<int> widest;
};
const ExtraColumn kExtraColumns[] = {
    {IDS_PRINT_EMAIL_SCAN, {IDS_EMAIL_SCAN_DEFAULT, IDS_EMAIL_SCAN_SPECIFIED}},
    {IDS_PRINT_EMAIL_SIZE, {IDS_EMAIL_PAPER_LETTER, IDS_EMAIL_PAPER_LEDGER}},
    {IDS_PRINT_EMAIL_RESOLUTION, {IDS_EMAIL_RESOLUTION_FINE, IDS_EMAIL_RESOLUTION_SUPER_FINE}},
    {IDS_PRINT_EMAIL_CODING, {IDS_EMAIL_CODING_MMR}},
};

// Entry list cells, in column order.
enum EntryCell { kNumber, kName, kAddress, kSpeed, kScanOption, kSize, kResolution, kCoding };
constexpr size_t kEntryCells = 4;
constexpr size_t kEntryCellsA3 = 8;

// Group list cells, in column order.
enum GroupCell { kKey, kGroupName, kItem, kItemName, kItemAddress, kGroupCells };

int widthOf(PrintCanvas& canvas, int stringId) {
    return canvas.textSize(canvas.stringText(stringId)).width;
}

// Lays the columns side by side from `left`.
std::vector<PrintColumn> placed(std::vector<PrintColumn> columns, int left) {
    for (PrintColumn& column : columns) {
        column.left = left;
        left += column.width;
    }
    return columns;
}

std::vector<PrintColumn> entryColumns(PrintCanvas& canvas, PrintedList list, int tableWidth,
                                      bool a3Model) {
    const int numberHeading =
        list == PrintedList::oneTouch ? IDS_PRINT_ONE_TOUCH_NUMBER : IDS_PRINT_SPEED_DIAL_NUMBER;
    const int number = widthOf(canvas, numberHeading) + kColumnPadding;
    const int speed =
        std::max(widthOf(canvas, IDS_COLUMN_SPEED), widthOf(canvas, IDS_SPEED_33600)) +
        kColumnPadding;
    std::vector<PrintColumn> extras;
    int extraWidth = 0;
    if (a3Model) {
        for (const ExtraColumn& extra : kExtraColumns) {
            int widest = widthOf(canvas, extra.heading);
            for (int value : extra.widest)
                widest = std::max(widest, widthOf(canvas, value));
            extras.push_back({canvas.stringText(extra.heading), 0, widest + kColumnPadding, 0});
            extraWidth += widest + kColumnPadding;
        }
    }
    int name = (tableWidth - number - speed - extraWidth) * 8 / 35;
    const int nameHeading = widthOf(canvas, IDS_COLUMN_NAME);
    if (name < nameHeading)
        name = nameHeading + kNamePadding;
    const int address = tableWidth - number - name - speed - extraWidth;

    std::vector<PrintColumn> columns = {
        {canvas.stringText(numberHeading), 0, number, 0},
        {canvas.stringText(IDS_COLUMN_NAME), 0, name, name - kTextIndent},
        {canvas.stringText(IDS_COLUMN_ADDRESS), 0, address, address},
        {canvas.stringText(IDS_COLUMN_SPEED), 0, speed, 0},
    };
    columns.insert(columns.end(), extras.begin(), extras.end());
    return columns;
}

std::vector<PrintColumn> groupColumns(PrintCanvas& canvas, int tableWidth) {
    const int heading = widthOf(canvas, IDS_PRINT_GROUP_NUMBER);
    const int quarter = tableWidth / 4;
    const int number = heading + kColumnPadding;
    const int item = quarter - heading;
    const int address = tableWidth - number - quarter - item - quarter;
    return {
        {canvas.stringText(IDS_PRINT_GROUP_NUMBER), 0, number, 0},
        {canvas.stringText(IDS_COLUMN_NAME), 0, quarter, quarter - kTextIndent},
        {canvas.stringText(IDS_PRINT_ITEM_NUMBER), 0, item, item},
        {canvas.stringText(IDS_PRINT_ITEM_NAME), 0, quarter, quarter},
        {canvas.stringText(IDS_COLUMN_ADDRESS), 0, address, address},
    };
}

std::string numberText(int index) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", index + 1);
    return text;
}

std::string codeCell(PrintCanvas& canvas, std::span<const int> texts, uint8_t code) {
    const int id = codeText(texts, code);
    return id != 0 ? canvas.stringText(id) : std::string();
}

bool isGroup(const DialEntry& entry) {
    return entry.used != 0 && entry.entryClass == kEntryClassGroup;
}

PrintedRow entryRow(PrintCanvas& canvas, const DialEntry& entry, int index,
                    const PhoneBookSnapshot& book, bool a3Model) {
    PrintedRow row;
    row.cells.resize(a3Model ? kEntryCellsA3 : kEntryCells);
    row.cells[kNumber] = numberText(index);
    if (entry.programDial != 0) {
        row.cells[kName] = canvas.stringText(IDS_PROGRAM_DIAL);
        return row;
    }
    row.cells[kName] = canvas.phoneBookText(fieldText(entry.name));
    if (entry.used == 0 || isGroup(entry))
        return row;
    if (entry.isEmail == 0) {
        row.cells[kAddress] = canvas.phoneBookText(fieldText(entry.faxNumber));
        if (entry.detailsWithheld == 0)
            row.cells[kSpeed] = codeCell(canvas, kSpeedTexts, entry.speedIndex);
        return row;
    }
    row.cells[kAddress] = canvas.phoneBookText(fieldText(entry.emailAddress));
    if (!a3Model)
        return row;
    row.cells[kScanOption] = codeCell(canvas, kScanOptionTexts, entry.emailScanOption);
    if (entry.emailScanOption != 0) {
        std::span<const int> sizes = book.paperFamily == 0 ? std::span<const int>(kMetricSizeTexts)
                                                           : std::span<const int>(kInchSizeTexts);
        row.cells[kSize] = codeCell(canvas, sizes, entry.emailPaperSize);
        row.cells[kResolution] = codeCell(canvas, kResolutionTexts, entry.emailResolution);
        row.cells[kCoding] = codeCell(canvas, kCodingTexts, entry.emailCoding);
    }
    return row;
}

const DialEntry* memberEntry(const PhoneBookSnapshot& book, const GroupMember& member) {
    const std::vector<DialEntry>& table =
        member.kind == kMemberKindOneTouch ? book.oneTouch : book.speedDial;
    return member.index < table.size() ? &table[member.index] : nullptr;
}

void appendGroupRows(PrintCanvas& canvas, const PhoneBookSnapshot& book, int key,
                     std::vector<PrintedRow>& rows) {
    const DialEntry& group = book.keys[static_cast<size_t>(key)];
    PrintedRow keyRow;
    keyRow.cells.resize(kGroupCells);
    keyRow.cells[kKey] = numberText(key);
    if (isGroup(group))
        keyRow.cells[kGroupName] = canvas.phoneBookText(fieldText(group.name));
    rows.push_back(keyRow);
    if (!isGroup(group))
        return;
    const size_t count = std::min<size_t>(group.memberCount, group.members.size());
    for (size_t m = 0; m < count; ++m) {
        const GroupMember& member = group.members[m];
        const DialEntry* entry = memberEntry(book, member);
        if (entry == nullptr)
            continue;
        PrintedRow row;
        row.cells.resize(kGroupCells);
        const int kindText = member.kind == kMemberKindOneTouch ? IDS_ONE_TOUCH : IDS_SPEED_DIAL;
        row.cells[kItem] = canvas.stringText(kindText) + "#" + std::to_string(member.index + 1);
        row.cells[kItemName] = canvas.phoneBookText(fieldText(entry->name));
        row.cells[kItemAddress] = canvas.phoneBookText(
            entry->isEmail != 0 ? fieldText(entry->emailAddress) : fieldText(entry->faxNumber));
        row.openingCells = row.cells;
        row.openingCells[kKey] = keyRow.cells[kKey];
        row.openingCells[kGroupName] = keyRow.cells[kGroupName];
        rows.push_back(std::move(row));
    }
}

} // namespace

int codeText(std::span<const int> texts, uint8_t code) {
    return code < texts.size() ? texts[code] : 0;
}

std::vector<PrintColumn> listColumns(PrintCanvas& canvas, PrintedList list, int left,
                                     int tableWidth, bool a3Model) {
    if (list == PrintedList::group)
        return placed(groupColumns(canvas, tableWidth), left);
    return placed(entryColumns(canvas, list, tableWidth, a3Model), left);
}

std::vector<PrintedRow> listRows(PrintCanvas& canvas, PrintedList list,
                                 const PhoneBookSnapshot& book, bool a3Model) {
    std::vector<PrintedRow> rows;
    if (list == PrintedList::group) {
        for (int key = 0; key < static_cast<int>(book.keys.size()); ++key)
            appendGroupRows(canvas, book, key, rows);
        return rows;
    }
    const std::vector<DialEntry>& entries =
        list == PrintedList::oneTouch ? book.oneTouch : book.speedDial;
    for (int index = 0; index < static_cast<int>(entries.size()); ++index)
        rows.push_back(entryRow(canvas, entries[static_cast<size_t>(index)], index, book, a3Model));
    return rows;
}
