#include "harness/harness.h"

#include "resource_ids.h"

using namespace harness;

namespace {

constexpr wchar_t kLibraryName[] = L"A4QELD.DLL";

std::wstring titleOfProgramIn(const TempFolder& folder) {
    ProgramProcess program;
    if (!program.start(folder.file(L"Zelt.exe")))
        return L"(did not start)";
    HWND window = program.waitForMainWindow();
    if (window == nullptr)
        return L"(no window)";
    std::wstring title = windowText(window);
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    EXPECT_TRUE(program.waitForExit(10000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    return title;
}

} // namespace

TEST(ResourceLibrary, TitleTextsComeFromTheLibraryBesideTheProgram) {
    TempFolder folder;
    ASSERT_FALSE(folder.copyIn(zeltExecutablePath(), L"Zelt.exe").empty());
    EXPECT_EQ(titleOfProgramIn(folder), L"Local Setup - Zelt - NewFile.Dat");

    ASSERT_FALSE(folder.copyIn(testResourceLibraryPath(), kLibraryName).empty());
    EXPECT_EQ(titleOfProgramIn(folder), L"Bibliothek Einrichtung - Neue Datei \u00fc.Dat");
}
