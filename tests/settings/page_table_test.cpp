#include "settings/page_table.h"

#include "settings/communication_page.h"
#include "settings/copy_setting_page.h"
#include "settings/email_setting_page.h"
#include "settings/machine_setting_page.h"
#include "settings/network_setting_page.h"
#include "settings/paper_source_page.h"
#include "settings/rx_operation_page.h"
#include "settings/scanner_setting_page.h"
#include "settings/select_tray_dialog.h"
#include "settings/tx_operation_page.h"
#include "workspace/model_string.h"

#include <gtest/gtest.h>

namespace {

constexpr int kForeign = 0x5A; // a value no control of these pages stands for

struct NamedPage {
    const char* name;
    const PageDef& page;
};

std::vector<NamedPage> pages() {
    return {{"Machine Setting", machineSettingPage()}, {"Paper source", paperSourcePage()},
            {"Copy Setting", copySettingPage()},       {"TX Operation", txOperationPage()},
            {"RX Operation", rxOperationPage()},       {"Select Tray", selectTrayDialog()},
            {"Communication", communicationPage()},    {"E-Mail Setting", emailSettingPage()},
            {"Network Setting", networkSettingPage()}, {"Scanner Setting", scannerSettingPage()}};
}

ControlState stateOf(const PageDef& page, SettingsMirror& mirror, int controlId) {
    PageMemory memory;
    std::vector<ControlState> states = pageView(page, PageContext{mirror, kModelFamilyA4, &memory});
    const ControlState* state = findState(states, controlId);
    return state ? *state : ControlState{};
}

// For one control and one value it stands for: the control shows the value,
// and the user repeating what it shows over another value stores it again.
void expectRoundTrip(const PageDef& page, SettingsMirror mirror, const ControlRow& row, int value,
                     const std::string& where) {
    SCOPED_TRACE(where + " control " + std::to_string(row.controlId) + " value " +
                 std::to_string(value));
    writeByte(mirror, row.field, value);
    if (row.secondValue >= 0)
        writeByte(mirror, row.secondField, row.secondValue);
    const ControlState shown = stateOf(page, mirror, row.controlId);
    writeByte(mirror, row.field, kForeign);
    PageMemory memory;
    PageContext context{mirror, kModelFamilyA4, &memory};
    switch (row.kind) {
    case ControlKind::radio:
        ASSERT_EQ(shown.check, CheckState::checked);
        clickControl(page, context, row.controlId, true);
        break;
    case ControlKind::check:
        ASSERT_NE(shown.check, CheckState::asTemplate);
        clickControl(page, context, row.controlId, shown.check == CheckState::checked);
        break;
    case ControlKind::combo:
        ASSERT_GE(shown.selection, 0);
        chooseItem(page, context, row.controlId, shown.selection);
        break;
    case ControlKind::scroll:
        ASSERT_TRUE(shown.thumb.has_value());
        scrollControl(page, context, row.controlId, ScrollAction::thumb, *shown.thumb);
        break;
    case ControlKind::number:
        typeText(page, context, row.controlId, *shown.text);
        break;
    case ControlKind::ipAddress:
        setAddress(page, context, row.controlId, *shown.address);
        break;
    default:
        break;
    }
    EXPECT_EQ(readByte(mirror, row.field), value);
}

// The values a control stands for, in the mirror `mirror` gives it.
std::vector<int> valuesOf(const ControlRow& row, const SettingsMirror& mirror) {
    switch (row.kind) {
    case ControlKind::radio:
        return {row.value};
    case ControlKind::check:
        return {row.value, row.clearedValue};
    case ControlKind::combo: {
        std::vector<int> values;
        for (const ComboItem& item : row.items(mirror))
            values.push_back(item.value);
        return values;
    }
    case ControlKind::scroll: {
        std::vector<int> values;
        const int maximum =
            row.scroll.maximumOf ? row.scroll.maximumOf(mirror) : row.scroll.maxValue;
        for (int v = row.scroll.minValue; v <= maximum; v += row.scroll.unit)
            values.push_back(v);
        return values;
    }
    case ControlKind::number:
        return {1, 25, 65535};
    // The server address goes out with its first field last.
    case ControlKind::ipAddress:
        return {0x0A000005, static_cast<int>(0xC0A8010Au)};
    default:
        break;
    }
    return {};
}

} // namespace

