// The machine dialogs opened from the Machine menu, driven through their
// controls against the simulated machine's image.
#include "machine_test_support.h"

#include <cstring>

using namespace harness;

namespace {

class MachineDialogsTest : public MachineWindowTest {
  protected:
    std::wstring treeRootText() { return treeItemLines(shell().tree).at(0); }

    // The station name as the machine holds it after an Upload.
    std::string machineStationName() {
        const SettingRecord& record = machine.image.slots[kStationNameSlot];
        const auto* bytes = reinterpret_cast<const char*>(record.payload.data());
        return std::string(bytes, std::min<size_t>(record.payloadLength, kPayloadSize));
    }

    void upload() {
        ModalScript script;
        answerChanges(script, IDOK);
        script.answerMessageBox(IDOK); // verified
        command(IDM_UPLOAD);
    }
};

} // namespace

TEST_F(MachineDialogsTest, PropertiesCancelLeavesBothRecordsAndTheTreeAsTheyWere) {
    connectAndDownload();
    workspace().modifiedFlag = false;
    const RecordStore before = workspace().store;
    const std::wstring root = treeRootText();
    ASSERT_EQ(root, L"Reception");
    std::wstring shownName, shownNumber;
    {
        ModalScript script;
        script.then([&](HWND dialog) {
            shownName = controlText(dialog, IDC_NAME_EDIT);
            shownNumber = controlText(dialog, IDC_NUMBER_EDIT);
            setControlText(dialog, IDC_NAME_EDIT, L"Someone Else");
            setControlText(dialog, IDC_NUMBER_EDIT, L"999");
            clickButton(dialog, IDCANCEL);
        });
        command(IDM_PROPERTIES);
    }
    EXPECT_EQ(shownName, L"Reception");
    EXPECT_EQ(shownNumber, L"+49 30 5550 1000");
    EXPECT_EQ(std::memcmp(&workspace().store, &before, sizeof before), 0);
    EXPECT_EQ(fieldText(workspace().mirror.stationName), "Reception");
    EXPECT_EQ(treeRootText(), root);
    EXPECT_FALSE(workspace().modifiedFlag) << "nothing was changed";
}

TEST_F(MachineDialogsTest, PropertiesOkRenamesTheTreeMarksTheImageAndUploadsTheWholeName) {
    connectAndDownload();
    workspace().modifiedFlag = false;
    std::wstring filteredNumber;
    bool nameFocused = false;
    {
        ModalScript script;
        script.then([&](HWND dialog) {
            nameFocused = GetFocus() == GetDlgItem(dialog, IDC_NAME_EDIT);
            // Letters are not part of a telephone number; a character the
            // machine's code page cannot hold is not part of a name.
            setControlText(dialog, IDC_NUMBER_EDIT, L"12a-3");
            filteredNumber = controlText(dialog, IDC_NUMBER_EDIT);
            setControlText(dialog, IDC_NAME_EDIT, L"Front Office \u4e00Main Building East");
            clickButton(dialog, IDOK);
        });
        command(IDM_PROPERTIES);
    }
    EXPECT_TRUE(nameFocused);
    EXPECT_EQ(filteredNumber, L"12-3");
    EXPECT_EQ(treeRootText(), L"Front Office Main Building East");
    EXPECT_TRUE(workspace().modifiedFlag);
    EXPECT_EQ(workspace().store.slots[kStationNameSlot].payloadLength, 31u);
    EXPECT_EQ(workspace().store.slots[kStationNumberSlot].payloadLength, 4u);

    upload();
    EXPECT_EQ(machineStationName(), "Front Office Main Building East");
    EXPECT_EQ(machine.image.slots[kStationNumberSlot].payloadLength, 4u);
    EXPECT_EQ(std::memcmp(machine.image.slots[kStationNumberSlot].payload.data(), "12-3", 5), 0);
}

TEST_F(MachineDialogsTest, WithoutAnImagePropertiesShowsTheFieldsDisabled) {
    std::vector<bool> enabled;
    {
        ModalScript script;
        script.then([&](HWND dialog) {
            for (int id : {IDC_NAME_LABEL, IDC_NAME_EDIT, IDC_TELEPHONE_LABEL, IDC_NUMBER_EDIT})
                enabled.push_back(IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE);
            clickButton(dialog, IDOK);
        });
        command(IDM_PROPERTIES);
    }
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, false, false}));
    EXPECT_TRUE(workspace().modifiedFlag) << "OK still stores the (unchanged) fields";
}

TEST_F(MachineDialogsTest, CounterAndStatusShowWhatTheMachineReported) {
    connectAndDownload();
    std::vector<std::wstring> counters, status;
    {
        ModalScript script;
        script.then([&](HWND dialog) {
            for (int id : {IDC_COUNTER_MONO_COPY, IDC_COUNTER_COLOR_COPY, IDC_COUNTER_MONO_PRINT,
                           IDC_COUNTER_COLOR_PRINT, IDC_COUNTER_FAX_PRINT, IDC_COUNTER_TOTAL_SCAN})
                counters.push_back(controlText(dialog, id));
            clickButton(dialog, IDOK);
        });
        command(IDM_TOTAL_COUNTER);
    }
    EXPECT_EQ(counters,
              (std::vector<std::wstring>{L"15204", L"0", L"38711", L"0", L"2209", L"9046"}));
    {
        ModalScript script;
        script.then([&](HWND dialog) {
            for (int id :
                 {IDC_MACHINE_STATUS_ADF, IDC_MACHINE_STATUS_OPTION_TRAY, IDC_MACHINE_STATUS_DUPLEX,
                  IDC_MACHINE_STATUS_NIC_KIT, IDC_MACHINE_STATUS_MEMORY})
                status.push_back(controlText(dialog, id));
            clickButton(dialog, IDOK);
        });
        command(IDM_CONFIGURATION);
    }
    EXPECT_EQ(status, (std::vector<std::wstring>{L"Installed", L"2 Tray Installed",
                                                 L"Not Installed", L"Installed", L"64"}));
}
