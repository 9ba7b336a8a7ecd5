#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The few file operations the store needs from the operating system.
// Paths are UTF-8; the Windows side converts them to UTF-16.

enum class FileReadStatus { ok, cannotOpen, tooLarge };

// Reads the whole file unless it is larger than `maxBytes`. The file is
// opened without sharing, so nobody writes it while it is read.
FileReadStatus readFileBytes(const std::string& path, uintmax_t maxBytes,
                             std::vector<uint8_t>& bytes);

// Creates or truncates `path` and writes all of `bytes` to the disk; false
// on any failure.
bool writeNewFile(const std::string& path, std::span<const uint8_t> bytes);

// Moves `source` over `target`, replacing it in one step.
bool replaceFile(const std::string& source, const std::string& target);

// Removes a file; a missing file is not an error.
void removeFile(const std::string& path);

// Gives the file the hidden attribute alone (nothing to do on POSIX).
bool setFileHidden(const std::string& path);
