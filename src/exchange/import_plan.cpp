#include "exchange/import_plan.h"

#include "exchange/csv_table.h"
#include "exchange/exchange_fields.h"
#include "resource_ids.h"
#include "store/code_page_text.h"
#include "store/machine_charset.h"
#include "store/stored_entry_access.h"
#include "store/text_filters.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>

namespace {

struct NoteRule {
    ImportNote note;
    RowOutcome outcome;
    int stringId;
};

constexpr NoteRule kNoteRules[] = {
    {ImportNote::movedToFreePlace, RowOutcome::storedAsIs, IDS_IMPORT_NOTE_MOVED},
    {ImportNote::spreadsheetApostrophe, RowOutcome::storedAsIs, IDS_IMPORT_NOTE_APOSTROPHE},
    {ImportNote::nameShortened, RowOutcome::storedShortened, IDS_IMPORT_NOTE_NAME_SHORTENED},
    {ImportNote::emailLeftOut, RowOutcome::storedShortened, IDS_IMPORT_NOTE_EMAIL_LEFT_OUT},
    {ImportNote::speedDialDetailsLeftOut, RowOutcome::storedShortened,
     IDS_IMPORT_NOTE_SPEED_DIAL_DETAILS},
    {ImportNote::combinationKeyDetailsLeftOut, RowOutcome::storedShortened,
     IDS_IMPORT_NOTE_COMBINATION_KEY},
    {ImportNote::passwordLeftOut, RowOutcome::storedShortened, IDS_IMPORT_NOTE_PASSWORD_LEFT_OUT},
    {ImportNote::membersLeftOut, RowOutcome::storedShortened, IDS_IMPORT_NOTE_MEMBERS_LEFT_OUT},
    {ImportNote::membersCut, RowOutcome::storedShortened, IDS_IMPORT_NOTE_MEMBERS_CUT},
    {ImportNote::nameCharactersRemoved, RowOutcome::charactersRemoved,
     IDS_IMPORT_NOTE_NAME_CHARACTERS},
    {ImportNote::numberCharactersRemoved, RowOutcome::charactersRemoved,
     IDS_IMPORT_NOTE_NUMBER_CHARACTERS},
    {ImportNote::emailCharactersRemoved, RowOutcome::charactersRemoved,
     IDS_IMPORT_NOTE_EMAIL_CHARACTERS},
    {ImportNote::unknownKind, RowOutcome::refused, IDS_IMPORT_NOTE_UNKNOWN_KIND},
    {ImportNote::badPlaceNumber, RowOutcome::refused, IDS_IMPORT_NOTE_BAD_PLACE},
    {ImportNote::noFreePlace, RowOutcome::refused, IDS_IMPORT_NOTE_NO_FREE_PLACE},
    {ImportNote::noDestination, RowOutcome::refused, IDS_IMPORT_NOTE_NO_DESTINATION},
    {ImportNote::spreadsheetFigure, RowOutcome::refused, IDS_IMPORT_NOTE_SPREADSHEET_FIGURE},
    {ImportNote::numberTooLong, RowOutcome::refused, IDS_IMPORT_NOTE_NUMBER_TOO_LONG},
    {ImportNote::numberEmpty, RowOutcome::refused, IDS_IMPORT_NOTE_NUMBER_EMPTY},
    {ImportNote::subAddressTooLong, RowOutcome::refused, IDS_IMPORT_NOTE_SUB_TOO_LONG},
    {ImportNote::emailInvalid, RowOutcome::refused, IDS_IMPORT_NOTE_EMAIL_INVALID},
    {ImportNote::emailTooLong, RowOutcome::refused, IDS_IMPORT_NOTE_EMAIL_TOO_LONG},
    {ImportNote::emailNeedsNetworkKit, RowOutcome::refused, IDS_IMPORT_NOTE_EMAIL_NEEDS_KIT},
    {ImportNote::badSpeed, RowOutcome::refused, IDS_IMPORT_NOTE_BAD_SPEED},
    {ImportNote::badBatchTime, RowOutcome::refused, IDS_IMPORT_NOTE_BAD_BATCH_TIME},
    {ImportNote::badEmailScan, RowOutcome::refused, IDS_IMPORT_NOTE_BAD_EMAIL_SCAN},
    {ImportNote::noMembers, RowOutcome::refused, IDS_IMPORT_NOTE_NO_MEMBERS},
};

constexpr int kOutcomeStringIds[] = {IDS_IMPORT_STORED_AS_IS, IDS_IMPORT_STORED_SHORTENED,
                                     IDS_IMPORT_CHARACTERS_REMOVED, IDS_IMPORT_REFUSED};

const NoteRule& ruleOf(ImportNote note) {
    for (const NoteRule& rule : kNoteRules)
        if (rule.note == note)
            return rule;
    return kNoteRules[0];
}

// What the book looks like to the plan: which places are taken, and which
// entries a Group of the file may list without bringing them itself.
struct Book {
    std::array<bool, kOneTouchKeyCount> oneTouchTaken{};
    std::array<bool, kSpeedDialEntryCount> speedDialTaken{};
    std::array<bool, kOneTouchKeyCount> oneTouchMember{};
    std::array<bool, kSpeedDialEntryCount> speedDialMember{};

