#include "printing/list_fonts.h"

namespace {

constexpr uint8_t kLanguageRussian = 6;
constexpr uint8_t kLanguageJapanese = 11;

// Character sets of the printer fonts.
constexpr int kDefaultCharset = 1;
constexpr int kShiftJisCharset = 128;
constexpr int kCyrillicCharset = 204;

constexpr int kBasePoints = 12;
constexpr int kTitlePoints = 20;
constexpr int kTablePoints = 8;

FontRequest fontOf(uint8_t language, int points, int dpiX) {
    FontRequest font;
    if (language == kLanguageJapanese) {
        font.face = "MS UI Gothic";
        font.charset = kShiftJisCharset;
    } else {
        font.face = "Tahoma";
        font.charset = language == kLanguageRussian ? kCyrillicCharset : kDefaultCharset;
    }
    font.height = dpiX * points / 72;
    return font;
}

} // namespace

ListFonts listFonts(uint8_t language, int dpiX) {
    return {fontOf(language, kBasePoints, dpiX), fontOf(language, kTitlePoints, dpiX),
            fontOf(language, kTablePoints, dpiX)};
}
