#include "settings/copy_setting_page.h"

#include "resource_ids.h"
#include "workspace/model_string.h"

#include <gtest/gtest.h>

namespace {

std::vector<ControlState> view(SettingsMirror& mirror, uint8_t family = kModelFamilyA4) {
    return pageView(copySettingPage(), PageContext{mirror, family});
}

} // namespace

TEST(CopySettingPage, PaperPriorityOffersTheSecondTrayOnlyWhenInstalled) {
    struct Case {
        uint8_t optionTray;
        uint8_t byte10;
        uint8_t stored;
        size_t items;
        int selection;
    };
    const Case cases[] = {
        {0, 0, 0, 1, 0},  {0, 1, 0, 1, -1}, // the shifted default has no item without tray 2
        {0, 0, 1, 1, -1}, {1, 0, 1, 2, 1},  {1, 0, 5, 2, 1}, {1, 1, 5, 2, -1}, {1, 1, 0, 2, 0},
    };
    for (const Case& c : cases) {
        SettingsMirror mirror;
        mirror.machineInformation.optionTray = c.optionTray;
        mirror.machineInformation.byte10 = c.byte10;
        mirror.paperPriority = c.stored;
        std::vector<ControlState> states = view(mirror);
        const ControlState* priority = findState(states, IDC_PAPER_PRIORITY_COMBO);
        EXPECT_EQ(priority->items.size(), c.items) << int(c.optionTray) << int(c.stored);
        EXPECT_EQ(priority->selection, c.selection) << int(c.optionTray) << int(c.stored);
        EXPECT_EQ(mirror.paperPriority, c.stored) << "showing stores nothing";
        EXPECT_EQ(findState(states, IDC_DIRECT_TRAY2_SIZE_COMBO)->visible, c.optionTray == 1);
        EXPECT_EQ(findState(states, IDC_DIRECT_TRAY2_SIZE_LABEL)->visible, c.optionTray == 1);
    }
}

TEST(CopySettingPage, TextModeAloneEnablesItsChoiceAndCollateNeedsTheFeeder) {
    SettingsMirror mirror;
    PageContext context{mirror, kModelFamilyA4};
    for (auto [radio, enabled] :
         {std::pair{IDC_COPY_MODE_TEXT, true}, std::pair{IDC_COPY_MODE_PHOTO, false},
          std::pair{IDC_COPY_MODE_MIX, false}}) {
        clickControl(copySettingPage(), context, radio, true);
        std::vector<ControlState> states = view(mirror);
        EXPECT_EQ(findState(states, IDC_COPY_TEXT_MODE_COMBO)->enabled, enabled) << radio;
    }

    mirror.collate = 1;
    std::vector<ControlState> states = view(mirror);
    EXPECT_EQ(findState(states, IDC_COLLATE_GROUP)->visible, false);
    EXPECT_EQ(findState(states, IDC_COLLATE_ON)->visible, false);
    mirror.machineInformation.adfUnit = 1;
    states = view(mirror);
    EXPECT_EQ(findState(states, IDC_COLLATE_GROUP), nullptr) << "left as the template has it";
    EXPECT_EQ(findState(states, IDC_COLLATE_OFF)->check, CheckState::checked);
    states = view(mirror, kModelFamilyA3);
    EXPECT_EQ(findState(states, IDC_COLLATE_OFF)->check, CheckState::asTemplate);
}

TEST(CopySettingPage, DirectPrintSizesFollowTheType) {
    SettingsMirror mirror;
    PageContext context{mirror, kModelFamilyA4};
    const PageDef& page = copySettingPage();
    mirror.printTray1PaperSize = 57; // LTR 2UP SPL, a glossy size
    const int glossy = 4, plain = 0, postcard = 2;
    EXPECT_TRUE(chooseItem(page, context, IDC_DIRECT_TRAY1_TYPE_COMBO, glossy));
    EXPECT_EQ(mirror.printTray1PaperType, 7);
    EXPECT_EQ(directTray1SizeItems(mirror).size(), 10u);
    EXPECT_EQ(directTray1SizeItems(mirror)[5], (ComboItem{IDS_DIRECT_SIZE_PHOTO_4X6, 55}));
    EXPECT_EQ(directTray1SizeItems(mirror)[9], (ComboItem{IDS_DIRECT_SIZE_A4_2UP, 59}));
    EXPECT_EQ(mirror.printTray1PaperSize, 57);
    EXPECT_TRUE(chooseItem(page, context, IDC_DIRECT_TRAY1_TYPE_COMBO, plain));
    EXPECT_EQ(directTray1SizeItems(mirror).size(), 5u);
    EXPECT_EQ(mirror.printTray1PaperSize, 12) << "the size follows the list: LETTER";

    mirror.printTray1PaperSize = 3; // B5, offered by every type
    EXPECT_TRUE(chooseItem(page, context, IDC_DIRECT_TRAY1_TYPE_COMBO, postcard));
    EXPECT_EQ(directTray1SizeItems(mirror).back(), (ComboItem{IDS_DIRECT_SIZE_J_POSTCARD, 32}));
    EXPECT_EQ(mirror.printTray1PaperSize, 3);

    mirror.printTray1PaperType = 1; // no such direct-print type
    std::vector<ControlState> states = pageView(page, context);
    EXPECT_EQ(findState(states, IDC_DIRECT_TRAY1_TYPE_COMBO)->selection, -1);
    EXPECT_EQ(findState(states, IDC_DIRECT_TRAY1_SIZE_COMBO)->items.size(), 5u);
}