    bool& taken(bool oneTouch, int index) {
        return oneTouch ? oneTouchTaken[static_cast<size_t>(index)]
                        : speedDialTaken[static_cast<size_t>(index)];
    }
};

bool isProgramDialKey(const StoredEntry& entry) {
    return (entry[kEntryFlagsByte] & kFlagProgramDial) != 0;
}

Book bookOf(const SettingsMirror& mirror, ImportMode mode) {
    Book book;
    SettingsMirror tables = mirror;
    RecordStore scratch;
    ProgramDialMarks marks;
    for (int key = 0; key < kOneTouchKeyCount; ++key) {
        const bool programDial = isProgramDialKey(mirror.oneTouchTable[static_cast<size_t>(key)]);
        const DialEntry entry = decodeOneTouchKey(tables, marks, key);
        const bool kept = mode == ImportMode::add && entry.used != 0;
        book.oneTouchTaken[static_cast<size_t>(key)] = programDial || kept;
        book.oneTouchMember[static_cast<size_t>(key)] =
            kept && !programDial && entry.entryClass != kEntryClassGroup;
    }
    for (int index = 0; index < kSpeedDialEntryCount; ++index) {
        const DialEntry entry = decodeSpeedDial(tables, scratch, index);
        const bool kept = mode == ImportMode::add && entry.used != 0;
        book.speedDialTaken[static_cast<size_t>(index)] = kept;
        book.speedDialMember[static_cast<size_t>(index)] = kept;
    }
    return book;
}

// One row on its way through the plan.
struct Candidate {
    PlannedRow planned;
    std::optional<int> asked; // the 0-based place the row names
    MemberTokens members;
    std::vector<size_t> memberRows;

    bool refused() const { return planned.outcome == RowOutcome::refused; }
    void note(ImportNote note) {
        planned.notes.push_back(note);
        planned.outcome = std::max(planned.outcome, ruleOf(note).outcome);
    }
    bool oneTouchPlace() const { return planned.kind != RowKind::speedDial; }
};

struct Rules {
    uint8_t language = 0;
    int codePage = 1252;
    uint8_t paperFamily = 0;
    bool networkKit = false;
    uint16_t today = 0;
};

// A spreadsheet's leading apostrophe (its mark for "keep as text") is
// dropped and reported.
std::string withoutApostrophe(std::string_view text, Candidate& row) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '\'') {
        text.remove_prefix(1);
        row.note(ImportNote::spreadsheetApostrophe);
    }
    return std::string(text);
}

// A dial string through the register dialog's number filter and limit.
std::string dialString(std::string_view written, DialField field, size_t limit, ImportNote tooLong,
                       Candidate& row) {
    const std::string text = withoutApostrophe(written, row);
    if (text.empty())
        return text;
    if (looksLikeSpreadsheetFigure(text)) {
        row.note(ImportNote::spreadsheetFigure);
        return {};
    }
    const FilteredText filtered = filterDialNumber(text, field);
    if (filtered.removed)
        row.note(ImportNote::numberCharactersRemoved);
    if (filtered.text.empty())
        row.note(ImportNote::numberEmpty);
    if (filtered.text.size() > limit)
        row.note(tooLong);
    return filtered.text;
}

void takeName(std::string_view written, const Rules& rules, Candidate& row) {
    const std::string bytes =
        utf8ToCodePage(trimmed(written), rules.codePage, kUnrepresentableCharacter);
    FilteredText filtered = filterName(bytes, rules.language);
    if (filtered.removed)
        row.note(ImportNote::nameCharactersRemoved);
    if (filtered.text.size() > static_cast<size_t>(kMaxNameLength)) {
        filtered.text.resize(kMaxNameLength);
        row.note(ImportNote::nameShortened);
    }
    setFieldText(row.planned.entry.name, filtered.text);
}

