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

// Loads the HTML Help control (where the registry says, else by its name)
// and returns its entry point, or null without it.
HtmlHelpEntry locateHtmlHelpControl();

// How Help Topics finds the entry point: locateHtmlHelpControl unless a test
// sets its own (null restores it). Help Topics asks once for the whole run;
// setting a locator starts over.
using HtmlHelpLocator = HtmlHelpEntry (*)();
void setHtmlHelpLocator(HtmlHelpLocator locator);
