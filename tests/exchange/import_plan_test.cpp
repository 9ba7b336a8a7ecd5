#include "exchange_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

using N = ImportNote;
using O = RowOutcome;

// A book holding one entry of every kind, with names in the code page of
// `language`: exported and imported in place of a fresh book, CSV and
// vCard alike give the same image back.
void fillEveryKind(PhoneBookFixture& book, const char* name) {
    DialEntry fax = faxEntry(name, "0P12 345-678", 1, kEntryClassOneTouch);
    setFieldText(fax.subAddress, "12");
    setFieldText(fax.sidPassword, "3456");
    setFieldText(fax.batchHour, "14");
    setFieldText(fax.batchMinute, "05");
    encodeOneTouch(book.mirror, book.store, fax, 0);
    DialEntry mail = emailEntry(name, "a.b@example.org", kEntryClassOneTouch);
    encodeOneTouch(book.mirror, book.store, mail, 3);
    DialEntry combination = faxEntry("", "0044+", 2, kEntryClassOneTouch);
    combination.detailsWithheld = 1;
    encodeOneTouch(book.mirror, book.store, combination, 4);
    encodeSpeedDial(book.mirror, book.store, faxEntry(name, "#*0123", 0, kEntryClassSpeedDial), 0);
    encodeSpeedDial(book.mirror, book.store, emailEntry("", "x@y.z", kEntryClassSpeedDial), 41);
    combination.entryClass = kEntryClassSpeedDial;
    encodeSpeedDial(book.mirror, book.store, combination, 99);
    DialEntry group = groupOf(
        name, {{kMemberKindOneTouch, 0}, {kMemberKindSpeedDial, 99}, {kMemberKindOneTouch, 3}});
    group.regDate = 0x3061;
    encodeGroup(book.mirror, group, 8);
    book.store.slots[75 + 8].payloadLength = kGroupLength;
    packStore(book.mirror, book.store);
}

TEST(ExchangeRoundTrip, EveryKindInEveryLanguageGroupComesBackAsTheSameImage) {
    struct Case {
        uint8_t language;
        const char* name; // PC code page bytes the machine can show
    };
    const Case cases[] = {{0, "Fran\xe7oise \x80"},
                          {6, "\xc1\xee\xf0\xe8\xf1"},
                          {7, "\xc8"
                              "e\xb9tina"},
                          {11, "\xb1\xb2\xb3 Tokyo"}};
    for (const Case& c : cases) {
        for (ExchangeFormat format : {ExchangeFormat::csv, ExchangeFormat::vcard}) {
            PhoneBookFixture source = exchangeBook(c.language);
            fillEveryKind(source, c.name);
            const std::string file = exportPhoneBook(source.mirror, source.store, format, true);
            PhoneBookFixture target = exchangeBook(c.language);
            const ReadPhoneBook read = readPhoneBook(bytesOf(file), format, 1252);
            const ImportPlan plan =
                planImport(target.mirror, read.rows, ImportMode::replace, {2030, 1, 1});
            ASSERT_EQ(plan.rows.size(), 7u) << file;
            for (const PlannedRow& row : plan.rows)
                EXPECT_EQ(summaryOf(row).outcome, O::storedAsIs) << summaryOf(row) << file;
            applyImportPlan(target.mirror, target.store, plan);
            EXPECT_EQ(target.store, source.store) << int(c.language) << '\n' << file;
        }
    }
}

