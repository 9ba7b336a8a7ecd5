#pragma once

#include <windows.h>

#include <span>
#include <string>

// One filter of a file dialog: its description from the string table and
// its pattern.
struct FileFilter {
    int descriptionId;
    const wchar_t* pattern;
};

struct FileDialogRequest {
    std::span<const FileFilter> filters;
    int titleId = 0;                     // 0: the system's own title
    const wchar_t* defaultExtension = nullptr;
    std::string initialFolder;           // UTF-8; empty: the system's choice
    bool save = false;                   // Save asks before overwriting; Open needs an existing file
};

// The system Open or Save dialog. `path` (UTF-8) is both the initial name
// and the chosen file. Returns true when the user chose a file.
bool askForFile(HWND owner, std::string& path, const FileDialogRequest& request);
