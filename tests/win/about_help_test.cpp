#include "harness/harness.h"

#include "app/about_win.h"
#include "app/help_win.h"
#include "resource_ids.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

#include <string>
#include <vector>

using namespace harness;

namespace {

struct HelpCall {
    HWND caller;
    std::string file;
    UINT command;
    DWORD_PTR data;
};

std::vector<HelpCall> helpCalls;
int locatorCalls = 0;

HWND WINAPI fakeHtmlHelp(HWND caller, LPCSTR file, UINT command, DWORD_PTR data) {
    helpCalls.push_back({caller, file, command, data});
    return nullptr;
}

HtmlHelpEntry locateFakeHtmlHelp() {
    ++locatorCalls;
    return fakeHtmlHelp;
}

HtmlHelpEntry locateNothing() {
    ++locatorCalls;
    return nullptr;
}

// F1 as the message loop delivers it: through the accelerator table.
void pressF1(HWND mainWindow, HACCEL accelerators) {
    MSG key{};
    key.hwnd = mainWindow;
    key.message = WM_KEYDOWN;
    key.wParam = VK_F1;
    key.lParam = 1;
    EXPECT_TRUE(TranslateAcceleratorW(mainWindow, accelerators, &key));
}

std::string folderOfExecutable() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

} // namespace

class Help : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        helpCalls.clear();
        locatorCalls = 0;
    }
    void TearDown() override {
        setHtmlHelpLocator(nullptr);
        MainWindowTest::TearDown();
    }
};

TEST_F(Help, EachF1ShowsTheHelpFileBesideTheResourcesAndLoadsTheControlOnce) {
    setHtmlHelpLocator(locateFakeHtmlHelp);
    pressF1(mainWindow(), shell().accelerators);
    pressF1(mainWindow(), shell().accelerators);
    EXPECT_EQ(locatorCalls, 1);
    ASSERT_EQ(helpCalls.size(), 2u);
    for (const HelpCall& call : helpCalls) {
        EXPECT_EQ(call.caller, mainWindow());
        EXPECT_EQ(call.file, folderOfExecutable() + "pyrite.chm");
        EXPECT_EQ(call.command, 0u); // the file's default topic
        EXPECT_EQ(call.data, 0u);
    }
}

TEST_F(Help, WithoutTheHelpControlHelpDoesNothingAndStopsLooking) {
    setHtmlHelpLocator(locateNothing);
    sendCommand(mainWindow(), IDM_HELP_TOPICS);
    sendCommand(mainWindow(), IDM_HELP_TOPICS);
    EXPECT_EQ(locatorCalls, 1);
    EXPECT_TRUE(helpCalls.empty());
}

TEST_F(Help, TheSystemHelpControlIsFound) {
    // Wine registers its own HTML Help control; the real lookup finds it.
    setHtmlHelpLocator(nullptr);
    HtmlHelpEntry entry = locateHtmlHelpControl();
    EXPECT_NE(entry, nullptr);
    EXPECT_NE(GetModuleHandleW(L"hhctrl.ocx"), nullptr);
}

class AboutBox : public MainWindowTest {};

TEST_F(AboutBox, ShowsTheExecutablesProductLineAndNotice) {
    std::wstring product, notice, title;
    bool okFocused = false;
    ModalScript script;
    script.then([&](HWND dialog) {
        title = windowText(dialog);
        product = controlText(dialog, IDC_ABOUT_PRODUCT);
        notice = controlText(dialog, IDC_ABOUT_NOTICE);
        okFocused = GetFocus() == GetDlgItem(dialog, IDOK);
        saveScreenshot(dialog, L"about_box");
        clickButton(dialog, IDOK);
    });
    sendCommand(mainWindow(), IDM_ABOUT);
    EXPECT_EQ(title, L"About");
    EXPECT_EQ(product, loadResourceString(GetModuleHandleW(nullptr), IDS_PRODUCT_VERSION));
    EXPECT_NE(product.find(L"V4.02"), std::wstring::npos);
    EXPECT_EQ(notice, loadResourceString(GetModuleHandleW(nullptr), IDS_NOTICE_LINE));
    EXPECT_FALSE(notice.empty());
    EXPECT_TRUE(okFocused);
}

TEST_F(AboutBox, KeepsTheExecutablesTextsWhenALibrarySuppliesTheResources) {
    HMODULE library =
        LoadLibraryExW(testResourceLibraryPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(library, nullptr);
    ASSERT_EQ(loadResourceString(library, IDS_PRODUCT_VERSION), L"Bibliothek\n\nV9.99");
    setResourceModules(library, shell().exeInstance);
    std::wstring product, notice;
    ModalScript script;
    script.then([&](HWND dialog) {
        product = controlText(dialog, IDC_ABOUT_PRODUCT);
        notice = controlText(dialog, IDC_ABOUT_NOTICE);
        clickButton(dialog, IDOK);
    });
    showAboutBox(mainWindow());
    setResourceModules(shell().exeInstance, shell().exeInstance);
    FreeLibrary(library);
    EXPECT_EQ(product, loadResourceString(GetModuleHandleW(nullptr), IDS_PRODUCT_VERSION));
    EXPECT_EQ(notice, loadResourceString(GetModuleHandleW(nullptr), IDS_NOTICE_LINE));
}
