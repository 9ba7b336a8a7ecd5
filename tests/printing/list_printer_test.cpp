#include "printing/list_printer.h"

#include "fake_print_canvas.h"
#include "store/dial_entry_test_support.h"

#include <gtest/gtest.h>

namespace {

// The fake's fonts at 300 dpi: base 50 + 2 = 52 pixels a line, title 83 + 2.
constexpr int kLine = 52;
constexpr int kTitle = 85;
// Heights that give R = 55 (cut to 51), 51, 11 and 1.
constexpr int kTallPage = 3358;
constexpr int kPageOf51Rows = 3150;
constexpr int kPageOf11Rows = 1070;
constexpr int kPageOf1Row = 560;

PageMeasures a4(int height = kTallPage) {
    return {300, 300, 2329, height};
}

ListSource filledBook() {
    ListSource source{emptyPhoneBook()};
    PhoneBookSnapshot& book = source.book;
    for (int i = 0; i < 100; ++i)
        book.speedDial[static_cast<size_t>(i)] =
            faxEntry(("Entry " + std::to_string(i + 1)).c_str(), "0301234", 2);
    book.oneTouch[0] = faxEntry("Head Office", "0P030 5550 1234", 2);
    book.stationName = "Reception";
    book.stationNumber = "+49 30 5550 1000";
    source.date = {2026, 12, 7};
    return source;
}

// A Group of twelve Speed Dial entries on key 1, every other key empty.
ListSource bookWithLongGroup() {
    ListSource source = filledBook();
    DialEntry& group = source.book.keys[0] = groupOf("Sales", {});
    for (uint8_t m = 0; m < 12; ++m)
        group.members[group.memberCount++] = {kMemberKindSpeedDial, m};
    return source;
}

// The texts of table row `row` (0 the headings) of `page`, left to right.
std::vector<std::string> rowTexts(const FakePrintCanvas& canvas, int page, int row) {
    const int tableTop = 150 + kTitle + 2 * kLine + kTitle;
    std::vector<std::string> found;
    for (const FakePrintCanvas::Text& text : canvas.textsOnPage(page))
        if (text.font.height == 33 && text.y >= tableTop + row * kLine &&
            text.y < tableTop + (row + 1) * kLine)
            found.push_back(text.text);
    return found;
}

void expectTextAt(const FakePrintCanvas& canvas, std::string_view text, int x, int y) {
    const FakePrintCanvas::Text* found = canvas.findText(text, 1);
    ASSERT_NE(found, nullptr) << text;
    EXPECT_EQ(found->x, x) << text;
    EXPECT_EQ(found->y, y) << text;
}

} // namespace

TEST(ListPrinter, PagesHoldAtMostFiftyEntriesAndTheCountSaysHowManyWereDrawn) {
    struct Case {
        PrintedList list;
        int height;
        int pages;
        const char* lastPageFirstEntry;
    };
    const Case cases[] = {
        {PrintedList::speedDial, kTallPage, 2, "51"},     // R 55 cut to 51: 50 a page
        {PrintedList::speedDial, kPageOf51Rows, 2, "51"}, // R = 51: 50 + 50
        {PrintedList::speedDial, kPageOf11Rows, 10, "91"},
        {PrintedList::oneTouch, kTallPage, 1, "01"},
        {PrintedList::oneTouch, kPageOf11Rows, 1, "01"},
    };
    const ListSource source = filledBook();
    for (const Case& c : cases) {
        FakePrintCanvas canvas(a4(c.height));
        ASSERT_EQ(printDialList(canvas, c.list, source), ListPrintOutcome::printed);
        EXPECT_EQ(canvas.pages, c.pages);
        EXPECT_EQ(canvas.pagesEnded, c.pages);
        ASSERT_EQ(canvas.documents, std::vector<std::string>{"Zelt documents"});
        EXPECT_EQ(canvas.documentsEnded, 1);
        const std::string last =
            "Total " + std::to_string(c.pages) + " page(s), page " + std::to_string(c.pages);
        EXPECT_NE(canvas.findText(last, c.pages), nullptr) << last;
        EXPECT_EQ(rowTexts(canvas, c.pages, 1).at(0), c.lastPageFirstEntry);
    }
}

TEST(ListPrinter, APageWithoutRoomForTwoRowsOrALineHeightPrintsNothing) {
    FakePrintCanvas small(a4(kPageOf1Row));
    EXPECT_EQ(printDialList(small, PrintedList::speedDial, filledBook()),
              ListPrintOutcome::pageTooSmall);
    EXPECT_TRUE(small.documents.empty());
    EXPECT_TRUE(small.texts.empty());
    EXPECT_EQ(small.pages, 0);

    FakePrintCanvas flat(a4());
    flat.leading = -50; // a font that reports no height at all
    EXPECT_EQ(printGroupList(flat, filledBook()), ListPrintOutcome::pageTooSmall);
    EXPECT_EQ(flat.pages, 0);

    EXPECT_FALSE(pageFrame(a4(), 0, kTitle).has_value());
    EXPECT_FALSE(pageFrame(a4(kPageOf1Row), kLine, kTitle).has_value());
    EXPECT_EQ(pageFrame(a4(kPageOf1Row + kLine), kLine, kTitle)->rowsPerPage, 2);
    EXPECT_EQ(pageFrame(a4(), kLine, kTitle)->rowsPerPage, 51);
}

