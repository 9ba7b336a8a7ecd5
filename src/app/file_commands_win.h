#pragma once

#include <windows.h>

// The File menu's commands.
void openDocument(HWND mainWindow);   // 807
void saveDocument(HWND mainWindow);   // 808
void saveDocumentAs(HWND mainWindow); // 831
void exitProgram(HWND mainWindow);    // 811
