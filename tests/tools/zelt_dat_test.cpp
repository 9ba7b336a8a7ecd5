#include "store/data_file.h"
#include "store/dial_entry.h"
#include "store/entry_values.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
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

    DialEntry fax;
    fax.used = 1;
    fax.entryClass = kEntryClassOneTouch;
    setFieldText(fax.name, "Head Office");
    setFieldText(fax.faxNumber, "0P12 345-678");
    setFieldText(fax.subAddress, "12");
    setFieldText(fax.sidPassword, "3456");
    setFieldText(fax.batchHour, "14");
    setFieldText(fax.batchMinute, "05");
    fax.speedIndex = 1;
    fax.regDate = date;
    encodeOneTouch(mirror, store, fax, 0);

    DialEntry email;
    email.used = 1;
    email.isEmail = 1;
    email.entryClass = kEntryClassOneTouch;
    setFieldText(email.name, "Fran\xe7oise");
    setFieldText(email.emailAddress, "francoise@example.org");
    email.emailScanOption = 1;
    email.emailPaperSize = 2;
    email.emailResolution = 1;
    email.emailCoding = 2;
    email.regDate = date;
    encodeOneTouch(mirror, store, email, 1);

    DialEntry combination;
    combination.used = 1;
    combination.entryClass = kEntryClassOneTouch;
    combination.detailsWithheld = 1;
    setFieldText(combination.faxNumber, "0044+");
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

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string runTool(const std::string& arguments, int& status) {
    std::string command = std::string(ZELT_TOOLS_DIR) + "/zelt-dat " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    std::array<char, 4096> buffer;
    size_t got = 0;
    while (pipe && (got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        output.append(buffer.data(), got);
    status = pipe ? pclose(pipe) : -1;
    return output;
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
    int status = 0;
    std::string json = runTool(file.string(), status);
    EXPECT_NE(status, 0); // no subcommand
    json = runTool("dump " + file.string(), status);
    ASSERT_EQ(status, 0) << json;
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
    json = runTool("dump /no/such/file.dat", status);
    EXPECT_NE(status, 0);
    EXPECT_NE(json.find("cannot read"), std::string::npos);
}
