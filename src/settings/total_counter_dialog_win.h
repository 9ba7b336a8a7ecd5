#pragma once

#include "store/record_store.h"

#include <windows.h>

// Dialog 147 "Total Counter": the machine's usage counters, read only.
void showTotalCounterDialog(HWND owner, const RecordStore& store);
