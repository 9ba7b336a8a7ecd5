#pragma once

#include <windows.h>

// File menu: the phone book out to a CSV or vCard file, and in from one
// through the import's preview.
void exportPhoneBookCommand(HWND mainWindow);
void importPhoneBookCommand(HWND mainWindow);
