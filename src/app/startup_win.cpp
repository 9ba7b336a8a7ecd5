#include "app/startup_win.h"
#include "app/startup_win.h"

#include "app/main_window_create_win.h"
#include "app/shell_backup_win.h"
#include "resource_ids.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"
#include "workspace/model_string.h"

#include <commctrl.h>
#include <objbase.h>

#include <cstdint>
#include <memory>

namespace {

// One flag for every running process of this executable image: the section
// is mapped shared, so a second process sees the first one's 1. A copy of
// the executable elsewhere has its own image and its own flag.
__attribute__((section("Shared"), shared)) volatile uint32_t instanceGuard = 0;

constexpr size_t kMaxDisplayFileNameChars = 128;
constexpr DWORD kCommonControlClasses = ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
                                        ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS |
                                        ICC_INTERNET_CLASSES;

std::wstring executablePath(HINSTANCE exeInstance) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length =
            GetModuleFileNameW(exeInstance, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The library is only loaded when a probe finds the file, so a missing
// library never makes the loader search other folders for that name.
void chooseResourceModule(Shell& shell, uint8_t modelFamily) {
    setResourceModules(shell.exeInstance, shell.exeInstance);
    std::wstring path =
        utf8ToWide(resourceLibraryPath(wideToUtf8(executablePath(shell.exeInstance)), modelFamily));
    HANDLE probe =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(probe);
    shell.resourceLibrary = LoadLibraryW(path.c_str());
    if (shell.resourceLibrary != nullptr)
        setResourceModules(shell.resourceLibrary, shell.exeInstance);
}

void setInitialFileNames(Workspace& workspace) {
    std::wstring name = loadString(IDS_DEFAULT_FILE_NAME);
    if (name.size() > kMaxDisplayFileNameChars)
        name.resize(kMaxDisplayFileNameChars);
    workspace.displayFileName = wideToUtf8(name);
    workspace.currentFilePath = workspace.displayFileName;
}

// A library menu replaces the class menu from the executable; without one
// the executable's menu stays.
void attachMainMenu(Shell& shell) {
    HMENU classMenu = GetMenu(shell.mainWindow);
    HMENU menu = LoadMenuW(resourceModule(), MAKEINTRESOURCEW(IDR_MAIN_MENU));
    if (menu == nullptr) {
        shell.mainMenu = classMenu;
        return;
    }
    SetMenu(shell.mainWindow, menu);
    shell.mainMenu = menu;
    if (classMenu != nullptr)
        DestroyMenu(classMenu);
}

void releaseResourceLibrary(Shell& shell) {
    if (shell.resourceLibrary != nullptr && shell.resourceLibrary != shell.exeInstance)
        FreeLibrary(shell.resourceLibrary);
    shell.resourceLibrary = nullptr;
    setResourceModules(shell.exeInstance, shell.exeInstance);
}

int runMessageLoop(const Shell& shell) {
    MSG message = {};
    for (;;) {
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            return 0;
        if (TranslateAcceleratorW(shell.mainWindow, shell.accelerators, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace

bool startShell(Shell& shell, HINSTANCE exeInstance, Workspace& workspace, int showCommand) {
    shell = Shell{};
    shell.workspace = &workspace;
    parseModelString(wideToUtf8(loadResourceString(exeInstance, IDS_MODEL)), workspace.startup);
    shell.exeInstance = exeInstance;
    chooseResourceModule(shell, workspace.startup.modelFamily);
    setInitialFileNames(workspace);
    if (workspace.backupFilePath.empty())
        workspace.backupFilePath = defaultBackupPath(workspace);
    if (!registerMainClass(exeInstance)) {
        releaseResourceLibrary(shell);
        return false;
    }
    CoInitialize(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), kCommonControlClasses};
    InitCommonControlsEx(&controls);
    if (!createMainWindow(shell, showCommand)) {
        CoUninitialize();
        UnregisterClassW(kMainWindowClassName, exeInstance);
        releaseResourceLibrary(shell);
        return false;
    }
    attachMainMenu(shell);
    shell.accelerators = LoadAcceleratorsW(exeInstance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    return true;
}

void stopShell(Shell& shell) {
    if (shell.mainWindow != nullptr && IsWindow(shell.mainWindow))
        DestroyWindow(shell.mainWindow);
    CoUninitialize();
    // Destroying the window destroyed the menu attached to it; only a menu
    // that is still alive is destroyed here.
    if (shell.mainMenu != nullptr && IsMenu(shell.mainMenu))
        DestroyMenu(shell.mainMenu);
    if (shell.accelerators != nullptr)
        DestroyAcceleratorTable(shell.accelerators);
    releaseResourceLibrary(shell);
    UnregisterClassW(kMainWindowClassName, shell.exeInstance);
    shell = Shell{};
}

int runZelt(HINSTANCE exeInstance, int showCommand) {
    if (instanceGuard != 0)
        return 0;
    instanceGuard = 1;
    auto workspace = std::make_unique<Workspace>();
    auto shell = std::make_unique<Shell>();
    int exitCode = 0;
    if (startShell(*shell, exeInstance, *workspace, showCommand)) {
        exitCode = runMessageLoop(*shell);
        stopShell(*shell);
    }
    instanceGuard = 0;
    return exitCode;
}
