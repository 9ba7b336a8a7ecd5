#pragma once

#include <span>
#include <string_view>

// The program's own string table for portable code and tests: the same list
// that zelt.rc compiles into the STRINGTABLE. Texts are UTF-8; an unknown id
// gives an empty text.
std::string_view stringTableText(int id);

struct StringTableEntry {
    int id;
    std::string_view text;
};

// Every entry, ordered by id; lets tests compare the compiled resources
// with the portable list.
std::span<const StringTableEntry> allStringTableEntries();
