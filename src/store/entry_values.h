#pragma once

#include <cstdint>

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
