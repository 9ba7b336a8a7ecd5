#include "printing/phone_book_snapshot.h"

#include "store/settings_mirror.h"

#include <memory>

PhoneBookSnapshot snapshotPhoneBook(const RecordStore& store) {
    // The decoders may erase an invalid entry and set record lengths: they
    // work on a private copy of the image.
    auto image = std::make_unique<RecordStore>(store);
    auto mirror = std::make_unique<SettingsMirror>();
    unpackStore(*image, *mirror);
    ProgramDialMarks marks;

    PhoneBookSnapshot book;
    for (int key = 0; key < kOneTouchKeyCount; ++key) {
        book.oneTouch.push_back(decodeOneTouch(*mirror, marks, key));
        book.keys.push_back(decodeOneTouchKey(*mirror, marks, key));
    }
    for (int entry = 0; entry < kSpeedDialEntryCount; ++entry)
        book.speedDial.push_back(decodeSpeedDial(*mirror, *image, entry));
    book.stationName = std::string(fieldText(mirror->stationName));
    book.stationNumber = std::string(fieldText(mirror->stationNumber));
    book.language = mirror->language;
    book.paperFamily = mirror->machineInformation.paperFamily;
    return book;
}
