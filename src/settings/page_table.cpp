#include "settings/page_table.h"

#include <algorithm>
#include <cstring>

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

ControlState stateOf(const ControlRow& row, const SettingsMirror& mirror) {
    ControlState state{.controlId = row.controlId, .kind = row.kind};
    const int stored = readByte(mirror, row.field);
    switch (row.kind) {
    case ControlKind::radio:
    case ControlKind::check:
        state.check = checkStateOf(row, stored);
        break;
    case ControlKind::combo:
        state.items = row.items(mirror);
        state.selection = indexOfValue(state.items, stored);
        break;
    case ControlKind::scroll:
        state.thumbMinimum = row.scroll.minValue / row.scroll.unit;
        state.thumbMaximum = row.scroll.maxValue / row.scroll.unit;
        state.thumb = thumbOf(row.scroll, stored);
        state.labelId = row.labelId;
        state.labelValue = stored;
        state.unitId = row.unitId;
        break;
    case ControlKind::plain:
        break;
    }
    return state;
}

bool runAfterChoice(const PageDef& page, PageContext& context, int controlId, bool changed) {
    if (changed && page.afterChoice != nullptr)
        page.afterChoice(controlId, context);
    return changed;
}

} // namespace

int readByte(const SettingsMirror& mirror, MirrorByte field) {
    uint8_t byte = 0;
    std::memcpy(&byte, reinterpret_cast<const uint8_t*>(&mirror) + field.offset, 1);
    return field.isSigned ? static_cast<int>(static_cast<int8_t>(byte)) : static_cast<int>(byte);
}

bool writeByte(SettingsMirror& mirror, MirrorByte field, int value) {
    const auto byte = static_cast<uint8_t>(value);
    uint8_t* target = reinterpret_cast<uint8_t*>(&mirror) + field.offset;
    if (*target == byte)
        return false;
    *target = byte;
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
    return std::clamp(next, range.minValue, range.maxValue);
}

std::vector<ControlState> pageView(const PageDef& page, const PageContext& context) {
    std::vector<ControlState> states;
    states.reserve(page.controls.size());
    for (const ControlRow& row : page.controls)
        states.push_back(stateOf(row, context.mirror));
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
    if (const ControlRow* radio = findRow(page, controlId, ControlKind::radio))
        return runAfterChoice(page, context, controlId,
                              writeByte(context.mirror, radio->field, radio->value));
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
    const int value =
        scrolledValue(bar->scroll, readByte(context.mirror, bar->field), action, thumbPosition);
    return runAfterChoice(page, context, controlId, writeByte(context.mirror, bar->field, value));
}

bool followList(SettingsMirror& mirror, MirrorByte field, const ComboItems& items) {
    if (items.empty() || indexOfValue(items, readByte(mirror, field)) >= 0)
        return false;
    return writeByte(mirror, field, items.front().value);
}
