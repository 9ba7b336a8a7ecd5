#include "settings/email_setting_page.h"

#include "resource_ids.h"
#include "settings/communication_page.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(EmailSettingPage, AddressAndPortAreCheckedWithTheirMessages) {
    struct Case {
        const char* address;
        const char* port;
        std::optional<Refusal> refusal;
    };
    const Case cases[] = {
        {"", "25", std::nullopt},
        {"office@example.com", "65535", std::nullopt},
        {"office@example", "25", Refusal{IDC_SENDER_ADDRESS_EDIT, IDS_EMAIL_ADDRESS_INVALID}},
        {"a@b@c.d", "25", Refusal{IDC_SENDER_ADDRESS_EDIT, IDS_EMAIL_ADDRESS_INVALID}},
        {"", "", Refusal{IDC_SMTP_PORT_EDIT, IDS_NOT_AN_INTEGER}},
        {"", "0", Refusal{IDC_SMTP_PORT_EDIT, IDS_PORT_RANGE, std::pair{1, 65535}}},
        {"", "65536", Refusal{IDC_SMTP_PORT_EDIT, IDS_PORT_RANGE, std::pair{1, 65535}}},
    };
    for (const Case& c : cases) {
        SettingsMirror mirror;
        PageMemory memory;
        PageContext context{mirror, 1, &memory};
        typeText(emailSettingPage(), context, IDC_SENDER_ADDRESS_EDIT, c.address);
        typeText(emailSettingPage(), context, IDC_SMTP_PORT_EDIT, c.port);
        EXPECT_EQ(emailSettingPage().check(context, CheckMoment::leaving), c.refusal)
            << c.address << " " << c.port;
        EXPECT_EQ(mirror.smtpPort, static_cast<uint32_t>(std::atoi(c.port)));
    }
}

TEST(EmailSettingPage, TextsAreFilteredCutAndReadWithinTheirFields) {
    SettingsMirror mirror;
    mirror.language = 11;
    PageMemory memory;
    PageContext context{mirror, 1, &memory};
    const EditOutcome typed = typeText(emailSettingPage(), context, IDC_SENDER_NAME_EDIT,
                                       "A,b~\x7f\xe9\x1f"
                                       "cdefghijklmnopqrstuvwxyz");
    EXPECT_TRUE(typed.shown.removed);
    EXPECT_EQ(typed.shown.text, "A,bcdefghijklmnopqrs") << "20 characters";
    EXPECT_EQ(std::string(mirror.senderName.data()), "A,bcdefghijklmnopqrs");

    // A field filled to its last byte without a terminator.
    std::fill(mirror.defaultSubject.begin(), mirror.defaultSubject.end(), 'S');
    memory.typed.clear();
    std::vector<ControlState> states = pageView(emailSettingPage(), context);
    EXPECT_EQ(findState(states, IDC_DEFAULT_SUBJECT_EDIT)->text, std::string(22, 'S'));
    mirror.smtpTimeout = 5000;
    states = pageView(emailSettingPage(), context);
    EXPECT_EQ(findState(states, IDC_SMTP_TIMEOUT_SCROLL)->labelValue, 300);
}

TEST(CommunicationPage, PulseRateIsABitOfItsOwnRecordAndThePrefixNeedsAPbx) {
    SettingsMirror mirror;
    mirror.dialType = 0x10;
    mirror.pulseRate = 0x0C;
    PageMemory memory;
    PageContext context{mirror, 1, &memory};
    std::vector<ControlState> states = pageView(communicationPage(), context);
    EXPECT_EQ(findState(states, IDC_DIAL_PULSE_10PPS)->check, CheckState::checked);
    EXPECT_EQ(findState(states, IDC_DIAL_PULSE_20PPS)->check, CheckState::unchecked);
    EXPECT_EQ(findState(states, IDC_PREFIX_EDIT)->enabled, false);
    EXPECT_TRUE(clickControl(communicationPage(), context, IDC_DIAL_PULSE_20PPS, true));
    EXPECT_EQ(mirror.pulseRate, 0x00);
    EXPECT_TRUE(clickControl(communicationPage(), context, IDC_DIAL_TONE, true));
    EXPECT_TRUE(clickControl(communicationPage(), context, IDC_DIAL_PULSE_20PPS, true))
        << "the rate was already 0; the dial type still changes";
    EXPECT_EQ(mirror.dialType, 0x10);

    clickControl(communicationPage(), context, IDC_LINE_PBX, true);
    EXPECT_EQ(typeText(communicationPage(), context, IDC_PREFIX_EDIT, "9a12345").shown.text,
              "9123");
    EXPECT_EQ(std::string(mirror.dialPrefix.data()), "9123");
    states = pageView(communicationPage(), context);
    EXPECT_EQ(findState(states, IDC_PREFIX_EDIT)->enabled, true);
}
