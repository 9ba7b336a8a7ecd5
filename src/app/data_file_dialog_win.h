#pragma once

#include <windows.h>

#include <string>

enum class DataFileDialogMode { open = 0, save = 1, saveAs = 2 };

// The system Open or Save dialog for data files. `path` (UTF-8) is both the
// initial name and the chosen file; `initialFolder` (UTF-8), when given, is
// where the dialog opens. Returns true when the user chose a file.
bool fileDialog(HWND owner, std::string& path, DataFileDialogMode mode,
                const std::string& initialFolder = {});
