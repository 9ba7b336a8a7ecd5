#include "printing/list_table.h"

#include "fake_print_canvas.h"
#include "store/dial_entry_test_support.h"

#include <gtest/gtest.h>

namespace {

// Table font of the fake printer at 300 dpi: 33 pixels high, 16 a character.
FakePrintCanvas tableCanvas() {
    FakePrintCanvas canvas;
    canvas.selectFont({"Tahoma", 1, 33});
    return canvas;
}

DialEntry email(uint8_t scan, uint8_t size, uint8_t resolution, uint8_t coding) {
    DialEntry entry = emailEntry("Scan Desk", "scan@example.com");
    entry.emailScanOption = scan;
    entry.emailPaperSize = size;
    entry.emailResolution = resolution;
    entry.emailCoding = coding;
    return entry;
}

std::vector<int> widths(const std::vector<PrintColumn>& columns) {
    std::vector<int> found;
    for (const PrintColumn& column : columns)
        found.push_back(column.width);
    return found;
}

} // namespace

TEST(ListTable, ColumnWidthsFollowTheirHeadingsAndFillTheTable) {
    FakePrintCanvas canvas = tableCanvas();
    const int width = 2179;
    // OT# 48 + 15; Speed/33.6K 80 + 15; name (2179 - 63 - 95) * 8 / 35.
    const auto oneTouch = listColumns(canvas, PrintedList::oneTouch, 75, width, false);
    EXPECT_EQ(widths(oneTouch), (std::vector<int>{63, 461, 1560, 95}));
    EXPECT_EQ(oneTouch[1].left, 75 + 63);
    EXPECT_EQ(oneTouch[1].fitWidth, 459);
    EXPECT_EQ(oneTouch[2].fitWidth, 1560);
    EXPECT_EQ(oneTouch[3].fitWidth, 0);
    // The A3 model's e-mail columns: the widest of heading and values + 15.
    const auto a3 = listColumns(canvas, PrintedList::speedDial, 75, width, true);
    EXPECT_EQ(widths(a3), (std::vector<int>{63, 327, 1106, 95, 191, 111, 175, 111}));
    EXPECT_EQ(a3.back().heading, "Coding");
    // A table too narrow for the name still gives "Name" its width + 5.
    const auto narrow = listColumns(canvas, PrintedList::oneTouch, 75, 300, false);
    EXPECT_EQ(narrow[1].width, 64 + 5);
    // Group#: hw 96; the quarters of the table; the address takes the rest.
    const auto group = listColumns(canvas, PrintedList::group, 75, width, false);
    EXPECT_EQ(widths(group), (std::vector<int>{111, 544, 448, 544, 532}));
    EXPECT_EQ(group[1].fitWidth, 542);
    EXPECT_EQ(group.back().left + group.back().width, 75 + width);
}

TEST(ListTable, StoredCodesPrintTheirTextsAndNothingWhenOutOfRange) {
    FakePrintCanvas canvas = tableCanvas();
    struct Case {
        DialEntry entry;
        uint8_t paperFamily;
        std::vector<std::string> cells;
    };
    DialEntry fastFax = faxEntry("", "123");
    DialEntry oddFax = fastFax;
    oddFax.speedIndex = 3;
    DialEntry withheld = fastFax;
    withheld.detailsWithheld = 1;
    DialEntry program;
    program.used = 1;
    program.programDial = 1;
    const Case cases[] = {
        {fastFax, 0, {"01", "", "123", "14.4K", "", "", "", ""}},
        {oddFax, 0, {"01", "", "123", "", "", "", "", ""}},
        {withheld, 0, {"01", "", "123", "", "", "", "", ""}},
        {program, 0, {"01", "PROGRAM DIAL", "", "", "", "", "", ""}},
        {email(1, 2, 1, 2),
         0,
         {"01", "Scan Desk", "scan@example.com", "", "Custom", "A3", "S/F", "MMR"}},
        {email(1, 1, 0, 0),
         1,
         {"01", "Scan Desk", "scan@example.com", "", "Custom", "Ledger", "Fine", "MH"}},
        {email(1, 2, 2, 3), 1, {"01", "Scan Desk", "scan@example.com", "", "Custom", "", "", ""}},
        {email(0, 2, 1, 2), 0, {"01", "Scan Desk", "scan@example.com", "", "Default", "", "", ""}},
        {email(2, 0, 0, 0), 0, {"01", "Scan Desk", "scan@example.com", "", "", "A4", "Fine", "MH"}},
    };
    for (const Case& c : cases) {
        PhoneBookSnapshot book = emptyPhoneBook(c.paperFamily);
        book.speedDial[0] = c.entry;
        const auto rows = listRows(canvas, PrintedList::speedDial, book, true);
        ASSERT_EQ(rows.size(), 100u);
        EXPECT_EQ(rows[0].cells, c.cells);
    }
    PhoneBookSnapshot book = emptyPhoneBook();
    book.oneTouch[0] = email(1, 2, 1, 2);
    EXPECT_EQ(listRows(canvas, PrintedList::oneTouch, book, false)[0].cells,
              (std::vector<std::string>{"01", "Scan Desk", "scan@example.com", ""}))
        << "the A4 model has no e-mail scan columns";
}

TEST(ListTable, GroupRowsListEveryKeyAndEachMemberFromItsTable) {
    FakePrintCanvas canvas = tableCanvas();
    PhoneBookSnapshot book = emptyPhoneBook();
    book.oneTouch[2] = faxEntry("Warehouse", "0305550");
    book.speedDial[4] = email(0, 0, 0, 0);
    book.keys[6] = groupOf("Sales", {{kMemberKindOneTouch, 2}, {kMemberKindSpeedDial, 4}});
    const auto rows = listRows(canvas, PrintedList::group, book, false);
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(rows[6].cells, (std::vector<std::string>{"07", "Sales", "", "", ""}));
    EXPECT_EQ(rows[7].cells,
              (std::vector<std::string>{"", "", "One Touch#3", "Warehouse", "0305550"}));
    EXPECT_EQ(rows[8].openingCells, (std::vector<std::string>{"07", "Sales", "Speed Dial#5",
                                                              "Scan Desk", "scan@example.com"}));
    EXPECT_EQ(rows[9].cells, (std::vector<std::string>{"08", "", "", "", ""}));
    EXPECT_TRUE(rows[9].openingCells.empty());
}
