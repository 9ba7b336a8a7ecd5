#pragma once

#include "store/settings_mirror.h"
#include "store/text_filters.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// A settings page is data: one row per control saying which mirror byte it
// edits and how the byte is encoded. The functions here read those rows, so
// a page adds a table and a few rules, never a handler per control.

// The mirror field a control edits: one byte, a little-endian u32 (width
// 4), or for text controls a fixed text field of `width` bytes.
struct MirrorByte {
    size_t offset = 0;
    bool isSigned = false;
    size_t width = 1;
};

#define SETTINGS_BYTE(member)                                                                      \
    MirrorByte {                                                                                   \
        offsetof(SettingsMirror, member), std::is_signed_v<decltype(SettingsMirror::member)>,      \
            sizeof(SettingsMirror::member)                                                         \
    }

// A radio button standing for `value` of the byte `member`.
#define SETTINGS_RADIO(id, member, v)                                                              \
    ControlRow {                                                                                   \
        .controlId = id, .kind = ControlKind::radio, .field = SETTINGS_BYTE(member), .value = v    \
    }

// A byte or u32 field; u32 values pass through int unchanged bit for bit.
int readByte(const SettingsMirror& mirror, MirrorByte field);
// True when the stored value changed.
bool writeByte(SettingsMirror& mirror, MirrorByte field, int value);

// A text field up to its NUL, or up to its last byte when a file or the
// machine left it without one.
std::string_view readText(const SettingsMirror& mirror, MirrorByte field);
// Zero-fills the field, then stores at most `limit` bytes of `text`; true
// when the field changed.
bool writeText(SettingsMirror& mirror, MirrorByte field, std::string_view text, size_t limit);

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
// A page step of 0 means the bar moves only by lines and the thumb: page,
// "left" and "right" change nothing. `maximumOf`, when set, takes the
// maximum from another setting.
struct ScrollRange {
    int minValue = 0;
    int maxValue = 0;
    int unit = 1;
    int pageStep = 1;
    int (*maximumOf)(const SettingsMirror& mirror) = nullptr;
};

enum class ScrollAction { lineLeft, lineRight, pageLeft, pageRight, thumb, left, right, none };

// The thumb position nearest to `value`, within the bar's positions.
int thumbOf(const ScrollRange& range, int value);
// The value after `action`; a stored value between positions first snaps
// to the nearest one, so only values a position stands for are stored.
int scrolledValue(const ScrollRange& range, int value, ScrollAction action, int thumbPosition);

// `text`: an edit over a text field, filtered on every change.
// `number`: an edit over a u32 field shown in decimal (empty stores 0).
// `held`: an edit the page keeps while the sheet is open and stores only on
// Apply, by its own rule (a password, times).
// `ipAddress`: an IP address control over a u32 field whose most
// significant byte is the first field, or with `reversed` the least.
// `dialog`: a button that opens a modal dialog of its own table over the
// mirror; OK keeps what the dialog stored, Cancel drops it.
// `plain` is a control no row edits (a group box, a label) that a rule
// shows, hides or enables.
enum class ControlKind {
    radio,
    check,
    combo,
    scroll,
    text,
    number,
    held,
    ipAddress,
    dialog,
    plain
};

// What an edit lets through: digits only, or the machine's setting texts
// in its display language.
enum class TextFilter { digits, settingText };

struct PageDef;

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
    int unitId = 0;                  // 0: the label shows the number alone
    // radio: a second byte the choice stores, and its value (-1: none).
    MirrorByte secondField;
    int secondValue = -1;
    // text, number, held: characters kept and what may be typed.
    int limit = 0;
    TextFilter filter = TextFilter::digits;
    bool reversed = false;     // ipAddress
    bool storesLength = false; // Apply sets the record's payloadLength to the text's length
                               // (or, for a u32, to 4)
    int templateId = 0;        // dialog
    const PageDef& (*dialog)() = nullptr; // dialog
};

// What a page remembers while the sheet is open, besides the mirror.
struct PageMemory {
    std::map<int, std::string> typed; // edit texts as typed, by control id
    bool letNextLeaveThrough = false; // a refused leave lets the next one pass
    bool modeOn = false;              // RX: memory reception as opened or last applied
    bool toggled = false;             // RX: the mode was switched since
    bool networkChanged = false;      // Network: a setting really changed
};

// What a page works on.
struct PageContext {
    SettingsMirror& mirror;
    uint8_t modelFamily = 0;
    PageMemory* memory = nullptr; // set by the sheet; pages that remember need it
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
    std::optional<std::string> text; // edits: what the edit shows
    int limit = 0;
    std::optional<uint32_t> address; // ipAddress: the control's value, 0 shown blank
};

// Why the page refuses to be left or applied: the message (filled with the
// bounds when it has them), shown with the program title; the control then
// gets its text selected and the focus.
struct Refusal {
    int controlId = 0;
    int messageId = 0;
    std::optional<std::pair<int, int>> bounds;
    bool operator==(const Refusal&) const = default;
};

enum class CheckMoment { leaving, applying };

// What an applied page asks of the rest of the program.
enum class CommitEffect { none, networkChanged };

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
    // Runs when the sheet first shows the page: what the page remembers.
    void (*open)(PageContext& context) = nullptr;
    // A click the page refuses before anything is stored.
    std::optional<Refusal> (*refuseClick)(int controlId, const PageContext& context) = nullptr;
    // The checks of leaving the page and of Apply.
    std::optional<Refusal> (*check)(const PageContext& context, CheckMoment moment) = nullptr;
    // Apply passed every check: store what the page held back.
    CommitEffect (*commit)(PageContext& context) = nullptr;
};

// Every control as the mirror has it, after the page's rules.
std::vector<ControlState> pageView(const PageDef& page, const PageContext& context);
ControlState* findState(std::vector<ControlState>& states, int controlId);

// The user's acts; each returns true when the mirror changed.
bool clickControl(const PageDef& page, PageContext& context, int controlId, bool checkedNow);
bool chooseItem(const PageDef& page, PageContext& context, int controlId, int index);
bool scrollControl(const PageDef& page, PageContext& context, int controlId, ScrollAction action,
                   int thumbPosition);

// An edit's new text: filtered, cut to the row's limit, remembered and, for
// text and number rows, stored. `shown` is what the edit must show (with
// `removed` when the filter took something out); `changed` when the page
// holds something new.
struct EditOutcome {
    FilteredText shown;
    bool changed = false;
};
EditOutcome typeText(const PageDef& page, PageContext& context, int controlId,
                     std::string_view typed);

// An IP address control's value (first field most significant); true when
// the stored address changed.
bool setAddress(const PageDef& page, PageContext& context, int controlId, uint32_t value);

// The check of leaving, done once: after a refusal the next leave passes
// unchecked.
std::optional<Refusal> leavePage(const PageDef& page, PageContext& context);

// The four bytes of `value` in the other order.
uint32_t reversedBytes(uint32_t value);

// The row of `controlId` of any kind, or null.
const ControlRow* findControl(const PageDef& page, int controlId);

// After a list was refilled: when the stored value is not in `items`, store
// the first item's value, so the record follows what the list shows.
bool followList(SettingsMirror& mirror, MirrorByte field, const ComboItems& items);
