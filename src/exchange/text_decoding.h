#pragma once

#include <cstdint>
#include <span>
#include <string>

// How an imported file's bytes were read.
enum class TextEncoding { utf8WithBom, utf8, utf16le, utf16be, codePage };

struct DecodedText {
    std::string text; // UTF-8, without the byte order mark
    TextEncoding encoding = TextEncoding::utf8;
};

// UTF-8 with or without its mark, UTF-16 with its mark (either order),
// otherwise the PC code page of the machine's display language: text that
// is not UTF-8 throughout was saved by a program that wrote that page.
DecodedText decodeImportText(std::span<const uint8_t> bytes, int fallbackCodePage);
