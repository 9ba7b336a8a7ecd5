#pragma once

#include "exchange/import_plan.h"
#include "exchange/phone_book_files.h"
#include "store/dial_entry_test_support.h"

#include <string>
#include <vector>

// A book with the network kit, in `language`, ready for imports.
inline PhoneBookFixture exchangeBook(uint8_t language = 0) {
    PhoneBookFixture book(language);
    book.mirror.machineInformation.nicKit = 1;
    return book;
}

inline std::vector<uint8_t> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

// Reads `text` as a file of `format` and plans it into `book`.
inline ImportPlan planText(PhoneBookFixture& book, std::string_view text,
                           ImportMode mode = ImportMode::add,
                           ExchangeFormat format = ExchangeFormat::csv) {
    const ReadPhoneBook read = readPhoneBook(bytesOf(text), format, 1252);
    return planImport(book.mirror, read.rows, mode, {2026, 12, 7});
}

// One planned row as the preview lists it: the place ("" when refused),
// the outcome and the first reason.
struct RowSummary {
    std::string place;
    RowOutcome outcome;
    std::vector<ImportNote> notes;
    bool operator==(const RowSummary&) const = default;
};

inline RowSummary summaryOf(const PlannedRow& row) {
    const char* kind = row.kind == RowKind::oneTouch ? "OT"
                       : row.kind == RowKind::group  ? "G"
                                                     : "SD";
    return {row.target < 0 ? "" : kind + plannedPlaceNumber(row), row.outcome, row.notes};
}

inline std::ostream& operator<<(std::ostream& out, const RowSummary& row) {
    out << row.place << " outcome " << static_cast<int>(row.outcome) << " notes";
    for (ImportNote note : row.notes)
        out << ' ' << static_cast<int>(note);
    return out;
}
