#pragma once

#include "settings/page_table.h"

#include <cstdint>

// "RX Operation": fax reception defaults and memory reception with its
// password and on and off times.
const PageDef& rxOperationPage();

// A time as the machine keeps it: hour in bits 15-11, minute in bits 10-5.
uint16_t packTime(int hour, int minute);
