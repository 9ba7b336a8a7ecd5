#include "settings/rx_operation_page.h"

#include "resource_ids.h"
#include "settings/select_tray_dialog.h"
#include "settings/settings_sheet.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace {

constexpr uint8_t kMemoryRxOn = 0x80;
constexpr uint8_t kTimesSet = 0xC0;
constexpr uint8_t kCountryJapan = 48;
constexpr int kPasswordLength = 4;

int ringMaximum(const SettingsMirror& mirror) {
    return mirror.ringCountMaximum;
}

ControlRow heldRow(int controlId, MirrorByte field, int limit) {
    return {.controlId = controlId, .kind = ControlKind::held, .field = field, .limit = limit};
}

const ControlRow kRows[] = {
    SETTINGS_RADIO(IDC_MEMORY_RX_OFF, memoryRxMode, 0x00),
    SETTINGS_RADIO(IDC_MEMORY_RX_ON, memoryRxMode, kMemoryRxOn),
    // Held: the commit below stores them; the fields say which bytes they
    // stand for, so a comparison can name them.
    heldRow(IDC_RX_PASSWORD_EDIT, SETTINGS_BYTE(memoryRxSchedule.password), kPasswordLength),
    heldRow(IDC_ON_TIME_HOUR_EDIT, SETTINGS_BYTE(memoryRxSchedule.onTime), 2),
    heldRow(IDC_ON_TIME_MINUTE_EDIT, SETTINGS_BYTE(memoryRxSchedule.onTime), 2),
    heldRow(IDC_OFF_TIME_HOUR_EDIT, SETTINGS_BYTE(memoryRxSchedule.offTime), 2),
    heldRow(IDC_OFF_TIME_MINUTE_EDIT, SETTINGS_BYTE(memoryRxSchedule.offTime), 2),
    {.controlId = IDC_RX_PASSWORD_LABEL},
    {.controlId = IDC_ON_TIME_LABEL},
    {.controlId = IDC_OFF_TIME_LABEL},
    SETTINGS_RADIO(IDC_REDUCTION_ON, reductionRx, 0),
    SETTINGS_RADIO(IDC_REDUCTION_CUT, reductionRx, 2),
    SETTINGS_RADIO(IDC_REDUCTION_OFF, reductionRx, 1),
    SETTINGS_RADIO(IDC_RX_PRINT_MODE_PRINT, rxPrintMode, 0),
    SETTINGS_RADIO(IDC_RX_PRINT_MODE_MEMORY, rxPrintMode, 8),
    SETTINGS_RADIO(IDC_RX_MODE_AUTO, rxMode, 0x00),
    SETTINGS_RADIO(IDC_RX_MODE_MANUAL, rxMode, 0x20),
    {.controlId = IDC_FOOTER_CHECK,
     .kind = ControlKind::check,
     .field = SETTINGS_BYTE(footer),
     .value = 16,
     .clearedValue = 0},
    // Lines and the thumb only, up to the machine's own maximum.
    {.controlId = IDC_RINGS_SCROLL,
     .kind = ControlKind::scroll,
     .field = SETTINGS_BYTE(ringCount),
     .scroll = {0, 0, 1, 0, ringMaximum},
     .labelId = IDC_RINGS_VALUE_LABEL},
    {.controlId = IDC_SELECT_TRAY_BUTTON,
     .kind = ControlKind::dialog,
     .templateId = IDD_SELECT_TRAY,
     .dialog = selectTrayDialog},
};

constexpr std::array<int, 4> kTimeEdits = {IDC_ON_TIME_HOUR_EDIT, IDC_ON_TIME_MINUTE_EDIT,
                                           IDC_OFF_TIME_HOUR_EDIT, IDC_OFF_TIME_MINUTE_EDIT};

bool modeOn(const SettingsMirror& mirror) {
    return mirror.memoryRxMode == kMemoryRxOn;
}

std::string typed(const PageContext& context, int controlId) {
    const auto found = context.memory->typed.find(controlId);
    return found == context.memory->typed.end() ? std::string() : found->second;
}

std::string storedPassword(const SettingsMirror& mirror) {
    // Four digits fill the field; there is no room for a terminator.
    const auto& password = mirror.memoryRxSchedule.password;
    return std::string(password.data(), strnlen(password.data(), password.size()));
}

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// The time edits show the stored times while memory reception is on and
// the machine has times; otherwise they are empty.
void showStoredTimes(PageContext& context) {
    const MemoryRxSchedule& schedule = context.mirror.memoryRxSchedule;
    const bool shown = modeOn(context.mirror) && schedule.timesSet == kTimesSet;
    const std::array<int, 4> values = {schedule.onTime >> 11, (schedule.onTime >> 5) & 0x3F,
                                       schedule.offTime >> 11, (schedule.offTime >> 5) & 0x3F};
    for (size_t i = 0; i < kTimeEdits.size(); ++i)
        context.memory->typed[kTimeEdits[i]] = shown ? twoDigits(values[i]) : std::string();
}

void open(PageContext& context) {
    context.memory->modeOn = modeOn(context.mirror);
    context.memory->toggled = false;
    context.memory->typed[IDC_RX_PASSWORD_EDIT].clear();
    showStoredTimes(context);
}

