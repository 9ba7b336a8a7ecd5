#include "phone_book_window_test.h"

#include "resource_ids.h"
#include "win/win_text_win.h"

#include <fstream>
#include <iterator>

namespace {

using harness::MessageBoxRecord;
using harness::ModalScript;

class PhoneBookExchangeTest : public PhoneBookWindowTest {
  protected:
    LRESULT command(int commandId) { return harness::sendCommand(mainWindow(), commandId); }

    // Import `file`; `inPreview` drives the preview dialog.
    void importFile(const std::wstring& file, std::function<void(ModalScript&)> inPreview) {
        ModalScript script;
        harness::answerFileDialog(script, file);
        inPreview(script);
        command(IDM_IMPORT_PHONE_BOOK);
    }

    std::vector<std::vector<std::wstring>> previewRows;
    harness::TempFolder folder;
};

// Export, then import through the menu and the preview: Cancel changes
// nothing, OK stores the rows, shows them and arms the exit question;
// Replace puts the exported book back in place of the whole phone book.
TEST_F(PhoneBookExchangeTest, ExportImportThroughThePreview) {
    // A machine with the network kit, which e-mail destinations need; the
    // Groups get a registration date, which a file carries back.
    workspace().mirror.machineInformation.nicKit = 1;
    for (int key : {3, 6})
        putBytes(workspace().mirror.oneTouchTable[static_cast<size_t>(key)],
                 {{26, 0x61}, {27, 0x30}});
    const std::wstring exported = folder.file(L"book.csv");
    {
        ModalScript script;
        script.then([](HWND options) { harness::clickButton(options, IDOK); });
        harness::answerFileDialog(script, exported);
        command(IDM_EXPORT_PHONE_BOOK);
    }
    const std::string csv = [&] {
        std::ifstream in(wideToUtf8(exported), std::ios::binary);
        return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }();
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBFKind,Number,Name,Fax Number", 0), 0u) << csv;
    EXPECT_NE(csv.find("One Touch,2,Office,\"\t0301234\""), std::string::npos) << csv;
    EXPECT_NE(csv.find("Group,4,A,,,,,,,OT02 SD007"), std::string::npos) << csv;

    const std::wstring added = folder.file(L"new.csv");
    std::ofstream(wideToUtf8(added), std::ios::binary)
        << "Name,Fax Number,Number\r\nNew Friend,0123,20\r\nNo number,,\r\n";
    const RecordStore before = workspace().store;
    const SettingsMirror tables = workspace().mirror;
    const std::wstring report = folder.file(L"report.csv");
    importFile(added, [&](ModalScript& script) {
        script.then([](HWND preview) { harness::clickButton(preview, IDC_IMPORT_SAVE_REPORT); });
        harness::answerFileDialog(script, report);
        script.then([&](HWND preview) {
            previewRows = harness::listViewRows(GetDlgItem(preview, IDC_IMPORT_ROWS));
            EXPECT_EQ(harness::controlText(preview, IDC_IMPORT_SUMMARY),
                      L"1 of 2 rows will be stored. Nothing changes until you choose OK.");
            harness::clickButton(preview, IDCANCEL);
        });
    });
    ASSERT_EQ(previewRows.size(), 2u);
    EXPECT_EQ(previewRows[0], (std::vector<std::wstring>{L"2", L"Speed Dial 020", L"New Friend",
                                                         L"0123", L"Stored as is", L""}));
    EXPECT_EQ(previewRows[1][4], L"Refused");
    EXPECT_EQ(previewRows[1][5], L"There is no fax number and no e-mail address.");
    {
        std::ifstream saved(wideToUtf8(report), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(saved),
                               std::istreambuf_iterator<char>()};
        EXPECT_EQ(text, "\xEF\xBB\xBFLine,Goes to,Name,Number or address,What happens,Why\r\n"
                        "2,Speed Dial 020,New Friend,0123,Stored as is,\r\n"
                        "3,,No number,,Refused,There is no fax number and no e-mail address.\r\n");
    }
    EXPECT_TRUE(workspace().store == before);
    EXPECT_FALSE(workspace().modifiedFlag);

    selectRow(View::speedDial, 0);
    importFile(added, [](ModalScript& script) {
        script.then([](HWND preview) { harness::clickButton(preview, IDOK); });
    });
    EXPECT_EQ(row(19).at(1), L"New Friend");
    EXPECT_EQ(row(6).at(1), L"Shop");
    EXPECT_TRUE(workspace().modifiedFlag);

    importFile(exported, [](ModalScript& script) {
        script.then([](HWND preview) { harness::clickButton(preview, IDC_IMPORT_MODE_REPLACE); });
        script.then([](HWND preview) { harness::clickButton(preview, IDOK); });
    });
    EXPECT_EQ(row(19).at(1), L"");
    EXPECT_EQ(row(6).at(1), L"Shop");
    EXPECT_TRUE(workspace().mirror.oneTouchTable == tables.oneTouchTable);
    EXPECT_TRUE(workspace().mirror.speedDialTable == tables.speedDialTable);

    {
        ModalScript script;
        const MessageBoxRecord& question = script.answerMessageBox(IDCANCEL);
        command(IDM_EXIT);
        EXPECT_TRUE(question.shown);
    }
    EXPECT_TRUE(IsWindow(mainWindow()));
}

} // namespace
