#pragma once

#include "store/record_store.h"

#include <string>

// The per-user snapshot folder, %LOCALAPPDATA%\Zelt\Snapshots (UTF-8);
// empty when the profile names no local application data folder.
std::string snapshotFolder();

// Keeps `image` there under the local time and the machine's name; the
// file's path, or empty when none was written.
std::string keepSnapshotNow(const RecordStore& image);
