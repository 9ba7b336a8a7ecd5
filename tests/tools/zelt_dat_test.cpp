#include "store/data_file.h"
#include "store/dial_entry.h"
#include "store/dial_entry_test_support.h"
#include "store/entry_values.h"
#include "tool_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The image saved as tests/data/every_kind.dat: one phone-book entry of
// every kind, a station name with letters outside ASCII, machine facts.
RecordStore everyKindStore() {
    RecordStore store;
    initStore(store);
    SettingsMirror mirror;
    unpackStore(store, mirror);
    mirror.machineInformation = {1, 1, 0, 1, 64, {}, 0, 0, {}, 0};
    mirror.language = 0;
    setFieldText(mirror.stationName, "Caf\xe9 \xa3 Bureau");
    setFieldText(mirror.stationNumber, "+44 20 7946 0000");
    store.slots[kStationNameSlot].payloadLength = 14;
    store.slots[kStationNumberSlot].payloadLength = 16;
    store.slots[kMachineInfoSlot].payloadLength = 14;
    const uint16_t date = packRegDate({2026, 12, 6});

    DialEntry fax = faxEntry("Head Office", "0P12 345-678", 1, kEntryClassOneTouch);
    setFieldText(fax.subAddress, "12");
    setFieldText(fax.sidPassword, "3456");
    setFieldText(fax.batchHour, "14");
    setFieldText(fax.batchMinute, "05");
    fax.regDate = date;
    encodeOneTouch(mirror, store, fax, 0);

    DialEntry email = emailEntry("Fran\xe7oise", "francoise@example.org", kEntryClassOneTouch);
    email.emailPaperSize = 2;
    email.regDate = date;
    encodeOneTouch(mirror, store, email, 1);

    DialEntry combination = faxEntry("", "0044+", 0, kEntryClassOneTouch);
    combination.detailsWithheld = 1;
    combination.regDate = date;
    encodeOneTouch(mirror, store, combination, 2);

    GroupMemberLists members{{0, 1}, {0, 1, 2}};
    DialEntry group;
    group.used = 1;
    group.entryClass = kEntryClassGroup;
    setFieldText(group.name, "Sales team");
    group.regDate = date;
    encodeGroupFromLists(mirror, store, group, members, 3);

    // The machine's own program-dial key.
    mirror.oneTouchTable[5][kEntryFlagsByte] = kFlagProgramDial;
    store.slots[kOneTouchFirstSlot + 5].payloadLength = kOneTouchFaxLength;

    DialEntry speedFax = fax;
    speedFax.entryClass = kEntryClassSpeedDial;
    speedFax.highFlag = 1;
    setFieldText(speedFax.name, "Warehouse");
    encodeSpeedDial(mirror, store, speedFax, 0);
    DialEntry speedEmail = email;
    speedEmail.entryClass = kEntryClassSpeedDial;
    setFieldText(speedEmail.name, "Support");
    setFieldText(speedEmail.emailAddress, "support@example.com");
    encodeSpeedDial(mirror, store, speedEmail, 1);
    DialEntry speedCombination = combination;
    speedCombination.entryClass = kEntryClassSpeedDial;
    encodeSpeedDial(mirror, store, speedCombination, 2);

    packStore(mirror, store);
    return store;
}

} // namespace

TEST(ZeltDat, ExampleFileHoldsWhatTheEncodersWrite) {
    fs::path written =
        fs::temp_directory_path() / ("zelt-every-kind-" + std::to_string(getpid()) + ".dat");
    ASSERT_EQ(writeDataFile(written.string(), everyKindStore()), 1);
    EXPECT_EQ(readAll(written), readAll(fs::path(ZELT_TEST_DATA_DIR) / "every_kind.dat"));
    fs::remove(written);
}

