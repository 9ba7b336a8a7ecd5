#pragma once

#include "app/shell_win.h"

#include <windows.h>

#include <string>

constexpr wchar_t kMainWindowClassName[] = L"Zelt";
constexpr int kMainWindowWidth = 600;
constexpr int kMainWindowHeight = 400;

// Registers the class "Zelt" for `instance`; false when the system refuses.
bool registerMainClass(HINSTANCE instance);

// Creates, shows and updates the main window of `shell`; false when the
// window could not be created.
bool createMainWindow(Shell& shell, int showCommand);

// The main window's title: the program's title, " - " and the display file
// name of the workspace.
std::wstring mainWindowTitle(const Workspace& workspace);
