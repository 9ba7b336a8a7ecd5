#pragma once

#include "app/shell_win.h"

#include <windows.h>

// The main window's creation work, in order: the record image and the backup
// load, the image lists, the toolbar, the status bar, the tree, the lists,
// the status pane, the focus and the first refresh. False when the tree or
// the lists could not be made: the window is of no use without them.
bool createMainWindowChildren(HWND mainWindow);

// Destroys the tooltip, toolbar, status bar and status pane and the image
// lists; what is already gone is skipped, so it may run more than once.
void releaseMainWindowChildren(Shell& shell);
