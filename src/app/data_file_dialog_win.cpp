#include "app/data_file_dialog_win.h"

#include "resource_ids.h"
#include "win/file_dialog_win.h"

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

constexpr FileFilter kDataFileFilters[] = {{IDS_DATA_FILE_FILTER, L"*.DAT"}};

} // namespace

bool fileDialog(HWND owner, std::string& path, DataFileDialogMode mode,
                const std::string& initialFolder) {
    return askForFile(owner, path,
                      {kDataFileFilters, titleId(mode), L"DAT", initialFolder,
                       mode != DataFileDialogMode::open});
}
