#pragma once

#include "store/record_store.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Before every Upload the program keeps what the machine held as an
// ordinary data file in a snapshot folder, so restoring the machine is Open
// and Upload. Names sort by time: "2026-12-07 031502 Reception.DAT".

constexpr size_t kSnapshotsKept = 20;

struct SnapshotTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The file name for an image read at `time` from the machine called
// `machineName` (UTF-8); characters no file name may hold become '_'.
// `attempt` above 0 adds " (n)" for a second snapshot within one second.
std::string snapshotFileName(const SnapshotTime& time, std::string_view machineName,
                             int attempt = 0);

// Of the names in a snapshot folder, the snapshots beyond the newest `kept`;
// names that are not snapshots are never among them.
std::vector<std::string> snapshotsToPrune(std::vector<std::string> names,
                                          size_t kept = kSnapshotsKept);

// Writes `image` into `folder` (UTF-8, made when missing) under a name no
// earlier snapshot has, then removes the snapshots beyond the newest 20.
// Returns the file's path, or an empty string when nothing was written.
std::string keepSnapshot(const std::string& folder, const RecordStore& image,
                         const SnapshotTime& time);
