#include "exchange/exchange_fields.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace {

// Each speed by its list name and by its bits per second.
constexpr std::array<std::string_view, 3> kSpeedNames = {"9.6K", "14.4K", "33.6K"};
constexpr std::array<std::string_view, 3> kSpeedRates = {"9600", "14400", "33600"};
constexpr uint8_t kDefaultSpeed = 2;

constexpr std::array<std::string_view, 3> kMetricPapers = {"A4", "B4", "A3"};
constexpr std::array<std::string_view, 2> kInchPapers = {"LETTER", "LEDGER"};
constexpr std::array<std::string_view, 2> kResolutions = {"Fine", "S/F"};
constexpr std::array<std::string_view, 3> kCodings = {"MH", "MR", "MMR"};
constexpr std::array<std::string_view, 2> kScanOptions = {"default", "specified"};

template <size_t N>
std::optional<uint8_t> indexOf(const std::array<std::string_view, N>& names,
                               std::string_view text) {
    for (size_t i = 0; i < N; ++i)
        if (equalsIgnoringCase(names[i], text))
            return static_cast<uint8_t>(i);
    return std::nullopt;
}

std::vector<std::string_view> tokens(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> found;
    size_t at = 0;
    while (at < text.size()) {
        const size_t start = text.find_first_not_of(separators, at);
        if (start == std::string_view::npos)
            break;
        size_t end = text.find_first_of(separators, start);
        if (end == std::string_view::npos)
            end = text.size();
        found.push_back(text.substr(start, end - start));
        at = end;
    }
    return found;
}

// A small decimal number: at most `maxDigits` (up to 4) digits.
std::optional<int> decimal(std::string_view text, size_t maxDigits) {
    if (text.empty() || text.size() > std::min<size_t>(maxDigits, 4))
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

} // namespace

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string speedText(uint8_t speedIndex) {
    return std::string(kSpeedNames[std::min<size_t>(speedIndex, kSpeedNames.size() - 1)]);
}

std::optional<uint8_t> speedOfText(std::string_view text) {
    text = trimmed(text);
    if (text.empty())
        return kDefaultSpeed;
    if (auto byName = indexOf(kSpeedNames, text))
        return byName;
    return indexOf(kSpeedRates, text);
}

std::string batchTimeText(const DialEntry& entry) {
    const std::string_view hour = fieldText(entry.batchHour);
    const std::string_view minute = fieldText(entry.batchMinute);
    if (hour.empty() || minute.empty())
        return {};
    return std::string(hour) + ":" + std::string(minute);
}

std::optional<BatchTime> batchTimeOfText(std::string_view text) {
    text = trimmed(text);
    if (text.empty())
        return BatchTime{};
    const std::vector<std::string_view> parts = tokens(text, ":");
    if (parts.size() < 2 || parts.size() > 3 || text.front() == ':' || text.back() == ':')
        return std::nullopt;
    const std::optional<int> hour = decimal(parts[0], 2);
    const std::optional<int> minute = decimal(parts[1], 2);
    const bool secondsZero = parts.size() == 2 || decimal(parts[2], 2) == 0;
    if (!hour || !minute || !secondsZero || *hour > kLastBatchHour || *minute > kLastBatchMinute)
        return std::nullopt;
    return BatchTime{twoDigits(*hour), twoDigits(*minute)};
}

std::string emailScanText(const DialEntry& entry, uint8_t paperFamily) {
    if (entry.emailScanOption == 0 && entry.emailPaperSize == 0 && entry.emailResolution == 0 &&
        entry.emailCoding == 0)
        return {};
    const auto name = [](const auto& names, uint8_t value) {
        return value < names.size() ? std::string(names[value]) : std::to_string(value);
    };
    const std::string paper = paperFamily == 0 ? name(kMetricPapers, entry.emailPaperSize)
                                               : name(kInchPapers, entry.emailPaperSize);
    return name(kScanOptions, entry.emailScanOption) + " " + paper + " " +
           name(kResolutions, entry.emailResolution) + " " + name(kCodings, entry.emailCoding);
}

