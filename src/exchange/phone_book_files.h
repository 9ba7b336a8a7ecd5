#pragma once

#include "exchange/exchange_row.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The exchange files by their kind, so the program and zelt-dat choose
// the format in one place: by the file name's extension.
enum class ExchangeFormat { csv, vcard };

ExchangeFormat exchangeFormatOfPath(std::string_view path);

// The whole file for every used entry of the image.
std::string exportPhoneBook(const SettingsMirror& mirror, const RecordStore& store,
                            ExchangeFormat format, bool withPasswords);

struct ReadPhoneBook {
    bool understood = false; // false: not a phone book this program reads
    std::vector<ExchangeRow> rows;
};

// Text that is not UTF-8 or UTF-16 reads in `fallbackCodePage`.
ReadPhoneBook readPhoneBook(std::span<const uint8_t> bytes, ExchangeFormat format,
                            int fallbackCodePage);

// An exchange file is refused unread above this size; 150 full rows take
// about 40 KB.
constexpr uintmax_t kMaxExchangeFileSize = 4 * 1024 * 1024;
