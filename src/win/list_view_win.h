#pragma once

#include <windows.h>

#include <commctrl.h>

// Inserts a report-view column titled by the string `titleId`. A title
// from a resource library is cut to what the lists were designed around.
void insertListColumn(HWND list, int column, int titleId, int width);
