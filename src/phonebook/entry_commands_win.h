#pragma once

#include "store/entry_values.h"
#include "workspace/workspace.h"

#include <windows.h>

// The entry list's commands: Property (the register dialog of the focused
// row, also from a double click or Enter), Cut, Copy, Paste and Delete, and
// the list's context menu. Each acts on the current row of the current
// view and gives the keyboard focus back to the list.

void openEntryDialog(HWND mainWindow, Workspace& workspace);
void cutEntryCommand(HWND mainWindow, Workspace& workspace);
void copyEntryCommand(HWND mainWindow, Workspace& workspace);
void pasteEntryCommand(HWND mainWindow, Workspace& workspace);
void deleteEntryCommand(HWND mainWindow, Workspace& workspace);

// The context menu of the row under `screenPoint`; a point of (-1, -1)
// (the menu key, Shift+F10) means the focused row. Nothing below the last
// row or while no view is shown.
void showEntryListMenu(HWND mainWindow, Workspace& workspace, POINT screenPoint);

// Today's local date, which stamps what the user registers.
CalendarDate localToday();
