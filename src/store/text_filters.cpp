#include "store/text_filters.h"

#include <algorithm>
#include <initializer_list>

namespace {

struct ByteRange {
    uint8_t first;
    uint8_t last;
};

bool inRanges(uint8_t byte, std::initializer_list<ByteRange> ranges) {
    for (const ByteRange& range : ranges)
        if (byte >= range.first && byte <= range.last)
            return true;
    return false;
}

bool isDigit(uint8_t byte) {
    return byte >= '0' && byte <= '9';
}

bool isOneOf(uint8_t byte, std::string_view characters) {
    return characters.find(static_cast<char>(byte)) != std::string_view::npos;
}

using AllowedByte = bool (*)(uint8_t);
using CutByte = bool (*)(uint8_t);

// Removes forbidden bytes one at a time from the start, as the edit control
// does when every removal writes the text back and raises a new change; a
// byte for which `cutsText` holds drops the rest of the text with it.
FilteredText applyFilter(std::string_view text, AllowedByte allowed, CutByte cutsText = nullptr) {
    FilteredText result;
    result.text.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        uint8_t byte = static_cast<uint8_t>(text[i]);
        if (allowed(byte)) {
            result.text.push_back(text[i]);
            continue;
        }
        result.removed = true;
        result.caret = result.text.size();
        if (cutsText && cutsText(byte))
            break;
    }
    return result;
}

constexpr uint8_t kLanguageRussian = 6;
constexpr uint8_t kLanguageJapanese = 11;

bool isPrintableAscii(uint8_t byte) {
    return byte >= 0x20 && byte <= 0x7e;
}

bool westernNameByte(uint8_t byte) {
    return isPrintableAscii(byte) || inRanges(byte, {{0x80, 0x80},
                                                     {0x8c, 0x8c},
                                                     {0x9c, 0x9c},
                                                     {0xa1, 0xa3},
                                                     {0xb0, 0xb0},
                                                     {0xb5, 0xb5},
                                                     {0xbf, 0xbf},
                                                     {0xc6, 0xc7},
                                                     {0xd0, 0xd0},
                                                     {0xd7, 0xd8},
                                                     {0xde, 0xfe}});
}

bool cyrillicNameByte(uint8_t byte) {
    return isPrintableAscii(byte) || inRanges(byte, {{0xa8, 0xa8}, {0xb8, 0xb8}, {0xc0, 0xff}});
}

bool centralEuropeanNameByte(uint8_t byte) {
    return isPrintableAscii(byte) || inRanges(byte, {{0x9a, 0x9a},
                                                     {0x9c, 0x9f},
                                                     {0xa3, 0xa3},
                                                     {0xa5, 0xa5},
                                                     {0xaa, 0xaa},
                                                     {0xb3, 0xb3},
                                                     {0xb5, 0xb5},
                                                     {0xb9, 0xba},
                                                     {0xbc, 0xbc},
                                                     {0xbe, 0xbf},
                                                     {0xc7, 0xc7},
                                                     {0xca, 0xca},
                                                     {0xd0, 0xd0},
                                                     {0xd7, 0xd7},
                                                     {0xde, 0xec},
                                                     {0xee, 0xfe}});
}

// Half-width katakana only: the machine shows no double-byte characters.
bool japaneseNameByte(uint8_t byte) {
    return (byte >= 0x20 && byte <= 0x7d && byte != '\\') || (byte >= 0xa1 && byte <= 0xdf);
}

// Lead bytes of double-byte characters: what follows is the rest of it.
bool japaneseLeadByte(uint8_t byte) {
    return byte == 0x81 || byte == 0x83;
}

} // namespace

FilteredText filterDigits(std::string_view text) {
    return applyFilter(text, isDigit);
}

FilteredText filterDialNumber(std::string_view text, DialField field) {
    if (field == DialField::faxNumber)
        return applyFilter(text,
                           [](uint8_t byte) { return isDigit(byte) || isOneOf(byte, "*#+P -"); });
    return applyFilter(text, [](uint8_t byte) { return isDigit(byte) || isOneOf(byte, "*#+"); });
}

FilteredText filterEmailAddress(std::string_view text) {
    return applyFilter(
        text, [](uint8_t byte) { return isPrintableAscii(byte) && !isOneOf(byte, ",:;<>\"\\"); });
}

FilteredText filterName(std::string_view text, uint8_t language) {
    if (language == kLanguageJapanese)
        return applyFilter(text, japaneseNameByte, japaneseLeadByte);
    if (language == kLanguageRussian)
        return applyFilter(text, cyrillicNameByte);
    if (language < kLanguageRussian)
        return applyFilter(text, westernNameByte);
    return applyFilter(text, centralEuropeanNameByte);
}

FilteredText filterSettingText(std::string_view text, uint8_t language) {
    if (language == kLanguageJapanese)
        return applyFilter(
            text, [](uint8_t byte) { return byte >= 0x20 && byte <= 0x7d && byte != '\\'; });
    return applyFilter(text, [](uint8_t byte) { return byte >= 0x20 && byte <= 0x7e; });
}

bool isValidEmailAddress(std::string_view address) {
    return std::count(address.begin(), address.end(), '@') == 1 &&
           address.find('.') != std::string_view::npos;
}

FilteredText filterTelephoneNumber(std::string_view text) {
    return applyFilter(text, [](uint8_t byte) { return isDigit(byte) || isOneOf(byte, "+- "); });
}
