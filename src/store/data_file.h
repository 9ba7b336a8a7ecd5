#pragma once

#include "store/record_store.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// A data file is the record image on disk: 184 records of 140 bytes in slot
// order, no header. Paths are UTF-8.

// A file larger than this is refused unread; a real one is 25,760 bytes.
constexpr uintmax_t kMaxDataFileSize = 1024 * 1024;

// Loads every record whose id matches a slot (first match wins) into the
// store, keeping payload bytes 130-131 of the slot. Returns 0, store
// untouched, when the file cannot be opened or is too large; else 1.
int readDataFile(const std::string& path, RecordStore& store);

// The matching step of readDataFile over bytes already in memory.
void loadDataFileImage(std::span<const uint8_t> bytes, RecordStore& store);

// Writes the image to a temporary file beside `path` and renames it over
// `path`, so a failure never leaves a half-written file. Returns 1 or 0.
int writeDataFile(const std::string& path, const RecordStore& store);

// writeDataFile, then marks the file hidden.
int writeBackupFile(const std::string& path, const RecordStore& store);

// `fileName` in the folder of `filePath` (a drive-relative "C:name" keeps
// its drive).
std::string pathBesideFile(std::string_view filePath, std::string_view fileName);
