#pragma once

#include "settings/page_table.h"

#include <windows.h>

#include <vector>

// Copies what the portable page decided into the page's controls. Controls
// the template lacks are passed by, so one table serves every template.
void showPageView(HWND page, const std::vector<ControlState>& states);

// The page's numeric fields that the template has, in table order; the first
// refused one, when `report` is set, gets its message, its text selected and
// the focus. True when every field holds a value within its range.
bool pageFieldsValid(HWND page, const PageDef& definition, bool report);

// WM_HSCROLL's request code as the portable scroll rule reads it.
ScrollAction scrollActionOf(int code);
