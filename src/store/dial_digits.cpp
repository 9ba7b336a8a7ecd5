#include "store/dial_digits.h"

#include <algorithm>

namespace {

uint8_t dialDigitCode(char character) {
    size_t code = kDialDigitAlphabet.find(character);
    return code == std::string_view::npos ? 0 : static_cast<uint8_t>(code);
}

} // namespace

void packDialDigits(std::span<uint8_t> out, std::string_view text, int n) {
    size_t count = std::min({static_cast<size_t>(std::max(n, 0)), text.size(), out.size() * 2});
    for (size_t i = 0; i < count; ++i) {
        uint8_t code = dialDigitCode(text[i]);
        out[i / 2] |= static_cast<uint8_t>(i % 2 == 0 ? code : code << 4);
    }
}

std::string unpackDialDigits(std::span<const uint8_t> packed, int n) {
    size_t count = std::min(static_cast<size_t>(std::max(n, 0)), packed.size() * 2);
    std::string text;
    text.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        uint8_t byte = packed[i / 2];
        text.push_back(kDialDigitAlphabet[i % 2 == 0 ? byte & 0x0f : byte >> 4]);
    }
    return text;
}
