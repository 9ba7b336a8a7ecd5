#include "settings/image_changes.h"

#include "resource_ids.h"
#include "settings/dialog_controls.h"
#include "settings/settings_sheet.h"
#include "store/code_page_text.h"
#include "store/entry_values.h"
#include "store/json_writer.h"
#include "store/machine_charset.h"
#include "string_table.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <span>

namespace {

std::string text(int id) {
    return std::string(stringTableText(id));
}

std::string number(long value) {
    return std::to_string(value);
}

std::string hexId(uint32_t id) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%x", id);
    return buffer;
}

// The text of the string `firstId + index` when the index lies in the list,
// else the bare number.
std::string listText(int firstId, int count, int index) {
    return index >= 0 && index < count ? text(firstId + index) : number(index);
}

// Both images, unpacked, with what their texts need.
struct ImagePair {
    const RecordStore& before;
    const RecordStore& after;
    SettingsMirror beforeMirror;
    SettingsMirror afterMirror;
    int codePage = 1252;
    uint8_t paperFamily = 0;

    ImagePair(const RecordStore& b, const RecordStore& a) : before(b), after(a) {
        unpackStore(before, beforeMirror);
        unpackStore(after, afterMirror);
        codePage = pcCodePage(afterMirror.language);
        paperFamily = afterMirror.machineInformation.paperFamily;
    }

    template <size_t N> std::string shown(const std::array<char, N>& field) const {
        const std::string_view value = fieldText(field);
        return value.empty() ? text(IDS_CHANGE_NO_TEXT) : codePageToUtf8(value, codePage);
    }
};

// ---- Settings ----

// The bytes a page edits as the page shows them: the page (or the dialog a
// page opens, named by its template), the control row, and where the bytes
// lie in the image.
struct NamedSetting {
    int titleId;
    int templateId;
    const PageDef* page;
    const ControlRow* row;
    int slot;
    size_t byte;
    size_t width;
};

const MirrorField* fieldHolding(size_t mirrorOffset) {
    for (const MirrorField& field : mirrorFields())
        if (mirrorOffset >= field.mirrorOffset && mirrorOffset < field.mirrorOffset + field.width)
            return &field;
    return nullptr;
}

// Every setting a page edits, once: the first row in tab order whose
// control the template has (a page may offer one setting through either of
// two controls, and its template picks one). A dialog a page opens names
// its settings under the page's title.
void addNamedSettings(std::vector<NamedSetting>& named, int titleId, int templateId,
                      const PageDef& page) {
    for (const ControlRow& row : page.controls) {
        if (row.kind == ControlKind::dialog && row.dialog != nullptr) {
            addNamedSettings(named, titleId, row.templateId, row.dialog());
            continue;
        }
        const MirrorField* field = fieldHolding(row.field.offset);
        if (row.kind == ControlKind::plain || row.kind == ControlKind::dialog ||
            field == nullptr || findDialogControl(templateId, row.controlId) == nullptr)
            continue;
        const size_t byte = row.field.offset - field->mirrorOffset;
        const bool known = std::any_of(named.begin(), named.end(), [&](const NamedSetting& n) {
            return n.slot == field->slot && n.byte == byte;
        });
        if (!known)
            named.push_back({titleId, templateId, &page, &row, field->slot, byte,
                             std::min(row.field.width, field->width - byte)});
    }
}

std::vector<NamedSetting> namedSettings() {
    std::vector<NamedSetting> named;
    for (const SheetPageRow& page : sheetPageTable())
        addNamedSettings(named, page.titleId, page.templateId, page.page());
    return named;
}

std::string settingName(const NamedSetting& setting) {
    const DialogControlText* control =
        findDialogControl(setting.templateId, setting.row->controlId);
    std::string_view name = control->label;
    if (setting.row->kind == ControlKind::check)
        name = control->text;
    if (name.empty())
        name = control->group;
    if (name.empty())
        name = control->text;
    return text(setting.titleId) + ": " + std::string(name);
}

std::string dottedQuad(uint32_t address) {
    char buffer[20];
    std::snprintf(buffer, sizeof buffer, "%u.%u.%u.%u", address >> 24, (address >> 16) & 0xFF,
                  (address >> 8) & 0xFF, address & 0xFF);
    return buffer;
}

// What the page's own view shows for the row: the scroll label after the
// page's rules, the address in the order the control shows it. The model
// only decides which controls show, never these values.
ControlState viewedState(const NamedSetting& setting, SettingsMirror& mirror) {
    std::vector<ControlState> view = pageView(*setting.page, PageContext{mirror});
    return *findState(view, setting.row->controlId);
}

