#include "phonebook/list_rows.h"

#include "string_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> columnTitles(int view) {
    std::vector<std::string> titles;
    for (const ListColumn& column : entryListColumns(view))
        titles.emplace_back(stringTableText(column.titleId));
    return titles;
}

} // namespace

TEST(ListRows, ColumnSetsPerView) {
    using Titles = std::vector<std::string>;
    EXPECT_EQ(columnTitles(kViewOneTouch), (Titles{"NO.", "Name", "Address", "Speed"}));
    EXPECT_EQ(columnTitles(kViewSpeedDial), (Titles{"NO.", "Name", "Address", "Speed"}));
    EXPECT_EQ(columnTitles(kViewGroup), (Titles{"NO.", "Name"}));
    std::vector<int> widths;
    for (const ListColumn& column : entryListColumns(kViewOneTouch))
        widths.push_back(column.width);
    EXPECT_EQ(widths, (std::vector<int>{50, 100, 140, 80}));
    EXPECT_EQ(stringTableText(memberListColumn().titleId), "Group Item(s)");
    EXPECT_EQ(memberListColumn().width, 150);
}

TEST(ListRows, NumbersAreZeroPaddedSoTheTextSortKeepsNumericOrder) {
    EXPECT_EQ(rowNumberText(kViewOneTouch, 0), "01");
    EXPECT_EQ(rowNumberText(kViewGroup, 8), "09");
    EXPECT_EQ(rowNumberText(kViewSpeedDial, 0), "001");
    EXPECT_EQ(rowNumberText(kViewSpeedDial, 99), "100");
    EXPECT_LT(rowNumberText(kViewSpeedDial, 8), rowNumberText(kViewSpeedDial, 9));
    EXPECT_LT(rowNumberText(kViewSpeedDial, 98), rowNumberText(kViewSpeedDial, 99));
}

TEST(ListRows, RowCountsAreBoundedByTheTables) {
    EXPECT_EQ(entryRowCount(kViewOneTouch, 9, 9), 9);
    EXPECT_EQ(entryRowCount(kViewSpeedDial, 9, 9), 100);
    EXPECT_EQ(entryRowCount(kViewGroup, 9, 9), 9);
    EXPECT_EQ(entryRowCount(kViewOneTouch, 40, 40), 9);
    EXPECT_EQ(entryRowCount(kViewGroup, 9, -3), 0);
    EXPECT_EQ(entryRowCount(kViewNone, 9, 9), 0);
}
