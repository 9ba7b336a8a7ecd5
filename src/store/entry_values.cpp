#include "store/entry_values.h"

#include <iterator>

namespace {

// Stored paper size codes.
constexpr uint8_t kCodeA3 = 0;
constexpr uint8_t kCodeB4 = 1;
constexpr uint8_t kCodeA4 = 2;
constexpr uint8_t kCodeLedger = 9;
constexpr uint8_t kCodeLetter = 12;

// The machine's e-mail sizes in one row: A4, B4, A3 for the metric family,
// then LETTER, Ledger for the inch family (which starts at position 3).
constexpr uint8_t kSizeCodes[] = {kCodeA4, kCodeB4, kCodeA3, kCodeLetter, kCodeLedger};
constexpr int kInchOffset = 3;

} // namespace

uint8_t decodeEmailPaperSize(uint8_t code, uint8_t paperFamily) {
    int position = 0;
    switch (code) {
    case kCodeA3:
        position = 2;
        break;
    case kCodeB4:
        position = 1;
        break;
    case kCodeLedger:
        position = 4;
        break;
    case kCodeLetter:
        position = 3;
        break;
    default:
        position = 0;
        break;
    }
    // A size of the other family reads as its nearest size in this family.
    if (paperFamily == 0) {
        if (position == 3)
            position = 0;
        else if (position == 4)
            position = 2;
    } else if (paperFamily == 1) {
        if (position == 0)
            position = 3;
        else if (position == 1 || position == 2)
            position = 4;
    }
    if (position >= kInchOffset)
        position -= kInchOffset;
    return static_cast<uint8_t>(position);
}

uint8_t encodeEmailPaperSize(uint8_t paperSize, uint8_t paperFamily) {
    int position = paperSize + (paperFamily == 1 ? kInchOffset : 0);
    if (position >= static_cast<int>(std::size(kSizeCodes)))
        return 0;
    return kSizeCodes[position];
}

uint16_t packRegDate(const CalendarDate& date) {
    return static_cast<uint16_t>(((date.year + 48) * 16 + date.month) * 32 + date.day);
}

CalendarDate unpackRegDate(uint16_t regDate) {
    return {2000 + (regDate >> 9), (regDate >> 5) & 0x0f, regDate & 0x1f};
}

uint16_t packClockTime(int hour, int minute) {
    return static_cast<uint16_t>((hour * 64 + minute) * 32);
}

int clockTimeHour(uint16_t packed) {
    return packed >> 11;
}

int clockTimeMinute(uint16_t packed) {
    return (packed >> 5) & 0x3f;
}
