#include "phone_book_window_test.h"

#include "resource_ids.h"

#include <gtest/gtest.h>

using namespace harness;

namespace {

using Row = std::vector<std::wstring>;

bool enabled(HWND dialog, int controlId) {
    return IsWindowEnabled(GetDlgItem(dialog, controlId)) != FALSE;
}
bool shown(HWND dialog, int controlId) {
    return IsWindowVisible(GetDlgItem(dialog, controlId)) != FALSE;
}
bool checked(HWND dialog, int controlId) {
    return IsDlgButtonChecked(dialog, controlId) == BST_CHECKED;
}

class RegisterDialogTest : public PhoneBookWindowTest {
  protected:
    // Opens the register dialog of row `index` of `view` and runs `steps`
    // in it, one per turn of its modal loop.
    void registerRow(View view, int index, std::initializer_list<DialogStep> steps) {
        selectRow(view, index);
        ModalScript script;
        for (const DialogStep& step : steps)
            script.then(step);
        command(IDM_ENTRY_PROPERTY);
        EXPECT_TRUE(script.finished());
    }
    DialEntry storedOneTouch(int key) {
        return decodeOneTouch(workspace().mirror, workspace().programDialMarks, key);
    }
};

TEST_F(RegisterDialogTest, StoredAddressOpensAsEmailWithoutTheKitAndAPlusMakesACombinationKey) {
    SCOPED_TRACE("without the network kit e-mail stays off, but a stored address opens as e-mail");
    registerRow(View::oneTouch, 2, {[&](HWND dialog) {
                    EXPECT_FALSE(enabled(dialog, IDC_DESTINATION_EMAIL));
                    EXPECT_TRUE(checked(dialog, IDC_DESTINATION_EMAIL));
                    EXPECT_EQ(controlText(dialog, IDC_EMAIL_ADDRESS_EDIT), L"a@b.example");
                    clickButton(dialog, IDCANCEL);
                }});

    SCOPED_TRACE("a trailing plus makes a combination key and deleting it undoes that");
    workspace().mirror.oneTouchTable[2].fill(0);
    registerRow(View::oneTouch, 2, {[&](HWND dialog) {
                    setControlText(dialog, IDC_NUMBER_EDIT, L"123+");
                    EXPECT_EQ(windowText(dialog), L"Register One Touch #03 (Combination Key)");
                    EXPECT_FALSE(enabled(dialog, IDC_NAME_EDIT));
                    EXPECT_FALSE(enabled(dialog, IDC_BATCH_HOUR_EDIT));
                    EXPECT_FALSE(enabled(dialog, IDC_SPEED_9600));
                    EXPECT_TRUE(enabled(dialog, IDC_NUMBER_EDIT));
                    setControlText(dialog, IDC_NUMBER_EDIT, L"123");
                    EXPECT_EQ(windowText(dialog), L"Register One Touch #03");
                    EXPECT_TRUE(enabled(dialog, IDC_NAME_EDIT));
                    clickButton(dialog, IDCANCEL);
                }});
}

TEST_F(RegisterDialogTest, OkRefusesAnHourOutOfRangeThenAFaxEntryTypedIsStoredAndShown) {
    selectRow(View::oneTouch, 0);
    {
        ModalScript script;
        script.then([](HWND dialog) {
            setControlText(dialog, IDC_NUMBER_EDIT, L"1");
            setControlText(dialog, IDC_BATCH_HOUR_EDIT, L"24");
            clickButton(dialog, IDOK);
        });
        const MessageBoxRecord& refusal = script.answerMessageBox(IDOK);
        script.then([&](HWND dialog) {
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_BATCH_HOUR_EDIT));
            clickButton(dialog, IDCANCEL);
        });
        command(IDM_ENTRY_PROPERTY);
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(refusal.caption, L"Local Setup - Zelt");
        EXPECT_EQ(refusal.text, L"Invalid value : must be within 0 to 23 !");
        EXPECT_EQ(storedOneTouch(0).used, 0) << "Cancel after the refusal stores nothing";
    }

    SCOPED_TRACE("a fax entry typed and confirmed is stored and shown");
    registerRow(View::oneTouch, 0, {[&](HWND dialog) {
                    EXPECT_TRUE(checked(dialog, IDC_DESTINATION_FAX));
                    EXPECT_EQ(controlText(dialog, IDC_NAME_EDIT), L"");
                    EXPECT_TRUE(checked(dialog, IDC_SPEED_33600));
                    setControlText(dialog, IDC_NAME_EDIT, L"Front desk");
                    setControlText(dialog, IDC_NUMBER_EDIT, L"12a-3");
                    setControlText(dialog, IDC_BATCH_HOUR_EDIT, L"14");
                    setControlText(dialog, IDC_BATCH_MINUTE_EDIT, L"05");
                    clickButton(dialog, IDOK);
                }});
    EXPECT_EQ(row(0), (Row{L"01", L"Front desk", L"12-3", L"33.6K"}));
    EXPECT_EQ(listViewSelectedRow(list()), 0);
    const DialEntry stored = storedOneTouch(0);
    EXPECT_EQ(fieldText(stored.batchHour), "14");
    EXPECT_EQ(fieldText(stored.batchMinute), "05");
    EXPECT_NE(stored.regDate, 0);
    EXPECT_TRUE(workspace().modifiedFlag);
}

