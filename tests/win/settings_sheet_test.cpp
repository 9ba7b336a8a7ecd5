#include "harness/harness.h"
#include "resource_ids.h"

#include "app/tree_win.h"
#include "link/sample_machine_image.h"
#include "machine_test_support.h"
#include "store/data_file.h"
#include "win/win_text_win.h"

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

using namespace harness;

namespace {

constexpr int kMachineSettingPage = 0;
constexpr int kPaperSourcePage = 1;
constexpr int kTxOperationPage = 3;
constexpr int kRxOperationPage = 4;
constexpr int kEmailPage = 6;
constexpr int kNetworkPage = 7;
constexpr size_t kMemoryRxSlot = 38;    // 0x10400, the schedule follows
constexpr size_t kSelectTray2Slot = 47; // 0x10409
constexpr size_t kBuzzerSlot = 11;      // 0x10008
constexpr size_t kHeaderSlot = 37;      // 0x10302
constexpr size_t kCountrySlot = 2;      // 0x10a00
constexpr size_t kTray1SizeSlot = 21;   // 0x10101
constexpr int kApplyButton = 0x3021;    // the sheet's own Apply button

class SettingsSheetTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        workspace().store = sampleMachineImage();
        workspace().store.slots[kBuzzerSlot].payload[0] = 0x00;
        workspace().store.slots[kCountrySlot].payload[0] = 20; // France
        workspace().store.slots[kHeaderSlot].payload[0] = 0;
        unpackStore(workspace().store, workspace().mirror);
        workspace().view.documentLoaded = true;
    }

    void openSheet() { sendCommand(mainWindow(), IDM_SETTINGS_MENU); }

    bool sameStoreAs(const RecordStore& other) {
        return std::memcmp(&workspace().store, &other, sizeof(RecordStore)) == 0;
    }

    // A step that goes to page `index` and acts on it.
    static DialogStep onPage(int index, std::function<void(HWND page)> act) {
        return [index, act](HWND sheet) {
            selectSheetPage(sheet, index);
            act(currentSheetPage(sheet));
        };
    }

    static void choose(HWND page, int comboId, int index) {
        HWND combo = GetDlgItem(page, comboId);
        ASSERT_NE(combo, nullptr);
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    }

    static void press(ModalScript& script, int button) {
        script.then([button](HWND sheet) { pressSheetButton(sheet, button); });
    }

    static std::vector<std::wstring> tabTexts(HWND sheet) {
        HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
        std::vector<std::wstring> texts;
        const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[64] = {};
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = 64;
            SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
            texts.push_back(text);
        }
        return texts;
    }
};

} // namespace

TEST_F(SettingsSheetTest, NetworkPagesOnlyWithTheKitAndAPictureOfEachPage) {
    for (uint8_t kit : {0, 1}) {
        workspace().store.slots[0].payload[3] = kit;
        std::vector<std::wstring> tabs;
        std::wstring caption;
        LONG_PTR exStyle = 0;
        {
            ModalScript script;
            script.then([&](HWND sheet) {
                tabs = tabTexts(sheet);
                caption = windowText(sheet);
                exStyle = GetWindowLongPtrW(sheet, GWL_EXSTYLE);
                for (size_t i = 0; kit == 1 && i < tabs.size(); ++i) {
                    selectSheetPage(sheet, static_cast<int>(i));
                    saveScreenshot(sheet, L"settings-page-" + std::to_wstring(i + 1));
                }
                pressSheetButton(sheet, PSBTN_CANCEL);
            });
            openSheet();
        }
        EXPECT_EQ(caption, L"Menu");
        EXPECT_EQ(exStyle & WS_EX_CONTEXTHELP, 0) << "no context-help button";
        std::vector<std::wstring> expected = {
            L"Machine Setting", L"Paper source", L"Copy Setting / Direct Print",
            L"TX Operation",    L"RX Operation", L"Communication/Report"};
        if (kit == 1)
            expected.insert(expected.end(),
                            {L"E-Mail Setting", L"Network Setting", L"Scanner Setting"});
        EXPECT_EQ(tabs, expected);
    }
}

