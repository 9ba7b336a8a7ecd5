#pragma once

#include <windows.h>

// Brings the main window in line with the shell's view state: which panes
// show, which commands are enabled on the toolbar and the menu, the edit
// commands, then the layout. Every command that changes the state ends here.
void refreshUiState(HWND mainWindow);

// Writes "Connect Status : ONLINE" or "... OFFLINE" into the status pane.
void updateStatusPane(HWND mainWindow);

// Places the toolbar, the tree, the lists, the status pane and the status bar
// for the current client size and view.
void layoutMainWindow(HWND mainWindow);
