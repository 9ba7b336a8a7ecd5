#include "exchange/phone_book_vcard.h"
#include "exchange_test_support.h"

#include <gtest/gtest.h>

namespace {

using N = ImportNote;
using O = RowOutcome;

// Cards as address books of each version write them: folded lines,
// quoted-printable names with a charset, typed and untyped numbers.
constexpr std::string_view kCards =
    "BEGIN:VCARD\r\nVERSION:2.1\r\n"
    "N;CHARSET=WINDOWS-1252;ENCODING=QUOTED-PRINTABLE:M=FCller;J=\r\n"
    "=FCrgen\r\n"
    "TEL;WORK;FAX:+49 30 12\r\n"
    "TEL;HOME;VOICE:999\r\n"
    "CATEGORIES:Friends\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna\r\n  Lisa\r\n"
    "TEL;TYPE=work,fax:03\r\n 01\r\nEMAIL:ignored@x.y\r\n"
    "CATEGORIES:Friends,Work\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Voice only\r\nTEL;VALUE=uri;TYPE=\"voice\":tel:+1-555\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Mail only\r\nEMAIL;TYPE=work:m@example.com\r\n"
    "TEL;VALUE=uri;TYPE=\"fax,work\":tel:+1-555-0100\r\nCATEGORIES:Work\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Just mail\r\nEMAIL:j@example.com\r\nEND:VCARD\r\n";

TEST(ExchangeVcardImport, EachVersionFoldingAndQuotedPrintableNames) {
    PhoneBookFixture book = exchangeBook(0);
    const ImportPlan plan = planText(book, kCards, ImportMode::add, ExchangeFormat::vcard);
    const std::vector<RowSummary> expected = {
        {"SD001", O::storedAsIs, {}},         {"SD002", O::storedShortened, {N::emailLeftOut}},
        {"", O::refused, {N::noDestination}}, {"SD003", O::storedShortened, {N::emailLeftOut}},
        {"SD004", O::storedAsIs, {}},         {"G01", O::storedAsIs, {}}, // the category "Friends"
        {"G02", O::storedAsIs, {}},                                       // "Work"
    };
    ASSERT_EQ(plan.rows.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(summaryOf(plan.rows[i]), expected[i]) << i;
    EXPECT_EQ(fieldText(plan.rows[0].entry.name), "J\xfcrgen M\xfcller");
    EXPECT_EQ(fieldText(plan.rows[0].entry.faxNumber), "+49 30 12");
    EXPECT_EQ(fieldText(plan.rows[1].entry.name), "Anna Lisa");
    EXPECT_EQ(fieldText(plan.rows[3].entry.faxNumber), "+1-555-0100");
    EXPECT_EQ(fieldText(plan.rows[4].entry.emailAddress), "j@example.com");
    EXPECT_EQ(plan.rows[2].line, 18u);
    EXPECT_EQ(fieldText(plan.rows[1].entry.faxNumber), "0301");
    const DialEntry& friends = plan.rows[5].entry;
    ASSERT_EQ(friends.memberCount, 2);
    EXPECT_EQ(friends.members[1], (GroupMember{kMemberKindSpeedDial, 1}));
    EXPECT_EQ(fieldText(plan.rows[6].entry.name), "Work");
    EXPECT_EQ(plan.rows[6].entry.memberCount, 2);
}

TEST(ExchangeVcardExport, CardsFoldLongLinesAndNameTheirGroups) {
    ExchangeRow entry;
    entry.kind = RowKind::speedDial;
    entry.number = "12";
    entry.name = "Semi;colon, and \xc3\xa9";
    entry.faxNumber = std::string(50, '1') + "2345678901234567890123456789";
    ExchangeRow group;
    group.kind = RowKind::group;
    group.number = "3";
    group.name = "Team";
    group.members = "SD012";
    const std::vector<ExchangeRow> rows = {entry, group};
    const std::string cards = writePhoneBookVcards(rows);
    EXPECT_NE(cards.find("FN:Semi\\;colon\\, and \xc3\xa9\r\n"), std::string::npos) << cards;
    EXPECT_NE(cards.find("X-ZELT-SPEED-DIAL:12\r\nTEL;TYPE=FAX:" + std::string(50, '1') +
                         "234567890123\r\n 4567890123456789\r\n"),
              std::string::npos)
        << cards;
    EXPECT_NE(cards.find("CATEGORIES:Team\r\n"), std::string::npos);
    EXPECT_NE(cards.find("X-ZELT-GROUP:3\r\n"), std::string::npos);
    EXPECT_NE(cards.find("X-ZELT-GROUP-MEMBERS:SD012\r\n"), std::string::npos);
    // And back: the folded number is whole again.
    const std::vector<ExchangeRow> read = readPhoneBookVcards(bytesOf(cards), 1252);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].faxNumber, entry.faxNumber);
    EXPECT_EQ(read[0].name, entry.name);
}

} // namespace