std::optional<EmailScan> emailScanOfText(std::string_view text, uint8_t paperFamily) {
    const std::vector<std::string_view> parts = tokens(text, " \t");
    if (parts.empty())
        return EmailScan{};
    if (parts.size() != 4)
        return std::nullopt;
    // A paper size the family has no name for was written as its index.
    const std::optional<int> paperIndex = decimal(parts[1], 1);
    const std::optional<uint8_t> paper =
        paperIndex && *paperIndex <= 2 ? std::optional<uint8_t>(static_cast<uint8_t>(*paperIndex))
        : paperFamily == 0             ? indexOf(kMetricPapers, parts[1])
                                       : indexOf(kInchPapers, parts[1]);
    const std::optional<uint8_t> option = indexOf(kScanOptions, parts[0]);
    const std::optional<uint8_t> resolution = indexOf(kResolutions, parts[2]);
    const std::optional<uint8_t> coding = indexOf(kCodings, parts[3]);
    if (!option || !paper || !resolution || !coding)
        return std::nullopt;
    return EmailScan{*option, *paper, *resolution, *coding};
}

std::string registeredText(uint16_t regDate) {
    const CalendarDate date = unpackRegDate(regDate);
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31)
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::optional<uint16_t> registeredOfText(std::string_view text) {
    const std::vector<std::string_view> parts = tokens(trimmed(text), "-");
    if (parts.size() != 3)
        return std::nullopt;
    const std::optional<int> year = decimal(parts[0], 4);
    const std::optional<int> month = decimal(parts[1], 2);
    const std::optional<int> day = decimal(parts[2], 2);
    if (!year || !month || !day || *year < 2000 || *year > 2127 || *month < 1 || *month > 12 ||
        *day < 1 || *day > 31)
        return std::nullopt;
    return packRegDate({*year, *month, *day});
}

std::string membersText(const DialEntry& group) {
    std::string text;
    for (int i = 0; i < group.memberCount && i < kMaxGroupMembers; ++i) {
        const GroupMember& member = group.members[static_cast<size_t>(i)];
        const bool oneTouch = (member.kind & kMemberKindOneTouch) != 0;
        char token[16];
        std::snprintf(token, sizeof token, oneTouch ? "OT%02d" : "SD%03d", member.index + 1);
        if (!text.empty())
            text += ' ';
        text += token;
    }
    return text;
}

MemberTokens membersOfText(std::string_view text) {
    MemberTokens result;
    for (std::string_view token : tokens(text, " \t,;")) {
        const bool oneTouch = token.size() > 2 && equalsIgnoringCase(token.substr(0, 2), "OT");
        const bool speedDial = token.size() > 2 && equalsIgnoringCase(token.substr(0, 2), "SD");
        const std::optional<int> number =
            token.size() > 2 ? decimal(token.substr(2), 3) : std::nullopt;
        const int count = oneTouch ? kOneTouchKeyCount : kSpeedDialEntryCount;
        if ((!oneTouch && !speedDial) || !number || *number < 1 || *number > count) {
            ++result.notUnderstood;
            continue;
        }
        result.members.push_back({oneTouch ? kMemberKindOneTouch : kMemberKindSpeedDial,
                                  static_cast<uint8_t>(*number - 1)});
    }
    return result;
}

bool looksLikeSpreadsheetFigure(std::string_view text) {
    text = trimmed(text);
    const size_t e = text.find_first_of("eE");
    if (e == std::string_view::npos || e == 0)
        return false;
    const std::string_view mantissa = text.substr(0, e);
    std::string_view exponent = text.substr(e + 1);
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-'))
        exponent.remove_prefix(1);
    const size_t point = mantissa.find_first_of(".,");
    const std::string_view whole = mantissa.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : mantissa.substr(point + 1);
    const bool fractionDigits =
        point == std::string_view::npos ||
        (!fraction.empty() && fraction.find_first_not_of("0123456789") == std::string_view::npos);
    return decimal(whole, 3).has_value() && fractionDigits && decimal(exponent, 3).has_value();
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
