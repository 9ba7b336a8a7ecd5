#pragma once

#include <windows.h>

// The main window's procedure: the class "Zelt" is registered with it. The
// window is created with its Shell as the creation parameter.
LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
