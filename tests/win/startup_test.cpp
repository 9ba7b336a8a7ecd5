#include "harness/harness.h"

#include "app/main_window_create_win.h"
#include "app/main_window_win.h"
#include "app/startup_win.h"
#include "resource_ids.h"
#include "win/resource_modules_win.h"
#include "workspace/model_string.h"

#include <filesystem>
#include <fstream>
#include <memory>

using namespace harness;

namespace {

constexpr wchar_t kLibraryName[] = L"A4QELD.DLL";

// Runs the start-up steps over an image of Zelt.exe loaded from `folder`, so
// that the resource library is looked for beside that copy; the shell's
// menus and strings can then be read in this process.
class ShellOverCopiedProgram {
  public:
    explicit ShellOverCopiedProgram(const TempFolder& folder)
        : image_(LoadLibraryExW(folder.file(L"Zelt.exe").c_str(), nullptr,
                                DONT_RESOLVE_DLL_REFERENCES)) {
        started_ = image_ != nullptr && startShell(*shell_, image_, *workspace_, SW_SHOWNORMAL);
        pumpMessages();
    }
    ~ShellOverCopiedProgram() {
        if (started_)
            stopShell(*shell_);
        pumpMessages();
        if (image_ != nullptr)
            FreeLibrary(image_);
    }
    ShellOverCopiedProgram(const ShellOverCopiedProgram&) = delete;
    ShellOverCopiedProgram& operator=(const ShellOverCopiedProgram&) = delete;

    bool started() const { return started_; }
    HMODULE image() const { return image_; }
    Workspace& workspace() { return *workspace_; }
    Shell& shell() { return *shell_; }

  private:
    HMODULE image_;
    std::unique_ptr<Workspace> workspace_ = std::make_unique<Workspace>();
    std::unique_ptr<Shell> shell_ = std::make_unique<Shell>();
    bool started_ = false;
};

std::vector<std::wstring> menuTextsOf(HMODULE module) {
    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(IDR_MAIN_MENU));
    std::vector<std::wstring> texts = menuItemTexts(menu);
    DestroyMenu(menu);
    return texts;
}

} // namespace

