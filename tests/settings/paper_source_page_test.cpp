#include "settings/paper_source_page.h"

#include "resource_ids.h"
#include "workspace/model_string.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> codes(const ComboItems& items) {
    std::vector<int> values;
    for (const ComboItem& item : items)
        values.push_back(item.value);
    return values;
}

} // namespace

TEST(PaperSourcePage, SizeListsFollowThePaperTypeAndOficioOnlyInMexico) {
    SettingsMirror mirror;
    const std::vector<int> plain = {2, 3, 4, 11, 12, 21, 22, 23, 24};
    for (uint8_t type : {0, 3}) {
        mirror.tray1PaperType = type;
        EXPECT_EQ(codes(tray1SizeItems(mirror)), plain) << int(type);
    }
    mirror.countryCode = 51;
    EXPECT_EQ(tray1SizeItems(mirror).size(), 10u);
    EXPECT_EQ(tray1SizeItems(mirror).back(), (ComboItem{IDS_PAPER_OFICIO, 60}));
    mirror.tray1PaperType = 4;
    EXPECT_EQ(codes(tray1SizeItems(mirror)), (std::vector<int>{25, 26, 27, 34, 28, 29, 30, 31}));
    mirror.tray1PaperType = 5;
    EXPECT_EQ(codes(tray1SizeItems(mirror)), (std::vector<int>{32, 33}));
    for (uint8_t type : {1, 2, 6, 7}) {
        mirror.tray1PaperType = type;
        EXPECT_EQ(codes(tray1SizeItems(mirror)), (std::vector<int>{2, 3, 4, 12, 21, 22, 23}));
    }
    mirror.tray1PaperType = 8;
    EXPECT_TRUE(tray1SizeItems(mirror).empty());
}

TEST(PaperSourcePage, ANewPaperTypeKeepsAnOfferedSizeElseTakesTheFirst) {
    SettingsMirror mirror;
    mirror.tray1PaperType = 0;
    mirror.tray1PaperSize = 11; // Legal
    PageContext context{mirror, kModelFamilyA4};
    const PageDef& page = paperSourcePage();
    EXPECT_TRUE(clickControl(page, context, IDC_TRAY1_TYPE_ENVELOPE, true));
    EXPECT_EQ(mirror.tray1PaperType, 4);
    EXPECT_EQ(mirror.tray1PaperSize, 25) << "Envelope Com10";
    EXPECT_TRUE(clickControl(page, context, IDC_TRAY1_TYPE_PLAIN, true));
    EXPECT_EQ(mirror.tray1PaperSize, 2) << "A4: plain paper has no envelope size";

    mirror.tray1PaperSize = 12; // Letter, offered by both
    EXPECT_TRUE(clickControl(page, context, IDC_TRAY1_TYPE_GLOSSY, true));
    EXPECT_EQ(mirror.tray1PaperSize, 12);
    std::vector<ControlState> states = pageView(page, context);
    EXPECT_EQ(findState(states, IDC_TRAY1_SIZE_COMBO)->selection, 3);
    EXPECT_EQ(findState(states, IDC_TRAY1_TYPE_GLOSSY)->check, CheckState::checked);
    EXPECT_EQ(findState(states, IDC_TRAY1_TYPE_PLAIN)->check, CheckState::unchecked);
}

TEST(PaperSourcePage, UnknownTypeOrSizeShowsNothingAndTheSecondTrayOnlyWhenInstalled) {
    SettingsMirror mirror;
    mirror.tray1PaperType = 9;
    mirror.tray1PaperSize = 2;
    mirror.tray2PaperSize = 7;
    std::vector<ControlState> states = pageView(paperSourcePage(), PageContext{mirror, 1});
    for (int radio = IDC_TRAY1_TYPE_PLAIN; radio <= IDC_TRAY1_TYPE_GLOSSY; ++radio)
        EXPECT_EQ(findState(states, radio)->check, CheckState::unchecked);
    EXPECT_EQ(findState(states, IDC_TRAY1_SIZE_COMBO)->selection, -1);
    EXPECT_EQ(findState(states, IDC_TRAY2_SIZE_COMBO)->selection, -1);
    for (int hidden : {IDC_TRAY2_SIZE_COMBO, IDC_TRAY2_GROUP, IDC_TRAY2_SIZE_GROUP})
        EXPECT_EQ(findState(states, hidden)->visible, false);

    mirror.tray1PaperType = 0;
    mirror.tray1PaperSize = 99;
    mirror.machineInformation.optionTray = 1;
    states = pageView(paperSourcePage(), PageContext{mirror, 1});
    EXPECT_EQ(findState(states, IDC_TRAY1_SIZE_COMBO)->selection, -1);
    EXPECT_EQ(mirror.tray1PaperSize, 99) << "showing stores nothing";
    for (int shown : {IDC_TRAY2_SIZE_COMBO, IDC_TRAY2_GROUP, IDC_TRAY2_SIZE_GROUP})
        EXPECT_EQ(findState(states, shown)->visible, true);
}
