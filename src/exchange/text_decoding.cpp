#include "exchange/text_decoding.h"

#include "store/code_page_text.h"

#include <initializer_list>
#include <string_view>

namespace {

std::string utf16ToUtf8(std::span<const uint8_t> bytes, bool bigEndian) {
    std::string out;
    const auto unitAt = [&](size_t i) {
        return bigEndian ? static_cast<char16_t>(bytes[i] << 8 | bytes[i + 1])
                         : static_cast<char16_t>(bytes[i + 1] << 8 | bytes[i]);
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(out, unit); // a lone surrogate becomes U+FFFD
    }
    return out;
}

std::string validUtf8(std::span<const uint8_t> bytes) {
    const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::string out;
    size_t at = 0;
    while (at < raw.size())
        appendUtf8(out, nextUtf8(raw, at));
    return out;
}

bool startsWith(std::span<const uint8_t> bytes, std::initializer_list<uint8_t> mark) {
    if (bytes.size() < mark.size())
        return false;
    size_t i = 0;
    for (uint8_t byte : mark)
        if (bytes[i++] != byte)
            return false;
    return true;
}

} // namespace

DecodedText decodeImportText(std::span<const uint8_t> bytes, int fallbackCodePage) {
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF}))
        // A marked file that is not UTF-8 throughout keeps its bad bytes as
        // U+FFFD, which no filter lets into the phone book.
        return {validUtf8(bytes.subspan(3)), TextEncoding::utf8WithBom};
    if (startsWith(bytes, {0xFF, 0xFE}))
        return {utf16ToUtf8(bytes.subspan(2), false), TextEncoding::utf16le};
    if (startsWith(bytes, {0xFE, 0xFF}))
        return {utf16ToUtf8(bytes.subspan(2), true), TextEncoding::utf16be};
    const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (isValidUtf8(raw))
        return {std::string(raw), TextEncoding::utf8};
    return {codePageToUtf8(raw, fallbackCodePage), TextEncoding::codePage};
}
