#include "phonebook/register_form.h"

#include "phonebook/entry_commands.h"
#include "resource_ids.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace {

// When a control of the dialog is shown.
enum class Shown { always, never, fax, faxBatchTime, email, emailOptions };

struct ControlRule {
    int controlId;
    Shown shown;
    bool faxGroup; // enabled only for a fax entry that is not a combination key
};

// SUB and SID exist for the machine's own use of the table: the dialog
// neither reads nor writes them, so it never shows them either.
constexpr ControlRule kControlRules[] = {
    {IDC_NAME_LABEL, Shown::always, true},
    {IDC_NAME_EDIT, Shown::always, true},
    {IDC_NUMBER_EDIT, Shown::fax, false},
    {IDC_EMAIL_ADDRESS_EDIT, Shown::email, false},
    {IDC_BATCH_HOUR_EDIT, Shown::faxBatchTime, true},
    {IDC_BATCH_MINUTE_EDIT, Shown::faxBatchTime, true},
    {IDC_BATCH_HOUR_LABEL, Shown::faxBatchTime, true},
    {IDC_BATCH_MINUTE_LABEL, Shown::faxBatchTime, true},
    {IDC_SUB_LABEL, Shown::never, true},
    {IDC_SUB_EDIT, Shown::never, true},
    {IDC_SID_LABEL, Shown::never, true},
    {IDC_SID_EDIT, Shown::never, true},
    {IDC_SPEED_LABEL, Shown::fax, true},
    {IDC_SPEED_9600, Shown::fax, true},
    {IDC_SPEED_14400, Shown::fax, true},
    {IDC_SPEED_33600, Shown::fax, true},
    {IDC_EMAIL_SCAN_LABEL, Shown::email, false},
    {IDC_EMAIL_SCAN_DEFAULT, Shown::email, false},
    {IDC_EMAIL_SCAN_SPECIFIED, Shown::email, false},
    {IDC_EMAIL_PAPER_SIZE_LABEL, Shown::emailOptions, false},
    {IDC_EMAIL_RESOLUTION_LABEL, Shown::emailOptions, false},
    {IDC_EMAIL_CODING_LABEL, Shown::emailOptions, false},
    {IDC_EMAIL_PAPER_SIZE_COMBO, Shown::emailOptions, false},
    {IDC_EMAIL_RESOLUTION_COMBO, Shown::emailOptions, false},
    {IDC_EMAIL_CODING_COMBO, Shown::emailOptions, false},
};

constexpr RegisterFieldRule kFieldRules[] = {
    {RegisterField::name, IDC_NAME_EDIT, kMaxNameLength + 1, kMaxNameLength},
    {RegisterField::number, IDC_NUMBER_EDIT, kMaxDialDigits + 1, kMaxDialDigits},
    {RegisterField::batchHour, IDC_BATCH_HOUR_EDIT, 3, 2},
    {RegisterField::batchMinute, IDC_BATCH_MINUTE_EDIT, 3, 2},
    {RegisterField::emailAddress, IDC_EMAIL_ADDRESS_EDIT, kMaxEmailLength + 1, kMaxEmailLength},
};

constexpr int kMetricPaperIds[] = {IDS_EMAIL_PAPER_A4, IDS_EMAIL_PAPER_B4, IDS_EMAIL_PAPER_A3};
constexpr int kInchPaperIds[] = {IDS_EMAIL_PAPER_LETTER, IDS_EMAIL_PAPER_LEDGER};
constexpr int kResolutionIds[] = {IDS_EMAIL_RESOLUTION_FINE, IDS_EMAIL_RESOLUTION_SUPER_FINE};
constexpr int kCodingIds[] = {IDS_EMAIL_CODING_MH, IDS_EMAIL_CODING_MR, IDS_EMAIL_CODING_MMR};

// What scan option 1 starts from: the largest paper of the family, "S/F"
// and "MH".
constexpr uint8_t kMetricDefaultPaper = 2;
constexpr uint8_t kInchDefaultPaper = 1;
constexpr uint8_t kDefaultResolution = 1;
constexpr uint8_t kDefaultCoding = 0;

constexpr uint8_t kSpeed33600 = 2;

bool endsWithPlus(std::string_view number) {
    return !number.empty() && number.back() == '+';
}

// Batch time exists only for One Touch fax keys the user can fill in.
bool usesBatchTime(const RegisterForm& form) {
    return form.view == View::oneTouch && registerMode(form) == RegisterMode::fax;
}

