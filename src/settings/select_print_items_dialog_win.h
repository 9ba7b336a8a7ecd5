#pragma once

#include "workspace/print_selection.h"

#include <windows.h>

// Dialog 154 "Select Print Items". It opens with every list ticked; true
// when the user pressed OK, and `selection` then holds the ticks.
bool showSelectPrintItemsDialog(HWND owner, PrintSelection& selection);
