#pragma once

#include <windows.h>

// The close sequence: the save question when the document changed, the
// backup write, the release of children and tables, leaving remote mode,
// and the window's destruction. False when the user cancels; the window then
// stays as it was. Exit passes `freeStore` to also drop the record image.
bool runShutdown(HWND mainWindow, bool freeStore);