bool isShown(const RegisterForm& form, Shown shown) {
    const RegisterMode mode = registerMode(form);
    switch (shown) {
    case Shown::always:
        return true;
    case Shown::never:
        return false;
    case Shown::fax:
        return mode != RegisterMode::email;
    case Shown::faxBatchTime:
        return mode != RegisterMode::email && form.view == View::oneTouch;
    case Shown::email:
        return mode == RegisterMode::email;
    case Shown::emailOptions:
        return mode == RegisterMode::email && form.entry.emailScanOption == 1;
    }
    return false;
}

bool isEnabled(const RegisterForm& form, const ControlRule& rule) {
    const RegisterMode mode = registerMode(form);
    if (!rule.faxGroup || mode == RegisterMode::fax)
        return true;
    // An e-mail entry keeps its name; a combination key withholds it.
    const bool nameControl = rule.controlId == IDC_NAME_LABEL || rule.controlId == IDC_NAME_EDIT;
    return mode == RegisterMode::email && nameControl;
}

int decimalValue(std::string_view digits) {
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

struct RadioChoice {
    int controlId;
    void (*choose)(RegisterForm&);
};

void chooseDestination(RegisterForm& form, bool email) {
    form.entry.isEmail = email ? 1 : 0;
    if (email) {
        form.entry.detailsWithheld = 0;
        form.entry.faxNumber.fill('\0');
        form.entry.subAddress.fill('\0');
        form.entry.sidPassword.fill('\0');
        form.trailingPlus = false;
    } else {
        form.entry.emailAddress.fill('\0');
    }
}

void chooseScanOption(RegisterForm& form, uint8_t option) {
    form.entry.emailScanOption = option;
    if (option != 1)
        return;
    form.entry.emailPaperSize = form.paperFamily == 0 ? kMetricDefaultPaper : kInchDefaultPaper;
    form.entry.emailResolution = kDefaultResolution;
    form.entry.emailCoding = kDefaultCoding;
}

constexpr RadioChoice kRadioChoices[] = {
    {IDC_DESTINATION_FAX, [](RegisterForm& f) { chooseDestination(f, false); }},
    {IDC_DESTINATION_EMAIL, [](RegisterForm& f) { chooseDestination(f, true); }},
    {IDC_SPEED_9600, [](RegisterForm& f) { f.entry.speedIndex = 0; }},
    {IDC_SPEED_14400, [](RegisterForm& f) { f.entry.speedIndex = 1; }},
    {IDC_SPEED_33600, [](RegisterForm& f) { f.entry.speedIndex = 2; }},
    {IDC_EMAIL_SCAN_DEFAULT, [](RegisterForm& f) { chooseScanOption(f, 0); }},
    {IDC_EMAIL_SCAN_SPECIFIED, [](RegisterForm& f) { chooseScanOption(f, 1); }},
};

constexpr int kRadioControls[] = {
    IDC_DESTINATION_FAX, IDC_DESTINATION_EMAIL,  IDC_SPEED_9600,          IDC_SPEED_14400,
    IDC_SPEED_33600,     IDC_EMAIL_SCAN_DEFAULT, IDC_EMAIL_SCAN_SPECIFIED};
static_assert(std::size(kRadioControls) == std::size(kRadioChoices));

constexpr int kSpeedRadios[] = {IDC_SPEED_9600, IDC_SPEED_14400, IDC_SPEED_33600};

template <typename Form>
auto comboValue(Form& form, int comboId) -> decltype(&form.entry.emailCoding) {
    switch (comboId) {
    case IDC_EMAIL_PAPER_SIZE_COMBO:
        return &form.entry.emailPaperSize;
    case IDC_EMAIL_RESOLUTION_COMBO:
        return &form.entry.emailResolution;
    case IDC_EMAIL_CODING_COMBO:
        return &form.entry.emailCoding;
    default:
        return nullptr;
    }
}

} // namespace

