#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The 16 characters a dial string can hold; code 0-15 in this order.
constexpr std::string_view kDialDigitAlphabet = "0123456789*#P +-";

// Packs the first n characters of `text` two per byte, the even character
// in the low nibble. A character outside the alphabet packs as '0'. Writes
// at most out.size() bytes; the caller zeroes the field first.
void packDialDigits(std::span<uint8_t> out, std::string_view text, int n);

// The n dial characters held in `packed`, never reading past its end.
std::string unpackDialDigits(std::span<const uint8_t> packed, int n);
