#include "exchange/phone_book_vcard.h"

#include "exchange/exchange_fields.h"
#include "exchange/text_decoding.h"
#include "store/code_page_text.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string_view>

namespace {

constexpr size_t kFoldAt = 75; // octets per written line, as vCard 3.0 asks

struct XField {
    std::string_view property;
    std::string ExchangeRow::*field;
};

// What only the machine knows, both ways.
constexpr XField kXFields[] = {
    {"X-ZELT-SUB-ADDRESS", &ExchangeRow::subAddress},
    {"X-ZELT-PASSWORD", &ExchangeRow::password},
    {"X-ZELT-SPEED", &ExchangeRow::speed},
    {"X-ZELT-BATCH-TIME", &ExchangeRow::batchTime},
    {"X-ZELT-EMAIL-SCAN", &ExchangeRow::emailScan},
    {"X-ZELT-REGISTERED", &ExchangeRow::registered},
    {"X-ZELT-GROUP-MEMBERS", &ExchangeRow::members},
};

constexpr std::string_view kPlaceProperty[] = {"X-ZELT-ONE-TOUCH", "X-ZELT-SPEED-DIAL",
                                               "X-ZELT-GROUP"};

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == ',' || c == ';')
            out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out;
}

// Folds after kFoldAt octets, never inside a UTF-8 character.
void appendLine(std::string& out, std::string_view line) {
    size_t width = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        const bool continuation = (static_cast<uint8_t>(line[i]) & 0xC0) == 0x80;
        if (width >= kFoldAt && !continuation) {
            out += "\r\n ";
            width = 1;
        }
        out += line[i];
        ++width;
    }
    out += "\r\n";
}

void appendProperty(std::string& out, std::string_view property, std::string_view value) {
    if (!value.empty())
        appendLine(out, std::string(property) + ":" + escaped(value));
}

// The members' place tokens, as a Group row lists them.
std::string placeToken(const ExchangeRow& row) {
    return membersText([&] {
        DialEntry entry;
        entry.memberCount = 1;
        entry.members[0] = {row.kind == RowKind::oneTouch ? kMemberKindOneTouch
                                                          : kMemberKindSpeedDial,
                            static_cast<uint8_t>(std::max(1, std::atoi(row.number.c_str())) - 1)};
        return entry;
    }());
}

// ---- Reading ----

struct Property {
    std::string name;                    // upper case, without a group prefix
    std::vector<std::string> parameters; // upper case, "TYPE=FAX" or bare "FAX"
    std::string value;                   // raw
};

