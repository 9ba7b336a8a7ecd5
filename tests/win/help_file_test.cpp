// The help file that the build places beside the programs opens in the
// system's HTML Help viewer, under its own title and with its contents.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// HTML Help's entry point, reached the way the program reaches it: by ordinal
// from the HTML Help control.
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
constexpr UINT kDisplayTopic = 0x0000;
constexpr UINT kCloseAll = 0x0012;
constexpr WORD kHtmlHelpOrdinal = 14;

std::string helpFileBesideThisProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + "pyrite.chm";
}

BOOL CALLBACK findTreeView(HWND window, LPARAM found) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (lstrcmpW(className, WC_TREEVIEWW) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

std::vector<std::wstring> topLevelTexts(HWND tree) {
    std::vector<std::wstring> texts;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    while (item != nullptr) {
        wchar_t text[128] = {};
        TVITEMW query = {};
        query.mask = TVIF_TEXT;
        query.hItem = item;
        query.pszText = text;
        query.cchTextMax = 128;
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
        texts.emplace_back(text);
        item = reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    }
    return texts;
}

} // namespace

TEST(HelpFile, OpensInTheHtmlHelpViewerWithItsTitleAndContents) {
    const std::string helpFile = helpFileBesideThisProgram();
    ASSERT_NE(GetFileAttributesA(helpFile.c_str()), INVALID_FILE_ATTRIBUTES)
        << helpFile << " is missing: the build places pyrite.chm beside the programs";

    HMODULE control = LoadLibraryA("hhctrl.ocx");
    ASSERT_NE(control, nullptr);
    // Through the generic function type, which GCC accepts between unrelated ones.
    auto htmlHelp = reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(control, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
    ASSERT_NE(htmlHelp, nullptr);

    HWND viewer = htmlHelp(nullptr, helpFile.c_str(), kDisplayTopic, 0);
    ASSERT_NE(viewer, nullptr);
    wchar_t title[128] = {};
    GetWindowTextW(viewer, title, 128);
    EXPECT_STREQ(title, L"Zelt Help");

    HWND contents = nullptr;
    EnumChildWindows(viewer, findTreeView, reinterpret_cast<LPARAM>(&contents));
    ASSERT_NE(contents, nullptr);
    const std::vector<std::wstring> chapters = {L"Welcome to Zelt",
                                                L"Getting started",
                                                L"The main window",
                                                L"The phone book",
                                                L"Groups",
                                                L"Machine settings",
                                                L"Data files and the backup",
                                                L"Connecting to the machine",
                                                L"Troubleshooting"};
    EXPECT_EQ(topLevelTexts(contents), chapters);

    htmlHelp(nullptr, nullptr, kCloseAll, 0);
    FreeLibrary(control);
}
