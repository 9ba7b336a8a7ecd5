#include "settings/machine_setting_page.h"

#include "resource_ids.h"
#include "settings/tx_operation_page.h"

#include <array>

namespace {

// The machine's country codes in the order of the country names 400-441.
constexpr std::array<uint8_t, 42> kCountryCodes = {
    52, 22, 18, 6,  53, 54, 23, 26, 11, 31, 10, 20, 19, 16, 38, 28, 13, 17, 5, 48, 25,
    37, 51, 9,  24, 7,  39, 33, 14, 35, 47, 36, 27, 15, 4,  8,  12, 3,  49, 2, 21, 55};
static_assert(IDS_COUNTRY_VIETNAM - IDS_COUNTRY_ARGENTINA + 1 == kCountryCodes.size());

constexpr uint8_t kLanguageTypeUnsupported = 2;

ComboItems autoPanelResetItems(const SettingsMirror&) {
    return indexItems(IDS_PANEL_RESET_30_SEC, IDS_PANEL_RESET_DISABLE);
}

ComboItems countryItems(const SettingsMirror&) {
    ComboItems items;
    for (size_t i = 0; i < kCountryCodes.size(); ++i)
        items.push_back({IDS_COUNTRY_ARGENTINA + static_cast<int>(i), kCountryCodes[i]});
    return items;
}

ComboItems dateFormatItems(const SettingsMirror&) {
    return {{IDS_DATE_FORMAT_YMD, 0x00}, {IDS_DATE_FORMAT_DMY, 0x40}, {IDS_DATE_FORMAT_MDY, 0x20}};
}

ComboItems tonerEmptyStopItems(const SettingsMirror&) {
    return indexItems(IDS_TONER_STOP_ON, IDS_TONER_STOP_OFF);
}

const ControlRow kRows[] = {
    {.controlId = IDC_AUTO_PANEL_RESET_COMBO,
     .kind = ControlKind::combo,
     .field = SETTINGS_BYTE(autoPanelReset),
     .items = autoPanelResetItems},
    {.controlId = IDC_ENERGY_SAVE_COMBO,
     .kind = ControlKind::combo,
     .field = SETTINGS_BYTE(energySaveTime),
     .items = energySaveItems},
    // Some machines' pages offer the energy-save time as a bar of minutes
    // instead of the combo; whichever the template has is used.
    {.controlId = IDC_ENERGY_SAVE_SCROLL,
     .kind = ControlKind::scroll,
     .field = SETTINGS_BYTE(energySaveTime),
     .scroll = {1, 240, 1, 10},
     .labelId = IDC_ENERGY_SAVE_VALUE_LABEL,
     .unitId = IDS_UNIT_MINUTES},
    {.controlId = IDC_MACHINE_LEVEL_SCROLL,
     .kind = ControlKind::scroll,
     .field = SETTINGS_BYTE(setting10003),
     .scroll = {0, 6, 1, 2}},
    {.controlId = IDC_LCD_CONTRAST_SCROLL,
     .kind = ControlKind::scroll,
     .field = SETTINGS_BYTE(lcdContrast),
     .scroll = {0, 3, 1, 2}},
    SETTINGS_RADIO(IDC_LAMP_OFF_MODE1, lampOffTime, 0),
    SETTINGS_RADIO(IDC_LAMP_OFF_MODE2, lampOffTime, 1),
    SETTINGS_RADIO(IDC_BUZZER_HIGH, buzzerVolume, 0x00),
    SETTINGS_RADIO(IDC_BUZZER_LOW, buzzerVolume, 0x40),
    SETTINGS_RADIO(IDC_BUZZER_OFF, buzzerVolume, 0x80),
    {.controlId = IDC_LANGUAGE_COMBO,
     .kind = ControlKind::combo,
     .field = SETTINGS_BYTE(language),
     .items = languageItems},
    SETTINGS_RADIO(IDC_INITIAL_MODE_COPY, initialMode, 0),
    SETTINGS_RADIO(IDC_INITIAL_MODE_FAX, initialMode, 1),
    SETTINGS_RADIO(IDC_PRESET_ZOOM_INCH, presetZoomUnit, 1),
    SETTINGS_RADIO(IDC_PRESET_ZOOM_METRIC, presetZoomUnit, 0),
    {.controlId = IDC_COUNTRY_COMBO,
     .kind = ControlKind::combo,
     .field = SETTINGS_BYTE(countryCode),
     .items = countryItems},
    {.controlId = IDC_DATE_FORMAT_COMBO,
     .kind = ControlKind::combo,
     .field = SETTINGS_BYTE(dateFormat),
     .items = dateFormatItems},
    {.controlId = IDC_TONER_EMPTY_STOP_COMBO,
     .kind = ControlKind::combo,
     .field = SETTINGS_BYTE(tonerEmptyStop),
     .items = tonerEmptyStopItems},
    // Auto Continue and Toner Near Empty are stored inverted: checked is 0.
    {.controlId = IDC_AUTO_CONTINUE_CHECK,
     .kind = ControlKind::check,
     .field = SETTINGS_BYTE(autoContinue),
     .value = 0,
     .clearedValue = 1},
    {.controlId = IDC_CALIBRATION_CHECK,
     .kind = ControlKind::check,
     .field = SETTINGS_BYTE(calibration),
     .value = 1,
     .clearedValue = 0},
    {.controlId = IDC_TONER_NEAR_EMPTY_CHECK,
     .kind = ControlKind::check,
     .field = SETTINGS_BYTE(tonerNearEmpty),
     .value = 0,
     .clearedValue = 1},
    {.controlId = IDC_REMOTE_MONITOR_CHECK,
     .kind = ControlKind::check,
     .field = SETTINGS_BYTE(remoteMonitor),
     .value = 1,
     .clearedValue = 0},
};

// Choosing a country whose line rules demand the header turns it on.
bool afterChoice(int controlId, PageContext& context) {
    if (controlId != IDC_COUNTRY_COMBO || !countryForcesHeader(context.mirror.countryCode))
        return false;
    context.mirror.header = kHeaderOn;
    return true;
}

int noticeOnShow(const SettingsMirror& mirror) {
    return mirror.languageType == kLanguageTypeUnsupported ? IDS_LANGUAGE_TYPE_UNSUPPORTED : 0;
}

const PageDef kPage{.controls = kRows, .afterChoice = afterChoice, .noticeOnShow = noticeOnShow};

} // namespace

