#include "exchange/csv_table.h"
#include "exchange/phone_book_csv.h"
#include "exchange_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(ExchangeCsv, QuotesLineBreaksAndSeparatorsReadAsSpreadsheetsWriteThem) {
    const CsvText csv = parseCsv("a;\"b;\"\"c\"\"\";\r\n\"multi\nline\";x\r\n\r\nlast");
    EXPECT_EQ(csv.separator, ';');
    ASSERT_EQ(csv.records.size(), 4u);
    EXPECT_EQ(csv.records[0].fields, (std::vector<std::string>{"a", "b;\"c\"", ""}));
    EXPECT_EQ(csv.records[1].fields, (std::vector<std::string>{"multi\nline", "x"}));
    EXPECT_EQ(csv.records[3].line, 5u); // the quoted line break counts
    EXPECT_EQ(parseCsv("sep=|\na|b\n").records[0].fields.size(), 2u);
    EXPECT_EQ(parseCsv("a\tb;c\td\n").separator, '\t');
}

TEST(ExchangeCsv, ExportKeepsNumbersAsTextAndFormulasInert) {
    ExchangeRow row;
    row.kind = RowKind::speedDial;
    row.number = "7";
    row.name = "=HYPERLINK(\"x\")";
    row.faxNumber = "+0049 #12";
    row.password = "0012";
    const std::vector<ExchangeRow> rows = {row};
    const std::string without = writePhoneBookCsv(rows, false);
    EXPECT_EQ(without.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(without.find("Password"), std::string::npos);
    EXPECT_EQ(without.find("0012"), std::string::npos);
    EXPECT_NE(without.find("\r\nSpeed Dial,7,\"\t=HYPERLINK(\"\"x\"\")\",\"\t+0049 #12\","),
              std::string::npos)
        << without;
    const std::string with = writePhoneBookCsv(rows, true);
    const CsvImport read = readPhoneBookCsv(bytesOf(with), 1252);
    ASSERT_TRUE(read.understood);
    ASSERT_EQ(read.rows.size(), 1u);
    EXPECT_EQ(read.rows[0].name, row.name);
    EXPECT_EQ(read.rows[0].faxNumber, row.faxNumber);
    EXPECT_EQ(read.rows[0].password, "0012");
    EXPECT_EQ(read.encoding, TextEncoding::utf8WithBom);
    EXPECT_FALSE(readPhoneBookCsv(bytesOf("just,some,words\r\n1,2,3\r\n"), 1252).understood);
}

} // namespace
