#include "printing/fit_text.h"

namespace {

constexpr std::string_view kEllipsis = "...";
// Room a text leaves at the column's right edge, past the 2-pixel indent.
constexpr int kColumnMargin = 6;

bool fits(PrintCanvas& canvas, std::string_view text, int width) {
    return canvas.textSize(text).width < width - kColumnMargin;
}

// Drops the last character of a UTF-8 text, never half of one.
void dropLastCharacter(std::string& text) {
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
        text.pop_back();
    if (!text.empty())
        text.pop_back();
}

} // namespace

std::string fitText(PrintCanvas& canvas, std::string_view text, int width) {
    if (fits(canvas, text, width))
        return std::string(text);
    if (!fits(canvas, kEllipsis, width))
        return {};
    std::string kept(text);
    for (size_t i = 0; i < kEllipsis.size(); ++i)
        dropLastCharacter(kept);
    while (!kept.empty() && !fits(canvas, kept + std::string(kEllipsis), width))
        dropLastCharacter(kept);
    return kept + std::string(kEllipsis);
}
