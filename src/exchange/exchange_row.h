#pragma once

#include "store/record_store.h"
#include "store/settings_mirror.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One phone-book entry as a file carries it: every field as text (UTF-8),
// before any of the machine's rules have been applied. The CSV and vCard
// readers produce these; the import plan alone decides what they become.
enum class RowKind { unstated, oneTouch, speedDial, group, unknown };

struct ExchangeRow {
    size_t line = 0; // where the row starts in its file, from 1
    RowKind kind = RowKind::unstated;
    std::string kindText; // as written, for a kind not understood
    std::string number;   // key or entry number, from 1; empty: the next free one
    std::string name;
    std::string faxNumber;
    std::string subAddress;
    std::string password; // the SID
    std::string emailAddress;
    std::string speed;      // "9.6K", "14.4K", "33.6K"
    std::string batchTime;  // "HH:MM"
    std::string emailScan;  // "default|specified PAPER RESOLUTION CODING"
    std::string members;    // "OT03 SD012 ..."
    std::string registered; // "YYYY-MM-DD"
    // Members named by position among the rows of the same file (a vCard
    // names a Group's members by their cards, not by numbers).
    std::vector<size_t> memberRows;
};

// Every used entry of the image: the One Touch keys with their Groups
// (program-dial keys belong to the machine and are left out), then the
// Speed Dial entries. Texts come out of the display language's code page;
// the password only when asked for.
std::vector<ExchangeRow> exportRows(const SettingsMirror& mirror, const RecordStore& store,
                                    bool withPasswords);

// ---- The words the files use, both ways ----

std::string_view rowKindName(RowKind kind);   // "One Touch", "Speed Dial", "Group"
RowKind rowKindOfName(std::string_view text); // unstated when blank, unknown when not understood
