#include "harness/harness.h"

#include <cstdint>
#include <cstring>

using namespace harness;

namespace {

constexpr DWORD kAtOnceMs = 5000;
constexpr DWORD kExitMs = 10000;

// Maps the executable image into this process as well, which keeps its
// shared section alive between the program's runs (as a second running
// process would) and lets the test read the instance flag the program sees.
class MappedImage {
  public:
    explicit MappedImage(const std::wstring& path)
        : module_(LoadLibraryExW(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES)) {}
    ~MappedImage() {
        if (module_ != nullptr)
            FreeLibrary(module_);
    }
    MappedImage(const MappedImage&) = delete;
    MappedImage& operator=(const MappedImage&) = delete;

    volatile uint32_t* sharedFlag() const {
        if (module_ == nullptr)
            return nullptr;
        auto* base = reinterpret_cast<uint8_t*>(module_);
        auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
        auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
            if (std::memcmp(section->Name, "Shared\0", 7) == 0 &&
                (section->Characteristics & IMAGE_SCN_MEM_SHARED) != 0)
                return reinterpret_cast<volatile uint32_t*>(base + section->VirtualAddress);
        }
        return nullptr;
    }

  private:
    HMODULE module_;
};

void closeAndExpectExitCodeZero(ProgramProcess& process, HWND window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(process.waitForExit(kExitMs, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

} // namespace

TEST(SingleInstance, SecondProcessEndsAtOnceAndTheFlagIsClearedByANormalExit) {
    TempFolder folder;
    std::wstring exe = folder.copyIn(zeltExecutablePath(), L"Zelt.exe");
    ASSERT_FALSE(exe.empty());
    MappedImage image(exe);
    volatile uint32_t* flag = image.sharedFlag();
    ASSERT_NE(flag, nullptr) << "no shared section \"Shared\" in Zelt.exe";
    EXPECT_EQ(*flag, 0u);

    ProgramProcess first;
    ASSERT_TRUE(first.start(exe));
    HWND window = first.waitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(*flag, 1u);

    ProgramProcess second;
    ASSERT_TRUE(second.start(exe));
    DWORD exitCode = 1;
    ASSERT_TRUE(second.waitForExit(kAtOnceMs, exitCode)) << "the second instance kept running";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(first.running());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(*flag, 1u) << "the refused instance must leave the running one's flag set";

    closeAndExpectExitCodeZero(first, window);
    EXPECT_EQ(*flag, 0u);

    ProgramProcess again;
    ASSERT_TRUE(again.start(exe));
    HWND againWindow = again.waitForMainWindow();
    ASSERT_NE(againWindow, nullptr) << "the program did not start again after a normal exit";
    closeAndExpectExitCodeZero(again, againWindow);
}

TEST(SingleInstance, CopiesElsewhereRunSideBySide) {
    TempFolder firstFolder;
    TempFolder secondFolder;
    ProgramProcess first;
    ProgramProcess second;
    ASSERT_TRUE(first.start(firstFolder.copyIn(zeltExecutablePath(), L"Zelt.exe")));
    HWND firstWindow = first.waitForMainWindow();
    ASSERT_NE(firstWindow, nullptr);
    ASSERT_TRUE(second.start(secondFolder.copyIn(zeltExecutablePath(), L"Zelt.exe")));
    HWND secondWindow = second.waitForMainWindow();
    ASSERT_NE(secondWindow, nullptr);
    closeAndExpectExitCodeZero(second, secondWindow);
    closeAndExpectExitCodeZero(first, firstWindow);
}
