#pragma once

#include "printing/phone_book_snapshot.h"
#include "printing/print_canvas.h"
#include "string_table.h"

#include <string>
#include <vector>

// A printer that records every call. Every character is half as wide as the
// font is high; phone-book texts pass through as they are.
class FakePrintCanvas : public PrintCanvas {
  public:
    struct Text {
        int page; // 0 before the first page, else the page number
        int x;
        int y;
        std::string text;
        FontRequest font;
    };
    struct Line {
        int page;
        int x1, y1, x2, y2;
    };
    struct Fill {
        int page;
        PageRect rect;
        Colour colour;
        bool outlined;
    };

    explicit FakePrintCanvas(PageMeasures page = {300, 300, 2329, 3358}) : page_(page) {}

    PageMeasures measures() override { return page_; }
    std::string stringText(int id) override { return std::string(stringTableText(id)); }
    std::string phoneBookText(std::string_view text) override { return std::string(text); }

    bool startDocument(std::string_view name) override {
        documents.emplace_back(name);
        return acceptDocuments;
    }
    bool endDocument() override {
        ++documentsEnded;
        return acceptDocuments;
    }
    void startPage() override { ++pages; }
    void endPage() override { ++pagesEnded; }

    FontMetrics selectFont(const FontRequest& font) override {
        fonts.push_back(font);
        current_ = font;
        return {font.height, leading};
    }
    TextSize textSize(std::string_view text) override {
        int characters = 0;
        for (char c : text)
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
        return {characters * (current_.height / 2), current_.height};
    }
    void drawText(int x, int y, std::string_view text) override {
        texts.push_back({pages, x, y, std::string(text), current_});
    }
    void fillRect(const PageRect& rect, Colour colour) override {
        fills.push_back({pages, rect, colour, false});
    }
    void drawRectangle(const PageRect& rect, Colour colour) override {
        fills.push_back({pages, rect, colour, true});
    }
    void drawLine(int x1, int y1, int x2, int y2) override {
        lines.push_back({pages, x1, y1, x2, y2});
    }

    // What was drawn on one page, in drawing order.
    std::vector<Text> textsOnPage(int page) const {
        std::vector<Text> found;
        for (const Text& text : texts)
            if (text.page == page)
                found.push_back(text);
        return found;
    }
    const Text* findText(std::string_view wanted, int page = -1) const {
        for (const Text& text : texts)
            if (text.text == wanted && (page < 0 || text.page == page))
                return &text;
        return nullptr;
    }

    int leading = 2;
    bool acceptDocuments = true;
    std::vector<std::string> documents;
    int documentsEnded = 0;
    int pages = 0;
    int pagesEnded = 0;
    std::vector<FontRequest> fonts;
    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Fill> fills;

  private:
    PageMeasures page_;
    FontRequest current_;
};

// A phone book with every key and entry empty, as an image without entries
// gives it.
inline PhoneBookSnapshot emptyPhoneBook(uint8_t paperFamily = 0) {
    PhoneBookSnapshot book;
    book.oneTouch.resize(9);
    book.speedDial.resize(100);
    book.keys.resize(9);
    book.paperFamily = paperFamily;
    return book;
}