std::string fixture(const char* name) {
    std::ifstream in(std::string(ZELT_TEST_DATA_DIR) + "/exchange/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ExchangeCsvImport, SpreadsheetVariantsLandWhereTheySayWithTheirLeftoversReported) {
    struct Case {
        const char* file;
        std::vector<RowSummary> rows;
        std::vector<std::string> names; // stored names, PC code page
    };
    const Case cases[] = {
        {"semicolon_cp1252.csv",
         {{"SD001", O::storedAsIs, {}},
          {"SD002", O::storedAsIs, {}},
          {"SD003", O::charactersRemoved, {N::numberCharactersRemoved}}},
         {"M\xfcller & S\xf6hne", "Caf\xe9; Bar", "\x80 Office"}},
        {"utf16_tabs.csv",
         {{"SD005", O::charactersRemoved, {N::nameCharactersRemoved}},
          {"OT02", O::charactersRemoved, {N::nameCharactersRemoved}}},
         {"", "Tokyo "}},
        {"apostrophes.csv",
         {{"SD007", O::storedAsIs, {N::spreadsheetApostrophe, N::spreadsheetApostrophe}},
          {"", O::refused, {N::spreadsheetFigure}},
          {"SD001", O::storedAsIs, {}}},
         {"Leading zero", "", "Plain"}},
        {"reordered_columns.csv",
         {{"OT01", O::storedAsIs, {}},
          {"SD001", O::storedAsIs, {}},
          {"", O::refused, {N::noMembers}}},
         {"Alpha", "Beta", "Gamma"}},
    };
    for (const Case& c : cases) {
        PhoneBookFixture book = exchangeBook(0);
        const ImportPlan plan = planText(book, fixture(c.file));
        ASSERT_EQ(plan.rows.size(), c.rows.size()) << c.file;
        for (size_t i = 0; i < c.rows.size(); ++i) {
            EXPECT_EQ(summaryOf(plan.rows[i]), c.rows[i]) << c.file << " row " << i;
            EXPECT_EQ(fieldText(plan.rows[i].entry.name), c.names[i]) << c.file << " row " << i;
        }
    }
    // The Russian name is read in its own code page where the machine speaks it.
    PhoneBookFixture russian = exchangeBook(6);
    const ImportPlan plan = planText(russian, fixture("utf16_tabs.csv"));
    EXPECT_EQ(fieldText(plan.rows[0].entry.name), "\xc1\xee\xf0\xe8\xf1");
    EXPECT_EQ(fieldText(plan.rows[0].entry.faxNumber), "8 495 123-45-67");
    EXPECT_EQ(fieldText(plan.rows[0].entry.name).size(), 5u);
}

// 150 rows into a book with 40 free Speed Dial entries: numbered rows take
// their places, the rest fill the free entries in file order, and every
// row that finds none is refused for that reason.
TEST(ExchangeImportPlan, OneHundredFiftyRowsIntoFortyFreeEntries) {
    PhoneBookFixture book = exchangeBook(0);
    for (int i = 0; i < 60; ++i)
        encodeSpeedDial(book.mirror, book.store, faxEntry("Kept", "1", 2), i);
    std::string csv = "Number,Name,Fax Number\r\n";
    csv += "100,Wants 100,0100\r\n"; // free: lands there
    csv += "5,Wants 5,0005\r\n";     // taken: moves
    csv += "101,Nowhere,0101\r\n";   // no such entry
    csv += ",This name is far too long for it,0102\r\n";
    csv += ",\xe6\x9d\xb1 East,0103\r\n"; // a character outside 1252
    for (int i = 5; i < 150; ++i)
        csv += ",Row " + std::to_string(i) + "," + std::to_string(1000 + i) + "\r\n";
    const ImportPlan plan = planText(book, csv);
    ASSERT_EQ(plan.rows.size(), 150u);
    EXPECT_EQ(summaryOf(plan.rows[0]), (RowSummary{"SD100", O::storedAsIs, {}}));
    EXPECT_EQ(summaryOf(plan.rows[1]), (RowSummary{"SD061", O::storedAsIs, {N::movedToFreePlace}}));
    EXPECT_EQ(summaryOf(plan.rows[2]), (RowSummary{"", O::refused, {N::badPlaceNumber}}));
    EXPECT_EQ(summaryOf(plan.rows[3]),
              (RowSummary{"SD062", O::storedShortened, {N::nameShortened}}));
    EXPECT_EQ(fieldText(plan.rows[3].entry.name), "This name is far too");
    EXPECT_EQ(summaryOf(plan.rows[4]),
              (RowSummary{"SD063", O::charactersRemoved, {N::nameCharactersRemoved}}));
    EXPECT_EQ(fieldText(plan.rows[4].entry.name), " East");
    EXPECT_EQ(summaryOf(plan.rows[40]), (RowSummary{"SD099", O::storedAsIs, {}}));
    for (size_t i = 41; i < 150; ++i)
        EXPECT_EQ(summaryOf(plan.rows[i]), (RowSummary{"", O::refused, {N::noFreePlace}})) << i;
    EXPECT_EQ(storedRowCount(plan), 40u);

    // Nothing changed while planning; applying keeps the existing entries.
    EXPECT_EQ(decodeSpeedDial(book.mirror, book.store, 60).used, 0);
    applyImportPlan(book.mirror, book.store, plan);
    EXPECT_EQ(fieldText(decodeSpeedDial(book.mirror, book.store, 4).name), "Kept");
    EXPECT_EQ(fieldText(decodeSpeedDial(book.mirror, book.store, 60).name), "Wants 5");
    EXPECT_EQ(fieldText(decodeSpeedDial(book.mirror, book.store, 99).name), "Wants 100");
}

TEST(ExchangeImportPlan, ReplaceClearsTheBookButTheMachinesProgramDialKeys) {
    PhoneBookFixture book = exchangeBook(0);
    encodeSpeedDial(book.mirror, book.store, faxEntry("Old", "1", 2), 0);
    DialEntry oldKey = faxEntry("Old key", "2", 2, kEntryClassOneTouch);
    encodeOneTouch(book.mirror, book.store, oldKey, 0);
    putBytes(book.oneTouch(5), {{1, kFlagOneTouch | kFlagProgramDial}, {2, 1}});
    const std::string csv = "Kind,Number,Name,Fax Number,Members\r\n"
                            "One Touch,6,Wants key 6,06\r\n"
                            "Group,,Team,,SD001 OT06 SD050\r\n";
    PhoneBookFixture added = book;
    const ImportPlan add = planText(added, csv, ImportMode::add);
    EXPECT_EQ(summaryOf(add.rows[0]), (RowSummary{"OT02", O::storedAsIs, {N::movedToFreePlace}}));
    // Add: SD001 is the book's "Old"; OT06 is the file's row, now on key 2.
    EXPECT_EQ(summaryOf(add.rows[1]), (RowSummary{"G03", O::storedShortened, {N::membersLeftOut}}));
    EXPECT_EQ(add.rows[1].entry.memberCount, 2);
    EXPECT_EQ(add.rows[1].entry.members[0], (GroupMember{kMemberKindSpeedDial, 0}));
    EXPECT_EQ(add.rows[1].entry.members[1], (GroupMember{kMemberKindOneTouch, 1}));

    const ImportPlan replace = planText(book, csv, ImportMode::replace);
    EXPECT_EQ(summaryOf(replace.rows[0]),
              (RowSummary{"OT01", O::storedAsIs, {N::movedToFreePlace}}));
    EXPECT_EQ(replace.rows[1].entry.memberCount, 1); // "Old" goes with the book
    applyImportPlan(book.mirror, book.store, replace);
    EXPECT_EQ(decodeSpeedDial(book.mirror, book.store, 0).used, 0);
    EXPECT_EQ(fieldText(decodeOneTouch(book.mirror, book.marks, 0).name), "Wants key 6");
    EXPECT_EQ(decodeOneTouch(book.mirror, book.marks, 5).programDial, 1);
    EXPECT_EQ(decodeOneTouchKey(book.mirror, book.marks, 1).entryClass, kEntryClassGroup);
}

// Each rule of the register dialog, one row each.
TEST(ExchangeImportPlan, RowsPassTheRegisterDialogsRules) {
    PhoneBookFixture book(0); // no network kit
    const std::string csv =
        "Kind,Number,Name,Fax Number,Sub-Address,Password,E-Mail Address,Speed,Batch Time,"
        "E-Mail Scan\r\n"
        "Telex,,A,1,,,,,,\r\n"
        "One Touch,,B,1,,99,,,,\r\n"
        "One Touch,,C,1,,,,,24:00,\r\n"
        "Speed Dial,,D,1,5,,,,,\r\n"
        "Speed Dial,,E,2,,,,56K,,\r\n"
        "Speed Dial,,F,,,,a@b.c,,,\r\n"
        "Speed Dial,,G,,,,,,,\r\n"
        "Speed Dial,,H,123456789012345678901234567890123456789012345678901,,,,,,\r\n"
        "Speed Dial,,I,12+,,,,9.6K,,\r\n"
        "Speed Dial,,J,3,,,j@k.l,,,\r\n"
        "One Touch,,K,1,123456789012345678901,,,,,\r\n";
    const ImportPlan plan = planText(book, csv);
    const std::vector<RowSummary> expected = {
        {"", O::refused, {N::unknownKind}},
        {"OT01", O::storedShortened, {N::passwordLeftOut}},
        {"", O::refused, {N::badBatchTime}},
        {"SD001", O::storedShortened, {N::speedDialDetailsLeftOut}},
        {"", O::refused, {N::badSpeed}},
        {"", O::refused, {N::emailNeedsNetworkKit}},
        {"", O::refused, {N::noDestination}},
        {"", O::refused, {N::numberTooLong}},
        {"SD002", O::storedShortened, {N::combinationKeyDetailsLeftOut}},
        {"SD003", O::storedShortened, {N::emailLeftOut}},
        {"", O::refused, {N::subAddressTooLong}},
    };
    ASSERT_EQ(plan.rows.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(summaryOf(plan.rows[i]), expected[i]) << i;
    EXPECT_EQ(plan.rows[8].entry.detailsWithheld, 1);
    EXPECT_EQ(fieldText(plan.rows[8].entry.name), "");
}

TEST(ExchangeImportPlan, TheReportListsEveryRowWithItsReasons) {
    PhoneBookFixture book = exchangeBook(0);
    const ImportPlan plan = planText(book, "Name,Fax\r\n\"Smith, J\",'012\r\nNo number,\r\n");
    const std::string report =
        importReportCsv(plan, [](int id) { return "<" + std::to_string(id) + ">"; });
    EXPECT_EQ(report, "\xEF\xBB\xBF<9260>,<9261>,<9262>,<9263>,<9264>,<9265>\r\n"
                      "2,<2> 001,\"Smith, J\",012,<9266>,<9271>\r\n"
                      "3,,No number,,<9269>,<9285>\r\n");
}

} // namespace
