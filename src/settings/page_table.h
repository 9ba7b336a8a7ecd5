#pragma once

#include "store/settings_mirror.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <type_traits>
#include <vector>

// A settings page is data: one row per control saying which mirror byte it
// edits and how the byte is encoded. The functions here read those rows, so
// a page adds a table and a few rules, never a handler per control.

// The one-byte mirror field a control edits.
struct MirrorByte {
    size_t offset = 0;
    bool isSigned = false;
};

#define SETTINGS_BYTE(member)                                                                      \
    MirrorByte {                                                                                   \
        offsetof(SettingsMirror, member), std::is_signed_v<decltype(SettingsMirror::member)>       \
    }

// A radio button standing for `value` of the byte `member`.
#define SETTINGS_RADIO(id, member, v)                                                              \
    ControlRow {                                                                                   \
        .controlId = id, .kind = ControlKind::radio, .field = SETTINGS_BYTE(member), .value = v    \
    }

int readByte(const SettingsMirror& mirror, MirrorByte field);
// True when the stored byte changed.
bool writeByte(SettingsMirror& mirror, MirrorByte field, int value);

// One item of a combo box: its text and the value it stands for.
struct ComboItem {
    int textId = 0;
    int value = 0;
    bool operator==(const ComboItem&) const = default;
};
using ComboItems = std::vector<ComboItem>;
// A combo's list; some lists depend on other settings.
using ItemsOf = ComboItems (*)(const SettingsMirror& mirror);

// The texts firstId..lastId standing for 0, 1, 2, ...
ComboItems indexItems(int firstId, int lastId);

// Scroll bar positions stand for the values minValue, minValue + unit, ...
// up to maxValue; a line step moves one unit, a page step `pageStep`.
struct ScrollRange {
    int minValue = 0;
    int maxValue = 0;
    int unit = 1;
    int pageStep = 1;
};

enum class ScrollAction { lineLeft, lineRight, pageLeft, pageRight, thumb, left, right, none };

// The thumb position nearest to `value`, within the bar's positions.
int thumbOf(const ScrollRange& range, int value);
// The value after `action`; a stored value between positions first snaps
// to the nearest one, so only values a position stands for are stored.
int scrolledValue(const ScrollRange& range, int value, ScrollAction action, int thumbPosition);

// `plain` is a control no row edits (a group box, a label) that a rule
// shows, hides or enables.
enum class ControlKind { radio, check, combo, scroll, plain };

struct ControlRow {
    int controlId = 0;
    ControlKind kind = ControlKind::plain;
    MirrorByte field;
    int value = 0;        // radio: the value it stands for; check: the value when checked
    int clearedValue = 0; // check: the value when cleared
    bool checkedWhenNonZero = false; // check: every non-zero value shows checked
    ItemsOf items = nullptr;         // combo
    ScrollRange scroll;              // scroll
    int labelId = 0;                 // scroll: label that reads "<value> <unit>"
    int unitId = 0;
};

// What a page works on.
struct PageContext {
    SettingsMirror& mirror;
    uint8_t modelFamily = 0;
};

enum class CheckState { asTemplate, unchecked, checked };

// What one control shows; the Win32 side only copies it into the control.
struct ControlState {
    int controlId = 0;
    ControlKind kind = ControlKind::plain;
    std::optional<bool> visible; // unset: as the dialog template has it
    std::optional<bool> enabled;
    CheckState check = CheckState::asTemplate;
    ComboItems items;
    int selection = -1; // -1: no item selected
    int thumbMinimum = 0;
    int thumbMaximum = 0;
    std::optional<int> thumb;
    int labelId = 0;
    int labelValue = 0;
    int unitId = 0;
};

// A numeric edit field checked when the page is left and on Apply.
struct RangeField {
    int controlId = 0;
    int messageId = 0;
    int minimum = 0;
    int maximum = 0;
};

struct PageDef {
    std::span<const ControlRow> controls;
    // Visibility and enabling that depend on other settings or the machine.
    void (*adjust)(const PageContext& context, std::vector<ControlState>& states) = nullptr;
    // Runs after the user changed `controlId`; true when it changed more.
    bool (*afterChoice)(int controlId, PageContext& context) = nullptr;
    // Runs each time the page becomes active; true when it changed a value.
    bool (*onActivate)(PageContext& context) = nullptr;
    // A message shown when the page is made (string id), or 0.
    int (*noticeOnShow)(const SettingsMirror& mirror) = nullptr;
    std::span<const RangeField> rangeFields;
};

// Every control as the mirror has it, after the page's rules.
std::vector<ControlState> pageView(const PageDef& page, const PageContext& context);
ControlState* findState(std::vector<ControlState>& states, int controlId);

// The user's acts; each returns true when the mirror changed.
bool clickControl(const PageDef& page, PageContext& context, int controlId, bool checkedNow);
bool chooseItem(const PageDef& page, PageContext& context, int controlId, int index);
bool scrollControl(const PageDef& page, PageContext& context, int controlId, ScrollAction action,
                   int thumbPosition);

// After a list was refilled: when the stored value is not in `items`, store
// the first item's value, so the record follows what the list shows.
bool followList(SettingsMirror& mirror, MirrorByte field, const ComboItems& items);
