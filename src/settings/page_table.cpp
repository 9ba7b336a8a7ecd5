#include "settings/page_table.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

const ControlRow* findRow(const PageDef& page, int controlId, ControlKind kind) {
    for (const ControlRow& row : page.controls)
        if (row.controlId == controlId && row.kind == kind)
            return &row;
    return nullptr;
}

int indexOfValue(const ComboItems& items, int value) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].value == value)
            return static_cast<int>(i);
    return -1;
}

CheckState checkStateOf(const ControlRow& row, int stored) {
    if (row.kind == ControlKind::radio)
        return stored == row.value ? CheckState::checked : CheckState::unchecked;
    if (row.checkedWhenNonZero)
        return stored != 0 ? CheckState::checked : CheckState::unchecked;
    if (stored == row.value)
        return CheckState::checked;
    if (stored == row.clearedValue)
        return CheckState::unchecked;
    // A value the box does not stand for leaves it as the template has it.
    return CheckState::asTemplate;
}

ScrollRange rangeOf(const ControlRow& row, const SettingsMirror& mirror) {
    ScrollRange range = row.scroll;
    if (range.maximumOf != nullptr)
        range.maxValue = range.maximumOf(mirror);
    return range;
}

const std::string* typedText(const PageContext& context, int controlId) {
    if (context.memory == nullptr)
        return nullptr;
    const auto found = context.memory->typed.find(controlId);
    return found == context.memory->typed.end() ? nullptr : &found->second;
}

// What an edit shows: the text as typed while the page is open, otherwise
// what the mirror holds.
std::string editTextOf(const ControlRow& row, const PageContext& context) {
    if (const std::string* typed = typedText(context, row.controlId))
        return *typed;
    switch (row.kind) {
    case ControlKind::text:
        return std::string(readText(context.mirror, row.field));
    case ControlKind::number:
        return std::to_string(static_cast<uint32_t>(readByte(context.mirror, row.field)));
    default:
        return {};
    }
}

uint32_t controlAddress(const ControlRow& row, uint32_t stored) {
    return row.reversed ? reversedBytes(stored) : stored;
}

ControlState stateOf(const ControlRow& row, const PageContext& context) {
    const SettingsMirror& mirror = context.mirror;
    ControlState state{.controlId = row.controlId, .kind = row.kind};
    const int stored = row.kind == ControlKind::text || row.kind == ControlKind::held ||
                               row.kind == ControlKind::dialog || row.kind == ControlKind::plain
                           ? 0
                           : readByte(mirror, row.field);
    switch (row.kind) {
    case ControlKind::radio:
    case ControlKind::check:
        state.check = checkStateOf(row, stored);
        break;
    case ControlKind::combo:
        state.items = row.items(mirror);
        state.selection = indexOfValue(state.items, stored);
        break;
    case ControlKind::scroll: {
        const ScrollRange range = rangeOf(row, mirror);
        state.thumbMinimum = range.minValue / range.unit;
        state.thumbMaximum = range.maxValue / range.unit;
        state.thumb = thumbOf(range, stored);
        state.labelId = row.labelId;
        state.labelValue = std::clamp(stored, range.minValue, range.maxValue);
        state.unitId = row.unitId;
        break;
    }
    case ControlKind::text:
    case ControlKind::number:
    case ControlKind::held:
        state.text = editTextOf(row, context);
        state.limit = row.limit;
        break;
    case ControlKind::ipAddress:
        state.address = controlAddress(row, static_cast<uint32_t>(stored));
        break;
    case ControlKind::dialog:
    case ControlKind::plain:
        break;
    }
    return state;
}

FilteredText filtered(const ControlRow& row, const SettingsMirror& mirror, std::string_view typed) {
    FilteredText result = row.filter == TextFilter::digits
                              ? filterDigits(typed)
                              : filterSettingText(typed, mirror.language);
    const auto limit = static_cast<size_t>(row.limit);
    if (result.text.size() > limit) {
        result.text.resize(limit);
        result.caret = std::min(result.caret, limit);
        result.removed = true;
    }
    return result;
}

