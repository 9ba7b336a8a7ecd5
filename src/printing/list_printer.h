#pragma once

#include "printing/list_table.h"
#include "printing/phone_book_snapshot.h"
#include "printing/print_canvas.h"
#include "store/entry_values.h"

#include <optional>

// Everything a printed list shows besides the printer.
struct ListSource {
    PhoneBookSnapshot book;
    bool a3Model = false; // adds the e-mail scan columns
    CalendarDate date;    // printed on every page
};

// Where the parts of a page go, from the printer's measures and the line
// heights of the base and title fonts.
struct PageFrame {
    int left = 0;
    int right = 0;
    int tableWidth = 0;
    int top = 0;
    int lineHeight = 0;
    int titleHeight = 0;
    int rowsPerPage = 0; // the heading row included
};

constexpr int kMaxRowsPerPage = 51;

// nothing: the page cannot hold a heading and one entry (or the fonts report
// no height), so the list cannot be printed on it.
std::optional<PageFrame> pageFrame(const PageMeasures& page, int lineHeight, int titleHeight);

enum class ListPrintOutcome { printed, pageTooSmall, printerFailed };

// One list as one document on `canvas`: kind oneTouch or speedDial.
ListPrintOutcome printDialList(PrintCanvas& canvas, PrintedList kind, const ListSource& source);
ListPrintOutcome printGroupList(PrintCanvas& canvas, const ListSource& source);

// "Total %d page(s), page %d" filled in. Only the first two "%d" are
// replaced, so a translated text with other '%' signs prints as it is.
std::string pageCountText(std::string_view pattern, int total, int page);
