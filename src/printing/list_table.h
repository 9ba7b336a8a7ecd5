#pragma once

#include "printing/phone_book_snapshot.h"
#include "printing/print_canvas.h"

#include <string>
#include <vector>

// The table of a printed list: its columns across the page and its rows,
// texts still unfitted. Widths are measured with the table font selected.

enum class PrintedList { oneTouch, speedDial, group };

struct PrintColumn {
    std::string heading; // UTF-8
    int left = 0;
    int width = 0;
    int fitWidth = 0; // 0: the text is printed as it is
};

struct PrintedRow {
    std::vector<std::string> cells; // one per column, UTF-8; empty prints nothing
    // A Group member's row carries its Group's key number and name: they are
    // printed with it when the row opens a page, so a Group continued on the
    // next page says whose members follow.
    std::vector<std::string> openingCells;
};

// `left` and `tableWidth` are the table's left edge and width; the A3 model
// adds the e-mail scan columns to the One Touch and Speed Dial lists.
std::vector<PrintColumn> listColumns(PrintCanvas& canvas, PrintedList list, int left,
                                     int tableWidth, bool a3Model);

std::vector<PrintedRow> listRows(PrintCanvas& canvas, PrintedList list,
                                 const PhoneBookSnapshot& book, bool a3Model);

// The string-table text a stored code names in `texts`, or 0 for a code the
// machine does not name, which then prints nothing.
int codeText(std::span<const int> texts, uint8_t code);
