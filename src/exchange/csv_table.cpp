#include "exchange/csv_table.h"

#include <array>

namespace {

constexpr std::string_view kSeparatorLine = "sep=";

// Finds the separator and how much of the text the "sep=" line takes.
char chooseSeparator(std::string_view& text, size_t& line) {
    if (text.size() >= kSeparatorLine.size() + 1 &&
        (text.substr(0, kSeparatorLine.size()) == kSeparatorLine ||
         text.substr(0, kSeparatorLine.size()) == "SEP=")) {
        const char named = text[kSeparatorLine.size()];
        size_t end = text.find('\n');
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++line;
        return named;
    }
    std::array<size_t, 3> counts{};
    constexpr std::array<char, 3> kCandidates = {',', ';', '\t'};
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        if (!quoted && (c == '\n' || c == '\r'))
            break;
        for (size_t i = 0; i < kCandidates.size(); ++i)
            if (!quoted && c == kCandidates[i])
                ++counts[i];
    }
    size_t best = 0;
    for (size_t i = 1; i < counts.size(); ++i)
        if (counts[i] > counts[best])
            best = i;
    return kCandidates[best];
}

} // namespace

CsvText parseCsv(std::string_view text) {
    CsvText csv;
    size_t line = 1;
    csv.separator = chooseSeparator(text, line);
    CsvRecord record{line, {}};
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;
    const auto endField = [&] {
        record.fields.push_back(std::move(field));
        field.clear();
        fieldStarted = false;
    };
    const auto endRecord = [&] {
        endField();
        csv.records.push_back(std::move(record));
        record = CsvRecord{line, {}};
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == csv.separator) {
            endField();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue; // the LF ends the record
        } else if (c == '\n' || c == '\r') {
            ++line;
            endRecord();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !field.empty() || !record.fields.empty())
        endRecord();
    return csv;
}

void appendCsvField(std::string& out, std::string_view field, char separator) {
    const bool needsQuotes =
        field.find_first_of(std::string{'"', '\r', '\n', separator}) != std::string_view::npos ||
        (!field.empty() && (field.front() == ' ' || field.back() == ' ' || field.front() == '\t'));
    if (!needsQuotes) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}
