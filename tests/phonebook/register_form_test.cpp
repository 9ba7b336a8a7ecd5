#include "phonebook/register_form.h"

#include "phone_book_workspace.h"
#include "resource_ids.h"
#include "store/stored_entry_access.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// "S" shown and enabled, "s" shown but disabled, "-" hidden.
std::string look(const RegisterForm& form, std::initializer_list<int> ids) {
    std::map<int, char> looks;
    for (const RegisterControlState& control : registerLayout(form).controls)
        looks[control.controlId] = !control.shown ? '-' : control.enabled ? 'S' : 's';
    std::string text;
    for (int id : ids)
        text += looks.at(id);
    return text;
}

// Name, number, address, hour, minute, speed, scan option, paper size, SUB.
const std::initializer_list<int> kLookedAt = {
    IDC_NAME_EDIT,         IDC_NUMBER_EDIT, IDC_EMAIL_ADDRESS_EDIT, IDC_BATCH_HOUR_EDIT,
    IDC_BATCH_MINUTE_EDIT, IDC_SPEED_9600,  IDC_EMAIL_SCAN_DEFAULT, IDC_EMAIL_PAPER_SIZE_COMBO,
    IDC_SUB_EDIT};

class RegisterFormTest : public ::testing::Test, protected PhoneBookWorkspace {
  protected:
    RegisterForm form(View view, int index) { return openRegisterForm(workspace, view, index); }
    void type(RegisterForm& f, RegisterField field, std::string_view text) {
        changeRegisterField(f, field, text);
    }
};

TEST_F(RegisterFormTest, AnUnusedEntryOrAGroupsKeyOpensAsAnEmptyFaxEntryAt33k6) {
    RegisterForm f = form(View::oneTouch, 0);
    EXPECT_EQ(registerMode(f), RegisterMode::fax);
    EXPECT_EQ(f.entry.speedIndex, 2);
    EXPECT_EQ(checkedRegisterRadios(f),
              (std::vector<int>{IDC_DESTINATION_FAX, IDC_SPEED_33600, IDC_EMAIL_SCAN_DEFAULT}));
    EXPECT_EQ(registerFieldText(f, RegisterField::name), "");
    EXPECT_EQ(registerTitle(f), (RegisterTitle{IDS_REGISTER_ONE_TOUCH_TITLE, "01", 0}));
    EXPECT_EQ(registerTitle(form(View::speedDial, 99)),
              (RegisterTitle{IDS_REGISTER_SPEED_DIAL_TITLE, "100", 0}));
    EXPECT_FALSE(registerLayout(f).emailRadioEnabled) << "no network kit";

    // A key holding a Group opens empty and keeps the Group until saved.
    group(3, "Team", {speedDialMember(1)});
    RegisterForm key = form(View::oneTouch, 3);
    EXPECT_EQ(key.entry.used, 0);
    EXPECT_EQ(registerFieldText(key, RegisterField::name), "");
    EXPECT_EQ(groupAt(3).memberCount, 1) << "opening changes nothing";
    type(key, RegisterField::number, "77");
    saveRegisterForm(workspace, key, {2026, 12, 7});
    EXPECT_EQ(groupAt(3).entryClass, kEntryClassOneTouch);
    EXPECT_EQ(fieldText(groupAt(3).faxNumber), "77");
}

TEST_F(RegisterFormTest, EachModeShowsAndEnablesItsOwnControls) {
    RegisterForm f = form(View::oneTouch, 2);
    EXPECT_EQ(look(f, kLookedAt), "SS-SSS---");
    EXPECT_EQ(registerLayout(f).groupCaptionId, IDS_FAX_GROUP_CAPTION);
    EXPECT_EQ(registerLayout(f).numberLabelId, IDS_PHONE_NUMBER_LABEL);

    type(f, RegisterField::number, "123+");
    EXPECT_EQ(registerMode(f), RegisterMode::combinationKey);
    EXPECT_EQ(look(f, kLookedAt), "sS-sss---");
    EXPECT_EQ(registerTitle(f),
              (RegisterTitle{IDS_REGISTER_ONE_TOUCH_TITLE, "03", IDS_COMBINATION_KEY_SUFFIX}));
    type(f, RegisterField::number, "123");
    EXPECT_EQ(look(f, kLookedAt), "SS-SSS---");
    EXPECT_EQ(registerTitle(f).suffixId, 0);

    chooseRegisterRadio(f, IDC_DESTINATION_EMAIL);
    EXPECT_EQ(look(f, kLookedAt), "S-S---S--");
    EXPECT_EQ(registerLayout(f).groupCaptionId, IDS_EMAIL_GROUP_CAPTION);
    EXPECT_EQ(registerLayout(f).numberLabelId, IDS_EMAIL_ADDRESS_LABEL);
    chooseRegisterRadio(f, IDC_EMAIL_SCAN_SPECIFIED);
    EXPECT_EQ(look(f, kLookedAt), "S-S---SS-");

    // Speed Dial entries have no batch time.
    EXPECT_EQ(look(form(View::speedDial, 0), kLookedAt), "SS---S---");
}

