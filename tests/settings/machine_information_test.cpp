#include "settings/machine_information.h"

#include "store/dial_entry.h"

#include <gtest/gtest.h>

TEST(MachineInformation, FiltersKeepTheAllowedCharactersUpToTheLimits) {
    const FilteredText number = filterStationNumber("12a-3");
    EXPECT_EQ(number.text, "12-3");
    EXPECT_TRUE(number.removed);
    EXPECT_EQ(number.caret, 2u);
    EXPECT_EQ(filterStationNumber("+49 30-1").text, "+49 30-1");
    EXPECT_FALSE(filterStationNumber("+49 30-1").removed);

    const FilteredText longNumber = filterStationNumber(std::string(25, '7'));
    EXPECT_EQ(longNumber.text, std::string(20, '7'));
    EXPECT_TRUE(longNumber.removed);
    EXPECT_EQ(longNumber.caret, 20u);

    EXPECT_EQ(filterStationName("Front\x7f Desk", 0).text, "Front Desk");
    EXPECT_EQ(filterStationName("\xc0\xa9", 6).text, "\xc0") << "the Russian name filter";
    const FilteredText longName = filterStationName(std::string(40, 'N'), 0);
    EXPECT_EQ(longName.text.size(), 32u);
    EXPECT_TRUE(longName.removed);
}

TEST(MachineInformation, OkStoresBothTextsWithTheirLengthsAndPacksTheImage) {
    Workspace workspace;
    initStore(workspace.store);
    workspace.view.documentLoaded = true;
    workspace.mirror.language = 6;
    setFieldText(workspace.mirror.stationName, "Old name");
    setFieldText(workspace.mirror.stationNumber, "555");

    MachineInformationValues values = machineInformationValues(workspace);
    EXPECT_EQ(values.name, "Old name");
    EXPECT_EQ(values.telephoneNumber, "555");
    EXPECT_EQ(values.language, 6);
    EXPECT_TRUE(values.editable);

    // The mirror keeps the PC code page; the image gets the machine's
    // character set (PC 193 is machine 128 for language 6).
    values.name = "\xc1"
                  "-Team Headquarters North Wing West"; // 35 characters
    values.telephoneNumber = "+49 30 5550 1000 22 333"; // 23 characters
    applyMachineInformation(values, workspace);
    EXPECT_EQ(fieldText(workspace.mirror.stationName), "\xc1-Team Headquarters North Wing W");
    EXPECT_EQ(fieldText(workspace.mirror.stationNumber), "+49 30 5550 1000 22 ");
    const SettingRecord& name = workspace.store.slots[kStationNameSlot];
    const SettingRecord& number = workspace.store.slots[kStationNumberSlot];
    EXPECT_EQ(name.payloadLength, 32u);
    EXPECT_EQ(number.payloadLength, 20u);
    EXPECT_EQ(name.payload[0], 128);
    EXPECT_EQ(name.payload[31], 'W');
    EXPECT_EQ(name.payload[32], 0) << "the old name leaves nothing behind";
    EXPECT_EQ(number.payload[19], ' ');
    EXPECT_TRUE(workspace.modifiedFlag);

    Workspace empty;
    initStore(empty.store);
    EXPECT_FALSE(machineInformationValues(empty).editable) << "no image, nothing to edit";
}
