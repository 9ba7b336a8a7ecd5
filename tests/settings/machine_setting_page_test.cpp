#include "settings/machine_setting_page.h"

#include "resource_ids.h"
#include "workspace/model_string.h"

#include <gtest/gtest.h>

namespace {

std::vector<ControlState> view(SettingsMirror& mirror) {
    return pageView(machineSettingPage(), PageContext{mirror, kModelFamilyA4});
}

std::vector<int> texts(const ComboItems& items) {
    std::vector<int> ids;
    for (const ComboItem& item : items)
        ids.push_back(item.textId);
    return ids;
}

ComboItems countriesOf(SettingsMirror& mirror) {
    std::vector<ControlState> states = view(mirror);
    return findState(states, IDC_COUNTRY_COMBO)->items;
}

} // namespace

TEST(MachineSettingPage, CountryTableGivesEachNameItsMachineCode) {
    ASSERT_EQ(countryCodes().size(), 42u);
    SettingsMirror mirror;
    const ComboItems countries = countriesOf(mirror);
    ASSERT_EQ(countries.size(), 42u);
    const std::pair<int, int> spotChecks[] = {
        {IDS_COUNTRY_ARGENTINA, 52}, {IDS_COUNTRY_CANADA, 54}, {IDS_COUNTRY_KOREA, 25},
        {IDS_COUNTRY_MEXICO, 51},    {IDS_COUNTRY_USA, 2},     {IDS_COUNTRY_VIETNAM, 55}};
    for (auto [textId, code] : spotChecks)
        EXPECT_EQ(countries[static_cast<size_t>(textId - IDS_COUNTRY_ARGENTINA)],
                  (ComboItem{textId, code}));
}

TEST(MachineSettingPage, LanguageListFollowsTheLanguageType) {
    SettingsMirror mirror;
    mirror.languageType = 0;
    EXPECT_EQ(languageItems(mirror).size(), 12u);
    EXPECT_EQ(languageItems(mirror)[11], (ComboItem{IDS_LANGUAGE_JAPANESE, 11}));
    mirror.languageType = 1;
    EXPECT_EQ(texts(languageItems(mirror)),
              (std::vector<int>{102, 103, 104, 112, 113, 114, 115, 116}));
    EXPECT_EQ(languageItems(mirror)[7].value, 7);
    mirror.languageType = 3;
    EXPECT_EQ(languageItems(mirror), (ComboItems{{IDS_LANGUAGE_ONLY_JAPANESE, 0}}));
    EXPECT_EQ(machineSettingPage().noticeOnShow(mirror), 0);
    mirror.languageType = 2;
    EXPECT_TRUE(languageItems(mirror).empty());
    EXPECT_EQ(machineSettingPage().noticeOnShow(mirror), IDS_LANGUAGE_TYPE_UNSUPPORTED);
    mirror.languageType = 9;
    EXPECT_TRUE(languageItems(mirror).empty()) << "an unknown type offers nothing";
    EXPECT_EQ(machineSettingPage().noticeOnShow(mirror), 0);
}

TEST(MachineSettingPage, EnergySaveOffIsOfferedOnlyWhenTheMachineAllowsIt) {
    SettingsMirror mirror;
    EXPECT_EQ(energySaveItems(mirror),
              (ComboItems{{331, 5}, {332, 15}, {333, 30}, {334, 60}, {330, 0}}));
    mirror.energySaveOffHidden = 1;
    mirror.energySaveTime = 0;
    EXPECT_EQ(energySaveItems(mirror).size(), 4u);
    std::vector<ControlState> states = view(mirror);
    EXPECT_EQ(findState(states, IDC_ENERGY_SAVE_COMBO)->selection, -1)
        << "a stored OFF the list does not offer is not shown as 5 MIN";
}

TEST(MachineSettingPage, UnknownStoredValuesShowNoChoiceAndStayStored) {
    struct Case {
        const char* what;
        void (*store)(SettingsMirror&);
        int controlId;
        size_t items; // for combos
    };
    const Case combos[] = {
        {"country", [](SettingsMirror& m) { m.countryCode = 99; }, IDC_COUNTRY_COMBO, 42},
        {"date format", [](SettingsMirror& m) { m.dateFormat = 0x10; }, IDC_DATE_FORMAT_COMBO, 3},
        {"toner stop", [](SettingsMirror& m) { m.tonerEmptyStop = 3; }, IDC_TONER_EMPTY_STOP_COMBO,
         3},
        {"panel reset", [](SettingsMirror& m) { m.autoPanelReset = 7; }, IDC_AUTO_PANEL_RESET_COMBO,
         7},
        {"language", [](SettingsMirror& m) { m.language = 12; }, IDC_LANGUAGE_COMBO, 12},
    };
    for (const Case& c : combos) {
        SettingsMirror mirror;
        c.store(mirror);
        std::vector<ControlState> states = view(mirror);
        const ControlState* combo = findState(states, c.controlId);
        EXPECT_EQ(combo->items.size(), c.items) << c.what;
        EXPECT_EQ(combo->selection, -1) << c.what;
    }
    SettingsMirror mirror;
    mirror.buzzerVolume = 0x20;
    mirror.autoContinue = 5;
    mirror.calibration = 2;
    std::vector<ControlState> states = view(mirror);
    for (int radio : {IDC_BUZZER_HIGH, IDC_BUZZER_LOW, IDC_BUZZER_OFF})
        EXPECT_EQ(findState(states, radio)->check, CheckState::unchecked);
    EXPECT_EQ(findState(states, IDC_AUTO_CONTINUE_CHECK)->check, CheckState::asTemplate);
    EXPECT_EQ(findState(states, IDC_CALIBRATION_CHECK)->check, CheckState::asTemplate);
    EXPECT_EQ(mirror.buzzerVolume, 0x20);
}

TEST(MachineSettingPage, InvertedBoxesAndTheHeaderCountries) {
    SettingsMirror mirror;
    PageContext context{mirror, kModelFamilyA4};
    const PageDef& page = machineSettingPage();
    EXPECT_TRUE(clickControl(page, context, IDC_AUTO_CONTINUE_CHECK, false));
    EXPECT_EQ(mirror.autoContinue, 1);
    EXPECT_TRUE(clickControl(page, context, IDC_AUTO_CONTINUE_CHECK, true));
    EXPECT_EQ(mirror.autoContinue, 0);
    EXPECT_TRUE(clickControl(page, context, IDC_TONER_NEAR_EMPTY_CHECK, false));
    EXPECT_EQ(mirror.tonerNearEmpty, 1);
    EXPECT_TRUE(clickControl(page, context, IDC_REMOTE_MONITOR_CHECK, true));
    EXPECT_EQ(mirror.remoteMonitor, 1);

    const int korea = IDS_COUNTRY_KOREA - IDS_COUNTRY_ARGENTINA;
    const int france = IDS_COUNTRY_FRANCE - IDS_COUNTRY_ARGENTINA;
    EXPECT_TRUE(chooseItem(page, context, IDC_COUNTRY_COMBO, france));
    EXPECT_EQ(mirror.countryCode, 20);
    EXPECT_EQ(mirror.header, 0) << "France leaves the header alone";
    EXPECT_TRUE(chooseItem(page, context, IDC_COUNTRY_COMBO, korea));
    EXPECT_EQ(mirror.countryCode, 25);
    EXPECT_EQ(mirror.header, 2);
}
