#include "settings/rx_operation_page.h"

#include "resource_ids.h"
#include "settings/select_tray_dialog.h"
#include "workspace/model_string.h"

#include <gtest/gtest.h>

namespace {

// The page as the sheet opens it over `mirror`.
struct RxPage {
    explicit RxPage(uint8_t mode, const char* password = "1234")
        : context{mirror, kModelFamilyA4, &memory} {
        mirror.memoryRxMode = mode;
        std::copy(password, password + 4, mirror.memoryRxSchedule.password.begin());
        rxOperationPage().open(context);
    }
    void type(int controlId, const char* text) {
        typeText(rxOperationPage(), context, controlId, text);
    }
    void typeTimes(const char* onHour, const char* onMinute, const char* offHour,
                   const char* offMinute) {
        type(IDC_ON_TIME_HOUR_EDIT, onHour);
        type(IDC_ON_TIME_MINUTE_EDIT, onMinute);
        type(IDC_OFF_TIME_HOUR_EDIT, offHour);
        type(IDC_OFF_TIME_MINUTE_EDIT, offMinute);
    }
    std::optional<Refusal> check(CheckMoment moment) {
        return rxOperationPage().check(context, moment);
    }
    bool click(int controlId) {
        if (rxOperationPage().refuseClick(controlId, context))
            return false;
        return clickControl(rxOperationPage(), context, controlId, true);
    }
    bool enabled(int controlId) {
        std::vector<ControlState> states = pageView(rxOperationPage(), context);
        return findState(states, controlId)->enabled.value_or(true);
    }

    SettingsMirror mirror;
    PageMemory memory;
    PageContext context;
};

} // namespace

TEST(RxOperationPage, SwitchingOffNeedsTheStoredPasswordAndOnStoresANewOne) {
    RxPage page(0x80);
    EXPECT_TRUE(page.enabled(IDC_RX_PASSWORD_EDIT));
    EXPECT_FALSE(page.enabled(IDC_ON_TIME_HOUR_EDIT)) << "times open only after switching on";
    EXPECT_EQ(rxOperationPage().refuseClick(IDC_MEMORY_RX_OFF, page.context),
              (Refusal{IDC_RX_PASSWORD_EDIT, IDS_PASSWORD_NOT_CORRECT}));
    EXPECT_FALSE(page.click(IDC_MEMORY_RX_OFF));
    EXPECT_EQ(page.mirror.memoryRxMode, 0x80);
    // Only digits can be typed: the machine's keypad has nothing else.
    page.type(IDC_RX_PASSWORD_EDIT, "ab12");
    EXPECT_EQ(page.memory.typed[IDC_RX_PASSWORD_EDIT], "12");
    page.type(IDC_RX_PASSWORD_EDIT, "12345");
    EXPECT_EQ(page.memory.typed[IDC_RX_PASSWORD_EDIT], "1234");
    EXPECT_TRUE(page.click(IDC_MEMORY_RX_OFF));
    EXPECT_EQ(page.mirror.memoryRxMode, 0x00);
    EXPECT_EQ(page.memory.typed[IDC_RX_PASSWORD_EDIT], "");
    EXPECT_FALSE(page.enabled(IDC_RX_PASSWORD_EDIT));

    // Back on: a two-digit password is refused, four digits and no times
    // store the password and clear the times byte.
    page.mirror.memoryRxSchedule.timesSet = 0xC0;
    EXPECT_TRUE(page.click(IDC_MEMORY_RX_ON));
    EXPECT_TRUE(page.enabled(IDC_ON_TIME_HOUR_EDIT));
    page.type(IDC_RX_PASSWORD_EDIT, "42");
    EXPECT_EQ(page.check(CheckMoment::applying),
              (Refusal{IDC_RX_PASSWORD_EDIT, IDS_PASSWORD_RANGE}));
    EXPECT_EQ(page.check(CheckMoment::leaving),
              (Refusal{IDC_RX_PASSWORD_EDIT, IDS_PASSWORD_RANGE}));
    page.type(IDC_RX_PASSWORD_EDIT, "0042");
    ASSERT_EQ(page.check(CheckMoment::applying), std::nullopt);
    rxOperationPage().commit(page.context);
    EXPECT_EQ(std::string(page.mirror.memoryRxSchedule.password.data(), 4), "0042");
    EXPECT_EQ(page.mirror.memoryRxSchedule.timesSet, 0);
    EXPECT_FALSE(page.memory.toggled);
    EXPECT_TRUE(page.memory.modeOn);
    EXPECT_EQ(page.memory.typed[IDC_RX_PASSWORD_EDIT], "") << "emptied after Apply";
}

