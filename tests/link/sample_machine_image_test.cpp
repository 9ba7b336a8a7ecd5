#include "link/sample_machine_image.h"

#include "store/dial_entry.h"
#include "store/settings_mirror.h"

#include <gtest/gtest.h>

#include <string>

TEST(SampleMachineImage, HoldsAPhoneBookOfEveryKindThatTheDecodersRead) {
    const RecordStore built = sampleMachineImage();
    RecordStore image = built;
    SettingsMirror mirror;
    unpackStore(image, mirror);
    EXPECT_EQ(fieldText(mirror.stationName), "Reception");
    EXPECT_EQ(image.slots[kStationNameSlot].payloadLength, 9u);
    EXPECT_EQ(mirror.machineInformation.nicKit, 1);

    ProgramDialMarks marks;
    int faxKeys = 0, emailKeys = 0, groups = 0, programKeys = 0;
    for (int key = 0; key < kOneTouchKeyCount; ++key) {
        const DialEntry entry = decodeOneTouchKey(mirror, marks, key);
        groups += entry.entryClass == kEntryClassGroup ? 1 : 0;
        programKeys += entry.programDial;
        if (entry.entryClass == kEntryClassOneTouch && !entry.programDial)
            (entry.isEmail ? emailKeys : faxKeys) += 1;
    }
    EXPECT_EQ(faxKeys, 3);
    EXPECT_EQ(emailKeys, 2);
    EXPECT_EQ(groups, 2);
    EXPECT_EQ(programKeys, 1);
    const DialEntry everyone = decodeOneTouchKey(mirror, marks, 7);
    EXPECT_EQ(fieldText(everyone.name), "Everyone");
    EXPECT_EQ(everyone.memberCount, 12);

    int speedDials = 0;
    for (int index = 0; index < kSpeedDialEntryCount; ++index)
        speedDials += decodeSpeedDial(mirror, image, index).used;
    EXPECT_EQ(speedDials, 12);

    // Every length is one the wire carries, and building again gives the
    // same bytes.
    const RecordStore again = sampleMachineImage();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_LE(built.slots[slot].payloadLength, 146u);
        EXPECT_EQ(again.slots[slot].payloadLength, built.slots[slot].payloadLength);
        EXPECT_EQ(again.slots[slot].payload, built.slots[slot].payload);
    }
}