std::string settingValue(const NamedSetting& setting, SettingsMirror& mirror, int codePage) {
    const ControlRow& row = *setting.row;
    const int value = readByte(mirror, row.field);
    switch (row.kind) {
    case ControlKind::radio:
        for (const ControlRow& other : setting.page->controls) {
            const DialogControlText* control =
                findDialogControl(setting.templateId, other.controlId);
            if (other.kind == ControlKind::radio && other.field.offset == row.field.offset &&
                other.value == value && control != nullptr)
                return std::string(control->text);
        }
        break;
    case ControlKind::combo:
        for (const ComboItem& item : row.items(mirror))
            if (item.value == value)
                return text(item.textId);
        break;
    case ControlKind::check:
        if (value == row.value || (row.checkedWhenNonZero && value != 0))
            return text(IDS_CHANGE_ON);
        if (value == row.clearedValue)
            return text(IDS_CHANGE_OFF);
        break;
    case ControlKind::scroll: {
        const int shown = viewedState(setting, mirror).labelValue;
        return row.unitId != 0 ? number(shown) + " " + text(row.unitId) : number(shown);
    }
    case ControlKind::text: {
        const std::string_view shown = readText(mirror, row.field);
        return shown.empty() ? text(IDS_CHANGE_NO_TEXT) : codePageToUtf8(shown, codePage);
    }
    case ControlKind::number:
        return std::to_string(static_cast<uint32_t>(value));
    case ControlKind::ipAddress: {
        const uint32_t address = viewedState(setting, mirror).address.value_or(0);
        return address == 0 ? text(IDS_CHANGE_NO_TEXT) : dottedQuad(address);
    }
    case ControlKind::held:
        // A password is not for a preview list: only that it changed.
        return text(IDS_CHANGE_HELD_VALUE);
    case ControlKind::dialog:
    case ControlKind::plain:
        break;
    }
    return number(value);
}

const NamedSetting* settingAt(const std::vector<NamedSetting>& named, int slot, size_t byte) {
    for (const NamedSetting& n : named)
        if (n.slot == slot && byte >= n.byte && byte < n.byte + n.width)
            return &n;
    return nullptr;
}

// A record's bytes in hex; the bytes of a held setting stay hidden here too.
std::string recordBytes(const SettingRecord& record, const std::vector<NamedSetting>& named,
                        int slot) {
    const size_t length = std::min<size_t>(record.payloadLength, kPayloadSize);
    if (length == 0)
        return text(IDS_CHANGE_NO_TEXT);
    std::string bytes;
    for (size_t i = 0; i < length; ++i) {
        const NamedSetting* setting = settingAt(named, slot, i);
        char hex[4];
        if (setting != nullptr && setting->row->kind == ControlKind::held)
            std::snprintf(hex, sizeof hex, i == 0 ? "**" : " **");
        else
            std::snprintf(hex, sizeof hex, i == 0 ? "%02x" : " %02x", record.payload[i]);
        bytes += hex;
    }
    return bytes;
}

std::string recordSubject(uint32_t recordId) {
    return text(IDS_CHANGE_RECORD) + " " + hexId(recordId);
}

void oneValue(std::vector<ImageChange>& changes, std::string subject, std::string before,
              std::string after) {
    changes.push_back(
        {std::move(subject), ChangeKind::changed, {{"", std::move(before), std::move(after)}}});
}

void describeSettings(ImagePair& images, std::vector<ImageChange>& changes) {
    const std::vector<NamedSetting> named = namedSettings();
    for (int slot = kMachineInfoSlot; slot < kOneTouchFirstSlot; ++slot) {
        const SettingRecord& old = images.before.slots[static_cast<size_t>(slot)];
        const SettingRecord& now = images.after.slots[static_cast<size_t>(slot)];
        if (uploadSkipsSlot(images.after, slot) || sameUploadedRecord(old, now))
            continue;
        if (slot == kStationNameSlot || slot == kStationNumberSlot) {
            const bool name = slot == kStationNameSlot;
            oneValue(changes, text(name ? IDS_CHANGE_STATION_NAME : IDS_CHANGE_STATION_NUMBER),
                     name ? images.shown(images.beforeMirror.stationName)
                          : images.shown(images.beforeMirror.stationNumber),
                     name ? images.shown(images.afterMirror.stationName)
                          : images.shown(images.afterMirror.stationNumber));
            continue;
        }
        // Named bytes read as their page shows them; whatever else differs
        // (a byte no page edits) shows the record raw. A length only a page
        // that stores it explains (a text's); any other record whose length
        // changed is shown raw alone: its bytes are not what a page would
        // show.
        const bool lengthExplained =
            std::any_of(named.begin(), named.end(), [&](const NamedSetting& n) {
                return n.slot == slot && n.row->storesLength;
            });
        bool unexplained = old.payloadLength != now.payloadLength && !lengthExplained;
        const size_t length =
            unexplained ? 0
                        : std::min<size_t>(std::max(old.payloadLength, now.payloadLength),
                                           kPayloadSize);
        const NamedSetting* shown = nullptr;
        for (size_t byte = 0; byte < length; ++byte) {
            if (old.payload[byte] == now.payload[byte])
                continue;
            const NamedSetting* setting = settingAt(named, slot, byte);
            if (setting == nullptr) {
                unexplained = true;
                continue;
            }
            if (setting == shown)
                continue;
            shown = setting;
            oneValue(changes, settingName(*setting),
                     setting->row->kind == ControlKind::held
                         ? std::string()
                         : settingValue(*setting, images.beforeMirror, images.codePage),
                     settingValue(*setting, images.afterMirror, images.codePage));
        }
        if (unexplained)
            oneValue(changes, recordSubject(now.recordId), recordBytes(old, named, slot),
                     recordBytes(now, named, slot));
    }
}

