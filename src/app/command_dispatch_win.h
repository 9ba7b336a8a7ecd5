#pragma once

#include <windows.h>

// Every command id reaches the program here, from the menu, the toolbar, the
// accelerators and the popup menus. Runs the command; an id the program
// does not know, or whose dialog the program does not have yet, does
// nothing.
void dispatchCommand(HWND mainWindow, int commandId);
