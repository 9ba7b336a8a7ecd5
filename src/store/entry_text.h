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

// Maps every byte up to the first NUL once through the pair list that the
// machine's display language selects: PC code page to machine and back.
void toMachineCharset(std::span<char> text, uint8_t language);
void fromMachineCharset(std::span<char> text, uint8_t language);

// The Windows code page that the PC side of the character mapping uses for
// a display language: 1252 Western, 1251 Russian, 1250 Central European
// (also every unknown language above 11), 932 Japanese.
int pcCodePage(uint8_t language);

// The e-mail paper size index (0-2) of a stored size code and back, by the
// machine's paper family byte.
uint8_t decodeEmailPaperSize(uint8_t code, uint8_t paperFamily);
uint8_t encodeEmailPaperSize(uint8_t paperSize, uint8_t paperFamily);

// Registration dates: (year - 2000) in bits 15-9, month 8-5, day 4-0.
struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};
uint16_t packRegDate(const CalendarDate& date);
CalendarDate unpackRegDate(uint16_t regDate);

// Batch transmission times: hour in bits 15-11, minute in bits 10-5.
uint16_t packClockTime(int hour, int minute);
int clockTimeHour(uint16_t packed);
int clockTimeMinute(uint16_t packed);
