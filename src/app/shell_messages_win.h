#pragma once

#include "link/remote_mode.h"

#include <windows.h>

// The shell's message boxes: texts come from the string table, the caption
// is the program's title.

// A message with an OK button.
void showShellMessage(HWND owner, int textId);

// A question with Yes and No; true only when the user answers Yes.
bool askShellQuestion(HWND owner, int textId);

// "Error reading/writing machine data!" and the status bar's activity part
// back to "Local Setup": what every failed transfer, to the machine or to a
// data file, shows. `owner` is the main window.
void showMachineDataError(HWND owner);

// What the user sees of a remote-mode command: nothing when it was done or
// when its failure was expected after a network restart, the machine data
// error otherwise. True only when it was done.
bool reportLinkOutcome(HWND owner, LinkOutcome outcome);
