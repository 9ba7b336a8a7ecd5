#include "fuzz_phone_book.h"

#include "store/data_file.h"

#include <cstdio>
#include <string>
#include <unistd.h>

// Loads the input as a data file from disk, then does what Open and the
// list views do with it: unpack, decode every entry, pack again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/zelt-fuzz-" + std::to_string(getpid()) + ".dat";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);

    RecordStore store;
    initStore(store);
    if (readDataFile(path, store) != 1)
        std::abort();
    SettingsMirror mirror;
    unpackStore(store, mirror);
    ProgramDialMarks marks;
    for (int index = 0; index < kOneTouchKeyCount; ++index) {
        requireSoundEntry(decodeOneTouch(mirror, marks, index));
        DialEntry key = decodeOneTouchKey(mirror, marks, index);
        requireSoundEntry(key);
        if (key.entryClass == kEntryClassGroup)
            requireValidMembers(key);
    }
    for (int index = 0; index < kSpeedDialEntryCount; ++index)
        requireSoundEntry(decodeSpeedDial(mirror, store, index));
    packStore(mirror, store);
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (store.slots[static_cast<size_t>(slot)].recordId != slotRecordId(slot))
            std::abort();
    std::remove(path.c_str());
    return 0;
}