// OK with nothing edited packs nothing; Apply packs and stays open, a second
// Apply does nothing, and closing then asks to save; Cancel leaves store and
// mirror as they were, so the next Save writes the old values.
TEST_F(SettingsSheetTest, OkApplyAndCancelPackOnlyWhatWasEdited) {
    StepTrace step;
    step("OK, nothing edited");
    fillTree(mainWindow());
    selectTreeItem(mainWindow(), View::speedDial);
    ASSERT_EQ(workspace().view.currentView, View::speedDial);
    RecordStore before = workspace().store;
    HWND owner = nullptr;
    View viewMeanwhile = View::speedDial;
    {
        ModalScript script;
        script.then([&](HWND sheet) {
            owner = GetWindow(sheet, GW_OWNER);
            viewMeanwhile = workspace().view.currentView;
            pressSheetButton(sheet, PSBTN_OK);
        });
        openSheet();
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(owner, mainWindow());
    EXPECT_EQ(viewMeanwhile, View::none) << "the tree shows the machine";
    EXPECT_TRUE(sameStoreAs(before));
    EXPECT_FALSE(workspace().modifiedFlag);

    step("Apply, then Apply again");
    bool openAfterApply = false;
    uint8_t storedAfterApply = 0;
    bool modifiedAfterSecondApply = true;
    {
        ModalScript script;
        script.then(
            onPage(kMachineSettingPage, [](HWND page) { clickButton(page, IDC_BUZZER_OFF); }));
        press(script, PSBTN_APPLYNOW);
        script.then([&](HWND sheet) {
            openAfterApply = IsWindowVisible(sheet) != FALSE;
            storedAfterApply = workspace().store.slots[kBuzzerSlot].payload[0];
            EXPECT_TRUE(workspace().modifiedFlag);
            workspace().modifiedFlag = false;
            pressSheetButton(sheet, PSBTN_APPLYNOW);
        });
        script.then([&](HWND sheet) {
            modifiedAfterSecondApply = workspace().modifiedFlag;
            workspace().modifiedFlag = true;
            pressSheetButton(sheet, PSBTN_OK);
        });
        openSheet();
    }
    EXPECT_TRUE(openAfterApply);
    EXPECT_EQ(storedAfterApply, 0x80);
    EXPECT_FALSE(modifiedAfterSecondApply);
    {
        ModalScript script;
        const MessageBoxRecord& question = script.answerMessageBox(IDCANCEL);
        sendCommand(mainWindow(), IDM_EXIT);
        EXPECT_EQ(question.text, L"Is Change NewFile.Dat Saved ?");
    }

    step("Cancel");
    workspace().modifiedFlag = false;
    before = workspace().store;
    {
        ModalScript script;
        script.then(
            onPage(kMachineSettingPage, [](HWND page) { clickButton(page, IDC_BUZZER_LOW); }));
        script.then(onPage(kPaperSourcePage,
                           [](HWND page) { clickButton(page, IDC_TRAY1_TYPE_ENVELOPE); }));
        press(script, PSBTN_CANCEL);
        openSheet();
    }
    EXPECT_TRUE(sameStoreAs(before));
    EXPECT_EQ(workspace().mirror.buzzerVolume, 0x80);
    EXPECT_EQ(workspace().mirror.tray1PaperType, before.slots[20].payload[0]);
    EXPECT_FALSE(workspace().modifiedFlag);
    TempFolder folder;
    workspace().currentFilePath = wideToUtf8(folder.file(L"after-cancel.dat"));
    workspace().modifiedFlag = true;
    sendCommand(mainWindow(), IDM_SAVE);
    RecordStore saved;
    initStore(saved);
    ASSERT_EQ(readDataFile(workspace().currentFilePath, saved), 1);
    EXPECT_EQ(saved.slots[kBuzzerSlot].payload[0], 0x80);
    EXPECT_EQ(saved.slots[20].payload[0], before.slots[20].payload[0]);
}

// One session editing each kind of control: the envelope paper type refills
// the size list, the inverted check box, Korea turning the header on and
// showing it fixed, the scroll bar and a combo box; each enables Apply and
// OK stores its encoding.
TEST_F(SettingsSheetTest, EachKindOfControlStoresItsEncoding) {
    RecordStore& store = workspace().store;
    store.slots[14].payload[0] = 0;              // Auto Continue on, stored inverted
    store.slots[35].payload[0] = 0x08;           // scan contrast in the middle
    store.slots[20].payload[0] = 0;              // plain paper
    store.slots[kTray1SizeSlot].payload[0] = 11; // Legal
    std::wstring sizeBefore, sizeAfter;
    bool headerChecked = false, headerEnabled = true, applyEnabledAfterEdit = false;
    int thumbAfterRight = -1;
    {
        ModalScript script;
        script.then(onPage(kPaperSourcePage, [&](HWND page) {
            sizeBefore = controlText(page, IDC_TRAY1_SIZE_COMBO);
            clickButton(page, IDC_TRAY1_TYPE_ENVELOPE);
        }));
        script.then([&](HWND sheet) {
            sizeAfter = controlText(currentSheetPage(sheet), IDC_TRAY1_SIZE_COMBO);
        });
        script.then(onPage(kMachineSettingPage, [](HWND page) {
            EXPECT_EQ(IsDlgButtonChecked(page, IDC_AUTO_CONTINUE_CHECK), BST_CHECKED);
            clickButton(page, IDC_AUTO_CONTINUE_CHECK);
            choose(page, IDC_COUNTRY_COMBO, IDS_COUNTRY_KOREA - IDS_COUNTRY_ARGENTINA);
        }));
        script.then(onPage(kTxOperationPage, [&](HWND page) {
            headerChecked = IsDlgButtonChecked(page, IDC_HEADER_CHECK) == BST_CHECKED;
            headerEnabled = IsWindowEnabled(GetDlgItem(page, IDC_HEADER_CHECK)) != FALSE;
            HWND bar = GetDlgItem(page, IDC_SCAN_CONTRAST_SCROLL);
            EXPECT_EQ(GetScrollPos(bar, SB_CTL), 1);
            SendMessageW(page, WM_HSCROLL, MAKEWPARAM(SB_RIGHT, 0), reinterpret_cast<LPARAM>(bar));
            thumbAfterRight = GetScrollPos(bar, SB_CTL);
            choose(page, IDC_TX_RESOLUTION_COMBO, 3);
            applyEnabledAfterEdit =
                IsWindowEnabled(GetDlgItem(GetParent(page), kApplyButton)) != FALSE;
        }));
        press(script, PSBTN_OK);
        openSheet();
    }
    EXPECT_EQ(sizeBefore, L"Legal");
    EXPECT_EQ(sizeAfter, L"Envelope Com10");
    EXPECT_EQ(store.slots[kTray1SizeSlot].payload[0], 25);
    EXPECT_TRUE(headerChecked);
    EXPECT_FALSE(headerEnabled);
    EXPECT_EQ(store.slots[kCountrySlot].payload[0], 25);
    EXPECT_EQ(store.slots[kHeaderSlot].payload[0], 2);
    EXPECT_TRUE(applyEnabledAfterEdit);
    EXPECT_EQ(thumbAfterRight, 2);
    EXPECT_EQ(store.slots[14].payload[0], 1) << "cleared box stores 1";
    EXPECT_EQ(store.slots[35].payload[0], 0x10);
    EXPECT_EQ(store.slots[36].payload[0], 4) << "Halftone/Standard";
    EXPECT_TRUE(workspace().modifiedFlag);
}

// Memory reception as a user meets it: switching it off wants the stored
// password, a short password is refused on leaving, the Select Tray dialog
// keeps its choice only with OK, and a new password is stored on Apply.
TEST_F(SettingsSheetTest, RxPasswordRulesAndTheSelectTrayDialog) {
    RecordStore& store = workspace().store;
    store.slots[kMemoryRxSlot].payload[0] = 0x80;
    std::memcpy(&store.slots[kMemoryRxSlot + 1].payload[4], "1234", 4);
    store.slots[0].payload[1] = 1; // second tray
    unpackStore(store, workspace().mirror);
    bool stillOn = false, passwordFocused = false;
    ModalScript script;
    script.then(onPage(kRxOperationPage, [](HWND page) { clickButton(page, IDC_MEMORY_RX_OFF); }));
    const MessageBoxRecord& notCorrect = script.answerMessageBox(IDOK);
    script.then([&](HWND sheet) {
        HWND page = currentSheetPage(sheet);
        stillOn = IsDlgButtonChecked(page, IDC_MEMORY_RX_ON) == BST_CHECKED;
        passwordFocused = GetFocus() == GetDlgItem(page, IDC_RX_PASSWORD_EDIT);
        clickButton(page, IDC_SELECT_TRAY_BUTTON);
    });
    script.then([](HWND dialog) {
        clickButton(dialog, IDC_TRAY2_ENABLE);
        clickButton(dialog, IDCANCEL);
    });
    script.then([](HWND sheet) { clickButton(currentSheetPage(sheet), IDC_SELECT_TRAY_BUTTON); });
    script.then([](HWND dialog) {
        clickButton(dialog, IDC_TRAY2_ENABLE);
        clickButton(dialog, IDOK);
    });
    script.then([](HWND sheet) {
        setControlText(currentSheetPage(sheet), IDC_RX_PASSWORD_EDIT, L"12");
        pressSheetButton(sheet, PSBTN_OK);
    });
    const MessageBoxRecord& tooShort = script.answerMessageBox(IDOK);
    script.then([&](HWND sheet) {
        setControlText(currentSheetPage(sheet), IDC_RX_PASSWORD_EDIT, L"1234");
        pressSheetButton(sheet, PSBTN_OK);
    });
    openSheet();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(notCorrect.text, L"Password is not correct !");
    EXPECT_TRUE(stillOn);
    EXPECT_TRUE(passwordFocused);
    EXPECT_EQ(tooShort.text, L"Invalid password : must be within 0000 to 9999 !");
    EXPECT_EQ(store.slots[kSelectTray2Slot].payload[0], 2) << "OK kept the second choice only";
    EXPECT_EQ(std::memcmp(&store.slots[kMemoryRxSlot + 1].payload[4], "1234", 4), 0)
        << "no switch, so the password stays";
    EXPECT_TRUE(workspace().modifiedFlag);
}

// An unsupported language type is reported once as the sheet opens and the
// page stays usable; leaving the E-Mail page with a bad address stays on it.
TEST_F(SettingsSheetTest, UnsupportedLanguageAndABadAddressAreRefusedInPlace) {
    workspace().store.slots[0].payload[3] = 1;   // network interface kit
    workspace().store.slots[66].payload[0] = 25; // SMTP port
    workspace().store.slots[8].payload[0] = 2;   // 0x10005
    const RecordStore before = workspace().store;
    int pageAfterLeave = -1, languages = -1;
    bool addressFocused = false;
    ModalScript script;
    const MessageBoxRecord& language = script.answerMessageBox(IDOK);
    script.then([&](HWND sheet) {
        languages = static_cast<int>(SendDlgItemMessageW(currentSheetPage(sheet),
                                                         IDC_LANGUAGE_COMBO, CB_GETCOUNT, 0, 0));
    });
    script.then(onPage(kEmailPage, [](HWND page) {
        setControlText(page, IDC_SENDER_ADDRESS_EDIT, L"office@example");
        // Posted, so the refusal's message box comes up in the sheet's loop.
        PostMessageW(GetParent(page), PSM_SETCURSEL, kNetworkPage, 0);
    }));
    const MessageBoxRecord& invalid = script.answerMessageBox(IDOK);
    script.then([&](HWND sheet) {
        HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
        pageAfterLeave = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
        addressFocused = GetFocus() == GetDlgItem(currentSheetPage(sheet), IDC_SENDER_ADDRESS_EDIT);
        pressSheetButton(sheet, PSBTN_CANCEL);
    });
    openSheet();
    EXPECT_EQ(language.caption, L"Error");
    EXPECT_EQ(language.text, L"Not Support Language Type 3");
    EXPECT_EQ(languages, 0);
    EXPECT_EQ(invalid.text, L"E-Mail address is invalid !\n\nExample: office@example.com");
    EXPECT_EQ(pageAfterLeave, kEmailPage);
    EXPECT_TRUE(addressFocused);
    EXPECT_TRUE(sameStoreAs(before));
}

namespace {

constexpr size_t kAddressSlots[] = {56, 57, 58, 59, 60, 61}; // 0x10700 ... 0x10707

void putWord(RecordStore& store, size_t slot, uint32_t value) {
    std::memcpy(store.slots[slot].payload.data(), &value, sizeof value);
}

// Re-types the address a control shows, as the user would.
void retype(HWND page, int controlId, uint32_t address) {
    HWND control = GetDlgItem(page, controlId);
    SetFocus(control);
    SendMessageW(control, IPM_SETADDRESS, 0, static_cast<LPARAM>(address));
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(controlId, EN_CHANGE),
                 reinterpret_cast<LPARAM>(control));
}

} // namespace

