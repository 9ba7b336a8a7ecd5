#pragma once

#include "settings/page_table.h"

// "Paper source": tray 1 paper type and size, tray 2 size.
const PageDef& paperSourcePage();

// The tray 1 sizes the stored paper type offers (OFICIO only in Mexico).
ComboItems tray1SizeItems(const SettingsMirror& mirror);