bool runAfterChoice(const PageDef& page, PageContext& context, int controlId, bool changed) {
    if (changed && page.afterChoice != nullptr)
        page.afterChoice(controlId, context);
    return changed;
}

} // namespace

int readByte(const SettingsMirror& mirror, MirrorByte field) {
    const uint8_t* source = reinterpret_cast<const uint8_t*>(&mirror) + field.offset;
    if (field.width == sizeof(uint32_t)) {
        uint32_t word = 0;
        std::memcpy(&word, source, sizeof word);
        return static_cast<int>(word);
    }
    return field.isSigned ? static_cast<int>(static_cast<int8_t>(*source))
                          : static_cast<int>(*source);
}

bool writeByte(SettingsMirror& mirror, MirrorByte field, int value) {
    uint8_t* target = reinterpret_cast<uint8_t*>(&mirror) + field.offset;
    if (field.width == sizeof(uint32_t)) {
        const auto word = static_cast<uint32_t>(value);
        if (std::memcmp(target, &word, sizeof word) == 0)
            return false;
        std::memcpy(target, &word, sizeof word);
        return true;
    }
    const auto byte = static_cast<uint8_t>(value);
    if (*target == byte)
        return false;
    *target = byte;
    return true;
}

std::string_view readText(const SettingsMirror& mirror, MirrorByte field) {
    const char* text = reinterpret_cast<const char*>(&mirror) + field.offset;
    return {text, strnlen(text, field.width)};
}

bool writeText(SettingsMirror& mirror, MirrorByte field, std::string_view text, size_t limit) {
    std::string bytes(field.width, '\0');
    text.substr(0, std::min({limit, field.width, text.size()})).copy(bytes.data(), bytes.size());
    char* target = reinterpret_cast<char*>(&mirror) + field.offset;
    if (std::memcmp(target, bytes.data(), field.width) == 0)
        return false;
    std::memcpy(target, bytes.data(), field.width);
    return true;
}

ComboItems indexItems(int firstId, int lastId) {
    ComboItems items;
    for (int id = firstId; id <= lastId; ++id)
        items.push_back({id, id - firstId});
    return items;
}

int thumbOf(const ScrollRange& range, int value) {
    const int clamped = std::clamp(value, range.minValue, range.maxValue);
    // Nearest position; halfway rounds down.
    return (clamped - range.minValue + (range.unit - 1) / 2) / range.unit +
           range.minValue / range.unit;
}

int scrolledValue(const ScrollRange& range, int value, ScrollAction action, int thumbPosition) {
    const int snapped = thumbOf(range, value) * range.unit;
    int next = snapped;
    switch (action) {
    case ScrollAction::lineLeft:
        next = snapped - range.unit;
        break;
    case ScrollAction::lineRight:
        next = snapped + range.unit;
        break;
    case ScrollAction::pageLeft:
        next = snapped - range.pageStep;
        break;
    case ScrollAction::pageRight:
        next = snapped + range.pageStep;
        break;
    case ScrollAction::thumb:
        next = thumbPosition * range.unit;
        break;
    case ScrollAction::left:
        next = range.minValue;
        break;
    case ScrollAction::right:
        next = range.maxValue;
        break;
    case ScrollAction::none:
        return value;
    }
    const bool linesOnly = action != ScrollAction::lineLeft && action != ScrollAction::lineRight &&
                           action != ScrollAction::thumb;
    if (range.pageStep == 0 && linesOnly)
        return value;
    return std::clamp(next, range.minValue, range.maxValue);
}

std::vector<ControlState> pageView(const PageDef& page, const PageContext& context) {
    std::vector<ControlState> states;
    states.reserve(page.controls.size());
    for (const ControlRow& row : page.controls)
        states.push_back(stateOf(row, context));
    if (page.adjust != nullptr)
        page.adjust(context, states);
    return states;
}

ControlState* findState(std::vector<ControlState>& states, int controlId) {
    for (ControlState& state : states)
        if (state.controlId == controlId)
            return &state;
    return nullptr;
}

