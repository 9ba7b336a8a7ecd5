#include "phonebook/register_dialog_win.h"

#include "resource_ids.h"
#include "store/machine_charset.h"
#include "win/dialog_win.h"
#include "win/message_box_win.h"
#include "win/resource_modules_win.h"
#include "win/win_text_win.h"

#include <algorithm>
#include <string>

namespace {

unsigned codePageOf(const RegisterForm& form) {
    return static_cast<unsigned>(pcCodePage(form.language));
}

// One byte per character typed, so the filters judge characters, not
// bytes: a character the display language's code page cannot hold, or one
// it holds only as a best-fit look-alike, becomes a byte no filter allows;
// a double-byte character is given by its lead byte, which the filters of
// that code page refuse (and a Japanese 0x81 or 0x83 lead cuts the text).
std::string typedCharacters(std::wstring_view text, unsigned codePage) {
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool surrogatePair =
            IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() && IS_LOW_SURROGATE(text[i + 1]);
        if (surrogatePair) {
            ++i;
            bytes += kUnrepresentableCharacter;
            continue;
        }
        char converted[4] = {};
        BOOL usedDefault = FALSE;
        const int size = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, &text[i], 1, converted,
                                             sizeof converted, nullptr, &usedDefault);
        const bool held = size > 0 && usedDefault == FALSE &&
                          MultiByteToWideChar(codePage, 0, converted, size, nullptr, 0) == 1;
        bytes += held ? converted[0] : kUnrepresentableCharacter;
    }
    return bytes;
}

std::wstring itemText(HWND dialog, int controlId, size_t readLimit) {
    std::wstring text(readLimit + 1, L'\0');
    const UINT length =
        GetDlgItemTextW(dialog, controlId, text.data(), static_cast<int>(text.size()));
    text.resize(length);
    return text;
}

void setTextIfChanged(HWND dialog, int controlId, const std::wstring& text) {
    if (itemText(dialog, controlId, text.size() + 1) != text)
        SetDlgItemTextW(dialog, controlId, text.c_str());
}

void showTitle(HWND dialog, const RegisterForm& form) {
    const RegisterTitle title = registerTitle(form);
    std::wstring text = loadString(title.prefixId) + utf8ToWide(title.number);
    if (title.suffixId != 0)
        text += loadString(title.suffixId);
    SetWindowTextW(dialog, text.c_str());
}

void showLayout(HWND dialog, const RegisterForm& form) {
    const RegisterLayout layout = registerLayout(form);
    for (const RegisterControlState& control : layout.controls) {
        HWND window = GetDlgItem(dialog, control.controlId);
        ShowWindow(window, control.shown ? SW_SHOW : SW_HIDE);
        EnableWindow(window, control.enabled);
    }
    SetDlgItemTextW(dialog, IDC_DESTINATION_GROUP_BOX, loadString(layout.groupCaptionId).c_str());
    SetDlgItemTextW(dialog, IDC_NUMBER_LABEL, loadString(layout.numberLabelId).c_str());
    EnableWindow(GetDlgItem(dialog, IDC_DESTINATION_EMAIL), layout.emailRadioEnabled);
    showTitle(dialog, form);
}

void showChoices(HWND dialog, const RegisterForm& form) {
    const std::vector<int> checked = checkedRegisterRadios(form);
    for (int radio : registerRadioControls()) {
        const bool on = std::find(checked.begin(), checked.end(), radio) != checked.end();
        CheckDlgButton(dialog, radio, on ? BST_CHECKED : BST_UNCHECKED);
    }
    for (int combo : registerComboControls())
        SendDlgItemMessageW(dialog, combo, CB_SETCURSEL,
                            static_cast<WPARAM>(registerComboSelection(form, combo)), 0);
}

void fillCombos(HWND dialog, const RegisterForm& form) {
    for (int combo : registerComboControls()) {
        SendDlgItemMessageW(dialog, combo, CB_RESETCONTENT, 0, 0);
        for (int stringId : registerComboStringIds(form, combo))
            SendDlgItemMessageW(dialog, combo, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(loadString(stringId).c_str()));
    }
}

