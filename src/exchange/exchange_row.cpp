#include "exchange/exchange_row.h"

#include "exchange/exchange_fields.h"
#include "store/code_page_text.h"
#include "store/dial_entry.h"
#include "store/machine_charset.h"

#include <array>

namespace {

struct KindName {
    RowKind kind;
    std::string_view name;
};

// The first name of each kind is the one written; the others are read too.
constexpr KindName kKindNames[] = {
    {RowKind::oneTouch, "One Touch"},  {RowKind::speedDial, "Speed Dial"},
    {RowKind::group, "Group"},         {RowKind::oneTouch, "OT"},
    {RowKind::speedDial, "SD"},        {RowKind::oneTouch, "OneTouch"},
    {RowKind::speedDial, "SpeedDial"},
};

ExchangeRow rowOf(const DialEntry& entry, RowKind kind, int index, int codePage,
                  uint8_t paperFamily, bool withPasswords) {
    ExchangeRow row;
    row.kind = kind;
    row.number = std::to_string(index + 1);
    row.name = codePageToUtf8(fieldText(entry.name), codePage);
    row.registered = registeredText(entry.regDate);
    if (kind == RowKind::group) {
        row.members = membersText(entry);
        return row;
    }
    if (entry.isEmail != 0) {
        row.emailAddress = codePageToUtf8(fieldText(entry.emailAddress), codePage);
        row.emailScan = emailScanText(entry, paperFamily);
        return row;
    }
    row.faxNumber = std::string(fieldText(entry.faxNumber));
    if (entry.detailsWithheld != 0)
        return row; // a combination key is its number alone
    row.speed = speedText(entry.speedIndex);
    if (kind == RowKind::speedDial)
        return row; // the machine keeps no SUB, SID or batch time there
    row.subAddress = std::string(fieldText(entry.subAddress));
    if (withPasswords)
        row.password = std::string(fieldText(entry.sidPassword));
    row.batchTime = batchTimeText(entry);
    return row;
}

} // namespace

std::string_view rowKindName(RowKind kind) {
    for (const KindName& name : kKindNames)
        if (name.kind == kind)
            return name.name;
    return {};
}

RowKind rowKindOfName(std::string_view text) {
    text = trimmed(text);
    if (text.empty())
        return RowKind::unstated;
    for (const KindName& name : kKindNames)
        if (equalsIgnoringCase(name.name, text))
            return name.kind;
    return RowKind::unknown;
}

std::vector<ExchangeRow> exportRows(const SettingsMirror& mirror, const RecordStore& store,
                                    bool withPasswords) {
    // The decoders mark program-dial keys and set record lengths: they work
    // on copies, so exporting never changes the document.
    SettingsMirror tables = mirror;
    RecordStore image = store;
    ProgramDialMarks marks;
    const int codePage = pcCodePage(mirror.language);
    const uint8_t paperFamily = mirror.machineInformation.paperFamily;
    std::vector<ExchangeRow> rows;
    for (int key = 0; key < kOneTouchKeyCount; ++key) {
        const DialEntry entry = decodeOneTouchKey(tables, marks, key);
        if (entry.used == 0 || entry.programDial != 0)
            continue;
        const RowKind kind =
            entry.entryClass == kEntryClassGroup ? RowKind::group : RowKind::oneTouch;
        rows.push_back(rowOf(entry, kind, key, codePage, paperFamily, withPasswords));
    }
    for (int index = 0; index < kSpeedDialEntryCount; ++index) {
        const DialEntry entry = decodeSpeedDial(tables, image, index);
        if (entry.used != 0)
            rows.push_back(
                rowOf(entry, RowKind::speedDial, index, codePage, paperFamily, withPasswords));
    }
    return rows;
}