TEST_F(RegisterFormTest, FiltersKeepOnlyWhatEachFieldMayHold) {
    struct Case {
        RegisterField field;
        uint8_t language;
        std::string typed;
        std::string kept;
        size_t caret;
    };
    const Case cases[] = {
        {RegisterField::number, 0, "12a-3", "12-3", 2},
        {RegisterField::batchHour, 0, "12ab34", "1234", 2},
        {RegisterField::emailAddress, 0, "A,B", "AB", 1},
        {RegisterField::emailAddress, 0, "a b@c.d", "a b@c.d", 0},
        {RegisterField::name, 11,
         "AB\x81\x40"
         "CD",
         "AB", 2},
        {RegisterField::name, 0, std::string("Ab") + kUnrepresentableCharacter + "c", "Abc", 2},
    };
    for (const Case& c : cases) {
        PhoneBookWorkspace book;
        book.workspace.mirror.language = c.language;
        RegisterForm f = openRegisterForm(book.workspace, View::oneTouch, 0);
        FilteredText result = changeRegisterField(f, c.field, c.typed);
        EXPECT_EQ(result.text, c.kept) << c.typed;
        EXPECT_EQ(result.removed, c.kept != c.typed) << c.typed;
        if (result.removed) {
            EXPECT_EQ(result.caret, c.caret) << c.typed;
        }
    }
    EXPECT_EQ(registerFieldOfControl(IDC_NAME_EDIT)->limit, 20u);
    EXPECT_EQ(registerFieldOfControl(IDC_NUMBER_EDIT)->readLimit, 51u);
    EXPECT_EQ(registerFieldOfControl(IDC_EMAIL_ADDRESS_EDIT)->limit, 64u);
    EXPECT_EQ(registerFieldOfControl(IDC_BATCH_MINUTE_EDIT)->limit, 2u);
    EXPECT_EQ(registerFieldOfControl(IDC_SPEED_9600), nullptr);
}

TEST_F(RegisterFormTest, SwitchingDestinationDropsTheOtherKindsFields) {
    oneTouch(0, faxEntry("Office", "0301234"));
    RegisterForm f = form(View::oneTouch, 0);
    setFieldText(f.entry.subAddress, "12");
    setFieldText(f.entry.sidPassword, "34");
    chooseRegisterRadio(f, IDC_DESTINATION_EMAIL);
    type(f, RegisterField::emailAddress, "x@y.z");
    chooseRegisterRadio(f, IDC_DESTINATION_FAX);
    EXPECT_EQ(registerFieldText(f, RegisterField::number), "");
    EXPECT_EQ(registerFieldText(f, RegisterField::emailAddress), "");
    EXPECT_EQ(fieldText(f.entry.subAddress), "");
    EXPECT_EQ(fieldText(f.entry.sidPassword), "");
    EXPECT_EQ(registerFieldText(f, RegisterField::name), "Office");
}

TEST_F(RegisterFormTest, ScanOptionOneStartsFromTheFamilysDefaults) {
    for (auto [family, paper, items] : {std::tuple{0, 2, 3}, std::tuple{1, 1, 2}}) {
        workspace.mirror.machineInformation.paperFamily = static_cast<uint8_t>(family);
        RegisterForm f = form(View::speedDial, 0);
        chooseRegisterRadio(f, IDC_DESTINATION_EMAIL);
        chooseRegisterComboItem(f, IDC_EMAIL_CODING_COMBO, 2);
        chooseRegisterComboItem(f, IDC_EMAIL_CODING_COMBO, 3); // no such item
        EXPECT_EQ(f.entry.emailCoding, 2);
        chooseRegisterRadio(f, IDC_EMAIL_SCAN_SPECIFIED);
        EXPECT_EQ(registerComboSelection(f, IDC_EMAIL_PAPER_SIZE_COMBO), paper);
        EXPECT_EQ(registerComboSelection(f, IDC_EMAIL_RESOLUTION_COMBO), 1);
        EXPECT_EQ(registerComboSelection(f, IDC_EMAIL_CODING_COMBO), 0);
        EXPECT_EQ(registerComboStringIds(f, IDC_EMAIL_PAPER_SIZE_COMBO).size(),
                  static_cast<size_t>(items));
        // Back to option 0 keeps the values.
        chooseRegisterRadio(f, IDC_EMAIL_SCAN_DEFAULT);
        EXPECT_EQ(f.entry.emailScanOption, 0);
        EXPECT_EQ(f.entry.emailResolution, 1);
    }
}

