#pragma once

#include "workspace/print_selection.h"
#include "workspace/workspace.h"

#include <windows.h>

// The system print dialog: a device context for one copy, collated, with no
// page range, selection or print-to-file choice. nullptr when the user
// cancelled or no printer could be opened.
HDC choosePrinter(HWND owner);

// Prints the selected phone-book lists of the record image, each as its own
// document, on a printer chosen once for all of them, and says so when a
// list could not be printed.
void printPhoneBookLists(HWND owner, const Workspace& workspace, const PrintSelection& selection);
