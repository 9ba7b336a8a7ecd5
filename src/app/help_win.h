#pragma once

#include <windows.h>

#include <string>

// Help Topics: the help file "pyrite.chm" beside the resource module, shown
// by the system's HTML Help control.
void showHelpTopics(HWND mainWindow);

// The help file's path: the resource module's folder, "pyrite.chm".
std::string helpFilePath();

// The HTML Help entry point (export 14 of the control), as it is called.
using HtmlHelpEntry = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

// How the entry point is found: the default loads the HTML Help control
// once. Tests replace it to watch the calls.
using HtmlHelpLocator = HtmlHelpEntry (*)();
void setHtmlHelpLocator(HtmlHelpLocator locator);
