#include "settings/email_setting_page.h"

#include "resource_ids.h"
#include "settings/settings_sheet.h"

#include <string>

namespace {

constexpr int kShortText = 20;
constexpr int kLongText = 64;
constexpr int kPortMaximum = 65535;

ControlRow textRow(int controlId, MirrorByte field, int limit) {
    return {.controlId = controlId,
            .kind = ControlKind::text,
            .field = field,
            .limit = limit,
            .filter = TextFilter::settingText,
            .storesLength = true};
}

const ControlRow kRows[] = {
    textRow(IDC_SENDER_NAME_EDIT, SETTINGS_BYTE(senderName), kShortText),
    textRow(IDC_SENDER_ADDRESS_EDIT, SETTINGS_BYTE(senderEmailAddress), kLongText),
    textRow(IDC_SMTP_SERVER_EDIT, SETTINGS_BYTE(smtpServerAddress), kLongText),
    {.controlId = IDC_SMTP_PORT_EDIT,
     .kind = ControlKind::number,
     .field = SETTINGS_BYTE(smtpPort),
     .limit = 5,
     .filter = TextFilter::digits},
    {.controlId = IDC_SMTP_TIMEOUT_SCROLL,
     .kind = ControlKind::scroll,
     .field = SETTINGS_BYTE(smtpTimeout),
     .scroll = {30, 300, 1, 10},
     .labelId = IDC_SMTP_TIMEOUT_LABEL,
     .unitId = IDS_UNIT_SECONDS},
    textRow(IDC_DEFAULT_SUBJECT_EDIT, SETTINGS_BYTE(defaultSubject), kShortText),
    {.controlId = IDC_TEXT_INSERT_CHECK,
     .kind = ControlKind::check,
     .field = SETTINGS_BYTE(textInsert),
     .value = 0x08,
     .clearedValue = 0x00},
};

std::string portText(const PageContext& context) {
    const auto typed = context.memory->typed.find(IDC_SMTP_PORT_EDIT);
    if (typed != context.memory->typed.end())
        return typed->second;
    return std::to_string(context.mirror.smtpPort);
}

// The same on leaving the page and on Apply.
std::optional<Refusal> check(const PageContext& context, CheckMoment) {
    const std::string_view address = readText(context.mirror, SETTINGS_BYTE(senderEmailAddress));
    if (!address.empty() && !isValidEmailAddress(address))
        return Refusal{IDC_SENDER_ADDRESS_EDIT, IDS_EMAIL_ADDRESS_INVALID};
    switch (checkRange(portText(context), 1, kPortMaximum)) {
    case RangeVerdict::valid:
        return std::nullopt;
    case RangeVerdict::notAnInteger:
        return Refusal{IDC_SMTP_PORT_EDIT, IDS_NOT_AN_INTEGER};
    case RangeVerdict::outOfRange:
        break;
    }
    return Refusal{IDC_SMTP_PORT_EDIT, IDS_PORT_RANGE, std::pair{1, kPortMaximum}};
}

const PageDef kPage{.controls = kRows, .check = check};

} // namespace

const PageDef& emailSettingPage() {
    return kPage;
}
