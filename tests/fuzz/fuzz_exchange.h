#pragma once

#include "exchange/import_plan.h"
#include "exchange/phone_book_files.h"
#include "store/machine_charset.h"

#include <cstdlib>
#include <set>

// One input for the exchange readers: a display language byte, then the
// file. Whatever the file holds, the plan places each row at most once and
// inside the tables, refuses with a reason, and what it stores exports and
// reads back row for row.
inline int fuzzExchangeFile(const uint8_t* data, size_t size, ExchangeFormat format) {
    if (size == 0)
        return 0;
    RecordStore store;
    initStore(store);
    SettingsMirror mirror;
    mirror.language = data[0];
    mirror.machineInformation.nicKit = 1;
    const std::span<const uint8_t> file(data + 1, size - 1);
    const ReadPhoneBook read = readPhoneBook(file, format, pcCodePage(mirror.language));
    const ImportPlan plan = planImport(mirror, read.rows, ImportMode::add, {2026, 12, 7});
    if (plan.rows.size() != read.rows.size())
        std::abort();
    std::set<std::pair<bool, int>> places;
    for (const PlannedRow& row : plan.rows) {
        const bool refused = row.outcome == RowOutcome::refused;
        const int count = row.kind == RowKind::speedDial ? kSpeedDialEntryCount : kOneTouchKeyCount;
        if (refused != (row.target < 0) || row.target >= count || (refused && row.notes.empty()))
            std::abort();
        if (!refused && !places.insert({row.kind == RowKind::speedDial, row.target}).second)
            std::abort();
    }
    applyImportPlan(mirror, store, plan);
    const std::string again = exportPhoneBook(mirror, store, format, true);
    const ReadPhoneBook reread =
        readPhoneBook({reinterpret_cast<const uint8_t*>(again.data()), again.size()}, format, 1252);
    if (reread.rows.size() != storedRowCount(plan))
        std::abort();
    return 0;
}
