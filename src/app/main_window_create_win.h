#pragma once

#include <windows.h>

#include <string>

constexpr wchar_t kMainWindowClassName[] = L"Zelt";
constexpr int kMainWindowWidth = 600;
constexpr int kMainWindowHeight = 400;

// Registers the class "Zelt" for `instance`; false when the system refuses.
bool registerMainClass(HINSTANCE instance);

// Creates, shows and updates the main window and records it in the shell;
// false when the window could not be created.
bool createMainWindow(HINSTANCE instance, int showCommand);

// The main window's title: the program's title, " - " and the display file
// name of the shell's workspace.
std::wstring mainWindowTitle();
