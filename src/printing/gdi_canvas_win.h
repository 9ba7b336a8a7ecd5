#pragma once

#include "printing/print_canvas.h"

#include <windows.h>

#include <vector>

// The printed lists drawn on a printer device context. The canvas owns the
// fonts it makes and releases them with itself; the device context stays
// the caller's.
class GdiCanvas : public PrintCanvas {
  public:
    // `codePage`: the PC code page of the phone book's texts.
    GdiCanvas(HDC printer, unsigned codePage);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    PageMeasures measures() override;
    std::string stringText(int id) override;
    std::string phoneBookText(std::string_view pcText) override;
    bool startDocument(std::string_view name) override;
    bool endDocument() override;
    void startPage() override;
    void endPage() override;
    FontMetrics selectFont(const FontRequest& font) override;
    TextSize textSize(std::string_view text) override;
    void drawText(int x, int y, std::string_view text) override;
    void fillRect(const PageRect& rect, Colour colour) override;
    void drawRectangle(const PageRect& rect, Colour colour) override;
    void drawLine(int x1, int y1, int x2, int y2) override;

  private:
    struct MadeFont {
        FontRequest request;
        HFONT font;
    };
    HFONT fontFor(const FontRequest& request);

    HDC dc_;
    unsigned codePage_;
    HGDIOBJ originalFont_ = nullptr;
    int pageState_ = 0; // SaveDC's level while a page is open
    // Made once per request and kept: a page's saved state may still hold
    // one, so none is deleted before the canvas goes.
    std::vector<MadeFont> fonts_;
};