TEST(ZeltDat, DumpPrintsEveryKindAsJsonAndLeavesTheFileAlone) {
    fs::path file = fs::path(ZELT_TEST_DATA_DIR) / "every_kind.dat";
    std::string before = readAll(file);
    EXPECT_NE(runZeltDat(file.string()).exitCode, 0); // no subcommand
    const ToolResult dump = runZeltDat("dump " + file.string());
    ASSERT_EQ(dump.exitCode, 0) << dump.output;
    const std::string& json = dump.output;
    for (const char* expected : {
             R"({"slot": 75, "id": 68608, "length": 146})",
             R"("name": "Head Office")",
             R"("faxNumber": "0P12 345-678")",
             R"("batchHour": "14")",
             R"("name": "Françoise")",
             R"("emailAddress": "francoise@example.org")",
             R"("faxNumber": "0044+")",
             R"("programDial": 1)",
             R"("name": "Sales team")",
             "[8, 0]",
             "[4, 2]",
             R"("name": "Café £ Bureau")",
             R"("number": "+44 20 7946 0000")",
             R"("machineInformation": [1, 1, 0, 1, 64, 0, 0, 0, 0, 0, 0, 0, 0, 0])",
         })
        EXPECT_NE(json.find(expected), std::string::npos) << expected;
    // The One Touch list counts a Group's members without reading them: no
    // member may show up there as an empty (0, 0) pair.
    EXPECT_EQ(json.find("[0, 0]"), std::string::npos);
    EXPECT_EQ(readAll(file), before);
    const ToolResult missing = runZeltDat("dump /no/such/file.dat");
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.output.find("cannot read"), std::string::npos);
}

// Export, import in place of the whole book, export again: the same file;
// the import prints what happened to each row.
TEST(ZeltDat, ExportAndImportCarryThePhoneBookBothWays) {
    const fs::path folder =
        fs::temp_directory_path() / ("zelt-exchange-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string source = std::string(ZELT_TEST_DATA_DIR) + "/every_kind.dat";
    const std::string copy = (folder / "copy.dat").string();
    fs::copy_file(source, copy);
    for (const char* name : {"book.csv", "book.vcf"}) {
        const std::string first = (folder / name).string();
        const std::string second = (folder / (std::string("again-") + name)).string();
        ASSERT_EQ(runZeltDat("export " + source + " " + first + " --with-passwords").exitCode, 0);
        const ToolResult imported = runZeltDat("import " + copy + " " + first + " --replace");
        ASSERT_EQ(imported.exitCode, 0) << imported.output;
        EXPECT_NE(imported.output.find("One Touch 01,Head Office,0P12 345-678,Stored as is,"),
                  std::string::npos)
            << imported.output;
        EXPECT_NE(imported.output.find("7 of 7 rows stored"), std::string::npos);
        ASSERT_EQ(runZeltDat("export " + copy + " " + second + " --with-passwords").exitCode, 0);
        EXPECT_EQ(readAll(second), readAll(first)) << name;
    }
    EXPECT_EQ(runZeltDat("import " + copy).exitCode, 2);
    EXPECT_EQ(runZeltDat("import " + copy + " " + source).exitCode, 1); // not a phone book
    fs::remove_all(folder);
}

TEST(ZeltDat, DiffListsWhatUploadingTheSecondFileChangesAsTextOrJson) {
    const fs::path example = fs::path(ZELT_TEST_DATA_DIR) / "every_kind.dat";
    ToolResult same = runZeltDat("diff " + example.string() + " " + example.string());
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_EQ(same.output, "The two images hold the same settings and the same phone book.\n");

    const fs::path edited = fs::temp_directory_path() / "zelt-diff-edited.dat";
    std::string bytes = readAll(example);
    bytes[84 * 140 + 8 + 29] ^= 0x01; // Speed Dial 1's first dial digit: 0 becomes 1
    std::ofstream(edited, std::ios::binary) << bytes;
    const ToolResult text = runZeltDat("diff " + example.string() + " " + edited.string());
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.output, "Speed Dial 1 (Warehouse): changed\n"
                           "    Fax number: 0P12 345-678 \u2192 1P12 345-678\n");
    const ToolResult json =
        runZeltDat("diff " + example.string() + " " + edited.string() + " --json");
    EXPECT_NE(json.output.find("\"name\": \"Fax number\""), std::string::npos) << json.output;
    EXPECT_EQ(runZeltDat("diff " + example.string()).exitCode, 2);
    EXPECT_EQ(runZeltDat("diff /no/such.dat " + example.string()).exitCode, 1);
    fs::remove(edited);
}
