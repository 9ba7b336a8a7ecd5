#pragma once

#include <windows.h>

// The main window's creation work, in order: the record image and the backup
// load, the image lists, the toolbar, the status bar, the tree, the lists,
// the status pane, the focus and the first refresh.
void createMainWindowChildren(HWND mainWindow);

// Destroys the tooltip, toolbar, status bar and status pane and the image
// lists; what is already gone is skipped, so it may run more than once.
void releaseMainWindowChildren();
