#include "app/data_file_dialog_win.h"

#include "resource_ids.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

#include <commdlg.h>

#include <array>

namespace {

int titleId(DataFileDialogMode mode) {
    switch (mode) {
    case DataFileDialogMode::open:
        return IDS_OPEN;
    case DataFileDialogMode::save:
        return IDS_SAVE;
    case DataFileDialogMode::saveAs:
        return IDS_SAVE_AS;
    }
    return IDS_OPEN;
}

} // namespace

bool fileDialog(HWND owner, std::string& path, DataFileDialogMode mode,
                const std::string& initialFolder) {
    std::array<wchar_t, MAX_PATH> buffer{};
    std::wstring initial = utf8ToWide(path);
    initial.copy(buffer.data(), buffer.size() - 1);

    // One filter pair: the description, a NUL, the pattern, two NULs.
    std::wstring filter = loadString(IDS_DATA_FILE_FILTER);
    filter.push_back(L'\0');
    filter += L"*.DAT";
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    std::wstring title = loadString(titleId(mode));
    const std::wstring folder = utf8ToWide(initialFolder);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 0;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = L"DAT";
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_LONGNAMES;
    BOOL chosen = FALSE;
    if (mode == DataFileDialogMode::open) {
        dialog.Flags |= OFN_FILEMUSTEXIST;
        chosen = GetOpenFileNameW(&dialog);
    } else {
        // Saving must be able to create a new file.
        dialog.Flags |= OFN_OVERWRITEPROMPT;
        chosen = GetSaveFileNameW(&dialog);
    }
    if (chosen)
        path = wideToUtf8(buffer.data());
    return chosen != FALSE;
}
