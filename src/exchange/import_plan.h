#pragma once

#include "exchange/exchange_row.h"
#include "store/dial_entry.h"
#include "store/entry_values.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

// What an import will do, decided in full before anything changes: where
// each row goes, what the machine's rules leave of it and why a row is
// refused. The preview shows the plan; only applying it changes the book.

enum class ImportMode {
    add,     // into free keys and entries; the existing ones are kept
    replace, // the whole phone book (the machine's program-dial keys stay)
};

// Ordered by weight: a row's outcome is that of its weightiest note.
enum class RowOutcome { storedAsIs, storedShortened, charactersRemoved, refused };

enum class ImportNote {
    movedToFreePlace,
    spreadsheetApostrophe,
    nameShortened,
    emailLeftOut,
    speedDialDetailsLeftOut,
    combinationKeyDetailsLeftOut,
    passwordLeftOut,
    membersLeftOut,
    membersCut,
    nameCharactersRemoved,
    numberCharactersRemoved,
    emailCharactersRemoved,
    unknownKind,
    badPlaceNumber,
    noFreePlace,
    noDestination,
    spreadsheetFigure,
    numberTooLong,
    numberEmpty,
    subAddressTooLong,
    emailInvalid,
    emailTooLong,
    emailNeedsNetworkKit,
    badSpeed,
    badBatchTime,
    badEmailScan,
    noMembers,
};

RowOutcome noteOutcome(ImportNote note);
int importNoteStringId(ImportNote note);
int rowOutcomeStringId(RowOutcome outcome);

struct PlannedRow {
    size_t line = 0;
    RowKind kind = RowKind::speedDial; // oneTouch, speedDial or group
    int target = -1;                   // 0-based key or entry; -1 when refused
    RowOutcome outcome = RowOutcome::storedAsIs;
    std::vector<ImportNote> notes; // weightiest first
    DialEntry entry;               // what will be stored, in the PC code page
    std::string name;              // as the file gave them, for the preview
    std::string destination;
};

struct ImportPlan {
    ImportMode mode = ImportMode::add;
    std::vector<PlannedRow> rows; // in file order
};

// `today` stamps rows that bring no registration date of their own.
ImportPlan planImport(const SettingsMirror& mirror, std::span<const ExchangeRow> rows,
                      ImportMode mode, const CalendarDate& today);

// Stores every row the plan did not refuse (Replace clears the book
// first) and packs the image.
void applyImportPlan(SettingsMirror& mirror, RecordStore& store, const ImportPlan& plan);

size_t storedRowCount(const ImportPlan& plan);

// Where a row goes, as the lists number it: the kind's string and "03"
// (One Touch, Group) or "041" (Speed Dial); empty for a refused row.
int plannedKindStringId(const PlannedRow& row);
std::string plannedPlaceNumber(const PlannedRow& row);

// The row's outcome and its reasons, one line of text.
std::string plannedRowWhy(const PlannedRow& row, std::string (*text)(int id));

// The plan as a CSV report (UTF-8 with its mark): line, place, name,
// number or address, outcome and reasons. `text` gives a string's text.
std::string importReportCsv(const ImportPlan& plan, std::string (*text)(int id));