// The window's size and centring are
// MainWindow.StartsCentredOfflineThenShowsTheTreeAtItsFirstWidth.
TEST_F(MainWindowTest, StartsAsAVisibleZeltWindowAndClosesWithCodeZero) {
    SCOPED_TRACE("the default file name and the model string's values");
    EXPECT_EQ(windowText(mainWindow()), L"Local Setup - Zelt - NewFile.Dat");
    EXPECT_EQ(workspace().displayFileName, "NewFile.Dat");
    EXPECT_EQ(workspace().currentFilePath, "NewFile.Dat");
    EXPECT_EQ(workspace().startup.modelFamily, kModelFamilyA4);
    EXPECT_EQ(workspace().startup.acceptedProductIds, std::vector<uint32_t>{0x2078});
    EXPECT_EQ(workspace().startup.oneTouchKeyCount, 9);
    EXPECT_EQ(shell().exeInstance, GetModuleHandleW(nullptr));
    EXPECT_EQ(resourceModule(), shell().exeInstance) << "no library beside the tests";
    EXPECT_EQ(shell().resourceLibrary, nullptr);
    EXPECT_EQ(shell().workspace, &workspace());

    SCOPED_TRACE("a visible top-level overlapped window");
    EXPECT_EQ(GetWindowLongW(mainWindow(), GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_TRUE(IsWindowVisible(mainWindow()));
    EXPECT_EQ(GetParent(mainWindow()), nullptr);

    SCOPED_TRACE("class Zelt with the program's icon, brush and menu");
    WNDCLASSEXW info = {sizeof(info)};
    ASSERT_TRUE(GetClassInfoExW(shell().exeInstance, kMainWindowClassName, &info));
    EXPECT_EQ(info.style, 0u);
    EXPECT_EQ(info.lpfnWndProc, mainWindowProc);
    EXPECT_EQ(info.cbClsExtra, 0);
    EXPECT_EQ(info.cbWndExtra, 0);
    EXPECT_EQ(info.hIcon, LoadIconW(shell().exeInstance, MAKEINTRESOURCEW(IDI_APP)));
    EXPECT_EQ(info.hCursor, nullptr);
    EXPECT_EQ(info.hbrBackground, GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(info.lpszMenuName, MAKEINTRESOURCEW(IDR_MAIN_MENU));

    SCOPED_TRACE("menu and accelerators installed");
    ASSERT_NE(shell().mainMenu, nullptr);
    EXPECT_EQ(GetMenu(mainWindow()), shell().mainMenu);
    EXPECT_EQ(menuItemTexts(shell().mainMenu), menuTextsOf(shell().exeInstance));
    EXPECT_NE(shell().accelerators, nullptr);

    SCOPED_TRACE("the screenshot shows the button-face client area");
    std::wstring path = saveScreenshot(mainWindow(), L"startup-main-window");
    ASSERT_FALSE(path.empty());
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                     LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    BITMAP picture;
    GetObjectW(bitmap, sizeof(picture), &picture);
    EXPECT_EQ(picture.bmWidth, kMainWindowWidth);
    EXPECT_EQ(picture.bmHeight, kMainWindowHeight);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    EXPECT_EQ(GetPixel(memory, kMainWindowWidth / 2, kMainWindowHeight - 20),
              GetSysColor(COLOR_BTNFACE));
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);

    SCOPED_TRACE("closing the window ends the message loop with code zero");
    SendMessageW(mainWindow(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(mainWindow()));
    EXPECT_EQ(pumpMessages(), std::optional<int>{0});
}

TEST(Startup, FailsWithoutAWindowWhenTheClassCannotBeRegistered) {
    WNDCLASSW taken = {};
    taken.lpfnWndProc = DefWindowProcW;
    taken.hInstance = GetModuleHandleW(nullptr);
    taken.lpszClassName = kMainWindowClassName;
    ASSERT_TRUE(RegisterClassW(&taken));
    Workspace workspace;
    Shell shell;
    EXPECT_FALSE(startShell(shell, GetModuleHandleW(nullptr), workspace, SW_SHOWNORMAL));
    EXPECT_EQ(shell.mainWindow, nullptr);
    EXPECT_EQ(shell.resourceLibrary, nullptr);
    EXPECT_EQ(FindWindowW(kMainWindowClassName, nullptr), nullptr);
    UnregisterClassW(kMainWindowClassName, GetModuleHandleW(nullptr));
}

// One folder walked through the three cases: no library, the library, a file
// of that name that is not a library.
TEST(StartupResources, TheLibraryBesideTheProgramServesOnlyWhenItIsOne) {
    TempFolder folder;
    ASSERT_FALSE(folder.copyIn(zeltExecutablePath(), L"Zelt.exe").empty());
    {
        SCOPED_TRACE("without a library the program's own resources serve");
        ShellOverCopiedProgram program(folder);
        ASSERT_TRUE(program.started());
        EXPECT_EQ(resourceModule(), program.image());
        EXPECT_EQ(windowText(program.shell().mainWindow), L"Local Setup - Zelt - NewFile.Dat");
        EXPECT_EQ(menuItemTexts(GetMenu(program.shell().mainWindow)), menuTextsOf(program.image()));
    }
    ASSERT_FALSE(folder.copyIn(testResourceLibraryPath(), kLibraryName).empty());
    {
        SCOPED_TRACE("the library supplies menu and texts but not the model string");
        ShellOverCopiedProgram program(folder);
        ASSERT_TRUE(program.started());
        Shell& shell = program.shell();
        ASSERT_NE(shell.resourceLibrary, nullptr);
        EXPECT_EQ(resourceModule(), shell.resourceLibrary);
        EXPECT_EQ(shell.exeInstance, program.image());
        EXPECT_EQ(windowText(shell.mainWindow), L"Bibliothek Einrichtung - Neue Datei \u00fc.Dat");
        EXPECT_EQ(program.workspace().displayFileName, "Neue Datei \xc3\xbc.Dat");
        EXPECT_EQ(program.workspace().currentFilePath, program.workspace().displayFileName);
        EXPECT_EQ(menuItemTexts(GetMenu(shell.mainWindow)),
                  (std::vector<std::wstring>{L"&Datei", L"&Hilfe"}));
        EXPECT_EQ(menuItemState(shell.mainMenu, 811).text, L"&Beenden");
        // String 5001 and the accelerators always come from the executable.
        EXPECT_EQ(program.workspace().startup.modelFamily, kModelFamilyA4);
        EXPECT_EQ(program.workspace().startup.acceptedProductIds, std::vector<uint32_t>{0x2078});
        EXPECT_NE(shell.accelerators, nullptr);
    }
    ASSERT_EQ(GetModuleHandleW(folder.file(kLibraryName).c_str()), nullptr)
        << "the library stays loaded after the shell stopped";
    // A file of that name that is not a library is passed over silently.
    ASSERT_TRUE(std::ofstream(std::filesystem::path(folder.file(kLibraryName))) << "not a library");
    SCOPED_TRACE("a file that is not a library");
    ShellOverCopiedProgram program(folder);
    ASSERT_TRUE(program.started());
    EXPECT_EQ(program.shell().resourceLibrary, nullptr);
    EXPECT_EQ(resourceModule(), program.image());
    EXPECT_EQ(program.workspace().displayFileName, "NewFile.Dat");
}
