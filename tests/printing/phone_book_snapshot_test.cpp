#include "printing/phone_book_snapshot.h"

#include "link/sample_machine_image.h"
#include "store/settings_mirror.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(PhoneBookSnapshot, DecodesEveryListFromTheImageWithoutChangingIt) {
    RecordStore store = sampleMachineImage();
    // A Speed Dial entry whose e-mail address holds a NUL: decoding erases
    // it, which printing must not do to the image.
    const size_t broken = kSpeedDialFirstSlot + 20;
    store.slots[broken].payload[1] = kFlagEmail | kFlagSpeedDial;
    store.slots[broken].payload[2] = 5;
    store.slots[broken].payload[30] = 'a';
    // The station name in the machine's character set (language 6): the
    // snapshot holds it in the PC code page, as the tree shows it.
    store.slots[9].payload[0] = 6;
    store.slots[kStationNameSlot].payload[0] = static_cast<uint8_t>(128);
    const RecordStore before = store;

    const PhoneBookSnapshot book = snapshotPhoneBook(store);
    EXPECT_EQ(std::memcmp(&store, &before, sizeof store), 0);
    ASSERT_EQ(book.oneTouch.size(), 9u);
    ASSERT_EQ(book.speedDial.size(), 100u);
    ASSERT_EQ(book.keys.size(), 9u);
    EXPECT_EQ(fieldText(book.oneTouch[0].name), "Head Office");
    EXPECT_EQ(book.oneTouch[5].programDial, 1);
    EXPECT_EQ(fieldText(book.keys[6].name), "Sales");
    EXPECT_EQ(book.keys[6].memberCount, 6);
    EXPECT_EQ(fieldText(book.speedDial[2].emailAddress), "c.dubois@example.org");
    EXPECT_EQ(book.speedDial[20].used, 0);
    EXPECT_EQ(book.stationName, "\xc1"
                                "eception");
    EXPECT_EQ(book.stationNumber, "+49 30 5550 1000");
    EXPECT_EQ(book.language, 6);
}
