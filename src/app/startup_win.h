#pragma once

#include "app/shell_win.h"
#include "workspace/workspace.h"

#include <windows.h>

// Everything between the one-instance check and the message loop: the model
// string, the resource module, the file names, the class, COM, the common
// controls, the main window with its menu, and the accelerators. The Win32
// tests run the same steps to get the real main window. False when the
// class or the window could not be made; nothing is left acquired then.
bool startShell(Shell& shell, HINSTANCE exeInstance, Workspace& workspace, int showCommand);

// Releases what startShell acquired, in the exit order: COM, the menu, the
// resource library. Destroys the main window first if it still exists.
void stopShell(Shell& shell);

// Runs the program from process entry to the end of the message loop and
// returns the exit code.
int runZelt(HINSTANCE exeInstance, int showCommand);
