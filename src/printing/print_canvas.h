#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The printer as the list layout sees it: its measures, the texts it shows
// and the few drawing calls a printed list makes. The Win32 program draws
// on a printer device context; the tests record every call. Coordinates are
// device pixels; texts handed to the canvas are UTF-8.

struct PageMeasures {
    int dpiX = 0;
    int dpiY = 0;
    int width = 0;  // printable width in pixels
    int height = 0; // printable height in pixels
};

struct FontRequest {
    std::string face; // UTF-8
    int charset = 0;
    int height = 0; // pixels
    int weight = 700;
    int outputPrecision = 5;
    int clipPrecision = 1;
    bool operator==(const FontRequest&) const = default;
};

struct FontMetrics {
    int height = 0;
    int internalLeading = 0;
};

struct TextSize {
    int width = 0;
    int height = 0;
};

struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PageRect&) const = default;
};

// 0xBBGGRR, as the printer's colour values are written.
using Colour = uint32_t;

class PrintCanvas {
  public:
    virtual ~PrintCanvas() = default;

    virtual PageMeasures measures() = 0;
    // A string-table text, and a text of the phone book (PC code page of the
    // machine's display language), both as UTF-8.
    virtual std::string stringText(int id) = 0;
    virtual std::string phoneBookText(std::string_view pcText) = 0;

    // false: the printer refused the document.
    virtual bool startDocument(std::string_view name) = 0;
    virtual bool endDocument() = 0;
    // A page keeps its own drawing state: whatever a page selects ends with it.
    virtual void startPage() = 0;
    virtual void endPage() = 0;

    virtual FontMetrics selectFont(const FontRequest& font) = 0;
    virtual TextSize textSize(std::string_view text) = 0;
    // Black text on a transparent background, its top left corner at (x, y).
    virtual void drawText(int x, int y, std::string_view text) = 0;
    virtual void fillRect(const PageRect& rect, Colour colour) = 0;
    // An outlined rectangle filled with `colour`.
    virtual void drawRectangle(const PageRect& rect, Colour colour) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
};