bool clickControl(const PageDef& page, PageContext& context, int controlId, bool checkedNow) {
    if (const ControlRow* radio = findRow(page, controlId, ControlKind::radio)) {
        bool changed = writeByte(context.mirror, radio->field, radio->value);
        if (radio->secondValue >= 0)
            changed = writeByte(context.mirror, radio->secondField, radio->secondValue) || changed;
        return runAfterChoice(page, context, controlId, changed);
    }
    if (const ControlRow* check = findRow(page, controlId, ControlKind::check))
        return runAfterChoice(page, context, controlId,
                              writeByte(context.mirror, check->field,
                                        checkedNow ? check->value : check->clearedValue));
    return false;
}

bool chooseItem(const PageDef& page, PageContext& context, int controlId, int index) {
    const ControlRow* combo = findRow(page, controlId, ControlKind::combo);
    if (combo == nullptr)
        return false;
    const ComboItems items = combo->items(context.mirror);
    if (index < 0 || static_cast<size_t>(index) >= items.size())
        return false;
    return runAfterChoice(
        page, context, controlId,
        writeByte(context.mirror, combo->field, items[static_cast<size_t>(index)].value));
}

bool scrollControl(const PageDef& page, PageContext& context, int controlId, ScrollAction action,
                   int thumbPosition) {
    const ControlRow* bar = findRow(page, controlId, ControlKind::scroll);
    if (bar == nullptr || action == ScrollAction::none)
        return false;
    const int value = scrolledValue(rangeOf(*bar, context.mirror),
                                    readByte(context.mirror, bar->field), action, thumbPosition);
    return runAfterChoice(page, context, controlId, writeByte(context.mirror, bar->field, value));
}

bool followList(SettingsMirror& mirror, MirrorByte field, const ComboItems& items) {
    if (items.empty() || indexOfValue(items, readByte(mirror, field)) >= 0)
        return false;
    return writeByte(mirror, field, items.front().value);
}

EditOutcome typeText(const PageDef& page, PageContext& context, int controlId,
                     std::string_view typed) {
    const ControlRow* row = findControl(page, controlId);
    if (row == nullptr || (row->kind != ControlKind::text && row->kind != ControlKind::number &&
                           row->kind != ControlKind::held))
        return {};
    EditOutcome outcome{filtered(*row, context.mirror, typed)};
    const std::string& text = outcome.shown.text;
    if (context.memory != nullptr) {
        std::string& remembered = context.memory->typed[controlId];
        outcome.changed = remembered != text;
        remembered = text;
    }
    if (row->kind == ControlKind::text)
        outcome.changed =
            writeText(context.mirror, row->field, text, static_cast<size_t>(row->limit));
    else if (row->kind == ControlKind::number)
        outcome.changed = writeByte(
            context.mirror, row->field,
            static_cast<int>(text.empty() ? 0u : static_cast<uint32_t>(std::stoul(text))));
    runAfterChoice(page, context, controlId, outcome.changed);
    return outcome;
}

bool setAddress(const PageDef& page, PageContext& context, int controlId, uint32_t value) {
    const ControlRow* row = findRow(page, controlId, ControlKind::ipAddress);
    if (row == nullptr)
        return false;
    return runAfterChoice(
        page, context, controlId,
        writeByte(context.mirror, row->field, static_cast<int>(controlAddress(*row, value))));
}

std::optional<Refusal> leavePage(const PageDef& page, PageContext& context) {
    if (page.check == nullptr || context.memory == nullptr)
        return std::nullopt;
    if (context.memory->letNextLeaveThrough) {
        context.memory->letNextLeaveThrough = false;
        return std::nullopt;
    }
    std::optional<Refusal> refusal = page.check(context, CheckMoment::leaving);
    context.memory->letNextLeaveThrough = refusal.has_value();
    return refusal;
}

const ControlRow* findControl(const PageDef& page, int controlId) {
    for (const ControlRow& row : page.controls)
        if (row.controlId == controlId)
            return &row;
    return nullptr;
}

uint32_t reversedBytes(uint32_t value) {
    return (value >> 24) | ((value >> 8) & 0xFF00) | ((value << 8) & 0xFF0000) | (value << 24);
}
