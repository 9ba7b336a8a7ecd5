#pragma once

#include "store/dial_entry.h"
#include "store/record_store.h"

#include <cstdint>
#include <string>
#include <vector>

// What the printed lists show, decoded once from the record image. Printing
// only reads: the decoders run on copies, so a print never changes the image
// or the program-dial marks.
struct PhoneBookSnapshot {
    std::vector<DialEntry> oneTouch;  // every One Touch key as a destination
    std::vector<DialEntry> speedDial; // every Speed Dial entry
    std::vector<DialEntry> keys;      // every One Touch key, Groups included
    std::string stationName;          // PC code page, as the tree shows it
    std::string stationNumber;
    uint8_t language = 0;    // the machine's display language code
    uint8_t paperFamily = 0; // 0 metric paper sizes, otherwise inch sizes
};

PhoneBookSnapshot snapshotPhoneBook(const RecordStore& store);
