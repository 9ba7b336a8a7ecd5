#include "printing/list_printer.h"

#include "printing/fit_text.h"
#include "printing/list_fonts.h"
#include "resource_ids.h"

#include <algorithm>

namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kTitleGray = 0xC0C0C0;
constexpr Colour kShadeGray = 0xE0E0E0;

constexpr int kTitleBoxPadding = 55;
constexpr int kRightTextMargin = 10;
constexpr int kNumberIndent = 4;
constexpr int kTextIndent = 2;

int lineHeightOf(const FontMetrics& metrics) {
    return metrics.height + metrics.internalLeading;
}

int titleTextId(PrintedList list) {
    switch (list) {
    case PrintedList::oneTouch:
        return IDS_ONE_TOUCH;
    case PrintedList::speedDial:
        return IDS_SPEED_DIAL;
    default:
        return IDS_GROUP;
    }
}

std::string dateText(const CalendarDate& date) {
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" +
           std::to_string(date.year);
}

struct ListPage {
    PrintedList list;
    const ListSource& source;
    const ListFonts& fonts;
    const PageFrame& frame;
    const std::vector<PrintColumn>& columns;
    int total;
};

// The title box, the station lines, the page count and the date.
void drawPageHeader(PrintCanvas& canvas, const ListPage& page, int pageNumber) {
    const PageFrame& frame = page.frame;
    canvas.selectFont(page.fonts.title);
    const std::string title = canvas.stringText(titleTextId(page.list));
    const TextSize titleSize = canvas.textSize(title);
    canvas.drawRectangle({frame.left, frame.top, frame.left + titleSize.width + kTitleBoxPadding,
                          frame.top + frame.titleHeight},
                         kTitleGray);
    canvas.drawText(frame.left, frame.top + (frame.titleHeight - titleSize.height) / 2, title);

    canvas.selectFont(page.fonts.base);
    const PhoneBookSnapshot& book = page.source.book;
    canvas.drawText(frame.left, frame.top + frame.titleHeight,
                    canvas.stringText(IDS_PRINT_STATION_NAME) +
                        canvas.phoneBookText(book.stationName));
    canvas.drawText(frame.left, frame.top + frame.titleHeight + frame.lineHeight,
                    canvas.stringText(IDS_PRINT_STATION_TEL) +
                        canvas.phoneBookText(book.stationNumber));
    const std::string count =
        pageCountText(canvas.stringText(IDS_PRINT_PAGE_COUNT), page.total, pageNumber);
    const std::string date = dateText(page.source.date);
    canvas.drawText(frame.right - canvas.textSize(count).width - kRightTextMargin, frame.top,
                    count);
    canvas.drawText(frame.right - canvas.textSize(date).width - kRightTextMargin,
                    frame.top + frame.lineHeight, date);
}

int tableTop(const PageFrame& frame) {
    return frame.top + frame.titleHeight + 2 * frame.lineHeight + frame.titleHeight;
}

// The ruled and shaded grid with the headings in row 0.
void drawTable(PrintCanvas& canvas, const ListPage& page) {
    const PageFrame& frame = page.frame;
    const int top = tableTop(frame);
    const int bottom = top + frame.rowsPerPage * frame.lineHeight;
    canvas.drawLine(frame.left, top, frame.left, bottom);
    canvas.drawLine(frame.right, top, frame.right, bottom);
    for (int y = top; y < bottom; y += frame.lineHeight)
        canvas.drawLine(frame.left, y, frame.right, y);
    canvas.drawLine(frame.left, bottom, frame.right, bottom);
    for (int y = top + 1; y < bottom; y += 2 * frame.lineHeight)
        canvas.fillRect({frame.left + 1, y, frame.right - 1, y + frame.lineHeight - 2}, kShadeGray);

    canvas.selectFont(page.fonts.table);
    for (size_t c = 0; c < page.columns.size(); ++c) {
        const PrintColumn& column = page.columns[c];
        const int x = c == 0 ? frame.left : column.left + kTextIndent;
        const int y = top + (frame.lineHeight - canvas.textSize(column.heading).height) / 2;
        canvas.drawText(x, y, column.heading);
        if (c + 1 < page.columns.size())
            canvas.drawLine(column.left + column.width, top, column.left + column.width, bottom);
    }
}