// Writes every field whose text differs from the form; each write comes
// back as a change and goes through its filter like typing.
void showFields(HWND dialog, const RegisterForm& form) {
    for (const RegisterFieldRule& rule : registerFieldRules())
        setTextIfChanged(dialog, rule.controlId,
                         codePageToWide(registerFieldText(form, rule.field), codePageOf(form)));
}

void centreOnScreen(HWND dialog) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (screenWidth == 0)
        return;
    RECT bounds{};
    GetWindowRect(dialog, &bounds);
    SetWindowPos(dialog, nullptr, (screenWidth - (bounds.right - bounds.left)) / 2,
                 (screenHeight - (bounds.bottom - bounds.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void selectAndFocus(HWND dialog, int controlId) {
    SendDlgItemMessageW(dialog, controlId, EM_SETSEL, 0, -1);
    SetFocus(GetDlgItem(dialog, controlId));
}

void show(HWND dialog, RegisterForm& form) {
    centreOnScreen(dialog);
    fillCombos(dialog, form);
    showChoices(dialog, form);
    showFields(dialog, form);
    showLayout(dialog, form);
    selectAndFocus(dialog, registerMode(form) == RegisterMode::combinationKey ? IDC_NUMBER_EDIT
                                                                              : IDC_NAME_EDIT);
}

void onFieldChanged(HWND dialog, const RegisterFieldRule& rule, RegisterForm& form) {
    const std::string typed =
        typedCharacters(itemText(dialog, rule.controlId, rule.readLimit), codePageOf(form));
    const FilteredText filtered = changeRegisterField(form, rule.field, typed);
    if (filtered.removed) {
        // The write-back raises the next change, which filters again.
        SetDlgItemTextW(dialog, rule.controlId,
                        codePageToWide(filtered.text, codePageOf(form)).c_str());
        SendDlgItemMessageW(dialog, rule.controlId, EM_SETSEL, filtered.caret, filtered.caret);
    } else {
        SendDlgItemMessageW(dialog, rule.controlId, EM_LIMITTEXT, rule.limit, 0);
    }
    if (rule.field == RegisterField::number)
        showLayout(dialog, form);
}

void command(HWND dialog, int controlId, int notifyCode, RegisterForm& form) {
    if (const RegisterFieldRule* rule = registerFieldOfControl(controlId)) {
        if (notifyCode == EN_CHANGE)
            onFieldChanged(dialog, *rule, form);
        return;
    }
    const auto radios = registerRadioControls();
    if (notifyCode == BN_CLICKED &&
        std::find(radios.begin(), radios.end(), controlId) != radios.end()) {
        chooseRegisterRadio(form, controlId);
        showChoices(dialog, form);
        showFields(dialog, form);
        showLayout(dialog, form);
        return;
    }
    if (notifyCode == CBN_SELCHANGE) {
        const auto selected = SendDlgItemMessageW(dialog, controlId, CB_GETCURSEL, 0, 0);
        chooseRegisterComboItem(form, controlId, static_cast<int>(selected));
    }
}

bool accept(HWND dialog, RegisterForm& form) {
    const std::optional<RegisterRefusal> refusal = validateRegisterForm(form);
    if (!refusal)
        return true;
    std::wstring text = loadString(refusal->messageId);
    if (refusal->range)
        text = utf8ToWide(
            fillRangeMessage(wideToUtf8(text), refusal->range->first, refusal->range->second));
    showMessageBoxText(dialog, text, IDS_APP_TITLE, MB_OK);
    selectAndFocus(dialog, refusal->controlId);
    return false;
}

constexpr DialogHooks<RegisterForm> kHooks{.show = show, .command = command, .accept = accept};

} // namespace

bool showRegisterDialog(HWND owner, RegisterForm& form) {
    return runModalDialog(owner, IDD_REGISTER_ENTRY, kHooks, form);
}
