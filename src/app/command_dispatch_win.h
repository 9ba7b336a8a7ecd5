#pragma once

#include <windows.h>

// Every command id reaches the program here, from the menu, the toolbar, the
// accelerators, the popup menus and from commands that send other commands.
// Runs the command and returns 0; an id the program does not know does
// nothing.
LRESULT dispatchCommand(HWND mainWindow, int commandId);

// The main window's timer: polls the machine while the link is active.
void onPollTimer(HWND mainWindow);