void takeFax(const ExchangeRow& source, const std::string& number, const Rules& rules,
             Candidate& row) {
    DialEntry& entry = row.planned.entry;
    setFieldText(entry.faxNumber, number);
    entry.speedIndex = 2;
    const bool speedDial = row.planned.kind == RowKind::speedDial;
    if (number.back() == '+') {
        // A combination key is dialled before another number: the machine
        // keeps nothing but its digits.
        entry.detailsWithheld = 1;
        if (!trimmed(source.name).empty() || !trimmed(source.subAddress).empty() ||
            !trimmed(source.password).empty() || !trimmed(source.batchTime).empty() ||
            (!trimmed(source.speed).empty() && speedOfText(source.speed) != 2))
            row.note(ImportNote::combinationKeyDetailsLeftOut);
        return;
    }
    takeName(source.name, rules, row);
    const std::optional<uint8_t> speed = speedOfText(source.speed);
    if (!speed)
        row.note(ImportNote::badSpeed);
    entry.speedIndex = speed.value_or(2);
    if (speedDial) {
        if (!trimmed(source.subAddress).empty() || !trimmed(source.password).empty() ||
            !trimmed(source.batchTime).empty())
            row.note(ImportNote::speedDialDetailsLeftOut);
        return;
    }
    const std::string sub = dialString(source.subAddress, DialField::subOrSid, kMaxSubSidDigits,
                                       ImportNote::subAddressTooLong, row);
    const std::string sid = dialString(source.password, DialField::subOrSid, kMaxSubSidDigits,
                                       ImportNote::subAddressTooLong, row);
    setFieldText(entry.subAddress, sub);
    if (sub.empty() && !sid.empty())
        row.note(ImportNote::passwordLeftOut);
    else
        setFieldText(entry.sidPassword, sid);
    const std::optional<BatchTime> batch = batchTimeOfText(source.batchTime);
    if (!batch) {
        row.note(ImportNote::badBatchTime);
        return;
    }
    setFieldText(entry.batchHour, batch->hour);
    setFieldText(entry.batchMinute, batch->minute);
}

void takeEmail(const ExchangeRow& source, const Rules& rules, Candidate& row) {
    DialEntry& entry = row.planned.entry;
    entry.isEmail = 1;
    takeName(source.name, rules, row);
    const std::string bytes =
        utf8ToCodePage(trimmed(source.emailAddress), rules.codePage, kUnrepresentableCharacter);
    const FilteredText filtered = filterEmailAddress(bytes);
    if (filtered.removed)
        row.note(ImportNote::emailCharactersRemoved);
    if (!isValidEmailAddress(filtered.text))
        row.note(ImportNote::emailInvalid);
    if (filtered.text.size() > static_cast<size_t>(kMaxEmailLength))
        row.note(ImportNote::emailTooLong);
    if (!rules.networkKit)
        row.note(ImportNote::emailNeedsNetworkKit);
    setFieldText(entry.emailAddress, filtered.text);
    const std::optional<EmailScan> scan = emailScanOfText(source.emailScan, rules.paperFamily);
    if (!scan) {
        row.note(ImportNote::badEmailScan);
        return;
    }
    entry.emailScanOption = scan->option;
    entry.emailPaperSize = scan->paperSize;
    entry.emailResolution = scan->resolution;
    entry.emailCoding = scan->coding;
}

Candidate candidateOf(const ExchangeRow& source, const Rules& rules) {
    Candidate row;
    PlannedRow& planned = row.planned;
    planned.line = source.line;
    planned.name = std::string(trimmed(source.name));
    planned.kind = source.kind == RowKind::unstated ? RowKind::speedDial : source.kind;
    if (source.kind == RowKind::unknown) {
        row.note(ImportNote::unknownKind);
        return row;
    }
    const std::string number = withoutApostrophe(source.number, row);
    if (!number.empty()) {
        const int count = row.oneTouchPlace() ? kOneTouchKeyCount : kSpeedDialEntryCount;
        const bool digits =
            number.size() <= 3 && number.find_first_not_of("0123456789") == std::string::npos;
        const int value = digits ? std::stoi(number) : 0;
        if (value < 1 || value > count)
            row.note(ImportNote::badPlaceNumber);
        else
            row.asked = value - 1;
    }
    DialEntry& entry = planned.entry;
    entry.used = 1;
    entry.regDate = registeredOfText(source.registered).value_or(rules.today);
    if (planned.kind == RowKind::group) {
        entry.entryClass = kEntryClassGroup;
        entry.highFlag = 1;
        takeName(source.name, rules, row);
        row.members = membersOfText(source.members);
        row.memberRows = source.memberRows;
        if (row.members.notUnderstood > 0)
            row.note(ImportNote::membersLeftOut);
        return row;
    }
    const std::string fax = dialString(source.faxNumber, DialField::faxNumber, kMaxDialDigits,
                                       ImportNote::numberTooLong, row);
    const std::string_view email = trimmed(source.emailAddress);
    if (!fax.empty()) {
        planned.destination = fax;
        takeFax(source, fax, rules, row);
        if (!email.empty())
            row.note(ImportNote::emailLeftOut);
    } else if (!email.empty() && trimmed(source.faxNumber).empty()) {
        planned.destination = std::string(email);
        takeEmail(source, rules, row);
    } else if (!row.refused()) {
        row.note(ImportNote::noDestination);
    }
    return row;
}