std::vector<std::string> splitUnescaped(std::string_view text, char separator) {
    std::vector<std::string> parts(1);
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        if (c == separator && !quoted)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

std::optional<Property> propertyOf(std::string_view line) {
    bool quoted = false;
    size_t colon = std::string_view::npos;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        if (line[i] == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon == std::string_view::npos)
        return std::nullopt;
    std::vector<std::string> head = splitUnescaped(line.substr(0, colon), ';');
    Property property;
    std::string name = upper(head[0]);
    const size_t dot = name.find('.');
    property.name = dot == std::string::npos ? name : name.substr(dot + 1);
    for (size_t i = 1; i < head.size(); ++i)
        property.parameters.push_back(upper(head[i]));
    property.value = std::string(line.substr(colon + 1));
    return property;
}

// Whether a parameter names `value`: "NAME=A,VALUE", "NAME=\"A,VALUE\"" or,
// as version 2.1 writes it, a bare "VALUE".
bool hasParameter(const Property& property, std::string_view name, std::string_view value) {
    for (const std::string& parameter : property.parameters) {
        const size_t equals = parameter.find('=');
        if (equals != std::string::npos && std::string_view(parameter).substr(0, equals) != name)
            continue;
        std::string values = equals == std::string::npos ? parameter : parameter.substr(equals + 1);
        std::erase(values, '"');
        for (const std::string& one : splitUnescaped(values, ','))
            if (trimmed(one) == value)
                return true;
    }
    return false;
}

std::string parameterValue(const Property& property, std::string_view name) {
    for (const std::string& parameter : property.parameters)
        if (parameter.size() > name.size() && parameter.compare(0, name.size(), name) == 0 &&
            parameter[name.size()] == '=')
            return parameter.substr(name.size() + 1);
    return {};
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

std::string quotedPrintable(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const int high = text[i] == '=' && i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
        if (high >= 0 && low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

int codePageOfCharset(std::string_view charset) {
    const std::string name = upper(trimmed(charset));
    struct Charset {
        std::string_view name;
        int codePage;
    };
    static constexpr Charset kCharsets[] = {
        {"UTF-8", 65001},      {"WINDOWS-1252", 1252}, {"ISO-8859-1", 1252},
        {"ISO-8859-15", 1252}, {"WINDOWS-1251", 1251}, {"WINDOWS-1250", 1250},
        {"SHIFT_JIS", 932},    {"SHIFT-JIS", 932},     {"CP932", 932},
    };
    for (const Charset& known : kCharsets)
        if (name == known.name)
            return known.codePage;
    return 0;
}

// The value as UTF-8 text: quoted-printable undone, its charset applied,
// the escapes of vCard 3.0 and 4.0 undone.
std::string textValue(const Property& property, bool alreadyUtf8, int fallbackCodePage) {
    std::string bytes = property.value;
    if (hasParameter(property, "ENCODING", "QUOTED-PRINTABLE"))
        bytes = quotedPrintable(bytes);
    if (!alreadyUtf8) {
        const int charset = codePageOfCharset(parameterValue(property, "CHARSET"));
        if (charset != 65001 && (charset != 0 || !isValidUtf8(bytes)))
            bytes = codePageToUtf8(bytes, charset != 0 ? charset : fallbackCodePage);
    }
    std::string out;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\\' && i + 1 < bytes.size()) {
            const char next = bytes[++i];
            out += next == 'n' || next == 'N' ? '\n' : next;
        } else {
            out += bytes[i];
        }
    }
    return out;
}

struct Line {
    size_t number;
    std::string text;
};

// Unfolds continuation lines, and the soft line breaks of quoted-printable.
std::vector<Line> unfoldedLines(std::string_view text) {
    std::vector<Line> lines;
    size_t number = 0;
    size_t at = 0;
    while (at <= text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++number;
        at = end + 1;
        const bool continues = !line.empty() && (line.front() == ' ' || line.front() == '\t');
        if (continues && !lines.empty()) {
            lines.back().text += line.substr(1);
        } else if (!line.empty()) {
            lines.push_back({number, std::string(line)});
        }
        while (!lines.empty() && lines.back().text.ends_with('=') &&
               upper(lines.back().text).find("QUOTED-PRINTABLE") != std::string::npos &&
               at < text.size()) {
            size_t next = text.find('\n', at);
            if (next == std::string_view::npos)
                next = text.size();
            std::string_view more = text.substr(at, next - at);
            if (!more.empty() && more.back() == '\r')
                more.remove_suffix(1);
            lines.back().text.pop_back();
            lines.back().text += trimmed(more);
            ++number;
            at = next + 1;
        }
    }
    return lines;
}

struct Card {
    ExchangeRow row;
    std::vector<std::string> categories;
    bool groupCard = false;
};

void takeProperty(Card& card, const Property& property, bool alreadyUtf8, int codePage) {
    ExchangeRow& row = card.row;
    const std::string value = textValue(property, alreadyUtf8, codePage);
    if (property.name == "FN") {
        row.name = value;
    } else if (property.name == "N" && row.name.empty()) {
        const std::vector<std::string> parts = splitUnescaped(property.value, ';');
        const std::string family =
            parts.size() > 0 ? textValue({"", property.parameters, parts[0]}, alreadyUtf8, codePage)
                             : "";
        const std::string given =
            parts.size() > 1 ? textValue({"", property.parameters, parts[1]}, alreadyUtf8, codePage)
                             : "";
        row.name = std::string(trimmed(given + " " + family));
    } else if (property.name == "TEL" && hasParameter(property, "TYPE", "FAX") &&
               row.faxNumber.empty()) {
        std::string number = value;
        if (number.rfind("tel:", 0) == 0)
            number = number.substr(4);
        row.faxNumber = number;
    } else if (property.name == "EMAIL" && row.emailAddress.empty()) {
        row.emailAddress = value;
    } else if (property.name == "CATEGORIES") {
        for (const std::string& category : splitUnescaped(property.value, ','))
            if (!trimmed(category).empty())
                card.categories.push_back(
                    textValue({"", property.parameters, std::string(trimmed(category))},
                              alreadyUtf8, codePage));
    } else {
        for (size_t kind = 0; kind < std::size(kPlaceProperty); ++kind) {
            if (property.name == kPlaceProperty[kind]) {
                row.kind = kind == 0   ? RowKind::oneTouch
                           : kind == 1 ? RowKind::speedDial
                                       : RowKind::group;
                row.number = value;
                card.groupCard = kind == 2;
            }
        }
        for (const XField& x : kXFields)
            if (property.name == x.property)
                row.*x.field = value;
    }
}

} // namespace

std::string writePhoneBookVcards(std::span<const ExchangeRow> rows) {
    // Each entry names the Groups that list it.
    std::map<std::string, std::vector<std::string>> categories;
    for (const ExchangeRow& group : rows) {
        if (group.kind != RowKind::group)
            continue;
        for (const GroupMember& member : membersOfText(group.members).members) {
            DialEntry one;
            one.memberCount = 1;
            one.members[0] = member;
            categories[membersText(one)].push_back(group.name);
        }
    }
    std::string out;
    for (const ExchangeRow& row : rows) {
        appendLine(out, "BEGIN:VCARD");
        appendLine(out, "VERSION:3.0");
        appendLine(out, "FN:" + escaped(row.name));
        appendLine(out, "N:" + escaped(row.name) + ";;;;");
        const size_t kind = row.kind == RowKind::oneTouch    ? 0
                            : row.kind == RowKind::speedDial ? 1
                                                             : 2;
        appendProperty(out, kPlaceProperty[kind], row.number);
        appendProperty(out, "TEL;TYPE=FAX", row.faxNumber);
        appendProperty(out, "EMAIL;TYPE=INTERNET", row.emailAddress);
        if (row.kind != RowKind::group) {
            std::string names;
            for (const std::string& name : categories[placeToken(row)])
                names += (names.empty() ? "" : ",") + escaped(name);
            if (!names.empty())
                appendLine(out, "CATEGORIES:" + names);
        }
        for (const XField& x : kXFields)
            appendProperty(out, x.property, row.*x.field);
        appendLine(out, "END:VCARD");
    }
    return out;
}

std::vector<ExchangeRow> readPhoneBookVcards(std::span<const uint8_t> bytes, int fallbackCodePage) {
    // Marked or UTF-16 files are text already; others keep their bytes
    // until each value's charset is known.
    const bool marked =
        bytes.size() >= 2 &&
        ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF) ||
         (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF));
    const std::string text =
        marked ? decodeImportText(bytes, fallbackCodePage).text
               : std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::vector<Card> cards;
    std::optional<Card> open;
    for (const Line& line : unfoldedLines(text)) {
        const std::optional<Property> property = propertyOf(line.text);
        if (!property)
            continue;
        if (property->name == "BEGIN" && upper(trimmed(property->value)) == "VCARD") {
            open = Card{};
            open->row.line = line.number;
        } else if (property->name == "END" && open) {
            cards.push_back(std::move(*open));
            open.reset();
        } else if (open) {
            takeProperty(*open, *property, marked, fallbackCodePage);
        }
    }
    std::vector<ExchangeRow> rows;
    const bool groupCards =
        std::any_of(cards.begin(), cards.end(), [](const Card& c) { return c.groupCard; });
    std::map<std::string, size_t> groupOfCategory;
    std::vector<ExchangeRow> categoryGroups;
    for (size_t i = 0; i < cards.size(); ++i) {
        rows.push_back(cards[i].row);
        if (groupCards)
            continue; // the Group cards list their members exactly
        for (const std::string& category : cards[i].categories) {
            auto [found, added] = groupOfCategory.emplace(category, categoryGroups.size());
            if (added) {
                ExchangeRow group;
                group.kind = RowKind::group;
                group.name = category;
                group.line = cards[i].row.line;
                categoryGroups.push_back(group);
            }
            categoryGroups[found->second].memberRows.push_back(i);
        }
    }
    rows.insert(rows.end(), categoryGroups.begin(), categoryGroups.end());
    return rows;
}
