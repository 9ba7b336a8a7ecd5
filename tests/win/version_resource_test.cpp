#include "harness/harness.h"

#include "resource_ids.h"
#include "win/win_text_win.h"

#include <string>
#include <vector>

using namespace harness;

namespace {

// Zelt.exe's version resource as the file's properties show it.
class VersionResource {
  public:
    explicit VersionResource(const std::wstring& file) {
        DWORD unused = 0;
        const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &unused);
        if (size == 0)
            return;
        data_.resize(size);
        if (!GetFileVersionInfoW(file.c_str(), 0, size, data_.data()))
            data_.clear();
    }

    bool present() const { return !data_.empty(); }

    const VS_FIXEDFILEINFO* fixed() const {
        void* value = nullptr;
        UINT length = 0;
        if (!present() || !VerQueryValueW(data_.data(), L"\\", &value, &length) ||
            length < sizeof(VS_FIXEDFILEINFO))
            return nullptr;
        return static_cast<const VS_FIXEDFILEINFO*>(value);
    }

    // A value of the U.S. English, Unicode string block; "" when absent.
    std::wstring text(const std::wstring& name) const {
        void* value = nullptr;
        UINT length = 0;
        const std::wstring path = L"\\StringFileInfo\\040904B0\\" + name;
        if (!present() || !VerQueryValueW(data_.data(), path.c_str(), &value, &length) ||
            length == 0)
            return {};
        return static_cast<const wchar_t*>(value);
    }

  private:
    std::vector<BYTE> data_;
};

} // namespace

// The version resource and the About box are made from the same product
// name, version and copyright line; the file's properties, the installer and
// a support call must never see a different version from the one the
// program shows.
TEST(VersionResource, NamesTheProductVersionAndNoticeTheAboutBoxShows) {
    const std::wstring exe = zeltExecutablePath();
    const VersionResource version(exe);
    ASSERT_TRUE(version.present()) << "Zelt.exe has no version resource";

    HMODULE image = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr);
    const std::wstring aboutProduct = loadResourceString(image, IDS_PRODUCT_VERSION);
    const std::wstring aboutNotice = loadResourceString(image, IDS_NOTICE_LINE);
    FreeLibrary(image);

    EXPECT_EQ(version.text(L"ProductName"), L"Zelt Local Setup");
    EXPECT_EQ(version.text(L"FileDescription"), version.text(L"ProductName"));
    EXPECT_EQ(aboutProduct,
              version.text(L"ProductName") + L"\n\nV" + version.text(L"ProductVersion"));
    EXPECT_EQ(version.text(L"FileVersion"), version.text(L"ProductVersion"));
    EXPECT_EQ(version.text(L"LegalCopyright"), aboutNotice);
    EXPECT_FALSE(version.text(L"CompanyName").empty());
    EXPECT_EQ(version.text(L"OriginalFilename"), L"Zelt.exe");
}

// "4.02" is version 4.2.0.0 in the numbers Windows compares, in the file and
// the product version alike.
TEST(VersionResource, NumbersMatchTheVersionText) {
    const VersionResource version(zeltExecutablePath());
    const VS_FIXEDFILEINFO* fixed = version.fixed();
    ASSERT_NE(fixed, nullptr);
    const std::wstring text = version.text(L"ProductVersion");
    const size_t dot = text.find(L'.');
    ASSERT_NE(dot, std::wstring::npos) << "version text: " << text.c_str();
    const unsigned major = std::stoul(text.substr(0, dot));
    const unsigned minor = std::stoul(text.substr(dot + 1));

    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), major);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), minor);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}
