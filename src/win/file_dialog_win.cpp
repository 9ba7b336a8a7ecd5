#include "win/file_dialog_win.h"

#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

#include <commdlg.h>

#include <array>

namespace {

// Description, NUL, pattern, NUL for each filter, then one more NUL.
std::wstring filterText(std::span<const FileFilter> filters) {
    std::wstring text;
    for (const FileFilter& filter : filters) {
        text += loadString(filter.descriptionId);
        text.push_back(L'\0');
        text += filter.pattern;
        text.push_back(L'\0');
    }
    text.push_back(L'\0');
    return text;
}

} // namespace

bool askForFile(HWND owner, std::string& path, const FileDialogRequest& request) {
    std::array<wchar_t, MAX_PATH> buffer{};
    utf8ToWide(path).copy(buffer.data(), buffer.size() - 1);
    const std::wstring filter = filterText(request.filters);
    const std::wstring title = request.titleId != 0 ? loadString(request.titleId) : L"";
    const std::wstring folder = utf8ToWide(request.initialFolder);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = request.defaultExtension;
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_LONGNAMES;
    BOOL chosen = FALSE;
    if (request.save) {
        // Saving must be able to create a new file.
        dialog.Flags |= OFN_OVERWRITEPROMPT;
        chosen = GetSaveFileNameW(&dialog);
    } else {
        dialog.Flags |= OFN_FILEMUSTEXIST;
        chosen = GetOpenFileNameW(&dialog);
    }
    if (chosen)
        path = wideToUtf8(buffer.data());
    return chosen != FALSE;
}
