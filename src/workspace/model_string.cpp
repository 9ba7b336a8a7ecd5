#include "workspace/model_string.h"

#include "store/data_file.h"

#include <array>
#include <optional>

namespace {

constexpr int kKnownFamilyKeyCount = 9;
constexpr int kKnownFamilyGroupCount = 9;
constexpr int kKnownFamilyFirstProgramDialKey = 5;
constexpr size_t kMaxProductIds = 2;

struct FamilyToken {
    std::string_view token;
    uint8_t family;
};

// The A3 token is compared first; the order is what the program has always used.
constexpr std::array kFamilyTokens{FamilyToken{"A3VARN", kModelFamilyA3},
                                   FamilyToken{"A4VARN", kModelFamilyA4}};

bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads the scanner's way: leading white space skipped, then a token that
// runs to the next white space.
std::string_view nextToken(std::string_view& text) {
    size_t start = 0;
    while (start < text.size() && isSpace(text[start]))
        ++start;
    size_t end = start;
    while (end < text.size() && !isSpace(text[end]))
        ++end;
    std::string_view token = text.substr(start, end - start);
    text.remove_prefix(end);
    return token;
}

// Reads a hexadecimal number the scanner's way ("0x" allowed, it stops at the
// first character that is not a digit), so "2078;" still gives 0x2078. A
// number that does not fit in 32 bits is refused rather than wrapped: such a
// product id could match the wrong device.
std::optional<uint32_t> nextHexNumber(std::string_view& text) {
    size_t pos = 0;
    while (pos < text.size() && isSpace(text[pos]))
        ++pos;
    if (text.size() - pos > 2 && text[pos] == '0' &&
        (text[pos + 1] == 'x' || text[pos + 1] == 'X') && hexDigitValue(text[pos + 2]) >= 0)
        pos += 2;
    size_t digitsStart = pos;
    uint32_t value = 0;
    while (pos < text.size() && hexDigitValue(text[pos]) >= 0) {
        if (value >> 28 != 0)
            return std::nullopt;
        value = value << 4 | static_cast<uint32_t>(hexDigitValue(text[pos]));
        ++pos;
    }
    if (pos == digitsStart)
        return std::nullopt;
    text.remove_prefix(pos);
    return value;
}

} // namespace

void parseModelString(std::string_view modelString, StartupValues& values) {
    values = StartupValues{};
    std::string_view rest = modelString;
    std::string_view token = nextToken(rest);
    for (const FamilyToken& known : kFamilyTokens) {
        if (token == known.token) {
            values.modelFamily = known.family;
            break;
        }
    }
    if (values.modelFamily == kModelFamilyUnknown)
        return;
    values.firstProgramDialKey = kKnownFamilyFirstProgramDialKey;
    values.oneTouchKeyCount = kKnownFamilyKeyCount;
    values.groupCount = kKnownFamilyGroupCount;
    while (values.acceptedProductIds.size() < kMaxProductIds) {
        std::optional<uint32_t> id = nextHexNumber(rest);
        if (!id)
            break;
        values.acceptedProductIds.push_back(*id);
    }
}

std::string_view familyFileBaseName(uint8_t modelFamily) {
    return modelFamily == kModelFamilyA3 ? "A3QELD" : "A4QELD";
}

std::string resourceLibraryPath(std::string_view executablePath, uint8_t modelFamily) {
    return pathBesideFile(executablePath, std::string(familyFileBaseName(modelFamily)) + ".DLL");
}

std::string backupFilePath(std::string_view moduleFilePath, uint8_t modelFamily) {
    return pathBesideFile(moduleFilePath, std::string(familyFileBaseName(modelFamily)) + ".BAK");
}
