#pragma once

#include "settings/page_table.h"

// "Copy Setting / Direct Print": copy defaults and the defaults for
// printing from a memory card.
const PageDef& copySettingPage();

// The direct-print tray 1 sizes the stored direct-print paper type offers.
ComboItems directTray1SizeItems(const SettingsMirror& mirror);