// ---- Phone book ----

std::string memberText(const DialEntry& entry) {
    std::string members;
    const size_t count = std::min<size_t>(entry.memberCount, kMaxGroupMembers);
    for (size_t k = 0; k < count; ++k) {
        const GroupMember& member = entry.members[k];
        if (!members.empty())
            members += ", ";
        members += text(member.kind & kMemberKindOneTouch ? IDS_ONE_TOUCH : IDS_SPEED_DIAL) + " " +
                   number(member.index + 1);
    }
    return members.empty() ? text(IDS_CHANGE_NO_TEXT) : members;
}

std::string kindText(const DialEntry& entry) {
    if (entry.programDial)
        return text(IDS_KIND_PROGRAM_DIAL);
    if (entry.entryClass == kEntryClassGroup)
        return text(IDS_GROUP);
    return text(entry.isEmail ? IDS_EMAIL_GROUP_CAPTION : IDS_FAX_GROUP_CAPTION);
}

std::string paperText(const ImagePair& images, uint8_t size) {
    return images.paperFamily == 0 ? listText(IDS_EMAIL_PAPER_A4, 3, size)
                                   : listText(IDS_EMAIL_PAPER_LETTER, 2, size);
}

std::string fieldValue(const ImagePair& images, EntryField field, const DialEntry& entry) {
    switch (field) {
    case EntryField::kind:
        return kindText(entry);
    case EntryField::name:
        return images.shown(entry.name);
    case EntryField::faxNumber:
        return images.shown(entry.faxNumber);
    case EntryField::subAddress:
        return images.shown(entry.subAddress);
    case EntryField::sidPassword:
        return images.shown(entry.sidPassword);
    case EntryField::batchTime:
        return fieldText(entry.batchHour).empty() ? text(IDS_CHANGE_NO_TEXT)
                                                  : std::string(fieldText(entry.batchHour)) + ":" +
                                                        std::string(fieldText(entry.batchMinute));
    case EntryField::speed:
        return listText(IDS_SPEED_9600, 3, entry.speedIndex);
    case EntryField::emailAddress:
        return images.shown(entry.emailAddress);
    case EntryField::emailScanOption:
        return listText(IDS_EMAIL_SCAN_DEFAULT, 2, entry.emailScanOption);
    case EntryField::emailPaperSize:
        return paperText(images, entry.emailPaperSize);
    case EntryField::emailResolution:
        return listText(IDS_EMAIL_RESOLUTION_FINE, 2, entry.emailResolution);
    case EntryField::emailCoding:
        return listText(IDS_EMAIL_CODING_MH, 3, entry.emailCoding);
    case EntryField::combinationKey:
        return text(entry.detailsWithheld ? IDS_CHANGE_ON : IDS_CHANGE_OFF);
    case EntryField::members:
        return memberText(entry);
    case EntryField::registered: {
        const CalendarDate date = unpackRegDate(entry.regDate);
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", date.year, date.month, date.day);
        return buffer;
    }
    case EntryField::storedForm:
        break;
    }
    return {};
}

