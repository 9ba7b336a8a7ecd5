#pragma once

#include "printing/print_canvas.h"

#include <cstdint>

// The three fonts of a printed list, chosen by the machine's display
// language so that names print in the script the machine stores them in.
struct ListFonts {
    FontRequest base;  // station lines, page count, date
    FontRequest title; // the list's title
    FontRequest table; // headings and rows
};

ListFonts listFonts(uint8_t language, int dpiX);
