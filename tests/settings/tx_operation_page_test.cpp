#include "settings/tx_operation_page.h"

#include "resource_ids.h"
#include "workspace/model_string.h"

#include <gtest/gtest.h>

TEST(TxOperationPage, ContrastShowsItsThreePositionsAndResolutionSkipsThree) {
    SettingsMirror mirror;
    mirror.scanContrast = 0x08;
    mirror.txResolution = 4;
    PageContext context{mirror, kModelFamilyA4};
    std::vector<ControlState> states = pageView(txOperationPage(), context);
    const ControlState* bar = findState(states, IDC_SCAN_CONTRAST_SCROLL);
    EXPECT_EQ(bar->thumbMinimum, 0);
    EXPECT_EQ(bar->thumbMaximum, 2);
    EXPECT_EQ(bar->thumb, 1);
    EXPECT_EQ(findState(states, IDC_TX_RESOLUTION_COMBO)->selection, 3);
    EXPECT_TRUE(scrollControl(txOperationPage(), context, IDC_SCAN_CONTRAST_SCROLL,
                              ScrollAction::right, 0));
    EXPECT_EQ(mirror.scanContrast, 0x10);

    for (uint8_t unknown : {3, 7, 0xFF}) {
        mirror.txResolution = unknown;
        states = pageView(txOperationPage(), context);
        EXPECT_EQ(findState(states, IDC_TX_RESOLUTION_COMBO)->selection, -1) << int(unknown);
        EXPECT_EQ(findState(states, IDC_TX_RESOLUTION_COMBO)->items.size(), 6u);
    }
}

TEST(TxOperationPage, HeaderIsForcedOnInUsaCanadaAndKorea) {
    struct Case {
        uint8_t country;
        uint8_t header;
        bool enabled;
        CheckState check;
        uint8_t afterActivation;
    };
    const Case cases[] = {
        {2, 0, false, CheckState::checked, 2},  {54, 2, false, CheckState::checked, 2},
        {25, 1, false, CheckState::checked, 2}, {20, 0, true, CheckState::unchecked, 0},
        {20, 2, true, CheckState::checked, 2},  {20, 1, true, CheckState::checked, 1},
    };
    for (const Case& c : cases) {
        SettingsMirror mirror;
        mirror.countryCode = c.country;
        mirror.header = c.header;
        PageContext context{mirror, kModelFamilyA4};
        std::vector<ControlState> states = pageView(txOperationPage(), context);
        const ControlState* box = findState(states, IDC_HEADER_CHECK);
        EXPECT_EQ(box->enabled, c.enabled) << int(c.country);
        EXPECT_EQ(box->check, c.check) << int(c.country) << " " << int(c.header);
        EXPECT_EQ(txOperationPage().onActivate(context), c.afterActivation != c.header);
        EXPECT_EQ(mirror.header, c.afterActivation) << "stores what the box shows";
    }
    SettingsMirror mirror;
    PageContext context{mirror, kModelFamilyA4};
    EXPECT_TRUE(clickControl(txOperationPage(), context, IDC_HEADER_CHECK, true));
    EXPECT_EQ(mirror.header, 2);
}
