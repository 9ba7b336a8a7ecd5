#pragma once

#include <windows.h>

// The main window's procedure: the class "Zelt" is registered with it.
LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
