#pragma once

#include "settings/page_table.h"

#include <windows.h>

#include <vector>

// Copies what the portable page decided into the page's controls. Controls
// the template lacks are passed by, so one table serves every template.
// Edits are written only when their text differs, so the caret stays where
// the user types. Texts are in `codePage`.
void showPageView(HWND page, const std::vector<ControlState>& states, unsigned codePage);

// The page's numeric fields that the template has, in table order; the first
// refused one, when `report` is set, gets its message, its text selected and
// the focus. True when every field holds a value within its range.
bool pageFieldsValid(HWND page, const PageDef& definition, bool report);

// Tells the user why the page refuses: the message with the program title,
// then the control's text selected and the focus on it.
void reportRefusal(HWND page, const Refusal& refusal);

// Hands a control's notification to the page: a typed text (filtered back
// into the edit), an IP address, a click or a new selection. True when the
// page holds something new. A refused click is reported.
bool pageControlChanged(HWND page, const PageDef& definition, PageContext& context, int controlId,
                        int notifyCode, unsigned codePage);

// Runs the modal dialog of a `dialog` row over a working copy of the
// mirror; true when the user ended it with OK and the copy was kept.
bool runPageDialog(HWND owner, const ControlRow& row, PageContext& context);

// WM_HSCROLL's request code as the portable scroll rule reads it.
ScrollAction scrollActionOf(int code);
