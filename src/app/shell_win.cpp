#include "app/shell_win.h"

void attachShell(HWND mainWindow, Shell* shell) {
    SetWindowLongPtrW(mainWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(shell));
    shell->mainWindow = mainWindow;
}

Shell& shellOf(HWND mainWindow) {
    return *reinterpret_cast<Shell*>(GetWindowLongPtrW(mainWindow, GWLP_USERDATA));
}

Workspace& workspaceOf(HWND mainWindow) {
    return *shellOf(mainWindow).workspace;
}