constexpr int kFieldNameIds[] = {
    IDS_FIELD_KIND,
    IDS_FIELD_NAME,
    IDS_FIELD_FAX_NUMBER,
    IDS_FIELD_SUB_ADDRESS,
    IDS_FIELD_SID_PASSWORD,
    IDS_FIELD_BATCH_TIME,
    IDS_FIELD_SPEED,
    IDS_FIELD_EMAIL_ADDRESS,
    IDS_FIELD_SCAN_OPTION,
    IDS_FIELD_PAPER_SIZE,
    IDS_FIELD_RESOLUTION,
    IDS_FIELD_CODING,
    IDS_FIELD_COMBINATION_KEY,
    IDS_FIELD_MEMBERS,
    IDS_FIELD_REGISTERED,
    IDS_FIELD_STORED_FORM,
};
static_assert(std::size(kFieldNameIds) == static_cast<size_t>(EntryField::storedForm) + 1);

// What an added or removed entry shows: what kind it is and how it is reached.
std::vector<EntryField> visibleFields(const DialEntry& entry) {
    if (entry.programDial)
        return {EntryField::kind};
    if (entry.entryClass == kEntryClassGroup)
        return {EntryField::kind, EntryField::name, EntryField::members};
    return {EntryField::kind, EntryField::name,
            entry.isEmail ? EntryField::emailAddress : EntryField::faxNumber};
}

ImageChange describeEntry(const ImagePair& images, const EntryChange& change) {
    const DialEntry& shown = change.change == ChangeKind::removed ? change.before : change.after;
    const bool group = shown.entryClass == kEntryClassGroup;
    int tableId = change.table == EntryTable::speedDial ? IDS_SPEED_DIAL : IDS_ONE_TOUCH;
    if (group)
        tableId = IDS_GROUP;
    ImageChange item{text(tableId) + " " + number(change.index + 1), change.change, {}};
    if (!fieldText(shown.name).empty())
        item.subject += " (" + codePageToUtf8(fieldText(shown.name), images.codePage) + ")";
    const std::vector<EntryField> fields =
        change.change == ChangeKind::changed ? change.fields : visibleFields(shown);
    for (EntryField field : fields) {
        FieldChange line{text(kFieldNameIds[static_cast<size_t>(field)]), {}, {}};
        if (change.change != ChangeKind::added)
            line.before = fieldValue(images, field, change.before);
        if (change.change != ChangeKind::removed)
            line.after = fieldValue(images, field, change.after);
        item.fields.push_back(std::move(line));
    }
    return item;
}

std::string changeWord(ChangeKind change) {
    switch (change) {
    case ChangeKind::added:
        return text(IDS_CHANGE_ADDED);
    case ChangeKind::removed:
        return text(IDS_CHANGE_REMOVED);
    case ChangeKind::changed:
        break;
    }
    return text(IDS_CHANGE_CHANGED);
}

// "before → after", or the one value an added or removed entry has.
std::string valueText(const FieldChange& field) {
    if (field.before.empty())
        return field.after;
    if (field.after.empty())
        return field.before;
    return field.before + " \u2192 " + field.after;
}

} // namespace

std::vector<ImageChange> describeImageChanges(const RecordStore& before, const RecordStore& after) {
    if (differingUploadedSlots(before, after).empty())
        return {};
    const auto images = std::make_unique<ImagePair>(before, after);
    std::vector<ImageChange> changes;
    describeSettings(*images, changes);
    for (const EntryChange& change : comparePhoneBooks(before, after))
        changes.push_back(describeEntry(*images, change));
    return changes;
}

std::string imageChangesText(const std::vector<ImageChange>& changes, int noneTextId) {
    if (changes.empty())
        return text(noneTextId) + "\n";
    std::string out;
    for (const ImageChange& change : changes) {
        if (change.fields.size() == 1 && change.fields[0].name.empty()) {
            out += change.subject + ": " + valueText(change.fields[0]) + "\n";
            continue;
        }
        out += change.subject + ": " + changeWord(change.change) + "\n";
        for (const FieldChange& field : change.fields) {
            const std::string value = valueText(field);
            out += "    " + field.name + (value.empty() ? "" : ": " + value) + "\n";
        }
    }
    return out;
}

std::string imageChangesJson(const std::vector<ImageChange>& changes) {
    static constexpr const char* kChangeKeys[] = {"added", "removed", "changed"};
    JsonWriter json;
    json.beginObject();
    json.beginArray("changes");
    for (const ImageChange& change : changes) {
        json.beginObject();
        json.string("subject", change.subject);
        json.string("change", kChangeKeys[static_cast<size_t>(change.change)]);
        json.beginArray("fields");
        for (const FieldChange& field : change.fields) {
            json.beginObject();
            json.string("name", field.name);
            json.string("before", field.before);
            json.string("after", field.after);
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.text();
}

std::string recordListText(const std::vector<int>& slots) {
    std::string out;
    for (int slot : slots)
        out += recordSubject(slotRecordId(slot)) + "\n";
    return out;
}
