#include "app/exchange_commands_win.h"

#include "app/exchange_file_dialog_win.h"
#include "app/import_preview_dialog_win.h"
#include "app/shell_win.h"
#include "app/ui_refresh_win.h"
#include "exchange/phone_book_files.h"
#include "phonebook/entry_commands_win.h"
#include "phonebook/entry_lists_win.h"
#include "resource_ids.h"
#include "store/file_access.h"
#include "store/machine_charset.h"
#include "win/dialog_win.h"
#include "win/message_box_win.h"

namespace {

struct ExportOptions {
    bool withPasswords = false;
};

void showOptions(HWND dialog, ExportOptions& options) {
    CheckDlgButton(dialog, IDC_EXPORT_PASSWORDS,
                   options.withPasswords ? BST_CHECKED : BST_UNCHECKED);
}

bool acceptOptions(HWND dialog, ExportOptions& options) {
    options.withPasswords = IsDlgButtonChecked(dialog, IDC_EXPORT_PASSWORDS) == BST_CHECKED;
    return true;
}

constexpr DialogHooks<ExportOptions> kOptionHooks{.show = showOptions, .accept = acceptOptions};

} // namespace

void exportPhoneBookCommand(HWND mainWindow) {
    Workspace& workspace = workspaceOf(mainWindow);
    ExportOptions options;
    std::string path;
    if (!runModalDialog(mainWindow, IDD_EXPORT_OPTIONS, kOptionHooks, options) ||
        !exchangeFileDialog(mainWindow, path, ExchangeFileDialog::exportBook))
        return;
    const std::string file = exportPhoneBook(workspace.mirror, workspace.store,
                                             exchangeFormatOfPath(path), options.withPasswords);
    if (!writeNewFile(path, {reinterpret_cast<const uint8_t*>(file.data()), file.size()}))
        showMessageBox(mainWindow, IDS_EXPORT_FAILED, IDS_APP_TITLE, MB_OK);
}

// The book changes only after OK in the preview; a file that cannot be
// read or holds nothing is reported and changes nothing.
void importPhoneBookCommand(HWND mainWindow) {
    Workspace& workspace = workspaceOf(mainWindow);
    std::string path;
    if (!exchangeFileDialog(mainWindow, path, ExchangeFileDialog::importBook))
        return;
    std::vector<uint8_t> bytes;
    ReadPhoneBook read;
    if (readFileBytes(path, kMaxExchangeFileSize, bytes) == FileReadStatus::ok)
        read =
            readPhoneBook(bytes, exchangeFormatOfPath(path), pcCodePage(workspace.mirror.language));
    if (!read.understood || read.rows.empty()) {
        showMessageBox(mainWindow, read.understood ? IDS_IMPORT_NO_ROWS : IDS_IMPORT_UNREADABLE,
                       IDS_APP_TITLE, MB_OK);
        return;
    }
    ImportPreview preview;
    preview.mirror = &workspace.mirror;
    preview.rows = std::move(read.rows);
    preview.today = localToday();
    preview.plan = planImport(workspace.mirror, preview.rows, ImportMode::add, preview.today);
    if (!showImportPreview(mainWindow, preview))
        return;
    applyImportPlan(workspace.mirror, workspace.store, preview.plan);
    workspace.modifiedFlag = true;
    if (workspace.view.currentView != View::none)
        showPhoneBookView(mainWindow, workspace, workspace.view.currentView);
    refreshUiState(mainWindow);
}
