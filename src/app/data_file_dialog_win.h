#pragma once

#include <windows.h>

#include <string>

enum class DataFileDialogMode { open = 0, save = 1, saveAs = 2 };

// The system Open or Save dialog for data files. `path` (UTF-8) is both the
// initial name and the chosen file. Returns nonzero when the user chose a
// file; texts come from `resourceModule`'s string table.
int fileDialog(HWND owner, HINSTANCE resourceModule, std::string& path, DataFileDialogMode mode);
