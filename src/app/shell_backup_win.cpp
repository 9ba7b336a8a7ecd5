#include "app/shell_backup_win.h"

#include "app/model_string.h"
#include "app/shell_win.h"
#include "store/data_file.h"
#include "win/win_text_win.h"

std::string shellBackupPath(const Workspace& workspace) {
    wchar_t modulePath[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(theShell().resourceModule, modulePath, MAX_PATH);
    return backupFilePath(wideToUtf8(std::wstring_view(modulePath, length)),
                          workspace.startup.modelFamily);
}

void writeShellBackup(const Workspace& workspace) {
    writeBackupFile(shellBackupPath(workspace), workspace.store);
}