RegisterForm openRegisterForm(Workspace& workspace, View view, int index) {
    RegisterForm form;
    form.view = view == View::speedDial ? View::speedDial : View::oneTouch;
    form.index = index;
    form.language = workspace.mirror.language;
    form.paperFamily = workspace.mirror.machineInformation.paperFamily;
    form.networkKit = workspace.mirror.machineInformation.nicKit != 0;
    form.entry = form.view == View::speedDial
                     ? decodeSpeedDial(workspace.mirror, workspace.store, index)
                     : decodeOneTouch(workspace.mirror, workspace.programDialMarks, index);
    workspace.sharedEntry = form.entry;
    if (form.entry.entryClass == kEntryClassGroup)
        form.entry = DialEntry{};
    if (form.entry.used == 0)
        form.entry.speedIndex = kSpeed33600;
    form.trailingPlus = form.entry.isEmail == 0 && endsWithPlus(fieldText(form.entry.faxNumber));
    return form;
}

RegisterMode registerMode(const RegisterForm& form) {
    if (form.entry.isEmail != 0)
        return RegisterMode::email;
    return form.trailingPlus ? RegisterMode::combinationKey : RegisterMode::fax;
}

RegisterTitle registerTitle(const RegisterForm& form) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", form.index + 1);
    return {form.view == View::speedDial ? IDS_REGISTER_SPEED_DIAL_TITLE
                                         : IDS_REGISTER_ONE_TOUCH_TITLE,
            number,
            registerMode(form) == RegisterMode::combinationKey ? IDS_COMBINATION_KEY_SUFFIX : 0};
}

RegisterLayout registerLayout(const RegisterForm& form) {
    RegisterLayout layout;
    for (const ControlRule& rule : kControlRules)
        layout.controls.push_back(
            {rule.controlId, isShown(form, rule.shown), isEnabled(form, rule)});
    const bool email = registerMode(form) == RegisterMode::email;
    layout.groupCaptionId = email ? IDS_EMAIL_GROUP_CAPTION : IDS_FAX_GROUP_CAPTION;
    layout.numberLabelId = email ? IDS_EMAIL_ADDRESS_LABEL : IDS_PHONE_NUMBER_LABEL;
    layout.emailRadioEnabled = form.networkKit;
    return layout;
}

std::span<const RegisterFieldRule> registerFieldRules() {
    return kFieldRules;
}

const RegisterFieldRule* registerFieldOfControl(int controlId) {
    for (const RegisterFieldRule& rule : kFieldRules)
        if (rule.controlId == controlId)
            return &rule;
    return nullptr;
}

FilteredText changeRegisterField(RegisterForm& form, RegisterField field, std::string_view typed) {
    DialEntry& entry = form.entry;
    FilteredText filtered;
    switch (field) {
    case RegisterField::name:
        filtered = filterName(typed, form.language);
        setFieldText(entry.name, filtered.text);
        break;
    case RegisterField::number:
        filtered = filterDialNumber(typed, DialField::faxNumber);
        setFieldText(entry.faxNumber, filtered.text);
        form.trailingPlus = endsWithPlus(fieldText(entry.faxNumber));
        break;
    case RegisterField::batchHour:
        filtered = filterDigits(typed);
        setFieldText(entry.batchHour, filtered.text);
        break;
    case RegisterField::batchMinute:
        filtered = filterDigits(typed);
        setFieldText(entry.batchMinute, filtered.text);
        break;
    case RegisterField::emailAddress:
        filtered = filterEmailAddress(typed);
        setFieldText(entry.emailAddress, filtered.text);
        break;
    }
    return filtered;
}

std::string registerFieldText(const RegisterForm& form, RegisterField field) {
    const DialEntry& entry = form.entry;
    switch (field) {
    case RegisterField::name:
        return std::string(fieldText(entry.name));
    case RegisterField::number:
        return std::string(fieldText(entry.faxNumber));
    case RegisterField::batchHour:
        return std::string(fieldText(entry.batchHour));
    case RegisterField::batchMinute:
        return std::string(fieldText(entry.batchMinute));
    case RegisterField::emailAddress:
        return std::string(fieldText(entry.emailAddress));
    }
    return {};
}

void chooseRegisterRadio(RegisterForm& form, int controlId) {
    for (const RadioChoice& choice : kRadioChoices)
        if (choice.controlId == controlId)
            choice.choose(form);
}

std::span<const int> registerRadioControls() {
    return kRadioControls;
}

std::vector<int> checkedRegisterRadios(const RegisterForm& form) {
    const DialEntry& entry = form.entry;
    return {entry.isEmail != 0 ? IDC_DESTINATION_EMAIL : IDC_DESTINATION_FAX,
            kSpeedRadios[std::min<size_t>(entry.speedIndex, std::size(kSpeedRadios) - 1)],
            entry.emailScanOption == 1 ? IDC_EMAIL_SCAN_SPECIFIED : IDC_EMAIL_SCAN_DEFAULT};
}

