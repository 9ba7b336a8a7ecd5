#pragma once

#include "store/settings_mirror.h"

#include <windows.h>

// Dialog 708 "Machine Status": the installed options and the memory size.
void showMachineStatusDialog(HWND owner, const MachineInformation& information);
