#pragma once

#include "settings/page_table.h"

// "Machine Setting": panel reset, energy save, contrast, lamp, buzzer,
// language, initial mode, zoom unit, country, date format and toner.
const PageDef& machineSettingPage();

// The machine country codes of the country list, in list order.
std::span<const uint8_t> countryCodes();

// The energy-save choices: 5, 15, 30 and 60 minutes, and OFF (0) unless the
// machine hides it (record 0x10002 non-zero).
ComboItems energySaveItems(const SettingsMirror& mirror);

// The languages the machine's language type offers; none for a type the
// program does not know.
ComboItems languageItems(const SettingsMirror& mirror);
