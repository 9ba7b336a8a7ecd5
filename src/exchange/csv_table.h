#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated text as spreadsheets write it: fields in double quotes
// may hold separators, line breaks and doubled quotes; lines end in CRLF or
// LF. Text is UTF-8.

struct CsvRecord {
    size_t line = 0; // where the record starts, from 1
    std::vector<std::string> fields;
};

struct CsvText {
    char separator = ',';
    std::vector<CsvRecord> records;
};

// The separator is named by a first line "sep=X"; otherwise it is the one
// of comma, semicolon and tab that the first line holds most of outside
// quotes (comma when it holds none).
CsvText parseCsv(std::string_view text);

// Appends one field, quoted when it holds the separator, a quote, a line
// break or a leading or trailing blank.
void appendCsvField(std::string& out, std::string_view field, char separator = ',');
