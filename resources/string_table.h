#pragma once

#include <string_view>

// The program's own string table for portable code and tests: the same list
// that zelt.rc compiles into the STRINGTABLE. Texts are UTF-8; an unknown id
// gives an empty text.
std::string_view stringTableText(int id);
