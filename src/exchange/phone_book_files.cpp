#include "exchange/phone_book_files.h"

#include "exchange/phone_book_csv.h"
#include "exchange/phone_book_vcard.h"

#include <cctype>

ExchangeFormat exchangeFormatOfPath(std::string_view path) {
    const size_t dot = path.find_last_of('.');
    std::string extension;
    if (dot != std::string_view::npos)
        for (char c : path.substr(dot + 1))
            extension += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == "vcf" || extension == "vcard" ? ExchangeFormat::vcard : ExchangeFormat::csv;
}

std::string exportPhoneBook(const SettingsMirror& mirror, const RecordStore& store,
                            ExchangeFormat format, bool withPasswords) {
    const std::vector<ExchangeRow> rows = exportRows(mirror, store, withPasswords);
    if (format == ExchangeFormat::vcard)
        return writePhoneBookVcards(rows);
    return writePhoneBookCsv(rows, withPasswords);
}

ReadPhoneBook readPhoneBook(std::span<const uint8_t> bytes, ExchangeFormat format,
                            int fallbackCodePage) {
    if (format == ExchangeFormat::vcard) {
        std::vector<ExchangeRow> rows = readPhoneBookVcards(bytes, fallbackCodePage);
        const bool understood = !rows.empty();
        return {understood, std::move(rows)};
    }
    CsvImport csv = readPhoneBookCsv(bytes, fallbackCodePage);
    return {csv.understood, std::move(csv.rows)};
}
