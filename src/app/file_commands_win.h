#pragma once

#include <windows.h>

// The File menu's commands. Save and Save As return whether the image was
// written, so that closing the program can stay open when it was not.
void openDocument(HWND mainWindow);   // 807
bool saveDocument(HWND mainWindow);   // 808
bool saveDocumentAs(HWND mainWindow); // 831
void exitProgram(HWND mainWindow);    // 811
// Open in the snapshot folder: restoring the machine is this, then Upload.
void openSnapshot(HWND mainWindow);
// The changes from the current image to a chosen data file, shown only.
void compareWithDataFile(HWND mainWindow);
