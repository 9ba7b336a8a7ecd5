#pragma once

#include "settings/machine_information.h"

#include <windows.h>

// Dialog 741 "Machine Information"; true when the user pressed OK. The
// values then hold the texts as the edits left them.
bool showMachineInformationDialog(HWND owner, MachineInformationValues& values);
