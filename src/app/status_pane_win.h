#pragma once

#include "app/shell_win.h"

#include <windows.h>

// The pale yellow pane that shows the connection state while no list is
// shown: dialog 713, modeless, a child of the main window.
HWND createStatusPane(HWND mainWindow);
void releaseStatusPaneBrush(Shell& shell);
