#include "printing/gdi_canvas_win.h"

#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

namespace {

RECT rectOf(const PageRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace

GdiCanvas::GdiCanvas(HDC printer, unsigned codePage) : dc_(printer), codePage_(codePage) {
    originalFont_ = GetCurrentObject(dc_, OBJ_FONT);
}

GdiCanvas::~GdiCanvas() {
    SelectObject(dc_, originalFont_);
    for (const MadeFont& made : fonts_)
        DeleteObject(made.font);
}

PageMeasures GdiCanvas::measures() {
    return {GetDeviceCaps(dc_, LOGPIXELSX), GetDeviceCaps(dc_, LOGPIXELSY),
            GetDeviceCaps(dc_, HORZRES), GetDeviceCaps(dc_, VERTRES)};
}

std::string GdiCanvas::stringText(int id) {
    return wideToUtf8(loadString(id));
}

std::string GdiCanvas::phoneBookText(std::string_view pcText) {
    return wideToUtf8(codePageToWide(pcText, codePage_));
}

bool GdiCanvas::startDocument(std::string_view name) {
    const std::wstring title = utf8ToWide(name);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = title.c_str();
    return StartDocW(dc_, &document) > 0;
}

bool GdiCanvas::endDocument() {
    return EndDoc(dc_) > 0;
}

void GdiCanvas::startPage() {
    StartPage(dc_);
    pageState_ = SaveDC(dc_);
    SetMapMode(dc_, MM_TEXT);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(0, 0, 0));
}

void GdiCanvas::endPage() {
    RestoreDC(dc_, pageState_);
    EndPage(dc_);
}

HFONT GdiCanvas::fontFor(const FontRequest& request) {
    for (const MadeFont& made : fonts_)
        if (made.request == request)
            return made.font;
    LOGFONTW description{};
    description.lfHeight = request.height;
    description.lfWeight = request.weight;
    description.lfCharSet = static_cast<BYTE>(request.charset);
    description.lfOutPrecision = static_cast<BYTE>(request.outputPrecision);
    description.lfClipPrecision = static_cast<BYTE>(request.clipPrecision);
    const std::wstring face = utf8ToWide(request.face).substr(0, LF_FACESIZE - 1);
    face.copy(description.lfFaceName, face.size());
    HFONT font = CreateFontIndirectW(&description);
    fonts_.push_back({request, font});
    return font;
}

FontMetrics GdiCanvas::selectFont(const FontRequest& font) {
    SelectObject(dc_, fontFor(font));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return {metrics.tmHeight, metrics.tmInternalLeading};
}

TextSize GdiCanvas::textSize(std::string_view text) {
    const std::wstring wide = utf8ToWide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    return {size.cx, size.cy};
}

void GdiCanvas::drawText(int x, int y, std::string_view text) {
    const std::wstring wide = utf8ToWide(text);
    TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void GdiCanvas::fillRect(const PageRect& rect, Colour colour) {
    const RECT area = rectOf(rect);
    if (colour == 0xFFFFFF) {
        FillRect(dc_, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return;
    }
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &area, brush);
    DeleteObject(brush);
}

void GdiCanvas::drawRectangle(const PageRect& rect, Colour colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ previous = SelectObject(dc_, brush);
    Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(dc_, previous);
    DeleteObject(brush);
}

void GdiCanvas::drawLine(int x1, int y1, int x2, int y2) {
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
}
