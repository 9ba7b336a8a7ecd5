#include "full_phone_book.h"

#include "link/sample_machine_image.h"
#include "store/dial_entry.h"
#include "store/entry_values.h"
#include "store/settings_mirror.h"

#include <cstdio>

namespace {

// Fills entry `number` (1-based) of table `entryClass` with names, numbers
// and addresses as long as the fields allow, so every cell has text to draw.
DialEntry generatedEntry(int number, uint8_t entryClass) {
    DialEntry entry;
    entry.used = 1;
    entry.entryClass = entryClass;
    entry.regDate = packRegDate({2026, 11, 20});
    char text[80];
    std::snprintf(text, sizeof text, "Destination %03d", number);
    setFieldText(entry.name, text);
    if (number % 3 == 0) {
        entry.isEmail = 1;
        std::snprintf(text, sizeof text, "destination.%03d@branch-office.example.com", number);
        setFieldText(entry.emailAddress, text);
        entry.emailResolution = 1;
    } else {
        std::snprintf(text, sizeof text, "0P030 5550 %04d", 1000 + number);
        setFieldText(entry.faxNumber, text);
        entry.speedIndex = static_cast<uint8_t>(number % 3);
    }
    return entry;
}

} // namespace

RecordStore fullPhoneBookImage() {
    RecordStore store = sampleMachineImage();
    SettingsMirror mirror;
    unpackStore(store, mirror);
    ProgramDialMarks marks;
    for (int key = 0; key < kOneTouchKeyCount; ++key) {
        if (decodeOneTouchKey(mirror, marks, key).used)
            continue;
        DialEntry entry = generatedEntry(key + 1, kEntryClassOneTouch);
        encodeOneTouch(mirror, store, entry, key);
    }
    for (int index = 0; index < kSpeedDialEntryCount; ++index) {
        if (decodeSpeedDial(mirror, store, index).used)
            continue;
        encodeSpeedDial(mirror, store, generatedEntry(index + 1, kEntryClassSpeedDial), index);
    }
    packStore(mirror, store);
    return store;
}