TEST(ListPrinter, EveryPageCarriesTitleBoxStationLinesCountDateAndTheShadedGrid) {
    FakePrintCanvas canvas(a4());
    ASSERT_EQ(printDialList(canvas, PrintedList::oneTouch, filledBook()),
              ListPrintOutcome::printed);
    const int left = 75, right = 75 + 2179, top = 150;
    // The title in its gray box, centred in the title height.
    expectTextAt(canvas, "One Touch", left, top + (kTitle - 83) / 2);
    ASSERT_GE(canvas.fills.size(), 2u);
    EXPECT_EQ(canvas.fills[0].rect, (PageRect{0, 0, 2329, 3358}));
    EXPECT_EQ(canvas.fills[0].colour, 0xFFFFFFu);
    EXPECT_TRUE(canvas.fills[1].outlined);
    EXPECT_EQ(canvas.fills[1].rect, (PageRect{left, top, left + 9 * 41 + 55, top + kTitle}));
    EXPECT_EQ(canvas.fills[1].colour, 0xC0C0C0u);

    expectTextAt(canvas, "Name : Reception", left, top + kTitle);
    expectTextAt(canvas, "Tel : +49 30 5550 1000", left, top + kTitle + kLine);
    expectTextAt(canvas, "Total 1 page(s), page 1", right - 23 * 25 - 10, top);
    expectTextAt(canvas, "12/7/2026", right - 9 * 25 - 10, top + kLine);

    // 51 rows from T: rules every line, the bottom rule, both borders.
    const int tableTop = top + kTitle + 2 * kLine + kTitle, bottom = tableTop + 51 * kLine;
    int rules = 0, shaded = 0;
    for (const FakePrintCanvas::Line& line : canvas.lines)
        if (line.y1 == line.y2 && line.x1 == left && line.x2 == right)
            ++rules;
    for (const FakePrintCanvas::Fill& fill : canvas.fills)
        if (fill.colour == 0xE0E0E0u) {
            EXPECT_EQ((fill.rect.top - tableTop - 1) % (2 * kLine), 0);
            EXPECT_EQ(fill.rect.bottom - fill.rect.top, kLine - 2);
            EXPECT_EQ(fill.rect.left, left + 1);
            EXPECT_EQ(fill.rect.right, right - 1);
            ++shaded;
        }
    EXPECT_EQ(rules, 52);
    EXPECT_EQ(shaded, 26);
    EXPECT_EQ(rowTexts(canvas, 1, 0),
              (std::vector<std::string>{"OT#", "Name", "Address", "Speed"}));
    EXPECT_EQ(rowTexts(canvas, 1, 1),
              (std::vector<std::string>{"01", "Head Office", "0P030 5550 1234", "33.6K"}));
    EXPECT_EQ(rowTexts(canvas, 1, 2), std::vector<std::string>{"02"});
    expectTextAt(canvas, "01", left + 4, tableTop + kLine + (kLine - 33) / 2);
    EXPECT_EQ(canvas.lines.front().y2, bottom);
}

TEST(ListPrinter, AGroupSplitAcrossPagesRestartsWithItsKeyAndName) {
    FakePrintCanvas canvas(a4(kPageOf11Rows)); // 10 rows a page
    ASSERT_EQ(printGroupList(canvas, bookWithLongGroup()), ListPrintOutcome::printed);
    // 9 keys + 12 members = 21 rows: 3 pages, and the count says so.
    EXPECT_EQ(canvas.pages, 3);
    for (int page = 1; page <= 3; ++page)
        EXPECT_NE(canvas.findText("Total 3 page(s), page " + std::to_string(page), page), nullptr);
    EXPECT_EQ(rowTexts(canvas, 1, 0),
              (std::vector<std::string>{"Group#", "Name", " Item#", " Item Name", "Address"}));
    EXPECT_EQ(rowTexts(canvas, 1, 1), (std::vector<std::string>{"01", "Sales"}));
    EXPECT_EQ(rowTexts(canvas, 1, 2),
              (std::vector<std::string>{"Speed Dial#1", "Entry 1", "0301234"}));
    EXPECT_EQ(rowTexts(canvas, 2, 1),
              (std::vector<std::string>{"01", "Sales", "Speed Dial#10", "Entry 10", "0301234"}));
    EXPECT_EQ(rowTexts(canvas, 2, 2),
              (std::vector<std::string>{"Speed Dial#11", "Entry 11", "0301234"}));
    EXPECT_EQ(rowTexts(canvas, 2, 4), std::vector<std::string>{"02"});
    EXPECT_EQ(rowTexts(canvas, 3, 1), std::vector<std::string>{"09"});
    EXPECT_TRUE(rowTexts(canvas, 3, 2).empty());
}

TEST(ListPrinter, EveryFontOfAListFollowsTheMachinesDisplayLanguage) {
    for (const auto& [language, face] : {std::pair<uint8_t, const char*>{11, "MS UI Gothic"},
                                         {6, "Tahoma"},
                                         {0, "Tahoma"}}) {
        ListSource source = bookWithLongGroup();
        source.book.language = language;
        FakePrintCanvas canvas(a4());
        ASSERT_EQ(printGroupList(canvas, source), ListPrintOutcome::printed);
        ASSERT_FALSE(canvas.fonts.empty());
        for (const FontRequest& font : canvas.fonts)
            EXPECT_EQ(font.face, face) << int(language);
        for (const FakePrintCanvas::Text& text : canvas.texts)
            EXPECT_EQ(text.font.face, face) << text.text;
    }
}
