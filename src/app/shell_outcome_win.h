#pragma once

#include "app/connection_flow.h"

#include <windows.h>

// Timer 1 of the main window polls the machine's status every three
// seconds while the link is active.
constexpr UINT_PTR kPollTimerId = 1;
constexpr UINT kPollPeriodMilliseconds = 3000;

// Moves the shell's state as the outcome of a command says, and starts or
// stops the poll timer with it.
void applyShellOutcome(HWND mainWindow, ShellOutcome outcome);

void stopPollTimer(HWND mainWindow);

// After Open or a machine read brought in a new image: the tree's root is
// selected and named after the machine, the tree and the main list take
// input, the window reflects the state, and the image becomes the next
// start's backup.
void showNewImage(HWND mainWindow);