void drawRow(PrintCanvas& canvas, const ListPage& page, const std::vector<std::string>& cells,
             int rowOnPage) {
    const int rowTop = tableTop(page.frame) + rowOnPage * page.frame.lineHeight;
    const size_t count = std::min(cells.size(), page.columns.size());
    for (size_t c = 0; c < count; ++c) {
        const PrintColumn& column = page.columns[c];
        const std::string text =
            column.fitWidth != 0 ? fitText(canvas, cells[c], column.fitWidth) : cells[c];
        if (text.empty())
            continue;
        const int x = c == 0 ? page.frame.left + kNumberIndent : column.left + kTextIndent;
        const int y = rowTop + (page.frame.lineHeight - canvas.textSize(text).height) / 2;
        canvas.drawText(x, y, text);
    }
}

ListPrintOutcome printList(PrintCanvas& canvas, PrintedList list, const ListSource& source) {
    const PageMeasures measures = canvas.measures();
    const ListFonts fonts = listFonts(source.book.language, measures.dpiX);
    const int lineHeight = lineHeightOf(canvas.selectFont(fonts.base));
    const int titleHeight = lineHeightOf(canvas.selectFont(fonts.title));
    const std::optional<PageFrame> frame = pageFrame(measures, lineHeight, titleHeight);
    if (!frame)
        return ListPrintOutcome::pageTooSmall;

    canvas.selectFont(fonts.table);
    const std::vector<PrintColumn> columns =
        listColumns(canvas, list, frame->left, frame->tableWidth, source.a3Model);
    const std::vector<PrintedRow> rows = listRows(canvas, list, source.book, source.a3Model);
    const size_t perPage = static_cast<size_t>(frame->rowsPerPage - 1);
    const int total = static_cast<int>((rows.size() + perPage - 1) / perPage);

    if (!canvas.startDocument(canvas.stringText(IDS_PRINT_DOCUMENT_NAME)))
        return ListPrintOutcome::printerFailed;
    const ListPage page{list, source, fonts, *frame, columns, total};
    for (int p = 0; p < total; ++p) {
        canvas.startPage();
        canvas.fillRect({0, 0, measures.width, measures.height}, kWhite);
        drawPageHeader(canvas, page, p + 1);
        drawTable(canvas, page);
        const size_t first = static_cast<size_t>(p) * perPage;
        const size_t last = std::min(rows.size(), first + perPage);
        for (size_t r = first; r < last; ++r) {
            const PrintedRow& row = rows[r];
            const bool opensPage = r == first && !row.openingCells.empty();
            drawRow(canvas, page, opensPage ? row.openingCells : row.cells,
                    static_cast<int>(r - first) + 1);
        }
        canvas.endPage();
    }
    return canvas.endDocument() ? ListPrintOutcome::printed : ListPrintOutcome::printerFailed;
}

} // namespace

std::optional<PageFrame> pageFrame(const PageMeasures& page, int lineHeight, int titleHeight) {
    if (lineHeight <= 0 || titleHeight <= 0)
        return std::nullopt;
    PageFrame frame;
    frame.left = page.dpiX / 4;
    frame.tableWidth = page.width - page.dpiX / 2;
    frame.right = frame.left + frame.tableWidth;
    frame.top = page.dpiY / 2;
    frame.lineHeight = lineHeight;
    frame.titleHeight = titleHeight;
    frame.rowsPerPage = std::min(
        (page.height - 2 * lineHeight - titleHeight - page.dpiY) / lineHeight, kMaxRowsPerPage);
    if (frame.rowsPerPage < 2)
        return std::nullopt;
    return frame;
}

ListPrintOutcome printDialList(PrintCanvas& canvas, PrintedList kind, const ListSource& source) {
    return printList(canvas, kind, source);
}

ListPrintOutcome printGroupList(PrintCanvas& canvas, const ListSource& source) {
    return printList(canvas, PrintedList::group, source);
}

std::string pageCountText(std::string_view pattern, int total, int page) {
    std::string text;
    int filled = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (filled < 2 && pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 'd') {
            text += std::to_string(filled == 0 ? total : page);
            ++filled;
            ++i;
            continue;
        }
        text += pattern[i];
    }
    return text;
}