TEST_F(RegisterFormTest, OkRefusesInOrderAndNamesTheField) {
    RegisterForm f = form(View::oneTouch, 0);
    auto refusal = [&] { return validateRegisterForm(f); };
    type(f, RegisterField::batchHour, "24");
    type(f, RegisterField::batchMinute, "60");
    EXPECT_EQ(refusal(), (RegisterRefusal{IDS_BATCH_HOUR_RANGE, IDC_BATCH_HOUR_EDIT, {{0, 23}}}));
    type(f, RegisterField::batchHour, "");
    EXPECT_EQ(refusal(),
              (RegisterRefusal{IDS_BATCH_MINUTE_RANGE, IDC_BATCH_MINUTE_EDIT, {{0, 59}}}));
    type(f, RegisterField::batchMinute, "59");
    EXPECT_EQ(refusal(), (RegisterRefusal{IDS_PHONE_NUMBER_REQUIRED, IDC_NUMBER_EDIT, {}}));
    type(f, RegisterField::number, "1");
    EXPECT_EQ(refusal(), std::nullopt) << "an empty hour reads as 0";
    // A batch time the dialog does not offer is not checked.
    type(f, RegisterField::batchHour, "99");
    type(f, RegisterField::number, "1+");
    EXPECT_EQ(refusal(), std::nullopt);

    chooseRegisterRadio(f, IDC_DESTINATION_EMAIL);
    EXPECT_EQ(refusal(), (RegisterRefusal{IDS_EMAIL_ADDRESS_REQUIRED, IDC_EMAIL_ADDRESS_EDIT, {}}));
    type(f, RegisterField::emailAddress, "a@b");
    EXPECT_EQ(refusal(), (RegisterRefusal{IDS_EMAIL_ADDRESS_INVALID, IDC_EMAIL_ADDRESS_EDIT, {}}));
    type(f, RegisterField::emailAddress, "a.b@c");
    EXPECT_EQ(refusal(), std::nullopt);
}

TEST(RegisterRangeMessage, FillsTheFirstTwoBounds) {
    EXPECT_EQ(fillRangeMessage("Invalid value : must be within %d to %d !", 0, 23),
              "Invalid value : must be within 0 to 23 !");
    EXPECT_EQ(fillRangeMessage("%d-%d %d %s", 1, 2), "1-2 %d %s");
}

TEST_F(RegisterFormTest, SaveStoresTheStampedEntryAndWithdrawsACombinationKeyFromGroups) {
    oneTouch(2, faxEntry("Old", "42"));
    group(4, "Only", {oneTouchMember(2)});
    group(5, "Two", {oneTouchMember(2), speedDialMember(0)});
    RegisterForm f = form(View::oneTouch, 2);
    type(f, RegisterField::number, "0301+");
    type(f, RegisterField::batchHour, "14");
    EXPECT_EQ(saveRegisterForm(workspace, f, {2026, 12, 7}), (std::vector<int>{2, 4}));
    const StoredEntry& stored = oneTouchBytes(2);
    EXPECT_EQ(stored[kEntryFlagsByte], kFlagFax | kFlagOneTouch | kFlagCombinationKey);
    EXPECT_EQ(readEntryU16(stored, kOneTouchLayout.regDate), (26 << 9) | (12 << 5) | 7);
    EXPECT_EQ(stored[kOneTouchLayout.batchTime], 0);
    EXPECT_EQ(groupAt(4).used, 0);
    EXPECT_EQ(groupAt(5).memberCount, 1);
    EXPECT_TRUE(workspace.modifiedFlag);
    EXPECT_EQ(workspace.store.slots[75 + 2].payload[kEntryFlagsByte], stored[kEntryFlagsByte]);
    EXPECT_EQ(workspace.sharedEntry.entryClass, kEntryClassOneTouch);

    RegisterForm mail = form(View::speedDial, 9);
    chooseRegisterRadio(mail, IDC_DESTINATION_EMAIL);
    type(mail, RegisterField::emailAddress, "x@y.z");
    EXPECT_EQ(saveRegisterForm(workspace, mail, {2026, 1, 2}), std::vector<int>{9});
    DialEntry saved = decodeSpeedDial(workspace.mirror, workspace.store, 9);
    EXPECT_EQ(saved.isEmail, 1);
    EXPECT_EQ(fieldText(saved.emailAddress), "x@y.z");
}

} // namespace