TEST(SettingsPages, EveryControlRoundTripsEveryValueItStandsFor) {
    // The lists that depend on other settings, in each of their forms.
    std::vector<std::pair<std::string, SettingsMirror>> mirrors;
    for (uint8_t languageType : {0, 1, 3}) {
        SettingsMirror mirror;
        mirror.languageType = languageType;
        mirrors.push_back({"language type " + std::to_string(languageType), mirror});
    }
    for (uint8_t paperType = 0; paperType < 8; ++paperType) {
        SettingsMirror mirror;
        mirror.tray1PaperType = paperType;
        mirror.printTray1PaperType = paperType;
        mirror.countryCode = 51;
        mirror.machineInformation.optionTray = 1;
        mirror.ringCountMaximum = 9;
        mirrors.push_back({"paper type " + std::to_string(paperType), mirror});
    }
    for (const auto& [context, mirror] : mirrors)
        for (const NamedPage& named : pages())
            for (const ControlRow& row : named.page.controls)
                for (int value : valuesOf(row, mirror))
                    expectRoundTrip(named.page, mirror, row, value,
                                    std::string(named.name) + ", " + context);
}

TEST(SettingsPages, ScrollBarsClampAtTheirEndsAndStoreOnlyTheirPositions) {
    const ScrollRange energySave{1, 240, 1, 10};
    EXPECT_EQ(scrolledValue(energySave, 30, ScrollAction::left, 0), 1);
    EXPECT_EQ(scrolledValue(energySave, 5, ScrollAction::pageLeft, 0), 1) << "not a wrapped byte";
    EXPECT_EQ(scrolledValue(energySave, 1, ScrollAction::lineLeft, 0), 1);
    EXPECT_EQ(scrolledValue(energySave, 235, ScrollAction::pageRight, 0), 240);
    EXPECT_EQ(scrolledValue(energySave, 30, ScrollAction::right, 0), 240);
    EXPECT_EQ(scrolledValue(energySave, 30, ScrollAction::thumb, 77), 77);
    EXPECT_EQ(scrolledValue(energySave, 30, ScrollAction::none, 77), 30);

    const ScrollRange contrast{0x00, 0x10, 0x08, 0x10};
    struct Case {
        int stored;
        ScrollAction action;
        int thumb;
        int expected;
    };
    const Case cases[] = {
        {0x08, ScrollAction::right, 0, 0x10},     {0x08, ScrollAction::lineLeft, 0, 0x00},
        {0x00, ScrollAction::pageRight, 0, 0x10}, {0x10, ScrollAction::lineRight, 0, 0x10},
        {0x05, ScrollAction::lineRight, 0, 0x10}, // 5 snaps to 8 first
        {0x04, ScrollAction::lineRight, 0, 0x08}, // halfway snaps down to 0
        {0x0C, ScrollAction::lineLeft, 0, 0x00},  {0xF0, ScrollAction::lineLeft, 0, 0x08},
        {0x00, ScrollAction::thumb, 1, 0x08},     {0x00, ScrollAction::thumb, 2, 0x10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scrolledValue(contrast, c.stored, c.action, c.thumb), c.expected)
            << "stored " << c.stored;
    EXPECT_EQ(thumbOf(contrast, 0x08), 1);
    EXPECT_EQ(thumbOf(contrast, 0x99), 2);
    EXPECT_EQ(thumbOf(energySave, 0), 1);
}

TEST(SettingsPages, SignedBarsReadTheirByteAsSigned) {
    SettingsMirror mirror;
    mirror.lcdContrast = -3;
    EXPECT_EQ(readByte(mirror, SETTINGS_BYTE(lcdContrast)), -3);
    PageContext context{mirror, kModelFamilyA4};
    EXPECT_TRUE(scrollControl(machineSettingPage(), context, 1062, ScrollAction::lineLeft, 0));
    EXPECT_EQ(mirror.lcdContrast, 0) << "clamped to the bar's minimum, not wrapped";
    mirror.energySaveTime = 0xF0;
    EXPECT_EQ(readByte(mirror, SETTINGS_BYTE(energySaveTime)), 240) << "unsigned";
}

TEST(SettingsPages, AChoiceThatChangesNothingIsNotAChange) {
    SettingsMirror mirror;
    mirror.buzzerVolume = 0x40;
    PageContext context{mirror, kModelFamilyA4};
    EXPECT_FALSE(clickControl(machineSettingPage(), context, 1064, true));
    EXPECT_TRUE(clickControl(machineSettingPage(), context, 1065, true));
    EXPECT_EQ(mirror.buzzerVolume, 0x80);
    // Indexes no item has, and controls no row has, store nothing.
    EXPECT_FALSE(chooseItem(machineSettingPage(), context, 1053, -1));
    EXPECT_FALSE(chooseItem(machineSettingPage(), context, 1053, 7));
    EXPECT_FALSE(chooseItem(machineSettingPage(), context, 4242, 0));
    EXPECT_FALSE(clickControl(machineSettingPage(), context, 1053, true));
    EXPECT_EQ(mirror.autoPanelReset, 0);
}
