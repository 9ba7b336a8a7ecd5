#include "app/main_window_create_win.h"

#include "app/main_window_win.h"
#include "app/shell_win.h"
#include "app/win_text_win.h"
#include "resource_ids.h"

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

std::wstring mainWindowTitle() {
    const Shell& shell = theShell();
    std::wstring title = loadResourceString(shell.resourceModule, IDS_APP_TITLE);
    title += L" - ";
    if (shell.workspace != nullptr)
        title += utf8ToWide(shell.workspace->displayFileName);
    return title;
}

bool createMainWindow(HINSTANCE instance, int showCommand) {
    std::wstring title = mainWindowTitle();
    HWND window = CreateWindowExW(0, kMainWindowClassName, title.c_str(), WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, kMainWindowWidth, kMainWindowHeight,
                                  nullptr, nullptr, instance, nullptr);
    theShell().mainWindow = window;
    if (window == nullptr)
        return false;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return true;
}