TEST_F(RegisterDialogTest, FaxToEmailAndBackLosesTheNumberAndEmailAndFilteredNamesAreStored) {
    workspace().mirror.machineInformation.nicKit = 1;
    registerRow(View::oneTouch, 1,
                {[&](HWND dialog) { clickButton(dialog, IDC_DESTINATION_EMAIL); },
                 [&](HWND dialog) {
                     EXPECT_EQ(controlText(dialog, IDC_NUMBER_LABEL), L" A&ddress:");
                     EXPECT_TRUE(shown(dialog, IDC_EMAIL_ADDRESS_EDIT));
                     EXPECT_FALSE(shown(dialog, IDC_NUMBER_EDIT));
                     EXPECT_FALSE(shown(dialog, IDC_EMAIL_PAPER_SIZE_COMBO));
                     setControlText(dialog, IDC_EMAIL_ADDRESS_EDIT, L"A,B@c.d");
                     clickButton(dialog, IDC_DESTINATION_FAX);
                 },
                 [&](HWND dialog) {
                     EXPECT_EQ(controlText(dialog, IDC_NUMBER_EDIT), L"");
                     clickButton(dialog, IDCANCEL);
                 }});
    EXPECT_EQ(row(1), (Row{L"02", L"Office", L"0301234", L"14.4K"}));
    EXPECT_EQ(fieldText(storedOneTouch(1).faxNumber), "0301234");

    SCOPED_TRACE("an e-mail entry with custom scan settings is stored");
    registerRow(
        View::speedDial, 4,
        {[&](HWND dialog) { clickButton(dialog, IDC_DESTINATION_EMAIL); },
         [&](HWND dialog) {
             setControlText(dialog, IDC_NAME_EDIT, L"Scans");
             setControlText(dialog, IDC_EMAIL_ADDRESS_EDIT, L"scan@example.com");
             clickButton(dialog, IDC_EMAIL_SCAN_SPECIFIED);
         },
         [&](HWND dialog) {
             EXPECT_TRUE(shown(dialog, IDC_EMAIL_CODING_COMBO));
             EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_EMAIL_PAPER_SIZE_COMBO, CB_GETCURSEL, 0, 0),
                       2);
             clickButton(dialog, IDOK);
         }});
    EXPECT_EQ(row(4), (Row{L"005", L"Scans", L"scan@example.com", L""}));
    DialEntry stored = decodeSpeedDial(workspace().mirror, workspace().store, 4);
    EXPECT_EQ(stored.emailScanOption, 1);
    EXPECT_EQ(stored.emailResolution, 1);

    SCOPED_TRACE("a character outside the code page is removed alone");
    registerRow(View::speedDial, 0, {[&](HWND dialog) {
                    setControlText(dialog, IDC_NAME_EDIT, L"M\u00fcl\u0416ler\u0101");
                    EXPECT_EQ(controlText(dialog, IDC_NAME_EDIT), L"M\u00fcller");
                    setControlText(dialog, IDC_NUMBER_EDIT, L"9");
                    clickButton(dialog, IDOK);
                }});
    EXPECT_EQ(row(0), (Row{L"001", L"M\u00fcller", L"9", L"33.6K"}));
}

} // namespace
