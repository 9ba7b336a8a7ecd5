// Print through "Select Print Items" and the system print dialog to the
// prefix's file printer; the PostScript is rendered by the host's tools to
// pictures (out/printed/) and to the text checked here.
#include "machine_test_support.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

using namespace harness;

namespace {

constexpr int kListBoxes[] = {IDC_PRINT_ONE_TOUCH_LIST, IDC_PRINT_SPEED_DIAL_LIST,
                              IDC_PRINT_GROUP_LIST};

class PrintListsTest : public MachineWindowTest {
  protected:
    void SetUp() override {
        MachineWindowTest::SetUp();
        output = defaultPrinterOutput();
        ASSERT_FALSE(output.empty()) << "the prefix has no default printer";
        DeleteFileW(output.c_str());
        connectAndDownload();
    }
    void TearDown() override {
        DeleteFileW(output.c_str());
        MachineWindowTest::TearDown();
    }

    // Print with only `keep` ticked, confirming the print dialog.
    void printOnly(int keep) {
        ModalScript script;
        script.then([&](HWND dialog) {
            for (int box : kListBoxes) {
                openedTicked = openedTicked && IsDlgButtonChecked(dialog, box) == BST_CHECKED;
                if (box != keep)
                    clickButton(dialog, box);
            }
            clickButton(dialog, IDOK);
        });
        script.then([](HWND printDialog) { clickButton(printDialog, IDOK); });
        command(IDM_PRINT);
    }

    bool printed() { return GetFileAttributesW(output.c_str()) != INVALID_FILE_ATTRIBUTES; }

    std::wstring output;
    bool openedTicked = true;
};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST_F(PrintListsTest, EachListPrintsItsTitleStationEntriesAndPageCount) {
    struct Case {
        int box;
        const char* name;
        std::vector<std::string> parts;
    };
    const Case cases[] = {
        {IDC_PRINT_ONE_TOUCH_LIST,
         "one-touch-list",
         {"One Touch", "OT#", "Head Office", "0P030 5550 1234", "33.6K", "accounts@example.com",
          "PROGRAM DIAL", "Total 1 page(s), page 1"}},
        {IDC_PRINT_SPEED_DIAL_LIST,
         "speed-dial-list",
         {"Speed Dial", "SD#", "A. Berger", "0171 555 0101", "c.dubois@example.org", "Night Line",
          "100"}},
        {IDC_PRINT_GROUP_LIST,
         "group-list",
         {"Group#", " Item Name", "Sales", "Everyone", "One Touch#1", "Speed Dial#8", "Warehouse",
          "Total 1 page(s), page 1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileW(output.c_str());
        printOnly(c.box);
        ASSERT_TRUE(printed());
        const std::string text = renderPrintedJob(output, c.name);
        ASSERT_FALSE(text.empty()) << "the job could not be rendered";
        for (const std::string& part : c.parts)
            EXPECT_TRUE(contains(text, part)) << part << " missing from:\n" << text;
        EXPECT_TRUE(contains(text, "Name : Reception"));
        EXPECT_TRUE(contains(text, "Tel : +49 30 5550 1000"));
        EXPECT_TRUE(std::regex_search(text, std::regex(R"(\d{1,2}/\d{1,2}/20\d\d)")));
    }
    EXPECT_TRUE(openedTicked) << "Select Print Items opens with every list ticked";
    EXPECT_EQ(workspace().printSelection, (PrintSelection{false, false, true}));
}

TEST_F(PrintListsTest, OnePrintDialogServesAllListsAndCancellingItPrintsNone) {
    {
        ModalScript script;
        script.then([](HWND dialog) { clickButton(dialog, IDOK); });
        script.then([](HWND printDialog) { clickButton(printDialog, IDCANCEL); });
        command(IDM_PRINT);
        EXPECT_TRUE(script.finished());
    }
    EXPECT_FALSE(printed()) << "a cancelled print dialog prints none of the lists";

    {
        ModalScript script;
        script.then([](HWND dialog) { clickButton(dialog, IDOK); });
        script.then([](HWND printDialog) { clickButton(printDialog, IDOK); });
        command(IDM_PRINT); // a second print dialog would fail the test as unexpected
    }
    ASSERT_TRUE(printed());
    // Each list is its own job on the one printer; the file printer writes
    // every job over the same file, so only the documents' name is checked.
    std::ifstream job{std::filesystem::path(output), std::ios::binary};
    const std::string postScript(std::istreambuf_iterator<char>(job), {});
    EXPECT_EQ(postScript.rfind("%!PS-Adobe", 0), 0u);
    EXPECT_TRUE(contains(postScript, "%%Title: Zelt documents"));

    const PrintSelection before = workspace().printSelection;
    {
        ModalScript script;
        script.then([](HWND dialog) {
            clickButton(dialog, IDC_PRINT_GROUP_LIST);
            clickButton(dialog, IDCANCEL);
        });
        command(IDM_PRINT);
    }
    EXPECT_EQ(workspace().printSelection, before) << "Cancel keeps the last choice";
}
