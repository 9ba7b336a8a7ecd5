#pragma once

#include "link/transport.h"
#include "workspace/workspace.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>

// The Win32 handles the program holds for its lifetime, beside the portable
// Workspace they serve. The program makes exactly one; a test makes its own
// before it creates the main window. The main window carries it, so every
// handler reaches it from the window it was called for.
struct Shell {
    HINSTANCE exeInstance = nullptr;
    HMODULE resourceLibrary = nullptr; // loaded beside the program, or null
    HWND mainWindow = nullptr;
    HMENU mainMenu = nullptr;
    HACCEL accelerators = nullptr; // table 703, always from the executable
    Workspace* workspace = nullptr;

    // The main window's children and what they share.
    HWND toolbar = nullptr;
    HWND tooltip = nullptr;
    HWND statusBar = nullptr;
    HWND tree = nullptr;
    HWND statusPane = nullptr;
    HIMAGELIST treeImages = nullptr;     // 14 images of 16 x 18, for the tree and both lists
    HIMAGELIST disabledImages = nullptr; // the toolbar's disabled look
    HBRUSH statusPaneBrush = nullptr;

    // How the program reaches the machine, made at the first machine command
    // unless a test has put its own into the Workspace's link.
    std::unique_ptr<Transport> machineTransport;
};

// Records `shell` in the main window while it is being created.
void attachShell(HWND mainWindow, Shell* shell);
// The shell of the main window `mainWindow`.
Shell& shellOf(HWND mainWindow);
Workspace& workspaceOf(HWND mainWindow);
