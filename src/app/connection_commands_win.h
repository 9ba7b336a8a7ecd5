#pragma once

#include <windows.h>

// The Machine menu's connection and transfer commands and the status poll.

// The check before Connect, Download and Upload: true when the machine is
// ready; every other answer is reported to the user here.
bool checkMachine(HWND mainWindow);
// False only when the machine cannot be reached.
bool pollMachine(HWND mainWindow);
// The main window's timer: polls the machine while the link is active.
void onPollTimer(HWND mainWindow);

void connectMachine(HWND mainWindow);      // 801
void disconnectMachine(HWND mainWindow);   // 802
void downloadFromMachine(HWND mainWindow); // 832, and 804
void readMachineImage(HWND mainWindow);    // 819, run by Download
void uploadToMachine(HWND mainWindow);     // 833, and 805
