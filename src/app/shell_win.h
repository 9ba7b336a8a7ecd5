#pragma once

#include "app/workspace.h"
#include "link/transport.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>

// The Win32 handles the program holds for its lifetime, beside the portable
// Workspace they serve. The program has exactly one shell; a test sets its
// own Workspace into it before it creates the main window.
struct Shell {
    HINSTANCE exeInstance = nullptr;
    HINSTANCE resourceModule = nullptr; // the resource library when loaded, else exeInstance
    HMODULE resourceLibrary = nullptr;
    HWND mainWindow = nullptr;
    HMENU mainMenu = nullptr;
    HACCEL accelerators = nullptr; // table 703, always from the executable
    Workspace* workspace = nullptr;

    // The main window's children and the image lists they share.
    HWND toolbar = nullptr;
    HWND tooltip = nullptr;
    HWND statusBar = nullptr;
    HWND tree = nullptr;
    HWND statusPane = nullptr;
    HIMAGELIST treeImages = nullptr;     // 14 images of 16 x 18, for the tree and both lists
    HIMAGELIST disabledImages = nullptr; // the toolbar's disabled look

    // How the program reaches the machine, made at the first machine command
    // unless a test has put its own into the Workspace's link.
    std::unique_ptr<Transport> machineTransport;
};

Shell& theShell();