std::optional<int> firstFree(Book& book, bool oneTouch) {
    const int count = oneTouch ? kOneTouchKeyCount : kSpeedDialEntryCount;
    for (int i = 0; i < count; ++i)
        if (!book.taken(oneTouch, i))
            return i;
    return std::nullopt;
}

// Rows that name a free place take it, in file order; then every other
// row takes the next free place of its kind.
void placeRows(std::vector<Candidate>& rows, Book& book) {
    std::vector<Candidate*> waiting;
    for (Candidate& row : rows) {
        if (row.refused())
            continue;
        if (row.asked && !book.taken(row.oneTouchPlace(), *row.asked)) {
            row.planned.target = *row.asked;
            book.taken(row.oneTouchPlace(), *row.asked) = true;
            continue;
        }
        if (row.asked)
            row.note(ImportNote::movedToFreePlace);
        waiting.push_back(&row);
    }
    for (Candidate* row : waiting) {
        const std::optional<int> free = firstFree(book, row->oneTouchPlace());
        if (!free) {
            row->note(ImportNote::noFreePlace);
            continue;
        }
        row->planned.target = *free;
        book.taken(row->oneTouchPlace(), *free) = true;
    }
}

// Where an entry of the file landed, as a Group member; none for a row
// that is no member (refused, a Group).
std::optional<GroupMember> memberOfRow(const Candidate& row) {
    if (row.refused() || row.planned.kind == RowKind::group)
        return std::nullopt;
    const bool oneTouch = row.planned.kind == RowKind::oneTouch;
    return GroupMember{oneTouch ? kMemberKindOneTouch : kMemberKindSpeedDial,
                       static_cast<uint8_t>(row.planned.target)};
}

// A member names an entry of the file by the number the file gave it, or,
// when the file brings none there, an entry the book keeps.
void resolveMembers(std::vector<Candidate>& rows, const Book& book) {
    std::map<std::pair<bool, int>, const Candidate*> byAskedPlace;
    for (const Candidate& row : rows)
        if (row.asked && row.planned.kind != RowKind::group)
            byAskedPlace.emplace(std::make_pair(row.planned.kind == RowKind::oneTouch, *row.asked),
                                 &row);
    for (Candidate& group : rows) {
        if (group.planned.kind != RowKind::group || group.refused())
            continue;
        std::vector<GroupMember> members;
        bool leftOut = false;
        const auto add = [&](std::optional<GroupMember> member) {
            if (!member) {
                leftOut = true;
                return;
            }
            if (std::find(members.begin(), members.end(), *member) == members.end())
                members.push_back(*member);
        };
        for (const GroupMember& named : group.members.members) {
            const bool oneTouch = named.kind == kMemberKindOneTouch;
            const auto found = byAskedPlace.find({oneTouch, named.index});
            if (found != byAskedPlace.end()) {
                add(memberOfRow(*found->second));
                continue;
            }
            const bool kept =
                oneTouch ? book.oneTouchMember[named.index] : book.speedDialMember[named.index];
            add(kept ? std::optional<GroupMember>(named) : std::nullopt);
        }
        for (size_t index : group.memberRows)
            add(index < rows.size() ? memberOfRow(rows[index]) : std::nullopt);
        if (leftOut)
            group.note(ImportNote::membersLeftOut);
        if (members.size() > static_cast<size_t>(kMaxGroupMembers)) {
            members.resize(kMaxGroupMembers);
            group.note(ImportNote::membersCut);
        }
        if (members.empty()) {
            group.note(ImportNote::noMembers);
            group.planned.target = -1;
            continue;
        }
        DialEntry& entry = group.planned.entry;
        entry.memberCount = static_cast<uint8_t>(members.size());
        std::copy(members.begin(), members.end(), entry.members.begin());
    }
}

} // namespace

RowOutcome noteOutcome(ImportNote note) {
    return ruleOf(note).outcome;
}

int importNoteStringId(ImportNote note) {
    return ruleOf(note).stringId;
}

