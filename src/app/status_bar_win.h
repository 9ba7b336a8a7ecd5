#pragma once

#include <windows.h>

// The status bar of six parts: 0 the help hint, 1 what the program is
// doing ("Local Setup" when idle), 3-5 the lock-key indicators.
constexpr int kActivityStatusPart = 1;

HWND createStatusBar(HWND mainWindow);

void setStatusBarText(HWND mainWindow, int part, int stringId);
void setStatusBarPartText(HWND mainWindow, int part, const wchar_t* text);

// Shows the lock key of indicator command `commandId` as it stands now.
void refreshLockIndicator(HWND mainWindow, int commandId);
