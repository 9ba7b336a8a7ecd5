#pragma once

#include <span>
#include <string>
#include <string_view>

// The program's own string table for portable code and tests: the same list
// that zelt.rc compiles into the STRINGTABLE. Texts are UTF-8; an unknown id
// gives an empty text.
std::string_view stringTableText(int id);

struct StringTableEntry {
    int id;
    std::string_view text;
};

// A string-table template with its first "%s" replaced by `value`. The value
// is inserted as text, so a "%" in it is shown unchanged; a translated text
// without the placeholder is used as it is.
std::string fillTemplate(std::string_view textTemplate, std::string_view value);

// Every entry, ordered by id; lets tests compare the compiled resources
// with the portable list.
std::span<const StringTableEntry> allStringTableEntries();
