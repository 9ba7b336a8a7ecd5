#include "store/settings_mirror.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>

namespace {

// A store whose every payload byte differs from its neighbours'.
RecordStore patternedStore() {
    RecordStore store;
    initStore(store);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        store.slots[slot].payloadLength = static_cast<uint32_t>(slot);
        for (int i = 0; i < kPayloadSize; ++i)
            store.slots[slot].payload[i] = static_cast<uint8_t>(slot * 7 + i + 1);
    }
    return store;
}

} // namespace

TEST(SettingsMirror, EverySettingsSlotHasOneFieldOfItsWidth) {
    // Widths of the used payload bytes of slots 0-74, written out again;
    // every slot not named here holds one byte.
    std::map<int, size_t> widths = {{0, 14}, {1, 56}, {39, 12}, {52, 5},  {57, 4},  {58, 4},
                                    {59, 4}, {61, 4}, {63, 22}, {69, 22}, {64, 66}, {65, 66},
                                    {66, 4}, {67, 4}, {73, 24}, {74, 36}};
    for (int slot = 0; slot <= 74; ++slot)
        widths.emplace(slot, 1);
    std::set<size_t> offsets;
    int expectedSlot = 0;
    for (const MirrorField& field : mirrorFields()) {
        EXPECT_EQ(field.slot, expectedSlot++);
        EXPECT_EQ(field.width, widths[field.slot]) << "slot " << field.slot;
        EXPECT_TRUE(offsets.insert(field.mirrorOffset).second);
        EXPECT_LE(field.mirrorOffset + field.width, offsetof(SettingsMirror, oneTouchTable));
    }
    EXPECT_EQ(expectedSlot, 75);
}

TEST(SettingsMirror, UnpackCopiesNamedFieldsAndTables) {
    RecordStore store;
    initStore(store);
    store.slots[0].payload[3] = 1;    // network interface kit
    store.slots[0].payload[4] = 0x40; // 64 Mbytes
    store.slots[0].payload[13] = 1;   // inch paper
    store.slots[9].payload[0] = 11;   // Japanese
    store.slots[39].payload[4] = '1'; // memory RX password
    store.slots[39].payload[10] = 0xc0;
    store.slots[66].payload[0] = 0x19; // SMTP port 25
    std::memcpy(store.slots[64].payload.data(), "a@b.c", 5);
    store.slots[75 + 8].payload[129] = 0x5a;
    store.slots[84 + 99].payload[0] = 0xa5;
    store.slots[84 + 99].payload[130] = 0x77; // beyond an entry: not mirrored
    SettingsMirror mirror;
    EXPECT_EQ(unpackStore(store, mirror), 1);
    EXPECT_EQ(mirror.machineInformation.nicKit, 1);
    EXPECT_EQ(mirror.machineInformation.memoryMbytes, 64);
    EXPECT_EQ(mirror.machineInformation.paperFamily, 1);
    EXPECT_EQ(mirror.language, 11);
    EXPECT_EQ(mirror.memoryRxSchedule.password[0], '1');
    EXPECT_EQ(mirror.memoryRxSchedule.timesSet, 0xc0);
    EXPECT_EQ(mirror.smtpPort, 25u);
    EXPECT_STREQ(mirror.senderEmailAddress.data(), "a@b.c");
    EXPECT_EQ(mirror.oneTouchTable[8][129], 0x5a);
    EXPECT_EQ(mirror.speedDialTable[99][0], 0xa5);
}

TEST(SettingsMirror, PackThenUnpackGivesTheSameImage) {
    RecordStore store = patternedStore();
    store.slots[9].payload[0] = 0; // Western language, so names map both ways
    std::memset(store.slots[74].payload.data(), 0, 36);
    RecordStore original = store;
    SettingsMirror mirror;
    unpackStore(store, mirror);
    RecordStore packed;
    initStore(packed);
    packStore(mirror, packed);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto& field =
            slot < 75 ? mirrorFields()[static_cast<size_t>(slot)] : MirrorField{slot, 0, 130};
        EXPECT_EQ(std::memcmp(packed.slots[slot].payload.data(),
                              original.slots[slot].payload.data(), field.width),
                  0)
            << "slot " << slot;
        // Ids and lengths are never the mirror's business.
        EXPECT_EQ(packed.slots[slot].recordId, slotRecordId(slot));
        EXPECT_EQ(packed.slots[slot].payloadLength, 0u);
    }
}

TEST(SettingsMirror, StationNameIsConvertedForTheImageOnlyAndWithinItsField) {
    for (uint8_t language : {0, 6, 7, 11}) {
        RecordStore store;
        initStore(store);
        SettingsMirror mirror;
        unpackStore(store, mirror);
        mirror.language = language;
        const char name[] = "\xc1\xc0\xa3 Office"; // PC code page letters
        std::memcpy(mirror.stationName.data(), name, sizeof name);
        SettingsMirror before = mirror;
        packStore(mirror, store);
        EXPECT_EQ(std::memcmp(&mirror.stationName, &before.stationName, 36), 0);
        if (language == 6) {
            EXPECT_EQ(store.slots[kStationNameSlot].payload[0], 128);
            EXPECT_EQ(store.slots[kStationNameSlot].payload[1], 'A');
        }
        // Where every letter has its own machine byte the name comes back.
        unpackStore(store, mirror);
        if (language == 0 || language == 11) {
            EXPECT_STREQ(mirror.stationName.data(), name) << int(language);
        }
    }
    // A name that fills its whole field converts within it.
    RecordStore store;
    initStore(store);
    std::memset(store.slots[74].payload.data(), 26, kPayloadSize); // no NUL anywhere
    SettingsMirror mirror;
    unpackStore(store, mirror);
    EXPECT_EQ(static_cast<uint8_t>(mirror.stationName[35]), 163);
    EXPECT_EQ(mirror.stationNumber[0], 0);
}
