#pragma once

#include <windows.h>

// Builds the toolbar of the seven most used commands with balloon tips and
// its disabled-button images, recording them in the shell.
HWND createToolbar(HWND mainWindow);
