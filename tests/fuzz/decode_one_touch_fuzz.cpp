#include "fuzz_phone_book.h"

// Decodes every One Touch key, writes it back and decodes it again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzPhoneBook book(data, size);
    for (int index = 0; index < kOneTouchKeyCount; ++index) {
        DialEntry entry = decodeOneTouch(book.mirror, book.marks, index);
        requireSoundEntry(entry);
        if (entry.programDial && !isProgramDialMarked(book.marks, index) &&
            index >= book.marks.firstKey && index < book.marks.firstKey + 4)
            std::abort();
        if (entry.entryClass == kEntryClassGroup)
            continue; // Groups are written by the Group encoders
        encodeOneTouch(book.mirror, book.store, entry, index);
        requireSoundEntry(decodeOneTouch(book.mirror, book.marks, index));
    }
    return 0;
}
