#pragma once

#include "store/dial_entry.h"
#include "store/entry_values.h"
#include "store/text_filters.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The field formats of the exchange files, written and read back by the
// same table, so an exported file always reads back as it was.

// Spreadsheets and address books write their words in any case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

std::string speedText(uint8_t speedIndex);
std::optional<uint8_t> speedOfText(std::string_view text); // "9.6K"/"9600"... ; blank gives 33.6K

std::string batchTimeText(const DialEntry& entry); // "" when none
struct BatchTime {
    std::string hour; // two digits, or empty with minute for none
    std::string minute;
};
// "14:05", "9:05" or a spreadsheet's "14:05:00"; blank gives none.
std::optional<BatchTime> batchTimeOfText(std::string_view text);

// The four e-mail scan values; blank when they are all at their zero.
std::string emailScanText(const DialEntry& entry, uint8_t paperFamily);
struct EmailScan {
    uint8_t option = 0;
    uint8_t paperSize = 0;
    uint8_t resolution = 0;
    uint8_t coding = 0;
};
std::optional<EmailScan> emailScanOfText(std::string_view text, uint8_t paperFamily);

std::string registeredText(uint16_t regDate); // "" for a date that is none
std::optional<uint16_t> registeredOfText(std::string_view text);

// A Group's members as "OT03 SD012"; reading takes blanks, commas and
// semicolons between tokens and any case. A token not understood is
// counted apart.
std::string membersText(const DialEntry& group);
struct MemberTokens {
    std::vector<GroupMember> members; // index 0-based
    int notUnderstood = 0;
};
MemberTokens membersOfText(std::string_view text);

// A spreadsheet turned a long number into a figure such as "1.2E+10".
bool looksLikeSpreadsheetFigure(std::string_view text);

// Leading and trailing blanks (and tabs) removed.
std::string_view trimmed(std::string_view text);
