#pragma once

#include "exchange/exchange_row.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The phone book as vCards (version 3.0 written; 2.1, 3.0 and 4.0 read),
// one file holding every card. A card carries the name (FN, N), the fax
// number (TEL;TYPE=FAX) or the e-mail address (EMAIL), the Groups it
// belongs to (CATEGORIES), and what only the machine knows as X-ZELT-
// properties. A Group is a card of its own with X-ZELT-GROUP (its key) and
// X-ZELT-GROUP-MEMBERS.
std::string writePhoneBookVcards(std::span<const ExchangeRow> rows);

// One row per card, in file order. Folded lines, quoted-printable values
// and CHARSET parameters are understood; text without a charset that is
// not UTF-8 reads in `fallbackCodePage`. The fax-typed TEL is the number;
// other telephone numbers are not fax numbers. Files that bring no Group
// cards make a Group of each category their cards name.
std::vector<ExchangeRow> readPhoneBookVcards(std::span<const uint8_t> bytes, int fallbackCodePage);
