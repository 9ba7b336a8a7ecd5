#pragma once

#include "exchange/exchange_row.h"
#include "exchange/text_decoding.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The phone book as a CSV file: UTF-8 with its mark, CRLF, one header row.
// Dial strings (and any text a spreadsheet would take for a formula) are
// written after a tab, so a spreadsheet keeps them as text: leading zeros,
// '+', '*' and '#' survive and nothing is evaluated. Reading drops that tab.
std::string writePhoneBookCsv(std::span<const ExchangeRow> rows, bool withPasswords);

struct CsvImport {
    bool understood = false; // false: no header row names a column of ours
    TextEncoding encoding = TextEncoding::utf8;
    char separator = ',';
    std::vector<ExchangeRow> rows; // blank records left out
};

// Header names are matched without regard to case, blanks, '-' and '_',
// in any order; columns not known are ignored.
CsvImport readPhoneBookCsv(std::span<const uint8_t> bytes, int fallbackCodePage);
