#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text between UTF-8 and the Windows code pages of the machine's display
// languages (1250, 1251, 1252 and the single-byte part of 932), the same
// in every build: the program never asks the operating system, so a file
// reads alike on the PC and in the tests. Any other code page reads as 1252.

// Bytes a code page leaves undefined, and double-byte characters of 932,
// become U+FFFD.
std::string codePageToUtf8(std::string_view text, int codePage);

// One byte per character: a character the code page cannot hold (or a
// broken UTF-8 sequence) becomes `unrepresentable`.
std::string utf8ToCodePage(std::string_view text, int codePage, char unrepresentable);

// Appends one character; surrogates and values past U+10FFFF append U+FFFD.
void appendUtf8(std::string& out, char32_t codePoint);

// The character at `at`, which moves past it; a broken sequence reads as
// U+FFFD and moves by at least one byte.
char32_t nextUtf8(std::string_view text, size_t& at);

// Whether the text is UTF-8 throughout.
bool isValidUtf8(std::string_view text);
