#pragma once

#include <windows.h>

// "Menu": the machine settings sheet over a freshly unpacked mirror.
void openSettingsSheet(HWND mainWindow);