// Only a changed address makes the machine restart its network; the Upload
// carries the flag and the poll that meets the restart says nothing.
TEST_F(MachineWindowTest, NetworkChangesReachTheMachineAndItsRestartIsSilent) {
    machine.image.slots[0].payload[3] = 1;
    machine.image.slots[kAddressSlots[0]].payload[0] = 1; // fixed address
    putWord(machine.image, kAddressSlots[1], 0xC0A8010A); // 192.168.1.10
    putWord(machine.image, kAddressSlots[2], 0xFFFFFF00);
    putWord(machine.image, kAddressSlots[3], 0xC0A80101);
    machine.image.slots[kAddressSlots[4]].payload[0] = 0x80;
    putWord(machine.image, kAddressSlots[5], 0x0500000A); // 10.0.0.5, first field last
    std::vector<std::string> exchanges;
    machine.onExchange = [&](const std::string& line) { exchanges.push_back(line); };
    connectAndDownload();

    const auto editNetwork = [this](std::function<void(HWND page)> edit) {
        ModalScript script;
        script.then([edit](HWND sheet) {
            selectSheetPage(sheet, kNetworkPage);
            edit(currentSheetPage(sheet));
            pressSheetButton(sheet, PSBTN_OK);
        });
        command(IDM_SETTINGS_MENU);
        EXPECT_TRUE(script.finished());
    };
    DWORD serverShown = 0;
    editNetwork([&](HWND page) {
        SendDlgItemMessageW(page, IDC_SERVER_ADDRESS, IPM_GETADDRESS, 0,
                            reinterpret_cast<LPARAM>(&serverShown));
        retype(page, IDC_IP_ADDRESS, 0xC0A8010A);
        SetFocus(GetDlgItem(page, IDC_SERVER_ADDRESS));
        SetFocus(GetDlgItem(page, IDC_NETWORK_OPTION_CHECK));
    });
    EXPECT_EQ(workspace().networkChangeFlag, 0);
    editNetwork([](HWND page) { retype(page, IDC_IP_ADDRESS, 0xC0A8010B); });
    EXPECT_EQ(workspace().networkChangeFlag, 1);

    ModalScript script;
    const auto shown = answerChanges(script, IDOK);
    command(IDM_UPLOAD);
    EXPECT_NE(shown->list.find(L"Network Setting: IP Address: 192.168.1.10 \u2192 192.168.1.11"),
              std::wstring::npos)
        << shown->list;
    EXPECT_EQ(machine.image.slots[kAddressSlots[1]].payload[0], 0x0B);
    timerTick();
    EXPECT_TRUE(script.finished()) << "no message box after the question";
    EXPECT_EQ(workspace().view.connected, 0);
    EXPECT_EQ(workspace().networkChangeFlag, 0);
    EXPECT_NE(std::find(exchanges.begin(), exchanges.end(), "finish flag 1"), exchanges.end());
    EXPECT_NE(
        std::find(exchanges.begin(), exchanges.end(), "connection refused: network restarting"),
        exchanges.end());
    EXPECT_EQ(serverShown, 0x0A000005u) << "shown as typed: 10.0.0.5";
}