void adjust(const PageContext& context, std::vector<ControlState>& states) {
    const bool on = modeOn(context.mirror);
    const bool timesOpen = on && context.memory != nullptr && context.memory->toggled;
    for (int id : {IDC_RX_PASSWORD_EDIT, IDC_RX_PASSWORD_LABEL})
        findState(states, id)->enabled = on;
    for (int id : kTimeEdits)
        findState(states, id)->enabled = timesOpen;
    for (int id : {IDC_ON_TIME_LABEL, IDC_OFF_TIME_LABEL})
        findState(states, id)->enabled = timesOpen;
    // The machine counts the rings after the first, except in Japan.
    ControlState* rings = findState(states, IDC_RINGS_SCROLL);
    if (context.mirror.countryCode != kCountryJapan)
        rings->labelValue += 1;
}

bool afterChoice(int controlId, PageContext& context) {
    if (controlId == IDC_MEMORY_RX_ON) {
        context.memory->toggled = true;
    } else if (controlId == IDC_MEMORY_RX_OFF) {
        context.memory->toggled = true;
        context.memory->typed[IDC_RX_PASSWORD_EDIT].clear();
        for (int id : kTimeEdits)
            context.memory->typed[id].clear();
    }
    return false;
}

// Switching memory reception off needs the password it was set with.
std::optional<Refusal> refuseClick(int controlId, const PageContext& context) {
    if (controlId != IDC_MEMORY_RX_OFF || !modeOn(context.mirror) || !context.memory->modeOn ||
        typed(context, IDC_RX_PASSWORD_EDIT) == storedPassword(context.mirror))
        return std::nullopt;
    return Refusal{IDC_RX_PASSWORD_EDIT, IDS_PASSWORD_NOT_CORRECT};
}

bool timesEmpty(const PageContext& context) {
    for (int id : kTimeEdits)
        if (!typed(context, id).empty())
            return false;
    return true;
}

std::optional<Refusal> checkTimes(const PageContext& context) {
    if (timesEmpty(context))
        return std::nullopt;
    for (int id : kTimeEdits) {
        const bool hour = id == IDC_ON_TIME_HOUR_EDIT || id == IDC_OFF_TIME_HOUR_EDIT;
        const int maximum = hour ? 23 : 59;
        switch (checkRange(typed(context, id), 0, maximum)) {
        case RangeVerdict::valid:
            continue;
        case RangeVerdict::notAnInteger:
            return Refusal{id, IDS_NOT_AN_INTEGER};
        case RangeVerdict::outOfRange:
            return Refusal{id, hour ? IDS_BATCH_HOUR_RANGE : IDS_BATCH_MINUTE_RANGE,
                           std::pair{0, maximum}};
        }
    }
    return std::nullopt;
}

std::optional<Refusal> check(const PageContext& context, CheckMoment moment) {
    if (!modeOn(context.mirror))
        return std::nullopt;
    const PageMemory& memory = *context.memory;
    // Apply stores the password and times only after the mode was switched.
    if (moment == CheckMoment::applying && !memory.toggled)
        return std::nullopt;
    const std::string password = typed(context, IDC_RX_PASSWORD_EDIT);
    if (!password.empty() && password.size() < kPasswordLength)
        return Refusal{IDC_RX_PASSWORD_EDIT, IDS_PASSWORD_RANGE};
    if (moment == CheckMoment::leaving && password.size() == kPasswordLength && memory.modeOn &&
        !memory.toggled && password != storedPassword(context.mirror))
        return Refusal{IDC_RX_PASSWORD_EDIT, IDS_PASSWORD_NOT_CORRECT};
    return checkTimes(context);
}

uint16_t typedTime(const PageContext& context, int hourId, int minuteId) {
    return packTime(std::stoi(typed(context, hourId)), std::stoi(typed(context, minuteId)));
}

CommitEffect commit(PageContext& context) {
    MemoryRxSchedule& schedule = context.mirror.memoryRxSchedule;
    if (modeOn(context.mirror) && context.memory->toggled) {
        const std::string password = typed(context, IDC_RX_PASSWORD_EDIT);
        schedule.password.fill('\0');
        password.copy(schedule.password.data(), schedule.password.size());
        if (timesEmpty(context)) {
            schedule.timesSet = 0;
        } else {
            schedule.onTime = typedTime(context, IDC_ON_TIME_HOUR_EDIT, IDC_ON_TIME_MINUTE_EDIT);
            schedule.offTime = typedTime(context, IDC_OFF_TIME_HOUR_EDIT, IDC_OFF_TIME_MINUTE_EDIT);
            schedule.timesSet = kTimesSet;
        }
    }
    open(context);
    return CommitEffect::none;
}

const PageDef kPage{.controls = kRows,
                    .adjust = adjust,
                    .afterChoice = afterChoice,
                    .open = open,
                    .refuseClick = refuseClick,
                    .check = check,
                    .commit = commit};

} // namespace

const PageDef& rxOperationPage() {
    return kPage;
}

uint16_t packTime(int hour, int minute) {
    return static_cast<uint16_t>(((hour * 64) + minute) * 32);
}
