#include "fuzz_phone_book.h"

// Decodes every key as the Group view does, takes its members apart and
// writes the Group back both ways.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzPhoneBook book(data, size);
    for (int index = 0; index < kOneTouchKeyCount; ++index) {
        DialEntry entry = decodeOneTouchKey(book.mirror, book.marks, index);
        requireSoundEntry(entry);
        if (entry.entryClass != kEntryClassGroup)
            continue;
        requireValidMembers(entry);
        GroupMemberLists lists;
        expandGroupMembers(entry, lists);
        if (lists.oneTouchMembers.size() + lists.speedDialMembers.size() != entry.memberCount)
            std::abort();
        encodeGroup(book.mirror, entry, index);
        DialEntry again = decodeOneTouchKey(book.mirror, book.marks, index);
        if (again.memberCount != entry.memberCount || again.members != entry.members)
            std::abort();
        encodeGroupFromLists(book.mirror, book.store, entry, lists, index);
        requireValidMembers(decodeOneTouchKey(book.mirror, book.marks, index));
    }
    return 0;
}