int rowOutcomeStringId(RowOutcome outcome) {
    return kOutcomeStringIds[static_cast<size_t>(outcome)];
}

ImportPlan planImport(const SettingsMirror& mirror, std::span<const ExchangeRow> rows,
                      ImportMode mode, const CalendarDate& today) {
    Rules rules;
    rules.language = mirror.language;
    rules.codePage = pcCodePage(mirror.language);
    rules.paperFamily = mirror.machineInformation.paperFamily;
    rules.networkKit = mirror.machineInformation.nicKit != 0;
    rules.today = packRegDate(today);
    std::vector<Candidate> candidates;
    candidates.reserve(rows.size());
    for (const ExchangeRow& row : rows)
        candidates.push_back(candidateOf(row, rules));
    Book book = bookOf(mirror, mode);
    placeRows(candidates, book);
    resolveMembers(candidates, book);
    ImportPlan plan;
    plan.mode = mode;
    for (Candidate& candidate : candidates) {
        PlannedRow& planned = candidate.planned;
        if (planned.outcome == RowOutcome::refused)
            planned.target = -1;
        std::stable_sort(
            planned.notes.begin(), planned.notes.end(),
            [](ImportNote a, ImportNote b) { return noteOutcome(a) > noteOutcome(b); });
        plan.rows.push_back(std::move(planned));
    }
    return plan;
}

void applyImportPlan(SettingsMirror& mirror, RecordStore& store, const ImportPlan& plan) {
    if (plan.mode == ImportMode::replace) {
        for (StoredEntry& key : mirror.oneTouchTable)
            if (!isProgramDialKey(key))
                key.fill(0);
        for (StoredEntry& entry : mirror.speedDialTable)
            entry.fill(0);
    }
    for (const PlannedRow& row : plan.rows) {
        if (row.target < 0)
            continue;
        DialEntry entry = row.entry;
        entry.index = static_cast<uint8_t>(row.target);
        switch (row.kind) {
        case RowKind::oneTouch:
            entry.entryClass = kEntryClassOneTouch;
            encodeOneTouch(mirror, store, entry, row.target);
            break;
        case RowKind::group:
            encodeGroup(mirror, entry, row.target);
            slotLength(store, true, row.target) = kGroupLength;
            break;
        default:
            entry.entryClass = kEntryClassSpeedDial;
            encodeSpeedDial(mirror, store, entry, row.target);
            break;
        }
    }
    packStore(mirror, store);
}

size_t storedRowCount(const ImportPlan& plan) {
    return static_cast<size_t>(std::count_if(
        plan.rows.begin(), plan.rows.end(), [](const PlannedRow& row) { return row.target >= 0; }));
}

int plannedKindStringId(const PlannedRow& row) {
    switch (row.kind) {
    case RowKind::oneTouch:
        return IDS_ONE_TOUCH;
    case RowKind::group:
        return IDS_GROUP;
    default:
        return IDS_SPEED_DIAL;
    }
}

std::string plannedPlaceNumber(const PlannedRow& row) {
    if (row.target < 0)
        return {};
    char text[8];
    std::snprintf(text, sizeof text, row.kind == RowKind::speedDial ? "%03d" : "%02d",
                  row.target + 1);
    return text;
}

std::string plannedRowWhy(const PlannedRow& row, std::string (*text)(int id)) {
    std::string why;
    for (ImportNote note : row.notes) {
        if (!why.empty())
            why += ' ';
        why += text(importNoteStringId(note));
    }
    return why;
}

std::string importReportCsv(const ImportPlan& plan, std::string (*text)(int id)) {
    constexpr int kHeaders[] = {IDS_IMPORT_COLUMN_LINE,    IDS_IMPORT_COLUMN_PLACE,
                                IDS_IMPORT_COLUMN_NAME,    IDS_IMPORT_COLUMN_DESTINATION,
                                IDS_IMPORT_COLUMN_OUTCOME, IDS_IMPORT_COLUMN_WHY};
    std::string out = "\xEF\xBB\xBF";
    const auto endLine = [&](const std::vector<std::string>& fields) {
        for (size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out += ',';
            appendCsvField(out, fields[i]);
        }
        out += "\r\n";
    };
    std::vector<std::string> header;
    for (int id : kHeaders)
        header.push_back(text(id));
    endLine(header);
    for (const PlannedRow& row : plan.rows) {
        const std::string place =
            row.target < 0 ? std::string()
                           : text(plannedKindStringId(row)) + " " + plannedPlaceNumber(row);
        endLine({std::to_string(row.line), place, row.name, row.destination,
                 text(rowOutcomeStringId(row.outcome)), plannedRowWhy(row, text)});
    }
    return out;
}