const PageDef& machineSettingPage() {
    return kPage;
}

std::span<const uint8_t> countryCodes() {
    return kCountryCodes;
}

ComboItems energySaveItems(const SettingsMirror& mirror) {
    ComboItems items = {{IDS_ENERGY_SAVE_5_MIN, 5},
                        {IDS_ENERGY_SAVE_15_MIN, 15},
                        {IDS_ENERGY_SAVE_30_MIN, 30},
                        {IDS_ENERGY_SAVE_60_MIN, 60}};
    if (mirror.energySaveOffHidden == 0)
        items.push_back({IDS_ENERGY_SAVE_OFF, 0});
    return items;
}

ComboItems languageItems(const SettingsMirror& mirror) {
    switch (mirror.languageType) {
    case 0:
        return indexItems(IDS_LANGUAGE_ENGLISH, IDS_LANGUAGE_JAPANESE);
    case 1: {
        ComboItems items = indexItems(IDS_LANGUAGE_SHORT_ENGLISH, IDS_LANGUAGE_SHORT_GERMAN);
        for (const ComboItem& more :
             indexItems(IDS_LANGUAGE_SHORT_CZECH, IDS_LANGUAGE_SHORT_RUSSIAN))
            items.push_back({more.textId, more.value + 3});
        return items;
    }
    case 3:
        return {{IDS_LANGUAGE_ONLY_JAPANESE, 0}};
    default:
        return {};
    }
}
