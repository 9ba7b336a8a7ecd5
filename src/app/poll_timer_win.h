#pragma once

#include "app/connection_flow.h"

#include <windows.h>

// Timer 1 of the main window polls the machine's status every three
// seconds while the link is active.
constexpr UINT_PTR kPollTimerId = 1;
constexpr UINT kPollPeriodMilliseconds = 3000;

void applyTimerChange(HWND mainWindow, TimerChange change);
