#pragma once

#include <windows.h>

// The commands that open the machine dialogs and print the phone-book lists.

// Properties: the machine's own name and number. OK relabels the tree's
// root and marks the image changed.
void editMachineInformation(HWND mainWindow);
// Total Counter and Configuration: what the machine reported, read only.
void showTotalCounter(HWND mainWindow);
void showMachineStatus(HWND mainWindow);
// Print: the lists chosen in "Select Print Items".
void printPhoneBook(HWND mainWindow);
