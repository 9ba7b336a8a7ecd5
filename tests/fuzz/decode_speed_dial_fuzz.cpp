#include "fuzz_phone_book.h"

// Decodes every Speed Dial entry, writes it back and decodes it again; the
// slot length follows the kind.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzPhoneBook book(data, size);
    for (int index = 0; index < kSpeedDialEntryCount; ++index) {
        DialEntry entry = decodeSpeedDial(book.mirror, book.store, index);
        requireSoundEntry(entry);
        uint32_t length =
            book.store.slots[static_cast<size_t>(kSpeedDialFirstSlot + index)].payloadLength;
        if (entry.used && length != (entry.isEmail ? kSpeedDialEmailLength : kSpeedDialFaxLength))
            std::abort();
        encodeSpeedDial(book.mirror, book.store, entry, index);
        DialEntry again = decodeSpeedDial(book.mirror, book.store, index);
        requireSoundEntry(again);
        if (again.used != entry.used || again.isEmail != entry.isEmail)
            std::abort();
    }
    return 0;
}
