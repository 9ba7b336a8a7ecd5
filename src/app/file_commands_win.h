#pragma once

#include <windows.h>

// The File menu's commands. Save and Save As return whether the image was
// written, so that closing the program can stay open when it was not.
void openDocument(HWND mainWindow);   // 807
bool saveDocument(HWND mainWindow);   // 808
bool saveDocumentAs(HWND mainWindow); // 831
void exitProgram(HWND mainWindow);    // 811
