#include "app/main_window_create_win.h"

#include "app/document_names.h"
#include "app/main_window_win.h"
#include "app/shell_win.h"
#include "resource_ids.h"
#include "win/win_text_win.h"

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
    const std::string applicationTitle =
        wideToUtf8(loadResourceString(shell.resourceModule, IDS_APP_TITLE));
    return utf8ToWide(documentWindowTitle(
        applicationTitle, shell.workspace != nullptr ? shell.workspace->displayFileName : ""));
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
