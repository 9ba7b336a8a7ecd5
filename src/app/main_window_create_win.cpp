#include "app/main_window_create_win.h"

#include "app/main_window_win.h"
#include "resource_ids.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"
#include "workspace/document_names.h"

bool registerMainClass(HINSTANCE instance) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_MENU);
    windowClass.lpszClassName = kMainWindowClassName;
    return RegisterClassW(&windowClass) != 0;
}

std::wstring mainWindowTitle(const Workspace& workspace) {
    const std::string applicationTitle = wideToUtf8(loadString(IDS_APP_TITLE));
    return utf8ToWide(documentWindowTitle(applicationTitle, workspace.displayFileName));
}

bool createMainWindow(Shell& shell, int showCommand) {
    std::wstring title = mainWindowTitle(*shell.workspace);
    HWND window = CreateWindowExW(0, kMainWindowClassName, title.c_str(), WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, kMainWindowWidth, kMainWindowHeight,
                                  nullptr, nullptr, shell.exeInstance, &shell);
    shell.mainWindow = window;
    if (window == nullptr)
        return false;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return true;
}
