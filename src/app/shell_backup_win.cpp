#include "app/shell_backup_win.h"

#include "store/data_file.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"
#include "workspace/model_string.h"

std::string defaultBackupPath(const Workspace& workspace) {
    wchar_t modulePath[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(resourceModule(), modulePath, MAX_PATH);
    return backupFilePath(wideToUtf8(std::wstring_view(modulePath, length)),
                          workspace.startup.modelFamily);
}

void loadShellBackup(Workspace& workspace) {
    initStore(workspace.store);
    workspace.mirror.oneTouchTable = {};
    workspace.mirror.speedDialTable = {};
    readDataFile(workspace.backupFilePath, workspace.store);
    unpackStore(workspace.store, workspace.mirror);
    workspace.view.documentLoaded = false;
    workspace.treePaneWidth = 0;
}

void writeShellBackup(const Workspace& workspace) {
    writeBackupFile(workspace.backupFilePath, workspace.store);
}
