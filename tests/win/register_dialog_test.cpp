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

TEST_F(RegisterDialogTest, ATrailingPlusMakesACombinationKeyAndDeletingItUndoesThat) {
    std::wstring title, plainTitle;
    bool nameOn = true, hourOn = true, speedOn = true, numberOn = false, nameBack = false;
    workspace().mirror.oneTouchTable[2].fill(0);
    registerRow(View::oneTouch, 2, {[&](HWND dialog) {
                    setControlText(dialog, IDC_NUMBER_EDIT, L"123+");
                    title = windowText(dialog);
                    nameOn = enabled(dialog, IDC_NAME_EDIT);
                    hourOn = enabled(dialog, IDC_BATCH_HOUR_EDIT);
                    speedOn = enabled(dialog, IDC_SPEED_9600);
                    numberOn = enabled(dialog, IDC_NUMBER_EDIT);
                    setControlText(dialog, IDC_NUMBER_EDIT, L"123");
                    plainTitle = windowText(dialog);
                    nameBack = enabled(dialog, IDC_NAME_EDIT);
                    clickButton(dialog, IDCANCEL);
                }});
    EXPECT_EQ(title, L"Register One Touch #03 (Combination Key)");
    EXPECT_FALSE(nameOn);
    EXPECT_FALSE(hourOn);
    EXPECT_FALSE(speedOn);
    EXPECT_TRUE(numberOn);
    EXPECT_EQ(plainTitle, L"Register One Touch #03");
    EXPECT_TRUE(nameBack);
}

TEST_F(RegisterDialogTest, FaxEntryTypedAndConfirmedIsStoredAndShown) {
    bool opensAsFax = false, at33k6 = false;
    registerRow(View::oneTouch, 0, {[&](HWND dialog) {
                    opensAsFax = checked(dialog, IDC_DESTINATION_FAX) &&
                                 controlText(dialog, IDC_NAME_EDIT).empty();
                    at33k6 = checked(dialog, IDC_SPEED_33600);
                    setControlText(dialog, IDC_NAME_EDIT, L"Front desk");
                    setControlText(dialog, IDC_NUMBER_EDIT, L"12a-3");
                    setControlText(dialog, IDC_BATCH_HOUR_EDIT, L"14");
                    setControlText(dialog, IDC_BATCH_MINUTE_EDIT, L"05");
                    clickButton(dialog, IDOK);
                }});
    EXPECT_TRUE(opensAsFax);
    EXPECT_TRUE(at33k6);
    EXPECT_EQ(row(0), (Row{L"01", L"Front desk", L"12-3", L"33.6K"}));
    EXPECT_EQ(listViewSelectedRow(list()), 0);
    const DialEntry stored = storedOneTouch(0);
    EXPECT_EQ(fieldText(stored.batchHour), "14");
    EXPECT_EQ(fieldText(stored.batchMinute), "05");
    EXPECT_NE(stored.regDate, 0);
    EXPECT_TRUE(workspace().modifiedFlag);
}

TEST_F(RegisterDialogTest, OkRefusesAnHourOutOfRangeWithTheRangeMessage) {
    selectRow(View::oneTouch, 0);
    ModalScript script;
    script.then([](HWND dialog) {
        setControlText(dialog, IDC_NUMBER_EDIT, L"1");
        setControlText(dialog, IDC_BATCH_HOUR_EDIT, L"24");
        clickButton(dialog, IDOK);
    });
    const MessageBoxRecord& refusal = script.answerMessageBox(IDOK);
    HWND focused = nullptr;
    script.then([&](HWND dialog) {
        focused = GetFocus() == GetDlgItem(dialog, IDC_BATCH_HOUR_EDIT) ? dialog : nullptr;
        clickButton(dialog, IDCANCEL);
    });
    command(IDM_ENTRY_PROPERTY);
    EXPECT_EQ(refusal.caption, L"Local Setup - Zelt");
    EXPECT_EQ(refusal.text, L"Invalid value : must be within 0 to 23 !");
    EXPECT_NE(focused, nullptr);
    EXPECT_EQ(storedOneTouch(0).used, 0) << "Cancel after the refusal stores nothing";
}

TEST_F(RegisterDialogTest, FaxToEmailAndBackLosesTheNumberAndCancelKeepsTheStoredEntry) {
    workspace().mirror.machineInformation.nicKit = 1;
    std::wstring numberAfter, label;
    bool addressShown = false, optionsShown = true;
    registerRow(View::oneTouch, 1,
                {[&](HWND dialog) { clickButton(dialog, IDC_DESTINATION_EMAIL); },
                 [&](HWND dialog) {
                     label = controlText(dialog, IDC_NUMBER_LABEL);
                     addressShown =
                         shown(dialog, IDC_EMAIL_ADDRESS_EDIT) && !shown(dialog, IDC_NUMBER_EDIT);
                     optionsShown = shown(dialog, IDC_EMAIL_PAPER_SIZE_COMBO);
                     setControlText(dialog, IDC_EMAIL_ADDRESS_EDIT, L"A,B@c.d");
                     clickButton(dialog, IDC_DESTINATION_FAX);
                 },
                 [&](HWND dialog) {
                     numberAfter = controlText(dialog, IDC_NUMBER_EDIT);
                     clickButton(dialog, IDCANCEL);
                 }});
    EXPECT_EQ(label, L" A&ddress:");
    EXPECT_TRUE(addressShown);
    EXPECT_FALSE(optionsShown);
    EXPECT_EQ(numberAfter, L"");
    EXPECT_EQ(row(1), (Row{L"02", L"Office", L"0301234", L"14.4K"}));
    EXPECT_EQ(fieldText(storedOneTouch(1).faxNumber), "0301234");
}

TEST_F(RegisterDialogTest, WithoutTheNetworkKitEmailStaysOffButAStoredAddressOpensAsEmail) {
    bool emailRadioOn = true, emailChecked = false;
    std::wstring address;
    registerRow(View::oneTouch, 2, {[&](HWND dialog) {
                    emailRadioOn = enabled(dialog, IDC_DESTINATION_EMAIL);
                    emailChecked = checked(dialog, IDC_DESTINATION_EMAIL);
                    address = controlText(dialog, IDC_EMAIL_ADDRESS_EDIT);
                    clickButton(dialog, IDCANCEL);
                }});
    EXPECT_FALSE(emailRadioOn);
    EXPECT_TRUE(emailChecked);
    EXPECT_EQ(address, L"a@b.example");
}

TEST_F(RegisterDialogTest, ACharacterOutsideTheCodePageIsRemovedAlone) {
    std::wstring name;
    registerRow(View::speedDial, 0, {[&](HWND dialog) {
                    setControlText(dialog, IDC_NAME_EDIT, L"M\u00fcl\u0416ler\u0101");
                    name = controlText(dialog, IDC_NAME_EDIT);
                    setControlText(dialog, IDC_NUMBER_EDIT, L"9");
                    clickButton(dialog, IDOK);
                }});
    EXPECT_EQ(name, L"M\u00fcller");
    EXPECT_EQ(row(0), (Row{L"001", L"M\u00fcller", L"9", L"33.6K"}));
}

TEST_F(RegisterDialogTest, AnEmailEntryWithCustomScanSettingsIsStored) {
    workspace().mirror.machineInformation.nicKit = 1;
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
}

} // namespace