TEST(RxOperationPage, TimesAreCheckedByFieldAndPackedWithTheirFlag) {
    EXPECT_EQ(packTime(8, 30), 0x43C0);
    EXPECT_EQ(packTime(23, 59), 0xBF60);
    struct Case {
        const char* times[4];
        std::optional<Refusal> refusal;
    };
    const Case cases[] = {
        {{"25", "00", "17", "00"},
         Refusal{IDC_ON_TIME_HOUR_EDIT, IDS_BATCH_HOUR_RANGE, std::pair{0, 23}}},
        {{"08", "60", "17", "00"},
         Refusal{IDC_ON_TIME_MINUTE_EDIT, IDS_BATCH_MINUTE_RANGE, std::pair{0, 59}}},
        {{"08", "30", "", "00"}, Refusal{IDC_OFF_TIME_HOUR_EDIT, IDS_NOT_AN_INTEGER}},
        {{"", "", "", ""}, std::nullopt},
        {{"08", "30", "17", "05"}, std::nullopt},
    };
    for (const Case& c : cases) {
        RxPage page(0x00);
        page.click(IDC_MEMORY_RX_ON);
        page.typeTimes(c.times[0], c.times[1], c.times[2], c.times[3]);
        EXPECT_EQ(page.check(CheckMoment::applying), c.refusal) << c.times[0] << ":" << c.times[1];
    }
    RxPage page(0x00);
    page.click(IDC_MEMORY_RX_ON);
    page.typeTimes("08", "30", "17", "05");
    rxOperationPage().commit(page.context);
    EXPECT_EQ(page.mirror.memoryRxSchedule.onTime, 0x43C0);
    EXPECT_EQ(page.mirror.memoryRxSchedule.offTime, packTime(17, 5));
    EXPECT_EQ(page.mirror.memoryRxSchedule.timesSet, 0xC0);
    EXPECT_EQ(page.memory.typed[IDC_OFF_TIME_MINUTE_EDIT], "05") << "shows the stored times";
}

TEST(RxOperationPage, LeavingChecksTheTypedPasswordOnceAndTheRingLabelCountsFromOne) {
    RxPage page(0x80, "1234");
    page.type(IDC_RX_PASSWORD_EDIT, "9999");
    EXPECT_EQ(leavePage(rxOperationPage(), page.context),
              (Refusal{IDC_RX_PASSWORD_EDIT, IDS_PASSWORD_NOT_CORRECT}));
    EXPECT_EQ(leavePage(rxOperationPage(), page.context), std::nullopt) << "the next leave passes";
    EXPECT_NE(leavePage(rxOperationPage(), page.context), std::nullopt) << "then checks again";
    page.type(IDC_RX_PASSWORD_EDIT, "1234");
    EXPECT_EQ(leavePage(rxOperationPage(), page.context), std::nullopt);
    EXPECT_EQ(page.check(CheckMoment::applying), std::nullopt)
        << "Apply without a switch stores nothing";

    page.mirror.ringCountMaximum = 5;
    for (auto [country, stored, label] : {std::tuple{48, 2, 2}, {20, 2, 3}, {20, 9, 6}}) {
        page.mirror.countryCode = static_cast<uint8_t>(country);
        page.mirror.ringCount = static_cast<uint8_t>(stored);
        std::vector<ControlState> states = pageView(rxOperationPage(), page.context);
        const ControlState* rings = findState(states, IDC_RINGS_SCROLL);
        EXPECT_EQ(rings->labelValue, label) << country << " " << stored;
        EXPECT_EQ(rings->thumbMaximum, 5);
    }
    page.mirror.ringCount = 5;
    for (ScrollAction ignored :
         {ScrollAction::lineRight, ScrollAction::pageLeft, ScrollAction::left})
        EXPECT_FALSE(scrollControl(rxOperationPage(), page.context, IDC_RINGS_SCROLL, ignored, 0));
    EXPECT_TRUE(scrollControl(rxOperationPage(), page.context, IDC_RINGS_SCROLL,
                              ScrollAction::lineLeft, 0));
    EXPECT_EQ(page.mirror.ringCount, 4);
}

TEST(SelectTrayDialog, SecondAndThirdTraysShowOnlyWhenInstalled) {
    for (auto [optionTray, byte10] : {std::pair{0, 0}, {1, 0}, {1, 1}}) {
        SettingsMirror mirror;
        mirror.machineInformation.optionTray = static_cast<uint8_t>(optionTray);
        mirror.machineInformation.byte10 = static_cast<uint8_t>(byte10);
        std::vector<ControlState> states = pageView(selectTrayDialog(), PageContext{mirror});
        EXPECT_EQ(findState(states, IDC_TRAY2_ENABLE)->visible, optionTray == 1);
        EXPECT_EQ(findState(states, IDC_TRAY3_GROUP)->visible, byte10 != 0);
    }
    SettingsMirror mirror;
    PageContext context{mirror};
    EXPECT_FALSE(clickControl(selectTrayDialog(), context, IDC_TRAY3_ENABLE, true))
        << "the third tray has no record";
    EXPECT_TRUE(clickControl(selectTrayDialog(), context, IDC_TRAY2_ENABLE, true));
    EXPECT_EQ(mirror.selectTray2, 2);
}