std::vector<int> registerComboControls() {
    return {IDC_EMAIL_PAPER_SIZE_COMBO, IDC_EMAIL_RESOLUTION_COMBO, IDC_EMAIL_CODING_COMBO};
}

std::span<const int> registerComboStringIds(const RegisterForm& form, int comboId) {
    switch (comboId) {
    case IDC_EMAIL_PAPER_SIZE_COMBO:
        if (form.paperFamily == 0)
            return kMetricPaperIds;
        return kInchPaperIds;
    case IDC_EMAIL_RESOLUTION_COMBO:
        return kResolutionIds;
    case IDC_EMAIL_CODING_COMBO:
        return kCodingIds;
    default:
        return {};
    }
}

int registerComboSelection(const RegisterForm& form, int comboId) {
    const uint8_t* value = comboValue(form, comboId);
    return value != nullptr ? *value : -1;
}

void chooseRegisterComboItem(RegisterForm& form, int comboId, int selected) {
    uint8_t* value = comboValue(form, comboId);
    const int count = static_cast<int>(registerComboStringIds(form, comboId).size());
    if (value != nullptr && selected >= 0 && selected < count)
        *value = static_cast<uint8_t>(selected);
}

std::optional<RegisterRefusal> validateRegisterForm(const RegisterForm& form) {
    const DialEntry& entry = form.entry;
    if (usesBatchTime(form)) {
        if (decimalValue(fieldText(entry.batchHour)) > 23)
            return RegisterRefusal{IDS_BATCH_HOUR_RANGE, IDC_BATCH_HOUR_EDIT, {{0, 23}}};
        if (decimalValue(fieldText(entry.batchMinute)) > 59)
            return RegisterRefusal{IDS_BATCH_MINUTE_RANGE, IDC_BATCH_MINUTE_EDIT, {{0, 59}}};
    }
    const bool email = entry.isEmail != 0;
    if (email && fieldText(entry.emailAddress).empty())
        return RegisterRefusal{IDS_EMAIL_ADDRESS_REQUIRED, IDC_EMAIL_ADDRESS_EDIT, {}};
    if (!email && fieldText(entry.faxNumber).empty())
        return RegisterRefusal{IDS_PHONE_NUMBER_REQUIRED, IDC_NUMBER_EDIT, {}};
    if (email && !isValidEmailAddress(fieldText(entry.emailAddress)))
        return RegisterRefusal{IDS_EMAIL_ADDRESS_INVALID, IDC_EMAIL_ADDRESS_EDIT, {}};
    return std::nullopt;
}

std::string fillRangeMessage(std::string_view text, int low, int high) {
    std::string filled;
    int bound = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (bound < 2 && text[i] == '%' && i + 1 < text.size() && text[i + 1] == 'd') {
            filled += std::to_string(bound++ == 0 ? low : high);
            ++i;
            continue;
        }
        filled += text[i];
    }
    return filled;
}

std::vector<int> saveRegisterForm(Workspace& workspace, RegisterForm& form,
                                  const CalendarDate& today) {
    DialEntry& entry = form.entry;
    if (entry.isEmail != 0)
        entry.detailsWithheld = 0;
    else
        entry.detailsWithheld = form.trailingPlus ? 1 : 0;
    // A batch time the dialog does not offer is not stored: the machine
    // would send a combination key or an e-mail at a time nobody chose.
    if (!usesBatchTime(form)) {
        entry.batchHour.fill('\0');
        entry.batchMinute.fill('\0');
    }
    entry.index = static_cast<uint8_t>(form.index);
    entry.used = 1;
    entry.regDate = packRegDate(today);
    if (form.view == View::speedDial) {
        entry.entryClass = kEntryClassSpeedDial;
        encodeSpeedDial(workspace.mirror, workspace.store, entry, form.index);
    } else {
        entry.entryClass = kEntryClassOneTouch;
        encodeOneTouch(workspace.mirror, workspace.store, entry, form.index);
    }
    workspace.sharedEntry = entry;
    std::vector<int> rows{form.index};
    if (entry.detailsWithheld != 0)
        for (int key : removeFromGroups(workspace, entry))
            if (form.view == View::oneTouch && key != form.index)
                rows.push_back(key);
    packStore(workspace.mirror, workspace.store);
    workspace.modifiedFlag = true;
    return rows;
}
