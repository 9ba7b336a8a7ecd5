#pragma once

#include <windows.h>

// The status bar of six parts, with the help hint, "Local Setup" and the
// three lock indicators.
HWND createStatusBar(HWND mainWindow);
