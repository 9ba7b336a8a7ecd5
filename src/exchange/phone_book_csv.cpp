#include "exchange/phone_book_csv.h"

#include "exchange/csv_table.h"

#include <cctype>
#include <string_view>

namespace {

using Field = std::string ExchangeRow::*;

struct Column {
    std::string_view header; // as written
    Field field;
    bool dialString;          // written after a tab
    std::string_view aliases; // other headers read for it, '|' between them
};

// The written order. The password column is written only when asked for.
constexpr Column kColumns[] = {
    {"Kind", &ExchangeRow::kindText, false, "type"},
    {"Number", &ExchangeRow::number, false, "no|no.|key|entry|position"},
    {"Name", &ExchangeRow::name, false, "fn|fullname|displayname"},
    {"Fax Number", &ExchangeRow::faxNumber, true, "fax|faxno|phone|phonenumber|telephone"},
    {"Sub-Address", &ExchangeRow::subAddress, true, "sub|subaddr"},
    {"E-Mail Address", &ExchangeRow::emailAddress, false, "email|mail|emailaddr"},
    {"Speed", &ExchangeRow::speed, false, ""},
    {"Batch Time", &ExchangeRow::batchTime, false, "batch"},
    {"E-Mail Scan", &ExchangeRow::emailScan, false, "emailscanoptions"},
    {"Members", &ExchangeRow::members, false, "groupmembers"},
    {"Registered", &ExchangeRow::registered, false, "regdate|date"},
    {"Password", &ExchangeRow::password, true, "sid|sidpassword"},
};
constexpr size_t kPasswordColumn = std::size(kColumns) - 1;

std::string headerKey(std::string_view text) {
    std::string key;
    for (char c : text)
        if (c != ' ' && c != '-' && c != '_' && c != '\t')
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

const Column* columnOfHeader(std::string_view text) {
    const std::string key = headerKey(text);
    for (const Column& column : kColumns) {
        if (key == headerKey(column.header))
            return &column;
        std::string_view aliases = column.aliases;
        while (!aliases.empty()) {
            const size_t bar = aliases.find('|');
            if (aliases.substr(0, bar) == key)
                return &column;
            aliases.remove_prefix(bar == std::string_view::npos ? aliases.size() : bar + 1);
        }
    }
    return nullptr;
}

// Characters at the start of a cell that make a spreadsheet compute it.
bool startsLikeFormula(std::string_view text) {
    return !text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos;
}

bool isBlank(const CsvRecord& record) {
    for (const std::string& field : record.fields)
        if (field.find_first_not_of(" \t") != std::string::npos)
            return false;
    return true;
}

} // namespace

std::string writePhoneBookCsv(std::span<const ExchangeRow> rows, bool withPasswords) {
    const size_t columnCount = withPasswords ? std::size(kColumns) : kPasswordColumn;
    std::string out = "\xEF\xBB\xBF";
    for (size_t i = 0; i < columnCount; ++i) {
        if (i > 0)
            out += ',';
        appendCsvField(out, kColumns[i].header);
    }
    out += "\r\n";
    for (const ExchangeRow& source : rows) {
        ExchangeRow row = source;
        row.kindText = std::string(rowKindName(row.kind));
        for (size_t i = 0; i < columnCount; ++i) {
            if (i > 0)
                out += ',';
            const std::string& value = row.*kColumns[i].field;
            const bool asText =
                !value.empty() && (kColumns[i].dialString || startsLikeFormula(value));
            appendCsvField(out, asText ? "\t" + value : value);
        }
        out += "\r\n";
    }
    return out;
}

CsvImport readPhoneBookCsv(std::span<const uint8_t> bytes, int fallbackCodePage) {
    CsvImport result;
    const DecodedText decoded = decodeImportText(bytes, fallbackCodePage);
    result.encoding = decoded.encoding;
    CsvText csv = parseCsv(decoded.text);
    result.separator = csv.separator;
    size_t headerAt = 0;
    while (headerAt < csv.records.size() && isBlank(csv.records[headerAt]))
        ++headerAt;
    if (headerAt == csv.records.size())
        return result;
    std::vector<const Column*> columns;
    for (const std::string& header : csv.records[headerAt].fields) {
        columns.push_back(columnOfHeader(header));
        result.understood = result.understood || columns.back() != nullptr;
    }
    if (!result.understood)
        return result;
    for (size_t r = headerAt + 1; r < csv.records.size(); ++r) {
        const CsvRecord& record = csv.records[r];
        if (isBlank(record))
            continue;
        ExchangeRow row;
        row.line = record.line;
        for (size_t i = 0; i < record.fields.size() && i < columns.size(); ++i) {
            if (columns[i] == nullptr)
                continue;
            std::string_view value = record.fields[i];
            if (!value.empty() && value.front() == '\t')
                value.remove_prefix(1); // the mark that kept it text
            row.*columns[i]->field = std::string(value);
        }
        row.kind = rowKindOfName(row.kindText);
        result.rows.push_back(std::move(row));
    }
    return result;
}
