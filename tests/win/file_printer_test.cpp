// The template prefix's default printer writes each job to a PostScript
// file; printing tests read that file.
#include "harness/harness.h"

#include <commdlg.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using namespace harness;

namespace {

std::string fileContents(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(FilePrinter, AJobStartedFromThePrintDialogIsWrittenAsPostScript) {
    std::wstring output = defaultPrinterOutput();
    ASSERT_FALSE(output.empty()) << "the prefix has no default printer";
    DeleteFileW(output.c_str());

    PRINTDLGW choice = {};
    choice.lStructSize = sizeof(choice);
    choice.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS;
    {
        ModalScript script;
        script.then([](HWND dialog) { clickButton(dialog, IDOK); });
        ASSERT_TRUE(PrintDlgW(&choice)) << "print dialog error " << CommDlgExtendedError();
    }
    ASSERT_NE(choice.hDC, nullptr);
    EXPECT_EQ(GetDeviceCaps(choice.hDC, LOGPIXELSY), 300);

    DOCINFOW document = {sizeof(document), L"Zelt printer check"};
    EXPECT_GT(StartDocW(choice.hDC, &document), 0);
    EXPECT_GT(StartPage(choice.hDC), 0);
    const wchar_t line[] = L"One Touch List";
    TextOutW(choice.hDC, 300, 300, line, static_cast<int>(std::size(line) - 1));
    Rectangle(choice.hDC, 250, 250, 1200, 450);
    EXPECT_GT(EndPage(choice.hDC), 0);
    EXPECT_GT(EndDoc(choice.hDC), 0);
    DeleteDC(choice.hDC);
    GlobalFree(choice.hDevMode);
    GlobalFree(choice.hDevNames);

    std::string job = fileContents(output);
    EXPECT_EQ(job.rfind("%!PS-Adobe", 0), 0u) << "not PostScript: " << job.substr(0, 40);
    EXPECT_NE(job.find("%%Title: Zelt printer check"), std::string::npos);
    EXPECT_NE(job.find("showpage"), std::string::npos);
    DeleteFileW(output.c_str());
}
